// Helpers shared by the unit tests: callers' arrays between guard bytes, a
// Text's whole state as one string, and the six relational answers.
#ifndef VORELTEXT_TESTS_TESTSUPPORT_H
#define VORELTEXT_TESTS_TESTSUPPORT_H

#include "AllocationCount.h"
#include "Checks.h"
#include "VorelText.h"
#include "text/Blocks.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#define VTEST_SKIP_UNLESS_COUNTED()                                                                \
    if (!vtest::ArrayAllocationsCounted())                                                         \
    GTEST_SKIP() << "the library's array new/delete are not the test program's (a tool "           \
                    "intercepts them, or the library is a DLL): nothing to count"

namespace vtest {

// A caller's array of `bytes` bytes (holding `text` and its NUL if given)
// between 16 guard bytes on each side. Changed() lists every byte written
// since construction as spans of indexes relative to data(), e.g. "0-3,9",
// and " released" if anything ran delete[] on data() (the newest Guarded is
// watched; the delete is counted, not performed).
class Guarded {
public:
    explicit Guarded(std::size_t bytes, const char* text = nullptr) : all_(bytes + 32, '#') {
        if (text != nullptr)
            std::memcpy(data(), text, std::strlen(text) + 1);
        before_ = all_;
        WatchDeletes(data());
    }
    ~Guarded() { WatchDeletes(nullptr); }
    char* data() { return all_.data() + 16; }
    std::string Changed() const {
        std::string spans;
        for (long i = 0, n = static_cast<long>(all_.size()); i < n; ++i) {
            long last = i - 1;
            while (last + 1 < n && all_[last + 1] != before_[last + 1])
                ++last;
            if (last >= i)
                spans += (spans.empty() ? "" : ",") + std::to_string(i - 16) +
                         (last > i ? "-" + std::to_string(last - 16) : "");
            i = last > i ? last : i;
        }
        return watchedDeletes == 0 ? spans : spans + " released";
    }

private:
    std::vector<char> all_, before_;
};

// A Text attached to a heap array of exactly length + 1 bytes, so that the
// sanitizers catch a read past the terminator; NULs may lie inside the length.
struct Exact {
    explicit Exact(const std::string& s, bool caseSensitive = true) : bytes(s.size() + 1, 'x') {
        bytes.back() = '\0';
        text.Attach(bytes.data(), static_cast<int>(bytes.size()));
        for (std::size_t i = 0; i < s.size(); ++i)
            text.SetAt(static_cast<int>(i), s[i]);
        text.CaseSensitivitySet(caseSensitive);
    }
    Exact(const Exact&) = delete;
    Exact& operator=(const Exact&) = delete;
    std::vector<char> bytes;
    VorelText::Text text;
};

// The Latin-1 locale for one test, then "C" again; `active` is false where
// the locale is not installed. A developer's machine then skips the test; CI
// (which sets CI and creates the locale) fails it. On Windows it is code page
// 1252, which has Latin-1's letters at 0xA0..0xFF.
struct Latin1Locale {
    Latin1Locale()
        : active(std::setlocale(LC_ALL, "en_US.ISO-8859-1") != nullptr ||
                 std::setlocale(LC_ALL, "en_US.iso88591") != nullptr ||
                 std::setlocale(LC_ALL, ".1252") != nullptr) {}
    ~Latin1Locale() { std::setlocale(LC_ALL, "C"); }
    bool active;
};
#if defined(_WIN32)
#define VTEST_NO_LATIN1 "no locale for code page 1252"
#else
#define VTEST_NO_LATIN1 "no Latin-1 locale (localedef -i en_US -f ISO-8859-1 en_US.ISO-8859-1)"
#endif
#define VTEST_LATIN1_OR_SKIP()                                                                     \
    vtest::Latin1Locale latin1Locale;                                                              \
    if (!latin1Locale.active && std::getenv("CI") != nullptr)                                      \
        FAIL() << "CI must create the Latin-1 locale (see .ci/setup)";                             \
    if (!latin1Locale.active)                                                                      \
    GTEST_SKIP() << VTEST_NO_LATIN1

// "characters length/size" ("null 0/0" without a buffer), then " unterminated"
// when no NUL follows the length, " nocase" and " backward" for flags off.
inline std::string Show(const VorelText::Text& t) {
    const char* p = t;
    const auto length = static_cast<std::size_t>(t.LengthGet());
    std::string s = (p != nullptr ? std::string(p, length) : "null") + " " +
                    std::to_string(length) + "/" + std::to_string(t.SizeGet());
    s += p != nullptr && p[length] != '\0' ? " unterminated" : "";
    s += t.IsCaseSensitive() ? "" : " nocase";
    return s + (t.IsSearchForward() ? "" : " backward");
}

inline std::string Upper(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

// Several answers in one expectation, e.g. "1,6,-1".
inline std::string Ints(std::initializer_list<long> values) {
    std::string s;
    for (long v : values)
        s += (s.empty() ? "" : ",") + std::to_string(v);
    return s;
}

// Runs body on each instruction-set path that this build and processor offer
// (scalar, SSE2, AVX2), then lets the library choose again.
template <typename Body> void ForEachPath(Body body) {
    using VorelText::detail::blocks::ForcePath;
    using VorelText::detail::blocks::Path;
    for (Path path : {Path::kScalar, Path::kSse2, Path::kAvx2})
        if (ForcePath(path)) {
            SCOPED_TRACE("instruction-set path " + std::to_string(static_cast<int>(path)));
            body();
        }
    ForcePath(Path::kAutomatic);
}

} // namespace vtest

using VorelText::Char;
using VorelText::Text;
using vtest::Ints;
using vtest::Show;

#endif
