// The character-set membership behind the Text set searches.
#include "text/CharacterSet.h"
#include "text/Blocks.h"

#include <cstring>

namespace VorelText::detail {

// Up to four members, the first repeated to fill the rest: four
// comparisons per character, whatever the set's size.
int CharacterSet::SkipCompared(const char* text, int i, int end, bool inSet) const {
    const char m0 = chars[0];
    const char m1 = count > 1 ? chars[1] : m0;
    const char m2 = count > 2 ? chars[2] : m0;
    const char m3 = count > 3 ? chars[3] : m0;
    for (; i < end; ++i) {
        const char c = text[i];
        const bool member = (c == m0) | (c == m1) | (c == m2) | (c == m3);
        if (member != inSet)
            break;
    }
    return i;
}

int CharacterSet::SkipThroughTable(const char* text, int i, int end, bool inSet) const {
    std::uint64_t bits[4] = {};
    for (int k = 0; k < count; ++k) {
        const auto byte = static_cast<unsigned char>(chars[k]);
        bits[byte >> 6] |= std::uint64_t{1} << (byte & 63);
    }
    for (; i < end; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (((bits[byte >> 6] >> (byte & 63) & 1) != 0) != inSet)
            break;
    }
    return i;
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

// Set scans shorter than this stay with 16-byte blocks; they take AVX2 sooner
// than the other scans, as each block costs a comparison per member.
constexpr int kSetAvx2Worthwhile = 64;

} // namespace
#endif

int CharacterSet::SkipWhile(const char* text, int from, int end, bool inSet) const {
    const int i = from;
    if (i >= end)
        return i;
    if (count == 0)
        return inSet ? i : end; // nothing is a member
    if (count == 1 && !inSet) {
        // Looking for one character: the C library's memchr.
        const void* found = std::memchr(text + i, static_cast<unsigned char>(chars[0]),
                                        static_cast<std::size_t>(end - i));
        return found == nullptr ? end : static_cast<int>(static_cast<const char*>(found) - text);
    }
#if defined(VORELTEXT_BLOCKS)
    if (count <= kMaxListed && end - i >= static_cast<int>(Sse2::kWidth) && UseBlocks())
        return end - i >= kSetAvx2Worthwhile && HasAvx2()
                   ? SkipBlocksAvx2(text, i, end, chars, count, inSet)
                   : SkipBlocksSse2(text, i, end, chars, count, inSet);
#endif
    return count <= kMaxCompared ? SkipCompared(text, i, end, inSet)
                                 : SkipThroughTable(text, i, end, inSet);
}

} // namespace VorelText::detail
