// The character-set table behind the Text set searches.
#include "text/CharacterSet.h"

namespace VorelText::detail {

CharacterSet::CharacterSet(const char* chars, int count) : member() {
    for (int i = 0; i < count; ++i)
        member[static_cast<unsigned char>(chars[i])] = true;
}

int CharacterSet::SkipWhile(const char* text, int from, int end, bool inSet) const {
    int i = from;
    while (i < end && Contains(text[i]) == inSet)
        ++i;
    return i;
}

} // namespace VorelText::detail
