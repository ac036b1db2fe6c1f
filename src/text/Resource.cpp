// Text: reading a string from a module's string table.
#include "VorelText.h"
#include "text/Storage.h"

#include <string.h> // strnlen

#if defined(_WIN32)
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h> // LoadStringA
#endif

namespace VorelText {

namespace {

// The platform's lookup: copies the string cut to size - 1 characters,
// NUL-terminated, and returns the count copied. Never called with a size
// below 1 (LoadStringA would then hand out a pointer instead of copying).
// The buffer is emptied first so that a lookup that finds nothing and writes
// nothing still leaves an empty string.
int LookUp(vtxt_Module module, unsigned int id, char* buffer, int size) {
    buffer[0] = '\0';
#if defined(_WIN32)
    return LoadStringA(module, id, buffer, size);
#else
    return vtxt_LoadString(module, id, buffer, size);
#endif
}

int MeasureWithin(const char* buffer, int size) {
    return static_cast<int>(strnlen(buffer, static_cast<std::size_t>(size)));
}

} // namespace

Text::Text(vtxt_Module module, unsigned int id) : Text() {
    buffer = detail::NewBuffer(blockSize);
    buffer[0] = '\0';
    size = blockSize;
    Load(module, id);
}

void Text::Load(vtxt_Module module, unsigned int id) {
    if (attached) {
        // A caller's array or a handed-over buffer: read within it, cut to
        // size - 1 characters; it is never grown, released or taken over.
        if (buffer == nullptr || size < 1) {
            length = 0;
            return;
        }
        LookUp(module, id, buffer, size);
        length = MeasureWithin(buffer, size);
        return;
    }
    if (buffer == nullptr) {
        buffer = detail::NewBuffer(blockSize);
        size = blockSize;
    }
    // A full buffer may have cut the string: grow by one block and read again,
    // releasing the old buffer first. Never shrinks.
    int count = LookUp(module, id, buffer, size);
    while (count >= size - 1) {
        const int grown = detail::NextBlock(size);
        delete[] buffer;
        buffer = nullptr;
        size = 0;
        length = 0;
        buffer = detail::NewBuffer(grown);
        size = grown;
        count = LookUp(module, id, buffer, size);
    }
    length = MeasureWithin(buffer, size);
}

} // namespace VorelText
