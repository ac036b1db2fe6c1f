// Page boundaries: every text of length 0 to 64, at every start alignment 0 to
// 15, placed once at the very end of a page (the byte after its terminator is
// inaccessible) and once at the start (the byte before it is inaccessible),
// each operand in the opposite place. Every result is checked against a plain
// reference; a read or write one byte too far crashes.
#include "GuardedPage.h"
#include "VorelText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <climits>
#include <string>
#include <vector>

using VorelText::Char;
using VorelText::Text;
using vtest::GuardedPage;

namespace {

constexpr int kLongest = 64;
constexpr int kAlignments = 16;
const std::string kAlphabet = "abcA, \xE9\x80";

// A text of length n whose characters cycle through the alphabet from a
// point that moves with n and the alignment.
std::string Sample(int n, int align) {
    std::string s;
    for (int i = 0; i < n; ++i)
        s += kAlphabet[static_cast<std::size_t>(i * 3 + n + align) % kAlphabet.size()];
    return s;
}

// Needles and sets: none, absent, the last character (found at the very
// end), a tail of the text, the text itself, and the whole alphabet.
std::vector<std::string> Operands(const std::string& s) {
    std::vector<std::string> operands = {"", "z", ", ", kAlphabet, s};
    if (!s.empty()) {
        operands.push_back(s.substr(s.size() - 1));
        operands.push_back(s.substr(s.size() / 2));
    }
    return operands;
}

int Index(std::size_t i) {
    return i == std::string::npos ? -1 : static_cast<int>(i);
}

int Signed(char c, bool ignoreCase) {
    const unsigned char byte = static_cast<unsigned char>(c);
    if (ignoreCase && byte < 0x80)
        return std::tolower(byte);
    return static_cast<signed char>(c);
}

// -1/0/1 over at most n positions in signed order; empty texts order first.
int Order(const std::string& a, const std::string& b, unsigned int n, bool ignoreCase) {
    if (a.empty() || b.empty())
        return a.empty() ? (b.empty() ? 0 : -1) : 1;
    for (std::size_t i = 0; i < n && i <= a.size() && i <= b.size(); ++i) {
        const int x = Signed(a.c_str()[i], ignoreCase), y = Signed(b.c_str()[i], ignoreCase);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return 0;
}

// Runs check(text, subject, placeOperand) for each length, alignment and of
// the two placements: subject holds text in the first page, and placeOperand
// puts a string in the second page, in the other place.
template <typename Check> void ForEachPlacement(Check check) {
    static GuardedPage first, second;
    for (int n = 0; n <= kLongest; ++n)
        for (int align = 0; align < kAlignments; ++align)
            for (bool subjectAtEnd : {true, false}) {
                const std::string s = Sample(n, align);
                auto place = [&](GuardedPage& page, const std::string& text, bool atEnd) {
                    return atEnd ? page.StringAtEnd(text)
                                 : page.StringAt(text, static_cast<std::size_t>(align));
                };
                char* subject = place(first, s, subjectAtEnd);
                check(s, subject, [&](const std::string& operand) {
                    return place(second, operand, !subjectAtEnd);
                });
            }
}

} // namespace

TEST(PageBoundary, TextSearchMembers) {
    ForEachPlacement([](const std::string& s, char* subject, auto placeOperand) {
        Text t;
        t.Attach(subject);
        const std::string where = "length " + std::to_string(s.size());
        for (char c : kAlphabet + "z" + '\0') {
            t.SearchForwardSet(true);
            EXPECT_EQ(t.FindCharacter(c), c ? Index(s.find(c)) : -1) << where;
            t.SearchForwardSet(false);
            EXPECT_EQ(t.FindCharacter(c), c ? Index(s.rfind(c)) : -1) << where;
        }
        EXPECT_EQ(t.IsAscii(), s.find_first_of("\xE9\x80") == std::string::npos);
        for (const std::string& operand : Operands(s)) {
            Text other;
            other.Attach(placeOperand(operand));
            const std::string with = where + ", operand \"" + operand + "\"";
            EXPECT_EQ(t.FindString(other), Index(s.find(operand))) << with;
            EXPECT_EQ(t.FindFromCharacterSet(other), Index(s.find_first_of(operand))) << with;
            EXPECT_EQ(t.FindNotFromCharacterSet(other), Index(s.find_first_not_of(operand)))
                << with;
            for (int start : {0, static_cast<int>(s.size()) / 2, static_cast<int>(s.size())}) {
                const std::size_t skip = s.find_first_not_of(operand, start);
                EXPECT_EQ(t.SkipCharacters(other, start),
                          skip == std::string::npos ? static_cast<int>(s.size()) : Index(skip))
                    << with;
            }
            // Tokens, as the delimiters cut them.
            int position = 0;
            std::size_t from = 0;
            for (;;) {
                const std::size_t begin = std::min(s.find_first_not_of(operand, from), s.size());
                const std::size_t end = std::min(s.find_first_of(operand, begin), s.size());
                const Text token = t.FindToken(other, &position);
                EXPECT_EQ(std::string(static_cast<char*>(token)), s.substr(begin, end - begin))
                    << with;
                EXPECT_EQ(position, static_cast<int>(end)) << with;
                if (begin == end)
                    break;
                from = end;
            }
            for (bool ignoreCase : {false, true}) {
                t.CaseSensitivitySet(!ignoreCase);
                for (unsigned int count : {0u, 1u, 8u, 64u, UINT_MAX})
                    EXPECT_EQ(t.Compare(other, count), Order(s, operand, count, ignoreCase))
                        << with << ", count " << count;
            }
        }
    });
}

TEST(PageBoundary, TextWritesStayInsideAttachedArrays) {
    static GuardedPage destinations;
    ForEachPlacement([](const std::string& s, char* subject, auto) {
        const std::string where = "length " + std::to_string(s.size());
        // The subject appended to a prefix in an array that holds exactly the
        // result: each kind of append fills it to the last byte, and one more
        // character is refused with the array untouched.
        const std::string prefix = s.substr(0, s.size() % 5);
        for (int kind = 0; kind < 4; ++kind) {
            char* array = destinations.AtEnd(prefix + '\0' + std::string(s.size(), '-'));
            Text destination;
            destination.Attach(array, static_cast<int>(prefix.size() + s.size() + 1));
            Text source;
            source.Attach(subject);
            if (kind == 0)
                destination += source;
            else if (kind == 1)
                destination += static_cast<const char*>(subject);
            else if (kind == 2)
                EXPECT_TRUE(destination.Concatenate(source, INT_MAX));
            else
                for (char c : s)
                    destination += Char(c);
            EXPECT_EQ(std::string(array), prefix + s) << where << ", kind " << kind;
            bool refused = false;
            try {
                destination += Char('x');
            } catch (char*) {
                refused = true;
            }
            EXPECT_TRUE(refused);
            EXPECT_EQ(std::string(array), prefix + s) << where << ", kind " << kind;
        }
        // Then the subject itself is changed in place.
        {
            Text t;
            t.Attach(subject);
            t.ToUpper();
            std::string upper = s;
            for (char& c : upper)
                c = static_cast<unsigned char>(c) < 0x80 ? static_cast<char>(std::toupper(c)) : c;
            EXPECT_EQ(std::string(subject), upper) << where;
            t.Remove('A');
            upper.erase(std::remove(upper.begin(), upper.end(), 'A'), upper.end());
            EXPECT_EQ(std::string(subject), upper) << where;
            EXPECT_EQ(t.LengthGet(), static_cast<int>(upper.size()));
        }
    });
}

TEST(PageBoundary, CSearchFunctions) {
    ForEachPlacement([](const std::string& s, char* subject, auto placeOperand) {
        const std::string where = "length " + std::to_string(s.size());
        auto offset = [&](const char* p) { return p == nullptr ? -1 : Index(p - subject); };
        EXPECT_EQ(vtxt_Text_strlen(subject), static_cast<int>(s.size())) << where;
        for (char c : kAlphabet + "z" + '\0') {
            const int high = 0x300 | static_cast<unsigned char>(c); // only the low 8 bits count
            EXPECT_EQ(offset(vtxt_Text_strchr(subject, high)), c ? Index(s.find(c)) : -1) << where;
            EXPECT_EQ(offset(vtxt_Text_strrchr(subject, c)), c ? Index(s.rfind(c)) : -1) << where;
        }
        for (const std::string& operand : Operands(s)) {
            char* other = placeOperand(operand);
            const std::string with = where + ", operand \"" + operand + "\"";
            EXPECT_EQ(offset(vtxt_Text_strpbrk(subject, other)), Index(s.find_first_of(operand)))
                << with;
            const std::size_t in = s.find_first_not_of(operand), out = s.find_first_of(operand);
            EXPECT_EQ(vtxt_Text_strspn(subject, other), Index(std::min(in, s.size()))) << with;
            EXPECT_EQ(vtxt_Text_strcspn(subject, other), Index(std::min(out, s.size()))) << with;
            EXPECT_EQ(offset(vtxt_Text_strstr(subject, other)),
                      s.empty() ? -1 : Index(s.find(operand)))
                << with;
            for (bool ignoreCase : {false, true})
                for (unsigned int n : {0u, 1u, 8u, 64u, UINT_MAX}) {
                    auto compare = ignoreCase ? vtxt_Text__strnicmp : vtxt_Text_strncmp;
                    EXPECT_EQ(compare(subject, other, n), Order(s, operand, n, ignoreCase)) << with;
                    EXPECT_EQ(compare(other, subject, n), Order(operand, s, n, ignoreCase)) << with;
                }
            EXPECT_EQ(vtxt_Text_strcmp(subject, other), Order(s, operand, UINT_MAX, false));
            EXPECT_EQ(vtxt_Text__stricmp(other, subject), Order(operand, s, UINT_MAX, true));
        }
        // Tokens last: they cut the subject in place.
        char delimiters[] = ", ";
        std::string expected = s;
        char* saved = nullptr;
        char* str = subject;
        for (std::size_t from = 0;; str = nullptr) {
            const std::size_t begin = std::min(s.find_first_not_of(delimiters, from), s.size());
            const std::size_t end = std::min(s.find_first_of(delimiters, begin), s.size());
            char* token = vtxt_Text_strtok_r(str, delimiters, &saved);
            if (begin == end) {
                EXPECT_EQ(token, nullptr) << where;
                break;
            }
            EXPECT_EQ(offset(token), Index(begin)) << where;
            if (end == s.size())
                break;
            expected[end] = '\0';
            from = end + 1;
        }
        EXPECT_EQ(std::string(subject, s.size()), expected) << where;
    });
}

TEST(PageBoundary, CCopiesWriteNothingPastTheirDestination) {
    static GuardedPage destinations;
    ForEachPlacement([](const std::string& s, char* source, auto) {
        const std::string where = "length " + std::to_string(s.size());
        const std::size_t n = s.size();
        char* dst = destinations.AtEnd(std::string(n + 1, '-'));
        EXPECT_EQ(vtxt_Text_strcpy(dst, source), dst);
        EXPECT_EQ(std::string(dst, n + 1), s + '\0') << where;
        for (std::size_t count : {std::size_t{0}, n / 2, n, n + 5}) {
            const std::size_t m = std::min(count, n);
            dst = destinations.AtEnd(std::string(m + 1, '-'));
            EXPECT_EQ(vtxt_Text_strncpy(dst, source, static_cast<int>(count)), dst);
            EXPECT_EQ(std::string(dst, m + 1), s.substr(0, m) + '\0') << where;
            // strncat of the same count after a prefix, in exactly its room.
            const std::string prefix = s.substr(n - m);
            dst = destinations.AtEnd(prefix + '\0' + std::string(m, '-'));
            EXPECT_EQ(vtxt_Text_strncat(dst, source, static_cast<int>(count)), dst);
            EXPECT_EQ(std::string(dst, prefix.size() + m + 1), prefix + s.substr(0, m) + '\0');
        }
        // strcat within a capacity that ends at the page's end, then one short.
        const std::string prefix = s.substr(0, n % 7);
        for (std::size_t shortBy : {std::size_t{0}, std::min<std::size_t>(n, 1)}) {
            const std::string before = prefix + '\0' + std::string(n - shortBy, '-');
            dst = destinations.AtEnd(before);
            const int capacity = static_cast<int>(before.size());
            const bool fits = shortBy == 0;
            EXPECT_EQ(vtxt_Text_strcat(dst, capacity, source), fits ? dst : nullptr) << where;
            EXPECT_EQ(std::string(dst, before.size()),
                      fits ? (prefix + s + '\0').substr(0, before.size()) : before)
                << where;
        }
    });
}
