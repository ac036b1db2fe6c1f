// Assignment, appending, joining and substrings: recorded sizes, ownership,
// the buffer-too-small error and the take-over of returned objects.
#include "AllocationCount.h"
#include "VorelText.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

using VorelText::Char;
using VorelText::Text;

namespace {

std::string Str(const Text& t) {
    return std::string(static_cast<char*>(t), t.LengthGet());
}

// A caller's array holding s, with guard bytes on both sides.
struct Guarded {
    char bytes[17] = "################";
    explicit Guarded(const char* s) { std::strcpy(bytes + 4, s); }
    char* array() { return bytes + 4; }
    std::string all() const { return std::string(bytes, sizeof bytes); }
};

template <typename F> bool ThrowsTooSmall(F f) {
    try {
        f();
    } catch (char* e) {
        return std::strcmp(e, VTXT_BUFFER_TOO_SMALL) == 0;
    }
    return false;
}

} // namespace

TEST(Assign, SizesFlagsAndOwnership) {
    // From an attached Text: its whole declared size is copied, past the NUL.
    Guarded g("ab");
    g.array()[3] = 'z';
    const std::string before = g.all();
    Text src;
    src.Attach(g.array(), 8);
    src.CaseSensitivitySet(false);
    Text t;
    t.Attach(g.array());
    t = src;
    EXPECT_EQ(t.SizeGet(), 8);
    EXPECT_EQ(static_cast<char*>(t)[3], 'z');
    EXPECT_FALSE(t.IsCaseSensitive());
    t += "cdefg"; // owned now, and it fits its 8 bytes
    EXPECT_EQ(Str(t), "abcdefg");
    EXPECT_EQ(g.all(), before);

    t.SearchForwardSet(false);
    t = static_cast<const char*>(static_cast<char*>(t)) + 2; // from its own buffer
    EXPECT_EQ(Str(t), "cdefg");
    EXPECT_EQ(t.SizeGet(), 256);
    EXPECT_TRUE(t.IsCaseSensitive() && t.IsSearchForward());
    t = Char('\xE9');
    EXPECT_EQ(t.SizeGet(), 256);

    // A declared size too small for the text still gives a terminated copy.
    src.Attach(g.array(), 2);
    t = src;
    EXPECT_EQ(Str(t), "a");
    t = Text();
    EXPECT_EQ(t.SizeGet(), 0);
    EXPECT_EQ(static_cast<char*>(t), nullptr);
}

TEST(Append, GrowthSizeDependsOnOperandKind) {
    const std::string chars245(245, 'x');
    Text a = Text("abcde") + "fghij"; // length 10, size 11
    Text b;
    b = a;
    a += Text(chars245.c_str());
    EXPECT_EQ(a.SizeGet(), 256);
    b += chars245.c_str();
    EXPECT_EQ(b.SizeGet(), 512);
    EXPECT_EQ(Str(a), Str(b));
    Text c = Text(std::string(254, 'y').c_str()) + ""; // length 254, size 255
    c += Char('z');
    EXPECT_EQ(c.SizeGet(), 512);

    Text none;
    none += Text("");
    EXPECT_EQ(static_cast<char*>(none), nullptr);
    none += "";
    EXPECT_EQ(none.SizeGet(), 256);
}

TEST(Append, SelfAppendWithAndWithoutGrowth) {
    Text roomy("abc");
    roomy += roomy;
    Text tight = Text("ab") + "c"; // size 4: must grow
    tight += tight;
    Text viaPointer = Text("ab") + "c";
    viaPointer += static_cast<const char*>(static_cast<char*>(viaPointer));
    Text viaAlias = Text("ab") + "c"; // another Text attached to its buffer
    Text alias;
    alias.Attach(static_cast<char*>(viaAlias));
    viaAlias += alias;
    for (const Text* t : {&roomy, &tight, &viaPointer, &viaAlias})
        EXPECT_EQ(Str(*t), "abcabc");
    alias.Attach(static_cast<char*>(viaAlias));
    viaAlias = alias; // copied before the old buffer is released
    EXPECT_EQ(Str(viaAlias), "abcabc");
}

