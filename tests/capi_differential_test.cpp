// The C functions against the C library's namesakes on random strings,
// wherever the two contracts coincide. Fixed seed: failures reproduce.
#include "TestSupport.h"

#include <cctype>
#include <random>

namespace {

std::mt19937 generator(20240611u);

int Below(int n) {
    return std::uniform_int_distribution<int>(0, n - 1)(generator);
}

// Bytes >= 0x80, delimiters and both cases, so that sets, tokens and case
// folding all meet.
std::string Random(int maxLength) {
    static const char alphabet[] = "abcAB,; \x80\xE9\xFF";
    std::string s(static_cast<std::size_t>(Below(maxLength + 1)), ' ');
    for (char& c : s)
        c = alphabet[Below(sizeof alphabet - 1)];
    return s;
}

// The documented order: an empty string first whatever n, otherwise at most n
// positions as signed bytes, terminators included; folding leaves 0xFF alone.
int Reference(const char* a, const char* b, unsigned long n, bool fold) {
    if (*a == '\0' || *b == '\0')
        return (*b == '\0') - (*a == '\0');
    const auto value = [fold](char c) {
        const int byte = static_cast<unsigned char>(c);
        return static_cast<signed char>(fold && byte != 0xFF ? std::tolower(byte) : byte);
    };
    for (unsigned long i = 0; i < n && (i == 0 || a[i - 1] != '\0'); ++i)
        if (value(a[i]) != value(b[i]))
            return value(a[i]) < value(b[i]) ? -1 : 1;
    return 0;
}

// Token offsets, then the array as the tokenization left it.
template <class Strtok> std::string Tokenize(std::string text, std::string set, Strtok strtok) {
    std::string result;
    char *s = &text[0], *saved = nullptr;
    for (char* t = strtok(s, &set[0], &saved); t != nullptr; t = strtok(nullptr, &set[0], &saved))
        result += std::to_string(t - s) + ",";
    return result + text;
}

} // namespace

TEST(CapiDifferential, MatchesTheCLibraryWhereContractsCoincide) {
    for (int round = 0; round < 30000; ++round) {
        std::string text = Random(24), set = Random(3), needle = Random(2), other = Random(6);
        if (!text.empty() && Below(2) == 0) // a piece of the haystack, so that matches occur
            needle = text.substr(static_cast<std::size_t>(Below(static_cast<int>(text.size()))), 3);
        if (Below(3) == 0) // a common prefix, so that comparisons reach the bound
            other = text.substr(0, text.size() / 2) + set;
        char *s = &text[0], *chars = &set[0], *s2 = &other[0];
        const char c = set.empty() ? 'a' : set[0];
        const int wide = c + 256 * Below(4), n = Below(24); // only c's low 8 bits count
        SCOPED_TRACE(round);
        ASSERT_EQ(vtxt_Text_strlen(s), static_cast<int>(std::strlen(s)));
        ASSERT_EQ(vtxt_Text_strchr(s, wide), std::strchr(s, c));
        ASSERT_EQ(vtxt_Text_strrchr(s, wide), std::strrchr(s, c));
        ASSERT_EQ(vtxt_Text_strpbrk(s, chars), std::strpbrk(s, chars));
        ASSERT_EQ(vtxt_Text_strspn(s, chars), static_cast<int>(std::strspn(s, chars)));
        ASSERT_EQ(vtxt_Text_strcspn(s, chars), static_cast<int>(std::strcspn(s, chars)));
        if (!text.empty()) {
            ASSERT_EQ(vtxt_Text_strstr(s, &needle[0]), std::strstr(s, needle.c_str()));
        }
        ASSERT_EQ(
            Tokenize(text, set, vtxt_Text_strtok_r),
            Tokenize(text, set, [](char* p, char* d, char** r) { return strtok_r(p, d, r); }));

        ASSERT_EQ(vtxt_Text_strcmp(s, s2), Reference(s, s2, ~0UL, false));
        ASSERT_EQ(vtxt_Text_strncmp(s, s2, n % 9), Reference(s, s2, n % 9, false));
        ASSERT_EQ(vtxt_Text__stricmp(s, s2), Reference(s, s2, ~0UL, true));
        ASSERT_EQ(vtxt_Text__strnicmp(s, s2, n % 9), Reference(s, s2, n % 9, true));

        // Within capacity the C library writes nothing past the result either.
        std::vector<char> ours(64, 'g');
        std::memcpy(ours.data(), other.c_str(), other.size() + 1);
        std::vector<char> theirs = ours;
        char *dst = ours.data(), *src = s;
        const int room = static_cast<int>(other.size() + text.size()) + 1 + Below(3);
        const int kind = round % 3;
        ASSERT_EQ(kind == 0   ? vtxt_Text_strcat(dst, room, src)
                  : kind == 1 ? vtxt_Text_strncat(dst, src, n)
                              : vtxt_Text_strcpy(dst, src),
                  dst);
        kind == 0   ? std::strcat(theirs.data(), src)
        : kind == 1 ? std::strncat(theirs.data(), src, static_cast<std::size_t>(n))
                    : std::strcpy(theirs.data(), src);
        ASSERT_EQ(ours, theirs);
    }
}
