// The current locale's case mapping of every byte, for loops that convert or
// fold many characters (Text::ToUpper, ToLower, comparison ignoring case).
#ifndef VORELTEXT_SRC_CHAR_CASETABLE_H
#define VORELTEXT_SRC_CHAR_CASETABLE_H

#include "char/CaseMap.h"

#include <cstdint>
#include <cstring>

// uClibc also defines __GLIBC__ but has no such tables.
#if defined(__GLIBC__) && !defined(__UCLIBC__)
#define VORELTEXT_GLIBC_CASE_TABLES 1
#include <ctype.h>
#include <locale.h>
#endif

namespace VorelText::detail {

// The "C" locale's mapping of every byte.
struct AsciiCase {
    std::int32_t lower[256];
    std::int32_t upper[256];
};

constexpr AsciiCase MakeAsciiCase() {
    AsciiCase m{};
    for (int c = 0; c < 256; ++c) {
        m.lower[c] = c >= 'A' && c <= 'Z' ? c + 0x20 : c;
        m.upper[c] = c >= 'a' && c <= 'z' ? c - 0x20 : c;
    }
    return m;
}

inline constexpr AsciiCase kAsciiCase = MakeAsciiCase();

// Maps a byte exactly as LowerByte or UpperByte does, in the locale that is
// in force when the table is made; make one per operation, never keep it,
// since setlocale or uselocale may change the locale between calls.
//
// With glibc there is nothing to build: tolower(c) and toupper(c) are, by
// that library's definition, entry c of an int array of the current locale
// (indexes -128..255), which tolower finds through the thread's pointer that
// __ctype_tolower_loc gives; one call of it gives the answers that 256 calls
// of tolower would give, for the locale in force now. The "C" locale's array
// is recognised by its address, so that its plain ASCII mapping costs no
// check. Elsewhere every byte goes through the C library's function.
class CaseTable {
public:
    enum Direction { kLower, kUpper };

    explicit CaseTable(Direction direction) : direction(direction) {
#if defined(VORELTEXT_GLIBC_CASE_TABLES)
        entries = *(direction == kLower ? __ctype_tolower_loc() : __ctype_toupper_loc());
#endif
    }

    char operator()(char c) const {
#if defined(VORELTEXT_GLIBC_CASE_TABLES)
        return static_cast<char>(entries[CLibraryValue(c)]);
#else
        return direction == kLower ? LowerByte(c) : UpperByte(c);
#endif
    }

    // True when the bytes 0x00..0x7F map as in the "C" locale (only the 26
    // letters change, by 0x20) and every byte from 0x80 up maps to itself:
    // then whole blocks may be converted with plain arithmetic. Reads the
    // whole table, so ask only before a long run of characters.
    bool IsAsciiOnly() const {
#if defined(VORELTEXT_GLIBC_CASE_TABLES)
        if (IsCLocale())
            return true;
        // 0xFF is handed over as EOF, so entry 255 is never used; comparing
        // it too keeps this one memcmp. An entry that differs from the "C"
        // one only above the low 8 bits would merely make this false.
        const std::int32_t* plain = direction == kLower ? kAsciiCase.lower : kAsciiCase.upper;
        return static_cast<unsigned char>(entries[EOF]) == 0xFF &&
               std::memcmp(entries, plain, sizeof kAsciiCase.lower) == 0;
#else
        return false;
#endif
    }

    // True when each ASCII letter maps to the same byte as its other-case
    // form: then two bytes that are equal once their ASCII letters are
    // lowered by arithmetic are equal through this table too.
    bool FoldsLetterPairs() const {
#if defined(VORELTEXT_GLIBC_CASE_TABLES)
        if (IsCLocale())
            return true;
        // Entries that differ only above the low 8 bits merely make this false.
        return std::memcmp(entries + 'A', entries + 'a', 26 * sizeof *entries) == 0;
#else
        return false;
#endif
    }

    // Whether the table is the "C" locale's, which maps as kAsciiCase does.
    bool IsCLocale() const {
#if defined(VORELTEXT_GLIBC_CASE_TABLES)
        return entries == (direction == kLower ? CTables().lower : CTables().upper);
#else
        return false;
#endif
    }

private:
#if defined(VORELTEXT_GLIBC_CASE_TABLES)

    struct Tables {
        const std::int32_t* lower;
        const std::int32_t* upper;
    };
    // The "C" locale's arrays, found once through the same pointers while
    // that locale is this thread's for a moment.
    static const Tables& CTables() {
        static const Tables tables = [] {
            const locale_t c = newlocale(LC_CTYPE_MASK, "C", static_cast<locale_t>(nullptr));
            if (c == static_cast<locale_t>(nullptr))
                return Tables{nullptr, nullptr};
            const locale_t previous = uselocale(c);
            const Tables found{*__ctype_tolower_loc(), *__ctype_toupper_loc()};
            uselocale(previous);
            freelocale(c);
            return found;
        }();
        return tables;
    }
#endif

    Direction direction;
#if defined(VORELTEXT_GLIBC_CASE_TABLES)
    const std::int32_t* entries;
#endif
};

} // namespace VorelText::detail

#endif
