// Text: assignment from another Text, a C string, counted characters and a
// Char.
#include "VorelText.h"
#include "text/Compose.h"
#include "text/Storage.h"

#include <cstring>

namespace VorelText {

// Makes `fresh` the owned buffer, releasing the old one if it was ours. A
// temporary may hand back the very buffer this object already owns.
static void Adopt(char*& buffer, bool& attached, char* fresh) {
    if (!attached && buffer != fresh)
        delete[] buffer;
    buffer = fresh;
    attached = false;
}

// Every assignment builds its new buffer before the old one goes, so a source
// that lives in the old buffer is read intact and a failed allocation leaves
// the object as it was.
Text& Text::operator=(const Text& src) {
    if (&src == this)
        return *this;
    char* fresh = nullptr;
    int freshLength = 0;
    int freshSize = 0;
    if (src.temp) {
        // Take-over: the marked temporary's buffer becomes ours uncopied.
        fresh = src.buffer;
        freshLength = src.length;
        freshSize = src.size;
    } else if (src.size > 0) {
        // The whole declared capacity is copied byte for byte, the byte at
        // the length and whatever follows it included.
        fresh = detail::NewBuffer(src.size);
        std::memcpy(fresh, src.buffer, static_cast<std::size_t>(src.size));
        freshSize = src.size;
        freshLength = src.length;
        if (freshLength >= freshSize) {
            // A length the declared size cannot hold is cut and terminated.
            freshLength = freshSize - 1;
            fresh[freshLength] = '\0';
        }
    }
    Adopt(buffer, attached, fresh);
    length = freshLength;
    size = freshSize;
    temp = false;
    caseSensitive = src.caseSensitive;
    searchForward = src.searchForward;
    return *this;
}

Text& Text::operator=(const char* const s) {
    AssignCounted(s, static_cast<std::size_t>(detail::MeasureLength(s)));
    return *this;
}

// The assignment of counted characters (a C string's, a std::string_view's):
// NULs among them are kept, both flags reset.
void Text::AssignCounted(const char* s, std::size_t count) {
    if (count > static_cast<std::size_t>(INT_MAX))
        detail::ThrowTooLong();
    const int n = static_cast<int>(count);
    const int freshSize = CalcBufSize(n);
    Adopt(buffer, attached, detail::JoinedBuffer(freshSize, s, n, nullptr, 0));
    length = n;
    size = freshSize;
    temp = false;
    caseSensitive = true;
    searchForward = true;
}

Text& Text::operator=(const Char& c) {
    const int freshSize = CalcBufSize(1);
    Adopt(buffer, attached, detail::JoinedBuffer(freshSize, &c.value, 1, nullptr, 0));
    length = 1;
    size = freshSize;
    temp = false;
    caseSensitive = true;
    searchForward = true;
    return *this;
}

} // namespace VorelText
