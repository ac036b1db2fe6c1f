// Shared by the benchmark sources: the sizes, the test texts and the naming
// that bench/compare reads ("<operation>/<ours|reference>/<size>").
#ifndef VORELTEXT_BENCH_BENCH_H
#define VORELTEXT_BENCH_BENCH_H

#include <benchmark/benchmark.h>

#include <cctype>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace bench {

// Text sizes in bytes, terminator not counted.
inline const std::vector<int>& Sizes() {
    static const std::vector<int> sizes = {16, 64, 256, 4096, 65536};
    return sizes;
}

constexpr int kMiB = 1 << 20;

// n lower-case letters cycling through 'a'..'y': no 'z', no upper case, no
// punctuation, so a search for any of those runs to wherever it was planted.
inline std::string Letters(int n) {
    std::string s(static_cast<std::size_t>(n), 'a');
    for (int i = 0; i < n; ++i)
        s[static_cast<std::size_t>(i)] = static_cast<char>('a' + i % 25);
    return s;
}

// n bytes of words of 3 to 9 letters, each followed by one blank or comma.
inline std::string Words(int n) {
    std::string s;
    s.reserve(static_cast<std::size_t>(n));
    std::uint32_t seed = 12345;
    while (static_cast<int>(s.size()) < n) {
        seed = seed * 1103515245u + 12345u;
        const int word = 3 + static_cast<int>((seed >> 16) % 7);
        for (int i = 0; i < word; ++i)
            s += static_cast<char>('a' + (seed >> (i % 8)) % 26);
        s += (seed & 0x100) != 0 ? ',' : ' ';
    }
    s.resize(static_cast<std::size_t>(n));
    return s;
}

// The sets that the set searches take, of 1, 4 and 16 characters: Outside()
// holds none of the letters of Letters(), Inside() only letters.
inline const std::vector<int>& SetSizes() {
    static const std::vector<int> sizes = {1, 4, 16};
    return sizes;
}
inline std::string Outside(int count) {
    return std::string("#%&*+-/:;<=>?@[^").substr(0, static_cast<std::size_t>(count));
}
inline std::string Inside(int count) {
    return std::string("abcdefghijklmnop").substr(0, static_cast<std::size_t>(count));
}
// n characters cycling through `set`, then one that is not in it.
inline std::string RunOf(const std::string& set, int n) {
    std::string s(static_cast<std::size_t>(n), 'z');
    for (int i = 0; i + 1 < n; ++i)
        s[static_cast<std::size_t>(i)] = set[static_cast<std::size_t>(i) % set.size()];
    return s;
}
// The substring search's worst case: a needle of k 'a's and a 'b' in n 'a's,
// where every position matches k characters before it fails.
inline std::string Adversarial(int n) {
    return std::string(static_cast<std::size_t>(n), 'a');
}
inline std::string AdversarialNeedle(int n) {
    return std::string(static_cast<std::size_t>(n < 64 ? n / 2 : 31), 'a') + 'b';
}

inline std::string Upper(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

// Registers one side of a comparison; `bytes` is what one iteration
// processes, reported as bytes per second.
template <typename Body>
void Add(const std::string& operation, bool ours, int size, long long bytes, Body body) {
    const std::string name = operation + (ours ? "/ours/" : "/reference/") + std::to_string(size);
    benchmark::RegisterBenchmark(name.c_str(), [body, bytes](benchmark::State& state) mutable {
        body(state);
        state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * bytes);
    });
}

// Runs at static initialisation, before benchmark_main.
struct Registrar {
    template <typename Function> explicit Registrar(Function registerAll) { registerAll(); }
};

} // namespace bench

#endif
