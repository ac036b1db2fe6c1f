// The formatting constructor. Case conversion is checked by the fuzz harness
// (every character of the length, NULs inside) and the page-boundary test.
#include "TestSupport.h"

#include <cwchar>

TEST(Format, HoldsTheWholeResult) {
    char xd[] = "x=%d", withNul[] = "a%cb", s255[] = "%255s", s256[] = "%256s", empty[] = "";
    char ls[] = "ab%ls", x[] = "x", *none = nullptr;
    std::string longFormat(258, '%'); // formats to 129 characters
    // The block above the format's length, or above the result's when longer;
    // a formatted NUL ends the text.
    EXPECT_EQ(Show(Text(xd, 5)) + "," + Show(Text(withNul, 0)) + "," +
                  Show(Text(&longFormat[0], "")) + "," + Show(Text(const_cast<char*>("%s"), "")),
              "x=5 3/256,a 1/256," + std::string(129, '%') + " 129/512, 0/256");
    EXPECT_EQ(Show(Text(s255, "")), std::string(255, ' ') + " 255/256");
    // C99 conversions (MinGW: its C99 printf, not the system runtime's).
    char c99[] = "%zu|%lld|%%|%5.1f", out[32];
    EXPECT_EQ(Show(Text(c99, std::size_t{300}, -9000000000LL, 0.5)),
              "300|-9000000000|%|  0.5 23/256");
    EXPECT_EQ(Ints({vtxt_Text_sprintf(out, "%zu|%lld|%%", std::size_t{300}, -9000000000LL)}) + out,
              "17300|-9000000000|%");
    EXPECT_EQ(Show(Text(s256, "")), std::string(256, ' ') + " 256/512");
    // No buffer for a null or empty format, nor for a null or empty string
    // copied as it stands; where the C library cannot format (the euro sign
    // has no multibyte form in the "C" locale), an empty text as for any
    // format that formats to "". MinGW's C99 printf reports no such error: it
    // writes what converts and stops.
    const wchar_t euro[] = {0x20AC, 0};
    const bool reported = std::snprintf(nullptr, 0, "%ls", euro) < 0;
    EXPECT_EQ(Show(Text(none, 0)) + "," + Show(Text(empty, 0)) + "," + Show(Text(x, 0)) + "," +
                  Show(Text(none)) + "," + Show(Text(empty)) + "," + Show(Text(ls, euro)),
              std::string("null 0/0,null 0/0,x 1/256,null 0/0,null 0/0,") +
                  (reported ? " 0/256" : "ab 2/256"));
}
