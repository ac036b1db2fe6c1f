// Char: classification and case conversion through the C library.
#include "VorelText.h"
#include "char/CLibraryValue.h"
#include "char/CaseMap.h"

#include <cctype>

namespace VorelText {

using detail::CLibraryValue;

bool Char::IsAlpha() const {
    return std::isalpha(CLibraryValue(value)) != 0;
}
bool Char::IsAlphaNum() const {
    return std::isalnum(CLibraryValue(value)) != 0;
}
bool Char::IsAscii() const {
    return static_cast<unsigned char>(value) < 0x80;
}
bool Char::IsControl() const {
    return std::iscntrl(CLibraryValue(value)) != 0;
}
bool Char::IsDigit() const {
    return std::isdigit(CLibraryValue(value)) != 0;
}
bool Char::IsGraph() const {
    return std::isgraph(CLibraryValue(value)) != 0;
}
bool Char::IsLower() const {
    return std::islower(CLibraryValue(value)) != 0;
}
bool Char::IsPrint() const {
    return std::isprint(CLibraryValue(value)) != 0;
}
bool Char::IsPunct() const {
    return std::ispunct(CLibraryValue(value)) != 0;
}
bool Char::IsSpace() const {
    return value == ' ';
}
bool Char::IsUpper() const {
    return std::isupper(CLibraryValue(value)) != 0;
}

// White space asks about the unsigned byte for every value, 0xFF included:
// a locale may count 0xA0 or 0xFF as space.
bool Char::IsWhiteSpace() const {
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
