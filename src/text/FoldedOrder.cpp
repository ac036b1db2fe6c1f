// Ordering two byte ranges with case folded as Char::ToLower folds it.
#include "char/CaseTable.h"
#include "text/Blocks.h"
#include "text/Mismatch.h"

namespace VorelText::detail {

namespace {

// From this many bytes on, block folding beats folding byte by byte.
constexpr std::size_t kBlocksWorthwhile = 16;

// The order of the first position from i below n whose bytes differ through
// the table, byte by byte.
int OrderFrom(const CaseTable& lower, const char* a, const char* b, std::size_t i, std::size_t n) {
    for (; i < n; ++i) {
        if (a[i] == b[i])
            continue;
        const int order = SignedOrder(lower(a[i]), lower(b[i]));
        if (order != 0)
            return order;
    }
    return 0;
}

} // namespace

int OrderIgnoringCase(const char* a, const char* b, std::size_t n) {
    // Equal bytes fold equal: only a real difference needs the locale.
    std::size_t i = FirstDifference(a, b, n);
    if (i == n)
        return 0;
    const CaseTable lower(CaseTable::kLower);
#if defined(VORELTEXT_BLOCKS)
    // Blocks with their ASCII letters lowered by arithmetic are a filter that
    // never passes over a difference: bytes it finds equal are equal or an
    // ASCII letter pair, which this locale folds together. Each difference
    // it reports is checked through the table, which may still find the two
    // bytes equal (0xC9 and 0xE9 in a Latin-1 locale), and the scan goes on.
    if (n - i >= kBlocksWorthwhile && blocks::UseBlocks() && lower.FoldsLetterPairs()) {
        while (n - i >= kBlocksWorthwhile) {
            i = FirstAsciiFoldedDifference(a, b, i, n);
            if (i == n)
                return 0;
            const int order = SignedOrder(lower(a[i]), lower(b[i]));
            if (order != 0)
                return order;
            ++i;
        }
    }
#endif
    return OrderFrom(lower, a, b, i, n);
}

} // namespace VorelText::detail
