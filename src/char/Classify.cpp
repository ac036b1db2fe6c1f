// Char: classification and case conversion through the C library.
#include "VorelText.h"
#include "char/CLibraryValue.h"
#include "char/CaseMap.h"

#include <cctype>

namespace VorelText {

using detail::CLibraryValue;

bool Char::IsAlpha() {
    return std::isalpha(CLibraryValue(value)) != 0;
}
bool Char::IsAlphaNum() {
    return std::isalnum(CLibraryValue(value)) != 0;
}
bool Char::IsAscii() {
    return static_cast<unsigned char>(value) < 0x80;
}
bool Char::IsControl() {
    return std::iscntrl(CLibraryValue(value)) != 0;
}
bool Char::IsDigit() {
    return std::isdigit(CLibraryValue(value)) != 0;
}
bool Char::IsGraph() {
    return std::isgraph(CLibraryValue(value)) != 0;
}
bool Char::IsLower() {
    return std::islower(CLibraryValue(value)) != 0;
}
bool Char::IsPrint() {
    return std::isprint(CLibraryValue(value)) != 0;
}
bool Char::IsPunct() {
    return std::ispunct(CLibraryValue(value)) != 0;
}
bool Char::IsSpace() {
    return value == ' ';
}
bool Char::IsUpper() {
    return std::isupper(CLibraryValue(value)) != 0;
}

// White space asks about the unsigned byte for every value, 0xFF included:
// a locale may count 0xA0 or 0xFF as space.
bool Char::IsWhiteSpace() {
    return std::isspace(static_cast<unsigned char>(value)) != 0;
}

char Char::ToLower() {
    value = detail::LowerByte(value);
    return value;
}

char Char::ToUpper() {
    value = detail::UpperByte(value);
    return value;
}

} // namespace VorelText
