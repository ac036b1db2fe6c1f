/**
 * @file VorelText.h
 * @brief VorelText: text support for C and C++ programs.
 *
 * - VorelText::Text: a NUL-terminated string of 8-bit characters that owns a
 *   buffer growing in 256-byte blocks, or works inside an array that belongs
 *   to its caller (VorelText::Text::Attach()).
 * - VorelText::Char: one character with classification, case and signed
 *   order.
 * - `vtxt_Text_*`: the C library's string work on callers' arrays, callable
 *   from C (C89 and C99) and C++ (@ref c_functions).
 *
 * @par Character order
 * Wherever characters are ordered they compare as signed 8-bit values, so the
 * bytes 0x80..0xFF sort below 0x00..0x7F, the terminator included: `"a"`
 * sorts after `"a\x80"`, since its terminator (0) is above 0x80 (-128). The
 * empty string is the exception: it sorts before every other string, `""`
 * before `"\x80"` too. This is a consistent total order, but not strcmp()'s:
 * sorted by it, keys with bytes from 0x80 on (UTF-8 letters beyond ASCII) come
 * before "Abc" and "zoo", not after them. Searches and equality compare bytes
 * exactly.
 *
 * @par The one exception
 * An append that would have to grow an attached or temporary Text throws a
 * `char*` (not const) pointing at the static text #VTXT_BUFFER_TOO_SMALL.
 * Catch it as `char*`, `void*` or with `catch (...)`. vtxt_Text_strcpy() lets
 * it pass to its caller; vtxt_Text_strcat() turns it into NULL;
 * VorelText::Text::Concatenate() turns it into `false`. Beyond it only the C++ runtime's
 * own errors arise: `std::bad_alloc`, and `std::length_error` for lengths or
 * sizes that do not fit an int.
 *
 * @par Threads
 * Nothing is shared between objects and the library keeps no global state;
 * one object must not be used by two threads at once. Classification and case
 * follow the C library's current locale, which belongs to the process.
 *
 * @par Macros a program may define
 * Before including this header: @ref VORELTEXT_STATIC to link the static
 * library, @ref VORELTEXT_NO_HINSTANCE to keep `HINSTANCE` undeclared.
 */
#ifndef VORELTEXT_H
#define VORELTEXT_H

/* Only C comments in this header, its C++ part included: a C89 compiler
 * reads even the lines it skips, and a // comment there is an error. */

#include <stdarg.h>

/** @def VORELTEXT_API
 * Marks what the library exports: default visibility, or on Windows
 * `__declspec(dllimport)` (`dllexport` while the library itself is built).
 * Empty when #VORELTEXT_STATIC is defined. */
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

/** @def VORELTEXT_PRINTF
 * Lets GCC and Clang check the arguments of a printf-like function, such as
 * vtxt_Text_sprintf(), against its format; empty elsewhere.
 * @param fmt The position of the format parameter, counted from 1.
 * @param first The position of the first value the format converts. */
#if defined(__MINGW32__)
/* The library formats with MinGW's C99 printf (%zu, %lld), not the system's. */
#define VORELTEXT_PRINTF(fmt, first) __attribute__((format(gnu_printf, fmt, first)))
#elif defined(__GNUC__) || defined(__clang__)
#define VORELTEXT_PRINTF(fmt, first) __attribute__((format(printf, fmt, first)))
#else
#define VORELTEXT_PRINTF(fmt, first)
#endif

/** The text that the buffer-too-small error points at. */
#define VTXT_BUFFER_TOO_SMALL "Buffer is too small"
/** @name Version
 * The version of this header; vtxt_Version() gives the library's at run time.
 * @{ */
#define VORELTEXT_VERSION_MAJOR 2 /**< Changes when the ABI does (the SONAME). */
#define VORELTEXT_VERSION_MINOR 1 /**< Changes with additions. */
#define VORELTEXT_VERSION_PATCH 0 /**< Changes with fixes only. */
#define VORELTEXT_VERSION "2.1.0" /**< The three numbers as a string. */
/** @} */

/* On Windows the module is the HINSTANCE; see vtxt_Module below. */
#if defined(_WIN32)
struct HINSTANCE__;
typedef struct HINSTANCE__* vtxt_Module;
#if defined(__cplusplus) && !defined(VORELTEXT_NO_HINSTANCE)
typedef struct HINSTANCE__* HINSTANCE;
#endif
#else
/** One string of a string table (off Windows). */
typedef struct vtxt_StringTableEntry {
    unsigned int id;  /**< The id the string is looked up by. */
    const char* text; /**< The string; NULL reads as a missing string. */
} vtxt_StringTableEntry;

/** A table of strings that stands for a module (off Windows). */
typedef struct vtxt_StringTable {
    /** The entries, searched in order: where two share an id the first wins. */
    const vtxt_StringTableEntry* entries;
    int count; /**< The number of entries. */
} vtxt_StringTable;

/**
 * The module whose string table VorelText::Text::Load() reads. On Windows it is the
 * module's `HINSTANCE`, declared as `<windows.h>` declares it (STRICT, the
 * default), so this header needs no `<windows.h>` and may come before or after
 * it. Elsewhere a "module" is a table of strings that the caller builds
 * (usually a static array) and passes by address; the library only reads it
 * and it must outlive every lookup:
 * @code
 * static const vtxt_StringTableEntry entries[] = {{1, "Hello"}, {2, "Bye"}};
 * static const vtxt_StringTable table = {entries, 2};
 * VorelText::Text hello(&table, 1);
 * @endcode
 */
typedef const vtxt_StringTable* vtxt_Module;
#if !defined(VORELTEXT_NO_HINSTANCE)
/** Another name for #vtxt_Module, declared unless the program defines
 * #VORELTEXT_NO_HINSTANCE before including this header (for code that has a
 * `HINSTANCE` of its own). On Windows only C++ gets it, as C cannot repeat a
 * typedef that `<windows.h>` may also make. */
typedef vtxt_Module HINSTANCE;
#endif
#endif

