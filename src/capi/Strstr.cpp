// C function: substring search.
#include "VorelText.h"
#include "capi/Frame.h"

using VorelText::Text;

extern "C" {

// Every start position of a non-empty haystack is tried, leftmost first, and
// an empty needle matches at the first: exactly what FindString gives. An
// empty haystack has no start position to try, so even "" is not found there.
char* vtxt_Text_strstr(char* haystack, char* needle) {
    Text hay;
    hay.Attach(haystack);
    if (hay.IsEmpty())
        return nullptr;
    Text pattern;
    pattern.Attach(needle);
    return VorelText::detail::PointerAt(haystack, hay.FindString(pattern));
}

} // extern "C"
