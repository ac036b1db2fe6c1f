// Comparison: Compare's -1/0/1 in signed order, its guards and case folding.
#include "TestSupport.h"

namespace {

using vtest::Exact;

int Order(const std::string& left, const std::string& right, unsigned count, bool fold = false) {
    return Exact(left, !fold).text.Compare(Exact(right, fold).text, count);
}

} // namespace

TEST(Compare, Table) {
    // The fuzz harness covers ordinary texts; here: the other object's case
    // flag (always the opposite of this one's) plays no part, a count beyond
    // INT_MAX is no negative count, NULs inside the other's length meet the
    // guard one past this one's, and texts longer than the sweeps.
    const std::string abNulC("ab\0c", 4), aNulB("a\0b", 3), aNulC("a\0c", 3), aNulUpperC("a\0C", 3);
    EXPECT_EQ(Ints({Order("abc", "ABC", 3), Order("abc", "ABC", 3, true),
                    Order("abc", "ab", 0x80000000u), Order("ab", abNulC, 4), Order("ab", abNulC, 3),
                    Order("AB", abNulC, 4294967295u, true), Order(aNulB, aNulC, 3),
                    Order(aNulUpperC, aNulB, 3, true), Order("a[", "A{", 2, true),
                    Order("a@", "A`", 2, true)}),
              "1,0,1,-1,0,-1,-1,1,-1,-1");
    const std::string base(300, 'a');
    for (int n : {16, 17, 40, 300}) { // differing in ASCII case only
        const std::string lower = base.substr(0, static_cast<std::size_t>(n) - 1) + "q";
        EXPECT_EQ(Ints({Order(lower, vtest::Upper(lower), 400, true),
                        Order(lower, vtest::Upper(lower), 400)}),
                  "0,1")
            << n;
    }
    // One difference in otherwise equal texts of one letter, on every path and
    // at each block of a four-block step: blocks compared at a wrong offset
    // would see none. '@', '[', '`' and
    // '{' border the letters but have no case.
    vtest::ForEachPath([&] {
        for (int at : {0, 32, 40, 63, 64, 65, 77, 80, 96, 112, 170, 255, 256, 299})
            for (const char* pair : {"a\x80", "@`", "[{"}) {
                std::string x = base, y = base;
                x[static_cast<std::size_t>(at)] = pair[0];
                y[static_cast<std::size_t>(at)] = pair[1];
                const int order =
                    static_cast<signed char>(pair[0]) < static_cast<signed char>(pair[1]) ? -1 : 1;
                EXPECT_EQ(Ints({Order(x, y, 300), Order(y, x, 300, true), Order(x, y, 300, true),
                                Order(x, y, static_cast<unsigned>(at))}),
                          Ints({order, -order, order, 0}))
                    << at << pair;
            }
    });
}
