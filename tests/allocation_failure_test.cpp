// Allocation failure: every operation that allocates, made to fail at its
// first, second, ... array allocation, either completes or throws
// std::bad_alloc, leaks nothing, releases nothing twice (the sanitizers and
// valgrind see that) and leaves the object valid and, but for Load, unchanged.
#include "ResourceStrings.h"
#include "TestSupport.h"

#include <functional>
#include <utility>

namespace {

// The starting states: a full owned buffer (so that appends must grow), a
// roomy one, and a static array attached.
enum Start { Full, Roomy, Attached };
char attachedArray[32];
void Make(Text& t, Start start) {
    std::strcpy(attachedArray, "attached");
    if (start == Attached)
        t.Attach(attachedArray, sizeof attachedArray);
    else
        t = start == Full ? Text("abc") + "de" : Text("roomy"); // Full: exactly 6 bytes
    t.CaseSensitivitySet(start != Full);
}

// Everything a caller can see, the buffer's address included.
std::pair<std::string, const char*> Observe(const Text& t) {
    return {Show(t), t};
}

} // namespace

TEST(AllocationFailure, EveryOperationCompletesOrFailsCleanly) {
    VTEST_SKIP_UNLESS_COUNTED();
    Text source("source");
    char chars[] = "source";
    Text delimiters(" ,");
    int at;
    // Concatenate and the C functions built on it answer instead of throwing:
    // their refusal is turned into the failure the loop expects.
    auto refused = [](auto ok) {
        if (!ok)
            throw std::bad_alloc();
    };
    const struct {
        const char* name;
        Start start;
        std::function<void(Text&)> operation;
        bool keepsObject; // unchanged after a failure, not merely valid
    } cases[] = {
        {"Text(const char*)", Full, [](Text&) { Text t("abc"); }, true},
        {"Text(const Text&)", Full, [](Text& t) { Text copy(t); }, true},
        {"Text(format)", Full, [](Text&) { Text t(const_cast<char*>("%d"), 42); }, true},
        {"Text(module, id)", Full, [](Text&) { Text t(vtest::Resources(), 2); }, true},
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
        {"FindToken", Roomy, [&](Text& t) { Text r = t.FindToken(delimiters, &(at = 0)); }, true},
        {"Concatenate", Full, [&](Text& t) { refused(t.Concatenate(source, 4)); }, true},
        {"Concatenate attached", Attached, [&](Text& t) { refused(t.Concatenate(source, 4)); },
         true},
        {"Load", Roomy, [](Text& t) { t.Load(vtest::Resources(), 1); }, true},
        {"strncat", Attached, [&](Text& t) { refused(vtxt_Text_strncat(t, chars, 4)); }, true},
        {"strncpy", Attached, [&](Text& t) { refused(vtxt_Text_strncpy(t, chars, 4)); }, false},
        {"Load growing", Full, [](Text& t) { t.Load(vtest::Resources(), 2); }, false},
    };
    for (const auto& c : cases) {
        bool completed = false;
        for (long k = 1; !completed && k < 8; ++k) {
            SCOPED_TRACE(std::string(c.name) + ", allocation " + std::to_string(k));
            const long live = vtest::liveArrays;
            {
                Text t;
                Make(t, c.start);
                const auto start = Observe(t);
                vtest::FailArrayAllocation(k);
                try {
                    c.operation(t);
                    completed = true;
                } catch (const std::bad_alloc&) {
                }
                vtest::FailArrayAllocation(0);
                // Without a buffer, or terminated at its length within its size.
                const char* p = t;
                EXPECT_TRUE(completed || (p == nullptr ? t.LengthGet() == 0 && t.SizeGet() == 0
                                                       : t.LengthGet() < t.SizeGet() &&
                                                             p[t.LengthGet()] == '\0'));
                EXPECT_TRUE(completed || !c.keepsObject || Observe(t) == start);
            }
            EXPECT_EQ(vtest::liveArrays.load(), live);
        }
        EXPECT_TRUE(completed) << c.name;
    }
}
