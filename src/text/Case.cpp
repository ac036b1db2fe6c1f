// Text: case conversion in place.
#include "VorelText.h"
#include "char/CaseTable.h"
#include "text/Blocks.h"

#include <cstddef>

namespace VorelText {

namespace {

using detail::CaseTable;

// Below this many characters converting is quicker than checking the table.
constexpr std::size_t kBlocksWorthwhile = 32;

#if defined(VORELTEXT_BLOCKS)
using namespace detail::blocks;

// Adds delta to the 26 letters from `first` on, in whole blocks from the
// start; returns where the blocks end.
template <typename Ops>
VORELTEXT_KERNEL std::size_t ShiftBlocksIn(char* s, std::size_t n, char first, char delta) {
    std::size_t i = 0;
    for (; n - i >= Ops::kWidth; i += Ops::kWidth)
        Ops::ShiftLetters(s + i, first, delta);
    return i;
}

std::size_t ShiftBlocksSse2(char* s, std::size_t n, char first, char delta) {
    return ShiftBlocksIn<Sse2>(s, n, first, delta);
}
VORELTEXT_AVX2 std::size_t ShiftBlocksAvx2(char* s, std::size_t n, char first, char delta) {
    return ShiftBlocksIn<Avx2>(s, n, first, delta);
}
#endif

// Every one of the n characters, past an embedded NUL too, exactly as Char
// converts it in the locale in force now. Where that locale changes only the
// 26 ASCII letters, whole blocks are converted with plain arithmetic.
void Convert(char* s, std::size_t n, CaseTable::Direction direction) {
    const CaseTable table(direction);
    std::size_t i = 0;
#if defined(VORELTEXT_BLOCKS)
    if (n >= kBlocksWorthwhile && UseBlocks() && table.IsAsciiOnly()) {
        const bool lower = direction == CaseTable::kLower;
        const char first = lower ? 'A' : 'a';
        const char delta = lower ? 0x20 : -0x20;
        i = HasAvx2() ? ShiftBlocksAvx2(s, n, first, delta) : ShiftBlocksSse2(s, n, first, delta);
    }
#endif
    for (; i < n; ++i)
        s[i] = table(s[i]);
}

} // namespace

// An attached Text converts its caller's array.
void Text::ToUpper() {
    if (length > 0)
        Convert(buffer, static_cast<std::size_t>(length), CaseTable::kUpper);
}

void Text::ToLower() {
    if (length > 0)
        Convert(buffer, static_cast<std::size_t>(length), CaseTable::kLower);
}

} // namespace VorelText
