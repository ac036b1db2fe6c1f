// Text: cutting the text into tokens separated by a set of delimiters.
#include "VorelText.h"
#include "text/CharacterSet.h"

namespace VorelText {

// The token is copied out; the text itself is never changed. The end index
// is stored before the copy is made.
Text Text::FindToken(const Text& delimiters, int* position) const {
    if (position == nullptr)
        return SubString(length, 0);
    int from = *position;
    if (from < 0)
        from = 0;
    if (from > length)
        from = length;
    const detail::CharacterSet delimiter(delimiters.buffer, delimiters.length);
    const int start = delimiter.SkipWhile(buffer, from, length, true);
    const int end = delimiter.SkipWhile(buffer, start, length, false);
    *position = end;
    return SubString(start, end - start);
}

} // namespace VorelText
