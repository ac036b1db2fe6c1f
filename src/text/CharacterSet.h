// Membership test for the Text members that work with a set of characters.
#ifndef VORELTEXT_SRC_TEXT_CHARACTERSET_H
#define VORELTEXT_SRC_TEXT_CHARACTERSET_H

#include <cstdint>

namespace VorelText::detail {

// The set of the first `count` characters at `chars`, which must outlive it.
// Made once per call; the set text's direction plays no part. Nothing is
// built up front: a scan compares small sets directly and makes a 256-bit
// table only where a set is too large for that.
class CharacterSet {
public:
    CharacterSet(const char* chars, int count) : chars(chars), count(count < 0 ? 0 : count) {}

    // The first index i in from..end-1 at which membership of text[i]
    // differs from `inSet`, or end. Reads nothing when from >= end, and
    // nothing at or beyond end.
    int SkipWhile(const char* text, int from, int end, bool inSet) const;

private:
    // Sets of up to this many characters are also scanned for a whole
    // block of text at a time, one comparison per listed character.
    static constexpr int kMaxListed = 16;
    // Sets of up to this many characters are compared character by
    // character where blocks do not apply.
    static constexpr int kMaxCompared = 4;

    int SkipCompared(const char* text, int i, int end, bool inSet) const;
    int SkipThroughTable(const char* text, int i, int end, bool inSet) const;

    const char* chars;
    int count;
};

} // namespace VorelText::detail

#endif
