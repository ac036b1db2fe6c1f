// Case conversion of one byte through the C library, shared by Char-like
// work inside Text (comparison ignoring case, ToUpper, ToLower).
#ifndef VORELTEXT_SRC_CHAR_CASEMAP_H
#define VORELTEXT_SRC_CHAR_CASEMAP_H

#include "char/CLibraryValue.h"

#include <cctype>

namespace VorelText::detail {

// The low 8 bits of tolower/toupper, handed the value Char hands them, so
// Text and Char always agree. 0xFF, handed over as EOF, stays 0xFF without
// asking: Windows' runtime maps EOF as the byte 0xFF (to 0x9F in code page
// 1252).
inline char LowerByte(char c) {
    const int value = CLibraryValue(c);
    return value == EOF ? c : static_cast<char>(std::tolower(value));
}
inline char UpperByte(char c) {
    const int value = CLibraryValue(c);
    return value == EOF ? c : static_cast<char>(std::toupper(value));
}

// -1, 0 or 1 in Char's order: signed 8-bit values whatever char's sign.
inline int SignedOrder(char a, char b) {
    const signed char x = static_cast<signed char>(a);
    const signed char y = static_cast<signed char>(b);
    return x < y ? -1 : (x > y ? 1 : 0);
}

} // namespace VorelText::detail

#endif
