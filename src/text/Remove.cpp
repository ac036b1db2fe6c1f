// Text: removing every occurrence of a character in place.
#include "VorelText.h"
#include "text/Blocks.h"

#include <cstring>

namespace VorelText {

namespace {

// From this many characters after the first occurrence on, the blocks, or
// the loop without a branch on the text, are quicker than the plain loop.
constexpr long kBranchFree = 128;

// Every character is stored and only a kept one advances: no branch that
// depends on the text, which a text of many removals would mispredict.
char* KeepAllButScalar(char* out, const char* in, const char* end, char c) {
    for (; in != end; ++in) {
        const char kept = *in;
        *out = kept;
        out += kept != c;
    }
    return out;
}

#if defined(VORELTEXT_BLOCKS)
using namespace detail::blocks;

// The characters from `in` to `end` other than c, stored from `out` on (at
// or before `in`), a block at a time; answers where they end.
template <typename Ops>
VORELTEXT_KERNEL char* KeepAllButIn(char* out, const char* in, const char* end, char c) {
    for (; static_cast<std::size_t>(end - in) >= Ops::kWidth; in += Ops::kWidth)
        out += Ops::KeepUnless(out, in, c);
    return KeepAllButScalar(out, in, end, c);
}

char* KeepAllButSse2(char* out, const char* in, const char* end, char c) {
    return KeepAllButIn<Sse2>(out, in, end, c);
}
VORELTEXT_AVX2 char* KeepAllButAvx2(char* out, const char* in, const char* end, char c) {
    return KeepAllButIn<Avx2>(out, in, end, c);
}
#endif

char* KeepAllBut(char* out, const char* in, const char* end, char c) {
    if (end - in < kBranchFree) {
        for (; in != end; ++in)
            if (*in != c)
                *out++ = *in;
        return out;
    }
#if defined(VORELTEXT_BLOCKS)
    if (UseBlocks())
        return HasAvx2() ? KeepAllButAvx2(out, in, end, c) : KeepAllButSse2(out, in, end, c);
#endif
    return KeepAllButScalar(out, in, end, c);
}

} // namespace

// One compaction pass from the first occurrence on. The freed tail is filled
// with the terminator byte, as removing the occurrences one at a time (each
// shifting the rest, terminator included, down by one) would leave it. Size
// and ownership do not change, and no direction flag is consulted.
Text& Text::Remove(char c) {
    if (length < 1)
        return *this;
    char* const end = buffer + length;
    char* first = static_cast<char*>(
        std::memchr(buffer, static_cast<unsigned char>(c), static_cast<std::size_t>(length)));
    if (first == nullptr)
        return *this;
    char* const out = KeepAllBut(first, first + 1, end, c);
    std::memset(out, static_cast<unsigned char>(*end), static_cast<std::size_t>(end - out));
    length = static_cast<int>(out - buffer);
    return *this;
}

} // namespace VorelText
