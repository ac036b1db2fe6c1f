// C functions: -1/0/1 comparisons in signed character order.
#include "VorelText.h"
#include "capi/Frame.h"

using VorelText::Text;
using VorelText::detail::Source;

// s1 is always the object compared, so negative means s1 sorts first. The
// unbounded forms compare up to the longer string's length, which takes the
// shorter one's terminator into the comparison.
static int CompareArrays(const char* s1, const char* s2, bool bounded, unsigned int n,
                         bool ignoreCase) {
    Text first = Source(s1);
    const Text second = Source(s2);
    if (!bounded) {
        const int a = first.LengthGet();
        const int b = second.LengthGet();
        n = static_cast<unsigned int>(a > b ? a : b);
    }
    if (ignoreCase)
        first.CaseSensitivitySet(false);
    return first.Compare(second, n);
}

extern "C" {

int vtxt_Text_strcmp(const char* s1, const char* s2) {
    return CompareArrays(s1, s2, false, 0, false);
}

int vtxt_Text_strncmp(const char* s1, const char* s2, unsigned int n) {
    return CompareArrays(s1, s2, true, n, false);
}

int vtxt_Text__stricmp(const char* s1, const char* s2) {
    return CompareArrays(s1, s2, false, 0, true);
}

int vtxt_Text__strnicmp(const char* s1, const char* s2, unsigned int n) {
    return CompareArrays(s1, s2, true, n, true);
}

} // extern "C"
