// The C functions against the C library's namesakes where the contracts
// coincide, and against plain references where they do not: strtok_r's saved
// position, strncpy without padding, strcat's capacity, the 32767-byte
// copies, -1/0/1 signed comparisons and the empty haystack of strstr. Every
// array is malloc'd to its exact size, so the sanitizer reports any access
// one byte past what a function may touch.
#include "FuzzSupport.h"

#include <cstdarg>
#include <cstdio>

using vfuzz::Array;
using vfuzz::Cut;
using vfuzz::Expect;

namespace {

constexpr std::size_t kDeclared = 32767; // what strcpy, strncpy and strncat promise

// A C string in an exact array, or (now and then) the NULL that reads as "".
struct CString {
    explicit CString(vfuzz::Input& in) : CString(in, Cut(in.String())) {}
    CString(vfuzz::Input& in, const std::string& s) : array(s + '\0', 0), null(in.Below(8) == 0) {}
    char* get() const { return null ? nullptr : array.get(); }
    Array array;
    bool null;
};

// The library's strtok_r: a saved position that is not NULL wins over str,
// and it becomes NULL after the last token.
char* Tokenize(char* str, const char* delimiters, char** saved) {
    char* p = *saved != nullptr ? *saved : str;
    if (p == nullptr)
        return nullptr;
    const char* set = delimiters == nullptr ? "" : delimiters;
    p += std::strspn(p, set);
    char* end = p + std::strcspn(p, set);
    *saved = *end != '\0' ? end + 1 : nullptr;
    *end = '\0';
    return end == p ? nullptr : p;
}

// Now and then a string near the 32767-byte limit instead of a short one.
std::string Source(vfuzz::Input& in) {
    if (in.Below(8) != 0)
        return Cut(in.String());
    return std::string(kDeclared - 8 + static_cast<std::size_t>(in.Below(16)), 'L');
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
    Expect(vtxt_Text_tolower(c) == vfuzz::Case(static_cast<char>(c), false), "tolower");
    Expect(vtxt_Text_toupper(c) == vfuzz::Case(static_cast<char>(c), true), "toupper");
    const CString s(in);
    char* p = s.get();
    const char* t = p == nullptr ? "" : p;
    Expect(vtxt_Text_atoi(p) == std::atoi(t) && vtxt_Text_atol(p) == std::atol(t), "atoi, atol");
    const double d = vtxt_Text_atof(p), e = std::atof(t);
    Expect(std::memcmp(&d, &e, sizeof d) == 0, "atof");
    if (p == nullptr)
        return;
    // 0 or 2 to 36: with any other base the C library need not set the end.
    const int pick = in.Below(36), base = pick == 1 ? 36 : pick;
    char *endMine = nullptr, *endTheirs = nullptr;
    const long l = vtxt_Text_strtol(p, &endMine, base);
    Expect(l == std::strtol(p, &endTheirs, base) && endMine == endTheirs, "strtol");
    const unsigned long u = vtxt_Text_strtoul(p, &endMine, base);
    Expect(u == std::strtoul(p, &endTheirs, base) && endMine == endTheirs, "strtoul");
    const double f = vtxt_Text_strtod(p, &endMine), g = std::strtod(p, &endTheirs);
    Expect(std::memcmp(&f, &g, sizeof f) == 0 && endMine == endTheirs, "strtod");
    const std::size_t needed = static_cast<std::size_t>(std::snprintf(nullptr, 0, "%s|%d", t, c));
    Array mine("", needed + 1), theirs("", needed + 1), viaList("", needed + 1);
    std::snprintf(theirs.get(), needed + 1, "%s|%d", t, c);
    const int n = vtxt_Text_sprintf(mine.get(), "%s|%d", t, c);
    const int m = Formatted(viaList.get(), "%s|%d", t, c);
    Expect(n == static_cast<int>(needed) && mine.All() == theirs.All(), "sprintf");
    Expect(m == static_cast<int>(needed) && viaList.All() == theirs.All(), "vsprintf");
}

} // namespace

