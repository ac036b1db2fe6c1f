// Text: the relational operators, all through Compare over the whole texts.
#include "VorelText.h"

#include <algorithm>

namespace VorelText {

namespace {

// The longer length: the operators always compare the whole texts.
unsigned int WholeCount(const Text& a, const Text& b) {
    return static_cast<unsigned int>(std::max(a.LengthGet(), b.LengthGet()));
}

} // namespace

bool Text::operator==(const Text& other) {
    return Compare(other, WholeCount(*this, other)) == 0;
}
bool Text::operator<(const Text& other) {
    return Compare(other, WholeCount(*this, other)) == -1;
}

// A char* operand is viewed in place; null attaches as the empty text.
bool Text::operator==(char* const s) {
    Text view;
    view.Attach(s);
    return *this == view;
}

bool Text::operator<(char* const s) {
    Text view;
    view.Attach(s);
    return *this < view;
}

// A Char is viewed as a one-character string, so the NUL Char is empty.
bool Text::operator==(const Char& c) {
    char pair[2] = {static_cast<char>(c), '\0'};
    return *this == pair;
}

bool Text::operator<(const Char& c) {
    char pair[2] = {static_cast<char>(c), '\0'};
    return *this < pair;
}

bool Text::operator!=(const Text& other) {
    return !(*this == other);
}
bool Text::operator!=(char* const s) {
    return !(*this == s);
}
bool Text::operator!=(const Char& c) {
    return !(*this == c);
}
bool Text::operator<=(const Text& other) {
    return *this < other || *this == other;
}
bool Text::operator<=(char* const s) {
    return *this < s || *this == s;
}
bool Text::operator<=(const Char& c) {
    return *this < c || *this == c;
}
bool Text::operator>(const Text& other) {
    return !(*this <= other);
}
bool Text::operator>(char* const s) {
    return !(*this <= s);
}
bool Text::operator>(const Char& c) {
    return !(*this <= c);
}
bool Text::operator>=(const Text& other) {
    return !(*this < other);
}
bool Text::operator>=(char* const s) {
    return !(*this < s);
}
bool Text::operator>=(const Char& c) {
    return !(*this < c);
}

} // namespace VorelText
