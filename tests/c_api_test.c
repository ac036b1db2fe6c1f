/* The public header compiles as C99; this program calls the C API from C. */
#include "VorelText.h"

#include <stdio.h>

int main(void) {
    int failures = 0;
    if (vtxt_Text_strlen("abc") != 3) {
        puts("strlen");
        ++failures;
    }
    return failures == 0 ? 0 : 1;
}
