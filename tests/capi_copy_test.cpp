// C copy, join and compare functions: the bytes written, the errors and the
// -1/0/1 signed order.
#include "AllocationCount.h"
#include "VorelText.h"
#include "capi_guard.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using Indexes = std::vector<long>;

Indexes Range(long first, long last) {
    Indexes r;
    for (long i = first; i <= last; ++i)
        r.push_back(i);
    return r;
}

std::string Repeat(std::size_t n) {
    return std::string(n, 'q');
}

} // namespace

TEST(CapiFrame, WrappersNeverReleaseCallersArrays) {
    if (!vtest::ArrayAllocationsCounted())
        GTEST_SKIP() << "array delete is not ours to count under this tool";
    char* src = new char[8];
    std::strcpy(src, "b,c");
    char* dst = new char[32];
    for (char* watched : {src, dst}) {
        vtest::WatchDeletes(watched);
        char* saved = nullptr;
        vtxt_Text_strcpy(dst, src);
        vtxt_Text_strncpy(dst, src, 2);
        vtxt_Text_strcat(dst, 32, src);
        vtxt_Text_strncat(dst, src, 1);
        vtxt_Text__stricmp(dst, src);
        vtxt_Text_strpbrk(dst, src);
        vtxt_Text_strtok_r(dst, src, &saved);
        EXPECT_EQ(vtest::WatchedDeletes(), 0);
        vtest::WatchDeletes(nullptr);
    }
    EXPECT_STREQ(src, "b,c");
    delete[] src;
    delete[] dst;
}

TEST(CapiCopy, StrcpyWritesSourceAndOneTerminator) {
    GuardedArray dst(8);
    char src[] = "abc";
    EXPECT_EQ(vtxt_Text_strcpy(dst.data(), src), dst.data());
    EXPECT_STREQ(dst.data(), "abc");
    EXPECT_EQ(dst.Changed(), Range(0, 3));
    EXPECT_STREQ(src, "abc");

    GuardedArray empty(8, "xyz");
    EXPECT_EQ(vtxt_Text_strcpy(empty.data(), nullptr), empty.data());
    EXPECT_EQ(empty.Changed(), Range(0, 0));
    EXPECT_EQ(vtxt_Text_strcpy(nullptr, src), nullptr);
}

TEST(CapiCopy, StrcpyLetsBufferTooSmallPass) {
    std::string fits = Repeat(32766);
    GuardedArray dst(32767);
    EXPECT_EQ(vtxt_Text_strcpy(dst.data(), fits.data()), dst.data());
    EXPECT_EQ(dst.data(), fits);
    EXPECT_EQ(dst.Changed(), Range(0, 32766));

    std::string tooLong = Repeat(32767);
    GuardedArray big(32768, "old");
    const char* caught = nullptr;
    try {
        vtxt_Text_strcpy(big.data(), tooLong.data());
    } catch (char* error) {
        caught = error;
    }
    ASSERT_NE(caught, nullptr);
    EXPECT_STREQ(caught, VTXT_BUFFER_TOO_SMALL);
    EXPECT_EQ(big.Changed(), Range(0, 0)); // emptied, nothing more
    EXPECT_EQ(big.data()[0], '\0');
}

TEST(CapiCopy, StrncpyWritesExactlyMPlusOneBytes) {
    struct Case {
        const char* src;
        int n;
        const char* result;
    };
    const Case cases[] = {
        {"abcdef", 3, "abc"},         {"ab", 5, "ab"}, {"ab", 0, ""}, {nullptr, 4, ""},
        {"\xE9\x80x", 2, "\xE9\x80"}, {"ab", -3, ""}};
    for (const Case& c : cases) {
        GuardedArray dst(8);
        char* src = c.src == nullptr ? nullptr : const_cast<char*>(c.src);
        EXPECT_EQ(vtxt_Text_strncpy(dst.data(), src, c.n), dst.data());
        EXPECT_STREQ(dst.data(), c.result);
        EXPECT_EQ(dst.Changed(), Range(0, static_cast<long>(std::strlen(c.result))))
            << "never pads, never writes past the terminator";
    }
}

TEST(CapiCopy, StrncpyThatCannotCopyAnswersNull) {
    std::string source = Repeat(40000);
    GuardedArray dst(32767);
    EXPECT_EQ(vtxt_Text_strncpy(dst.data(), source.data(), 32766), dst.data());
    EXPECT_EQ(dst.Changed(), Range(0, 32766));

    for (int n : {32767, 40000, 50000}) {
        GuardedArray big(40001, "old");
        EXPECT_EQ(vtxt_Text_strncpy(big.data(), source.data(), n), nullptr);
        EXPECT_EQ(big.Changed(), (Indexes{0, 40000 < n ? 40000 : n}));
        EXPECT_EQ(big.data()[0], '\0');
    }
}

