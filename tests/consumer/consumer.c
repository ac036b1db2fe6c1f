/* Links VorelText from C99 the way an outside program does. */
#include <VorelText.h>

#include <stdio.h>
#include <string.h>

static int failures = 0;

static void expect(int ok, const char* what) {
    if (!ok) {
        printf("C consumer: %s failed\n", what);
        ++failures;
    }
}

int main(void) {
    char line[] = "red,green";
    char comma[] = ",";
    char* save = NULL;
    char* first = vtxt_Text_strtok_r(line, comma, &save);
    char* second = vtxt_Text_strtok_r(NULL, comma, &save);
    char joined[16] = "";
    char too_long[] = "0123456789abcdef";

    expect(first == line && strcmp(first, "red") == 0, "strtok_r first token");
    expect(second != NULL && strcmp(second, "green") == 0, "strtok_r second token");
    expect(vtxt_Text_strtok_r(NULL, comma, &save) == NULL, "strtok_r end");

    expect(vtxt_Text_strcat(joined, (int)sizeof joined, first) == joined, "strcat");
    expect(vtxt_Text_strcat(joined, (int)sizeof joined, too_long) == NULL, "strcat refusal");
    expect(strcmp(joined, "red") == 0, "strcat left the array alone");
    expect(vtxt_Text__stricmp(joined, "RED") == 0, "_stricmp");
    expect(strcmp(vtxt_Version(), VORELTEXT_VERSION) == 0, "library and header versions");

    if (failures == 0) {
        printf("C consumer: ok (%s)\n", joined);
    }
    return failures == 0 ? 0 : 1;
}
