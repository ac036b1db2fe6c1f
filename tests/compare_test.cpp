// Comparison: Compare's -1/0/1 in signed order, its guards and case folding,
// the relational operators, and case folding in a Latin-1 locale.
#include "VorelText.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstring>
#include <string>
#include <vector>

using VorelText::Char;
using VorelText::Text;

namespace {

// A Text attached to a heap array of exactly length + 1 bytes, so that a read
// past the terminator is caught; embedded NULs stay inside the length.
class Exact {
public:
    explicit Exact(const std::string& s, bool caseSensitive = true) : bytes(s.size() + 1, 'x') {
        bytes.back() = '\0';
        text.Attach(bytes.data(), static_cast<int>(bytes.size()));
        for (std::size_t i = 0; i < s.size(); ++i)
            text.SetAt(static_cast<int>(i), s[i]);
        text.CaseSensitivitySet(caseSensitive);
    }
    Exact(const Exact&) = delete;
    Exact& operator=(const Exact&) = delete;

    std::vector<char> bytes;
    Text text;
};

std::string Nul(const char* a, const char* b) {
    return std::string(a) + '\0' + b;
}

// Switches LC_ALL to a Latin-1 locale for one test and back to "C" after.
class Latin1 {
public:
    Latin1() {
        active = std::setlocale(LC_ALL, "en_US.ISO-8859-1") != nullptr ||
                 std::setlocale(LC_ALL, "en_US.iso88591") != nullptr;
    }
    ~Latin1() { std::setlocale(LC_ALL, "C"); }
    bool active;
};

} // namespace

TEST(Compare, Table) {
    constexpr unsigned kAll = 4294967295u;
    struct Case {
        std::string left, right;
        unsigned count;
        bool leftCaseSensitive, rightCaseSensitive;
        int expected;
    } cases[] = {
        {"", "", 0, true, true, 0},
        {"", "a", 0, true, true, -1},
        {"a", "", 0, true, true, 1},
        {"abc", "abd", 2, true, true, 0},
        {"abc", "abd", 3, true, true, -1},
        {"abc", "abd", 0, true, true, 0},
        {"a", "z", kAll, true, true, -1}, // exactly -1, not a difference
        {"ab", "abc", kAll, true, true, -1},
        {"abc", "ab", 0x80000000u, true, true, 1}, // not a negative count
        {"ab", "ab\xE9", 3, true, true, 1},        // 0xE9 orders below the terminator
        {"a\xE9", "ab", 2, true, true, -1},
        {"abc", "ABC", 3, true, false, 1}, // only this object's flag counts
        {"abc", "ABC", 3, false, true, 0},
        {"ABC", "abd", 3, false, true, -1},
        {"\xFF", "\xFF", 1, false, true, 0},
        {"\xFF", "a", 1, false, true, -1},
        {"\xC9", "A", 1, false, true, -1}, // folded order is signed too
        // A NUL inside one length: the guard one past the other's length.
        {"ab", Nul("ab", "c"), 4, true, true, -1},
        {Nul("ab", "c"), "ab", 4, true, true, 1},
        {"ab", Nul("ab", "c"), 3, true, true, 0},
        {"AB", Nul("ab", "c"), kAll, false, true, -1},
        {Nul("ab", "c"), "AB", kAll, false, true, 1},
        // NULs inside both lengths: the characters after them still count.
        {Nul("a", "b"), Nul("a", "c"), 3, true, true, -1},
        {Nul("a", "C"), Nul("a", "b"), 3, false, true, 1},
    };
    for (const Case& c : cases) {
        Exact left(c.left, c.leftCaseSensitive), right(c.right, c.rightCaseSensitive);
        EXPECT_EQ(left.text.Compare(right.text, c.count), c.expected)
            << '"' << c.left << "\" vs \"" << c.right << "\" count " << c.count;
    }
}

TEST(Compare, LongTextsFirstDifferenceAnywhere) {
    for (int at : {0, 63, 64, 65, 127, 128, 255, 256, 299}) {
        std::string base(300, 'a'), other = base;
        other[at] = '\x80';
        Exact a(base), b(other), same(base);
        EXPECT_EQ(a.text.Compare(b.text, 300), 1) << at;
        EXPECT_EQ(b.text.Compare(a.text, 300), -1) << at;
        EXPECT_EQ(a.text.Compare(b.text, static_cast<unsigned>(at)), 0) << at;
        EXPECT_EQ(a.text.Compare(same.text, 300), 0) << at;
    }
}

TEST(Relational, AllFormsAgree) {
    Exact abc("abc"), abb("abb"), a("a"), empty("");
    char abcArray[] = "abc";
    Text& t = abc.text;
    EXPECT_TRUE(t == abc.text && t <= abc.text && t >= abc.text);
    EXPECT_FALSE(t != abc.text || t < abc.text || t > abc.text);
    EXPECT_TRUE(t == abcArray && t <= abcArray && t >= abcArray);
    EXPECT_FALSE(t != abcArray || t < abcArray || t > abcArray);
    EXPECT_TRUE(t > abb.text && t >= abb.text && t != abb.text);
    EXPECT_TRUE(abb.text < t && abb.text <= t);

    EXPECT_TRUE(a.text == Char('a') && a.text <= Char('a') && a.text >= Char('a'));
    EXPECT_TRUE(a.text < Char('b') && a.text > Char('\x80'));
    EXPECT_TRUE(t > Char('a')); // "abc" against "a"

    char* none = nullptr;
    EXPECT_TRUE(empty.text == none && empty.text == Char('\0'));
    EXPECT_TRUE(t != none && t > none && t != Char('\0'));
    Text noBuffer;
    EXPECT_TRUE(noBuffer == none && noBuffer < abcArray);

    Exact upper("ABC", false);
    EXPECT_TRUE(upper.text == abcArray);
    upper.text.CaseSensitivitySet(true);
    EXPECT_FALSE(upper.text == abcArray);
    EXPECT_STREQ(abcArray, "abc");
}

TEST(Latin1, CaseFoldingAgreesWithChar) {
    Latin1 locale;
    if (!locale.active)
        GTEST_SKIP() << "locale en_US.ISO-8859-1 is not installed";

    Exact lower("\xE9t\xE9", false), upper("\xC9T\xC9", true);
    EXPECT_EQ(lower.text.Compare(upper.text, 3), 0);
    EXPECT_EQ(upper.text.Compare(lower.text, 3), -1); // 0xC9 < 0xE9 as signed bytes

    // Every byte: ToUpper, Char::ToUpper and a comparison ignoring case agree.
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    Exact converted(all);
    converted.text.ToUpper();
    for (int b = 1; b < 256; ++b) {
        Char c(static_cast<char>(b));
        const char up = c.ToUpper();
        EXPECT_EQ(converted.bytes[b - 1], up) << b;
        Exact one(std::string(1, static_cast<char>(b)), false), other(std::string(1, up));
        EXPECT_EQ(one.text.Compare(other.text, 1), 0) << b;
    }
    EXPECT_EQ(converted.bytes[0xE9 - 1], '\xC9');
    EXPECT_EQ(converted.bytes[0xFF - 1], '\xFF');
}
