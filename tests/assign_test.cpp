// Assignment, appending, joining and substrings: recorded sizes, flags,
// ownership, the buffer-too-small error and the take-over of results.
#include "TestSupport.h"

#include <climits>

TEST(Assign, SizesFlagsAndOwnership) {
    vtest::Guarded g(8, "ab");
    Text src, t;
    src.Attach(g.data(), 8);
    src.CaseSensitivitySet(false);
    src.SearchForwardSet(false);
    t.Attach(g.data()); // assigning must not release the caller's array
    t = src;            // copies the whole declared size, past the NUL
    EXPECT_EQ(Show(t) + t[3], "ab 2/8 nocase backward#");
    t += "cdefg"; // owned now, and it fits its 8 bytes
    EXPECT_EQ(Show(t), "abcdefg 7/8 nocase backward");
    EXPECT_EQ(g.Changed(), "");
    t = static_cast<const char*>(t) + 2; // from its own buffer; resets the flags
    EXPECT_EQ(Show(t), "cdefg 5/256");
    t.CaseSensitivitySet(false);
    t.SearchForwardSet(false);
    t = Char('\xE9');
    EXPECT_EQ(Show(t), "\xE9 1/256");
    src.Attach(g.data(), 2); // a declared size too small for the text
    t = src;
    EXPECT_EQ(Show(t), "a 1/2 nocase backward");
    t = Text();
    EXPECT_EQ(Show(t), "null 0/0");
}

TEST(Append, GrowthSizeDependsOnOperandKindAndSelfAppendsDouble) {
    // Needed counts that are multiples of 256: the new length rounds up for a
    // Text, length + 2 for a Char and the bytes needed for a C string.
    const std::string x245(245, 'x'), y254(254, 'y');
    Text a = Text("abcde") + "fghij", b = Text("abcde") + "fghij"; // 10/11
    Text c = Text(y254.c_str()) + "", none;                        // 254/255
    a += Text(x245.c_str());
    b += x245.c_str();
    c += Char('z');
    EXPECT_EQ(Show(a), "abcdefghij" + x245 + " 255/256");
    EXPECT_EQ(Show(b), "abcdefghij" + x245 + " 255/512");
    EXPECT_EQ(Show(c), y254 + "z 255/512");
    none += Text("");
    EXPECT_EQ(Show(none), "null 0/0");
    none += "";
    EXPECT_EQ(Show(none), " 0/256");

    Text roomy("abc"), tight = Text("ab") + "c", viaPointer = Text("ab") + "c",
                       viaAlias = Text("ab") + "c", alias;
    roomy += roomy;
    tight += tight; // 3/4: must grow
    viaPointer += static_cast<const char*>(viaPointer);
    alias.Attach(viaAlias); // another Text attached to the same buffer
    viaAlias += alias;
    EXPECT_EQ(Show(roomy) + "," + Show(tight) + "," + Show(viaPointer) + "," + Show(viaAlias),
              "abcabc 6/65536,abcabc 6/256,abcabc 6/256,abcabc 6/256");
    alias.Attach(viaAlias);
    viaAlias = alias; // read before the old buffer is released
    EXPECT_EQ(Show(viaAlias), "abcabc 6/7");
}

TEST(Append, WhatDoesNotFitChangesNothing) {
    vtest::Guarded g(8, "abc");
    Text t, zero, src("xyz");
    t.Attach(g.data(), 8);
    t += "defg"; // 7 characters and the terminator fill it exactly
    EXPECT_THROW(t += Char('x'), char*);
    EXPECT_THROW(t += "x", char*);
    EXPECT_THROW(t += Text("x"), char*);
    EXPECT_FALSE(t.Concatenate(src, 1)); // answers instead of throwing
    EXPECT_EQ(Show(t), "abcdefg 7/8");
    zero.Attach(g.data(), 0);
    zero += Text();
    EXPECT_TRUE(zero.Concatenate(src, 0));
    EXPECT_THROW(zero += "", char*);
    EXPECT_EQ(g.Changed(), "3-7");
    try {
        t += "x";
    } catch (char* error) {
        EXPECT_STREQ(error, VTXT_BUFFER_TOO_SMALL);
    }
}

TEST(Join, ResultsOwnExactArrays) {
    Text ab("ab"), src("abcdef");
    ab.CaseSensitivitySet(false);
    Text r = ab + "cd";
    EXPECT_EQ(Show(r), "abcd 4/5"); // default flags
    r += "e";                       // owned, not temporary: grows instead of throwing
    EXPECT_EQ(Show(r), "abcde 5/256");
    EXPECT_EQ(Show(ab + Text("\xFF") + Text() + Char('\0')), "ab\xFF 3/4");
    EXPECT_TRUE(r.Concatenate(src, 3) && r.Concatenate(src, INT_MAX));
    EXPECT_EQ(Show(r), "abcdeabcabcdef 14/256");
    // clang-format off
    const struct { int start, count; const char* piece; } cases[] = {
        {1, 3, "bcd"}, {4, 10, "ef"}, {6, 2, ""}, {0, 0, ""}, {-3, 2, "ab"}, {9, 2, ""},
        {2, -1, ""}, {2, INT_MAX, "cdef"}};
    // clang-format on
    for (const auto& k : cases) {
        const std::size_t n = std::strlen(k.piece);
        EXPECT_EQ(Show(src.SubString(k.start, k.count)),
                  k.piece + (" " + std::to_string(n) + "/" + std::to_string(n + 1)));
    }
}
