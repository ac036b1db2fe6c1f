// Where a string first occurs in a text of known length.
#ifndef VORELTEXT_SRC_TEXT_OCCURRENCE_H
#define VORELTEXT_SRC_TEXT_OCCURRENCE_H

#include <cstddef>
#include <cstring>

namespace VorelText::detail {

// Not found.
constexpr std::size_t kNowhere = static_cast<std::size_t>(-1);

// Below this many characters the C library's substring search is as quick
// on a rare first byte and quicker on a common one: no scan goes first.
constexpr std::size_t kScanWorthwhile = 256;

// The C library's substring search from text[from] on, as an index.
inline std::size_t SearchFrom(const char* text, std::size_t from, const char* needle) {
    const char* found = std::strstr(text + from, needle);
    return found == nullptr ? kNowhere : static_cast<std::size_t>(found - text);
}

// FirstOccurrence where n is at least kScanWorthwhile.
std::size_t ScannedOccurrence(const char* text, std::size_t n, const char* needle);

// The index at which the NUL-terminated `needle` first occurs within the
// characters of `text` before its first NUL (0 for an empty needle), or
// kNowhere. `text` holds n characters and a NUL after them; NULs inside the
// n end it early. Reads nothing beyond either terminator.
inline std::size_t FirstOccurrence(const char* text, std::size_t n, const char* needle) {
    return n < kScanWorthwhile ? SearchFrom(text, 0, needle) : ScannedOccurrence(text, n, needle);
}

} // namespace VorelText::detail

#endif
