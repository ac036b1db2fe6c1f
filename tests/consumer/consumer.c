/* Links VorelText from C99 the way an outside program does. */
#include <VorelText.h>

#include <stdio.h>
#include <string.h>

int main(void) {
    char line[] = "red,green", joined[16] = "";
    char* save = NULL;
    char* first = vtxt_Text_strtok_r(line, ",", &save);
    char* second = vtxt_Text_strtok_r(NULL, ",", &save);
    const int ok = first == line && second != NULL && strcmp(second, "green") == 0 &&
                   vtxt_Text_strtok_r(NULL, ",", &save) == NULL &&
                   vtxt_Text_strcat(joined, (int)sizeof joined, first) == joined &&
                   vtxt_Text_strcat(joined, (int)sizeof joined, "0123456789abcdef") == NULL &&
                   vtxt_Text__stricmp(joined, "RED") == 0 &&
                   strcmp(vtxt_Version(), VORELTEXT_VERSION) == 0;
    printf("C consumer: %s\n", ok ? "ok" : "FAILED");
    return ok ? 0 : 1;
}
