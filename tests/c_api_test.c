/* The public header compiles as C99; this program calls the C API from C. */
#include "VorelText.h"

#include <stdio.h>
#include <string.h>

int main(void) {
    int failures = 0;
    if (vtxt_Text_strlen("abc") != 3) {
        puts("strlen");
        ++failures;
    }
    {
        /* A string table built and read from C. */
        static const vtxt_StringTableEntry entries[] = {{7, "seven"}};
        static const vtxt_StringTable table = {entries, 1};
        char buffer[4];
        if (vtxt_LoadString(&table, 7, buffer, sizeof buffer) != 3 || strcmp(buffer, "sev") != 0) {
            puts("vtxt_LoadString");
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
