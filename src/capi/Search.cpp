// C functions: character and character-set searches.
#include "VorelText.h"
#include "capi/Frame.h"

using VorelText::Text;
using VorelText::detail::LowByte;
using VorelText::detail::PointerAt;

// The index of the first (forward) or last character of s equal to c.
static int FindInArray(char* s, int c, bool forward) {
    Text wrapper;
    wrapper.Attach(s);
    if (!forward)
        wrapper.SearchForwardSet(false);
    return wrapper.FindCharacter(LowByte(c));
}

// The first index of s inside (or outside) set; the length of s when none.
static int LeadingRun(char* s, char* set, bool inSet) {
    Text wrapper;
    wrapper.Attach(s);
    Text members;
    members.Attach(set);
    const int i =
        inSet ? wrapper.FindNotFromCharacterSet(members) : wrapper.FindFromCharacterSet(members);
    return i < 0 ? wrapper.LengthGet() : i;
}

extern "C" {

char* vtxt_Text_strchr(char* s, int c) {
    return PointerAt(s, FindInArray(s, c, true));
}

char* vtxt_Text_strrchr(char* s, int c) {
    return PointerAt(s, FindInArray(s, c, false));
}

char* vtxt_Text_strpbrk(char* s, char* set) {
    Text wrapper;
    wrapper.Attach(s);
    Text members;
    members.Attach(set);
    return PointerAt(s, wrapper.FindFromCharacterSet(members));
}

int vtxt_Text_strcspn(char* s, char* set) {
    return LeadingRun(s, set, false);
}

int vtxt_Text_strspn(char* s, char* set) {
    return LeadingRun(s, set, true);
}

} // extern "C"
