// Char: value semantics, classification and case in the C and a Latin-1
// locale, and the signed order in both operand forms.
#include "VorelText.h"

#include <gtest/gtest.h>

#include <clocale>
#include <iterator>
#include <string>

using VorelText::Char;

namespace {

// The classes a byte belongs to, one letter per test in declaration order:
// a IsAlpha, n IsAlphaNum, x IsAscii, c IsControl, d IsDigit, g IsGraph,
// l IsLower, p IsPrint, u IsPunct, s IsSpace, U IsUpper, w IsWhiteSpace.
std::string Classes(unsigned char byte) {
    Char c(static_cast<char>(byte));
    const bool answers[] = {c.IsAlpha(), c.IsAlphaNum(), c.IsAscii(), c.IsControl(),
                            c.IsDigit(), c.IsGraph(),    c.IsLower(), c.IsPrint(),
                            c.IsPunct(), c.IsSpace(),    c.IsUpper(), c.IsWhiteSpace()};
    std::string letters;
    for (std::size_t i = 0; i < std::size(answers); ++i)
        if (answers[i])
            letters += "anxcdglpusUw"[i];
    return letters;
}

struct ClassCase {
    unsigned char byte;
    const char* classes;
};

struct CaseCase {
    unsigned char byte, lower, upper;
};

template <std::size_t N> void ExpectClasses(const ClassCase (&cases)[N]) {
    for (const ClassCase& k : cases)
        EXPECT_EQ(Classes(k.byte), k.classes) << "byte 0x" << std::hex << +k.byte;
}

// ToLower/ToUpper return the new value and leave it in the object.
template <std::size_t N> void ExpectCase(const CaseCase (&cases)[N]) {
    for (const CaseCase& k : cases) {
        SCOPED_TRACE(testing::Message() << "byte 0x" << std::hex << +k.byte);
        Char lower(static_cast<char>(k.byte)), upper(static_cast<char>(k.byte));
        EXPECT_EQ(lower.ToLower(), static_cast<char>(k.lower));
        EXPECT_EQ(lower.value, static_cast<char>(k.lower));
        EXPECT_EQ(upper.ToUpper(), static_cast<char>(k.upper));
        EXPECT_EQ(upper.value, static_cast<char>(k.upper));
    }
}

class CharLatin1 : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"en_US.ISO-8859-1", "en_US.iso88591"})
            if (std::setlocale(LC_ALL, name) != nullptr)
                return;
        GTEST_SKIP() << "no Latin-1 locale (localedef -i en_US -f ISO-8859-1 en_US.ISO-8859-1)";
    }
    void TearDown() override { std::setlocale(LC_ALL, "C"); }
};

} // namespace

TEST(Char, ValueConstructionAndAssignment) {
    Char zero;
    EXPECT_EQ(zero.value, 0);
    EXPECT_EQ(static_cast<char>(zero), '\0');

    Char x('x');
    Char copy(x);
    EXPECT_EQ(copy.value, 'x');

    Char a, b;
    a = b = 'z'; // both assignments return the object itself
    EXPECT_EQ(a.value, 'z');
    EXPECT_EQ(b.value, 'z');
    EXPECT_EQ(&(a = x), &a);
    EXPECT_EQ(a.value, 'x');
}

TEST(Char, ClassifiesInTheCLocale) {
    const ClassCase cases[] = {
        {0x00, "xc"},    {' ', "xpsw"},  {'\t', "xcw"}, {'\n', "xcw"},
        {'\v', "xcw"},   {'\f', "xcw"},  {'\r', "xcw"}, {'a', "anxglp"},
        {'Q', "anxgpU"}, {'5', "nxdgp"}, {'!', "xgpu"}, {0x7F, "xc"},
        {0x80, ""},      {0xA0, ""},     {0xE9, ""},    {0xFF, ""},
    };
    ExpectClasses(cases);

    const CaseCase conversions[] = {
        {'a', 'a', 'A'}, {'Q', 'q', 'Q'}, {'1', '1', '1'}, {0xE9, 0xE9, 0xE9}, {0xFF, 0xFF, 0xFF},
    };
    ExpectCase(conversions);
}

TEST_F(CharLatin1, BytesAbove0x7FAreUnsignedExcept0xFF) {
    // 0x80..0xFE reach the C library as unsigned bytes; 0xFF, a letter in
    // this locale, still answers as EOF.
    const ClassCase cases[] = {
        {0x80, "c"}, {0xC9, "angpU"}, {0xE9, "anglp"}, {0xFF, ""}, {'a', "anxglp"}};
    ExpectClasses(cases);

    const CaseCase conversions[] = {
        {0xE9, 0xE9, 0xC9}, {0xC9, 0xE9, 0xC9}, {0xFF, 0xFF, 0xFF}, {'a', 'a', 'A'}};
    ExpectCase(conversions);
}

TEST(Char, OrdersAsSignedBytesInBothOperandForms) {
    struct {
        unsigned char left, right;
        int order; // -1, 0, 1
    } const cases[] = {
        {'a', 'b', -1},   {'a', 'a', 0},    {'b', 'a', 1},    {'A', 'a', -1},
        {'x', 'X', 1},    {0xE9, 'A', -1},  {0x80, 0x7F, -1}, {0x7F, 0x80, 1},
        {0x80, 0xFF, -1}, {0xFF, 0x00, -1}, {0xFF, 0xFF, 0},
    };
    for (const auto& k : cases) {
        const char r = static_cast<char>(k.right);
        Char l(static_cast<char>(k.left));
        const Char rc(r);
        SCOPED_TRACE(testing::Message() << std::hex << +k.left << " vs " << +k.right);
        const int o = k.order;
        const bool want[] = {(o == 0), (o != 0), (o < 0), (o <= 0), (o > 0), (o >= 0)};
        const bool withChar[] = {(l == rc), (l != rc), (l < rc), (l <= rc), (l > rc), (l >= rc)};
        const bool withByte[] = {(l == r), (l != r), (l < r), (l <= r), (l > r), (l >= r)};
        const char* names[] = {"==", "!=", "<", "<=", ">", ">="};
        for (int i = 0; i < 6; ++i) {
            EXPECT_EQ(withChar[i], want[i]) << names[i] << " Char";
            EXPECT_EQ(withByte[i], want[i]) << names[i] << " char";
        }
    }
}
