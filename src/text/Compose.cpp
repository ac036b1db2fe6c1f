// Text: exact-size arrays and their hand-over to returned objects.
#include "text/Compose.h"
#include "text/Storage.h"

#include <cstring>

namespace VorelText::detail {

// memcpy and memmove must not see a null pointer, even for zero bytes.
static void CopyBytes(char* dst, const char* src, int count) {
    if (count > 0)
        std::memmove(dst, src, static_cast<std::size_t>(count));
}

char* JoinedBuffer(int size, const char* head, int headLength, const char* tail, int tailLength) {
    char* joined = NewBuffer(size);
    CopyBytes(joined, head, headLength);
    CopyBytes(joined + headLength, tail, tailLength);
    joined[headLength + tailLength] = '\0';
    return joined;
}

void PutTail(char* dst, const char* tail, int tailLength) {
    CopyBytes(dst, tail, tailLength);
    dst[tailLength] = '\0';
}

Text HandOver(char* array) {
    Text local;
    local.Attach(array);
    local.FlagAsTemp();
    // Constructing the result from the marked local runs the take-over; a
    // plain `return local;` could be elided and hand back the marked object.
    return Text(local);
}

} // namespace VorelText::detail
