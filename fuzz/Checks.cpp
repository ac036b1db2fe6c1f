// The shared checks (see Checks.h): the C functions against the C library's
// namesakes where the contracts coincide and against plain references where
// they differ, and Text's searches, comparison and tokens against std::string.
#include "Checks.h"
#include "text/Blocks.h"

#include <cctype>

using VorelText::Char;

namespace vfuzz {

namespace {

constexpr std::size_t kDeclared = 32767; // what strcpy, strncpy and strncat promise

std::string Or(const char* s) {
    return s == nullptr ? "" : s;
}

} // namespace

PathFor::PathFor(std::size_t size) {
    using VorelText::detail::blocks::Path;
    const int path = static_cast<int>(Path::kScalar) + static_cast<int>(size % 3);
    VorelText::detail::blocks::ForcePath(static_cast<Path>(path)); // one not there: no change
}
PathFor::~PathFor() {
    VorelText::detail::blocks::ForcePath(VorelText::detail::blocks::Path::kAutomatic);
}

char Case(char c, bool upper) {
    const unsigned char byte = static_cast<unsigned char>(c);
    if (byte == 0xFF)
        return c;
    return static_cast<char>(upper ? std::toupper(byte) : std::tolower(byte));
}

int Order(const std::string& a, const std::string& b, unsigned count, bool ignoreCase) {
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

std::size_t TokenStart(const std::string& s, const std::string& delimiters, std::size_t from) {
    return std::min(s.find_first_not_of(delimiters, from), s.size());
}
std::size_t TokenEnd(const std::string& s, const std::string& delimiters, std::size_t start) {
    return std::min(s.find_first_of(delimiters, start), s.size());
}

void CSearches(const char* p, const char* set, int c) {
    const char byte = static_cast<char>(c);
    const std::string r = Or(p), q = Or(set);
    // strchr and strrchr: only the low 8 bits count and the NUL is never found.
    const int first = byte == '\0' ? -1 : Index(r.find(byte));
    const int last = byte == '\0' ? -1 : Index(r.rfind(byte));
    Expect(Offset(vtxt_Text_strchr(p, c), p) == first, "strchr");
    Expect(Offset(vtxt_Text_strrchr(p, c), p) == last, "strrchr");
    Expect(vtxt_Text_strlen(p) == static_cast<int>(r.size()), "strlen");
    Expect(Offset(vtxt_Text_strpbrk(p, set), p) == Index(r.find_first_of(q)), "strpbrk");
    Expect(vtxt_Text_strcspn(p, set) == static_cast<int>(std::min(r.find_first_of(q), r.size())),
           "strcspn");
    Expect(vtxt_Text_strspn(p, set) == static_cast<int>(std::min(r.find_first_not_of(q), r.size())),
           "strspn");
    // strstr, but an empty haystack holds nothing, not even "".
    Expect(Offset(vtxt_Text_strstr(p, set), p) == (r.empty() ? -1 : Index(r.find(q))), "strstr");
}

void CTokens(Input& in, char* text, const char* delimiters) {
    const std::string set = Or(delimiters);
    std::string model = text; // the array as it must stand, NULs written included
    const std::size_t n = model.size();
    std::size_t saved = std::string::npos; // where the next call resumes; npos is NULL
    char* savedMine = nullptr;
    Expect(vtxt_Text_strtok_r(text, delimiters, nullptr) == nullptr, "strtok_r without saveptr");
    for (int call = 0, calls = in.Below(32) + 1; call < calls; ++call) {
        // The array first, then NULL or a restart inside the array, which
        // counts only while the saved position is NULL.
        const int at = call == 0 ? 0 : in.Below(static_cast<int>(n) + 2) - 1;
        char* token = vtxt_Text_strtok_r(at < 0 ? nullptr : text + at, delimiters, &savedMine);
        long expected = -1;
        if (saved != std::string::npos || at >= 0) {
            const std::size_t p = saved != std::string::npos ? saved : static_cast<std::size_t>(at);
            const std::string rest = Cut(model.substr(p));
            const std::size_t start = TokenStart(rest, set, 0), end = TokenEnd(rest, set, start);
            saved = end < rest.size() ? p + end + 1 : std::string::npos;
            if (end < rest.size())
                model[p + end] = '\0';
            expected = start == end ? -1 : static_cast<long>(p + start);
        }
        Expect(Offset(token, text) == expected, "strtok_r's token");
        Expect(Offset(savedMine, text) ==
                   (saved == std::string::npos ? -1 : static_cast<long>(saved)),
               "strtok_r's saved position");
        Expect(std::string(text, n) == model, "strtok_r's writes");
    }
}

void CCopy(int op, char* dst, std::size_t bytes, const char* src, int n) {
    // Whether it fits and what dst must start with afterwards when it does.
    const std::string head = op < 2 ? "" : dst, from = Or(src);
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

void CComparisons(const char* a, const char* b, unsigned n) {
    const std::string x = Or(a), y = Or(b);
    Expect(vtxt_Text_strcmp(a, b) == Order(x, y, 0xFFFFFFFFu, false), "strcmp");
    Expect(vtxt_Text__stricmp(a, b) == Order(x, y, 0xFFFFFFFFu, true), "_stricmp");
    Expect(vtxt_Text_strncmp(a, b, n) == Order(x, y, n, false), "strncmp");
    Expect(vtxt_Text__strnicmp(a, b, n) == Order(x, y, n, true), "_strnicmp");
}

void CCharacters(int c) {
    // The low 8 bits, 0xFF standing for EOF, which no test accepts.
    const unsigned char byte = static_cast<unsigned char>(c);
    Expect(vtxt_Text_isalpha(c) == (byte != 0xFF && std::isalpha(byte) ? 1 : 0), "isalpha");
    Expect(vtxt_Text_tolower(c) == Case(static_cast<char>(c), false), "tolower");
    Expect(vtxt_Text_toupper(c) == Case(static_cast<char>(c), true), "toupper");
}

void IsFresh(const Text& r, const std::string& chars, const char* what) {
    const char* p = r;
    Expect(p != nullptr && std::string(p, chars.size() + 1) == chars + '\0', what);
    Expect(r.LengthGet() == static_cast<int>(chars.size()) &&
               r.SizeGet() == static_cast<int>(chars.size() + 1),
           what);
    Expect(r.IsCaseSensitive() && r.IsSearchForward(), what);
}

void TextSearches(const Text& t, const std::string& s, const Text& pattern, char c, int start) {
    const std::string set = static_cast<char*>(pattern);
    const int found = t.IsSearchForward() ? Index(s.find(c)) : Index(s.rfind(c));
    Expect(t.FindCharacter(c) == found && t.FindCharacter(Char(c)) == found, "FindCharacter");
    Expect(t.FindString(pattern) == Index(Cut(s).find(set)), "FindString");
    Expect(t.FindFromCharacterSet(pattern) == Index(s.find_first_of(set)), "FindFromCharacterSet");
    Expect(t.FindNotFromCharacterSet(pattern) == Index(s.find_first_not_of(set)),
           "FindNotFromCharacterSet");
    const std::size_t from = static_cast<std::size_t>(std::max(start, 0));
    Expect(t.SkipCharacters(pattern, start) ==
               static_cast<int>(std::max(TokenStart(s, set, from), from)),
           "SkipCharacters");
    Expect(t.IsEmpty() == s.empty(), "IsEmpty");
    Expect(t.IsAscii() == std::none_of(s.begin(), s.end(), [](char x) { return (x & 0x80) != 0; }),
           "IsAscii");
}

void TextCompare(const Text& t, const std::string& me, const Text& other, unsigned count) {
    char* p = other;
    const std::string s = p;
    const bool fold = !t.IsCaseSensitive();
    Expect(t.Compare(other, count) == Order(me, s, count, fold), "Compare");
    const int whole = Order(me, s, 0xFFFFFFFFu, fold);
    Expect(FollowsOrder(t, other, whole), "the operators on a Text");
    Expect(FollowsOrder(t, p, whole), "the operators on a char*");
    Expect(FollowsOrder(p, t, -whole), "the operators with a char* on the left");
    const int character = Order(me, s.substr(0, 1), 0xFFFFFFFFu, fold);
    Expect(FollowsOrder(t, Char(*p), character), "the operators on a Char");
}

int TextToken(const Text& t, const std::string& s, const Text& delimiters, int position) {
    const std::string set = static_cast<char*>(delimiters);
    // A NUL inside the text is never a delimiter: the set has none.
    const std::size_t begin = TokenStart(s, set, static_cast<std::size_t>(position));
    const std::size_t end = TokenEnd(s, set, begin);
    IsFresh(t.FindToken(delimiters, &position), Cut(s.substr(begin, end - begin)), "FindToken");
    Expect(position == static_cast<int>(end), "FindToken's position");
    return position;
}

} // namespace vfuzz
