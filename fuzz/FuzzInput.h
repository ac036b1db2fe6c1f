// Reads a fuzzer's bytes front to back as small numbers and strings, so that
// seed inputs are easy to write by hand. Past the end every read gives 0.
#ifndef VORELTEXT_FUZZ_FUZZINPUT_H
#define VORELTEXT_FUZZ_FUZZINPUT_H

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace vfuzz {

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

// A mismatch is a crash, so that the fuzzer keeps the input.
inline void Expect(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "mismatch: %s\n", what);
        std::abort();
    }
}

// The text up to its first NUL, as a C function would see it.
inline std::string Cut(const std::string& s) {
    return s.substr(0, s.find('\0'));
}

} // namespace vfuzz

#endif
