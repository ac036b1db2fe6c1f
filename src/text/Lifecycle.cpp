// Text: construction, copy, destruction, attaching and the temporary mark.
#include "VorelText.h"
#include "text/Storage.h"

#include <climits>
#include <cstring>
#include <stdexcept>

namespace VorelText {

using detail::kBlockSize;

// Callers and the C layer rely on the field layout: a pointer, an int, four
// one-byte flags and two ints.
static_assert(sizeof(void*) != 8 || sizeof(long) != 8 || sizeof(Text) == 24,
              "Text must be 24 bytes on LP64");

Text::Text()
    : buffer(nullptr), length(0), attached(false), caseSensitive(true), searchForward(true),
      temp(false), size(0), blockSize(kBlockSize) {}

Text::Text(const char* s) : Text() {
    InitFromBuffer(s);
}

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

void Text::InitFromBuffer(const char* s) {
    const int n = detail::MeasureLength(s);
    const int bytes = detail::ReservedSize(n);
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

int Text::CalcBufSize(int n) {
    return detail::BlockSizeAbove(n);
}

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
        detail::ThrowTooLongToAttach();
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
