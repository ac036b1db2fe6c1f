// Copying a text's characters up to its first NUL in one pass.
#ifndef VORELTEXT_SRC_TEXT_COPYTEXT_H
#define VORELTEXT_SRC_TEXT_COPYTEXT_H

#include <cstddef>

namespace VorelText::detail {

// Copies src[0..n) to dst up to the first NUL among them, terminates dst
// there and answers how many bytes precede it (n when there is none). Reads
// src only below n and writes dst only up to the terminator; the two must not
// overlap. src may be null when n is 0.
std::size_t CopyUntilNul(char* dst, const char* src, std::size_t n);

} // namespace VorelText::detail

#endif
