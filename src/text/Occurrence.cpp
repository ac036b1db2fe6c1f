// Substring search that skips, a block at a time, to the next byte that is
// the needle's first or a NUL: the text's length is known, so every block
// stays inside it, and a NUL among the start positions ends the search where
// the C library's would end. Each start found is confirmed by the needle's
// last byte, then the bytes between. Where starts fail too often (the first
// byte is common in the text, or a^k b sought in a^n), the C library's
// search, which filters on more than one byte and stays linear on every
// input, takes over from the start that failed.
#include "text/Occurrence.h"
#include "text/Blocks.h"
#include "text/Mismatch.h"

#include <cstring>

namespace VorelText::detail {

namespace {

// The C library's search from `from` on: the text is NUL-terminated there.
std::size_t SearchFrom(const char* text, std::size_t from, const char* needle) {
    const char* found = std::strstr(text + from, needle);
    return found == nullptr ? kNowhere : static_cast<std::size_t>(found - text);
}

#if defined(VORELTEXT_BLOCKS)

using namespace blocks;

// Starts may fail more often than once in kFailSpacing bytes passed only
// once before the C library's search takes over.
constexpr std::size_t kFailSpacing = 256;

template <typename Ops>
VORELTEXT_KERNEL std::size_t FirstOccurrenceIn(const char* text, std::size_t n, const char* needle,
                                               std::size_t m) {
    constexpr std::size_t w = Ops::kWidth;
    const std::size_t starts = n - m + 1; // at least w
    const std::size_t last = m - 1;
    std::size_t failed = 0;
    for (std::size_t i = 0; i < starts; i += w) {
        while (starts - i >= 4 * w && !Ops::ByteOrNul4(text + i, needle[0]))
            i += 4 * w;
        if (i == starts)
            return kNowhere;
        // The last block overlaps starts already tried: only lanes from i count.
        const std::size_t at = starts - i >= w ? i : starts - w;
        const Lanes from = Ops::kAllLanes & (Ops::kAllLanes << (i - at));
        Lanes lanes = Ops::ByteOrNulLanes(text + at, needle[0]) & from;
        i = at;
        if (lanes == 0)
            continue;
        const Lanes nul = Ops::NulLanes(text + at) & from;
        if (nul != 0)
            lanes &= (nul & (0 - nul)) - 1; // the starts before the first NUL
        for (; lanes != 0; lanes &= lanes - 1) {
            const std::size_t start = at + FirstLane(lanes);
            const std::size_t between = m < 2 ? 0 : m - 2;
            if (text[start + last] == needle[last] &&
                FirstDifference(text + start + 1, needle + 1, between) == between)
                return start;
            if (++failed > 1 + start / kFailSpacing)
                return SearchFrom(text, start + 1, needle);
        }
        if (nul != 0)
            return kNowhere;
    }
    return kNowhere;
}

VORELTEXT_OUT_OF_LINE std::size_t FirstOccurrenceSse2(const char* text, std::size_t n,
                                                      const char* needle, std::size_t m) {
    return FirstOccurrenceIn<Sse2>(text, n, needle, m);
}
VORELTEXT_OUT_OF_LINE VORELTEXT_AVX2 std::size_t
FirstOccurrenceAvx2(const char* text, std::size_t n, const char* needle, std::size_t m) {
    return FirstOccurrenceIn<Avx2>(text, n, needle, m);
}

#endif

} // namespace

std::size_t FirstOccurrence(const char* text, std::size_t n, const char* needle, std::size_t m) {
    if (m > n)
        return kNowhere;
#if defined(VORELTEXT_BLOCKS)
    const std::size_t starts = n - m + 1;
    if (starts >= blocks::Sse2::kWidth && blocks::UseBlocks())
        return starts >= blocks::kAvx2Worthwhile && blocks::HasAvx2()
                   ? FirstOccurrenceAvx2(text, n, needle, m)
                   : FirstOccurrenceSse2(text, n, needle, m);
#endif
    return SearchFrom(text, 0, needle);
}

} // namespace VorelText::detail
