// C function: substring search.
#include "VorelText.h"

#include <cstring>

extern "C" {

// Every start position of a non-empty haystack is tried, leftmost first; an
// empty needle matches at the start. That is exactly the C library's strstr,
// whose linear-time search is used. An empty haystack has no start position
// to try, so it gives NULL even for an empty needle.
char* vtxt_Text_strstr(char* haystack, char* needle) {
    if (haystack == nullptr || haystack[0] == '\0')
        return nullptr;
    return std::strstr(haystack, needle != nullptr ? needle : "");
}

} // extern "C"
