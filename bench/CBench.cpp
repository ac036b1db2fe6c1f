// The C functions next to the C library's namesakes, on the same arrays.
#include "Bench.h"

#include "VorelText.h"

#include <cstring>
#include <strings.h>

namespace {

using bench::Add;

// Arrays that a benchmark may write into (strtok_r, the copies); the data
// stays alive for the whole run.
std::vector<char> Array(const std::string& s) {
    std::vector<char> a(s.begin(), s.end());
    a.push_back('\0');
    return a;
}

// Registers a function of one or two arrays next to its namesake; both are
// called with the same arguments and their results kept alive.
template <typename Ours, typename Reference>
void Pair(const char* operation, int n, long long bytes, std::vector<char> first,
          std::vector<char> second, Ours ours, Reference reference) {
    Add(operation, true, n, bytes, [first, second, ours](benchmark::State& state) mutable {
        for (auto _ : state)
            benchmark::DoNotOptimize(ours(first.data(), second.data()));
    });
    Add(operation, false, n, bytes, [first, second, reference](benchmark::State& state) mutable {
        for (auto _ : state)
            benchmark::DoNotOptimize(reference(first.data(), second.data()));
    });
}

void Length(int n) {
    Pair(
        "strlen", n, n, Array(bench::Letters(n)), Array(""),
        [](char* s, char*) { return vtxt_Text_strlen(s); },
        [](char* s, char*) { return std::strlen(s); });
}

// The character is the last of the array for strchr; for strrchr it is the
// first, so that both have to look at everything.
void CharacterSearch(int n) {
    std::string last = bench::Letters(n);
    last.back() = 'z';
    std::string first = bench::Letters(n);
    first.front() = 'z';
    Pair(
        "strchr", n, n, Array(last), Array(""),
        [](char* s, char*) { return vtxt_Text_strchr(s, 'z'); },
        [](char* s, char*) { return std::strchr(s, 'z'); });
    Pair(
        "strrchr", n, n, Array(first), Array(""),
        [](char* s, char*) { return vtxt_Text_strrchr(s, 'z'); },
        [](char* s, char*) { return std::strrchr(s, 'z'); });
}

// Sets of 1, 4 and 16 characters; the only member of the set stands last
// (strpbrk, strcspn), or the only non-member does (strspn).
void SetSearch(int n) {
    for (int count : bench::SetSizes()) {
        const std::string outside = bench::Outside(count);
        std::string last = bench::Letters(n);
        last.back() = outside.back();
        const std::string run = bench::RunOf(bench::Inside(count), n);
        const std::string suffix = " (set " + std::to_string(count) + ")";
        Pair(("strpbrk" + suffix).c_str(), n, n, Array(last), Array(outside),
             [](char* s, char* set) { return vtxt_Text_strpbrk(s, set); },
             [](char* s, char* set) { return std::strpbrk(s, set); });
        Pair(("strcspn" + suffix).c_str(), n, n, Array(last), Array(outside),
             [](char* s, char* set) { return vtxt_Text_strcspn(s, set); },
             [](char* s, char* set) { return std::strcspn(s, set); });
        Pair(("strspn" + suffix).c_str(), n, n, Array(run), Array(bench::Inside(count)),
             [](char* s, char* set) { return vtxt_Text_strspn(s, set); },
             [](char* s, char* set) { return std::strspn(s, set); });
    }
}

// An 8-character needle at the end; its first letter recurs every 25 bytes.
// Then the worst case, which must stay linear.
void SubstringSearch(int n) {
    const std::string needle = "needle#1";
    std::string haystack = bench::Letters(n);
    haystack.replace(haystack.size() - needle.size(), needle.size(), needle);
    Pair(
        "strstr", n, n, Array(haystack), Array(needle),
        [](char* h, char* s) { return vtxt_Text_strstr(h, s); },
        [](char* h, char* s) { return std::strstr(h, s); });
    Pair(
        "strstr a^k b in a^n", n, n, Array(bench::Adversarial(n)),
        Array(bench::AdversarialNeedle(n)), [](char* h, char* s) { return vtxt_Text_strstr(h, s); },
        [](char* h, char* s) { return std::strstr(h, s); });
}

// A whole tokenization of n bytes of words; each run starts from a fresh copy
// (strtok_r writes NULs), which both sides pay for.
void Tokenizing(int n) {
    const std::string words = bench::Words(n);
    using Function = char* (*)(char*, const char*, char**);
    const auto run = [words](Function tokenize) {
        return [words, tokenize](benchmark::State& state) {
            std::vector<char> copy = Array(words);
            for (auto _ : state) {
                std::memcpy(copy.data(), words.c_str(), words.size() + 1);
                char* saved = nullptr;
                for (char* token = tokenize(copy.data(), " ,", &saved); token != nullptr;
                     token = tokenize(nullptr, " ,", &saved))
                    benchmark::DoNotOptimize(token);
            }
        };
    };
    Add("strtok_r (whole text)", true, n, n, run([](char* s, const char* d, char** p) {
            return vtxt_Text_strtok_r(s, const_cast<char*>(d), p);
        }));
    Add("strtok_r (whole text)", false, n, n,
        run([](char* s, const char* d, char** p) { return strtok_r(s, d, p); }));
}

// Copies of n - 1 characters (n bytes written). The copies that promise a
// 32767-byte destination cannot take 64 KiB and are left out there.
void Copying(int n) {
    const std::string source = bench::Letters(n - 1);
    std::vector<char> target(static_cast<std::size_t>(n) + 1);
    if (n < 32767) {
        Pair(
            "strcpy", n, n, target, Array(source),
            [](char* d, char* s) { return vtxt_Text_strcpy(d, s); },
            [](char* d, char* s) { return std::strcpy(d, s); });
        Pair(
            "strncpy", n, n, target, Array(source),
            [n](char* d, char* s) { return vtxt_Text_strncpy(d, s, n - 1); },
            [n](char* d, char* s) { return std::strncpy(d, s, static_cast<std::size_t>(n - 1)); });
    }
    // Appending half to half: the destination is cut back first on both sides.
    const std::string half = bench::Letters(n / 2);
    std::vector<char> head = Array(half);
    head.resize(static_cast<std::size_t>(n) + 1);
    const std::size_t cut = half.size();
    Pair(
        "strcat", n, n, head, Array(half),
        [n, cut](char* d, char* s) {
            d[cut] = '\0';
            return vtxt_Text_strcat(d, n + 1, s);
        },
        [cut](char* d, char* s) {
            d[cut] = '\0';
            return std::strcat(d, s);
        });
    if (n < 32767)
        Pair(
            "strncat", n, n, head, Array(half),
            [n, cut](char* d, char* s) {
                d[cut] = '\0';
                return vtxt_Text_strncat(d, s, n / 2);
            },
            [n, cut](char* d, char* s) {
                d[cut] = '\0';
                return std::strncat(d, s, static_cast<std::size_t>(n / 2));
            });
}

// Equal but for the last character; ignoring case, every letter of the second
// is the upper-case form of the first's.
void Comparing(int n) {
    std::string first = bench::Letters(n);
    std::string second = first;
    second.back() = 'z';
    const std::string upper = bench::Upper(second);
    const auto count = static_cast<unsigned>(n);
    Pair(
        "strcmp", n, n, Array(first), Array(second),
        [](char* a, char* b) { return vtxt_Text_strcmp(a, b); },
        [](char* a, char* b) { return std::strcmp(a, b); });
    Pair(
        "strncmp", n, n, Array(first), Array(second),
        [count](char* a, char* b) { return vtxt_Text_strncmp(a, b, count); },
        [count](char* a, char* b) { return std::strncmp(a, b, count); });
    Pair(
        "_stricmp / strcasecmp", n, n, Array(first), Array(upper),
        [](char* a, char* b) { return vtxt_Text__stricmp(a, b); },
        [](char* a, char* b) { return strcasecmp(a, b); });
    Pair(
        "_strnicmp / strncasecmp", n, n, Array(first), Array(upper),
        [count](char* a, char* b) { return vtxt_Text__strnicmp(a, b, count); },
        [count](char* a, char* b) { return strncasecmp(a, b, count); });
}

const bench::Registrar registrar([] {
    for (void (*group)(int) :
         {Length, CharacterSearch, SetSearch, SubstringSearch, Tokenizing, Copying, Comparing})
        for (int n : bench::Sizes())
            group(n);
    Tokenizing(bench::kMiB);
});

} // namespace
