// C functions: -1/0/1 comparisons in signed character order.
#include "VorelText.h"

using VorelText::Text;

// s1 is always the object compared, so negative means s1 sorts first. The
// unbounded forms compare up to the longer string's length, which takes the
// shorter one's terminator into the comparison.
static int CompareArrays(char* s1, char* s2, bool bounded, unsigned int n, bool ignoreCase) {
    Text first;
    first.Attach(s1);
    Text second;
    second.Attach(s2);
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

int vtxt_Text_strcmp(char* s1, char* s2) {
    return CompareArrays(s1, s2, false, 0, false);
}

int vtxt_Text_strncmp(char* s1, char* s2, unsigned int n) {
    return CompareArrays(s1, s2, true, n, false);
}

int vtxt_Text__stricmp(char* s1, char* s2) {
    return CompareArrays(s1, s2, false, 0, true);
}

int vtxt_Text__strnicmp(char* s1, char* s2, unsigned int n) {
    return CompareArrays(s1, s2, true, n, true);
}

} // extern "C"
