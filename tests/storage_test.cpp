// Text object and storage: sizes, ownership states and the take-over protocol.
#include "AllocationCount.h"
#include "VorelText.h"
#include "text/Storage.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <cstring>
#include <new>
#include <optional>
#include <stdexcept>
#include <string>

using VorelText::Text;

namespace {

// Counts delete[] of p for its lifetime without releasing it (see
// AllocationCount.h).
class DeleteWatch {
public:
    explicit DeleteWatch(const void* p) { vtest::WatchDeletes(p); }
    ~DeleteWatch() { vtest::WatchDeletes(nullptr); }
    int Count() const { return vtest::WatchedDeletes(); }
};

// False where a tool has taken over this file's operator delete[] (valgrind
// does unless run with --soname-synonyms=somalloc=nouserintercepts).
bool CountingWorks() {
    char* volatile probe = new char[1];
    int count = 0;
    {
        DeleteWatch watch(probe);
        delete[] probe;
        count = watch.Count();
    }
    if (count == 0)
        return false; // really released
    delete[] probe;   // unwatched now: released for real
    return true;
}

constexpr const char* kNoCounting = "operator delete[] is intercepted; releases cannot be counted";

// How often f releases the owned buffer p; p is released once afterwards.
template <class F> int ReleasesDuring(char* p, F f) {
    int count;
    {
        DeleteWatch watch(p);
        f();
        count = watch.Count();
    }
    delete[] p;
    return count;
}

// A caller's array between guard bytes.
struct Guarded {
    char before[8] = "ZZZZZZZ", body[16] = "hello", after[8] = "ZZZZZZZ";
    bool GuardsIntact() const {
        return std::memcmp(before, "ZZZZZZZ", 8) == 0 && std::memcmp(after, "ZZZZZZZ", 8) == 0;
    }
};

// CalcBufSize is protected: reach it through a subclass.
struct SizingText : Text {
    using Text::CalcBufSize;
};

} // namespace

TEST(Storage, DefaultHasNoBuffer) {
    Text t;
    EXPECT_EQ(t.LengthGet(), 0);
    EXPECT_EQ(t.SizeGet(), 0);
    EXPECT_TRUE(t.IsEmpty());
    EXPECT_TRUE(t.IsAscii());
    EXPECT_TRUE(t.IsCaseSensitive());
    EXPECT_TRUE(t.IsSearchForward());
    EXPECT_EQ(static_cast<char*>(t), nullptr);
    t.Empty();
    EXPECT_EQ(static_cast<char*>(t), nullptr);
    EXPECT_EQ(t.ToInteger(), 0);
    EXPECT_EQ(t.ToLong(), 0);
    EXPECT_EQ(t.ToDouble(), 0.0);
}

TEST(Storage, ConstructionReserves65536BytesPerStartedBlock) {
    const struct {
        int length, size;
    } cases[] = {{0, 65536}, {255, 65536}, {256, 131072}, {512, 196608}};
    for (const auto& k : cases) {
        const std::string s(static_cast<std::size_t>(k.length), 'x');
        Text t(s.c_str());
        EXPECT_EQ(t.LengthGet(), k.length);
        EXPECT_EQ(t.SizeGet(), k.size) << k.length;
        EXPECT_EQ(s, static_cast<char*>(t));
        EXPECT_EQ(t.GetAt(k.length), '\0');
    }
    Text null(static_cast<const char*>(nullptr));
    EXPECT_EQ(null.SizeGet(), 65536);
    EXPECT_EQ(null.LengthGet(), 0);
    EXPECT_STREQ(null, "");
}

TEST(Storage, LongTextsGetSizesThatFitAnInt) {
    using VorelText::detail::ReservedSize;
    EXPECT_EQ(ReservedSize(8388351), 32767 * 65536); // the last reserved size
    EXPECT_EQ(ReservedSize(8388352), 8388608);       // ordinary blocks from here
    EXPECT_EQ(ReservedSize(INT_MAX - 256), INT_MAX - 255);
    EXPECT_EQ(ReservedSize(INT_MAX - 255), INT_MAX - 254); // exactly length + 1
    EXPECT_EQ(ReservedSize(INT_MAX - 1), INT_MAX);
    EXPECT_THROW(ReservedSize(INT_MAX), std::length_error);

    const std::string s(8388352, 'y');
    Text t(s.c_str());
    EXPECT_EQ(t.LengthGet(), 8388352);
    EXPECT_EQ(t.SizeGet(), 8388608);
    EXPECT_EQ(std::memcmp(static_cast<char*>(t), s.c_str(), s.size() + 1), 0);
    EXPECT_EQ(Text(t).SizeGet(), 8388608); // a copy sizes the same way
}

TEST(Storage, CalcBufSizeGivesTheNextBlockAbove) {
    SizingText t;
    const int cases[][2] = {{0, 256}, {255, 256}, {256, 512}, {512, 768}};
    for (const auto& k : cases)
        EXPECT_EQ(t.CalcBufSize(k[0]), k[1]) << k[0];
    EXPECT_EQ(t.CalcBufSize(INT_MAX - 256), INT_MAX - 255);
    EXPECT_THROW(t.CalcBufSize(INT_MAX - 255), std::length_error);
}

