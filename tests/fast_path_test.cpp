// The fast paths against plain models of the same rules: comparison, set
// searches and case conversion a block at a time (over lengths that cross
// every block size and tail, in the "C" locale and a Latin-1 one), and
// Concatenate without its intermediate substring.
#include "FuzzSupport.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <locale.h>
#include <random>
#include <string>
#include <vector>

using VorelText::Char;
using VorelText::Text;

namespace {

using vtest::Exact;

// Bytes drawn mostly from a few letters of both cases, with NUL, bytes above
// 0x7F (0xC9/0xE9 are a case pair in Latin-1) and 0xFF mixed in.
std::string Random(std::mt19937& rng, std::size_t n) {
    static const char pool[] = {'a', 'A', 'b',  'B',    'z',    'Z',    '@',    '[',
                                '`', '{', '\0', '\x80', '\xC9', '\xE9', '\xFF', ' '};
    std::uniform_int_distribution<int> pick(0, sizeof pool - 1);
    std::string s(n, 'a');
    for (char& c : s)
        c = pool[pick(rng)];
    return s;
}

// The first index from `from` whose byte's membership in set differs from inSet.
int ModelSkip(const std::string& s, const std::string& set, std::size_t from, bool inSet) {
    std::size_t i = from;
    while (i < s.size() && (set.find(s[i]) != std::string::npos) == inSet)
        ++i;
    return static_cast<int>(i);
}

void CheckAll(std::mt19937& rng) {
    const std::vector<std::string> sets = {"a",
                                           "\xE9",
                                           "aB",
                                           std::string("z\0", 2),
                                           "@[`{ \x80",
                                           "abcdefghijklmnopq",
                                           "aAbBzZ@[`{ \x80\xC9\xE9\xFF"};
    for (std::size_t n = 0; n <= 300; n += n < 140 ? 1 : 23) {
        const std::string s = Random(rng, n);
        // A partner equal to s but for case and for one changed byte.
        std::string t = s;
        std::transform(t.begin(), t.end(), t.begin(), [](char c) { return Char(c).ToUpper(); });
        if (n > 0 && rng() % 2 == 0)
            t[rng() % n] = Random(rng, 1)[0];
        Exact a(s), b(t), same(s);
        for (bool sensitive : {true, false}) {
            a.text.CaseSensitivitySet(sensitive);
            for (unsigned count : {4294967295u, static_cast<unsigned>(n / 2)}) {
                ASSERT_EQ(a.text.Compare(b.text, count), vfuzz::Order(s, t, count, !sensitive))
                    << "length " << n << " sensitive " << sensitive << " count " << count;
                ASSERT_EQ(a.text.Compare(same.text, count), 0);
            }
        }
        for (const std::string& chars : sets) {
            Exact set(chars);
            const int first = ModelSkip(s, chars, 0, false);
            const int firstNot = ModelSkip(s, chars, 0, true);
            ASSERT_EQ(a.text.FindFromCharacterSet(set.text),
                      first < static_cast<int>(n) ? first : -1)
                << "length " << n << " set " << chars;
            ASSERT_EQ(a.text.FindNotFromCharacterSet(set.text),
                      firstNot < static_cast<int>(n) ? firstNot : -1);
            ASSERT_EQ(a.text.SkipCharacters(set.text, static_cast<int>(n / 3)),
                      ModelSkip(s, chars, n / 3, true));
        }
        for (bool upper : {true, false}) {
            Exact converted(s);
            upper ? converted.text.ToUpper() : converted.text.ToLower();
            for (std::size_t i = 0; i < n; ++i) {
                Char c(s[i]);
                ASSERT_EQ(converted.bytes[i], upper ? c.ToUpper() : c.ToLower()) << i;
            }
            ASSERT_EQ(converted.bytes[n], '\0');
        }
    }
}

} // namespace