#ifdef __cplusplus
extern "C" {
#endif

/**
 * @defgroup c_functions C functions
 * The C library's string work on callers' arrays, callable from C and C++.
 *
 * Most wrap the caller's arrays in VorelText::Text objects for one call; none
 * frees them. A NULL string argument reads as the empty string (except where
 * noted), and strings must be shorter than `INT_MAX` characters.
 * Each function says how it differs from its C library namesake ("Unlike").
 * @{
 */

/** @name Version
 * @{ */
/** The version of the library that is running: a program can compare it
 * with the VORELTEXT_VERSION it was compiled with.
 * @return "MAJOR.MINOR.PATCH", a static string. */
VORELTEXT_API const char* vtxt_Version(void);
/** @} */

/** @name Characters, numbers and formatting
 * @{ */
/** Unlike strlen(): the result is an int, and NULL gives 0.
 * @param s The string measured.
 * @return The characters before the first NUL. */
VORELTEXT_API int vtxt_Text_strlen(const char* s);
/** Unlike isalpha(): only the low 8 bits of @p c count (0x141 is 'A').
 * @param c The character.
 * @return 1 for a letter in the current locale, else 0. */
VORELTEXT_API int vtxt_Text_isalpha(int c);
/** Unlike tolower(): only the low 8 bits of @p c count, and the result is a
 * char.
 * @param c The character.
 * @return The character in lower case; 0xFF is returned unchanged. */
VORELTEXT_API char vtxt_Text_tolower(int c);
/** Unlike toupper(): only the low 8 bits of @p c count, and the result is a
 * char.
 * @param c The character.
 * @return The character in upper case; 0xFF is returned unchanged. */
VORELTEXT_API char vtxt_Text_toupper(int c);
/** As atoi(); unlike it, a NULL @p s gives 0.
 * @param s The string read.
 * @return The number. */
VORELTEXT_API int vtxt_Text_atoi(const char* s);
/** As atol(); unlike it, a NULL @p s gives 0.
 * @param s The string read.
 * @return The number. */
VORELTEXT_API long vtxt_Text_atol(const char* s);
/** As atof(); unlike it, a NULL @p s gives 0.
 * @param s The string read.
 * @return The number. */
VORELTEXT_API double vtxt_Text_atof(const char* s);
/** vsprintf() itself, passed straight to the C library: no difference.
 * @param dst The array written; it must hold the whole result.
 * @param format The format.
 * @param args The values the format converts.
 * @return What vsprintf() returns. */
VORELTEXT_API int vtxt_Text_vsprintf(char* dst, const char* format, va_list args);
/** As sprintf(), passed straight to the C library's vsprintf(): no difference.
 * @param dst The array written; it must hold the whole result.
 * @param format The format.
 * @param ... The values the format converts.
 * @return What vsprintf() returns. */
VORELTEXT_API int vtxt_Text_sprintf(char* dst, const char* format, ...) VORELTEXT_PRINTF(2, 3);
/** strtod() itself, passed straight to the C library: no difference, so
 * @p s must not be NULL.
 * @param s The string read.
 * @param[out] end Receives where reading stopped, unless NULL.
 * @return What strtod() returns. */
VORELTEXT_API double vtxt_Text_strtod(const char* s, char** end);
/** strtol() itself, passed straight to the C library: no difference, so
 * @p s must not be NULL.
 * @param s The string read.
 * @param[out] end Receives where reading stopped, unless NULL.
 * @param base The base, 2 to 36, or 0 to read it from a prefix.
 * @return What strtol() returns. */
VORELTEXT_API long vtxt_Text_strtol(const char* s, char** end, int base);
/** strtoul() itself, passed straight to the C library: no difference, so
 * @p s must not be NULL.
 * @param s The string read.
 * @param[out] end Receives where reading stopped, unless NULL.
 * @param base The base, 2 to 36, or 0 to read it from a prefix.
 * @return What strtoul() returns. */
VORELTEXT_API unsigned long vtxt_Text_strtoul(const char* s, char** end, int base);
/** @} */

/**
 * @name Searching and tokenizing
 * The terminator is never found and only the low 8 bits of a character
 * argument count. Pointers found point into the caller's array, writable as
 * the C library's are.
 * @{ */
/** Unlike strchr(): @p c == 0 gives NULL, only the low 8 bits of @p c count,
 * and a NULL @p s gives NULL.
 * @param s The string searched.
 * @param c The character sought.
 * @return Its first occurrence in @p s, or NULL. */
VORELTEXT_API char* vtxt_Text_strchr(const char* s, int c);
/** Unlike strrchr(): @p c == 0 gives NULL, only the low 8 bits of @p c count,
 * and a NULL @p s gives NULL.
 * @param s The string searched.
 * @param c The character sought.
 * @return Its last occurrence in @p s, or NULL. */
VORELTEXT_API char* vtxt_Text_strrchr(const char* s, int c);
/** As strpbrk(); unlike it, NULL arguments read as "".
 * @param s The string searched.
 * @param set The characters sought.
 * @return The first character of @p s that is in @p set, or NULL. */
VORELTEXT_API char* vtxt_Text_strpbrk(const char* s, const char* set);
/** Unlike strstr(): an empty haystack gives NULL for every needle, even "",
 * and NULL arguments read as "".
 * @param haystack The string searched.
 * @param needle The string sought; "" is found at the start of a non-empty
 *               haystack.
 * @return The first occurrence of @p needle in @p haystack, or NULL. */
VORELTEXT_API char* vtxt_Text_strstr(const char* haystack, const char* needle);
/** As strcspn(); unlike it, the result is an int and NULL arguments read as "".
 * @param s The string scanned.
 * @param set The characters that end the run.
 * @return The length of the leading run of @p s outside @p set. */
VORELTEXT_API int vtxt_Text_strcspn(const char* s, const char* set);
/** As strspn(); unlike it, the result is an int and NULL arguments read as "".
 * @param s The string scanned.
 * @param set The characters that make up the run.
 * @return The length of the leading run of @p s inside @p set. */
VORELTEXT_API int vtxt_Text_strspn(const char* s, const char* set);
/** Tokenizes @p str in place, writing at most one NUL per call, over the
 * delimiter that ends the token. Unlike strtok_r(): while `*saveptr` is not
 * NULL it is where scanning continues and a non-NULL @p str is ignored, so set
 * `*saveptr = NULL` before the first call. `*saveptr` is NULL once a call has
 * returned NULL (already after the last token when no delimiter follows it).
 * @param str The string tokenized, read while `*saveptr` is NULL.
 * @param delimiters The characters that separate tokens; NULL or "" makes the
 *                   rest one token.
 * @param[in,out] saveptr Where the next call continues; a NULL @p saveptr
 *                        gives NULL.
 * @return The next token, or NULL when none is left. */
VORELTEXT_API char* vtxt_Text_strtok_r(char* str, const char* delimiters, char** saveptr);
/** @} */

/**
 * @name Copying and joining
 * Only vtxt_Text_strcat() is told how large @p dst is, and refuses a result
 * that would not fit. The others write what their C library namesakes write
 * (strncpy less: it never pads), so @p dst must be sized as for those; they
 * only refuse a result of more than 32767 bytes, terminator included.
 * @{ */
/** Copies @p src and its terminator: writes strlen(src) + 1 bytes, as
 * strcpy() does. Nothing but the limit below bounds the copy, so @p dst must
 * hold them. Unlike strcpy(): a NULL @p dst gives NULL, and a @p src of 32767
 * characters or more is refused with the C++ error #VTXT_BUFFER_TOO_SMALL,
 * which passes to the caller with @p dst holding "" (a C caller cannot catch
 * it and must not let it happen).
 * @param dst The array written: strlen(src) + 1 bytes.
 * @param src The string copied.
 * @return @p dst, or NULL for a NULL @p dst.
 * @throws char* #VTXT_BUFFER_TOO_SMALL when @p src has 32767 characters or
 *         more. */
VORELTEXT_API char* vtxt_Text_strcpy(char* dst, const char* src);
/** Copies m = min(n, strlen(src)) characters and one NUL: writes dst[0..m],
 * m + 1 bytes, and nothing more. Unlike strncpy(): it always terminates and
 * never pads to @p n bytes, a negative @p n counts as 0, a NULL @p dst gives
 * NULL, and when m is 32767 or more it writes NUL to dst[0] and dst[m] only
 * and returns NULL.
 * @param dst The array written: m + 1 bytes.
 * @param src The string copied.
 * @param n The most characters copied.
 * @return @p dst; NULL for a NULL @p dst or when m is 32767 or more. */
VORELTEXT_API char* vtxt_Text_strncpy(char* dst, const char* src, int n);
/** Appends @p src after the string in @p dst when the result fits
 * @p capacity: strlen(dst) + strlen(src) + 1 <= @p capacity. Unlike strcat():
 * it is told the size of @p dst, and writes nothing and returns NULL where a
 * result would not fit; an empty @p src returns @p dst unchanged whatever
 * @p capacity says.
 * @param dst The string appended to (NULL has capacity 0).
 * @param capacity The bytes @p dst holds, terminator included.
 * @param src The string appended.
 * @return @p dst, or NULL when @p src does not fit. */
VORELTEXT_API char* vtxt_Text_strcat(char* dst, int capacity, const char* src);
/** Appends m = min(n, strlen(src)) characters and one NUL after the string in
 * @p dst: strlen(dst) + m + 1 bytes in all, as strncat() writes, which
 * @p dst must hold. Unlike strncat(): a result of more than 32767 bytes is
 * refused (nothing written, NULL returned), a negative @p n counts as 0, and
 * m == 0 returns @p dst unchanged.
 * @param dst The string appended to (NULL has capacity 0).
 * @param src The string appended.
 * @param n The most characters appended.
 * @return @p dst, or NULL when the characters do not fit. */
VORELTEXT_API char* vtxt_Text_strncat(char* dst, const char* src, int n);
/** @} */

/**
 * @name Comparing
 * Characters order as signed bytes: 0x80..0xFF before 0x01..0x7F and before
 * the terminator (0) of a shorter string, yet an empty string orders first.
 * A program that swaps strcmp() for these sees `"a"` after `"a\x80"` and `""`
 * before `"\x80"`.
 * @{ */
/** As strcmp(); unlike it, the result is exactly -1, 0 or 1, and characters
 * order as signed bytes. So `"a"` sorts after `"a\x80"`, while the empty
 * string sorts before every other (`""` before `"\x80"`).
 * @param s1 The first string.
 * @param s2 The second string.
 * @return -1, 0 or 1 as @p s1 orders before, with or after @p s2. */
VORELTEXT_API int vtxt_Text_strcmp(const char* s1, const char* s2);
/** As strncmp(); unlike it, the result is exactly -1, 0 or 1, and characters
 * order as signed bytes. So `"a"` sorts after `"a\x80"`, while an empty
 * string sorts before every other (`""` before `"\x80"`) whatever @p n is,
 * @p n == 0 included.
 * @param s1 The first string.
 * @param s2 The second string.
 * @param n The most characters compared.
 * @return -1, 0 or 1 as @p s1 orders before, with or after @p s2. */
VORELTEXT_API int vtxt_Text_strncmp(const char* s1, const char* s2, unsigned int n);
/** As strcmp() with case folded by tolower() in the current locale; unlike
 * it, the result is exactly -1, 0 or 1, and characters order as signed bytes.
 * So `"a"` sorts after `"a\x80"`, while the empty string sorts before every
 * other (`""` before `"\x80"`).
 * @param s1 The first string.
 * @param s2 The second string.
 * @return -1, 0 or 1 as @p s1 orders before, with or after @p s2. */
VORELTEXT_API int vtxt_Text__stricmp(const char* s1, const char* s2);
/** As strncmp() with case folded by tolower() in the current locale; unlike
 * it, the result is exactly -1, 0 or 1, and characters order as signed bytes.
 * So `"a"` sorts after `"a\x80"`, while an empty string sorts before every
 * other (`""` before `"\x80"`) whatever @p n is, @p n == 0 included.
 * @param s1 The first string.
 * @param s2 The second string.
 * @param n The most characters compared.
 * @return -1, 0 or 1 as @p s1 orders before, with or after @p s2. */
VORELTEXT_API int vtxt_Text__strnicmp(const char* s1, const char* s2, unsigned int n);
/** @} */

#if !defined(_WIN32)
/**
 * @name String tables (off Windows)
 * The lookup that VorelText::Text::Load() uses where the platform has none; see
 * #vtxt_Module.
 * @{ */
/** Copies the string with this id, cut to size - 1 characters and always
 * NUL-terminated, into @p buffer, as the platform's lookup does on Windows.
 * A missing id, a NULL module or an entry whose text is NULL gives 0 and an
 * empty string; where two entries share an id the first wins.
 * @param module The table searched.
 * @param id The string's id.
 * @param buffer The array written; with NULL nothing is written.
 * @param size The bytes @p buffer holds; with 0 or less nothing is written.
 * @return The count copied, without the NUL; 0 when nothing was written. */
VORELTEXT_API int vtxt_LoadString(vtxt_Module module, unsigned int id, char* buffer, int size);
/** @} */
#endif

/** @} */

#ifdef __cplusplus
} /* extern "C" */

