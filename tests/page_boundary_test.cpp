// Page boundaries: every text of length 0 to 64 and a few around the 128
// bytes where scans take wider blocks, at every start alignment 0 to 15,
// placed once at the very end of a page (the byte after its terminator is
// inaccessible) and once at the start (the byte before it is inaccessible),
// each operand in the opposite place, on every instruction-set path. A read
// or write one byte too far crashes. The results go through the fuzz
// harnesses' checks.
#include "Checks.h"
#include "TestSupport.h"
#include "VorelText.h"

#include <gtest/gtest.h>
#if defined(_WIN32)
#include <windows.h>
#else
#include <sys/mman.h>
#include <unistd.h>
#endif

#include <climits>
#include <stdexcept>
#include <string>
#include <vector>

using VorelText::Char;
using VorelText::Text;

namespace {

// Pages that no access may touch, and opening some of them to reads and writes
// (or closing them again).
#if defined(_WIN32)
std::size_t PageSize() {
    SYSTEM_INFO info;
    GetSystemInfo(&info);
    return info.dwPageSize;
}
char* Inaccessible(std::size_t bytes) {
    return static_cast<char*>(
        VirtualAlloc(nullptr, bytes, MEM_RESERVE | MEM_COMMIT, PAGE_NOACCESS));
}
bool Open(char* p, std::size_t bytes, bool open = true) {
    DWORD previous;
    return VirtualProtect(p, bytes, open ? PAGE_READWRITE : PAGE_NOACCESS, &previous) != 0;
}
void Release(char* p, std::size_t) {
    VirtualFree(p, 0, MEM_RELEASE);
}
#else
std::size_t PageSize() {
    return static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
}
char* Inaccessible(std::size_t bytes) {
    void* p = mmap(nullptr, bytes, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    return p == MAP_FAILED ? nullptr : static_cast<char*>(p);
}
bool Open(char* p, std::size_t bytes, bool open = true) {
    return mprotect(p, bytes, open ? PROT_READ | PROT_WRITE : PROT_NONE) == 0;
}
void Release(char* p, std::size_t bytes) {
    munmap(p, bytes);
}
#endif

// One readable, writable page between two inaccessible ones.
class GuardedPage {
public:
    GuardedPage() : page_(PageSize()), base_(Inaccessible(3 * page_)) {
        if (base_ == nullptr || !Open(base_ + page_, page_))
            throw std::runtime_error("no guarded page");
    }
    GuardedPage(const GuardedPage&) = delete;
    GuardedPage& operator=(const GuardedPage&) = delete;
    ~GuardedPage() { Release(base_, 3 * page_); }

    // `bytes` ending at the page's last byte; the next byte is inaccessible.
    char* AtEnd(const std::string& bytes) { return At(bytes, page_ - bytes.size()); }
    // Attaches t to `bytes` that end at the page's last byte: their terminator
    // lies in the next page, open only while t measures them.
    void AttachEnding(Text& t, const std::string& bytes) {
        char* next = base_ + 2 * page_;
        Open(next, page_);
        *next = '\0';
        t.Attach(AtEnd(bytes));
        Open(next, page_, false);
    }
    // `bytes` starting `offset` bytes into the page, whose previous byte is
    // inaccessible.
    char* At(const std::string& bytes, std::size_t offset) {
        char* p = base_ + page_ + offset;
        std::memset(base_ + page_, '#', page_); // what lies before and after
        std::memcpy(p, bytes.data(), bytes.size());
        return p;
    }

private:
    std::size_t page_;
    char* base_;
};

const std::string kAlphabet = "abcAz`{, \xE9\x80";

// Runs check(s, subject, place) for each length, alignment and placement:
// subject holds s, a text whose characters cycle through the alphabet from a
// point that moves with its length and alignment, and place(operand) puts a
// string in a second page, in the other place. A mismatch that a harness
// check throws fails the test.
template <typename Check> void ForEachPlacement(Check check) {
    static GuardedPage first, second;
    std::vector<int> lengths = {127, 128, 129, 200, 256};
    for (int n = 0; n <= 64; ++n)
        lengths.push_back(n);
    vtest::ForEachPath([&] {
        for (int n : lengths)
            for (std::size_t align = 0; align < 16; ++align)
                for (bool atEnd : {true, false}) {
                    std::string s;
                    for (int i = 0; i < n; ++i)
                        s += kAlphabet[(static_cast<std::size_t>(i * 3 + n) + align) %
                                       kAlphabet.size()];
                    auto place = [align](GuardedPage& page, const std::string& text, bool end) {
                        return end ? page.AtEnd(text + '\0') : page.At(text + '\0', align);
                    };
                    SCOPED_TRACE("length " + std::to_string(n) + ", alignment " +
                                 std::to_string(align) +
                                 (atEnd ? ", at the end" : ", at the start"));
                    try {
                        check(s, place(first, s, atEnd), [&](const std::string& operand) {
                            return place(second, operand, !atEnd);
                        });
                    } catch (const std::logic_error& mismatch) {
                        ADD_FAILURE() << mismatch.what();
                    }
                }
    });
}

} // namespace

TEST(PageBoundary, Searches) {
    ForEachPlacement([](const std::string& s, char* subject, auto place) {
        // Needles and sets: none, absent, the last character (found at the
        // very end), a tail of the text, the text itself and the alphabet.
        std::vector<std::string> operands = {"", "q", ", ", kAlphabet, s};
        if (!s.empty()) {
            operands.push_back(s.substr(s.size() - 1));
            operands.push_back(s.substr(s.size() / 2));
        }
        const int n = static_cast<int>(s.size());
        for (const std::string& operand : operands) {
            char* o = place(operand);
            Text t, other;
            t.Attach(subject);
            other.Attach(o);
            vfuzz::CSearches(subject, o, 0x300 | (*o & 0xFF)); // only the low 8 bits count
            for (int start : {0, n / 2, n}) {
                t.SearchForwardSet(start != n);
                vfuzz::TextSearches(t, s, other, *o, start);
            }
            for (int at = 0, next; (next = vfuzz::TextToken(t, s, other, at)) != at;)
                at = next;
            for (unsigned count : {0u, 1u, 8u, 64u, UINT_MAX}) {
                vfuzz::CComparisons(subject, o, count);
                vfuzz::CComparisons(o, subject, count);
                for (bool exact : {true, false}) {
                    t.CaseSensitivitySet(exact);
                    vfuzz::TextCompare(t, s, other, count);
                }
            }
        }
        // strtok_r last, as it cuts the subject in place: one input byte asks
        // for 32 calls, which walk to the end as every later str is NULL.
        static const std::uint8_t kWalk[] = {31};
        vfuzz::Input walk(kWalk, sizeof kWalk);
        char delimiters[] = ", ";
        vfuzz::CTokens(walk, subject, delimiters);
    });
}

TEST(PageBoundary, WritesStayInsideTheirArrays) {
    static GuardedPage destinations;
    ForEachPlacement([](const std::string& s, char* source, auto) {
        const std::size_t n = s.size();
        // Each kind of append fills an attached array of exactly the result's
        // size to its last byte; one character more is refused untouched.
        const std::string head = s.substr(0, n % 5);
        for (int kind = 0; kind < 4; ++kind) {
            char* array = destinations.AtEnd(head + '\0' + std::string(n, '-'));
            Text destination, src;
            destination.Attach(array, static_cast<int>(head.size() + n + 1));
            src.Attach(source);
            if (kind == 0)
                destination += src;
            else if (kind == 1)
                destination += static_cast<const char*>(source);
            else if (kind == 2)
                EXPECT_TRUE(destination.Concatenate(src, INT_MAX));
            else
                for (char c : s)
                    destination += Char(c);
            EXPECT_THROW(destination += Char('x'), char*);
            EXPECT_EQ(std::string(array), head + s) << "append kind " << kind;
        }
        // The C copies into arrays that end at the page's end: exactly what
        // strcpy, strncpy and strncat may fill, strcat's capacity or one less.
        auto copy = [&](int op, const std::string& before, std::size_t count) {
            vfuzz::CCopy(op, destinations.AtEnd(before), before.size(), source,
                         static_cast<int>(count));
        };
        copy(0, std::string(n + 1, '-'), 0);
        for (std::size_t count : {std::size_t{0}, n / 2, n, n + 5}) {
            const std::size_t m = std::min(count, n);
            copy(1, std::string(m + 1, '-'), count);
            copy(3, s.substr(n - m) + '\0' + std::string(m, '-'), count);
        }
        for (std::size_t shortBy : {std::size_t{0}, std::min<std::size_t>(n, 1)}) {
            const std::string before = head + '\0' + std::string(n - shortBy, '-');
            copy(2, before, before.size());
        }
        // Substrings, joins and the substring search stop at a NUL planted
        // at each place in turn; substrings and joins read a text without
        // one right up to an inaccessible byte, its terminator.
        Text held, tail(s.substr(n - std::min<std::size_t>(n, 2)).c_str());
        destinations.AttachEnding(held, s);
        for (std::size_t at = 0; at <= n; ++at) {
            const std::string cut = s.substr(0, at);
            if (at < n)
                held.SetAt(static_cast<int>(at), '\0');
            vfuzz::IsFresh(held.SubString(0, INT_MAX), cut, "SubString");
            vfuzz::IsFresh(held + "+", at < n ? cut : s + '+', "operator+");
            if (at < n)
                vfuzz::Expect(held.FindString(tail) == vfuzz::Index(cut.find(tail)), "FindString");
            if (at < n)
                held.SetAt(static_cast<int>(at), s[at]);
        }
        vfuzz::IsFresh(held.SubString(1, INT_MAX), s.substr(std::min<std::size_t>(1, n)), "rest");
        // Last, the source itself changes in place.
        Text t;
        t.Attach(source);
        t.ToUpper();
        t.Remove('A');
        std::string upper;
        for (char c : s)
            if (vfuzz::Case(c, true) != 'A')
                upper += vfuzz::Case(c, true);
        EXPECT_EQ(std::string(source) + '/' + std::to_string(t.LengthGet()),
                  upper + '/' + std::to_string(upper.size()));
    });
}