// One difference at every position of every length up to 200, in each
// direction, with and without case; the rest differs only in case.
TEST(FastPath, CompareFindsEveryPosition) {
    for (std::size_t n = 1; n <= 200; ++n) {
        const std::string lower(n, 'q');
        for (std::size_t at = 0; at < n; ++at) {
            std::string upper(n, 'Q'), same(n, 'q');
            upper[at] = 'R';
            same[at] = '\x80';
            Exact a(lower), b(upper), c(same);
            a.text.CaseSensitivitySet(false);
            b.text.CaseSensitivitySet(false);
            ASSERT_EQ(a.text.Compare(b.text, 200), -1) << n << " " << at;
            ASSERT_EQ(b.text.Compare(a.text, 200), 1) << n << " " << at;
            ASSERT_EQ(a.text.Compare(c.text, 200), 1) << n << " " << at;
            ASSERT_EQ(c.text.Compare(a.text, 200), -1) << n << " " << at;
        }
    }
}

TEST(FastPath, AgreesWithByteModelInCLocale) {
    std::mt19937 rng(7);
    CheckAll(rng);
}

TEST(FastPath, AgreesWithByteModelInLatin1) {
    VTEST_LATIN1_OR_SKIP();
    std::mt19937 rng(11);
    CheckAll(rng);
    // Long texts whose only differences are Latin-1 case pairs, which the
    // ASCII block filter reports and the locale's table then folds together.
    std::string lower(200, 'a'), upper(200, 'A');
    for (std::size_t i = 5; i < 200; i += 37) {
        lower[i] = '\xE9';
        upper[i] = '\xC9';
    }
    Exact a(lower), b(upper);
    a.text.CaseSensitivitySet(false);
    EXPECT_EQ(a.text.Compare(b.text, 200), 0);
    b.text.SetAt(199, 'b');
    EXPECT_EQ(a.text.Compare(b.text, 200), -1);
}

#if defined(__GLIBC__)
// A locale set for this thread alone (uselocale) is the one in force.
TEST(FastPath, FollowsTheThreadsLocale) {
    locale_t latin1 = newlocale(LC_ALL_MASK, "en_US.ISO-8859-1", nullptr);
    if (latin1 == nullptr)
        latin1 = newlocale(LC_ALL_MASK, "en_US.iso88591", nullptr);
    if (latin1 == nullptr)
        GTEST_SKIP() << "locale en_US.ISO-8859-1 is not installed";
    const std::string e(40, '\xE9'), E(40, '\xC9');
    Exact lower(e), upper(E);
    lower.text.CaseSensitivitySet(false);
    EXPECT_EQ(lower.text.Compare(upper.text, 40), 1); // "C": 0xE9 and 0xC9 differ
    const locale_t previous = uselocale(latin1);
    EXPECT_EQ(lower.text.Compare(upper.text, 40), 0);
    lower.text.ToUpper();
    EXPECT_EQ(std::string(lower.bytes.data()), E);
    uselocale(previous);
    freelocale(latin1);
    lower.text.ToLower();
    EXPECT_EQ(std::string(lower.bytes.data()), E); // "C" leaves 0xC9 alone
}
#endif

// Concatenate appends exactly what appending SubString(0, count) appends,
// growing to the same size: counts around the length, a NUL inside the
// source, the object itself as the source.
TEST(FastPath, ConcatenateAppendsTheSubstring) {
    Text src("abcdef");
    src.SetAt(4, '\0');
    for (int count : {-1, 0, 1, 3, 4, 5, 6, 7}) {
        for (int filled : {0, 2, 250, 251, 252}) {
            Text viaPiece(std::string(static_cast<std::size_t>(filled), 'x').c_str());
            viaPiece = viaPiece + ""; // exact size: growth shows
            Text direct(viaPiece);
            direct = viaPiece;
            viaPiece += src.SubString(0, count);
            EXPECT_TRUE(direct.Concatenate(src, count));
            EXPECT_EQ(direct.LengthGet(), viaPiece.LengthGet()) << count << " " << filled;
            EXPECT_EQ(direct.SizeGet(), viaPiece.SizeGet()) << count << " " << filled;
            EXPECT_STREQ(direct, viaPiece);
        }
    }
    Text self("abc");
    EXPECT_TRUE(self.Concatenate(self, 2));
    EXPECT_STREQ(self, "abcab");
}