#include <cstddef>
#include <iosfwd>
#include <string>
#include <type_traits>

#if defined(VORELTEXT_DOXYGEN)
/** 1 where the header is compiled as C++17 or later (MSVC reports it in
 * `_MSVC_LANG`), which declares the `std::string` and `std::string_view`
 * members of VorelText::Text; 0 before C++17. */
#define VORELTEXT_CXX17 1
#elif defined(_MSVC_LANG)
#define VORELTEXT_CXX17 (_MSVC_LANG >= 201703L)
#else
#define VORELTEXT_CXX17 (__cplusplus >= 201703L)
#endif
#if VORELTEXT_CXX17
#include <string_view>
#endif

/** The library's classes. */
namespace VorelText {

#if !defined(VORELTEXT_DOXYGEN)
namespace detail {
struct TextAccess; /* the library's own access to Text's fields */

/* A format of the formatting constructor: a char* or what converts to one, as
 * the constructor took before it was a template, or a string literal (a const
 * char array). Not a const char* pointer, which is data more often than a
 * format (a count after it would be formatted), nor a null pointer constant
 * (0, NULL, nullptr), which keeps selecting Text(vtxt_Module, unsigned int). */
template <typename T>
struct IsCharArray
    : std::integral_constant<
          bool,
          std::is_array<T>::value &&
              std::is_same<typename std::remove_cv<typename std::remove_extent<T>::type>::type,
                           char>::value> {};
template <typename Format>
struct IsFormat : std::integral_constant<bool, (std::is_convertible<const Format&, char*>::value ||
                                                IsCharArray<Format>::value) &&
                                                   !std::is_same<Format, std::nullptr_t>::value> {};

/* What a printf format can convert: numbers, pointers, enums. A class passed
 * through `...` is undefined behaviour, so it does not compile. */
template <typename... Values> struct AreFormatValues : std::true_type {};
template <typename First, typename... Rest>
struct AreFormatValues<First, Rest...>
    : std::integral_constant<bool,
                             std::is_scalar<First>::value && AreFormatValues<Rest...>::value> {};
} /* namespace detail */
#endif

/**
 * One 8-bit character. Comparisons order it as a signed number, this object
 * on the left (a char on the left works too). Classification and case go
 * through the C library in its current locale: 0x00..0x7F as themselves,
 * 0x80..0xFE as the unsigned byte, 0xFF as EOF (so every test but
 * IsWhiteSpace() is false for it and case conversion leaves it alone).
 * IsAscii() and IsSpace() ask no C library.
 */
class VORELTEXT_API Char {
public:
    /** The character. */
    char value;

