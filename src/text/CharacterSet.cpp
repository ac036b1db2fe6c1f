// The character-set membership behind the Text set searches.
#include "text/CharacterSet.h"
#include "text/Blocks.h"

#include <cstring>

namespace VorelText::detail {

CharacterSet::CharacterSet(const char* chars, int count) : bits(), listed(nullptr), listedCount(0) {
    for (int i = 0; i < count; ++i) {
        const auto byte = static_cast<unsigned char>(chars[i]);
        bits[byte >> 6] |= std::uint64_t{1} << (byte & 63);
    }
    if (count > 0 && count <= kMaxListed) {
        listed = chars;
        listedCount = count;
    }
}

#if defined(VORELTEXT_BLOCKS)
namespace {

using namespace blocks;

// From i, the first character whose membership in the listed characters
// differs from inSet, or end. end - i is at least one block: the last block
// overlaps characters before i, which are already known to be skipped.
template <typename Ops>
VORELTEXT_KERNEL int SkipBlocksIn(const char* text, int i, int end, const char* listed, int count,
                                  bool inSet) {
    const auto width = static_cast<int>(Ops::kWidth);
    typename Ops::Set set;
    Ops::Broadcast(listed, count, set);
    for (; i != end; i += width) {
        const int at = end - i >= width ? i : end - width;
        const Lanes hit = Ops::MemberLanes(text + at, set);
        const Lanes stop = (inSet ? ~hit : hit) & Ops::kAllLanes & (Ops::kAllLanes << (i - at));
        if (stop != 0)
            return at + static_cast<int>(FirstLane(stop));
        i = at;
    }
    return end;
}

int SkipBlocksSse2(const char* text, int i, int end, const char* listed, int count, bool inSet) {
    return SkipBlocksIn<Sse2>(text, i, end, listed, count, inSet);
}
VORELTEXT_AVX2 int SkipBlocksAvx2(const char* text, int i, int end, const char* listed, int count,
                                  bool inSet) {
    return SkipBlocksIn<Avx2>(text, i, end, listed, count, inSet);
}

// Scans shorter than this stay with 16-byte blocks.
constexpr int kAvx2Worthwhile = 64;

} // namespace
#endif

int CharacterSet::SkipWhile(const char* text, int from, int end, bool inSet) const {
    int i = from;
    if (i >= end)
        return i;
    if (listedCount == 1 && !inSet) {
        // Looking for one character: the C library's memchr.
        const void* found = std::memchr(text + i, static_cast<unsigned char>(listed[0]),
                                        static_cast<std::size_t>(end - i));
        return found == nullptr ? end : static_cast<int>(static_cast<const char*>(found) - text);
    }
#if defined(VORELTEXT_BLOCKS)
    if (listedCount > 0 && end - i >= static_cast<int>(Sse2::kWidth) && UseBlocks())
        return end - i >= kAvx2Worthwhile && HasAvx2()
                   ? SkipBlocksAvx2(text, i, end, listed, listedCount, inSet)
                   : SkipBlocksSse2(text, i, end, listed, listedCount, inSet);
#endif
    while (i < end && Contains(text[i]) == inSet)
        ++i;
    return i;
}

} // namespace VorelText::detail
