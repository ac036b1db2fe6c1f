// Char: construction, conversion and signed-order comparison.
#include "VorelText.h"

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

// Ordering treats char as signed 8-bit whatever the platform's char is.
static signed char Signed(char c) {
    return static_cast<signed char>(c);
}

bool Char::operator==(const Char& other) {
    return value == other.value;
}
bool Char::operator==(char c) {
    return value == c;
}
bool Char::operator!=(const Char& other) {
    return value != other.value;
}
bool Char::operator!=(char c) {
    return value != c;
}
bool Char::operator<(const Char& other) {
    return Signed(value) < Signed(other.value);
}
bool Char::operator<(char c) {
    return Signed(value) < Signed(c);
}
bool Char::operator<=(const Char& other) {
    return Signed(value) <= Signed(other.value);
}
bool Char::operator<=(char c) {
    return Signed(value) <= Signed(c);
}
bool Char::operator>(const Char& other) {
    return Signed(value) > Signed(other.value);
}
bool Char::operator>(char c) {
    return Signed(value) > Signed(c);
}
bool Char::operator>=(const Char& other) {
    return Signed(value) >= Signed(other.value);
}
bool Char::operator>=(char c) {
    return Signed(value) >= Signed(c);
}

} // namespace VorelText
