// Ordering two byte ranges with case folded as Char::ToLower folds it.
#include "char/CaseTable.h"
#include "text/Blocks.h"
#include "text/Mismatch.h"

#include <cstdint>
#include <cstring>

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

// The "C" locale's lowering: ASCII capitals only.
char AsciiLower(char c) {
    return static_cast<unsigned char>(c - 'A') < 26 ? static_cast<char>(c + 0x20) : c;
}

#if defined(VORELTEXT_WORDS)
// The 8 bytes of a word with their ASCII capitals lowered, at once: a byte
// whose low 7 bits lie from 'A' to 'Z' and whose high bit is clear gains
// 0x20. No sum carries into the next byte.
std::uint64_t AsciiLowerWord(std::uint64_t x) {
    constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7F;
    constexpr std::uint64_t kHigh = 0x8080808080808080;
    const std::uint64_t low7 = x & kLow7;
    const std::uint64_t fromA = low7 + 0x3F3F3F3F3F3F3F3F; // high bit: low 7 bits >= 'A'
    const std::uint64_t pastZ = low7 + 0x2525252525252525; // high bit: low 7 bits > 'Z'
    return x | (fromA & ~pastZ & ~x & kHigh) >> 2;
}

// Whether the Word-sized pieces at a + at and b + at differ once lowered,
// and where the first difference is.
template <typename Word>
bool LoweredWordsDiffer(const char* a, const char* b, std::size_t at, std::size_t& index) {
    Word x, y;
    std::memcpy(&x, a + at, sizeof x);
    std::memcpy(&y, b + at, sizeof y);
    const std::uint64_t differ = AsciiLowerWord(x) ^ AsciiLowerWord(y);
    index = at + (differ != 0 ? static_cast<std::size_t>(__builtin_ctzll(differ)) / 8 : 0);
    return differ != 0;
}
#endif

// The first index below n at which a and b differ once lowered as the "C"
// locale lowers them, or n: in blocks, or in words that stay inside the
// range (the last overlapping bytes found equal), or byte by byte.
std::size_t FirstAsciiLoweredDifference(const char* a, const char* b, std::size_t n) {
#if defined(VORELTEXT_BLOCKS)
    if (n >= kBlocksWorthwhile && blocks::UseBlocks()) {
        using blocks::Sse2;
        constexpr std::size_t w = Sse2::kWidth;
        if (n > 4 * w)
            return FirstAsciiFoldedDifference(a, b, 0, n);
        // Blocks from the start, then the last one or two; bytes that they
        // overlap were found equal already.
        std::size_t at = 0;
        const auto differs = [a, b, &at](std::size_t from) {
            const blocks::Lanes lanes =
                ~Sse2::FoldedEqualLanes(a + from, b + from) & Sse2::kAllLanes;
            at = from + (lanes != 0 ? blocks::FirstLane(lanes) : 0);
            return lanes != 0;
        };
        if (differs(0) || (n > 2 * w && (differs(w) || differs(n - 2 * w))) || differs(n - w))
            return at;
        return n;
    }
#endif
    std::size_t i = 0;
#if defined(VORELTEXT_WORDS)
    std::size_t index = n;
    if (n >= 8) {
        for (; n - i >= 8; i += 8)
            if (LoweredWordsDiffer<std::uint64_t>(a, b, i, index))
                return index;
        return i == n || !LoweredWordsDiffer<std::uint64_t>(a, b, n - 8, index) ? n : index;
    }
    if (n >= 4) {
        if (LoweredWordsDiffer<std::uint32_t>(a, b, 0, index) ||
            LoweredWordsDiffer<std::uint32_t>(a, b, n - 4, index))
            return index;
        return n;
    }
#endif
    while (i < n && AsciiLower(a[i]) == AsciiLower(b[i]))
        ++i;
    return i;
}

} // namespace

int OrderIgnoringCase(const char* a, const char* b, std::size_t n) {
    const CaseTable lower(CaseTable::kLower);
    if (lower.IsCLocale()) {
        // The arithmetic lowering is the locale's own: no table to consult.
        const std::size_t i = FirstAsciiLoweredDifference(a, b, n);
        return i < n ? SignedOrder(AsciiLower(a[i]), AsciiLower(b[i])) : 0;
    }
    // Equal bytes fold equal: only a real difference needs the locale.
    std::size_t i = FirstDifference(a, b, n);
    if (i == n)
        return 0;
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
