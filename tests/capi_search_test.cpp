// C search and tokenizing functions on callers' arrays.
#include "VorelText.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

TEST(CapiSearch, CharacterSearches) {
    char s[] = "abcabc";
    EXPECT_EQ(vtxt_Text_strchr(s, 'b'), s + 1);
    EXPECT_EQ(vtxt_Text_strrchr(s, 'b'), s + 4);
    EXPECT_EQ(vtxt_Text_strchr(s, 0x162), s + 1); // only the low 8 bits count
    EXPECT_EQ(vtxt_Text_strrchr(s, 0x162), s + 4);
    EXPECT_EQ(vtxt_Text_strchr(s, 'z'), nullptr);
    EXPECT_EQ(vtxt_Text_strrchr(s, 'z'), nullptr);
    EXPECT_EQ(vtxt_Text_strchr(s, 0), nullptr); // the terminator is never found
    EXPECT_EQ(vtxt_Text_strrchr(s, 0x100), nullptr);
    EXPECT_EQ(vtxt_Text_strchr(nullptr, 'a'), nullptr);

    char high[] = "a\xE9q\xE9";
    EXPECT_EQ(vtxt_Text_strchr(high, 0xE9), high + 1);
    EXPECT_EQ(vtxt_Text_strrchr(high, -0x17), high + 3); // (char)0xE9 as a negative int
}

TEST(CapiSearch, CharacterSetSearches) {
    char abc[] = "abc", aab[] = "aab", aaa[] = "aaa", empty[] = "";
    char xc[] = "xc", c[] = "c", x[] = "x", a[] = "a";
    EXPECT_EQ(vtxt_Text_strpbrk(abc, xc), abc + 2);
    EXPECT_EQ(vtxt_Text_strpbrk(abc, x), nullptr);
    EXPECT_EQ(vtxt_Text_strpbrk(abc, empty), nullptr);
    EXPECT_EQ(vtxt_Text_strpbrk(abc, nullptr), nullptr);
    EXPECT_EQ(vtxt_Text_strpbrk(nullptr, xc), nullptr);

    EXPECT_EQ(vtxt_Text_strcspn(abc, c), 2);
    EXPECT_EQ(vtxt_Text_strcspn(abc, x), 3);
    EXPECT_EQ(vtxt_Text_strcspn(abc, nullptr), 3);
    EXPECT_EQ(vtxt_Text_strspn(aab, a), 2);
    EXPECT_EQ(vtxt_Text_strspn(aaa, a), 3);
    EXPECT_EQ(vtxt_Text_strspn(aab, empty), 0);
    EXPECT_EQ(vtxt_Text_strspn(empty, a), 0);
    EXPECT_EQ(vtxt_Text_strcspn(nullptr, a), 0);
}

TEST(CapiSearch, Strstr) {
    char aab[] = "aab", ab[] = "ab", abc[] = "abc", empty[] = "", bb[] = "bb";
    EXPECT_EQ(vtxt_Text_strstr(aab, ab), aab + 1);
    EXPECT_EQ(vtxt_Text_strstr(ab, abc), nullptr);
    EXPECT_EQ(vtxt_Text_strstr(abc, empty), abc);
    EXPECT_EQ(vtxt_Text_strstr(abc, nullptr), abc);
    EXPECT_EQ(vtxt_Text_strstr(aab, bb), nullptr); // a match may not run past the end
    // Unlike the C library, an empty haystack matches nothing, not even "".
    EXPECT_EQ(vtxt_Text_strstr(empty, empty), nullptr);
    EXPECT_EQ(vtxt_Text_strstr(empty, ab), nullptr);
    EXPECT_EQ(vtxt_Text_strstr(nullptr, nullptr), nullptr);
}

