// Helpers shared by the Text sources: sizes that never overflow, the one
// error that appends raise, and owned-buffer allocation.
#ifndef VORELTEXT_SRC_TEXT_STORAGE_H
#define VORELTEXT_SRC_TEXT_STORAGE_H

#include <climits>
#include <stdexcept>

namespace VorelText::detail {

constexpr int kBlockSize = 256;

// Throws the library's buffer-too-small error: a char* at static text.
[[noreturn]] void ThrowBufferTooSmall();

// Throws the std::length_error of attaching a string that an int cannot count.
[[noreturn]] void ThrowTooLongToAttach();

// strlen of s (0 for null); std::length_error when it does not fit an int.
int MeasureLength(const char* s);

// The smallest multiple of 256 greater than n, computed without overflow;
// std::length_error when the result does not fit an int.
int BlockSizeAbove(long long n);

// Bytes that construction from a C string and copies reserve for n
// characters: 65,536 per started block of 256, so that appends rarely move
// the buffer. That fits an int up to 8,388,351 characters; longer texts get
// the ordinary block size, or exactly n + 1 bytes at the very top of the
// range. Inline so that its boundaries can be checked without allocating.
inline int ReservedSize(int n) {
    const long long blocks = n / kBlockSize + 1;
    if (blocks * kBlockSize * kBlockSize <= INT_MAX)
        return static_cast<int>(blocks * kBlockSize * kBlockSize);
    if (blocks * kBlockSize <= INT_MAX)
        return static_cast<int>(blocks * kBlockSize);
    if (n < INT_MAX)
        return n + 1;
    throw std::length_error("VorelText: text too long for an int size");
}

// A fresh owned buffer of `size` bytes from the global new[].
char* NewBuffer(int size);

} // namespace VorelText::detail

#endif
