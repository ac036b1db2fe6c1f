// The fast paths where the fuzz harnesses' replay does not reach: a
// difference at every position of every block size and tail, texts that
// differ only by Latin-1 case pairs, the thread's own locale, and a removal
// at every position.
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <locale.h>
#include <string>

using vtest::Exact;

// One difference at every position of every length up to 200, in each
// direction, with and without case; the rest differs only in case. The
// letters vary, so that a block compared at the wrong offset differs.
TEST(FastPath, CompareFindsEveryPosition) {
    vtest::ForEachPath([] {
        for (std::size_t n = 1; n <= 200; ++n) {
            std::string lower(n, 'a');
            for (std::size_t i = 0; i < n; ++i)
                lower[i] = static_cast<char>('a' + i % 23);
            for (std::size_t at = 0; at < n; ++at) {
                std::string upper = vtest::Upper(lower), same = lower;
                upper[at] = static_cast<char>(upper[at] + 1);
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
    });
}

TEST(FastPath, FoldsLatin1CasePairsInLongTexts) {
    VTEST_LATIN1_OR_SKIP();
    // Long texts whose only differences are Latin-1 case pairs, which the
    // ASCII block filter reports and the locale's table then folds together.
    std::string lower(200, 'a'), upper(200, 'A');
    for (std::size_t i = 5; i < 200; i += 37) {
        lower[i] = '\xE9';
        upper[i] = '\xC9';
    }
    vtest::ForEachPath([&] {
        Exact a(lower), b(upper);
        a.text.CaseSensitivitySet(false);
        EXPECT_EQ(a.text.Compare(b.text, 200), 0);
        b.text.SetAt(199, 'b');
        EXPECT_EQ(a.text.Compare(b.text, 200), -1);
    });
}

#if defined(__GLIBC__)
// A locale set for this thread alone (uselocale) is the one in force, and
// where its ASCII letters do not pair up (Turkish 'I' lowers to the dotless
// 0xFD), comparison ignoring case takes no ASCII shortcut.
TEST(FastPath, FollowsTheThreadsLocale) {
    locale_t latin1 = newlocale(LC_ALL_MASK, "en_US.ISO-8859-1", nullptr);
    locale_t turkish = newlocale(LC_ALL_MASK, "tr_TR.ISO-8859-9", nullptr);
    if ((latin1 == nullptr || turkish == nullptr) && std::getenv("CI") != nullptr)
        FAIL() << "CI must create the Latin-1 and Turkish locales (see .ci/setup)";
    if (latin1 == nullptr || turkish == nullptr)
        GTEST_SKIP() << "locale en_US.ISO-8859-1 or tr_TR.ISO-8859-9 is not installed";
    const std::string e(40, '\xE9'), E(40, '\xC9');
    Exact lower(e), upper(E);
    lower.text.CaseSensitivitySet(false);
    EXPECT_EQ(lower.text.Compare(upper.text, 40), 1); // "C": 0xE9 and 0xC9 differ
    const locale_t previous = uselocale(latin1);
    EXPECT_EQ(lower.text.Compare(upper.text, 40), 0);
    lower.text.ToUpper();
    EXPECT_EQ(std::string(lower.bytes.data()), E);
    uselocale(turkish);
    Exact capitalI(std::string(40, 'I'), false), smallI(std::string(40, 'i'));
    EXPECT_EQ(capitalI.text.Compare(smallI.text, 40), -1); // 0xFD orders before 'i'
    uselocale(previous);
    freelocale(latin1);
    freelocale(turkish);
    lower.text.ToLower();
    EXPECT_EQ(std::string(lower.bytes.data()), E); // "C" leaves 0xC9 alone
}
#endif

// Remove on a text long enough for blocks: a first occurrence moves all that
// follows, and a second at each place in turn must leave its block, and only
// its block, one character short; blocks without one are moved whole.
TEST(FastPath, RemoveAtEveryPosition) {
    vtest::ForEachPath([] {
        std::string letters(200, 'a');
        for (std::size_t i = 0; i < letters.size(); ++i)
            letters[i] = static_cast<char>('a' + i % 23);
        for (std::size_t at = 1; at < letters.size(); ++at) {
            std::string s = letters;
            s[0] = s[at] = '#';
            Exact t(s);
            t.text.Remove('#');
            const std::string kept = letters.substr(1, at - 1) + letters.substr(at + 1);
            ASSERT_EQ(std::string(t.bytes.data(), t.bytes.size()) + Ints({t.text.LengthGet()}),
                      kept + std::string(3, '\0') + Ints({static_cast<long>(kept.size())}))
                << at;
        }
    });
}
