// Case conversion of one byte through the C library, shared by Char-like
// work inside Text (comparison ignoring case, ToUpper, ToLower).
#ifndef VORELTEXT_SRC_CHAR_CASEMAP_H
#define VORELTEXT_SRC_CHAR_CASEMAP_H

#include "char/CLibraryValue.h"

#include <cctype>

namespace VorelText::detail {

// The low 8 bits of tolower/toupper, handed the value Char hands them, so
// Text and Char always agree (0xFF stays 0xFF).
inline char LowerByte(char c) {
    return static_cast<char>(std::tolower(CLibraryValue(c)));
}
inline char UpperByte(char c) {
    return static_cast<char>(std::toupper(CLibraryValue(c)));
}

// -1, 0 or 1 in Char's order: signed 8-bit values whatever char's sign.
inline int SignedOrder(char a, char b) {
    const signed char x = static_cast<signed char>(a);
    const signed char y = static_cast<signed char>(b);
    return x < y ? -1 : (x > y ? 1 : 0);
}

} // namespace VorelText::detail

#endif