namespace {

struct Step {
    long token; // offset into the array, -1 for NULL
    long saved; // offset of the saved position, -1 for NULL
};

// Runs one tokenization to its NULL result, recording every call.
std::vector<Step> Tokenize(char* s, char* delimiters) {
    std::vector<Step> steps;
    char* saved = nullptr;
    char* token = vtxt_Text_strtok_r(s, delimiters, &saved);
    for (;;) {
        steps.push_back({token == nullptr ? -1 : token - s, saved == nullptr ? -1 : saved - s});
        if (token == nullptr)
            return steps;
        token = vtxt_Text_strtok_r(nullptr, delimiters, &saved);
    }
}

bool operator==(const Step& a, const Step& b) {
    return a.token == b.token && a.saved == b.saved;
}

} // namespace

TEST(CapiTokenize, SequencesAndSavedPositions) {
    struct Case {
        std::string text;
        const char* delimiters;
        std::vector<Step> steps;
        std::string after;
    };
    const std::vector<Case> cases = {
        {"a,b", ",", {{0, 2}, {2, -1}, {-1, -1}}, std::string("a\0b", 3)},
        {",,a", ",", {{2, -1}, {-1, -1}}, ",,a"},
        {"a,,,", ",", {{0, 2}, {-1, -1}}, std::string("a\0,,", 4)},
        {"a,,b", ",", {{0, 2}, {3, -1}, {-1, -1}}, std::string("a\0,b", 4)},
        {" x y ", " ", {{1, 3}, {3, 5}, {-1, -1}}, std::string(" x\0y\0", 5)},
        {"a,b", "", {{0, -1}, {-1, -1}}, "a,b"},
        {"a,b", nullptr, {{0, -1}, {-1, -1}}, "a,b"},
        {"", ",", {{-1, -1}}, ""},
        {",,,", ",", {{-1, -1}}, ",,,"},
        {"ab\xE9"
         "cd",
         "\xE9",
         {{0, 3}, {3, -1}, {-1, -1}},
         std::string("ab\0cd", 5)},
    };
    for (const Case& c : cases) {
        std::vector<char> array(c.text.begin(), c.text.end());
        array.push_back('\0');
        const std::string guard = "GUARD";
        array.insert(array.end(), guard.begin(), guard.end());
        char* delimiters = const_cast<char*>(c.delimiters);
        EXPECT_EQ(Tokenize(array.data(), delimiters), c.steps) << c.text;
        EXPECT_EQ(std::string(array.data(), c.text.size()), c.after) << c.text;
        EXPECT_EQ(std::string(array.data() + c.text.size(), 6), std::string("\0GUARD", 6));
    }
}

TEST(CapiTokenize, SavedPositionRules) {
    char delimiters[] = ",";
    EXPECT_EQ(vtxt_Text_strtok_r(delimiters, delimiters, nullptr), nullptr);
    EXPECT_STREQ(delimiters, ",");

    char* saved = nullptr;
    EXPECT_EQ(vtxt_Text_strtok_r(nullptr, delimiters, &saved), nullptr);
    EXPECT_EQ(saved, nullptr);

    // While a saved position is set, a new str is ignored.
    char first[] = "a,b,c";
    char second[] = "x,y";
    EXPECT_EQ(vtxt_Text_strtok_r(first, delimiters, &saved), first);
    EXPECT_EQ(vtxt_Text_strtok_r(second, delimiters, &saved), first + 2);
    EXPECT_EQ(saved, first + 4);
    EXPECT_STREQ(second, "x,y");
    EXPECT_EQ(vtxt_Text_strtok_r(second, delimiters, &saved), first + 4);
    EXPECT_EQ(saved, nullptr);
    EXPECT_EQ(vtxt_Text_strtok_r(second, delimiters, &saved), second); // a new sequence
}

TEST(CapiTokenize, ReadOnlyArrayWithoutDelimitersIsOnlyRead) {
    // Only a delimiter is ever overwritten, so a literal can be scanned.
    static const char literal[] = "whole";
    char* saved = nullptr;
    char comma[] = ",";
    char* s = const_cast<char*>(literal);
    EXPECT_EQ(vtxt_Text_strtok_r(s, comma, &saved), s);
    EXPECT_EQ(saved, nullptr);
}