    /** @name Construction and conversion
     * @{ */
    /** The NUL character. */
    Char();
    /** A copy. @param other The character copied. */
    Char(const Char& other);
    /** Holds @p c (and converts a char where a Char is expected). @param c The character. */
    Char(char c);
    /** Copies @p other's value. @param other The character copied. @return This object. */
    Char& operator=(const Char& other);
    /** Stores @p c. @param c The character. @return This object. */
    Char& operator=(char c);
    /** Does nothing: a Char owns nothing. */
    ~Char();
    /** Converts to char. @return The character. */
    operator char() const;
    /** @} */

    /**
     * @name Classification
     * Each tests the character in the C library's current locale.
     * @{ */
    /** Tests with isalpha(). @return Whether this is a letter. */
    bool IsAlpha() const;
    /** Tests with isalnum(). @return Whether this is a letter or a digit. */
    bool IsAlphaNum() const;
    /** Tests the range 0x00..0x7F. @return Whether this is an ASCII character. */
    bool IsAscii() const;
    /** Tests with iscntrl(). @return Whether this is a control character. */
    bool IsControl() const;
    /** Tests with isdigit(). @return Whether this is a decimal digit. */
    bool IsDigit() const;
    /** Tests with isgraph(). @return Whether this is printable and not the blank. */
    bool IsGraph() const;
    /** Tests with islower(). @return Whether this is a lower-case letter. */
    bool IsLower() const;
    /** Tests with isprint(). @return Whether this is printable, the blank included. */
    bool IsPrint() const;
    /** Tests with ispunct(). @return Whether this is punctuation. */
    bool IsPunct() const;
    /** Tests for the blank 0x20 only. @return Whether this is the blank. */
    bool IsSpace() const;
    /** Tests with isupper(). @return Whether this is an upper-case letter. */
    bool IsUpper() const;
    /** Tests with isspace(), which is handed the unsigned byte (0xFF too).
     * @return Whether this is white space: the blank, tab, newline, vertical
     *         tab, form feed, carriage return, or what the locale adds. */
    bool IsWhiteSpace() const;
    /** @} */

    /** @name Case
     * @{ */
    /** Converts this character in place with tolower(). @return The new value. */
    char ToLower();
    /** Converts this character in place with toupper(). @return The new value. */
    char ToUpper();
    /** @} */

    /**
     * @name Comparison
     * Values compare as signed 8-bit numbers, this object on the left.
     * @{ */
    /** @param other The right operand. @return Whether the values are equal. */
    bool operator==(const Char& other) const;
    /** @param c The right operand. @return Whether the values are equal. */
    bool operator==(char c) const;
    /** @param other The right operand. @return Whether the values differ. */
    bool operator!=(const Char& other) const;
    /** @param c The right operand. @return Whether the values differ. */
    bool operator!=(char c) const;
    /** @param other The right operand. @return Whether this orders before @p other. */
    bool operator<(const Char& other) const;
    /** @param c The right operand. @return Whether this orders before @p c. */
    bool operator<(char c) const;
    /** @param other The right operand. @return Whether this orders no later than @p other. */
    bool operator<=(const Char& other) const;
    /** @param c The right operand. @return Whether this orders no later than @p c. */
    bool operator<=(char c) const;
    /** @param other The right operand. @return Whether this orders after @p other. */
    bool operator>(const Char& other) const;
    /** @param c The right operand. @return Whether this orders after @p c. */
    bool operator>(char c) const;
    /** @param other The right operand. @return Whether this orders no earlier than @p other. */
    bool operator>=(const Char& other) const;
    /** @param c The right operand. @return Whether this orders no earlier than @p c. */
    bool operator>=(char c) const;
    /** @} */