namespace vfuzz {

void CSearches(char* p, char* set, int c) {
    const char byte = static_cast<char>(c);
    const char* r = p == nullptr ? "" : p;
    const char* q = set == nullptr ? "" : set;
    // strchr and strrchr: only the low 8 bits count and the NUL is never found.
    Expect(vtxt_Text_strchr(p, c) == (byte == '\0' ? nullptr : std::strchr(r, byte)), "strchr");
    Expect(vtxt_Text_strrchr(p, c) == (byte == '\0' ? nullptr : std::strrchr(r, byte)), "strrchr");
    Expect(vtxt_Text_strlen(p) == static_cast<int>(std::strlen(r)), "strlen");
    Expect(Offset(vtxt_Text_strpbrk(p, set), p) == Offset(std::strpbrk(r, q), r), "strpbrk");
    Expect(vtxt_Text_strcspn(p, set) == static_cast<int>(std::strcspn(r, q)), "strcspn");
    Expect(vtxt_Text_strspn(p, set) == static_cast<int>(std::strspn(r, q)), "strspn");
    // strstr, but an empty haystack holds nothing, not even "".
    const char* found = *r == '\0' ? nullptr : std::strstr(r, q);
    Expect(Offset(vtxt_Text_strstr(p, set), p) == Offset(found, r), "strstr");
}

void CTokens(Input& in, char* text, char* delimiters) {
    std::string copy(text, std::strlen(text) + 1);
    char *theirs = &copy[0], *savedMine = nullptr, *savedTheirs = nullptr;
    Expect(vtxt_Text_strtok_r(text, delimiters, nullptr) == nullptr, "strtok_r without saveptr");
    for (int call = 0, calls = in.Below(32) + 1; call < calls; ++call) {
        // The array first, then NULL or a restart inside the array, which
        // counts only once the saved position is NULL.
        const int at = call == 0 ? 0 : in.Below(static_cast<int>(copy.size()) + 1) - 1;
        char* x = vtxt_Text_strtok_r(at < 0 ? nullptr : text + at, delimiters, &savedMine);
        char* y = Tokenize(at < 0 ? nullptr : theirs + at, delimiters, &savedTheirs);
        Expect(Offset(x, text) == Offset(y, theirs), "strtok_r's token");
        Expect(Offset(savedMine, text) == Offset(savedTheirs, theirs), "strtok_r's saved position");
        Expect(std::string(text, copy.size()) == copy, "strtok_r's writes");
    }
}

void CCopy(int op, char* dst, std::size_t bytes, char* src, int n) {
    // Whether it fits and what dst must start with afterwards when it does.
    const std::string head = op < 2 ? "" : dst, from = src == nullptr ? "" : src;
    const std::size_t m = std::min(static_cast<std::size_t>(std::max(n, 0)), from.size());
    bool fits;
    std::string done;
    if (op == 0) { // the whole source, or the error
        fits = from.size() < kDeclared, done = from;
    } else if (op == 1) { // dst[0..m], no padding; NULL when m >= 32767
        fits = m < kDeclared, done = from.substr(0, m);
    } else if (op == 2) { // within the caller's capacity or not at all
        fits = from.empty() || head.size() + from.size() + 1 <= static_cast<std::size_t>(n);
        done = head + from;
    } else { // min(n, length) characters within 32767 bytes
        fits = m == 0 || head.size() + m + 1 <= kDeclared, done = head + from.substr(0, m);
    }
    std::string expected(dst, bytes);
    if (fits)
        expected.replace(0, done.size() + 1, done + '\0');
    else if (op < 2) // strcpy empties dst before the error; strncpy ends dst[0] and dst[m]
        expected[0] = expected[op == 1 ? m : 0] = '\0';
    char* result = nullptr;
    bool thrown = false;
    try {
        result = op == 0   ? vtxt_Text_strcpy(dst, src)
                 : op == 1 ? vtxt_Text_strncpy(dst, src, n)
                 : op == 2 ? vtxt_Text_strcat(dst, n, src)
                           : vtxt_Text_strncat(dst, src, n);
    } catch (char* error) {
        thrown = std::strcmp(error, VTXT_BUFFER_TOO_SMALL) == 0;
    }
    Expect(thrown == (op == 0 && !fits), "only strcpy refuses, and only what does not fit");
    Expect(result == (fits ? dst : nullptr), "the copy's result");
    Expect(std::string(dst, bytes) == expected, "the copy's writes");
    Expect(vtxt_Text_strcat(nullptr, n, src) == nullptr, "strcat to NULL");
}

void CComparisons(char* a, char* b, unsigned n) {
    const std::string x = a == nullptr ? "" : a, y = b == nullptr ? "" : b;
    Expect(vtxt_Text_strcmp(a, b) == Order(x, y, 0xFFFFFFFFu, false), "strcmp");
    Expect(vtxt_Text__stricmp(a, b) == Order(x, y, 0xFFFFFFFFu, true), "_stricmp");
    Expect(vtxt_Text_strncmp(a, b, n) == Order(x, y, n, false), "strncmp");
    Expect(vtxt_Text__strnicmp(a, b, n) == Order(x, y, n, true), "_strnicmp");
}

} // namespace vfuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vfuzz::Input in(data, size);
    while (in.More()) {
        const int group = in.Below(5);
        if (group == 0) {
            const CString s(in), set(in);
            vfuzz::CSearches(s.get(), set.get(), static_cast<std::int16_t>(in.Below(65536)));
        } else if (group == 1) {
            Array text(Cut(in.String()) + '\0', 0);
            vfuzz::CTokens(in, text.get(), CString(in).get());
        } else if (group == 2) {
            const std::string head = Source(in), tail = Source(in);
            const CString src(in, tail);
            const int length = src.get() == nullptr ? 0 : static_cast<int>(tail.size());
            const int n = in.Below(4) == 0 ? length - 2 + in.Below(5) : in.Below(length + 3);
            const int op = in.Below(4);
            const int capacity = op == 2 ? in.Below(static_cast<int>(head.size()) + length + 4) : 0;
            const std::size_t m = static_cast<std::size_t>(std::min(std::max(n, 0), length));
            // Exactly the room that each may fill; strcat gets its capacity.
            const std::size_t bytes = op == 0   ? static_cast<std::size_t>(length) + 1
                                      : op == 1 ? m + 1
                                      : op == 2 ? static_cast<std::size_t>(capacity)
                                                : head.size() + 1 + m;
            Array dst(op < 2 ? "" : head + '\0', bytes);
            vfuzz::CCopy(op, dst.get(), dst.size(), src.get(), op == 2 ? capacity : n);
        } else if (group == 3) {
            const CString a(in), b(in);
            vfuzz::CComparisons(a.get(), b.get(),
                                in.Below(4) == 0 ? 0xFFFFFFFFu
                                                 : static_cast<unsigned>(in.Below(70)));
        } else {
            Conversions(in);
        }
    }
    return 0;
}
