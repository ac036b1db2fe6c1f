// Ordering two C strings without wrapping them: each is read only up to its
// terminator. Blocks may not pass a terminator, and where b's lies is unknown
// until it is found, so the strings are measured first (b only as far as a
// reaches) and the compare then runs over bytes known to be readable.
#include "text/StringOrder.h"
#include "char/CaseMap.h"
#include "text/Mismatch.h"

#include <cstring>

namespace VorelText::detail {

int OrderStrings(const char* a, const char* b, std::size_t n, bool ignoreCase) {
    if (a == nullptr)
        a = "";
    if (b == nullptr)
        b = "";
    if (*a == '\0')
        return *b == '\0' ? 0 : -1;
    if (*b == '\0')
        return 1;
    if (n == 0)
        return 0;
    // Both are readable up to the shorter one's terminator: compare that far
    // at most, as the two terminators decide when the strings are equal.
    const std::size_t na = n == kWholeStrings ? std::strlen(a) : strnlen(a, n);
    const std::size_t nb = strnlen(b, na < n ? na + 1 : n);
    // Strings of one length end in two equal terminators: those need no
    // comparing.
    const std::size_t shorter = na < nb ? na : nb;
    const std::size_t readable = na == nb ? na : (shorter < n ? shorter + 1 : n);
    if (ignoreCase)
        return OrderIgnoringCase(a, b, readable);
    const std::size_t i = FirstDifference(a, b, readable);
    return i < readable ? SignedOrder(a[i], b[i]) : 0;
}

} // namespace VorelText::detail
