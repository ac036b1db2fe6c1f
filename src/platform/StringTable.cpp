// The string-table lookup that stands in for the platform's on other systems.
#include "VorelText.h"

#if !defined(_WIN32)

#include <cstring>
#include <string.h> // strnlen

namespace {

// The text of the first entry with this id; null when there is none or the
// entry's text is null.
const char* FindText(vtxt_Module module, unsigned int id) {
    if (module == nullptr || module->entries == nullptr)
        return nullptr;
    for (int i = 0; i < module->count; ++i)
        if (module->entries[i].id == id)
            return module->entries[i].text;
    return nullptr;
}

} // namespace

extern "C" int vtxt_LoadString(vtxt_Module module, unsigned int id, char* buffer, int size) {
    if (buffer == nullptr || size <= 0)
        return 0;
    const char* text = FindText(module, id);
    const std::size_t count =
        text == nullptr ? 0 : strnlen(text, static_cast<std::size_t>(size) - 1);
    if (count != 0)
        std::memcpy(buffer, text, count);
    buffer[count] = '\0';
    return static_cast<int>(count);
}

#endif
