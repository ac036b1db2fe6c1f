// Text: appending in place, and Concatenate, which reports instead of throwing.
#include "VorelText.h"
#include "text/Compose.h"
#include "text/Storage.h"

namespace VorelText {

// Appends tail[0..tailLength) in place. An object that must grow moves to
// a fresh buffer of grownSize(needed) bytes, where needed counts the
// characters and the terminator; attached and temporary objects throw instead,
// before anything changes. The tail is copied before the old buffer is
// released, so it may lie in that buffer (self-append included).
template <typename GrownSize>
static void AppendTail(char*& buffer, int& length, int& size, bool attached, const char* tail,
                       int tailLength, GrownSize grownSize) {
    const long long needed = static_cast<long long>(length) + tailLength + 1;
    if (size < needed) {
        if (attached)
            detail::ThrowBufferTooSmall();
        const int grown = grownSize(needed);
        char* fresh = detail::JoinedBuffer(grown, buffer, length, tail, tailLength);
        delete[] buffer;
        buffer = fresh;
        size = grown;
    } else {
        detail::PutTail(buffer + length, tail, tailLength);
    }
    length += tailLength;
}

// Growth rounds up to the next 256-byte block above a count that differs by
// operand kind: the new length for a Text, length + 2 for a Char and the bytes
// needed for a C string.
Text& Text::operator+=(const Text& src) {
    if (src.length == 0)
        return *this;
    AppendTail(buffer, length, size, attached, src.buffer, src.length,
               [](long long needed) { return detail::BlockSizeAbove(needed - 1); });
    return *this;
}

Text& Text::operator+=(const Char& c) {
    AppendTail(buffer, length, size, attached, &c.value, 1,
               [](long long needed) { return detail::BlockSizeAbove(needed); });
    return *this;
}

Text& Text::operator+=(const char* const s) {
    AppendTail(buffer, length, size, attached, s, detail::MeasureLength(s),
               [](long long needed) { return detail::BlockSizeAbove(needed); });
    return *this;
}

bool Text::Concatenate(Text& src, int count) {
    try {
        const Text piece = src.SubString(0, count);
        *this += piece;
        return true;
    } catch (...) {
        return false;
    }
}

} // namespace VorelText
