// Searching, character sets, tokenizing and Remove.
#include "VorelText.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using VorelText::Char;
using VorelText::Text;

static std::string Str(const Text& t) {
    return std::string(static_cast<char*>(t), t.LengthGet());
}

TEST(Search, FindCharacterAndString) {
    Text t("abcabc\xE9");
    Char b('b');
    EXPECT_EQ(t.FindCharacter(b), 1);
    EXPECT_EQ(t.FindCharacter('\xE9'), 6);
    t.SearchForwardSet(false);
    t.CaseSensitivitySet(false);
    EXPECT_EQ(t.FindCharacter(b), 4);
    EXPECT_EQ(t.FindCharacter('A'), -1);
    for (bool forward : {true, false}) {
        t.SearchForwardSet(forward);
        EXPECT_EQ(t.FindCharacter('\0'), -1); // the terminator is not searched
    }
    EXPECT_EQ(Text().FindCharacter('a'), -1);

    Text bc("bc"), abcd("abcd"), empty(""), none;
    t.SearchForwardSet(false);
    EXPECT_EQ(t.FindString(bc), 1);
    EXPECT_EQ(Text("abc").FindString(abcd), -1);
    EXPECT_EQ(t.FindString(empty), 0);
    EXPECT_EQ(t.FindString(none), 0);
    EXPECT_EQ(none.FindString(bc), -1);
    t.SetAt(2, '\0'); // ends the text for FindString, not for FindCharacter
    EXPECT_EQ(t.FindString(bc), -1);
    EXPECT_EQ(t.FindCharacter('\0'), 2);
}

TEST(Search, CharacterSets) {
    Text blanks(" \t"), a("a"), empty, high("\xFF\x80"), ol("ol"), lo("ol"), cut("ab");
    lo.SearchForwardSet(false); // a set's direction changes nothing
    cut.SetAt(1, '\0');         // only the set's first length characters count
    EXPECT_EQ(Text("  x").SkipCharacters(blanks, 0), 2);
    EXPECT_EQ(Text("   ").SkipCharacters(blanks, 0), 3);
    EXPECT_EQ(Text("   ").SkipCharacters(blanks, 5), 5);
    EXPECT_EQ(Text(" x").SkipCharacters(blanks, -4), 1);
    const Text hello("hello");
    EXPECT_EQ(hello.FindFromCharacterSet(ol), 2);
    EXPECT_EQ(hello.FindFromCharacterSet(lo), 2);
    EXPECT_EQ(hello.FindFromCharacterSet(empty), -1);
    EXPECT_EQ(hello.FindNotFromCharacterSet(empty), 0);
    EXPECT_EQ(Text("aab").FindNotFromCharacterSet(a), 2);
    EXPECT_EQ(Text("aaa").FindNotFromCharacterSet(a), -1);
    EXPECT_EQ(Text("x\x80y").FindFromCharacterSet(high), 1);
    EXPECT_EQ(Text("\xFF\x80y").FindNotFromCharacterSet(high), 2);
    EXPECT_EQ(Text("xyb").FindFromCharacterSet(cut), -1);
}

TEST(Search, FindTokenWalksAndClamps) {
    const Text t("  ab,cd");
    Text delimiters(" ,");
    struct {
        int from;
        const char* token;
        int end;
    } const steps[] = {{0, "ab", 4}, {4, "cd", 7}, {7, "", 7}, {-3, "ab", 4}, {99, "", 7}};
    for (const auto& s : steps) {
        int position = s.from;
        EXPECT_EQ(Str(t.FindToken(delimiters, &position)), s.token) << s.from;
        EXPECT_EQ(position, s.end);
    }
    int position = 0;
    EXPECT_TRUE(Text().FindToken(delimiters, &position).IsEmpty());
    EXPECT_EQ(position, 0);
    EXPECT_TRUE(t.FindToken(delimiters, nullptr).IsEmpty());
}

TEST(Search, RemoveCompactsInPlace) {
    for (bool forward : {true, false}) {
        Text t("hello");
        t.SearchForwardSet(forward);
        t.Remove('l').Remove('z');
        EXPECT_EQ(t.LengthGet(), 3);
        EXPECT_EQ(std::memcmp(static_cast<char*>(t), "heo\0\0\0", 6), 0);
        EXPECT_EQ(t.IsSearchForward(), forward);
    }
    char array[] = "#a\xE9"
                   "a\xE9\0#";
    Text attached;
    attached.Attach(array + 1, 5);
    attached.Remove('\xE9');
    EXPECT_EQ(std::memcmp(array, "#aa\0\0\0#", 7), 0);
    Text nul("a");
    nul += Char('\0');
    nul += "b";
    EXPECT_EQ(Str(nul.Remove('\0')), "ab");
}
