// Text: the formatting constructor.
#include "VorelText.h"
#include "text/Storage.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace VorelText {

namespace {

struct Formatted {
    char* buffer;
    int size;
    int length;
};

// Formats into a fresh owned buffer that always holds the whole result: the
// block size above the format's length when the result fits there, else the
// block size above the result. A format the C library cannot format (an
// encoding error) gives an empty text, like any format that formats to "".
Formatted FormatOwned(const char* format, va_list args) {
    va_list measure;
    va_copy(measure, args);
    const int needed = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    int size = detail::BlockSizeAbove(detail::MeasureLength(format));
    if (needed >= size)
        size = detail::BlockSizeAbove(needed);
    char* buffer = detail::NewBuffer(size);
    if (needed < 0 || std::vsnprintf(buffer, static_cast<std::size_t>(size), format, args) < 0)
        buffer[0] = '\0';
    // A formatted NUL ends the text.
    return {buffer, size, static_cast<int>(std::strlen(buffer))};
}

} // namespace

// Run by the formatting constructor on a Text without a buffer.
void Text::InitFromFormat(const char* format, ...) {
    if (format == nullptr || format[0] == '\0')
        return;
    va_list args;
    va_start(args, format);
    Formatted result{};
    try {
        result = FormatOwned(format, args);
    } catch (...) {
        va_end(args);
        throw;
    }
    va_end(args);
    buffer = result.buffer;
    size = result.size;
    length = result.length;
}

} // namespace VorelText
