/*
 * VorelText: text support for C and C++ programs.
 *
 *   VorelText::Text  a NUL-terminated string of 8-bit characters that owns a
 *                    buffer growing in 256-byte blocks, or works inside an
 *                    array that belongs to its caller (Attach).
 *   VorelText::Char  one character with classification, case and signed order.
 *   vtxt_Text_*      the C library's string work on callers' arrays, callable
 *                    from C (C99) and C++.
 *
 * Character order: wherever characters are ordered they compare as signed
 * 8-bit values, so the bytes 0x80..0xFF sort below 0x00..0x7F (terminator
 * included). Searches and equality compare bytes exactly.
 *
 * The one exception: an append that would have to grow an attached or
 * temporary Text throws a `char*` (not const) pointing at the static text
 * VTXT_BUFFER_TOO_SMALL. Catch it as `char*`, `void*` or with `catch (...)`.
 * vtxt_Text_strcpy lets it pass to its caller; vtxt_Text_strcat turns it into
 * NULL; Text::Concatenate turns it into `false`.
 *
 * Threads: nothing is shared between objects and the library keeps no global
 * state; one object must not be used by two threads at once. Classification
 * and case follow the C library's current locale, which belongs to the
 * process.
 */
#ifndef VORELTEXT_H
#define VORELTEXT_H

#include <stdarg.h>

#if defined(VORELTEXT_STATIC)
#define VORELTEXT_API
#elif defined(_WIN32)
#if defined(VORELTEXT_BUILDING)
#define VORELTEXT_API __declspec(dllexport)
#else
#define VORELTEXT_API __declspec(dllimport)
#endif
#else
#define VORELTEXT_API __attribute__((visibility("default")))
#endif

#if defined(__MINGW32__)
/* The library formats with MinGW's C99 printf (%zu, %lld), not the system's. */
#define VORELTEXT_PRINTF(fmt, first) __attribute__((format(gnu_printf, fmt, first)))
#elif defined(__GNUC__) || defined(__clang__)
#define VORELTEXT_PRINTF(fmt, first) __attribute__((format(printf, fmt, first)))
#else
#define VORELTEXT_PRINTF(fmt, first)
#endif

/* The text that the buffer-too-small error points at. */
#define VTXT_BUFFER_TOO_SMALL "Buffer is too small"

#if defined(_WIN32)
/* A module handle, declared as <windows.h> declares it, which the header
 * does not include; either may come first. */
struct HINSTANCE__;
typedef struct HINSTANCE__* vtxt_Module;
#if defined(__cplusplus) && !defined(VORELTEXT_NO_HINSTANCE)
typedef struct HINSTANCE__* HINSTANCE;
#endif
#else
/*
 * String tables: off Windows a "module" is a table of strings that the caller
 * builds (usually a static array) and passes by address wherever a HINSTANCE
 * is expected. The library only reads it; it must outlive every lookup.
 *
 *   static const vtxt_StringTableEntry entries[] = {{1, "Hello"}, {2, "Bye"}};
 *   static const vtxt_StringTable table = {entries, 2};
 *   VorelText::Text hello(&table, 1);
 */
typedef struct vtxt_StringTableEntry {
    unsigned int id;
    const char* text; /* NULL reads as a missing string */
} vtxt_StringTableEntry;

typedef struct vtxt_StringTable {
    const vtxt_StringTableEntry* entries;
    int count;
} vtxt_StringTable;

typedef const vtxt_StringTable* vtxt_Module;
typedef vtxt_Module HINSTANCE;
#endif

