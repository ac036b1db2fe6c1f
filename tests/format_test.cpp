// The formatting constructor. Case conversion is checked by the fuzz harness
// (every character of the length, NULs inside) and the page-boundary test.
#include "TestSupport.h"

#include <cwchar>

TEST(Format, HoldsTheWholeResult) {
    char xd[] = "x=%d", withNul[] = "a%cb", s255[] = "%255s", s256[] = "%256s", empty[] = "";
    char ls[] = "ab%ls", *none = nullptr;
    std::string longFormat; // 258 characters that format to "x"
    for (int i = 0; i < 43; ++i)
        longFormat += "%1$.0s";
    longFormat += "x";
    // The block above the format's length, or above the result's when longer;
    // a formatted NUL ends the text.
    EXPECT_EQ(Show(Text(xd, 5)) + "," + Show(Text(withNul, 0)) + "," +
                  Show(Text(&longFormat[0], "")) + "," + Show(Text(const_cast<char*>("%s"), "")),
              "x=5 3/256,a 1/256,x 1/512, 0/256");
    EXPECT_EQ(Show(Text(s255, "")), std::string(255, ' ') + " 255/256");
    EXPECT_EQ(Show(Text(s256, "")), std::string(256, ' ') + " 256/512");
    // No buffer for a null or empty format; where the C library cannot
    // format (the euro sign has no multibyte form in the "C" locale), an
    // empty text as for any format that formats to "".
    const wchar_t euro[] = {0x20AC, 0};
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-security" // a non-literal format alone, on purpose
    EXPECT_EQ(Show(Text(none)) + "," + Show(Text(empty)) + "," + Show(Text(ls, euro)),
              "null 0/0,null 0/0, 0/256");
#pragma GCC diagnostic pop
}
