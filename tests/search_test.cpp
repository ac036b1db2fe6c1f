// Searching, character sets and tokenizing where the fuzz harness does not
// reach: operands without a buffer, NULs in the set or the text, negative and
// far positions.
#include "TestSupport.h"

TEST(Search, OddOperandsAndPositions) {
    Text none, blank(" "), nul("a"), hole("a.b");
    nul.SetAt(0, '\0');  // a set holding NUL must not find the terminator
    hole.SetAt(1, '\0'); // nor a set without NUL one inside the text
    // The last two: starts whose first and last bytes match, one between not,
    // in texts long enough to be scanned for the first byte.
    const std::string scanned(256, '-');
    EXPECT_EQ(Ints({Text("ab").FindString(none), Text("xy").FindFromCharacterSet(nul),
                    Text("   ").SkipCharacters(blank, 5), Text(" x").SkipCharacters(blank, -4),
                    hole.FindFromCharacterSet(Text("xyz")),
                    Text(scanned + "axc abc").FindString(Text("abc")),
                    Text(scanned + "abXd abcd").FindString(Text("abcd"))}),
              "0,-1,5,1,-1,260,261");
    const Text t("  ab,cd"), u("ab,cd");
    const Text delimiters(" ,");
    for (int from : {-3, 99}) { // clamped to the text
        int position = from, second = from;
        EXPECT_STREQ(t.FindToken(delimiters, &position), from < 0 ? "ab" : "");
        EXPECT_EQ(position, from < 0 ? 4 : 7);
        EXPECT_STREQ(u.FindToken(delimiters, &second), from < 0 ? "ab" : "");
        EXPECT_EQ(second, from < 0 ? 2 : 5);
    }
    int position = 0;
    EXPECT_STREQ(none.FindToken(delimiters, &position), "");
    EXPECT_EQ(position, 0);
    EXPECT_STREQ(t.FindToken(delimiters, nullptr), "");
}
