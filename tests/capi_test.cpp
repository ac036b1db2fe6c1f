// The C functions where the fuzz harness does not reach: the bytes written
// around callers' arrays at the 32767-byte declaration, the error that
// passes, a NULL destination, strtok_r's saved position over a new str and
// sources that must stay untouched. Null pointers and character arguments
// are checked from C in c_api_test.c.
#include "TestSupport.h"

namespace {
enum Op { Cpy, Ncpy, Cat, Ncat };

char* Call(Op op, char* dst, const char* source, int n) {
    char* src = const_cast<char*>(source);
    return op == Cpy    ? vtxt_Text_strcpy(dst, src)
           : op == Ncpy ? vtxt_Text_strncpy(dst, src, n)
           : op == Cat  ? vtxt_Text_strcat(dst, n, src) // n is the capacity
                        : vtxt_Text_strncat(dst, src, n);
}
} // namespace

TEST(Capi, CopiesAndJoinsWriteOnlyWhatTheyMay) {
    const std::string q32765(32765, 'q'), q32766(32766, 'q'), q40000(40000, 'q');
    const char *head = q32765.c_str(), *fits = q32766.c_str(), *over = q40000.c_str();
    // The array's size and text, the call, whether it answers dst (else
    // NULL), the bytes it writes and the text it leaves.
    // clang-format off
    const struct { std::size_t bytes; const char* before; Op op; const char* src; int n;
                   bool answersDst; const char *changed, *after; } cases[] = {
        {32767, "", Cpy, fits, 0, 1, "0-32766", fits},
        {32767, "", Ncpy, over, 32766, 1, "0-32766", fits},
        {4, "xyz", Ncpy, "abc", -5, 1, "0", ""}, // a negative n counts as 0
        {40001, "x", Ncpy, over, 32767, 0, "0,32767", ""},
        {40001, "x", Ncpy, over, 50000, 0, "0,40000", ""},
        {32768, head, Ncat, "cd", 1, 1, "32765-32766", nullptr},
        {32768, head, Ncat, "cd", 2, 0, "", head}};
    // clang-format on
    for (const auto& k : cases) {
        vtest::Guarded dst(k.bytes, k.before);
        SCOPED_TRACE(&k - cases);
        EXPECT_EQ(Call(k.op, dst.data(), k.src, k.n), k.answersDst ? dst.data() : nullptr);
        EXPECT_EQ(dst.Changed(), k.changed);
        if (k.after != nullptr) {
            EXPECT_STREQ(dst.data(), k.after);
        }
    }
    for (Op op : {Cpy, Ncpy, Cat, Ncat})
        EXPECT_EQ(Call(op, nullptr, "abc", 10), nullptr) << op;
    // A source beyond the declaration: strcpy lets the error pass, dst emptied.
    vtest::Guarded big(32768, "x");
    EXPECT_THROW(Call(Cpy, big.data(), over, 0), char*);
    EXPECT_EQ(big.Changed(), "0");
}

TEST(Capi, StrtokSavedPositions) {
    static const char literal[] = "whole"; // only a delimiter is ever written
    char comma[] = ",", first[] = "a,b,c", second[] = "x,y", *whole = const_cast<char*>(literal);
    char* saved = nullptr;
    EXPECT_EQ(vtxt_Text_strtok_r(first, comma, nullptr), nullptr);
    EXPECT_EQ(vtxt_Text_strtok_r(nullptr, comma, &saved), nullptr);
    EXPECT_EQ(vtxt_Text_strtok_r(first, comma, &saved), first);
    // While a saved position is set, a new str is ignored.
    EXPECT_EQ(vtxt_Text_strtok_r(second, comma, &saved), first + 2);
    EXPECT_EQ(vtxt_Text_strtok_r(second, comma, &saved), first + 4);
    EXPECT_EQ(saved, nullptr);
    EXPECT_STREQ(second, "x,y");
    EXPECT_EQ(vtxt_Text_strtok_r(whole, comma, &saved), whole);
}

TEST(Capi, SourcesAreNeitherWrittenNorReleased) {
    vtest::Guarded src(4, "b,c");
    char* s = src.data();
    char dst[64] = "a,b,c", *saved = nullptr;
    for (Op op : {Cpy, Ncpy, Cat, Ncat})
        Call(op, dst, s, 64);
    vtxt_Text_strpbrk(dst, s);
    vtxt_Text_strspn(dst, s);
    vtxt_Text_strstr(dst, s);
    vtxt_Text__strnicmp(dst, s, 9);
    vtxt_Text_strtok_r(dst, s, &saved);
    EXPECT_EQ(src.Changed(), "");
}
