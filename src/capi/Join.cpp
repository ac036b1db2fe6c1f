// C functions: appending to the string in a caller's array.
#include "VorelText.h"
#include "capi/Frame.h"

using VorelText::Text;
using VorelText::detail::kDestinationSize;

extern "C" {

// capacity bounds the whole result, terminator included; a NULL dst has none.
char* vtxt_Text_strcat(char* dst, int capacity, char* src) {
    Text destination;
    destination.Attach(dst, capacity);
    Text source;
    source.Attach(src);
    try {
        destination += source;
    } catch (char*) {
        return nullptr; // refused before anything was written
    }
    return dst;
}

char* vtxt_Text_strncat(char* dst, char* src, int n) {
    Text destination;
    destination.Attach(dst, kDestinationSize);
    Text source;
    source.Attach(src);
    return destination.Concatenate(source, n < 0 ? 0 : n) ? dst : nullptr;
}

} // extern "C"
