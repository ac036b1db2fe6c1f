// C function: tokenizing in place with a caller-held saved position.
#include "VorelText.h"

#include <cstring>

extern "C" {

// Each call scans only its own token and the delimiters before it (the C
// library's strspn/strcspn build one delimiter table per call), never the
// rest of the array, so a whole tokenization is linear.
char* vtxt_Text_strtok_r(char* str, const char* delimiters, char** saveptr) {
    if (saveptr == nullptr)
        return nullptr;
    // A saved position wins over str: a sequence ends only when it is NULL.
    char* const p = *saveptr != nullptr ? *saveptr : str;
    if (p == nullptr)
        return nullptr;
    const char* const set = delimiters != nullptr ? delimiters : "";
    char* const start = p + std::strspn(p, set);
    char* const end = start + std::strcspn(start, set);
    if (*end != '\0') {
        // Cut the token at its delimiter; the next call resumes after it.
        *end = '\0';
        *saveptr = end + 1;
    } else {
        *saveptr = nullptr;
    }
    return end == start ? nullptr : start;
}

} // extern "C"
