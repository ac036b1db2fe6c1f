// The first difference between two byte ranges, a block at a time.
#include "text/Mismatch.h"
#include "text/Blocks.h"

namespace VorelText::detail {

#if defined(VORELTEXT_BLOCKS)
namespace {

using namespace blocks;

// The first byte at which the blocks at a + at and b + at differ, as an index
// from a, or nothing (false).
template <typename Ops>
VORELTEXT_KERNEL bool Differs(Lanes equal, std::size_t at, std::size_t& index) {
    const Lanes differ = ~equal & Ops::kAllLanes;
    if (differ == 0)
        return false;
    index = at + FirstLane(differ);
    return true;
}

template <typename Ops>
VORELTEXT_KERNEL std::size_t FirstDifferenceIn(const char* a, const char* b, std::size_t n) {
    constexpr std::size_t w = Ops::kWidth;
    std::size_t i = 0;
    std::size_t index = n;
    // Four blocks per step while they are equal.
    for (; n - i >= 4 * w; i += 4 * w)
        if (!Ops::AllEqual4(a + i, b + i))
            return i + Ops::Mismatch4(a + i, b + i);
    for (; n - i >= w; i += w)
        if (Differs<Ops>(Ops::EqualLanes(a + i, b + i), i, index))
            return index;
    if (i == n)
        return n;
    if (n >= w) {
        // The last block, overlapping bytes already found equal.
        const std::size_t last = n - w;
        return Differs<Ops>(Ops::EqualLanes(a + last, b + last), last, index) ? index : n;
    }
    return FirstDifferenceScalar(a, b, n); // shorter than one block
}

template <typename Ops>
VORELTEXT_KERNEL std::size_t FirstAsciiFoldedDifferenceIn(const char* a, const char* b,
                                                          std::size_t i, std::size_t n) {
    constexpr std::size_t w = Ops::kWidth;
    // Four blocks per step while they are equal; the block loop finds where
    // they are not.
    for (; n - i >= 4 * w && Ops::AllFoldedEqual4(a + i, b + i); i += 4 * w) {
    }
    for (; i != n; i += w) {
        // The last block overlaps bytes before i, which the caller has
        // passed although they may differ here: only lanes from i count.
        const std::size_t at = n - i >= w ? i : n - w;
        const Lanes from = Ops::kAllLanes & (Ops::kAllLanes << (i - at));
        const Lanes differ = ~Ops::FoldedEqualLanes(a + at, b + at) & from;
        if (differ != 0)
            return at + FirstLane(differ);
        i = at;
    }
    return n;
}

std::size_t FirstAsciiFoldedDifferenceSse2(const char* a, const char* b, std::size_t i,
                                           std::size_t n) {
    return FirstAsciiFoldedDifferenceIn<Sse2>(a, b, i, n);
}
VORELTEXT_AVX2 std::size_t FirstAsciiFoldedDifferenceAvx2(const char* a, const char* b,
                                                          std::size_t i, std::size_t n) {
    return FirstAsciiFoldedDifferenceIn<Avx2>(a, b, i, n);
}

} // namespace

std::size_t FirstDifferenceSse2(const char* a, const char* b, std::size_t n) {
    return FirstDifferenceIn<Sse2>(a, b, n);
}
VORELTEXT_AVX2 std::size_t FirstDifferenceAvx2(const char* a, const char* b, std::size_t n) {
    return FirstDifferenceIn<Avx2>(a, b, n);
}

std::size_t FirstAsciiFoldedDifference(const char* a, const char* b, std::size_t from,
                                       std::size_t n) {
    return n - from >= kAvx2Worthwhile && HasAvx2() ? FirstAsciiFoldedDifferenceAvx2(a, b, from, n)
                                                    : FirstAsciiFoldedDifferenceSse2(a, b, from, n);
}

#endif

} // namespace VorelText::detail
