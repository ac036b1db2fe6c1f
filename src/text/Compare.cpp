// Text: ordering against another Text over a bounded number of positions.
#include "VorelText.h"
#include "char/CaseMap.h"
#include "text/Mismatch.h"

#include <algorithm>
#include <cstddef>

namespace VorelText {

namespace {

int OrderExact(const char* a, const char* b, std::size_t n) {
    const std::size_t i = detail::FirstDifference(a, b, n);
    return i < n ? detail::SignedOrder(a[i], b[i]) : 0;
}

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
    const int order = caseSensitive ? OrderExact(buffer, other.buffer, readable)
                                    : detail::OrderIgnoringCase(buffer, other.buffer, readable);
    if (order != 0 || readable == bound)
        return order;
    // The shorter text's terminator matched a NUL inside the longer text's
    // length: the text that ends there orders first.
    return mine < theirs ? -1 : 1;
}

} // namespace VorelText
