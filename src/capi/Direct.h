// The C searches and strlen computed in one call of the C library's namesake
// where it gives exactly what the wrappers of the frame would: the wrapped
// length is the strlen, so the characters searched are those before the
// terminator, which the C library's functions search too. No wrapper is
// built and no array is measured that the answer does not need.
//
// Strings of INT_MAX characters or more, which a wrapper cannot count and
// refuses with std::length_error, are refused here only where the answer is
// such a count (strlen, strcspn, strspn); the pointer searches answer them.
#ifndef VORELTEXT_SRC_CAPI_DIRECT_H
#define VORELTEXT_SRC_CAPI_DIRECT_H

#include "text/Storage.h"

#include <climits>
#include <cstddef>
#include <cstring>

namespace VorelText::detail {

// A count of characters of a caller's string as the wrapper would hold it.
inline int AttachedCount(std::size_t n) {
    if (n >= static_cast<std::size_t>(INT_MAX))
        ThrowTooLong();
    return static_cast<int>(n);
}

// strlen of a source array; 0 for NULL.
inline int SourceLength(const char* s) {
    return s == nullptr ? 0 : AttachedCount(std::strlen(s));
}

// The first (forward) or last character before the terminator equal to c;
// the NUL is never found, as the terminator is not searched.
inline char* FindByte(const char* s, char c, bool forward) {
    if (s == nullptr || c == '\0')
        return nullptr;
    return const_cast<char*>(forward ? std::strchr(s, c) : std::strrchr(s, c));
}

// The first character of s in set; NULL sets and strings are empty.
inline char* FindInSet(const char* s, const char* set) {
    return s == nullptr || set == nullptr ? nullptr : const_cast<char*>(std::strpbrk(s, set));
}

// The number of leading characters of s in (or outside) set.
inline int LeadingRun(const char* s, const char* set, bool inSet) {
    if (s == nullptr)
        return 0;
    if (set == nullptr)
        return inSet ? 0 : SourceLength(s);
    return AttachedCount(inSet ? std::strspn(s, set) : std::strcspn(s, set));
}

// The first occurrence of needle; an empty haystack holds no position to try,
// so not even the empty needle is found there.
inline char* FindSubstring(const char* haystack, const char* needle) {
    if (haystack == nullptr || *haystack == '\0')
        return nullptr;
    return const_cast<char*>(std::strstr(haystack, needle == nullptr ? "" : needle));
}

} // namespace VorelText::detail

#endif
