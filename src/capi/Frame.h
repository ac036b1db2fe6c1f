// Shared by the C functions, which wrap callers' arrays in attached Text
// objects for the length of one call.
#ifndef VORELTEXT_SRC_CAPI_FRAME_H
#define VORELTEXT_SRC_CAPI_FRAME_H

namespace VorelText::detail {

// The capacity that strcpy, strncpy and strncat promise for their
// destination, terminator included: at most 32766 characters.
constexpr int kDestinationSize = 32767;

// The low 8 bits of a C character argument (0x141 is 'A').
inline char LowByte(int c) {
    return static_cast<char>(static_cast<unsigned char>(c));
}

// An index found in base as a pointer into it; the not-found -1 as NULL.
inline char* PointerAt(char* base, int index) {
    return index < 0 ? nullptr : base + index;
}

} // namespace VorelText::detail

#endif
