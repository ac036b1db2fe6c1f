// Text: accessors, flags, element access, emptying and number conversion.
#include "VorelText.h"

#include <cassert>
#include <cstdlib>

namespace VorelText {

void Text::Empty() {
    if (buffer != nullptr)
        buffer[0] = '\0';
    length = 0;
}

bool Text::IsEmpty() const {
    return length == 0;
}

bool Text::IsAscii() const {
    for (int i = 0; i < length; ++i)
        if (static_cast<unsigned char>(buffer[i]) >= 0x80)
            return false;
    return true;
}

int Text::LengthGet() const {
    return length;
}
int Text::SizeGet() const {
    return size;
}
void Text::CaseSensitivitySet(bool on) {
    caseSensitive = on;
}
bool Text::IsCaseSensitive() const {
    return caseSensitive;
}
void Text::SearchForwardSet(bool on) {
    searchForward = on;
}
bool Text::IsSearchForward() const {
    return searchForward;
}

int Text::ToInteger() const {
    return buffer == nullptr ? 0 : std::atoi(buffer);
}
long Text::ToLong() const {
    return buffer == nullptr ? 0 : std::atol(buffer);
}
double Text::ToDouble() const {
    return buffer == nullptr ? 0.0 : std::atof(buffer);
}

// Element access is unchecked in release builds: callers keep the limits.
// Debug builds catch a missing buffer and an index outside an owned one (an
// attached array may legitimately be used beyond its declared size).
static void AssertIndex(const char* buffer, int index, int size, bool attached) {
    assert(buffer != nullptr && index >= 0 && (attached || index < size));
    (void)buffer, (void)index, (void)size, (void)attached;
}

void Text::SetAt(int index, char c) {
    AssertIndex(buffer, index, size, attached);
    buffer[index] = c;
}

Text::operator char*() const {
    return buffer;
}

char Text::operator[](int index) const {
    AssertIndex(buffer, index, size, attached);
    return buffer[index];
}

char Text::GetAt(int index) const {
    return (*this)[index];
}

} // namespace VorelText
