// Text: searches against a set of characters. They always walk this text
// from the start; neither text's direction flag plays a part.
#include "VorelText.h"
#include "text/CharacterSet.h"

namespace VorelText {

int Text::SkipCharacters(const Text& set, int start) const {
    if (start < 0)
        start = 0;
    if (start >= length)
        return start;
    return detail::CharacterSet(set.buffer, set.length).SkipWhile(buffer, start, length, true);
}

int Text::FindFromCharacterSet(const Text& set) const {
    const int i = detail::CharacterSet(set.buffer, set.length).SkipWhile(buffer, 0, length, false);
    return i < length ? i : -1;
}

// -1, not the length, when every character is in the set.
int Text::FindNotFromCharacterSet(const Text& set) const {
    const int i = detail::CharacterSet(set.buffer, set.length).SkipWhile(buffer, 0, length, true);
    return i < length ? i : -1;
}

} // namespace VorelText
