/* The public header compiles as C99, and C code can call the C functions
 * with const data (built with warnings as errors): a few null pointers,
 * character arguments and -1/0/1 results (the fuzz harness checks them all
 * against references). */
#include "VorelText.h"

#include <stdio.h>
#include <string.h>

int main(void) {
    static const char s[] = "abcabc", comma[] = ",", a[] = "a", high[] = "\xE9";
    char list[] = "a,,b", out[16];
    char* saved = NULL;
    const struct {
        long got, want;
        const char* what;
    } checks[] = {
        {vtxt_Text_strlen(s) + vtxt_Text_strlen(NULL), 6, "strlen"},
        {vtxt_Text_atoi("7") + vtxt_Text_atol(NULL) + (long)vtxt_Text_atof("5e0"), 12,
         "ato*, NULL"},
        {vtxt_Text_isalpha(0x141) * 2 + vtxt_Text_isalpha(-1), 2, "isalpha: low 8 bits, EOF"},
        {vtxt_Text_tolower(0x141) == 'a' && vtxt_Text_toupper(0x1FF) == '\xFF', 1, "case"},
        {vtxt_Text_sprintf(out, "%d-%s", 7, "x") == 3 && !strcmp(out, "7-x"), 1, "sprintf"},
        {vtxt_Text_strchr(s, 0) == NULL && vtxt_Text_strrchr(s, 0x100) == NULL, 1, "NUL"},
        {vtxt_Text_strchr(NULL, 'a') == NULL && vtxt_Text_strpbrk(NULL, s) == NULL, 1, "NULL s"},
        {vtxt_Text_strstr(s, NULL) - s, 0, "strstr NULL needle"},
        {vtxt_Text_strstr("", "") == NULL && vtxt_Text_strstr(NULL, NULL) == NULL, 1, "strstr"},
        {vtxt_Text_strtok_r(list, comma, &saved) - list, 0, "strtok_r"},
        {vtxt_Text_strcmp(high, a), -1, "strcmp: signed"},
        {vtxt_Text__stricmp(s, NULL), 1, "_stricmp: empty second"},
        {strcmp(vtxt_Version(), VORELTEXT_VERSION), 0, "library version = header version"},
    };
    int failures = 0;
    size_t i;
    for (i = 0; i < sizeof checks / sizeof checks[0]; ++i)
        if (checks[i].got != checks[i].want) {
            printf("%s: %ld, expected %ld\n", checks[i].what, checks[i].got, checks[i].want);
            ++failures;
        }
    return failures == 0 ? 0 : 1;
}
