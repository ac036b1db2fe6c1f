// Assignment where the fuzz harness does not reach: callers' arrays assigned
// over, declared sizes too small for the text or zero, byte-for-byte copies.
#include "TestSupport.h"

TEST(Assign, CallersArraysAndShortDeclarations) {
    vtest::Guarded g(8, "ab");
    Text src, t;
    src.Attach(g.data(), 8);
    src.SearchForwardSet(false);
    t.Attach(g.data()); // assigning must neither write nor release the caller's array
    t = src;            // copies the whole declared size, past the NUL
    EXPECT_EQ(Show(t) + t[3], "ab 2/8 backward#");
    std::memcpy(g.data(), "xyz", 3); // rewritten after attaching: copied as it stands
    t = src;
    EXPECT_EQ(Show(t) + t[3], "xy 2/8 unterminated backward#");
    t.ToUpper(); // its length only
    EXPECT_EQ(std::string(static_cast<char*>(t), 3), "XYz");
    std::memcpy(g.data(), "ab\0", 3);
    Text owner, copy;
    owner = "abc";
    owner.SetAt(3, 'X'); // byte for byte: no terminator of the copy's own at 3
    owner.SetAt(4, '\0');
    copy = owner;
    EXPECT_EQ(std::string(copy, 5), std::string("abcX\0", 5));
    EXPECT_EQ(copy.LengthGet(), 3);
    src.Attach(g.data(), 2); // a declared size too small for the text
    t = src;
    EXPECT_EQ(Show(t), "a 1/2 backward");
    Text zero, xyz("xyz");
    zero.Attach(g.data(), 0);
    zero += Text();
    EXPECT_TRUE(zero.Concatenate(xyz, 0));
    EXPECT_THROW(zero += "", char*);
    EXPECT_EQ(g.Changed(), "");
}
