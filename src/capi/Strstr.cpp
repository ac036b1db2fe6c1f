// C function: substring search.
#include "VorelText.h"
#include "capi/Direct.h"

extern "C" {

// Every start position of a non-empty haystack is tried, leftmost first, and
// an empty needle matches at the first: exactly what FindString gives. An
// empty haystack has no start position to try, so even "" is not found there.
char* vtxt_Text_strstr(const char* haystack, const char* needle) {
    return VorelText::detail::FindSubstring(haystack, needle);
}

} // extern "C"