TEST(Append, TooSmallChangesNothing) {
    Guarded g("abc");
    Text t;
    t.Attach(g.array(), 8);
    t += "defg"; // 7 characters and the terminator fill it exactly
    const std::string before = g.all();
    EXPECT_TRUE(ThrowsTooSmall([&] { t += Char('x'); }));
    EXPECT_TRUE(ThrowsTooSmall([&] { t += "x"; }));
    EXPECT_TRUE(ThrowsTooSmall([&] { t += Text("x"); }));
    EXPECT_EQ(t.LengthGet(), 7);
    EXPECT_EQ(t.SizeGet(), 8);
    EXPECT_EQ(g.all(), before);

    Text zero;
    zero.Attach(g.array(), 0);
    zero += Text();
    EXPECT_TRUE(ThrowsTooSmall([&] { zero += ""; }));
    EXPECT_EQ(g.all(), before);
}

TEST(Join, ResultsOwnExactArrays) {
    Text ab("ab");
    ab.CaseSensitivitySet(false);
    Text r = ab + "cd";
    EXPECT_EQ(r.SizeGet(), 5);
    EXPECT_TRUE(r.IsCaseSensitive());
    r += "e"; // owned, not temporary: grows instead of throwing
    EXPECT_EQ(Str(r), "abcde");
    EXPECT_EQ(Str(ab + Text("\xFF") + Text() + Char('\0')), "ab\xFF");

    struct {
        int start, count;
        const char* expected;
    } const cases[] = {{1, 3, "bcd"}, {4, 10, "ef"}, {6, 2, ""},  {0, 0, ""},
                       {-3, 2, "ab"}, {9, 2, ""},    {2, -1, ""}, {2, INT_MAX, "cdef"}};
    for (const auto& c : cases) {
        const Text piece = Text("abcdef").SubString(c.start, c.count);
        EXPECT_EQ(Str(piece), c.expected) << c.start << "," << c.count;
        EXPECT_EQ(piece.SizeGet(), piece.LengthGet() + 1);
    }
}

TEST(Join, TakeOverAllocatesOnce) {
    if (!vtest::ArrayAllocationsCounted())
        GTEST_SKIP() << "allocations are not counted under this tool";
    Text ab("ab");
    long before = vtest::ArrayAllocations();
    Text joined = ab + "cd";
    EXPECT_EQ(vtest::ArrayAllocations() - before, 1);
    before = vtest::ArrayAllocations();
    Text piece = joined.SubString(1, INT_MAX);
    EXPECT_EQ(vtest::ArrayAllocations() - before, 1);
    EXPECT_EQ(vtest::LastArrayAllocationSize(), 4u);

    char* p = new char[4];
    std::strcpy(p, "xyz");
    Text src;
    src.Attach(p);
    src.FlagAsTemp();
    before = vtest::ArrayAllocations();
    piece = src;
    EXPECT_EQ(vtest::ArrayAllocations(), before);
    EXPECT_EQ(static_cast<char*>(piece), p); // released once, by piece
}

TEST(Join, ConcatenateAnswersInsteadOfThrowing) {
    Text src("abcdef");
    Text xy("xy");
    EXPECT_TRUE(xy.Concatenate(src, 3));
    EXPECT_TRUE(xy.Concatenate(src, INT_MAX));
    EXPECT_EQ(Str(xy), "xyabcabcdef");

    Guarded g("xy");
    const std::string before = g.all();
    Text small;
    small.Attach(g.array(), 5);
    EXPECT_FALSE(small.Concatenate(src, 3));
    EXPECT_EQ(small.LengthGet(), 2);
    EXPECT_EQ(g.all(), before);
    small.Attach(g.array(), 0);
    EXPECT_TRUE(small.Concatenate(src, 0));
}
