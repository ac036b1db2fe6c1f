// Char: construction, conversion and signed-order comparison (the one
// signed order that Text::Compare uses too).
#include "VorelText.h"
#include "char/CaseMap.h"

namespace VorelText {

Char::Char() : value(0) {}
Char::Char(const Char& other) : value(other.value) {}
Char::Char(char c) : value(c) {}
Char::~Char() {}

Char& Char::operator=(const Char& other) {
    value = other.value;
    return *this;
}

Char& Char::operator=(char c) {
    value = c;
    return *this;
}

Char::operator char() const {
    return value;
}

bool Char::operator==(const Char& other) const {
    return *this == other.value;
}
bool Char::operator==(char c) const {
    return value == c;
}
bool Char::operator!=(const Char& other) const {
    return *this != other.value;
}
bool Char::operator!=(char c) const {
    return value != c;
}
bool Char::operator<(const Char& other) const {
    return *this < other.value;
}
bool Char::operator<(char c) const {
    return detail::SignedOrder(value, c) < 0;
}
bool Char::operator<=(const Char& other) const {
    return *this <= other.value;
}
bool Char::operator<=(char c) const {
    return detail::SignedOrder(value, c) <= 0;
}
bool Char::operator>(const Char& other) const {
    return *this > other.value;
}
bool Char::operator>(char c) const {
    return detail::SignedOrder(value, c) > 0;
}
bool Char::operator>=(const Char& other) const {
    return *this >= other.value;
}
bool Char::operator>=(char c) const {
    return detail::SignedOrder(value, c) >= 0;
}

} // namespace VorelText
