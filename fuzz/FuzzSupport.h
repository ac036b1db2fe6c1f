// Shared by the fuzz harnesses and the unit tests: the reader that turns a
// fuzzer's bytes into small numbers and strings, exact-size arrays, and plain
// references for the contracts that differ from the C library's.
#ifndef VORELTEXT_FUZZ_FUZZSUPPORT_H
#define VORELTEXT_FUZZ_FUZZSUPPORT_H

#include "VorelText.h"

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>

namespace vfuzz {

// Reads the bytes front to back, so that seed inputs are easy to write by
// hand. Past the end every read gives 0.
class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool More() const { return at_ < size_; }
    std::uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
    bool Bool() { return (Byte() & 1) != 0; }
    // 0 to n - 1; two bytes when n exceeds 256.
    int Below(int n) {
        unsigned value = Byte();
        if (n > 256)
            value = value << 8 | Byte();
        return static_cast<int>(value % static_cast<unsigned>(n));
    }
    // A length byte below 0x80 and that many bytes; from 0x80 a run of one
    // byte, (lead - 0x80) * 8 + 0..7 long, which reaches past the 256- and
    // 512-byte block edges.
    std::string String() {
        const int lead = Byte();
        if (lead >= 0x80) {
            const std::size_t run = static_cast<std::size_t>((lead - 0x80) * 8 + Below(8));
            return std::string(run, static_cast<char>(Byte()));
        }
        std::string s;
        for (int i = 0; i < lead && More(); ++i)
            s += static_cast<char>(Byte());
        return s;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

// A mismatch escapes the harness as an exception: libFuzzer sees the crash
// and keeps the input, the unit tests report the check by name.
inline void Expect(bool ok, const char* what) {
    if (!ok)
        throw std::logic_error(what);
}

// A caller's array of exactly max(total, bytes.size()) bytes from malloc:
// `bytes`, then 0x5A. The sanitizers report any access past it and any
// release by the library.
class Array {
public:
    Array() = default;
    Array(const std::string& bytes, std::size_t total) { Make(bytes, total); }
    Array(const Array&) = delete;
    Array& operator=(const Array&) = delete;
    ~Array() { std::free(p_); }
    void Make(const std::string& bytes, std::size_t total) {
        std::free(p_);
        count_ = std::max(total, bytes.size());
        p_ = static_cast<char*>(std::malloc(count_ == 0 ? 1 : count_)); // exact, but never NULL
        std::memset(p_, 0x5A, count_);
        std::memcpy(p_, bytes.data(), bytes.size());
    }
    char* get() const { return p_; }
    std::size_t size() const { return count_; }
    std::string All() const { return std::string(p_ == nullptr ? "" : p_, count_); }

private:
    char* p_ = nullptr;
    std::size_t count_ = 0;
};

// The text up to its first NUL, as a C function would see it.
inline std::string Cut(const std::string& s) {
    return s.substr(0, s.find('\0'));
}

// Search results as indexes, -1 for not found.
inline long Offset(const char* p, const char* base) {
    return p == nullptr ? -1 : p - base;
}
inline int Index(std::size_t i) {
    return i == std::string::npos ? -1 : static_cast<int>(i);
}

// Case conversion through the C library as the library does it: 0xFF stands
// for EOF and stays.
inline char Case(char c, bool upper) {
    const unsigned char byte = static_cast<unsigned char>(c);
    if (byte == 0xFF)
        return c;
    return static_cast<char>(upper ? std::toupper(byte) : std::tolower(byte));
}

// -1, 0 or 1: empty texts order first whatever the count; otherwise at most
// count positions, terminators included, as signed bytes (folded to lower
// case when ignoring it). NULs may lie inside a and b.
inline int Order(const std::string& a, const std::string& b, unsigned count, bool ignoreCase) {
    if (a.empty() || b.empty())
        return a.empty() ? (b.empty() ? 0 : -1) : 1;
    const std::size_t bound = std::min<std::size_t>(std::max(a.size(), b.size()), count);
    for (std::size_t i = 0; i < bound; ++i) {
        if (i > a.size() || i > b.size())
            return i > a.size() ? -1 : 1;
        const int x = static_cast<signed char>(ignoreCase ? Case(a[i], false) : a[i]);
        const int y = static_cast<signed char>(ignoreCase ? Case(b[i], false) : b[i]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return 0;
}

// The harnesses' checks, which the page-boundary test also runs on its
// guarded arrays. capi_fuzzer.cpp: the C searches of s for set and for c, a
// tokenization of text (restarts read from `in`), one of the copies (0
// strcpy, 1 strncpy, 2 strcat with capacity n, 3 strncat) into dst of `bytes`
// bytes, and the comparisons of a and b over n. NULL strings read as "".
void CSearches(char* s, char* set, int c);
void CTokens(Input& in, char* text, char* delimiters);
void CCopy(int op, char* dst, std::size_t bytes, char* src, int n);
void CComparisons(char* a, char* b, unsigned n);
// text_fuzzer.cpp: t's searches for pattern's text, for c and from start,
// Compare and the relational operators over count, and FindToken from
// position (answering the next position); chars are t's characters.
using VorelText::Text;
void TextSearches(const Text& t, const std::string& chars, Text& pattern, char c, int start);
void TextCompare(Text& t, const std::string& chars, Text& other, unsigned count);
int TextToken(const Text& t, const std::string& chars, Text& delimiters, int position);

} // namespace vfuzz

#endif
