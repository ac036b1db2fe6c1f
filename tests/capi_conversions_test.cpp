// C functions for length, characters, numbers and formatting.
#include "VorelText.h"

#include <gtest/gtest.h>

#include <cstdarg>

TEST(CapiConversions, LengthAndCharacters) {
    char abc[] = "abc", empty[] = "";
    EXPECT_EQ(vtxt_Text_strlen(abc), 3);
    EXPECT_EQ(vtxt_Text_strlen(empty), 0);
    EXPECT_EQ(vtxt_Text_strlen(nullptr), 0);

    EXPECT_EQ(vtxt_Text_isalpha('A'), 1);
    EXPECT_EQ(vtxt_Text_isalpha('z'), 1);
    EXPECT_EQ(vtxt_Text_isalpha(0x141), 1);
    EXPECT_EQ(vtxt_Text_isalpha('1'), 0);
    EXPECT_EQ(vtxt_Text_isalpha(' '), 0);
    EXPECT_EQ(vtxt_Text_isalpha(-1), 0);

    EXPECT_EQ(vtxt_Text_tolower('A'), 'a');
    EXPECT_EQ(vtxt_Text_tolower(0x141), 'a');
    EXPECT_EQ(vtxt_Text_tolower('1'), '1');
    EXPECT_EQ(vtxt_Text_toupper('a'), 'A');
    EXPECT_EQ(vtxt_Text_toupper(0x1FF), '\xFF'); // 0xFF is EOF: left alone
}

TEST(CapiConversions, Numbers) {
    char i[] = "42abc", l[] = "-7", d[] = "1.5e2", empty[] = "";
    EXPECT_EQ(vtxt_Text_atoi(i), 42);
    EXPECT_EQ(vtxt_Text_atol(l), -7L);
    EXPECT_DOUBLE_EQ(vtxt_Text_atof(d), 150.0);
    EXPECT_EQ(vtxt_Text_atoi(empty), 0);
    EXPECT_EQ(vtxt_Text_atoi(nullptr), 0);
    EXPECT_EQ(vtxt_Text_atol(nullptr), 0L);
    EXPECT_EQ(vtxt_Text_atof(nullptr), 0.0);

    const char hex[] = "0x1Fz";
    char* end = nullptr;
    EXPECT_EQ(vtxt_Text_strtol(hex, &end, 16), 31L);
    EXPECT_EQ(end, hex + 4);
    EXPECT_EQ(vtxt_Text_strtoul(hex, &end, 0), 31UL);
    EXPECT_EQ(end, hex + 4);
    const char real[] = " 2.5x";
    EXPECT_DOUBLE_EQ(vtxt_Text_strtod(real, &end), 2.5);
    EXPECT_EQ(end, real + 4);
    EXPECT_EQ(vtxt_Text_strtol(real, nullptr, 10), 2L);
}

namespace {
int FormatThroughList(char* dst, const char* format, ...) {
    va_list args;
    va_start(args, format);
    const int written = vtxt_Text_vsprintf(dst, format, args);
    va_end(args);
    return written;
}
} // namespace

TEST(CapiConversions, Formatting) {
    char dst[16] = "zzzzzzzzzzzzzzz";
    EXPECT_EQ(vtxt_Text_sprintf(dst, "%d-%s", 7, "x"), 3);
    EXPECT_STREQ(dst, "7-x");
    EXPECT_EQ(dst[4], 'z');
    EXPECT_EQ(FormatThroughList(dst, "%d-%s", 12, "yz"), 5);
    EXPECT_STREQ(dst, "12-yz");
}