#ifdef __cplusplus
extern "C" {
#endif

#if !defined(_WIN32)
/*
 * Copies the string with this id, cut to size - 1 characters and always
 * NUL-terminated, into buffer and returns the count copied (without the NUL).
 * A missing id, a NULL module or an entry whose text is NULL gives 0 and an
 * empty string; where two entries share an id the first wins. With size <= 0
 * or a NULL buffer it returns 0 and writes nothing.
 */
VORELTEXT_API int vtxt_LoadString(HINSTANCE module, unsigned int id, char* buffer, int size);
#endif

/*
 * The C functions. Each wraps the caller's arrays in Text objects for one call
 * and never frees them. A NULL string argument reads as the empty string
 * (except where noted). Differences from the C library's namesakes are marked
 * "Unlike".
 */

/* Characters before the first NUL; 0 for NULL. */
VORELTEXT_API int vtxt_Text_strlen(char* s);
/* Only the low 8 bits of c count (0x141 is 'A'). 1 for a letter, else 0. */
VORELTEXT_API int vtxt_Text_isalpha(int c);
/* Unlike tolower/toupper: the low 8 bits only, and the result is a char. */
VORELTEXT_API char vtxt_Text_tolower(int c);
VORELTEXT_API char vtxt_Text_toupper(int c);
/* As atoi/atol/atof; a NULL s gives 0. */
VORELTEXT_API int vtxt_Text_atoi(char* s);
VORELTEXT_API long vtxt_Text_atol(char* s);
VORELTEXT_API double vtxt_Text_atof(char* s);
/* Passed straight to the C library: dst must hold the whole result. */
VORELTEXT_API int vtxt_Text_vsprintf(char* dst, const char* format, va_list args);
VORELTEXT_API int vtxt_Text_sprintf(char* dst, const char* format, ...) VORELTEXT_PRINTF(2, 3);
VORELTEXT_API double vtxt_Text_strtod(const char* s, char** end);
VORELTEXT_API long vtxt_Text_strtol(const char* s, char** end, int base);
VORELTEXT_API unsigned long vtxt_Text_strtoul(const char* s, char** end, int base);

/* Searching. The terminator is never found: unlike strchr, c == 0 gives NULL.
 * Only the low 8 bits of c count. */
VORELTEXT_API char* vtxt_Text_strchr(char* s, int c);
VORELTEXT_API char* vtxt_Text_strrchr(char* s, int c);
VORELTEXT_API char* vtxt_Text_strpbrk(char* s, char* set);
/* Unlike strstr: an empty haystack gives NULL for every needle, even "". */
VORELTEXT_API char* vtxt_Text_strstr(char* haystack, char* needle);
VORELTEXT_API int vtxt_Text_strcspn(char* s, char* set);
VORELTEXT_API int vtxt_Text_strspn(char* s, char* set);
/*
 * Tokenizes str in place, writing at most one NUL per call, over the
 * delimiter that ends the token. Unlike strtok_r: while *saveptr is not NULL
 * it is where scanning continues and a non-NULL str is ignored, so set
 * *saveptr = NULL before the first call. *saveptr becomes NULL after the last
 * token; a NULL saveptr gives NULL.
 */
VORELTEXT_API char* vtxt_Text_strtok_r(char* str, char* delimiters, char** saveptr);

/*
 * Copying and joining. Unlike the C library these never write more than they
 * are told they may: strcpy, strncpy and strncat treat dst as 32767 bytes
 * (so at most 32766 characters), strcat takes dst's capacity in bytes.
 * strcpy and strncpy give NULL for a NULL dst; a negative n counts as 0.
 *
 * vtxt_Text_strcpy: a src of 32767 characters or more lets the C++ error
 * "Buffer is too small" pass to the caller (a C caller must not let that
 * happen), with dst holding "". Writes at most strlen(src) + 1 bytes.
 */
VORELTEXT_API char* vtxt_Text_strcpy(char* dst, char* src);
/*
 * Copies m = min(n, strlen(src)) characters and one NUL: writes dst[0..m] and
 * nothing more. Unlike strncpy it always terminates and never pads. When m is
 * 32767 or more it writes NUL to dst[0] and dst[m] and returns NULL.
 */
VORELTEXT_API char* vtxt_Text_strncpy(char* dst, char* src, int n);
/*
 * Appends src when strlen(dst) + strlen(src) + 1 <= capacity; otherwise
 * writes nothing and returns NULL. An empty src returns dst unchanged.
 */
VORELTEXT_API char* vtxt_Text_strcat(char* dst, int capacity, char* src);
/* Appends min(n, strlen(src)) characters within 32767 bytes, else NULL and
 * nothing written. */
VORELTEXT_API char* vtxt_Text_strncat(char* dst, char* src, int n);
/*
 * Comparing. Unlike the C library the result is exactly -1, 0 or 1, and the
 * characters order as signed bytes (0x80..0xFF before 0x01..0x7F). An empty
 * string against a non-empty one orders first whatever n is, n == 0 included.
 */
VORELTEXT_API int vtxt_Text_strcmp(char* s1, char* s2);
VORELTEXT_API int vtxt_Text_strncmp(char* s1, char* s2, unsigned int n);
VORELTEXT_API int vtxt_Text__stricmp(char* s1, char* s2);
VORELTEXT_API int vtxt_Text__strnicmp(char* s1, char* s2, unsigned int n);

#ifdef __cplusplus
} /* extern "C" */