    /**
     * @name A char on the left
     * In the same signed order.
     * @{ */
    /** @param c The left operand. @param d The right operand. @return `d == c`. */
    friend bool operator==(char c, const Char& d) { return d == c; }
    /** @param c The left operand. @param d The right operand. @return `d != c`. */
    friend bool operator!=(char c, const Char& d) { return d != c; }
    /** @param c The left operand. @param d The right operand. @return `d > c`. */
    friend bool operator<(char c, const Char& d) { return d > c; }
    /** @param c The left operand. @param d The right operand. @return `d >= c`. */
    friend bool operator<=(char c, const Char& d) { return d >= c; }
    /** @param c The left operand. @param d The right operand. @return `d < c`. */
    friend bool operator>(char c, const Char& d) { return d < c; }
    /** @param c The left operand. @param d The right operand. @return `d <= c`. */
    friend bool operator>=(char c, const Char& d) { return d <= c; }
    /** @} */
};

/**
 * A string of 8-bit characters, NUL-terminated in its buffer.
 *
 * @par Ownership
 * A Text is in one of four states:
 * - *without a buffer*: buffer NULL, length and size 0 (Text(), Detach(), and
 *   every object moved from);
 * - *owning*: the buffer came from `new[]`; the destructor releases it;
 * - *attached*: a caller's array (Attach()); never released by the Text;
 * - *temporary*: FlagAsTemp(): the next copy construction or assignment from
 *   this object takes the buffer over; it is then only destroyed, never
 *   copied from again, and never releases the buffer itself.
 * .
 * Moving hands the buffer over as it is: an owned buffer stays owned, an
 * attached object's target is attached to the same array with the same
 * declared size, a temporary's buffer becomes the target's own. Moves never
 * allocate and leave the source without a buffer (its flags kept).
 *
 * @par Storage
 * Growth and the assignments from a C string or a Char use CalcBufSize(n), the
 * next multiple of 256 above n. Construction from a C string and copy
 * construction reserve 65,536 bytes per started block of 256 characters, so
 * short texts can be appended to without moving; beyond 8,388,351 characters,
 * where that would not fit an int, they take CalcBufSize(n) (n + 1 at the very
 * top of the int range). Results of operator+() and SubString() hold exactly
 * their length plus one. An attached or temporary Text never grows: an append
 * that does not fit throws #VTXT_BUFFER_TOO_SMALL before anything changes.
 * Lengths or sizes that do not fit an int throw `std::length_error`.
 *
 * @par Comparisons
 * Comparisons compare characters with a Text, a C string (const or not, a
 * literal included) or a Char on either side; the Text operand's case flag
 * decides. A null `char*` reads as the empty text; a null pointer constant
 * (0, nullptr) does not compile.
 *
 * @par Strings and formats
 * A C string, a `char*` and a `char` array are copied as they stand, `%`
 * signs included; only a format followed by at least one value is formatted
 * (Text(const Format&, First, Rest...)). Since C++17 a `std::string` or a
 * `std::string_view` converts too, every byte of it, and ViewGet() gives the
 * characters back as a `std::string_view`.
 *
 * @par Standard library
 * begin() and end() make a Text a range of its characters (range-for,
 * `<algorithm>`, C++20 ranges), `operator<<` writes them to a stream, and
 * `std::hash<VorelText::Text>` (HashGet()) lets it key unordered containers.
 */
class VORELTEXT_API Text {
public:
    /**
     * @name Storage and ownership
     * Construction, the ownership states, the accessors and flags, element
     * access and conversion to numbers. The flags start true: case-sensitive,
     * searching forward.
     * @{ */
    /** A Text without a buffer. */
    Text();
    /** Copies @p s into an owned buffer that reserves 65,536 bytes per
     * started block of 256 characters (see Storage), so that it can grow
     * without moving.
     * @param s The string copied; NULL gives the empty text, with a buffer. */
    Text(const char* s);
    /** Copies @p s as it stands, `%` signs included, into CalcBufSize(strlen(s))
     * bytes: the size the formatting constructor gives a format without
     * conversions. `std::string::data()`, `std::vector<char>::data()` and a
     * `char` array select this.
     * @param s The string copied; NULL or "" gives a Text without a buffer. */
    Text(char* s);
    /** Copies @p src up to its first NUL into an owned buffer that reserves
     * 65,536 bytes per started block of 256 characters (see Storage), or
     * takes @p src's buffer over when @p src is temporary. Copies both flags.
     * @param src The text copied. */
    Text(const Text& src);
    /** Takes @p src's buffer as it is (see Ownership); @p src is left without
     * one.
     * @param src The text moved from. */
    Text(Text&& src) noexcept;
    /** Releases the buffer when this object owns it. */
    ~Text();

    /** Works inside @p p, which holds @p size bytes (its terminator included);
     * the caller keeps @p p alive and releases it. A buffer this object owned
     * is NOT released: attach only objects that own none.
     * @param p The caller's NUL-terminated array; NULL gives size 0.
     * @param size The bytes @p p holds: appends must fit within them. */
    void Attach(char* p, int size);
    /** As Attach(char*, int) with size strlen(p) + 1. @param p The caller's NUL-terminated array.
     */
    void Attach(char* p);
    /** Forgets the buffer without releasing it, leaving this object without one. */
    void Detach();
    /** Stores a NUL at the first byte (if any) and sets length 0. */
    void Empty();

    /** Tests for the empty text. @return Whether the length is 0. */
    bool IsEmpty() const;
    /** Tests for ASCII. @return Whether every one of the `length` characters is 0x00..0x7F. */
    bool IsAscii() const;
    /** The length, as the operations keep it. @return The characters before the terminator. */
    int LengthGet() const;
    /** The size. @return The bytes the buffer holds, terminator included; 0 without one. */
    int SizeGet() const;
    /** Sets the case flag, which Compare() and the relational operators read
     * on their Text operand (the left one between two Texts).
     * @param caseSensitive Whether case counts. */
    void CaseSensitivitySet(bool caseSensitive);
    /** The case flag. @return Whether this object's comparisons respect case. */
    bool IsCaseSensitive() const;
    /** Sets the direction flag, which only FindCharacter() reads.
     * @param searchForward true to find the first occurrence, false the last. */
    void SearchForwardSet(bool searchForward);
    /** The direction flag. @return Whether FindCharacter() finds the first occurrence. */
    bool IsSearchForward() const;

    /** atoi() of the buffer. @return The number; 0 without a buffer. */
    int ToInteger() const;
    /** atol() of the buffer. @return The number; 0 without a buffer. */
    long ToLong() const;
    /** atof() of the buffer. @return The number; 0 without a buffer. */
    double ToDouble() const;

    /** Stores @p c at @p index, unchecked in release builds (keep 0..size-1).
     * The length does not change, so a NUL shortens only what strlen sees.
     * @param index The position written.
     * @param c The character stored. */
    void SetAt(int index, char c);
    /** The buffer itself, writable. Valid until the buffer is replaced or
     * released. `std::string s(t)` and `std::string_view v(t)` compile
     * through it and so need a Text with a buffer; ViewGet() never does.
     * @return The buffer; NULL without one. */
    operator char*() const;
    /** The byte at @p index, unchecked in release builds (keep 0..size-1).
     * @param index The position read.
     * @return The byte. */
    char operator[](int index) const;
    /** As operator[](). @param index The position read. @return The byte. */
    char GetAt(int index) const;

    /** Marks this object temporary (see Ownership): the next copy
     * construction, assignment or move from it takes its buffer over, and
     * the receiver releases it with `delete[]`. So mark only an object whose
     * buffer came from `new[]` (never a caller's stack or static array), and
     * copy from it once; afterwards it is only destroyed, and never releases
     * the buffer itself. */
    void FlagAsTemp();
    /** @} */

