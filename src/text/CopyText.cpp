// Copying a text's characters up to its first NUL, a block at a time.
#include "text/CopyText.h"
#include "text/Blocks.h"

#include <cstdint>
#include <cstring>

namespace VorelText::detail {
namespace {

// Terminates dst at m, copying the bytes from `from` that precede it.
inline std::size_t CopiedTo(char* dst, const char* src, std::size_t from, std::size_t m) {
    std::memcpy(dst + from, src + from, m - from);
    dst[m] = '\0';
    return m;
}

// The byte loop that every path falls back on.
std::size_t CopyBytesUntilNul(char* dst, const char* src, std::size_t n) {
    std::size_t i = 0;
    for (; i < n && src[i] != '\0'; ++i)
        dst[i] = src[i];
    dst[i] = '\0';
    return i;
}

#if defined(__GNUC__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
#define VORELTEXT_NUL_WORDS 1
// The top bit of each NUL byte of x, plus maybe some above the first: the
// lowest one is exact.
template <typename Word> Word NulBytes(Word x) {
    constexpr Word ones = static_cast<Word>(~Word{0}) / 0xFF;
    return static_cast<Word>((x - ones) & ~x & (ones << 7));
}

// n from one to two words: two words that overlap when n is less than two,
// both read before anything is written.
template <typename Word> std::size_t CopyWordsUntilNul(char* dst, const char* src, std::size_t n) {
    constexpr std::size_t w = sizeof(Word);
    Word head, tail;
    std::memcpy(&head, src, w);
    std::memcpy(&tail, src + n - w, w);
    const Word inHead = NulBytes(head), inTail = NulBytes(tail);
    if (inHead != 0)
        return CopiedTo(dst, src, 0, static_cast<std::size_t>(__builtin_ctzll(inHead)) / 8);
    if (inTail != 0) // the bytes it shares with the head hold no NUL
        return CopiedTo(dst, src, 0, n - w + static_cast<std::size_t>(__builtin_ctzll(inTail)) / 8);
    std::memcpy(dst, &head, w);
    std::memcpy(dst + n - w, &tail, w);
    dst[n] = '\0';
    return n;
}
#endif

#if defined(VORELTEXT_BLOCKS)
using namespace blocks;

// n of at least one block.
template <typename Ops>
VORELTEXT_KERNEL std::size_t CopyUntilNulIn(char* dst, const char* src, std::size_t n) {
    constexpr std::size_t w = Ops::kWidth;
    std::size_t i = 0;
    // Four blocks per step while they hold no NUL; the block loop finds it.
    for (; n - i >= 4 * w && Ops::CopyUnlessNul4(dst + i, src + i); i += 4 * w) {
    }
    for (; n - i >= w; i += w) {
        const Lanes nul = Ops::CopyUnlessNul(dst + i, src + i);
        if (nul != 0)
            return CopiedTo(dst, src, i, i + FirstLane(nul));
    }
    if (i != n) {
        // The last block, overlapping bytes already copied and free of NULs.
        const std::size_t last = n - w;
        const Lanes nul = Ops::CopyUnlessNul(dst + last, src + last);
        if (nul != 0)
            return CopiedTo(dst, src, i, last + FirstLane(nul));
    }
    dst[n] = '\0';
    return n;
}

std::size_t CopyUntilNulSse2(char* dst, const char* src, std::size_t n) {
    return CopyUntilNulIn<Sse2>(dst, src, n);
}
VORELTEXT_AVX2 std::size_t CopyUntilNulAvx2(char* dst, const char* src, std::size_t n) {
    return CopyUntilNulIn<Avx2>(dst, src, n);
}
#endif

} // namespace

std::size_t CopyUntilNul(char* dst, const char* src, std::size_t n) {
#if defined(VORELTEXT_NUL_WORDS)
    // Shorter than a block, on every path.
    if (n >= 8 && n < 16)
        return CopyWordsUntilNul<std::uint64_t>(dst, src, n);
    if (n >= 4 && n < 8)
        return CopyWordsUntilNul<std::uint32_t>(dst, src, n);
#endif
#if defined(VORELTEXT_BLOCKS)
    if (n >= Sse2::kWidth && UseBlocks())
        return n >= kAvx2Worthwhile && HasAvx2() ? CopyUntilNulAvx2(dst, src, n)
                                                 : CopyUntilNulSse2(dst, src, n);
#endif
    return CopyBytesUntilNul(dst, src, n);
}

} // namespace VorelText::detail
