// Formatting constructor and case conversion.
#include "VorelText.h"

#include <gtest/gtest.h>

#include <cstring>
#include <cwchar>
#include <string>

using VorelText::Text;

namespace {

void ExpectNoBuffer(const Text& t) {
    EXPECT_EQ(static_cast<char*>(t), nullptr);
    EXPECT_EQ(t.LengthGet(), 0);
    EXPECT_EQ(t.SizeGet(), 0);
}

std::string Repeat(const std::string& s, int times) {
    std::string all;
    while (times-- > 0)
        all += s;
    return all;
}

} // namespace

TEST(Format, Basics) {
    char xd[] = "x=%d";
    Text x(xd, 5);
    EXPECT_STREQ(x, "x=5");
    EXPECT_EQ(x.LengthGet(), 3);
    EXPECT_EQ(x.SizeGet(), 256);
    EXPECT_TRUE(x.IsCaseSensitive() && x.IsSearchForward());

    char percent[] = "%%";
    Text p(percent);
    EXPECT_STREQ(p, "%");
    EXPECT_EQ(p.LengthGet(), 1);

    char withNul[] = "a%cb";
    Text n(withNul, 0);
    EXPECT_EQ(n.LengthGet(), 1);
    EXPECT_EQ(n.SizeGet(), 256);

    char* none = nullptr;
    char empty[] = "";
    ExpectNoBuffer(Text(none));
    ExpectNoBuffer(Text(empty));
}

TEST(Format, SizeFollowsFormatUnlessResultIsLonger) {
    struct Case {
        std::string format;
        int length, size;
    } cases[] = {
        {std::string(255, 'f'), 255, 256},
        {std::string(256, 'f'), 256, 512},
        {"%255s", 255, 256},                  // result and NUL fill the format's block exactly
        {"%256s", 256, 512},                  // one more: the block above the result
        {Repeat("%1$.0s", 43) + "x", 1, 512}, // a long format, a short result
    };
    for (Case& c : cases) {
        Text t(&c.format[0], ""); // a non-const char* selects formatting
        EXPECT_EQ(t.LengthGet(), c.length) << c.format;
        EXPECT_EQ(t.SizeGet(), c.size) << c.format;
        EXPECT_EQ(std::strlen(t), static_cast<std::size_t>(c.length)) << c.format;
    }
    char s[] = "<%s>";
    const std::string long300(300, 'q');
    Text whole(s, long300.c_str());
    EXPECT_EQ(std::string(whole), "<" + long300 + ">");
    EXPECT_EQ(whole.SizeGet(), 512);
}

TEST(Format, EncodingErrorLeavesNoBuffer) {
    // In the "C" locale the euro sign has no multibyte form.
    const wchar_t euro[] = {0x20AC, 0};
    char ls[] = "ab%ls";
    ExpectNoBuffer(Text(ls, euro));
}

TEST(Case, ConvertsAllCharactersInPlace) {
    Text t("abc1");
    t.ToUpper();
    EXPECT_STREQ(t, "ABC1");
    t.ToLower();
    EXPECT_STREQ(t, "abc1");

    Text none;
    none.ToUpper();
    none.ToLower();
    EXPECT_EQ(static_cast<char*>(none), nullptr);

    // Past an embedded NUL, stopping at the length; 0x80..0xFF unchanged in "C".
    char guarded[] = "#ab-cd\xE9\xFFz\0#";
    Text attached;
    attached.Attach(guarded + 1, 9);
    attached.SetAt(2, '\0');
    attached.ToUpper();
    EXPECT_EQ(std::memcmp(guarded, "#AB\0CD\xE9\xFFZ\0#", sizeof guarded), 0);
    EXPECT_EQ(attached.LengthGet(), 8);
    attached.ToLower();
    EXPECT_EQ(std::memcmp(guarded, "#ab\0cd\xE9\xFFz\0#", sizeof guarded), 0);
}
