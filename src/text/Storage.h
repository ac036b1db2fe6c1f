// The sizing policy of Text in one place: the 256-byte block, CalcBufSize,
// the 65,536-byte reservation of constructors and copies, exact sizes of
// results handed over, and the 32-bit limits, which throw std::length_error.
// Also the one error that appends raise, and owned-buffer allocation.
#ifndef VORELTEXT_SRC_TEXT_STORAGE_H
#define VORELTEXT_SRC_TEXT_STORAGE_H

#include <climits>
#include <stdexcept>

namespace VorelText::detail {

constexpr int kBlockSize = 256;

// Throws the library's buffer-too-small error: a char* at static text.
[[noreturn]] void ThrowBufferTooSmall();

// Throws std::length_error: a length or size that does not fit an int.
[[noreturn]] inline void ThrowTooLong() {
    throw std::length_error("VorelText: text too long for an int size");
}

// strlen of s (0 for null); too long when it does not fit an int.
int MeasureLength(const char* s);

// The smallest multiple of 256 greater than n (CalcBufSize), computed without
// overflow; too long when the result does not fit an int.
int BlockSizeAbove(long long n);

// One block more than size: how Load grows.
inline int NextBlock(int size) {
    if (size > INT_MAX - kBlockSize)
        ThrowTooLong();
    return size + kBlockSize;
}

// The bytes that `characters` characters and their terminator take exactly
// (results handed over, an array attached by its length).
inline int ExactSize(long long characters) {
    if (characters >= INT_MAX)
        ThrowTooLong();
    return static_cast<int>(characters + 1);
}

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
    return ExactSize(n);
}

// A fresh owned buffer of `size` bytes from the global new[].
char* NewBuffer(int size);

} // namespace VorelText::detail

#endif