namespace VorelText {

/*
 * One 8-bit character. Comparisons order it as a signed number, this object
 * on the left. Classification and case go through the C library in its
 * current locale: 0x00..0x7F as themselves, 0x80..0xFE as the unsigned byte,
 * 0xFF as EOF (so every test but IsWhiteSpace is false for it and case
 * conversion leaves it alone). IsAscii and IsSpace ask no C library.
 */
class VORELTEXT_API Char {
public:
    char value;

    Char();
    Char(const Char& other);
    Char(char c);
    Char& operator=(const Char& other);
    Char& operator=(char c);
    ~Char();
    operator char() const;

    bool IsAlpha();
    bool IsAlphaNum();
    bool IsAscii(); /* 0x00..0x7F */
    bool IsControl();
    bool IsDigit();
    bool IsGraph();
    bool IsLower();
    bool IsPrint();
    bool IsPunct();
    bool IsSpace(); /* the blank 0x20 only */
    bool IsUpper();
    bool IsWhiteSpace(); /* isspace: blank, \t \n \v \f \r, ... */

    /* Convert this character in place and return the new value. */
    char ToLower();
    char ToUpper();

    bool operator==(const Char& other);
    bool operator==(char c);
    bool operator!=(const Char& other);
    bool operator!=(char c);
    bool operator<(const Char& other);
    bool operator<(char c);
    bool operator<=(const Char& other);
    bool operator<=(char c);
    bool operator>(const Char& other);
    bool operator>(char c);
    bool operator>=(const Char& other);
    bool operator>=(char c);
};

/*
 * A string of 8-bit characters, NUL-terminated in its buffer.
 *
 * Ownership: a Text is in one of four states.
 *   without a buffer  buffer NULL, length and size 0 (Text(), Detach()).
 *   owning            the buffer came from new[]; the destructor releases it.
 *   attached          a caller's array (Attach); never released by the Text.
 *   temporary         FlagAsTemp(): the next copy construction or assignment
 *                     from this object takes the buffer over; it is then only
 *                     destroyed, never copied from again.
 *
 * Storage: growth and the assignments from a C string or a Char use
 * CalcBufSize(n), the next multiple of 256 above n. Construction from a C
 * string and copies reserve 65,536 bytes per started block of 256 characters,
 * so short texts can be appended to without moving; beyond 8,388,351
 * characters, where that would not fit an int, they take CalcBufSize(n)
 * (n + 1 at the very top of the int range). Results of operator+ and
 * SubString hold exactly their length plus one. An attached or temporary Text
 * never grows: an append that does not fit throws VTXT_BUFFER_TOO_SMALL before
 * anything changes. Lengths or sizes that do not fit an int throw
 * std::length_error.
 *
 * Two traps of this interface:
 *   - A NON-CONST char* argument selects the formatting constructor
 *     Text(char* format, ...): its '%' signs are formatting. Pass a
 *     const char* to copy a string as it is.
 *   - `text == "literal"` is ambiguous (Text converts to char*, and a literal
 *     converts to Text). Compare with a char[] array, a Text or a Char.
 */
class VORELTEXT_API Text {
public:
    Text();
    /* Copies s (NULL is the empty text). */
    Text(const char* s);
    /* Copies src up to its first NUL, or takes src's buffer over when src is
     * temporary. Copies both flags. */
    Text(const Text& src);
    /* Formats like printf; the buffer always holds the whole result (256
     * bytes per started block of the format's length, or of the result's when
     * longer). A NULL or empty format, or one the C library cannot format (an
     * encoding error), gives a Text without a buffer. A formatted NUL ends
     * the text. See the trap above: only a non-const char* selects this. */
    Text(char* format, ...);
    /* Reads string `id` from the module's string table (see Load). */
    Text(vtxt_Module module, unsigned int id);
    ~Text();

    /* Assignment leaves this object owning a fresh buffer (or none when src
     * has size 0). A C string or Char resets both flags; a Text copies them.
     * A C string may lie inside this object's own buffer. */
    Text& operator=(const Text& src);
    Text& operator=(const char* const s);
    Text& operator=(const Char& c);

    /* Appending. Owning objects grow to the next 256-byte block when needed;
     * attached and temporary ones throw VTXT_BUFFER_TOO_SMALL instead. */
    Text& operator+=(const Text& src);
    Text& operator+=(const Char& c);
    Text& operator+=(const char* const s);

    /* A new Text holding this text followed by the operand, cut at its first
     * NUL; this object is not changed. Flags of the result are the defaults. */
    Text operator+(const char* const s);
    Text operator+(const Text& other);
    Text operator+(const Char& c);

