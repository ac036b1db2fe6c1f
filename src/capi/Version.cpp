// The library's version as it was built, so a program can tell whether the
// library it runs with matches the header it was compiled with.
#include "VorelText.h"

const char* vtxt_Version(void) {
    return VORELTEXT_VERSION;
}
