// The C functions against the C library's namesakes on random strings,
// wherever the two contracts coincide. Fixed seed: failures reproduce.
#include "VorelText.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

class Strings {
public:
    // Bytes >= 0x80, delimiters and both cases, so that sets, tokens and
    // case folding all meet.
    std::string Next(int maxLength) {
        static const char alphabet[] = "abcAB,; \x80\xE9\xFF";
        std::uniform_int_distribution<int> length(0, maxLength);
        std::uniform_int_distribution<std::size_t> pick(0, sizeof alphabet - 2);
        std::string s(static_cast<std::size_t>(length(random_)), 'a');
        for (char& c : s)
            c = alphabet[pick(random_)];
        return s;
    }
    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

private:
    std::mt19937 random_{20240611u};
};

// Case folding as the library's characters do it: 0xFF is EOF and stays.
int Fold(char c, bool ignoreCase) {
    const unsigned char byte = static_cast<unsigned char>(c);
    if (ignoreCase && byte != 0xFF)
        return static_cast<signed char>(static_cast<unsigned char>(std::tolower(byte)));
    return static_cast<signed char>(c);
}

// The documented order: empty strings decide by length alone, otherwise at
// most n positions as signed bytes, terminators taking part.
int Reference(const char* a, const char* b, unsigned long n, bool ignoreCase) {
    if (a[0] == '\0')
        return b[0] == '\0' ? 0 : -1;
    if (b[0] == '\0')
        return 1;
    for (unsigned long i = 0; i < n; ++i) {
        const int x = Fold(a[i], ignoreCase), y = Fold(b[i], ignoreCase);
        if (x != y)
            return x < y ? -1 : 1;
        if (a[i] == '\0')
            return 0;
    }
    return 0;
}

// The offsets of every token, then the array as the tokenization left it.
using Tokenization = std::pair<std::vector<long>, std::string>;

Tokenization Tokenize(std::string text, const std::string& delimiters, bool library) {
    std::vector<long> offsets;
    char* s = text.data();
    char* delims = const_cast<char*>(delimiters.c_str());
    char* saved = nullptr;
    char* token = library ? strtok_r(s, delims, &saved) : vtxt_Text_strtok_r(s, delims, &saved);
    while (token != nullptr) {
        offsets.push_back(token - s);
        token = library ? strtok_r(nullptr, delims, &saved)
                        : vtxt_Text_strtok_r(nullptr, delims, &saved);
    }
    return {offsets, text};
}

} // namespace

TEST(CapiDifferential, SearchesMatchTheCLibrary) {
    Strings strings;
    for (int round = 0; round < 20000; ++round) {
        std::string text = strings.Next(24);
        std::string set = strings.Next(3);
        char* s = text.data();
        char* sets = set.data();
        SCOPED_TRACE(round);

        ASSERT_EQ(vtxt_Text_strlen(s), static_cast<int>(std::strlen(s)));
        const int c = set.empty() ? 'a' : set[0];
        if (c != 0) {
            const int wide = c + 256 * strings.Below(4); // high bits ignored
            ASSERT_EQ(vtxt_Text_strchr(s, wide), std::strchr(s, c));
            ASSERT_EQ(vtxt_Text_strrchr(s, wide), std::strrchr(s, c));
        }
        ASSERT_EQ(vtxt_Text_strpbrk(s, sets), std::strpbrk(s, sets));
        ASSERT_EQ(vtxt_Text_strspn(s, sets), static_cast<int>(std::strspn(s, sets)));
        ASSERT_EQ(vtxt_Text_strcspn(s, sets), static_cast<int>(std::strcspn(s, sets)));

        // Half the needles are pieces of the haystack, so that matches occur.
        std::string needle = strings.Next(2);
        if (!text.empty() && strings.Below(2) == 0) {
            const int at = strings.Below(static_cast<int>(text.size()));
            needle = text.substr(static_cast<std::size_t>(at), 3);
        }
        if (!text.empty()) {
            ASSERT_EQ(vtxt_Text_strstr(s, needle.data()), std::strstr(s, needle.c_str()));
        }

        ASSERT_EQ(Tokenize(text, set, false), Tokenize(text, set, true));
    }
}

TEST(CapiDifferential, CopiesAndAppendsWithinCapacityMatchTheCLibrary) {
    Strings strings;
    for (int round = 0; round < 20000; ++round) {
        const std::string head = strings.Next(20);
        std::string tail = strings.Next(20);
        const std::string garbage = strings.Next(63) + std::string(64, 'g');
        std::vector<char> ours(garbage.begin(), garbage.begin() + 64);
        std::memcpy(ours.data(), head.c_str(), head.size() + 1);
        std::vector<char> theirs = ours;
        char* src = tail.data();
        SCOPED_TRACE(round);

        switch (round % 3) {
        case 0: {
            const int capacity = static_cast<int>(head.size() + tail.size() + 1) + strings.Below(3);
            ASSERT_EQ(vtxt_Text_strcat(ours.data(), capacity, src), ours.data());
            std::strcat(theirs.data(), src);
            break;
        }
        case 1: {
            const int n = strings.Below(24);
            ASSERT_EQ(vtxt_Text_strncat(ours.data(), src, n), ours.data());
            std::strncat(theirs.data(), src, static_cast<std::size_t>(n));
            break;
        }
        default:
            ASSERT_EQ(vtxt_Text_strcpy(ours.data(), src), ours.data());
            std::strcpy(theirs.data(), src);
        }
        ASSERT_EQ(ours, theirs);
    }
}

TEST(CapiDifferential, ComparisonsFollowSignedOrder) {
    Strings strings;
    for (int round = 0; round < 20000; ++round) {
        std::string a = strings.Next(6);
        std::string b =
            strings.Below(3) == 0 ? a.substr(0, a.size() / 2) + strings.Next(2) : strings.Next(6);
        char* s1 = a.data();
        char* s2 = b.data();
        const unsigned int n = static_cast<unsigned int>(strings.Below(9));
        SCOPED_TRACE(round);
        ASSERT_EQ(vtxt_Text_strcmp(s1, s2), Reference(s1, s2, ~0UL, false));
        ASSERT_EQ(vtxt_Text_strncmp(s1, s2, n), Reference(s1, s2, n, false));
        ASSERT_EQ(vtxt_Text__stricmp(s1, s2), Reference(s1, s2, ~0UL, true));
        ASSERT_EQ(vtxt_Text__strnicmp(s1, s2, n), Reference(s1, s2, n, true));
    }
}
