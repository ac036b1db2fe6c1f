// Searching, character sets, tokenizing and Remove.
#include "TestSupport.h"

// The C functions' differential test covers ordinary searches; here: the
// flags, texts without a buffer and NULs inside the length.
TEST(Search, FindCharacterAndString) {
    Text t("abcabc"), bc("bc"), empty(""), none;
    t.CaseSensitivitySet(false); // characters are found exactly all the same
    t.SearchForwardSet(false);
    EXPECT_EQ(Ints({t.FindCharacter('b'), t.FindCharacter('A'), t.FindCharacter('\0'),
                    none.FindCharacter('a'), t.FindString(bc), t.FindString(empty),
                    t.FindString(none), none.FindString(bc)}),
              "4,-1,-1,-1,1,0,0,-1"); // FindString ignores the direction
    t.SetAt(2, '\0');                 // ends the text for FindString, not for FindCharacter
    Char nul('\0');
    EXPECT_EQ(Ints({t.FindString(bc), t.FindCharacter(nul)}), "-1,2");
}

TEST(Search, CharacterSetsIgnoreBothDirections) {
    // FindFromCharacterSet, FindNotFromCharacterSet and SkipCharacters from 0.
    // clang-format off
    const struct { const char *text, *set, *found; } cases[] = {
        {"hello", "ol", "2,0,0"}, {"aaa", "a", "0,-1,3"}, {"  x", " \t", "0,2,2"},
        {"", "a", "-1,-1,0"}};
    // clang-format on
    for (const auto& k : cases)
        for (bool forward : {true, false}) {
            Text text(k.text), set(k.set);
            text.SearchForwardSet(forward);
            set.SearchForwardSet(forward);
            EXPECT_EQ(Ints({text.FindFromCharacterSet(set), text.FindNotFromCharacterSet(set),
                            text.SkipCharacters(set, 0)}),
                      k.found)
                << k.text << " / " << k.set << " " << forward;
        }
    Text blank(" "), nul("a");
    nul.SetAt(0, '\0'); // a set holding NUL must not find the terminator
    EXPECT_EQ(Ints({Text("xy").FindFromCharacterSet(nul), Text("   ").SkipCharacters(blank, 5),
                    Text(" x").SkipCharacters(blank, -4)}),
              "-1,5,1");
}

TEST(Search, FindTokenWalksAndClamps) {
    const Text t("  ab,cd");
    Text delimiters(" ,");
    // clang-format off
    const struct { int from; const char* token; int end; } steps[] = {
        {0, "ab", 4}, {4, "cd", 7}, {7, "", 7}, {-3, "ab", 4}, {99, "", 7}};
    // clang-format on
    for (const auto& s : steps) {
        int position = s.from;
        EXPECT_STREQ(t.FindToken(delimiters, &position), s.token) << s.from;
        EXPECT_EQ(position, s.end) << s.from;
    }
    int position = 0;
    EXPECT_STREQ(Text().FindToken(delimiters, &position), "");
    EXPECT_EQ(position, 0);
    EXPECT_STREQ(t.FindToken(delimiters, nullptr), "");
}

TEST(Search, RemoveCompactsInPlace) {
    for (bool forward : {true, false}) {
        vtest::Guarded g(8, "hel\xE9lo");
        Text t;
        t.Attach(g.data(), 8);
        t.SearchForwardSet(forward);
        t.Remove('l').Remove('z').Remove('\xE9');
        EXPECT_EQ(std::memcmp(g.data(), "heo\0\0\0\0", 7), 0);
        EXPECT_EQ(g.Changed(), "2-5");
        EXPECT_EQ(Show(t), forward ? "heo 3/8" : "heo 3/8 backward");
    }
    Text nul("a");
    nul += Char('\0');
    nul += "b";
    EXPECT_EQ(Show(nul.Remove('\0')), "ab 2/65536");
}
