// What a C++ caller writes naturally must compile and mean what it says:
// const operands, literals and char* on either side, a Char on either side,
// temporaries as arguments, standard containers, moves and C functions given
// literals. Built with g++ and clang, as C++11 and C++20, warnings as errors;
// a plain program so that it builds with any compiler and standard.
//
// No comparison may turn into a comparison of addresses: every form is
// checked with equal characters at distinct addresses (addresses would answer
// "different") and with characters ordered against their addresses (addresses
// would answer the reverse order).
#include "Checks.h"
#include "VorelText.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iomanip>
#include <new>
#include <set>
#include <sstream>
#include <string>
#include <unordered_set>
#include <utility>
#include <vector>

using VorelText::Char;
using VorelText::Text;

bool OwnHinstanceCompiles(); // no_hinstance.cpp

namespace {

int failures = 0;
long allocations = 0, reservations = 0; // new[] calls, and those of 64 KiB or more

void Check(bool ok, const char* what, int line) {
    if (!ok) {
        std::printf("interface_test.cpp:%d: %s\n", line, what);
        ++failures;
    }
}
#define CHECK(condition) Check((condition), #condition, __LINE__)

#define RELATIONS(l, r, order)                                                                     \
    Check(vfuzz::FollowsOrder(l, r, order), "the six relational operators", __LINE__)

bool Same(const Text& a, const Text& b) {
    return a == b;
}

void Comparisons() {
    // "b" lies below "a" in memory; "b" again at a third address.
    char both[] = "b\0a", again[] = "b";
    char *b = both, *a = both + 2;
    const char *cb = b, *ca = a, *constAgain = again;
    Text tb, ta;
    tb.Attach(b);
    ta.Attach(a);
    const Text &ctb = tb, &cta = ta;
    RELATIONS(ta, tb, -1);
    RELATIONS(cta, ctb, -1);
    RELATIONS(tb, Text(constAgain), 0);
    CHECK(Same(tb, Text(constAgain)) && !Same(ta, tb));
    RELATIONS(tb, "b", 0);
    RELATIONS("b", ctb, 0);
    RELATIONS(ta, "b", -1);
    RELATIONS("b", cta, 1);
    RELATIONS(tb, a, 1);
    RELATIONS(a, tb, -1);
    RELATIONS(ctb, ca, 1);
    RELATIONS(ca, ctb, -1);
    RELATIONS(tb, again, 0);
    RELATIONS(again, ctb, 0);
    RELATIONS(ctb, cb, 0);
    RELATIONS(tb, Char('a'), 1);
    RELATIONS(Char('a'), ctb, -1);
    RELATIONS(Char('b'), tb, 0);
    // The Text operand's case flag decides, on either side.
    Text upper("ABC");
    upper.CaseSensitivitySet(false);
    RELATIONS("abc", upper, 0);
    RELATIONS(upper, "abd", -1);
    RELATIONS(Char('a'), Text("a"), 0);
    // Char: const members, a char on either side, signed order.
    const Char x('x'), high('\x80');
    CHECK(x.IsAlpha() && x.IsLower() && !x.IsDigit() && high.IsAscii() == false);
    RELATIONS(x, 'x', 0);
    RELATIONS('y', x, 1);
    RELATIONS(high, 'a', -1);
    RELATIONS('\x80', x, -1);
    RELATIONS(x, Char('X'), 1);
}

void Containers() {
    std::set<Text> unique;
    for (const char* s : {"b", "a", "a", "\xE9"})
        unique.insert(Text(s));
    CHECK(unique.size() == 3 && *unique.begin() == "\xE9" && *unique.rbegin() == "b");
    std::vector<Text> texts;
    for (const char* s : {"pear", "apple", "fig", "apple"})
        texts.emplace_back(s);
    std::sort(texts.begin(), texts.end());
    CHECK(texts[0] == "apple" && texts[1] == "apple" && texts[2] == "fig" && texts[3] == "pear");
}

void TemporariesAsArguments() {
    const Text t("all you need is love, love");
    int position = 0;
    CHECK(t.FindString("love") == 16);
    CHECK(t.SkipCharacters(Text("al "), 0) == 4);
    CHECK(t.FindToken(Text(" "), &position) == "all" && position == 3);
    CHECK(t.FindCharacter(Char('y')) == 4);
    Text joined("ab");
    CHECK(joined.Concatenate(Text("cdef"), 2) && joined == "abcd");
    CHECK(joined.Concatenate(t, 3) && joined == "abcdall");
    // The C functions take literals and const data.
    const char* haystack = "haystack";
    CHECK(vtxt_Text_strlen("abc") == 3 && vtxt_Text_strstr(haystack, "st") == haystack + 3);
    CHECK(vtxt_Text_strcmp("a", "b") == -1 && vtxt_Text__stricmp("ABC", "abc") == 0);
    CHECK(vtxt_Text_strspn("aab", "a") == 2 && vtxt_Text_strchr(haystack, 'y') == haystack + 2);
    char copy[8] = "";
    CHECK(vtxt_Text_strcat(copy, sizeof copy, "const") == copy && vtxt_Text_atoi("42") == 42);
    // A char* alone is data, copied as it stands into the block above it; a
    // char* format, a literal one or a Text is formatted when values follow.
    char data[] = "50% off %s%n", format[] = "%d%%";
    std::vector<char> bytes(data, data + sizeof data);
    const Text copied(data), initialised = bytes.data(), textFormat(format);
    CHECK(copied == "50% off %s%n" && copied.SizeGet() == 256 && initialised == copied &&
          Text(format + 3) == "%");
    CHECK(Text(format, 50) == "50%" && Text("%s=%c", "x", '1') == "x=1" &&
          Text(textFormat, 7) == "7%");
    CHECK(Text(nullptr, 1u).SizeGet() == 256); // a null module, not a null format
}

// A Text as a range, a stream's operand and a key of unordered containers;
// since C++17 to and from std::string and std::string_view.
void StandardLibrary() {
    Text letters("cab"), none, upper("AB"), lower("ab");
    std::sort(letters.begin(), letters.end());
    int visited = 0;
    for (char c : none)
        visited += c;
    const Text& constant = letters;
    CHECK(letters == "abc" && visited == 0 &&
          std::count(constant.begin(), constant.end(), 'b') == 1);
    std::ostringstream out;
    out << none << '|' << std::setw(5) << letters << '|' << Text("%s%c", "x", 0);
    CHECK(out.good() && out.str() == std::string("|  abc|x"));
    std::unordered_set<Text> texts{Text("a"), Text("a"), lower};
    upper.CaseSensitivitySet(false);
    lower.CaseSensitivitySet(false);
    std::hash<Text> hash;
    CHECK(texts.size() == 2 && texts.count(Text("ab")) == 1 && hash(upper) == hash(lower));
    CHECK(std::hash<Char>()(Char('a')) == std::hash<Char>()('a'));
#if __cplusplus >= 201703L
    using namespace std::string_literals;
    const std::string withNul = "a\0%s"s;
    const std::string_view view = withNul;
    Text fromString(withNul), fromView = view, assigned;
    assigned = view.substr(2);
    CHECK(fromString.ViewGet() == withNul && fromView.LengthGet() == 4 &&
          fromView.SizeGet() == 256);
    CHECK(assigned == "%s" && (assigned = withNul).ViewGet() == view && none.ViewGet().empty());
    CHECK(fromView == withNul && std::string(letters.ViewGet()) == "abc");
    Text moved(std::move(fromView));
    std::ostringstream streamed;
    streamed << fromView << moved;
    CHECK(streamed.str() == withNul && fromView.ViewGet().empty() &&
          fromView.begin() == fromView.end());
#endif
}

void Moves() {
    long before = allocations;
    Text owner("abc");
    // The library's new[] is this program's replacement, except where a DLL
    // takes the C++ runtime DLL's (Windows): there the counts stay 0.
    const bool counted = allocations == before + 1;
    const char* buffer = owner;
    before = allocations;
    Text moved(std::move(owner));
    Text target("x");
    const long afterTarget = allocations;
    target = std::move(moved);
    CHECK(!counted || (allocations == afterTarget && afterTarget == before + 1));
    CHECK(static_cast<const char*>(target) == buffer && target.SizeGet() == 65536);
    CHECK(static_cast<char*>(owner) == nullptr && owner.SizeGet() == 0 && moved.LengthGet() == 0);
    Text& alias = target;
    target = std::move(alias); // self-move changes nothing
    CHECK(static_cast<const char*>(target) == buffer && target == "abc");
    // A temporary's buffer becomes the target's own: it may grow.
    Text temporary = Text("ab") + "c";
    temporary.FlagAsTemp();
    Text owned(std::move(temporary));
    owned += std::string(300, 'x').c_str();
    CHECK(owned.LengthGet() == 303 && static_cast<char*>(temporary) == nullptr);
    // t = a + b allocates only the sum; a vector grows without copying.
    const Text left("left"), right("right");
    before = allocations;
    target = left + right;
    CHECK((!counted || allocations == before + 1) && target == "leftright");
    std::vector<Text> texts;
    before = reservations;
    for (int i = 0; i < 1000; ++i)
        texts.emplace_back("abc"); // each reserves 64 KiB once, growth none
    CHECK((!counted || reservations - before == 1000) && texts[999] == "abc");
}

} // namespace

void* operator new[](std::size_t size) {
    ++allocations;
    reservations += size >= 65536 ? 1 : 0;
    void* p = std::malloc(size == 0 ? 1 : size);
    if (p == nullptr)
        throw std::bad_alloc();
    return p;
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}

int main() {
    Comparisons();
    Containers();
    TemporariesAsArguments();
    StandardLibrary();
    Moves();
    CHECK(OwnHinstanceCompiles());
    if (failures == 0)
        std::printf("interface checks passed\n");
    return failures == 0 ? 0 : 1;
}
