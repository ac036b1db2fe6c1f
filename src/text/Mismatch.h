// Where two byte ranges first differ, exactly or with case folded.
#ifndef VORELTEXT_SRC_TEXT_MISMATCH_H
#define VORELTEXT_SRC_TEXT_MISMATCH_H

#include "text/Blocks.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace VorelText::detail {

// The byte loop that every path falls back on.
inline std::size_t FirstDifferenceScalar(const char* a, const char* b, std::size_t n) {
    std::size_t i = 0;
    while (i < n && a[i] == b[i])
        ++i;
    return i;
}

#if defined(__GNUC__)
#define VORELTEXT_ALWAYS_INLINE inline __attribute__((always_inline))
#else
#define VORELTEXT_ALWAYS_INLINE inline
#endif

#if defined(__GNUC__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
#define VORELTEXT_WORDS 1
// The bits in which the words at a and b differ.
template <typename Word> VORELTEXT_ALWAYS_INLINE Word DifferentBits(const char* a, const char* b) {
    Word x, y;
    std::memcpy(&x, a, sizeof x);
    std::memcpy(&y, b, sizeof y);
    return x ^ y;
}

// The first difference in n bytes (one to two words) from two words that
// overlap when n is less than two words.
template <typename Word>
VORELTEXT_ALWAYS_INLINE std::size_t FirstDifferenceInWords(const char* a, const char* b,
                                                           std::size_t n) {
    constexpr std::size_t w = sizeof(Word);
    const Word head = DifferentBits<Word>(a, b);
    if (head != 0)
        return static_cast<std::size_t>(__builtin_ctzll(head)) / 8;
    const Word tail = DifferentBits<Word>(a + n - w, b + n - w);
    return tail != 0 ? n - w + static_cast<std::size_t>(__builtin_ctzll(tail)) / 8 : n;
}
#endif

// The first index below n (less than 16) at which a and b differ, or n:
// two overlapping words of 8 or 4 bytes that stay inside the range, on
// every path, else bytes.
VORELTEXT_ALWAYS_INLINE std::size_t FirstDifferenceShort(const char* a, const char* b,
                                                         std::size_t n) {
#if defined(VORELTEXT_WORDS)
    if (n >= 8)
        return FirstDifferenceInWords<std::uint64_t>(a, b, n);
    if (n >= 4)
        return FirstDifferenceInWords<std::uint32_t>(a, b, n);
#endif
    return FirstDifferenceScalar(a, b, n);
}

#if defined(VORELTEXT_BLOCKS)
std::size_t FirstDifferenceSse2(const char* a, const char* b, std::size_t n);
std::size_t FirstDifferenceAvx2(const char* a, const char* b, std::size_t n);

// The first index below n at which a and b hold different bytes, or n.
// Inline, as comparisons are often short enough for a call to count: 16 to
// 64 bytes take two to four blocks here, the last overlapping the others.
VORELTEXT_ALWAYS_INLINE std::size_t FirstDifference(const char* a, const char* b, std::size_t n) {
    using blocks::Sse2;
    constexpr std::size_t w = Sse2::kWidth;
    if (n < w)
        return FirstDifferenceShort(a, b, n);
    if (!blocks::UseBlocks())
        return FirstDifferenceScalar(a, b, n);
    if (n <= 4 * w) {
        // Blocks from the start, then the last one or two; bytes that they
        // overlap were found equal already.
        std::size_t at = 0;
        const auto differs = [a, b, &at](std::size_t from) {
            const blocks::Lanes lanes = ~Sse2::EqualLanes(a + from, b + from) & Sse2::kAllLanes;
            at = from + (lanes != 0 ? blocks::FirstLane(lanes) : 0);
            return lanes != 0;
        };
        if (differs(0) || (n > 2 * w && (differs(w) || differs(n - 2 * w))) || differs(n - w))
            return at;
        return n;
    }
    return n >= blocks::kAvx2Worthwhile && blocks::HasAvx2() ? FirstDifferenceAvx2(a, b, n)
                                                             : FirstDifferenceSse2(a, b, n);
}
#else
inline std::size_t FirstDifference(const char* a, const char* b, std::size_t n) {
    return n < 16 ? FirstDifferenceShort(a, b, n) : FirstDifferenceScalar(a, b, n);
}
#endif

// The first index from `from` below n at which a and b differ once their
// ASCII letters are lowered, every other byte kept as it is, or n. The bytes
// before `from` must be equal that way, and n - from at least 16.
std::size_t FirstAsciiFoldedDifference(const char* a, const char* b, std::size_t from,
                                       std::size_t n);

// -1, 0 or 1: the order of the first of the n positions at which the bytes,
// lowered as Char::ToLower lowers them, differ, in signed byte order.
int OrderIgnoringCase(const char* a, const char* b, std::size_t n);

} // namespace VorelText::detail

#endif
