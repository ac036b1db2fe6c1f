// C functions: copying into a caller's array declared as 32767 bytes.
#include "VorelText.h"
#include "capi/Copying.h"

extern "C" {

// A source too long for the declaration lets the buffer-too-small error pass,
// with dst already emptied: the append refuses before writing anything.
char* vtxt_Text_strcpy(char* dst, const char* src) {
    return VorelText::detail::CopyString(dst, src);
}

// Writes dst[0..m] only, m = min(n, strlen(src)): never pads. When the copy
// cannot fit the declaration, dst is left empty and the answer is NULL so
// that the failure is not mistaken for a copy.
char* vtxt_Text_strncpy(char* dst, const char* src, int n) {
    return VorelText::detail::CopyPrefix(dst, src, n);
}

} // extern "C"