    /**
     * @name Assignment and concatenation
     * Assignment leaves this object owning its new buffer (a fresh one, or a
     * temporary source's own) and releases only a buffer it owned. Appending
     * grows an owning object to the next 256-byte block when needed; attached
     * and temporary ones throw #VTXT_BUFFER_TOO_SMALL instead, before anything
     * changes.
     * @{ */
    /** Copies @p src byte for byte over its whole declared size, past its
     * terminator; where that size cannot hold its length, the length is cut
     * to size - 1 and terminated. A temporary @p src hands its buffer over; a
     * @p src of size 0 leaves this object without a buffer. Copies both flags.
     * @param src The text copied.
     * @return This object. */
    Text& operator=(const Text& src);
    /** As the move constructor; releases only a buffer this object owned.
     * @param src The text moved from.
     * @return This object. */
    Text& operator=(Text&& src) noexcept;
    /** Copies @p s into CalcBufSize(strlen(s)) bytes and resets both flags.
     * @param s The string copied (NULL is the empty text); it may lie inside
     *          this object's own buffer.
     * @return This object. */
    Text& operator=(const char* const s);
    /** Makes this the one-character text @p c (length 1, even for NUL) in 256
     * bytes and resets both flags.
     * @param c The character.
     * @return This object. */
    Text& operator=(const Char& c);

    /** Appends the `length` characters of @p src, which may be this object.
     * An empty @p src changes nothing.
     * @param src The text appended.
     * @return This object.
     * @throws char* #VTXT_BUFFER_TOO_SMALL when an attached or temporary
     *         object would have to grow. */
    Text& operator+=(const Text& src);
    /** Appends @p c; a NUL counts in the length like any other character.
     * @param c The character appended.
     * @return This object.
     * @throws char* #VTXT_BUFFER_TOO_SMALL when an attached or temporary
     *         object would have to grow. */
    Text& operator+=(const Char& c);
    /** Appends @p s up to its first NUL. Even an empty @p s needs room for the
     * terminator.
     * @param s The string appended (NULL is the empty string).
     * @return This object.
     * @throws char* #VTXT_BUFFER_TOO_SMALL when an attached or temporary
     *         object would have to grow. */
    Text& operator+=(const char* const s);

    /** Joins this text and @p s; this object is not changed.
     * @param s The string appended (NULL is the empty string).
     * @return A new Text of both, cut at the first NUL among them, owning
     *         exactly its length plus one bytes, with the default flags. */
    Text operator+(const char* const s) const;
    /** Joins this text and @p other; this object is not changed.
     * @param other The text appended.
     * @return A new Text of both, cut at the first NUL among them, owning
     *         exactly its length plus one bytes, with the default flags. */
    Text operator+(const Text& other) const;
    /** Joins this text and @p c; this object is not changed.
     * @param c The character appended.
     * @return A new Text of both, cut at the first NUL among them, owning
     *         exactly its length plus one bytes, with the default flags. */
    Text operator+(const Char& c) const;

    /** The @p count characters from @p start (fewer at the end).
     * @param start The first position, clamped to 0..length.
     * @param count The characters wanted; a negative count reads as 0.
     * @return A new Text of them, cut at a NUL among them, owning exactly its
     *         length plus one bytes, with the default flags. */
    Text SubString(int start, int count) const;
    /** Appends @p src's first @p count characters (to its first NUL). Never
     * throws.
     * @param src The text appended from.
     * @param count The most characters appended; a negative count reads as 0.
     * @return true, also when there is nothing to append; false, with this
     *         object unchanged, when they do not fit or anything fails. */
    bool Concatenate(const Text& src, int count);
    /** @} */

    /**
     * @name Search
     * Indexes count from the start of the buffer, -1 when not found. Only the
     * first `length` characters take part (FindString() excepted); the
     * terminator is never found. Characters match exactly, whatever the case
     * flag; FindCharacter() alone honours IsSearchForward().
     * @{ */
    /** Finds @p c, first to last or (IsSearchForward() false) last to first.
     * @param c The character sought.
     * @return The index of its first (or last) occurrence, or -1. */
    int FindCharacter(char c) const;
    /** Finds @p c, first to last or (IsSearchForward() false) last to first.
     * @param c The character sought.
     * @return The index of its first (or last) occurrence, or -1. */
    int FindCharacter(const Char& c) const;
    /** Finds @p pattern as strstr() does on the terminated contents (a missing
     * buffer is the empty text).
     * @param pattern The text sought; "" is found at 0.
     * @return The index of its first occurrence, or -1. */
    int FindString(const Text& pattern) const;
    /** Skips the characters of @p set.
     * @param set The characters skipped.
     * @param start The first position; a negative start reads as 0.
     * @return The first index >= @p start whose character is not in @p set,
     *         or the length; a @p start at or past the length as it is. */
    int SkipCharacters(const Text& set, int start) const;
    /** Skips delimiters from `*position`, returns the token up to the next
     * delimiter and stores that delimiter's index (or the length) in
     * `*position`. This object is not changed.
     * @param delimiters The characters that separate tokens.
     * @param[in,out] position Where to start, clamped to 0..length; a NULL
     *                position gives an empty result.
     * @return A copy of the token; empty when no token is left. */
    Text FindToken(const Text& delimiters, int* position) const;
    /** Finds the first character that is in @p set.
     * @param set The characters sought.
     * @return Its index, or -1. */
    int FindFromCharacterSet(const Text& set) const;
    /** Finds the first character that is not in @p set.
     * @param set The characters passed over.
     * @return Its index; -1 (not the length) when every character is in
     *         @p set. */
    int FindNotFromCharacterSet(const Text& set) const;
    /** Removes every occurrence of @p c in place; keeps size and ownership.
     * @param c The character removed.
     * @return This object. */
    Text& Remove(char c);
    /** @} */

