// Text: case conversion in place.
#include "VorelText.h"
#include "char/CaseMap.h"

namespace VorelText {

// Every one of the `length` characters, past an embedded NUL too; an attached
// Text converts its caller's array.
void Text::ToUpper() {
    for (int i = 0; i < length; ++i)
        buffer[i] = detail::UpperByte(buffer[i]);
}

void Text::ToLower() {
    for (int i = 0; i < length; ++i)
        buffer[i] = detail::LowerByte(buffer[i]);
}

} // namespace VorelText
