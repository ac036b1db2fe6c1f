// Where two byte ranges first differ, exactly or with case folded.
#ifndef VORELTEXT_SRC_TEXT_MISMATCH_H
#define VORELTEXT_SRC_TEXT_MISMATCH_H

#include "text/Blocks.h"

#include <cstddef>

namespace VorelText::detail {

// The byte loop that every path falls back on.
std::size_t FirstDifferenceScalar(const char* a, const char* b, std::size_t n);

#if defined(VORELTEXT_BLOCKS)
std::size_t FirstDifferenceSse2(const char* a, const char* b, std::size_t n);
std::size_t FirstDifferenceAvx2(const char* a, const char* b, std::size_t n);

// The first index below n at which a and b hold different bytes, or n.
// Inline, as comparisons are often short enough for a call to count: 16 to
// 32 bytes take two blocks here, the second overlapping the first.
inline std::size_t FirstDifference(const char* a, const char* b, std::size_t n) {
    using blocks::Sse2;
    constexpr std::size_t kAvx2Worthwhile = 128; // shorter ranges stay with 16-byte blocks
    if (!blocks::UseBlocks())
        return FirstDifferenceScalar(a, b, n);
    if (n >= Sse2::kWidth && n <= 2 * Sse2::kWidth) {
        const blocks::Lanes head = ~Sse2::EqualLanes(a, b) & Sse2::kAllLanes;
        if (head != 0)
            return blocks::FirstLane(head);
        const std::size_t last = n - Sse2::kWidth;
        const blocks::Lanes tail = ~Sse2::EqualLanes(a + last, b + last) & Sse2::kAllLanes;
        return tail != 0 ? last + blocks::FirstLane(tail) : n;
    }
    return n >= kAvx2Worthwhile && blocks::HasAvx2() ? FirstDifferenceAvx2(a, b, n)
                                                     : FirstDifferenceSse2(a, b, n);
}
#else
inline std::size_t FirstDifference(const char* a, const char* b, std::size_t n) {
    return FirstDifferenceScalar(a, b, n);
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
