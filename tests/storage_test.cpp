// Text object and storage: sizes at the block and 32-bit edges, and callers'
// arrays that a Text only reads and never releases.
#include "TestSupport.h"
#include "text/Storage.h"

#include <climits>
#include <stdexcept>
#if defined(__linux__)
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace {
// CalcBufSize is protected: reach it through a subclass.
struct SizingText : Text {
    using Text::CalcBufSize;
};
} // namespace

TEST(Storage, SizesFollowTheLength) {
    using VorelText::detail::ReservedSize;
    // Length, CalcBufSize (0: throws), and what construction and copies
    // reserve: 65,536 per started block up to 8,388,351 characters, then
    // ordinary blocks, then exactly length + 1.
    // clang-format off
    const int cases[][3] = {
        {0, 256, 65536}, {255, 256, 65536}, {256, 512, 131072}, {512, 768, 196608},
        {8388351, 8388352, 32767 * 65536}, {8388352, 8388608, 8388608},
        {INT_MAX - 256, INT_MAX - 255, INT_MAX - 255}, {INT_MAX - 255, 0, INT_MAX - 254},
        {INT_MAX - 1, 0, INT_MAX}};
    // clang-format on
    SizingText sizing;
    for (const auto& k : cases) {
        if (k[1] == 0) {
            EXPECT_THROW(sizing.CalcBufSize(k[0]), std::length_error);
        } else {
            EXPECT_EQ(sizing.CalcBufSize(k[0]), k[1]) << k[0];
        }
        EXPECT_EQ(ReservedSize(k[0]), k[2]) << k[0];
        if (k[2] > 8388608)
            continue; // too large to allocate here
        const std::string s(static_cast<std::size_t>(k[0]), 'x');
        const Text t(s.c_str()), copy(t);
        const std::string want = s + " " + std::to_string(k[0]) + "/" + std::to_string(k[2]);
        EXPECT_TRUE(Show(t) == want && Show(copy) == want) << k[0];
    }
    EXPECT_THROW(ReservedSize(INT_MAX), std::length_error);
    using VorelText::detail::NextBlock; // how Load grows
    EXPECT_EQ(NextBlock(INT_MAX - 256), INT_MAX);
    EXPECT_THROW(NextBlock(INT_MAX - 255), std::length_error);
    Text none, null(static_cast<const char*>(nullptr)), copyOfNone(none);
    EXPECT_EQ(Show(null) + "," + Show(copyOfNone), " 0/65536, 0/65536");
    none.Empty();
    EXPECT_EQ(Show(none), "null 0/0");
    EXPECT_EQ(none.ToInteger() + none.ToLong() + none.ToDouble(), 0.0);
    // long is 64 bits on Linux, 32 on Windows.
    const std::string lowest = std::to_string(LONG_MIN);
    EXPECT_EQ(Text(lowest.c_str()).ToLong(), LONG_MIN);
    EXPECT_EQ(vtxt_Text_atol(const_cast<char*>(lowest.c_str())), LONG_MIN);
}

TEST(Storage, AttachedArraysAreOnlyReadAndNeverReleased) {
    // The fuzz harness follows Attach, Empty, Detach and copies; here the
    // guard bytes and release of an array that a Text is destroyed on.
    vtest::Guarded g(16, "hello");
    {
        Text t;
        t.SearchForwardSet(false);
        t.Attach(g.data(), 16);
        t.Attach(nullptr, 100);
        const std::string declared = Show(t);
        t.Attach(nullptr);
        EXPECT_EQ(declared + "," + Show(t), "null 0/0 backward,null 0/0 backward");
        t.Attach(g.data(), 16);
        t.Empty();
    }
    EXPECT_EQ(g.Changed(), "0"); // Empty's NUL only
}

#if defined(__linux__) && !defined(__SANITIZE_THREAD__)
TEST(Storage, MeasuresNoTextOfIntMaxCharacters) {
    VTEST_SKIP_UNLESS_COUNTED(); // valgrind's own strlen would take minutes
    // INT_MAX + 1 'x's and a NUL: one MiB of memory mapped 2048 times in a
    // row, then a page of zeros. No int can count them.
    constexpr std::size_t kPiece = std::size_t{1} << 20, kPieces = 2048;
    const int fd = memfd_create("x", 0);
    ASSERT_TRUE(fd >= 0 && ftruncate(fd, kPiece) == 0);
    void* piece = mmap(nullptr, kPiece, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    char* all = static_cast<char*>(mmap(nullptr, kPiece * kPieces + 4096, PROT_READ,
                                        MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0));
    ASSERT_TRUE(piece != MAP_FAILED && all != MAP_FAILED);
    std::memset(piece, 'x', kPiece);
    for (std::size_t i = 0; i < kPieces; ++i)
        ASSERT_NE(mmap(all + i * kPiece, kPiece, PROT_READ, MAP_SHARED | MAP_FIXED, fd, 0),
                  MAP_FAILED);
    EXPECT_THROW(vtxt_Text_strlen(all), std::length_error);
    EXPECT_THROW(Text t(static_cast<const char*>(all)), std::length_error);
    for (const std::size_t n : {std::size_t{INT_MAX}, std::size_t{INT_MAX} + 1})
        EXPECT_THROW(Text t(std::string_view(all, n)), std::length_error);
    munmap(all, kPiece * kPieces + 4096);
    munmap(piece, kPiece);
    close(fd);
}
#endif