    /**
     * @name Comparison
     * Characters order as signed bytes, ignoring case when this object is not
     * case-sensitive. The operators compare whole texts; a C string operand
     * of NULL and a NUL Char read as the empty text. The `char*` forms do
     * what the `const char*` ones do: without them a `char*` operand would
     * match the built-in comparison of pointers (through operator char*()) as
     * well.
     * @{ */
    /** Orders this text and @p other over at most @p count positions. An empty
     * text orders before any other whatever @p count is.
     * @param other The text compared with.
     * @param count The most positions compared; a shorter text's terminator
     *              takes part.
     * @return -1, 0 or 1 as this text orders before, with or after @p other. */
    int Compare(const Text& other, unsigned int count) const;
    /** @param other The right operand. @return Whether the texts are equal. */
    bool operator==(const Text& other) const;
    /** @param s The right operand. @return Whether the texts are equal. */
    bool operator==(const char* s) const;
    /** @param c The right operand. @return Whether the texts are equal. */
    bool operator==(const Char& c) const;
    /** @param other The right operand. @return Whether the texts differ. */
    bool operator!=(const Text& other) const;
    /** @param s The right operand. @return Whether the texts differ. */
    bool operator!=(const char* s) const;
    /** @param c The right operand. @return Whether the texts differ. */
    bool operator!=(const Char& c) const;
    /** @param other The right operand. @return Whether this text orders first. */
    bool operator<(const Text& other) const;
    /** @param s The right operand. @return Whether this text orders first. */
    bool operator<(const char* s) const;
    /** @param c The right operand. @return Whether this text orders first. */
    bool operator<(const Char& c) const;
    /** @param other The right operand. @return Whether this text orders first or equal. */
    bool operator<=(const Text& other) const;
    /** @param s The right operand. @return Whether this text orders first or equal. */
    bool operator<=(const char* s) const;
    /** @param c The right operand. @return Whether this text orders first or equal. */
    bool operator<=(const Char& c) const;
    /** @param other The right operand. @return Whether this text orders last. */
    bool operator>(const Text& other) const;
    /** @param s The right operand. @return Whether this text orders last. */
    bool operator>(const char* s) const;
    /** @param c The right operand. @return Whether this text orders last. */
    bool operator>(const Char& c) const;
    /** @param other The right operand. @return Whether this text orders last or equal. */
    bool operator>=(const Text& other) const;
    /** @param s The right operand. @return Whether this text orders last or equal. */
    bool operator>=(const char* s) const;
    /** @param c The right operand. @return Whether this text orders last or equal. */
    bool operator>=(const Char& c) const;
    /** @param s The right operand. @return `*this == s`. */
    bool operator==(char* s) const { return *this == static_cast<const char*>(s); }
    /** @param s The right operand. @return `*this != s`. */
    bool operator!=(char* s) const { return *this != static_cast<const char*>(s); }
    /** @param s The right operand. @return `*this < s`. */
    bool operator<(char* s) const { return *this < static_cast<const char*>(s); }
    /** @param s The right operand. @return `*this <= s`. */
    bool operator<=(char* s) const { return *this <= static_cast<const char*>(s); }
    /** @param s The right operand. @return `*this > s`. */
    bool operator>(char* s) const { return *this > static_cast<const char*>(s); }
    /** @param s The right operand. @return `*this >= s`. */
    bool operator>=(char* s) const { return *this >= static_cast<const char*>(s); }
    /** @} */

    /**
     * @name A C string or a Char on the left
     * With the Text's case flag, in the same order.
     * @{ */
    /** @param s The left operand. @param t The right operand. @return `t == s`. */
    friend bool operator==(const char* s, const Text& t) { return t == s; }
    /** @param s The left operand. @param t The right operand. @return `t != s`. */
    friend bool operator!=(const char* s, const Text& t) { return t != s; }
    /** @param s The left operand. @param t The right operand. @return `t > s`. */
    friend bool operator<(const char* s, const Text& t) { return t > s; }
    /** @param s The left operand. @param t The right operand. @return `t >= s`. */
    friend bool operator<=(const char* s, const Text& t) { return t >= s; }
    /** @param s The left operand. @param t The right operand. @return `t < s`. */
    friend bool operator>(const char* s, const Text& t) { return t < s; }
    /** @param s The left operand. @param t The right operand. @return `t <= s`. */
    friend bool operator>=(const char* s, const Text& t) { return t <= s; }
    /** @param s The left operand. @param t The right operand. @return `t == s`. */
    friend bool operator==(char* s, const Text& t) { return t == s; }
    /** @param s The left operand. @param t The right operand. @return `t != s`. */
    friend bool operator!=(char* s, const Text& t) { return t != s; }
    /** @param s The left operand. @param t The right operand. @return `t > s`. */
    friend bool operator<(char* s, const Text& t) { return t > s; }
    /** @param s The left operand. @param t The right operand. @return `t >= s`. */
    friend bool operator<=(char* s, const Text& t) { return t >= s; }
    /** @param s The left operand. @param t The right operand. @return `t < s`. */
    friend bool operator>(char* s, const Text& t) { return t < s; }
    /** @param s The left operand. @param t The right operand. @return `t <= s`. */
    friend bool operator>=(char* s, const Text& t) { return t <= s; }
    /** @param c The left operand. @param t The right operand. @return `t == c`. */
    friend bool operator==(const Char& c, const Text& t) { return t == c; }
    /** @param c The left operand. @param t The right operand. @return `t != c`. */
    friend bool operator!=(const Char& c, const Text& t) { return t != c; }
    /** @param c The left operand. @param t The right operand. @return `t > c`. */
    friend bool operator<(const Char& c, const Text& t) { return t > c; }
    /** @param c The left operand. @param t The right operand. @return `t >= c`. */
    friend bool operator<=(const Char& c, const Text& t) { return t >= c; }
    /** @param c The left operand. @param t The right operand. @return `t < c`. */
    friend bool operator>(const Char& c, const Text& t) { return t < c; }
    /** @param c The left operand. @param t The right operand. @return `t <= c`. */
    friend bool operator>=(const Char& c, const Text& t) { return t <= c; }
    /** @} */

    /** @name Formatting and resources
     * @{ */
    /** Formats like printf into an owned buffer that always holds the whole
     * result: CalcBufSize(strlen(format)) bytes, or CalcBufSize of the
     * result's length when that does not fit. A formatted NUL ends the text.
     * Only a format followed by at least one value selects this: a string
     * alone is copied as it stands (Text(char*), Text(const char*)).
     * Compilers do not check the values against the format.
     * @tparam Format A `char*` (or a type that converts to one, as Text
     *                does), a `char` array or a string literal. A `const
     *                char*` does not compile here, and a null pointer
     *                constant selects Text(vtxt_Module, unsigned int).
     * @tparam First, Rest Numbers, pointers or enums, as printf takes them;
     *                a class (`std::string`, Text) does not compile: pass
     *                `s.c_str()` or `static_cast<const char*>(t)`.
     * @param format The format. NULL or "" gives a Text without a buffer, and
     *               one the C library cannot format (an encoding error) the
     *               empty text.
     * @param first The first value the format converts.
     * @param rest The other values. */
    template <typename Format, typename First, typename... Rest,
              typename std::enable_if<detail::IsFormat<Format>::value, int>::type = 0>
    Text(const Format& format, First first, Rest... rest) : Text() {
        static_assert(detail::AreFormatValues<First, Rest...>::value,
                      "VorelText::Text(format, ...) formats numbers, pointers and enums: "
                      "pass a string as a const char* (s.c_str())");
        InitFromFormat(format, first, rest...);
    }
    /** Reads string @p id from the module's string table into an owned buffer
     * of 256 bytes or more (see Load()).
     * @param module The module read.
     * @param id The string's id. */
    Text(vtxt_Module module, unsigned int id);
    /** Reads string @p id of the module, growing an owned buffer by 256-byte
     * blocks until it fits (never shrinking it). A Text without a buffer
     * first gets 256 bytes; an attached or temporary one is read into its own
     * buffer, cut to size - 1 characters, and never grows or changes owner. A
     * missing string gives the empty text.
     * @param module The module read.
     * @param id The string's id. */
    void Load(vtxt_Module module, unsigned int id);
    /** @} */

