// C function: substring search.
#include "VorelText.h"
#include "capi/Frame.h"

using VorelText::Text;
using VorelText::detail::PointerAt;
using VorelText::detail::Source;

extern "C" {

// Every start position of a non-empty haystack is tried, leftmost first, and
// an empty needle matches at the first: exactly what FindString gives. An
// empty haystack has no start position to try, so even "" is not found there.
char* vtxt_Text_strstr(const char* haystack, const char* needle) {
    const Text hay = Source(haystack);
    if (hay.IsEmpty())
        return nullptr;
    return PointerAt(haystack, hay.FindString(Source(needle)));
}

} // extern "C"
