// Allocation failure: every operation that allocates, made to fail at its
// first, second, ... array allocation, either completes or throws
// std::bad_alloc, leaks nothing, releases nothing twice (the sanitizers and
// valgrind see that) and leaves the object valid and, but for Load, unchanged.
#include "AllocationCount.h"
#include "VorelText.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <new>
#include <string>
#include <tuple>

using VorelText::Char;
using VorelText::Text;

namespace {

using State = std::tuple<std::string, int, int, bool, bool, const char*>;

// Everything a caller can see, the terminator included.
State Observe(const Text& t) {
    const char* p = t;
    const std::string bytes = p == nullptr ? "(none)" : std::string(p, t.LengthGet() + 1u);
    return {bytes, t.LengthGet(), t.SizeGet(), t.IsCaseSensitive(), t.IsSearchForward(), p};
}

// Without a buffer, or terminated at its length within its size.
bool Valid(const Text& t) {
    const char* p = t;
    if (p == nullptr)
        return t.LengthGet() == 0 && t.SizeGet() == 0;
    return t.LengthGet() < t.SizeGet() && p[t.LengthGet()] == '\0';
}

const std::string kLong(300, 'r');
const vtxt_StringTableEntry kEntries[] = {{1, "short"}, {2, kLong.c_str()}};
const vtxt_StringTable kTable = {kEntries, 2};

// Starting states for a default-constructed object: a full owned buffer (so
// appends must grow), a roomy one, and a static array attached.
char attachedArray[32];
void Full(Text& t) {
    t = Text("abc") + "de"; // exactly 6 bytes
    t.CaseSensitivitySet(false);
}
void Roomy(Text& t) {
    t = "roomy";
}
void Attached(Text& t) {
    std::memset(attachedArray, '#', sizeof attachedArray);
    std::strcpy(attachedArray, "attached");
    t.Attach(attachedArray, sizeof attachedArray);
}

struct Case {
    const char* name;
    void (*make)(Text&);
    std::function<void(Text&)> operation;
    bool keepsObject; // unchanged after a failure, not merely valid
};

} // namespace

TEST(AllocationFailure, EveryOperationCompletesOrFailsCleanly) {
    if (!vtest::ArrayAllocationsCounted())
        GTEST_SKIP() << "a tool has replaced operator new[]";
    Text source("source");
    char chars[] = "source";
    Text delimiters(" ,");
    // Concatenate and the C functions built on it answer instead of throwing:
    // their refusal is turned into the failure the loop expects.
    auto refused = [](bool ok) {
        if (!ok)
            throw std::bad_alloc();
    };
    const Case cases[] = {
        {"Text(const char*)", Full, [](Text&) { Text t("abc"); }, true},
        {"Text(const Text&)", Full, [](Text& t) { Text copy(t); }, true},
        {"Text(format)", Full, [](Text&) { Text t(const_cast<char*>("%d"), 42); }, true},
        {"Text(module, id)", Full, [](Text&) { Text t(&kTable, 2); }, true},
        {"= Text", Full, [&](Text& t) { t = source; }, true},
        {"= char*", Attached, [](Text& t) { t = "abc"; }, true},
        {"= Char", Full, [](Text& t) { t = Char('x'); }, true},
        {"+= Text", Full, [&](Text& t) { t += source; }, true},
        {"+= itself", Full, [](Text& t) { t += t; }, true},
        {"+= Char", Full, [](Text& t) { t += Char('x'); }, true},
        {"+= char*", Full, [](Text& t) { t += "xyz"; }, true},
        {"+ char*", Full, [](Text& t) { Text r = t + "x"; }, true},
        {"+ Text", Full, [&](Text& t) { Text r = t + source; }, true},
        {"+ Char", Full, [](Text& t) { Text r = t + Char('x'); }, true},
        {"SubString", Roomy, [](Text& t) { Text r = t.SubString(1, 2); }, true},
        {"FindToken", Roomy,
         [&](Text& t) {
             int position = 0;
             Text token = t.FindToken(delimiters, &position);
         },
         true},
        {"Concatenate", Full, [&](Text& t) { refused(t.Concatenate(source, 4)); }, true},
        {"Concatenate attached", Attached, [&](Text& t) { refused(t.Concatenate(source, 4)); },
         true},
        {"Load", Roomy, [](Text& t) { t.Load(&kTable, 1); }, true},
        {"strncat", Attached, [&](Text& t) { refused(vtxt_Text_strncat(t, chars, 4) != nullptr); },
         true},
        {"strncpy", Attached, [&](Text& t) { refused(vtxt_Text_strncpy(t, chars, 4) != nullptr); },
         false},
        {"Load growing", Full, [](Text& t) { t.Load(&kTable, 2); }, false},
    };
    for (const Case& c : cases) {
        bool completed = false;
        for (long k = 1; !completed && k < 8; ++k) {
            const long live = vtest::LiveArrayAllocations();
            {
                Text t;
                c.make(t);
                const State start = Observe(t);
                vtest::FailArrayAllocation(k);
                try {
                    c.operation(t);
                    completed = true;
                } catch (const std::bad_alloc&) {
                }
                vtest::FailArrayAllocation(0);
                if (!completed) {
                    EXPECT_TRUE(Valid(t)) << c.name << ", allocation " << k;
                    EXPECT_TRUE(!c.keepsObject || Observe(t) == start)
                        << c.name << ", allocation " << k;
                }
            }
            EXPECT_EQ(vtest::LiveArrayAllocations(), live) << c.name << ", allocation " << k;
        }
        EXPECT_TRUE(completed) << c.name;
    }
}
