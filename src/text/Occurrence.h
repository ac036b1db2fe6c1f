// Where a string first occurs in a text of known length.
#ifndef VORELTEXT_SRC_TEXT_OCCURRENCE_H
#define VORELTEXT_SRC_TEXT_OCCURRENCE_H

#include <cstddef>

namespace VorelText::detail {

// Not found.
constexpr std::size_t kNowhere = static_cast<std::size_t>(-1);

// The index at which the m (at least 1) characters at `needle`, which hold
// no NUL and are followed by one, first occur within the characters of
// `text` before its first NUL, or kNowhere. `text` holds n characters and a
// NUL after them; NULs inside the n end it early. Reads nothing beyond
// text[n] and needle[m].
std::size_t FirstOccurrence(const char* text, std::size_t n, const char* needle, std::size_t m);

} // namespace VorelText::detail

#endif
