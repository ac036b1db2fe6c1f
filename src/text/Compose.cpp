// Text: arrays of an exact size joined from two parts.
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

} // namespace VorelText::detail
