// The copies and joins of the C functions, computed without wrappers: each
// measures what its wrappers would measure, in the same order, refuses what
// the append would refuse before writing anything, and writes the same bytes
// in the same order (dst[0] first for the copies), so that a source lying in
// the destination reads what it would have read through the wrappers.
#ifndef VORELTEXT_SRC_CAPI_COPYING_H
#define VORELTEXT_SRC_CAPI_COPYING_H

#include "capi/Direct.h"
#include "capi/Frame.h"
#include "text/Storage.h"

#include <cstdint>
#include <cstring>

namespace VorelText::detail {

// Copies n bytes of a word size from src to dst, loaded before stored.
template <typename Word> void MoveWords(char* dst, const char* src, std::size_t n) {
    Word head, tail;
    std::memcpy(&head, src, sizeof head);
    std::memcpy(&tail, src + n - sizeof tail, sizeof tail);
    std::memcpy(dst, &head, sizeof head);
    std::memcpy(dst + n - sizeof tail, &tail, sizeof tail);
}

// Stores piece[0..n) and a NUL at dst; the two may overlap. Up to 16 bytes
// move as two overlapping words, both loaded before either is stored, which
// spares short copies a call.
inline void PutPiece(char* dst, const char* piece, int n) {
    const auto bytes = static_cast<std::size_t>(n);
    if (bytes >= 8 && bytes <= 16)
        MoveWords<std::uint64_t>(dst, piece, bytes);
    else if (bytes >= 4 && bytes < 8)
        MoveWords<std::uint32_t>(dst, piece, bytes);
    else
        std::memmove(dst, piece, bytes);
    dst[n] = '\0';
}

// Appends piece[0..n) to the `length` characters at dst when the result and
// its terminator fit `size` bytes; false, writing nothing, when not. An
// empty piece changes nothing.
inline bool AppendPiece(char* dst, int length, int size, const char* piece, int n) {
    if (n == 0)
        return true;
    if (size < static_cast<long long>(length) + n + 1)
        return false;
    PutPiece(dst + length, piece, n);
    return true;
}

// The length of the string at dst as a destination wrapper measures it.
inline int DestinationLength(const char* dst) {
    return dst == nullptr ? 0 : MeasureLength(dst);
}

inline char* CopyString(char* dst, const char* src) {
    if (dst == nullptr)
        return nullptr;
    const int n = SourceLength(src); // measured before dst is touched
    dst[0] = '\0';
    if (!AppendPiece(dst, 0, kDestinationSize, src, n))
        ThrowBufferTooSmall();
    return dst;
}

// Writes dst[0..m] only, m = min(n, strlen(src)). The NUL stored at dst[0]
// ends the piece early when it lies among the m characters of src (src
// overlapping dst), as the append then finds it there.
inline char* CopyPrefix(char* dst, const char* src, int n) {
    if (dst == nullptr)
        return nullptr;
    const int length = SourceLength(src);
    dst[0] = '\0';
    const int m = n < 0 ? 0 : (n < length ? n : length);
    const auto from = reinterpret_cast<std::uintptr_t>(src);
    const auto to = reinterpret_cast<std::uintptr_t>(dst);
    const int piece =
        to >= from && to - from < static_cast<std::uintptr_t>(m) ? static_cast<int>(to - from) : m;
    const bool copied = AppendPiece(dst, 0, kDestinationSize, src, piece);
    dst[m] = '\0';
    return copied ? dst : nullptr;
}

// capacity bounds the whole result, terminator included; a NULL dst has none.
inline char* AppendString(char* dst, int capacity, const char* src) {
    const int length = DestinationLength(dst);
    const int n = SourceLength(src);
    return AppendPiece(dst, length, dst == nullptr ? 0 : capacity, src, n) ? dst : nullptr;
}

inline char* AppendPrefix(char* dst, const char* src, int n) {
    const int length = DestinationLength(dst);
    const int available = SourceLength(src);
    const int m = n < 0 ? 0 : (n < available ? n : available);
    return AppendPiece(dst, length, dst == nullptr ? 0 : kDestinationSize, src, m) ? dst : nullptr;
}

} // namespace VorelText::detail

#endif