TEST(CapiJoin, StrcatWithinCapacity) {
    GuardedArray dst(5, "ab");
    char cd[] = "cd", cde[] = "cde", empty[] = "";
    EXPECT_EQ(vtxt_Text_strcat(dst.data(), 5, cde), nullptr);
    EXPECT_TRUE(dst.Changed().empty());
    EXPECT_EQ(vtxt_Text_strcat(dst.data(), 5, cd), dst.data());
    EXPECT_STREQ(dst.data(), "abcd");
    EXPECT_EQ(dst.Changed(), Range(2, 4));

    GuardedArray full(8, "abcdef");
    EXPECT_EQ(vtxt_Text_strcat(full.data(), 2, empty), full.data());
    EXPECT_EQ(vtxt_Text_strcat(full.data(), 2, nullptr), full.data());
    EXPECT_EQ(vtxt_Text_strcat(full.data(), -1, cd), nullptr);
    EXPECT_TRUE(full.Changed().empty());

    EXPECT_EQ(vtxt_Text_strcat(nullptr, 100, cd), nullptr);
    EXPECT_EQ(vtxt_Text_strcat(nullptr, 100, empty), nullptr);
}

TEST(CapiJoin, StrncatAppendsAPieceOrNothing) {
    GuardedArray dst(8, "ab");
    char src[] = "cdef";
    EXPECT_EQ(vtxt_Text_strncat(dst.data(), src, 2), dst.data());
    EXPECT_STREQ(dst.data(), "abcd");
    EXPECT_EQ(dst.Changed(), Range(2, 4));
    EXPECT_EQ(vtxt_Text_strncat(dst.data(), src, 0), dst.data());
    EXPECT_EQ(vtxt_Text_strncat(dst.data(), nullptr, 5), dst.data());
    EXPECT_EQ(vtxt_Text_strncat(dst.data(), src, -2), dst.data());
    EXPECT_EQ(dst.Changed(), Range(2, 4));

    // 32766 characters fit the declared 32767 bytes; one more does not.
    std::string head = Repeat(32765);
    GuardedArray big(32768, head.c_str());
    EXPECT_EQ(vtxt_Text_strncat(big.data(), src, 2), nullptr);
    EXPECT_TRUE(big.Changed().empty());
    EXPECT_EQ(vtxt_Text_strncat(big.data(), src, 1), big.data());
    EXPECT_EQ(big.Changed(), Range(32765, 32766));
    EXPECT_EQ(vtxt_Text_strncat(nullptr, src, 1), nullptr);
}

TEST(CapiCompare, ResultsAreMinusOneZeroOneInSignedOrder) {
    struct Case {
        const char* s1;
        const char* s2;
        int expected;
    };
    const Case cases[] = {{"abc", "abd", -1},  {"abd", "abc", 1},   {"abc", "abc", 0},
                          {"abc", "abcd", -1}, {"", "", 0},         {"", "a", -1},
                          {"a", "", 1},        {nullptr, "", 0},    {"a", "z", -1},
                          {"z", "a", 1},       {"ab", "ab\xE9", 1}, {"\x80", "\x7F", -1},
                          {"\xFF", "a", -1}};
    for (const Case& c : cases) {
        char* s1 = const_cast<char*>(c.s1);
        char* s2 = const_cast<char*>(c.s2);
        EXPECT_EQ(vtxt_Text_strcmp(s1, s2), c.expected);
        EXPECT_EQ(vtxt_Text_strncmp(s1, s2, 0xFFFFFFFFu), c.expected);
        EXPECT_EQ(vtxt_Text__stricmp(s1, s2), c.expected);
    }
}

TEST(CapiCompare, BoundsAndCase) {
    char abcx[] = "abcx", abcy[] = "abcy", a[] = "a", b[] = "b", empty[] = "";
    EXPECT_EQ(vtxt_Text_strncmp(abcx, abcy, 3), 0);
    EXPECT_EQ(vtxt_Text_strncmp(abcx, abcy, 4), -1);
    EXPECT_EQ(vtxt_Text_strncmp(a, b, 0), 0);
    EXPECT_EQ(vtxt_Text_strncmp(empty, a, 0), -1);
    EXPECT_EQ(vtxt_Text__strnicmp(a, empty, 0), 1);

    char hello[] = "Hello", mixed[] = "hELLO", upper[] = "ABC", lower[] = "abd";
    char abcX[] = "ABCx", abcY[] = "abcY";
    EXPECT_EQ(vtxt_Text__stricmp(hello, mixed), 0);
    EXPECT_EQ(vtxt_Text_strcmp(hello, mixed), -1);
    EXPECT_EQ(vtxt_Text__stricmp(upper, lower), -1);
    EXPECT_EQ(vtxt_Text__stricmp(lower, upper), 1);
    EXPECT_EQ(vtxt_Text__strnicmp(abcX, abcY, 3), 0);
    EXPECT_EQ(vtxt_Text__strnicmp(abcX, abcY, 4), -1);
    EXPECT_STREQ(hello, "Hello"); // arguments are only read
}
