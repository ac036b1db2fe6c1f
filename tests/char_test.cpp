// Char: value semantics, classification and case in the C and a Latin-1
// locale, and the signed order in both operand forms.
#include "VorelText.h"

#include <gtest/gtest.h>

#include <clocale>
#include <iterator>

using VorelText::Char;

namespace {

enum : unsigned {
    kAlpha = 1u << 0,
    kAlNum = 1u << 1,
    kAscii = 1u << 2,
    kCntrl = 1u << 3,
    kDigit = 1u << 4,
    kGraph = 1u << 5,
    kLower = 1u << 6,
    kPrint = 1u << 7,
    kPunct = 1u << 8,
    kSpace = 1u << 9,
    kUpper = 1u << 10,
    kWhite = 1u << 11,
};

unsigned Classes(unsigned char byte) {
    Char c(static_cast<char>(byte));
    const bool answers[] = {c.IsAlpha(), c.IsAlphaNum(), c.IsAscii(), c.IsControl(),
                            c.IsDigit(), c.IsGraph(),    c.IsLower(), c.IsPrint(),
                            c.IsPunct(), c.IsSpace(),    c.IsUpper(), c.IsWhiteSpace()};
    unsigned bits = 0;
    for (std::size_t i = 0; i < std::size(answers); ++i)
        bits |= answers[i] ? 1u << i : 0u;
    return bits;
}

struct ClassCase {
    unsigned char byte;
    unsigned classes;
};

struct CaseCase {
    unsigned char byte, lower, upper;
};

void ExpectClasses(const ClassCase* cases, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i)
        EXPECT_EQ(Classes(cases[i].byte), cases[i].classes)
            << "byte 0x" << std::hex << unsigned(cases[i].byte);
}

// ToLower/ToUpper return the new value and leave it in the object.
void ExpectCase(const CaseCase* cases, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        const CaseCase& k = cases[i];
        Char lower(static_cast<char>(k.byte)), upper(static_cast<char>(k.byte));
        EXPECT_EQ(static_cast<unsigned char>(lower.ToLower()), k.lower) << std::hex << +k.byte;
        EXPECT_EQ(static_cast<unsigned char>(lower.value), k.lower) << std::hex << +k.byte;
        EXPECT_EQ(static_cast<unsigned char>(upper.ToUpper()), k.upper) << std::hex << +k.byte;
        EXPECT_EQ(static_cast<unsigned char>(upper.value), k.upper) << std::hex << +k.byte;
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
    const unsigned letter = kAlpha | kAlNum | kAscii | kGraph | kPrint;
    const ClassCase cases[] = {
        {0x00, kAscii | kCntrl},
        {' ', kAscii | kPrint | kSpace | kWhite},
        // white space but not space
        {'\t', kAscii | kCntrl | kWhite},
        {'\n', kAscii | kCntrl | kWhite},
        {'\v', kAscii | kCntrl | kWhite},
        {'\f', kAscii | kCntrl | kWhite},
        {'\r', kAscii | kCntrl | kWhite},
        {'a', letter | kLower},
        {'Q', letter | kUpper},
        {'5', kAlNum | kAscii | kDigit | kGraph | kPrint},
        {'!', kAscii | kGraph | kPrint | kPunct},
        {0x7F, kAscii | kCntrl},
        {0x80, 0},
        {0xA0, 0},
        {0xE9, 0},
        {0xFF, 0},
    };
    ExpectClasses(cases, std::size(cases));

    const CaseCase conversions[] = {
        {'a', 'a', 'A'}, {'Q', 'q', 'Q'}, {'1', '1', '1'}, {0xE9, 0xE9, 0xE9}, {0xFF, 0xFF, 0xFF},
    };
    ExpectCase(conversions, std::size(conversions));
}

TEST_F(CharLatin1, BytesAbove0x7FAreUnsignedExcept0xFF) {
    const unsigned letter = kAlpha | kAlNum | kGraph | kPrint;
    const ClassCase cases[] = {
        {0x80, kCntrl}, // a signed -128 would be outside the C library's domain
        {0xC9, letter | kUpper},
        {0xE9, letter | kLower},
        {0xFF, 0}, // y with diaeresis, yet it answers as EOF
        {'a', letter | kAscii | kLower},
    };
    ExpectClasses(cases, std::size(cases));

    const CaseCase conversions[] = {
        {0xE9, 0xE9, 0xC9}, {0xC9, 0xE9, 0xC9}, {0xFF, 0xFF, 0xFF}, {'a', 'a', 'A'}};
    ExpectCase(conversions, std::size(conversions));
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
        EXPECT_EQ(l == rc, k.order == 0);
        EXPECT_EQ(l == r, k.order == 0);
        EXPECT_EQ(l != rc, k.order != 0);
        EXPECT_EQ(l != r, k.order != 0);
        EXPECT_EQ(l < rc, k.order < 0);
        EXPECT_EQ(l < r, k.order < 0);
        EXPECT_EQ(l <= rc, k.order <= 0);
        EXPECT_EQ(l <= r, k.order <= 0);
        EXPECT_EQ(l > rc, k.order > 0);
        EXPECT_EQ(l > r, k.order > 0);
        EXPECT_EQ(l >= rc, k.order >= 0);
        EXPECT_EQ(l >= r, k.order >= 0);
    }
}
