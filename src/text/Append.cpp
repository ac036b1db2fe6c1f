// Text: appending in place, and Concatenate, which reports instead of throwing.
#include "VorelText.h"
#include "text/Compose.h"
#include "text/Storage.h"

#include <cstring>

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

// Appends what src.SubString(0, count) would hold, without making it: the
// first count characters (all when there are fewer), cut at a NUL among them.
bool Text::Concatenate(const Text& src, int count) {
    const int n = count < 0 ? 0 : (count < src.length ? count : src.length);
    const void* nul = n == 0 ? nullptr : std::memchr(src.buffer, 0, static_cast<std::size_t>(n));
    const int pieceLength =
        nul == nullptr ? n : static_cast<int>(static_cast<const char*>(nul) - src.buffer);
    if (pieceLength == 0)
        return true; // appending an empty Text changes nothing
    try {
        AppendTail(buffer, length, size, attached, src.buffer, pieceLength,
                   [](long long needed) { return detail::BlockSizeAbove(needed - 1); });
        return true;
    } catch (...) {
        return false; // raised before anything changed
    }
}

} // namespace VorelText
