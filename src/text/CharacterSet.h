// Membership table for the Text members that work with a set of characters.
#ifndef VORELTEXT_SRC_TEXT_CHARACTERSET_H
#define VORELTEXT_SRC_TEXT_CHARACTERSET_H

namespace VorelText::detail {

// The set of the first `count` characters at `chars`, looked up in constant
// time. Built once per call; the set text's direction plays no part.
class CharacterSet {
public:
    CharacterSet(const char* chars, int count);

    bool Contains(char c) const { return member[static_cast<unsigned char>(c)]; }

    // The first index i in from..end-1 at which Contains(text[i]) differs
    // from `inSet`, or end. Reads nothing when from >= end, and nothing at
    // or beyond end.
    int SkipWhile(const char* text, int from, int end, bool inSet) const;

private:
    // Sets of up to this many characters are also kept as a list, which a
    // block scan compares with each of them, a whole block at a time.
    static constexpr int kMaxListed = 16;

    bool member[256];
    char listed[kMaxListed];
    int listedCount;
};

} // namespace VorelText::detail

#endif
