// The C functions against the C library's namesakes where the contracts
// coincide, and against small references written from the header where they
// do not: strtok_r's saved position, strncpy without padding, strcat's
// capacity, the 32767-byte copies, -1/0/1 signed comparisons and the empty
// haystack of strstr. Every array is malloc'd to its exact size, so the
// sanitizer reports any access one byte past what a function may touch.
#include "FuzzInput.h"
#include "VorelText.h"

#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

using vfuzz::Cut;
using vfuzz::Expect;

namespace {

constexpr int kDeclared = 32767; // what strcpy, strncpy and strncat promise

// An exact-size malloc'd array: `bytes`, then fill up to `total` bytes.
class Array {
public:
    explicit Array(const std::string& bytes, std::size_t total = 0) {
        count_ = total > bytes.size() ? total : bytes.size();
        p_ = static_cast<char*>(std::malloc(count_ == 0 ? 1 : count_));
        std::memset(p_, 0x5A, count_);
        std::memcpy(p_, bytes.data(), bytes.size());
    }
    Array(const Array&) = delete;
    Array& operator=(const Array&) = delete;
    ~Array() { std::free(p_); }
    char* get() { return p_; }
    std::string All() const { return std::string(p_, count_); }

private:
    char* p_;
    std::size_t count_;
};

// A C string in an exact array, or (now and then) the NULL that reads as "".
struct CString {
    CString(vfuzz::Input& in, const std::string& s) : array(s + '\0'), null(in.Below(8) == 0) {}
    char* get() { return null ? nullptr : array.get(); }
    std::string text() const { return null ? std::string() : Cut(array.All()); }
    Array array;
    bool null;
};

// Now and then a string near the 32767-byte limit instead of a short one.
std::string Text(vfuzz::Input& in) {
    if (in.Below(8) != 0)
        return Cut(in.String());
    return std::string(static_cast<std::size_t>(kDeclared - 8 + in.Below(16)), 'L');
}

long Offset(const char* p, const char* base) {
    return p == nullptr ? -1 : p - base;
}

int Fold(char c, bool ignoreCase) {
    const unsigned char byte = static_cast<unsigned char>(c);
    return ignoreCase && byte < 0x80 ? std::tolower(byte) : static_cast<signed char>(c);
}

// Empty strings order first whatever n is; then at most n positions, the
// shorter string's terminator included, as signed bytes.
int Order(const std::string& a, const std::string& b, unsigned n, bool ignoreCase) {
    if (a.empty() || b.empty())
        return a.empty() ? (b.empty() ? 0 : -1) : 1;
    for (std::size_t i = 0; i < n && i <= a.size() && i <= b.size(); ++i) {
        const int x = Fold(a.c_str()[i], ignoreCase), y = Fold(b.c_str()[i], ignoreCase);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return 0;
}

void Searches(vfuzz::Input& in) {
    CString s(in, Cut(in.String())), set(in, Cut(in.String()));
    char* p = s.get();
    const std::string text = s.text();
    const int c = static_cast<std::int16_t>(in.Below(65536)); // high bits must not count
    const char byte = static_cast<char>(c);
    // strchr and strrchr: only the low 8 bits count and the NUL is never found.
    const char* first = byte == '\0' || p == nullptr ? nullptr : std::strchr(p, byte);
    const char* last = byte == '\0' || p == nullptr ? nullptr : std::strrchr(p, byte);
    Expect(vtxt_Text_strchr(p, c) == first, "strchr");
    Expect(vtxt_Text_strrchr(p, c) == last, "strrchr");
    Expect(vtxt_Text_strlen(p) == static_cast<int>(text.size()), "strlen");
    const char* q = set.get() == nullptr ? "" : set.get();
    const char* r = p == nullptr ? "" : p;
    Expect(Offset(vtxt_Text_strpbrk(p, set.get()), p) == Offset(std::strpbrk(r, q), r), "strpbrk");
    Expect(vtxt_Text_strcspn(p, set.get()) == static_cast<int>(std::strcspn(r, q)), "strcspn");
    Expect(vtxt_Text_strspn(p, set.get()) == static_cast<int>(std::strspn(r, q)), "strspn");
    // strstr, but an empty haystack holds nothing, not even "".
    const char* found = text.empty() ? nullptr : std::strstr(r, q);
    Expect(Offset(vtxt_Text_strstr(p, set.get()), p) == Offset(found, r), "strstr");
}

// The header's strtok_r: a saved position that is not NULL wins over str.
char* Tokenize(char* str, const char* delimiters, char** saved) {
    char* p = *saved != nullptr ? *saved : str;
    if (p == nullptr)
        return nullptr;
    const std::string set = delimiters == nullptr ? "" : delimiters;
    std::size_t start = 0, end;
    while (p[start] != '\0' && set.find(p[start]) != std::string::npos)
        ++start;
    for (end = start; p[end] != '\0' && set.find(p[end]) == std::string::npos;)
        ++end;
    *saved = p[end] != '\0' ? p + end + 1 : nullptr;
    p[end] = '\0';
    return end == start ? nullptr : p + start;
}

void Tokens(vfuzz::Input& in) {
    const std::string text = Cut(in.String());
    CString delimiters(in, Cut(in.String()));
    Array mine(text + '\0'), theirs(text + '\0');
    char *savedMine = nullptr, *savedTheirs = nullptr;
    Expect(vtxt_Text_strtok_r(mine.get(), delimiters.get(), nullptr) == nullptr,
           "strtok_r without a saved position");
    for (int call = 0, calls = in.Below(8) + 1; call < calls; ++call) {
        // The array first, then NULL or a restart inside the array, which
        // counts only once the saved position is NULL.
        const int at = call == 0 ? 0 : in.Below(static_cast<int>(text.size()) + 2) - 1;
        char* a = at < 0 ? nullptr : mine.get() + at;
        char* b = at < 0 ? nullptr : theirs.get() + at;
        char* x = vtxt_Text_strtok_r(a, delimiters.get(), &savedMine);
        char* y = Tokenize(b, delimiters.get(), &savedTheirs);
        Expect(Offset(x, mine.get()) == Offset(y, theirs.get()), "strtok_r's token");
        Expect(Offset(savedMine, mine.get()) == Offset(savedTheirs, theirs.get()),
               "strtok_r's saved position");
        Expect(mine.All() == theirs.All(), "strtok_r's writes");
    }
}

void Copies(vfuzz::Input& in) {
    const std::string head = Text(in), tail = Text(in);
    CString src(in, tail);
    const std::string from = src.text();
    const int n = in.Below(4) == 0 ? static_cast<int>(from.size()) - 2 + in.Below(5)
                                   : in.Below(static_cast<int>(from.size()) + 3);
    const int op = in.Below(4);
    if (op == 0) { // strcpy: exactly the string and its NUL, or the error
        Array dst("", from.size() + 1);
        const std::string before = dst.All();
        bool refused = false;
        try {
            Expect(vtxt_Text_strcpy(dst.get(), src.get()) == dst.get(), "strcpy's result");
        } catch (char* error) {
            refused = std::strcmp(error, VTXT_BUFFER_TOO_SMALL) == 0;
        }
        const bool fits = from.size() < kDeclared;
        Expect(refused == !fits, "strcpy refuses only what does not fit");
        Expect(dst.All() == (fits ? from + '\0' : '\0' + before.substr(1)), "strcpy's writes");
    } else if (op == 1) { // strncpy: dst[0..m], no padding; NULL when m >= 32767
        const std::size_t m = std::min(static_cast<std::size_t>(n < 0 ? 0 : n), from.size());
        Array dst("", m + 1);
        std::string expected = dst.All();
        char* result = vtxt_Text_strncpy(dst.get(), src.get(), n < 0 ? 0 : n);
        const bool fits = m < kDeclared;
        if (fits)
            expected.replace(0, m, from, 0, m);
        else
            expected[0] = '\0';
        expected[m] = '\0';
        Expect(result == (fits ? dst.get() : nullptr), "strncpy's result");
        Expect(dst.All() == expected, "strncpy's writes");
    } else if (op == 2) { // strcat: within the caller's capacity or not at all
        const int capacity = in.Below(static_cast<int>(head.size() + from.size()) + 4);
        Array dst(head + '\0', static_cast<std::size_t>(capacity));
        std::string expected = dst.All();
        const bool fits =
            from.empty() || head.size() + from.size() + 1 <= static_cast<std::size_t>(capacity);
        if (fits)
            expected.replace(head.size(), from.size() + 1, from + '\0');
        Expect(vtxt_Text_strcat(dst.get(), capacity, src.get()) == (fits ? dst.get() : nullptr),
               "strcat's result");
        Expect(dst.All() == expected, "strcat's writes");
        Expect(vtxt_Text_strcat(nullptr, capacity, src.get()) == nullptr, "strcat to NULL");
    } else { // strncat: min(n, length) characters within 32767 bytes
        const std::size_t k = std::min(static_cast<std::size_t>(n < 0 ? 0 : n), from.size());
        const bool fits = k == 0 || head.size() + k + 1 <= kDeclared;
        Array dst(head + '\0', head.size() + (fits ? k : 0) + 1);
        std::string expected = dst.All();
        if (fits)
            expected.replace(head.size(), k + 1, from.substr(0, k) + '\0');
        Expect(vtxt_Text_strncat(dst.get(), src.get(), n < 0 ? 0 : n) ==
                   (fits ? dst.get() : nullptr),
               "strncat's result");
        Expect(dst.All() == expected, "strncat's writes");
    }
}

void Comparisons(vfuzz::Input& in) {
    CString a(in, Cut(in.String())), b(in, Cut(in.String()));
    const int pick = in.Below(4);
    const unsigned n = pick == 0 ? 0xFFFFFFFFu : static_cast<unsigned>(in.Below(70));
    const std::string x = a.text(), y = b.text();
    Expect(vtxt_Text_strcmp(a.get(), b.get()) == Order(x, y, 0xFFFFFFFFu, false), "strcmp");
    Expect(vtxt_Text__stricmp(a.get(), b.get()) == Order(x, y, 0xFFFFFFFFu, true), "_stricmp");
    Expect(vtxt_Text_strncmp(a.get(), b.get(), n) == Order(x, y, n, false), "strncmp");
    Expect(vtxt_Text__strnicmp(a.get(), b.get(), n) == Order(x, y, n, true), "_strnicmp");
}

int Formatted(char* dst, const char* format, ...) {
    va_list args;
    va_start(args, format);
    const int n = vtxt_Text_vsprintf(dst, format, args);
    va_end(args);
    return n;
}

void Conversions(vfuzz::Input& in) {
    const int c =
        static_cast<int>(static_cast<unsigned>(in.Byte()) << 24 | in.Below(65536) << 8 | in.Byte());
    const unsigned char byte = static_cast<unsigned char>(c);
    // The low 8 bits, 0xFF standing for EOF, which no test accepts.
    Expect(vtxt_Text_isalpha(c) == (byte != 0xFF && std::isalpha(byte) ? 1 : 0), "isalpha");
    Expect(vtxt_Text_tolower(c) == (byte == 0xFF ? '\xFF' : static_cast<char>(std::tolower(byte))),
           "tolower");
    Expect(vtxt_Text_toupper(c) == (byte == 0xFF ? '\xFF' : static_cast<char>(std::toupper(byte))),
           "toupper");
    CString s(in, Cut(in.String()));
    const std::string text = s.text();
    const char* t = text.c_str();
    Expect(vtxt_Text_atoi(s.get()) == std::atoi(t) && vtxt_Text_atol(s.get()) == std::atol(t),
           "atoi and atol");
    const double d = vtxt_Text_atof(s.get()), e = std::atof(t);
    Expect(std::memcmp(&d, &e, sizeof d) == 0, "atof");
    if (s.get() == nullptr)
        return;
    const int base = in.Below(37);
    char *endMine, *endTheirs;
    Expect(vtxt_Text_strtol(s.get(), &endMine, base) == std::strtol(s.get(), &endTheirs, base) &&
               endMine == endTheirs,
           "strtol");
    Expect(vtxt_Text_strtoul(s.get(), &endMine, base) == std::strtoul(s.get(), &endTheirs, base) &&
               endMine == endTheirs,
           "strtoul");
    const double f = vtxt_Text_strtod(s.get(), &endMine), g = std::strtod(s.get(), &endTheirs);
    Expect(std::memcmp(&f, &g, sizeof f) == 0 && endMine == endTheirs, "strtod");
    const int needed = std::snprintf(nullptr, 0, "%s|%d", t, c);
    Array mine("", static_cast<std::size_t>(needed) + 1),
        theirs("", static_cast<std::size_t>(needed) + 1);
    std::snprintf(theirs.get(), static_cast<std::size_t>(needed) + 1, "%s|%d", t, c);
    Expect(vtxt_Text_sprintf(mine.get(), "%s|%d", t, c) == needed && mine.All() == theirs.All(),
           "sprintf");
    Expect(Formatted(mine.get(), "%s|%d", t, c) == needed && mine.All() == theirs.All(),
           "vsprintf");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vfuzz::Input in(data, size);
    while (in.More()) {
        static void (*const kGroups[])(vfuzz::Input&) = {Searches, Tokens, Copies, Comparisons,
                                                         Conversions};
        kGroups[in.Below(sizeof kGroups / sizeof kGroups[0])](in);
    }
    return 0;
}
