// Where a string first occurs in a text of known length.
#ifndef VORELTEXT_SRC_TEXT_OCCURRENCE_H
#define VORELTEXT_SRC_TEXT_OCCURRENCE_H

#include <cstddef>

namespace VorelText::detail {

// Not found.
constexpr std::size_t kNowhere = static_cast<std::size_t>(-1);

// The index at which the NUL-terminated `needle` first occurs within the
// characters of `text` before its first NUL (0 for an empty needle), or
// kNowhere. `text` holds n characters and a NUL after them; NULs inside the
// n end it early. Reads nothing beyond either terminator.
std::size_t FirstOccurrence(const char* text, std::size_t n, const char* needle);

} // namespace VorelText::detail

#endif
