// Char: classification and case in the "C" locale, and the signed order in
// both operand forms.
#include "TestSupport.h"

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
