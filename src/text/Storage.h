// Helpers shared by the Text sources: sizes that never overflow, the one
// error that appends raise, and owned-buffer allocation.
#ifndef VORELTEXT_SRC_TEXT_STORAGE_H
#define VORELTEXT_SRC_TEXT_STORAGE_H

#include <cstddef>

namespace VorelText::detail {

constexpr int kBlockSize = 256;

// Throws the library's buffer-too-small error: a char* at static text.
[[noreturn]] void ThrowBufferTooSmall();

// strlen of s (0 for null); std::length_error when it does not fit an int.
int MeasureLength(const char* s);

// The smallest multiple of 256 greater than n, computed without overflow;
// std::length_error when the result does not fit an int.
int BlockSizeAbove(long long n);

// A fresh owned buffer of `size` bytes from the global new[].
char* NewBuffer(int size);

} // namespace VorelText::detail

#endif
