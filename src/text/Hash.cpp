// Text: the hash behind std::hash<Text>.
#include "VorelText.h"
#include "char/CaseTable.h"

#include <functional>
#include <string_view>

namespace VorelText {

namespace {

std::size_t HashOf(const char* s, std::size_t n) noexcept {
    return std::hash<std::string_view>()(std::string_view(s, n));
}

// The characters as comparison ignoring case folds them, hashed a block at a
// time so that nothing is allocated.
std::size_t FoldedHash(const char* s, std::size_t n) noexcept {
    const detail::CaseTable lower(detail::CaseTable::kLower);
    char block[256];
    std::size_t hash = n;
    do {
        const std::size_t count = n < sizeof block ? n : sizeof block;
        for (std::size_t i = 0; i < count; ++i)
            block[i] = lower(s[i]);
        hash = hash * 31 + HashOf(block, count);
        s += count;
        n -= count;
    } while (n > 0);
    return hash;
}

} // namespace

// Equal texts hash equal: a case-sensitive text compares its bytes, one that
// ignores case compares them folded.
std::size_t Text::HashGet() const noexcept {
    const auto n = static_cast<std::size_t>(length);
    return caseSensitive ? HashOf(buffer, n) : FoldedHash(buffer, n);
}

} // namespace VorelText
