// C functions: appending to the string in a caller's array.
#include "VorelText.h"
#include "capi/Frame.h"

using VorelText::Text;
using VorelText::detail::kDestinationSize;
using VorelText::detail::Source;

extern "C" {

// capacity bounds the whole result, terminator included; a NULL dst has none.
char* vtxt_Text_strcat(char* dst, int capacity, const char* src) {
    Text destination;
    destination.Attach(dst, capacity);
    const Text source = Source(src);
    try {
        destination += source;
    } catch (char*) {
        return nullptr; // refused before anything was written
    }
    return dst;
}

char* vtxt_Text_strncat(char* dst, const char* src, int n) {
    Text destination;
    destination.Attach(dst, kDestinationSize);
    const Text source = Source(src);
    return destination.Concatenate(source, n < 0 ? 0 : n) ? dst : nullptr;
}

} // extern "C"
