// C functions: appending to the string in a caller's array.
#include "VorelText.h"
#include "capi/Copying.h"

extern "C" {

// capacity bounds the whole result, terminator included; a NULL dst has none.
char* vtxt_Text_strcat(char* dst, int capacity, const char* src) {
    return VorelText::detail::AppendString(dst, capacity, src);
}

char* vtxt_Text_strncat(char* dst, const char* src, int n) {
    return VorelText::detail::AppendPrefix(dst, src, n);
}

} // extern "C"
