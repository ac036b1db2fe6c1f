// Text: construction, copy, destruction, attaching and the temporary mark.
#include "VorelText.h"
#include "text/Storage.h"

#include <climits>
#include <cstring>
#include <stdexcept>

namespace VorelText {

using detail::kBlockSize;

Text::Text()
    : buffer(nullptr), length(0), attached(false), caseSensitive(true), searchForward(true),
      temp(false), size(0), blockSize(kBlockSize) {}

Text::Text(const char* s) : Text() { InitFromBuffer(s); }

Text::Text(const Text& src) : Text() {
    if (src.temp) {
        // Take-over: the temporary hands its buffer to this object.
        buffer = src.buffer;
        length = src.length;
        size = src.size;
    } else {
        InitFromBuffer(src.buffer);
    }
    caseSensitive = src.caseSensitive;
    searchForward = src.searchForward;
}

Text::~Text() {
    if (!attached)
        delete[] buffer;
}

// Texts of up to 32,766 full blocks plus 255 characters reserve 65,536 bytes
// per started block of 256, so that appends rarely move them; longer ones,
// whose reservation would overflow an int, get the ordinary block size.
static int InitialSize(int n) {
    constexpr int kLargestReserved = 8388351;
    if (n <= kLargestReserved)
        return (n / kBlockSize + 1) * kBlockSize * kBlockSize;
    return n <= INT_MAX - kBlockSize ? detail::BlockSizeAbove(n) : n + 1;
}

void Text::InitFromBuffer(const char* s) {
    const int n = detail::MeasureLength(s);
    const int bytes = InitialSize(n);
    buffer = detail::NewBuffer(bytes);
    size = bytes;
    length = n;
    if (n != 0)
        std::memcpy(buffer, s, static_cast<std::size_t>(n));
    buffer[n] = '\0';
    temp = false;
    attached = false;
    caseSensitive = true;
    searchForward = true;
}

int Text::CalcBufSize(int n) { return detail::BlockSizeAbove(n); }

void Text::Attach(char* p, int declaredSize) {
    const int n = detail::MeasureLength(p);
    buffer = p;
    size = p == nullptr ? 0 : declaredSize;
    length = n;
    attached = true;
}

void Text::Attach(char* p) {
    const int n = detail::MeasureLength(p);
    if (n == INT_MAX) // its size, n + 1, would not fit an int
        throw std::length_error("VorelText: string too long to attach");
    buffer = p;
    size = p == nullptr ? 0 : n + 1;
    length = n;
    attached = true;
}

void Text::Detach() {
    buffer = nullptr;
    size = 0;
    length = 0;
    attached = false;
}

void Text::FlagAsTemp() {
    temp = true;
    attached = true;
}

} // namespace VorelText
