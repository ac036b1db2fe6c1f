// Text: construction, copy, destruction, attaching and the temporary mark.
#include "VorelText.h"
#include "text/Storage.h"

#include <cstring>
#include <utility>

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

// Sized as the formatting constructor sizes a format without conversions,
// which a lone char* selected before it was copied as it stands.
Text::Text(char* s) : Text() {
    if (s != nullptr && s[0] != '\0')
        *this = static_cast<const char*>(s);
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

// A move hands the buffer over as it is held: owned stays owned, attached
// stays attached to the same array, and a temporary's buffer becomes owned, as
// a copy would take it over. The source is left without a buffer.
Text::Text(Text&& src) noexcept : Text() {
    *this = std::move(src);
}

Text& Text::operator=(Text&& src) noexcept {
    if (&src == this)
        return *this;
    // A temporary may hand back the very buffer this object owns.
    if (!attached && buffer != src.buffer)
        delete[] buffer;
    buffer = src.buffer;
    length = src.length;
    size = src.size;
    attached = src.attached && !src.temp;
    temp = false;
    caseSensitive = src.caseSensitive;
    searchForward = src.searchForward;
    src.Detach();
    src.temp = false;
    return *this;
}

Text::~Text() {
    if (!attached)
        delete[] buffer;
}

// Constructors only, once Text() has set the flags.
void Text::InitFromBuffer(const char* s) {
    const int n = detail::MeasureLength(s);
    const int bytes = detail::ReservedSize(n);
    buffer = detail::NewBuffer(bytes);
    size = bytes;
    length = n;
    if (n != 0)
        std::memcpy(buffer, s, static_cast<std::size_t>(n));
    buffer[n] = '\0';
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
    const int declared = detail::ExactSize(n); // n + 1 must fit an int
    buffer = p;
    size = p == nullptr ? 0 : declared;
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
