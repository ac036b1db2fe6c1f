// Text: finding a character or a substring.
#include "VorelText.h"
#include "text/Occurrence.h"

#include <cstring>

namespace VorelText {

// The last of the first n bytes at s equal to c, or null.
static const char* LastByte(const char* s, char c, int n) {
#if defined(__GLIBC__)
    return static_cast<const char*>(
        memrchr(s, static_cast<unsigned char>(c), static_cast<std::size_t>(n)));
#else
    for (const char* p = s + n; p != s;)
        if (*--p == c)
            return p;
    return nullptr;
#endif
}

// Only the first `length` characters are searched, never the terminator.
int Text::FindCharacter(char c) const {
    if (length < 1)
        return -1;
    const char* found =
        searchForward ? static_cast<const char*>(std::memchr(buffer, static_cast<unsigned char>(c),
                                                             static_cast<std::size_t>(length)))
                      : LastByte(buffer, c, length);
    return found == nullptr ? -1 : static_cast<int>(found - buffer);
}

int Text::FindCharacter(const Char& c) const {
    return FindCharacter(static_cast<char>(c));
}

// Runs to the terminators, not by length: a NUL inside either text ends it
// here. A missing buffer reads as "", where only "" is found.
int Text::FindString(const Text& pattern) const {
    const char* needle = pattern.buffer == nullptr ? "" : pattern.buffer;
    if (buffer == nullptr)
        return needle[0] == '\0' ? 0 : -1;
    const std::size_t at =
        detail::FirstOccurrence(buffer, static_cast<std::size_t>(length), needle);
    return at == detail::kNowhere ? -1 : static_cast<int>(at);
}

} // namespace VorelText