    /* The count characters from start (fewer at the end); start is clamped to
     * 0..length and a negative count reads as 0. Default flags. */
    Text SubString(int start, int count) const;
    /* Appends src's first count characters (to its first NUL). Answers false,
     * with this object unchanged, when they do not fit or anything fails. */
    bool Concatenate(Text& src, int count);

    /* Works inside p, which holds `size` bytes (its terminator included); the
     * caller keeps p alive and releases it. A buffer this object owned is NOT
     * released: attach only objects that own none. */
    void Attach(char* p, int size);
    /* As above with size strlen(p) + 1. */
    void Attach(char* p);
    /* Forgets the buffer without releasing it. */
    void Detach();
    /* Stores a NUL at the first byte (if any) and sets length 0. */
    void Empty();

    bool IsEmpty() const;
    bool IsAscii() const;
    int LengthGet() const;
    int SizeGet() const;
    void CaseSensitivitySet(bool caseSensitive);
    bool IsCaseSensitive() const;
    void SearchForwardSet(bool searchForward);
    bool IsSearchForward() const;

    /* atoi/atol/atof of the buffer; 0 without a buffer. */
    int ToInteger() const;
    long ToLong() const;
    double ToDouble() const;

    /* Element access, unchecked in release builds (keep 0..size-1). SetAt does
     * not change the length, so a NUL shortens only what strlen sees. */
    void SetAt(int index, char c);
    /* The buffer itself, writable; NULL without one. Valid until the buffer
     * is replaced or released. */
    operator char*() const;
    char operator[](int index);
    char GetAt(int index);

    /* Marks this object temporary: see Ownership above. */
    void FlagAsTemp();

    /* Searching: indexes from the start of the buffer, -1 when not found.
     * Only the first `length` characters take part; the terminator is never
     * found. FindCharacter alone honours IsSearchForward (false finds the
     * last occurrence). */
    int FindCharacter(char c) const;
    int FindCharacter(Char& c) const;
    /* First occurrence of pattern, as strstr on the terminated contents
     * (a missing buffer is the empty text). "" is found at 0. */
    int FindString(Text& pattern) const;
    /* First index >= start whose character is not in set, or the length. */
    int SkipCharacters(Text& set, int start) const;
    /* Skips delimiters from *position, returns the token up to the next
     * delimiter and stores that delimiter's index (or the length) in
     * *position. An empty result means no token is left. */
    Text FindToken(Text& delimiters, int* position) const;
    int FindFromCharacterSet(const Text& set) const;
    /* -1 (not the length) when every character is in set. */
    int FindNotFromCharacterSet(const Text& set) const;
    /* Removes every occurrence of c in place; keeps size and ownership. */
    Text& Remove(char c);

    /* -1, 0 or 1 over at most count positions, in signed character order,
     * ignoring case when THIS object is not case-sensitive. An empty text
     * orders before any other whatever count is. */
    int Compare(const Text& other, unsigned int count) const;
    /* Whole-text comparisons; this object's case flag decides. A char*
     * operand of NULL and a NUL Char read as the empty text. */
    bool operator==(const Text& other);
    bool operator==(char* const s);
    bool operator==(const Char& c);
    bool operator!=(const Text& other);
    bool operator!=(char* const s);
    bool operator!=(const Char& c);
    bool operator<(const Text& other);
    bool operator<(char* const s);
    bool operator<(const Char& c);
    bool operator<=(const Text& other);
    bool operator<=(char* const s);
    bool operator<=(const Char& c);
    bool operator>(const Text& other);
    bool operator>(char* const s);
    bool operator>(const Char& c);
    bool operator>=(const Text& other);
    bool operator>=(char* const s);
    bool operator>=(const Char& c);

    /* Reads string `id` of the module, growing an owned buffer by 256-byte
     * blocks until it fits (never shrinking it). A Text without a buffer
     * first gets 256 bytes; an attached or temporary one is read into its
     * own buffer, cut to size - 1 characters, and never grows or changes
     * owner. */
    void Load(vtxt_Module module, unsigned int id);
    /* Case conversion in place of all `length` characters. */
    void ToUpper();
    void ToLower();

protected:
    /* The smallest multiple of 256 greater than n. */
    int CalcBufSize(int n);

private:
    void InitFromBuffer(const char* s);

    char* buffer;
    int length;
    bool attached;
    bool caseSensitive;
    bool searchForward;
    bool temp;
    int size;
    int blockSize;
};

} // namespace VorelText

#endif /* __cplusplus */

#endif /* VORELTEXT_H */
