/* The public header compiles as C99; this program calls the C API from C. */
#include "VorelText.h"

#include <stdio.h>
#include <string.h>

static int failures = 0;

static void check(int ok, const char* what) {
    if (!ok) {
        puts(what);
        ++failures;
    }
}

static int format(char* dst, const char* fmt, ...) {
    va_list args;
    int written;
    va_start(args, fmt);
    written = vtxt_Text_vsprintf(dst, fmt, args);
    va_end(args);
    return written;
}

static void conversions(void) {
    char number[] = "42abc";
    char out[16];
    check(vtxt_Text_strlen("abc") == 3 && vtxt_Text_strlen(NULL) == 0, "strlen");
    check(vtxt_Text_isalpha(0x141) == 1 && vtxt_Text_isalpha('1') == 0, "isalpha");
    check(vtxt_Text_toupper('a') == 'A' && vtxt_Text_tolower('A') == 'a', "toupper/tolower");
    check(vtxt_Text_atoi(number) == 42 && vtxt_Text_atoi(NULL) == 0, "atoi");
    check(vtxt_Text_sprintf(out, "%d-%s", 7, "x") == 3 && strcmp(out, "7-x") == 0, "sprintf");
    check(format(out, "%s!", "hi") == 3 && strcmp(out, "hi!") == 0, "vsprintf");
    check(vtxt_Text_strtol("0x1F", NULL, 16) == 31, "strtol");
}

static void searches(void) {
    char s[] = "abcabc";
    char list[] = "a,,b";
    char comma[] = ",";
    char* saved = NULL;
    check(vtxt_Text_strchr(s, 'b') == s + 1 && vtxt_Text_strrchr(s, 'b') == s + 4, "strchr");
    check(vtxt_Text_strchr(s, 0) == NULL, "strchr NUL");
    check(vtxt_Text_strpbrk(s, "xc") == s + 2 && vtxt_Text_strspn(s, "ba") == 2, "sets");
    check(vtxt_Text_strstr(s, "ca") == s + 2 && vtxt_Text_strstr("", "") == NULL, "strstr");
    check(vtxt_Text_strtok_r(list, comma, &saved) == list && saved == list + 2, "strtok_r 1");
    check(vtxt_Text_strtok_r(NULL, comma, &saved) == list + 3 && saved == NULL, "strtok_r 2");
    check(vtxt_Text_strtok_r(NULL, comma, &saved) == NULL, "strtok_r 3");
}

static void copies(void) {
    char dst[8] = "#######";
    char big[16] = "ab";
    char cd[] = "cd";
    check(vtxt_Text_strncpy(dst, "ab", 5) == dst && strcmp(dst, "ab") == 0, "strncpy");
    check(dst[3] == '#' && dst[4] == '#', "strncpy pads");
    check(vtxt_Text_strcat(big, 5, cd) == big && strcmp(big, "abcd") == 0, "strcat");
    check(vtxt_Text_strcat(big, 5, cd) == NULL && strcmp(big, "abcd") == 0, "strcat refused");
    check(vtxt_Text_strncat(big, "efg", 1) == big && strcmp(big, "abcde") == 0, "strncat");
    check(vtxt_Text_strcpy(dst, big) == dst && strcmp(dst, "abcde") == 0, "strcpy");
}

static void comparisons(void) {
    char a[] = "a", z[] = "z", hello[] = "Hello", upper[] = "hELLO", high[] = "\xE9";
    check(vtxt_Text_strcmp(a, z) == -1 && vtxt_Text_strcmp(z, a) == 1, "strcmp");
    check(vtxt_Text_strcmp(high, a) == -1, "strcmp signed");
    check(vtxt_Text_strncmp(hello, upper, 0) == 0, "strncmp");
    check(vtxt_Text__stricmp(hello, upper) == 0 && vtxt_Text__strnicmp(a, z, 1) == -1, "stricmp");
}

static void string_table(void) {
    static const vtxt_StringTableEntry entries[] = {{7, "seven"}};
    static const vtxt_StringTable table = {entries, 1};
    char buffer[4];
    check(vtxt_LoadString(&table, 7, buffer, sizeof buffer) == 3 && strcmp(buffer, "sev") == 0,
          "vtxt_LoadString");
}

int main(void) {
    string_table();
    conversions();
    searches();
    copies();
    comparisons();
    return failures == 0 ? 0 : 1;
}
