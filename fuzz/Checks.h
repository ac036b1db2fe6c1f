// The checks that the fuzz harnesses, the page-boundary test and the unit
// tests' replay share: a reader that turns a fuzzer's bytes into small numbers
// and strings, exact-size arrays, plain references for the contracts that
// differ from the C library's, and the checks themselves, which throw
// std::logic_error naming what did not match. C++11, so that the interface
// test can share the relation check.
#ifndef VORELTEXT_FUZZ_CHECKS_H
#define VORELTEXT_FUZZ_CHECKS_H

#include "VorelText.h"

#include <algorithm>
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

// Runs one input on the instruction-set path (scalar, SSE2, AVX2) that its
// size picks, so that each kernel meets every input on every path; then the
// library chooses again.
class PathFor {
public:
    explicit PathFor(std::size_t size);
    ~PathFor();
    PathFor(const PathFor&) = delete;
    PathFor& operator=(const PathFor&) = delete;
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

// All six relational operators of l against r follow `order` (-1, 0, 1).
template <class L, class R> bool FollowsOrder(L&& l, R&& r, int order) {
    return (l == r) == (order == 0) && (l != r) == (order != 0) && (l < r) == (order < 0) &&
           (l <= r) == (order <= 0) && (l > r) == (order > 0) && (l >= r) == (order >= 0);
}

// Case conversion through the C library as the library does it: 0xFF stands
// for EOF and stays.
char Case(char c, bool upper);

// -1, 0 or 1: empty texts order first whatever the count; otherwise at most
// count positions, terminators included, as signed bytes (folded to lower
// case when ignoring it). NULs may lie inside a and b.
int Order(const std::string& a, const std::string& b, unsigned count, bool ignoreCase);

// The first token of s at or after `from`: its first index and the index of
// the delimiter (or the end) that follows it; both s.size() when none is left.
std::size_t TokenStart(const std::string& s, const std::string& delimiters, std::size_t from);
std::size_t TokenEnd(const std::string& s, const std::string& delimiters, std::size_t start);

// The C functions. The searches of s for set and for c; a tokenization of
// text (restarts read from `in`); one of the copies (0 strcpy, 1 strncpy,
// 2 strcat with capacity n, 3 strncat) into dst of `bytes` bytes; the
// comparisons of a and b over n; the character functions. NULL strings read
// as "".
void CSearches(const char* s, const char* set, int c);
void CTokens(Input& in, char* text, const char* delimiters);
void CCopy(int op, char* dst, std::size_t bytes, const char* src, int n);
void CComparisons(const char* a, const char* b, unsigned n);
void CCharacters(int c);

// Text: t's searches for pattern's text, for c and from start, Compare and
// the relational operators over count, and FindToken from position
// (answering the next position); chars are t's characters.
using VorelText::Text;
void TextSearches(const Text& t, const std::string& chars, const Text& pattern, char c, int start);
void TextCompare(const Text& t, const std::string& chars, const Text& other, unsigned count);
int TextToken(const Text& t, const std::string& chars, const Text& delimiters, int position);
// A result of operator+, SubString or FindToken: exactly these characters
// and a terminator in a buffer of their size, with the default flags.
void IsFresh(const Text& r, const std::string& chars, const char* what);

} // namespace vfuzz

#endif
