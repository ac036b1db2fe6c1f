// How a character is handed to the C library's <ctype.h> functions, which
// accept only the values of unsigned char and EOF.
#ifndef VORELTEXT_SRC_CHAR_CLIBRARYVALUE_H
#define VORELTEXT_SRC_CHAR_CLIBRARYVALUE_H

#include <cstdio>

namespace VorelText::detail {

// 0x00..0xFE as the unsigned byte; 0xFF as EOF, which every test rejects and
// case conversion returns unchanged, as if the byte had been passed signed.
inline int CLibraryValue(char c) {
    const unsigned char byte = static_cast<unsigned char>(c);
    return byte == 0xFF ? EOF : byte;
}

} // namespace VorelText::detail

#endif
