// Char: classification and case in the C and a Latin-1 locale, where Text's
// case conversion and comparison ignoring case agree with it, and the signed
// order in both operand forms.
#include "TestSupport.h"

#include <clocale>

namespace {

struct Case {
    unsigned char byte;
    // The tests answering true: a IsAlpha, n IsAlphaNum, x IsAscii, c IsControl,
    // d IsDigit, g IsGraph, l IsLower, p IsPrint, u IsPunct, s IsSpace,
    // U IsUpper, w IsWhiteSpace.
    const char* classes;
    unsigned char lower, upper;
};

void Expect(std::initializer_list<Case> cases) {
    for (const Case& k : cases) {
        Char c(static_cast<char>(k.byte)), lower(c), upper(c);
        const bool answers[] = {c.IsAlpha(), c.IsAlphaNum(), c.IsAscii(), c.IsControl(),
                                c.IsDigit(), c.IsGraph(),    c.IsLower(), c.IsPrint(),
                                c.IsPunct(), c.IsSpace(),    c.IsUpper(), c.IsWhiteSpace()};
        std::string s;
        for (int i = 0; i < 12; ++i)
            if (answers[i])
                s += "anxcdglpusUw"[i];
        const char l = lower.ToLower(), u = upper.ToUpper(); // also left in the objects
        const std::string conversions{' ', char(k.lower), char(k.upper), char(k.lower),
                                      char(k.upper)};
        EXPECT_EQ(s + ' ' + l + u + lower.value + upper.value, k.classes + conversions)
            << std::hex << +k.byte;
    }
}

} // namespace

TEST(Char, ClassifiesAndConvertsInTheCLocale) {
    // clang-format off
    Expect({{0x00, "xc", 0x00, 0x00}, {' ', "xpsw", ' ', ' '}, {'\t', "xcw", '\t', '\t'},
            {'a', "anxglp", 'a', 'A'}, {'Q', "anxgpU", 'q', 'Q'}, {'5', "nxdgp", '5', '5'},
            {'!', "xgpu", '!', '!'}, {0x7F, "xc", 0x7F, 0x7F}, {0x80, "", 0x80, 0x80},
            {0xE9, "", 0xE9, 0xE9}, {0xFF, "", 0xFF, 0xFF}});
    // clang-format on
}

TEST(Char, Latin1BytesAboveAsciiAreUnsignedExcept0xFF) {
    VTEST_LATIN1_OR_SKIP();
    // 0xFF, a letter in this locale, still answers as EOF.
    // clang-format off
    Expect({{0xD7, "gpu", 0xD7, 0xD7}, {0xC9, "angpU", 0xE9, 0xC9}, {0xE9, "anglp", 0xE9, 0xC9},
            {0xFF, "", 0xFF, 0xFF}, {'a', "anxglp", 'a', 'A'}});
    // clang-format on
    // Every byte: Text's ToUpper and its comparison ignoring case agree with Char.
    std::string all, upper;
    for (int b = 1; b < 256; ++b) {
        all += static_cast<char>(b);
        upper += Char(static_cast<char>(b)).ToUpper();
    }
    Text converted(all.c_str()), folded(all.c_str()), exact(upper.c_str());
    converted.ToUpper();
    EXPECT_EQ(Show(converted), upper + " 255/65536");
    folded.CaseSensitivitySet(false);
    EXPECT_EQ(Ints({folded.Compare(exact, 255), exact.Compare(folded, 255),
                    folded.Compare(Text(all.c_str()), 255)}),
              "0,-1,0");
}

TEST(Char, OrdersAsSignedBytesInBothOperandForms) {
    // clang-format off
    const struct { unsigned char left, right; int order; } cases[] = {
        {'a', 'b', -1}, {'a', 'a', 0}, {'b', 'a', 1}, {'x', 'X', 1}, {0xE9, 'A', -1},
        {0x80, 0x7F, -1}, {0x7F, 0x80, 1}, {0x80, 0xFF, -1}, {0xFF, 0x00, -1}, {0xFF, 0xFF, 0}};
    // clang-format on
    Char a, b; // NUL by default; the assignments return the object itself
    EXPECT_EQ(a.value | b.value, '\0');
    a = b = 'z';
    EXPECT_EQ(std::string() + a.value + b.value, "zz");
    for (const auto& k : cases) {
        Char left(static_cast<char>(k.left));
        const char right = static_cast<char>(k.right);
        EXPECT_TRUE(vfuzz::FollowsOrder(left, Char(right), k.order)) << +k.left;
        EXPECT_TRUE(vfuzz::FollowsOrder(left, right, k.order)) << +k.left;
        EXPECT_TRUE(vfuzz::FollowsOrder(right, left, -k.order)) << +k.left;
    }
}
