// A program with a HINSTANCE of its own (common in code ported from Windows)
// opts out of the header's alias and names the module type vtxt_Module.
typedef void* HINSTANCE;
#define VORELTEXT_NO_HINSTANCE
#include "VorelText.h"

bool OwnHinstanceCompiles() {
    HINSTANCE own = nullptr;
#if defined(_WIN32)
    const vtxt_Module module = nullptr;
    return own == nullptr && module == nullptr;
#else
    static const vtxt_StringTableEntry entries[] = {{1, "one"}};
    static const vtxt_StringTable table = {entries, 1};
    const vtxt_Module module = &table;
    return own == nullptr && VorelText::Text(module, 1) == "one";
#endif
}