    /**
     * @name Case
     * In place, over all `length` characters (past a NUL among them too), as
     * Char converts them; an attached object converts its caller's array.
     * @{ */
    /** Converts to upper case. */
    void ToUpper();
    /** Converts to lower case. */
    void ToLower();
    /** @} */

    /**
     * @name Standard library
     * A Text as a range of its `length` characters, a stream's operand
     * (`operator<<`), a key of unordered containers (`std::hash`) and, since
     * C++17, to and from `std::string` and `std::string_view`.
     * @{ */
    /** The first character, writable. @return The buffer; NULL without one. */
    char* begin() noexcept { return buffer; }
    /** The first character. @return The buffer; NULL without one. */
    const char* begin() const noexcept { return buffer; }
    /** Past the `length` characters. @return begin() + LengthGet(). */
    char* end() noexcept { return buffer + length; }
    /** Past the `length` characters. @return begin() + LengthGet(). */
    const char* end() const noexcept { return buffer + length; }
    /** A hash consistent with operator==() between texts of the same case
     * flag: of the `length` characters as they stand when this object is
     * case-sensitive, of them as its comparisons fold them (tolower() in the
     * current locale) when it is not. So an unordered container works when
     * all its texts are case-sensitive or all are not (operator==() takes the
     * left operand's flag, so mixing them is not an equivalence); do not
     * change the locale while case-insensitive keys are in one.
     * @return The hash; `std::hash<VorelText::Text>` returns it. */
    std::size_t HashGet() const noexcept;
#if VORELTEXT_CXX17
    /** Copies every byte of @p s, NULs included (the length is
     * `s.size()`), into CalcBufSize(s.size()) bytes, with the default flags.
     * Members that measure with strlen (copies, operator+(), FindString())
     * stop at the first NUL, as for any Text holding one. C++17.
     * @param s The characters copied.
     * @throws std::length_error when @p s has `INT_MAX` characters or more. */
    Text(std::string_view s) : Text() {
        AssignCounted(s.data(), s.size());
    }
    /** As Text(std::string_view). C++17.
     * @param s The characters copied. */
    Text(const std::string& s) : Text() {
        AssignCounted(s.data(), s.size());
    }
    /** Copies every byte of @p s, NULs included, as Text(std::string_view)
     * does, releasing only a buffer this object owned; resets both flags.
     * @p s may lie inside this object's own buffer. C++17.
     * @param s The characters copied.
     * @return This object. */
    Text& operator=(std::string_view s) {
        AssignCounted(s.data(), s.size());
        return *this;
    }
    /** As operator=(std::string_view). C++17.
     * @param s The characters copied.
     * @return This object. */
    Text& operator=(const std::string& s) {
        AssignCounted(s.data(), s.size());
        return *this;
    }
    /** The `length` characters (NULs among them included), valid while the
     * buffer is. C++17.
     * @return A view of them; empty for a Text without a buffer. */
    std::string_view ViewGet() const noexcept {
        return std::string_view(buffer, static_cast<std::size_t>(length));
    }
#endif
    /** @} */

protected:
    /** The smallest multiple of 256 greater than @p n.
     * @param n A count of characters.
     * @return The buffer size for them.
     * @throws std::length_error when it does not fit an int. */
    int CalcBufSize(int n);

private:
#if !defined(VORELTEXT_DOXYGEN)
    friend struct detail::TextAccess;
#endif
    void InitFromBuffer(const char* s);
    /* The formatting constructor's work, once Text() has run. */
    void InitFromFormat(const char* format, ...);
    /* Assignment of `count` bytes at s, NULs included. */
    void AssignCounted(const char* s, std::size_t count);

    char* buffer;
    int length;
    bool attached;
    bool caseSensitive;
    bool searchForward;
    bool temp;
    int size;
    int blockSize;
};

/** Writes the `length` characters of @p text, NULs among them included, as
 * a string of them is written (the stream's width and fill apply). A Text
 * without a buffer writes nothing and leaves the stream good.
 * @param out The stream written to.
 * @param text The text written.
 * @return @p out. */
template <typename Traits>
std::basic_ostream<char, Traits>& operator<<(std::basic_ostream<char, Traits>& out,
                                             const Text& text) {
#if VORELTEXT_CXX17
    return out << std::basic_string_view<char, Traits>(text.begin(),
                                                       static_cast<std::size_t>(text.LengthGet()));
#else
    return out << std::basic_string<char, Traits>(text.begin(), text.end());
#endif
}

} /* namespace VorelText */

namespace std {
/** Hashes a Text: see VorelText::Text::HashGet(). */
template <> struct hash<VorelText::Text> {
    /** @param text The text hashed. @return `text.HashGet()`. */
    std::size_t operator()(const VorelText::Text& text) const noexcept { return text.HashGet(); }
};
/** Hashes a Char by its value, as its operator==() compares it. */
template <> struct hash<VorelText::Char> {
    /** @param c The character hashed. @return Its value as an unsigned byte. */
    std::size_t operator()(const VorelText::Char& c) const noexcept {
        return static_cast<unsigned char>(c.value);
    }
};
} /* namespace std */

#endif /* __cplusplus */

#if defined(VORELTEXT_DOXYGEN)
/* Macros a program may define before including this header, declared here
 * for the reference only. */
/** Define when linking the static library: makes #VORELTEXT_API empty. The
 * CMake target and the pkg-config file of a static build define it. */
#define VORELTEXT_STATIC
/** Define to keep this header from declaring `HINSTANCE`, for code that has a
 * `HINSTANCE` of its own; the module type is still #vtxt_Module. */
#define VORELTEXT_NO_HINSTANCE
#endif

#endif /* VORELTEXT_H */
