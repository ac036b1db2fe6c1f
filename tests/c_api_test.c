/* The public header's C part compiles as C89, gnu89 and C99 (this program is
 * built as each, with warnings as errors), and C code calls every family of
 * the C functions with const data: null pointers, guard bytes, character
 * arguments and -1/0/1 results in signed order (the fuzz harness checks them
 * all against references). */
#include "VorelText.h"

#include <stdio.h>
#include <string.h>

static int failures = 0;

static void check(long got, long want, const char* what) {
    if (got != want) {
        printf("%s: %ld, expected %ld\n", what, got, want);
        ++failures;
    }
}

int main(void) {
    static const char s[] = "abcabc", comma[] = ",", a[] = "a", high[] = "\xE9";
#if !defined(_WIN32)
    static const vtxt_StringTableEntry entries[] = {{1, "Hello"}, {1, "shadowed"}, {2, NULL}};
    static const vtxt_StringTable table = {entries, 3};
#endif
    char list[] = "a,,b", out[16], guarded[8] = "xxxxxxx";
    char* saved = NULL;

    check(vtxt_Text_strlen(s) + vtxt_Text_strlen(NULL), 6, "strlen");
    check(vtxt_Text_atoi("7") + vtxt_Text_atol(NULL) + (long)vtxt_Text_atof("5e0"), 12,
          "ato*, NULL");
    check(vtxt_Text_isalpha(0x141) * 2 + vtxt_Text_isalpha(-1), 2, "isalpha: low 8 bits, EOF");
    check(vtxt_Text_tolower(0x141) == 'a' && vtxt_Text_toupper(0x1FF) == '\xFF', 1, "case");
    check(vtxt_Text_sprintf(out, "%d-%s", 7, "x") == 3 && !strcmp(out, "7-x"), 1, "sprintf");

    check(vtxt_Text_strchr(s, 0) == NULL && vtxt_Text_strrchr(s, 0x100) == NULL, 1, "NUL");
    check(vtxt_Text_strrchr(s, 0x162) - s, 4, "strrchr: low 8 bits");
    check(vtxt_Text_strchr(NULL, 'a') == NULL && vtxt_Text_strpbrk(NULL, s) == NULL, 1, "NULL s");
    check(vtxt_Text_strcspn(s, "c") * 10 + vtxt_Text_strspn(s, "ba"), 22, "str(c)spn");
    check(vtxt_Text_strstr(s, NULL) - s, 0, "strstr NULL needle");
    check(vtxt_Text_strstr("", "") == NULL && vtxt_Text_strstr(NULL, NULL) == NULL, 1, "strstr");

    check(vtxt_Text_strtok_r(list, comma, &saved) - list, 0, "strtok_r: first");
    check(vtxt_Text_strtok_r(NULL, comma, &saved) - list, 3, "strtok_r: after ,,");
    check(saved == NULL && vtxt_Text_strtok_r(NULL, comma, &saved) == NULL, 1, "strtok_r: end");

    check(vtxt_Text_strcpy(out, s) == out && !strcmp(out, s), 1, "strcpy");
    /* Terminated, not padded: guarded[3..6] keep their bytes. */
    check(vtxt_Text_strncpy(guarded, "ab", 5) == guarded && !memcmp(guarded, "ab\0xxxx", 8), 1,
          "strncpy");
    check(vtxt_Text_strcat(out, 8, "de") == NULL && !strcmp(out, s), 1, "strcat: too long");
    check(vtxt_Text_strcat(out, 9, "de") == out && vtxt_Text_strncat(out, "fgh", 2) == out &&
              !strcmp(out, "abcabcdefg"),
          1, "strcat, strncat");

    /* Signed order: the terminator (0) is above 0x80, yet "" comes first. */
    check(vtxt_Text_strcmp(a, "a\x80"), 1, "strcmp: terminator above 0x80");
    check(vtxt_Text_strcmp("", "\x80"), -1, "strcmp: empty first");
    check(vtxt_Text_strcmp(high, a), -1, "strcmp: signed");
    check(vtxt_Text_strncmp("", a, 0), -1, "strncmp: empty first, n 0");
    check(vtxt_Text__stricmp(s, NULL), 1, "_stricmp: empty second");
    check(vtxt_Text__strnicmp("ABCx", "abcY", 3), 0, "_strnicmp");

#if !defined(_WIN32)
    check(vtxt_LoadString(&table, 1, out, 4) == 3 && !strcmp(out, "Hel"), 1, "string table");
    check(vtxt_LoadString(&table, 2, out, 16) == 0 && out[0] == '\0', 1, "NULL text");
#endif
    check(strcmp(vtxt_Version(), VORELTEXT_VERSION), 0, "library version = header version");
    return failures == 0 ? 0 : 1;
}
