// The character-set table behind the Text set searches.
#include "text/CharacterSet.h"
#include "text/Blocks.h"

#include <cstring>

namespace VorelText::detail {

CharacterSet::CharacterSet(const char* chars, int count) : member(), listed(), listedCount(0) {
    for (int i = 0; i < count; ++i)
        member[static_cast<unsigned char>(chars[i])] = true;
    if (count > 0 && count <= kMaxListed) {
        std::memcpy(listed, chars, static_cast<std::size_t>(count));
        listedCount = count;
    }
}

#if defined(VORELTEXT_BLOCKS)
namespace {

using namespace blocks;

// From i, the first character whose membership in the listed characters
// differs from inSet, or the start of the last, partial block.
template <typename Ops>
VORELTEXT_KERNEL int SkipBlocksIn(const char* text, int i, int end, const char* listed, int count,
                                  bool inSet) {
    const auto width = static_cast<int>(Ops::kWidth);
    for (; end - i >= width; i += width) {
        const Lanes hit = Ops::MemberLanes(text + i, listed, count);
        const Lanes stop = inSet ? ~hit & Ops::kAllLanes : hit;
        if (stop != 0)
            return i + static_cast<int>(FirstLane(stop));
    }
    return i;
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
    if (listedCount > 0)
        i = end - i >= kAvx2Worthwhile && HasAvx2()
                ? SkipBlocksAvx2(text, i, end, listed, listedCount, inSet)
                : SkipBlocksSse2(text, i, end, listed, listedCount, inSet);
#endif
    while (i < end && Contains(text[i]) == inSet)
        ++i;
    return i;
}

} // namespace VorelText::detail
