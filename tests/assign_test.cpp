// Assignment and appends where the fuzz harness does not reach: callers'
// arrays assigned over, declared sizes too small for the text or zero,
// byte-for-byte copies, the temporary mark and the 255/256 growth edge.
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

TEST(Assign, ClearsTheTemporaryMarkAndReleasesWhatItOwned) {
    // A Text assigned after handing its buffer over is copied from again,
    // not taken over a second time; an owned buffer moved over is released.
    const long live = vtest::liveArrays;
    for (int kind = 0; kind < 4; ++kind) {
        Text t("a"), other("b");
        t.FlagAsTemp();
        const Text taker(t);
        kind == 0   ? void(t = other)
        : kind == 1 ? void(t = "b")
        : kind == 2 ? void(t = Char('b'))
                    : void(t = Text("b"));
        const Text copy(t);
        EXPECT_NE(static_cast<const char*>(copy), static_cast<const char*>(t)) << kind;
        EXPECT_EQ(Show(t), kind == 0 || kind == 3 ? "b 1/65536" : "b 1/256") << kind;
        t = Text("c");
    }
    EXPECT_EQ(vtest::liveArrays.load(), live);
}

TEST(Append, GrowthEdgeAndOperandsInsideItsOwnBuffer) {
    const std::string x245(245, 'x');
    Text d = Text("abcde") + "fghij";                    // 10 characters in 11 bytes
    EXPECT_TRUE(d.Concatenate(Text(x245.c_str()), 246)); // to exactly 255, then 256
    EXPECT_TRUE(d.Concatenate(Text("w"), 1));
    EXPECT_EQ(Show(d), "abcdefghij" + x245 + "w 256/512");
    // An operand that lies in the buffer about to be replaced is read first:
    // AddressSanitizer reports a read of the released one.
    Text viaPointer = Text("ab") + "c", viaAlias = Text("ab") + "c", alias;
    viaPointer += static_cast<const char*>(viaPointer);
    alias.Attach(viaAlias); // another Text on the same buffer
    viaAlias += alias;
    EXPECT_EQ(Show(viaPointer) + "," + Show(viaAlias), "abcabc 6/256,abcabc 6/256");
    alias.Attach(viaAlias);
    viaAlias = alias;
    EXPECT_EQ(Show(viaAlias), "abcabc 6/7");
}

TEST(Assign, CountedCharactersKeepEveryByteAndHashAsTheyCompare) {
    Text t("abcdef"), none;
    t.CaseSensitivitySet(false);
    t = t.ViewGet().substr(2); // read before the old buffer goes
    EXPECT_EQ(Show(t), "cdef 4/256");
    std::string bytes(257, 'a');
    bytes[1] = '\0';
    t = std::string_view(bytes).substr(0, 256); // NULs kept; the block above 256
    EXPECT_EQ(Show(t), bytes.substr(0, 256) + " 256/512");
    // Equal texts hash equal: as they stand, or folded past the first 256.
    const Text a(bytes), b(vtest::Upper(bytes));
    Text foldedA(bytes), foldedB(vtest::Upper(bytes)), foldedC(bytes);
    foldedC.SetAt(256, 'b'); // the one character of the second block
    for (Text* folded : {&foldedA, &foldedB, &foldedC})
        folded->CaseSensitivitySet(false);
    EXPECT_EQ(Ints({a.HashGet() == b.HashGet(), foldedA.HashGet() == foldedB.HashGet(),
                    foldedA.HashGet() == foldedC.HashGet(), none.HashGet() == Text("").HashGet()}),
              "0,1,0,1");
}
