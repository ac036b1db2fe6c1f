// Text: the sizing policy and the buffer-too-small error.
#include "text/Storage.h"
#include "VorelText.h"

#include <cstring>

namespace VorelText::detail {

void ThrowBufferTooSmall() {
    // Thrown as a pointer to non-const char, as handlers expect.
    static char text[] = VTXT_BUFFER_TOO_SMALL;
    throw static_cast<char*>(text);
}

int MeasureLength(const char* s) {
    if (s == nullptr)
        return 0;
    const std::size_t n = std::strlen(s);
    if (n > static_cast<std::size_t>(INT_MAX))
        ThrowTooLong();
    return static_cast<int>(n);
}

int BlockSizeAbove(long long n) {
    const long long bytes = (n / kBlockSize + 1) * kBlockSize;
    if (bytes > INT_MAX)
        ThrowTooLong();
    return static_cast<int>(bytes);
}

char* NewBuffer(int size) {
    return new char[static_cast<std::size_t>(size)];
}

} // namespace VorelText::detail
