// Text: ordering against another Text over a bounded number of positions.
#include "VorelText.h"
#include "char/CaseMap.h"
#include "text/Mismatch.h"

#include <algorithm>
#include <cstddef>

namespace VorelText {

namespace {

#if defined(__GNUC__)
#define VORELTEXT_OUT_OF_LINE __attribute__((noinline))
#else
#define VORELTEXT_OUT_OF_LINE
#endif

// The order found over the readable positions, or, when they are all equal
// but the bound reaches further, the guard's: the shorter text's terminator
// matched a NUL inside the longer text's length, and the text that ends
// there orders first.
int Settle(int order, std::size_t readable, std::size_t bound, bool mineShorter) {
    if (order != 0 || readable == bound)
        return order;
    return mineShorter ? -1 : 1;
}

// The paths that call further; out of line and reached by a tail call, so
// that the short exact comparison saves no registers for them.
VORELTEXT_OUT_OF_LINE int OrderFolded(const char* a, const char* b, std::size_t readable,
                                      std::size_t bound, bool mineShorter) {
    return Settle(detail::OrderIgnoringCase(a, b, readable), readable, bound, mineShorter);
}

VORELTEXT_OUT_OF_LINE int OrderExact(const char* a, const char* b, std::size_t readable,
                                     std::size_t bound, bool mineShorter) {
    const std::size_t i = detail::FirstDifference(a, b, readable);
    return Settle(i < readable ? detail::SignedOrder(a[i], b[i]) : 0, readable, bound, mineShorter);
}

#if defined(VORELTEXT_BLOCKS)
// Long ranges go straight to the widest blocks, in a function built for
// them, so that the compare of blocks is not one call further.
VORELTEXT_OUT_OF_LINE VORELTEXT_AVX2 int OrderExactAvx2(const char* a, const char* b,
                                                        std::size_t readable, std::size_t bound,
                                                        bool mineShorter) {
    const std::size_t i = detail::FirstDifferenceAvx2(a, b, readable);
    return Settle(i < readable ? detail::SignedOrder(a[i], b[i]) : 0, readable, bound, mineShorter);
}
#endif

} // namespace

int Text::Compare(const Text& other, unsigned int count) const {
    // An empty text orders first whatever the count, 0 included.
    if (length == 0)
        return other.length == 0 ? 0 : -1;
    if (other.length == 0)
        return 1;
    const auto mine = static_cast<std::size_t>(length);
    const auto theirs = static_cast<std::size_t>(other.length);
    const std::size_t bound = std::min<std::size_t>(std::max(mine, theirs), count);
    if (bound == 0)
        return 0;
    // Both texts are readable up to their terminators: through the shorter
    // length, one past it included.
    const std::size_t readable = std::min(bound, std::min(mine, theirs) + 1);
    constexpr std::size_t kInline = 64; // compared without a call
    if (!caseSensitive)
        return OrderFolded(buffer, other.buffer, readable, bound, mine < theirs);
    if (readable > kInline || !detail::blocks::UseBlocks()) {
#if defined(VORELTEXT_BLOCKS)
        if (readable >= detail::blocks::kAvx2Worthwhile && detail::blocks::HasAvx2())
            return OrderExactAvx2(buffer, other.buffer, readable, bound, mine < theirs);
#endif
        return OrderExact(buffer, other.buffer, readable, bound, mine < theirs);
    }
    const std::size_t i = detail::FirstDifference(buffer, other.buffer, readable);
    return Settle(i < readable ? detail::SignedOrder(buffer[i], other.buffer[i]) : 0, readable,
                  bound, mine < theirs);
}

} // namespace VorelText
