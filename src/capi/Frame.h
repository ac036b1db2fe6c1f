// Shared by the C functions, which wrap callers' arrays in attached Text
// objects for the length of one call.
#ifndef VORELTEXT_SRC_CAPI_FRAME_H
#define VORELTEXT_SRC_CAPI_FRAME_H

#include "VorelText.h"

namespace VorelText::detail {

// A wrapper on an array that the function only reads: attached to it in place
// and measured (size: length + 1); NULL gives an empty wrapper. A move keeps
// the attachment.
inline Text Source(const char* s) {
    Text wrapper;
    wrapper.Attach(const_cast<char*>(s));
    return wrapper;
}

// The capacity that strcpy, strncpy and strncat promise for their
// destination, terminator included: at most 32766 characters.
constexpr int kDestinationSize = 32767;

// The low 8 bits of a C character argument (0x141 is 'A').
inline char LowByte(int c) {
    return static_cast<char>(static_cast<unsigned char>(c));
}

} // namespace VorelText::detail

#endif
