// The tests' string resources: on Windows the test program's own STRINGTABLE
// (tests/resources.rc), read by LoadStringA; elsewhere a string table of the
// same rows.
#ifndef VORELTEXT_TESTS_RESOURCESTRINGS_H
#define VORELTEXT_TESTS_RESOURCESTRINGS_H

#include "VorelText.h"

#include <vector>

#if defined(_WIN32)
#include <windows.h>
#endif

namespace vtest {

struct ResourceString {
    unsigned int id;
    int size; // of a fresh Text(module, id)
    const char* text;
};
#define VTEST_STRING(id, size, text) {id, size, text},
inline const ResourceString kResourceStrings[] = {
#include "resource_strings.inc"
};
#undef VTEST_STRING
constexpr unsigned int kMissingId = 99;

// The module that holds the rows above.
inline vtxt_Module Resources() {
#if defined(_WIN32)
    return GetModuleHandleA(nullptr);
#else
    static const std::vector<vtxt_StringTableEntry> entries = [] {
        std::vector<vtxt_StringTableEntry> all;
        for (const ResourceString& row : kResourceStrings)
            all.push_back({row.id, row.text});
        return all;
    }();
    static const vtxt_StringTable table = {entries.data(), static_cast<int>(entries.size())};
    return &table;
#endif
}

} // namespace vtest

#endif
