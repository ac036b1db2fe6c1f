// C functions: -1/0/1 comparisons in signed character order.
#include "VorelText.h"
#include "text/StringOrder.h"

using VorelText::detail::kWholeStrings;
using VorelText::detail::OrderStrings;

// s1 is always the string ordered against s2, so negative means s1 sorts
// first. The unbounded forms compare up to the longer string's length, which
// takes the shorter one's terminator into the comparison.
extern "C" {

int vtxt_Text_strcmp(const char* s1, const char* s2) {
    return OrderStrings(s1, s2, kWholeStrings, false);
}

int vtxt_Text_strncmp(const char* s1, const char* s2, unsigned int n) {
    return OrderStrings(s1, s2, n, false);
}

int vtxt_Text__stricmp(const char* s1, const char* s2) {
    return OrderStrings(s1, s2, kWholeStrings, true);
}

int vtxt_Text__strnicmp(const char* s1, const char* s2, unsigned int n) {
    return OrderStrings(s1, s2, n, true);
}

} // extern "C"