TEST(Storage, AttachWorksInTheCallersArray) {
    Guarded g;
    DeleteWatch watch(g.body);
    {
        Text t;
        t.CaseSensitivitySet(false);
        t.Attach(g.body, 16);
        EXPECT_EQ(static_cast<char*>(t), g.body);
        EXPECT_EQ(t.LengthGet(), 5);
        EXPECT_EQ(t.SizeGet(), 16);
        EXPECT_FALSE(t.IsCaseSensitive()); // flags are kept
        t.Attach(g.body);
        EXPECT_EQ(t.SizeGet(), 6);
        t.Attach(nullptr, 100);
        EXPECT_EQ(t.SizeGet(), 0);
        EXPECT_EQ(t.LengthGet(), 0);
        EXPECT_EQ(static_cast<char*>(t), nullptr);

        t.Attach(g.body, 16);
        t.Empty();
        EXPECT_EQ(t.LengthGet(), 0);
        EXPECT_EQ(t.SizeGet(), 16);
        EXPECT_EQ(g.body[0], '\0');
        EXPECT_STREQ(g.body + 1, "ello");

        t.Attach(g.body, 16);
        t.Detach();
        EXPECT_EQ(t.LengthGet(), 0);
        EXPECT_EQ(t.SizeGet(), 0);
        EXPECT_EQ(static_cast<char*>(t), nullptr);
        t.Attach(g.body, 16); // destroyed while attached
    }
    EXPECT_EQ(watch.Count(), 0);
    EXPECT_TRUE(g.GuardsIntact());
}

TEST(Storage, BuffersAreReleasedOnlyByTheirOwner) {
    if (!CountingWorks())
        GTEST_SKIP() << kNoCounting;
    std::optional<Text> t(std::in_place, "abc");
    const auto copyThenDestroy = [&] {
        Text copy(*t); // owns and releases a buffer of its own
        t.reset();
    };
    EXPECT_EQ(ReleasesDuring(*t, copyThenDestroy), 1);

    // Detach, Attach and FlagAsTemp leave an owned buffer allocated.
    for (int how = 0; how < 3; ++how) {
        char array[] = "z";
        t.emplace("abc");
        const int releases = ReleasesDuring(*t, [&] {
            if (how == 0)
                t->Detach();
            else if (how == 1)
                t->Attach(array);
            else
                t->FlagAsTemp();
            t.reset();
        });
        EXPECT_EQ(releases, 0) << how;
    }
}

TEST(Storage, FlagAsTempHandsTheBufferOverOnce) {
    if (!CountingWorks())
        GTEST_SKIP() << kNoCounting;
    char* raw = new char[4];
    std::strcpy(raw, "abc");
    const auto handOver = [&] {
        Text local;
        local.Attach(raw);
        local.SearchForwardSet(false);
        local.FlagAsTemp();
        Text taker(local);
        EXPECT_EQ(static_cast<char*>(taker), raw);
        EXPECT_EQ(taker.LengthGet(), 3);
        EXPECT_EQ(taker.SizeGet(), 4);
        EXPECT_FALSE(taker.IsSearchForward());
        EXPECT_EQ(static_cast<char*>(local), raw); // the source is unchanged
        EXPECT_EQ(local.LengthGet(), 3);
    };
    EXPECT_EQ(ReleasesDuring(raw, handOver), 1); // by the taker only
}

TEST(Storage, CopiesOwnTheirBufferAndCarryTheFlags) {
    Guarded g;
    DeleteWatch watch(g.body);
    {
        Text attached;
        attached.Attach(g.body, 16);
        attached.CaseSensitivitySet(false);
        attached.SearchForwardSet(false);
        Text copy(attached);
        EXPECT_NE(static_cast<char*>(copy), g.body);
        EXPECT_STREQ(copy, "hello");
        EXPECT_EQ(copy.LengthGet(), 5);
        EXPECT_EQ(copy.SizeGet(), 65536);
        EXPECT_FALSE(copy.IsCaseSensitive());
        EXPECT_FALSE(copy.IsSearchForward());
        copy.SetAt(0, 'J');
    }
    EXPECT_EQ(watch.Count(), 0);
    EXPECT_TRUE(g.GuardsIntact());
    EXPECT_STREQ(g.body, "hello");

    Text none;
    Text fromNone(none);
    EXPECT_EQ(fromNone.LengthGet(), 0);
    EXPECT_EQ(fromNone.SizeGet(), 65536);
    EXPECT_STREQ(fromNone, "");

    // SetAt keeps the length; a copy measures up to the first NUL.
    Text cut("abc");
    cut.SetAt(1, '\0');
    EXPECT_EQ(cut.LengthGet(), 3);
    EXPECT_STREQ(cut, "a");
    EXPECT_EQ(cut.GetAt(2), 'c');
    Text copyOfCut(cut);
    EXPECT_EQ(copyOfCut.LengthGet(), 1);
    EXPECT_EQ(copyOfCut.SizeGet(), 65536);
}

TEST(Storage, IsAsciiChecksEveryCharacterOfTheLength) {
    EXPECT_TRUE(Text("ab\x7F").IsAscii());
    EXPECT_FALSE(Text("ab\x80").IsAscii());
    EXPECT_FALSE(Text("\xFF").IsAscii());
    Text hidden("a\xE9");
    hidden.SetAt(0, '\0'); // behind a NUL but within the length
    EXPECT_FALSE(hidden.IsAscii());
}

TEST(Storage, ConvertsToNumbersLikeTheCLibrary) {
    EXPECT_EQ(Text("42abc").ToInteger(), 42);
    EXPECT_EQ(Text("abc").ToInteger(), 0);
    EXPECT_EQ(Text(" -7").ToLong(), -7);
    EXPECT_EQ(Text("2.5").ToInteger(), 2);
    EXPECT_EQ(Text("2.5").ToDouble(), 2.5);
    EXPECT_EQ(Text("x").ToDouble(), 0.0);
    if (sizeof(long) == 8) {
        EXPECT_EQ(Text("-9000000000").ToLong(), -9000000000L);
    }
}
