// The order of two C strings as Text::Compare orders wrappers attached to
// them, for the C comparison functions.
#ifndef VORELTEXT_SRC_TEXT_STRINGORDER_H
#define VORELTEXT_SRC_TEXT_STRINGORDER_H

#include <cstddef>
#include <cstdint>

namespace VorelText::detail {

// A count that bounds nothing: the unbounded forms compare whole strings.
constexpr std::size_t kWholeStrings = SIZE_MAX;

// -1, 0 or 1 over at most n positions, a's terminator or b's included, in
// signed byte order, with case folded as Char::ToLower folds it when
// ignoreCase; an empty string orders first whatever n is. NULL reads as "".
int OrderStrings(const char* a, const char* b, std::size_t n, bool ignoreCase);

} // namespace VorelText::detail

#endif
