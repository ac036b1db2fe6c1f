// Membership test for the Text members that work with a set of characters.
#ifndef VORELTEXT_SRC_TEXT_CHARACTERSET_H
#define VORELTEXT_SRC_TEXT_CHARACTERSET_H

#include <cstdint>

namespace VorelText::detail {

// The set of the first `count` characters at `chars`, which must outlive it.
// Built once per call; the set text's direction plays no part.
class CharacterSet {
public:
    CharacterSet(const char* chars, int count);

    bool Contains(char c) const {
        const auto byte = static_cast<unsigned char>(c);
        return (bits[byte >> 6] >> (byte & 63) & 1) != 0;
    }

    // The first index i in from..end-1 at which Contains(text[i]) differs
    // from `inSet`, or end. Reads nothing when from >= end, and nothing at
    // or beyond end.
    int SkipWhile(const char* text, int from, int end, bool inSet) const;

private:
    // Sets of up to this many characters are also scanned for a whole
    // block of text at a time, one comparison per listed character.
    static constexpr int kMaxListed = 16;

    std::uint64_t bits[4];
    const char* listed; // chars, when there are 1 to kMaxListed of them
    int listedCount;
};

} // namespace VorelText::detail

#endif
