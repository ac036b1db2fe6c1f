// C functions: character and character-set searches.
#include "VorelText.h"
#include "capi/Frame.h"

using VorelText::Text;
using VorelText::detail::LowByte;
using VorelText::detail::PointerAt;
using VorelText::detail::Source;

// The index of the first (forward) or last character of s equal to c.
static int FindInArray(const char* s, int c, bool forward) {
    Text wrapper = Source(s);
    if (!forward)
        wrapper.SearchForwardSet(false);
    return wrapper.FindCharacter(LowByte(c));
}

// The first index of s inside (or outside) set; the length of s when none.
static int LeadingRun(const char* s, const char* set, bool inSet) {
    const Text wrapper = Source(s);
    const Text members = Source(set);
    const int i =
        inSet ? wrapper.FindNotFromCharacterSet(members) : wrapper.FindFromCharacterSet(members);
    return i < 0 ? wrapper.LengthGet() : i;
}

extern "C" {

char* vtxt_Text_strchr(const char* s, int c) {
    return PointerAt(s, FindInArray(s, c, true));
}

char* vtxt_Text_strrchr(const char* s, int c) {
    return PointerAt(s, FindInArray(s, c, false));
}

char* vtxt_Text_strpbrk(const char* s, const char* set) {
    return PointerAt(s, Source(s).FindFromCharacterSet(Source(set)));
}

int vtxt_Text_strcspn(const char* s, const char* set) {
    return LeadingRun(s, set, false);
}

int vtxt_Text_strspn(const char* s, const char* set) {
    return LeadingRun(s, set, true);
}

} // extern "C"
