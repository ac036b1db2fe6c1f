// Substring search that reaches each start with the C library's character
// search, which stops at a NUL as the search must: a first byte that is rare
// in the text is reached at the speed of a scan. Each start is confirmed by
// the needle's last byte, then the bytes between. Where starts fail often
// (the first byte is common in the text, or a^k b sought in a^n), the C
// library's substring search, which filters on more than one byte and stays
// linear on every input, takes over from the start that failed.
#include "text/Occurrence.h"

#include <cstring>

namespace VorelText::detail {

namespace {

// A start may fail once in kFailSpacing bytes passed; one more failure and
// the C library's substring search takes over.
constexpr std::size_t kFailSpacing = 256;

} // namespace

std::size_t ScannedOccurrence(const char* text, std::size_t n, const char* needle) {
    const std::size_t m = std::strlen(needle);
    if (m == 0)
        return 0;
    if (m > n)
        return kNowhere;
    const std::size_t lastStart = n - m, last = m - 1;
    std::size_t failed = 0;
    for (const char* at = text; (at = std::strchr(at, needle[0])) != nullptr; ++at) {
        const auto start = static_cast<std::size_t>(at - text);
        if (start > lastStart)
            return kNowhere;
        if (at[last] == needle[last] && (m < 3 || std::memcmp(at + 1, needle + 1, m - 2) == 0))
            return start;
        if (++failed > start / kFailSpacing)
            return SearchFrom(text, start + 1, needle);
    }
    return kNowhere;
}

} // namespace VorelText::detail
