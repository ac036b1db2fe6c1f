// C functions: copying into a caller's array declared as 32767 bytes.
#include "VorelText.h"
#include "capi/Frame.h"

using VorelText::Text;
using VorelText::detail::kDestinationSize;
using VorelText::detail::Source;

extern "C" {

// A source too long for the declaration lets the buffer-too-small error pass,
// with dst already emptied: the append refuses before writing anything.
char* vtxt_Text_strcpy(char* dst, const char* src) {
    if (dst == nullptr)
        return nullptr;
    const Text source = Source(src); // measured before dst is touched
    dst[0] = '\0';
    Text destination;
    destination.Attach(dst, kDestinationSize);
    destination += source;
    return dst;
}

// Writes dst[0..m] only, m = min(n, strlen(src)): never pads. When the copy
// cannot fit the declaration, dst is left empty and the answer is NULL so
// that the failure is not mistaken for a copy.
char* vtxt_Text_strncpy(char* dst, const char* src, int n) {
    if (dst == nullptr)
        return nullptr;
    const Text source = Source(src);
    dst[0] = '\0';
    Text destination;
    destination.Attach(dst, kDestinationSize);
    const int wanted = n < 0 ? 0 : n;
    const int m = wanted < source.LengthGet() ? wanted : source.LengthGet();
    const bool copied = destination.Concatenate(source, m);
    destination.SetAt(m, '\0');
    return copied ? dst : nullptr;
}

} // extern "C"
