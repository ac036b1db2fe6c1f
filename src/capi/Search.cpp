// C functions: character and character-set searches.
#include "VorelText.h"
#include "capi/Direct.h"
#include "capi/Frame.h"

using VorelText::detail::FindByte;
using VorelText::detail::FindInSet;
using VorelText::detail::LeadingRun;
using VorelText::detail::LowByte;

extern "C" {

char* vtxt_Text_strchr(const char* s, int c) {
    return FindByte(s, LowByte(c), true);
}

char* vtxt_Text_strrchr(const char* s, int c) {
    return FindByte(s, LowByte(c), false);
}

char* vtxt_Text_strpbrk(const char* s, const char* set) {
    return FindInSet(s, set);
}

int vtxt_Text_strcspn(const char* s, const char* set) {
    return LeadingRun(s, set, false);
}

int vtxt_Text_strspn(const char* s, const char* set) {
    return LeadingRun(s, set, true);
}

} // extern "C"
