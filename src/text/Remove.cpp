// Text: removing every occurrence of a character in place.
#include "VorelText.h"

#include <cstring>

namespace VorelText {

// From this many characters after the first occurrence on, the loop
// without a branch on the text is the quicker one.
constexpr long kBranchFree = 128;

// One compaction pass. The freed tail is filled with the terminator byte, as
// removing the occurrences one at a time (each shifting the rest, terminator
// included, down by one) would leave it. Size and ownership do not change,
// and no direction flag is consulted.
Text& Text::Remove(char c) {
    if (length < 1)
        return *this;
    char* const end = buffer + length;
    char* out = static_cast<char*>(
        std::memchr(buffer, static_cast<unsigned char>(c), static_cast<std::size_t>(length)));
    if (out == nullptr)
        return *this;
    const char* in = out + 1;
    if (end - in < kBranchFree) {
        for (; in != end; ++in)
            if (*in != c)
                *out++ = *in;
    } else {
        // Every character is stored and only a kept one advances: no branch
        // that depends on the text, which a long text would mispredict.
        for (; in != end; ++in) {
            const char kept = *in;
            *out = kept;
            out += kept != c;
        }
    }
    std::memset(out, static_cast<unsigned char>(*end), static_cast<std::size_t>(end - out));
    length = static_cast<int>(out - buffer);
    return *this;
}

} // namespace VorelText
