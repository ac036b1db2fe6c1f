// Blocks of 16 bytes (SSE2, which every x86-64 processor has) or 32 bytes
// (AVX2, used only where the processor reports it). Scans that use them pass
// over whole blocks first and finish byte by byte; where VORELTEXT_BLOCKS is
// not defined only the byte loops run. A block is read only while all of its
// bytes lie inside the range being scanned.
//
// A scan is written once as a template over Sse2 or Avx2, marked
// VORELTEXT_KERNEL, and instantiated in two small wrappers, the AVX2 one
// marked VORELTEXT_AVX2. The members below take pointers and give lane masks,
// so no vector value crosses from the template into code built for another
// instruction set; once the template is inlined into its wrapper, so are they.
#ifndef VORELTEXT_SRC_TEXT_BLOCKS_H
#define VORELTEXT_SRC_TEXT_BLOCKS_H

#include "VorelText.h"

#include <atomic>

namespace VorelText::detail::blocks {

// The instruction sets that the scans may use.
enum class Path : unsigned char { kAutomatic, kScalar, kSse2, kAvx2 };

// Which path the scans take: kAutomatic picks the widest blocks that this
// processor offers; the others exist so that the tests can run every path.
inline std::atomic<Path> forcedPath{Path::kAutomatic};

// For the tests: makes every scan take `path` from now on and answers true,
// or answers false and changes nothing when this build or processor lacks
// it. Exported from the shared library, though not part of its interface.
VORELTEXT_API bool ForcePath(Path path);

} // namespace VorelText::detail::blocks

#if defined(__SSE2__) && defined(__GNUC__)

#include <cstddef>
#include <cstdint>
#include <immintrin.h>

#define VORELTEXT_BLOCKS 1
#define VORELTEXT_KERNEL inline __attribute__((always_inline))
#define VORELTEXT_AVX2 __attribute__((target("avx2")))

namespace VorelText::detail::blocks {

// One bit per byte of a block, byte 0 lowest.
using Lanes = std::uint32_t;

// The index of the lowest set bit of a non-zero lane mask.
inline std::size_t FirstLane(Lanes lanes) {
    return static_cast<std::size_t>(__builtin_ctz(lanes));
}

// Both types offer, for blocks at a and b:
//   EqualLanes        the lanes holding equal bytes;
//   AllEqual4         whether four blocks in a row are equal, and Mismatch4
//                     where the first difference among them is (4 * kWidth
//                     when there is none);
//   FoldedEqualLanes  the lanes equal once ASCII letters are lowered, and
//   AllFoldedEqual4   whether four blocks in a row are equal that way;
//   MemberLanes       the lanes holding one of a Set of 1 to 16 bytes, each
//                     broadcast to a whole block beforehand (Broadcast);
//   ShiftLetters      adding delta in place to the 26 letters from `first`;
//   CopyUnlessNul     the lanes of the block at a source that hold a NUL,
//                     having copied it to a destination when there are none,
//                     and CopyUnlessNul4 the same for four blocks in a row,
//                     answering whether they were copied;
//   KeepUnless        storing the bytes of the block at a source that are not
//                     c, in order, at a destination no later than the source
//                     (up to a block is written there), answering how many.
//
// ASCII letters are found as unsigned (x - first) < 26, done as a signed
// compare after moving the range to the bottom of the signed bytes.
struct Sse2 {
    static constexpr std::size_t kWidth = 16;
    static constexpr Lanes kAllLanes = 0xFFFF;

    static Lanes EqualLanes(const char* a, const char* b) {
        return Mask(_mm_cmpeq_epi8(Load(a), Load(b)));
    }
    static bool AllEqual4(const char* a, const char* b) {
        const __m128i s0 = _mm_cmpeq_epi8(Load(a), Load(b));
        const __m128i s1 = _mm_cmpeq_epi8(Load(a + 16), Load(b + 16));
        const __m128i s2 = _mm_cmpeq_epi8(Load(a + 32), Load(b + 32));
        const __m128i s3 = _mm_cmpeq_epi8(Load(a + 48), Load(b + 48));
        return Mask(_mm_and_si128(_mm_and_si128(s0, s1), _mm_and_si128(s2, s3))) == kAllLanes;
    }
    static std::size_t Mismatch4(const char* a, const char* b) {
        const std::uint64_t equal = std::uint64_t{EqualLanes(a, b)} |
                                    std::uint64_t{EqualLanes(a + 16, b + 16)} << 16 |
                                    std::uint64_t{EqualLanes(a + 32, b + 32)} << 32 |
                                    std::uint64_t{EqualLanes(a + 48, b + 48)} << 48;
        return equal == ~std::uint64_t{0} ? 64 : static_cast<std::size_t>(__builtin_ctzll(~equal));
    }
    static Lanes FoldedEqualLanes(const char* a, const char* b) { return Mask(FoldedEqual(a, b)); }
    static bool AllFoldedEqual4(const char* a, const char* b) {
        const __m128i s01 = _mm_and_si128(FoldedEqual(a, b), FoldedEqual(a + 16, b + 16));
        const __m128i s23 = _mm_and_si128(FoldedEqual(a + 32, b + 32), FoldedEqual(a + 48, b + 48));
        return Mask(_mm_and_si128(s01, s23)) == kAllLanes;
    }
    struct Set {
        __m128i members[16];
        int count;
    };
    static void Broadcast(const char* listed, int count, Set& set) {
        for (int k = 0; k < count; ++k)
            set.members[k] = _mm_set1_epi8(listed[k]);
        set.count = count;
    }
    static Lanes MemberLanes(const char* p, const Set& set) {
        const __m128i x = Load(p);
        __m128i hit = _mm_cmpeq_epi8(x, set.members[0]);
        for (int k = 1; k < set.count; ++k)
            hit = _mm_or_si128(hit, _mm_cmpeq_epi8(x, set.members[k]));
        return Mask(hit);
    }
    static void ShiftLetters(char* p, char first, char delta) {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(p), Shift(Load(p), first, delta));
    }
    static Lanes CopyUnlessNul(char* dst, const char* src) {
        const __m128i x = Load(src);
        const Lanes nul = Mask(_mm_cmpeq_epi8(x, _mm_setzero_si128()));
        if (nul == 0)
            Store(dst, x);
        return nul;
    }
    static bool CopyUnlessNul4(char* dst, const char* src) {
        const __m128i x0 = Load(src), x1 = Load(src + 16), x2 = Load(src + 32), x3 = Load(src + 48);
        const __m128i least = _mm_min_epu8(_mm_min_epu8(x0, x1), _mm_min_epu8(x2, x3));
        if (Mask(_mm_cmpeq_epi8(least, _mm_setzero_si128())) != 0)
            return false;
        Store(dst, x0);
        Store(dst + 16, x1);
        Store(dst + 32, x2);
        Store(dst + 48, x3);
        return true;
    }

    // Without a byte shuffle, a block that loses bytes goes byte by byte.
    static std::size_t KeepUnless(char* dst, const char* src, char c) {
        const __m128i x = Load(src);
        const Lanes drop = Mask(_mm_cmpeq_epi8(x, _mm_set1_epi8(c)));
        if (drop == 0) {
            Store(dst, x);
            return kWidth;
        }
        char bytes[kWidth];
        Store(bytes, x);
        std::size_t kept = 0;
        for (std::size_t k = 0; k < kWidth; ++k) {
            dst[kept] = bytes[k];
            kept += (drop >> k & 1) ^ 1;
        }
        return kept;
    }

private:
    static __m128i Load(const char* p) {
        return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    }
    static void Store(char* p, __m128i x) { _mm_storeu_si128(reinterpret_cast<__m128i*>(p), x); }
    static Lanes Mask(__m128i b) { return static_cast<Lanes>(_mm_movemask_epi8(b)); }
    static __m128i FoldedEqual(const char* a, const char* b) {
        return _mm_cmpeq_epi8(Shift(Load(a), 'A', 0x20), Shift(Load(b), 'A', 0x20));
    }
    static __m128i Shift(__m128i x, char first, char delta) {
        const __m128i moved = _mm_add_epi8(x, _mm_set1_epi8(static_cast<char>(0x80 - first)));
        const __m128i letter = _mm_cmplt_epi8(moved, _mm_set1_epi8(static_cast<char>(-128 + 26)));
        return _mm_add_epi8(x, _mm_and_si128(letter, _mm_set1_epi8(delta)));
    }
};

// For each set of kept lanes among 8: their indexes in order, one per byte
// from byte 0, and how many there are.
struct KeptLanes {
    std::uint64_t order[256];
    std::uint8_t count[256];
};
constexpr KeptLanes MakeKeptLanes() {
    KeptLanes kept{};
    for (unsigned lanes = 0; lanes < 256; ++lanes)
        for (unsigned k = 0; k < 8; ++k)
            if ((lanes >> k & 1) != 0)
                kept.order[lanes] |= std::uint64_t{k} << (8 * kept.count[lanes]++);
    return kept;
}
inline constexpr KeptLanes kKept = MakeKeptLanes();

struct Avx2 {
    static constexpr std::size_t kWidth = 32;
    static constexpr Lanes kAllLanes = 0xFFFFFFFF;

    VORELTEXT_AVX2 static Lanes EqualLanes(const char* a, const char* b) {
        return Mask(_mm256_cmpeq_epi8(Load(a), Load(b)));
    }
    VORELTEXT_AVX2 static bool AllEqual4(const char* a, const char* b) {
        const __m256i s0 = _mm256_cmpeq_epi8(Load(a), Load(b));
        const __m256i s1 = _mm256_cmpeq_epi8(Load(a + 32), Load(b + 32));
        const __m256i s2 = _mm256_cmpeq_epi8(Load(a + 64), Load(b + 64));
        const __m256i s3 = _mm256_cmpeq_epi8(Load(a + 96), Load(b + 96));
        return Mask(_mm256_and_si256(_mm256_and_si256(s0, s1), _mm256_and_si256(s2, s3))) ==
               kAllLanes;
    }
    VORELTEXT_AVX2 static std::size_t Mismatch4(const char* a, const char* b) {
        const std::uint64_t low =
            std::uint64_t{EqualLanes(a, b)} | std::uint64_t{EqualLanes(a + 32, b + 32)} << 32;
        if (low != ~std::uint64_t{0})
            return static_cast<std::size_t>(__builtin_ctzll(~low));
        const std::uint64_t high = std::uint64_t{EqualLanes(a + 64, b + 64)} |
                                   std::uint64_t{EqualLanes(a + 96, b + 96)} << 32;
        return high == ~std::uint64_t{0} ? 128
                                         : 64 + static_cast<std::size_t>(__builtin_ctzll(~high));
    }
    VORELTEXT_AVX2 static Lanes FoldedEqualLanes(const char* a, const char* b) {
        return Mask(FoldedEqual(a, b));
    }
    VORELTEXT_AVX2 static bool AllFoldedEqual4(const char* a, const char* b) {
        const __m256i s01 = _mm256_and_si256(FoldedEqual(a, b), FoldedEqual(a + 32, b + 32));
        const __m256i s23 =
            _mm256_and_si256(FoldedEqual(a + 64, b + 64), FoldedEqual(a + 96, b + 96));
        return Mask(_mm256_and_si256(s01, s23)) == kAllLanes;
    }
    struct Set {
        __m256i members[16];
        int count;
    };
    VORELTEXT_AVX2 static void Broadcast(const char* listed, int count, Set& set) {
        for (int k = 0; k < count; ++k)
            set.members[k] = _mm256_set1_epi8(listed[k]);
        set.count = count;
    }
    VORELTEXT_AVX2 static Lanes MemberLanes(const char* p, const Set& set) {
        const __m256i x = Load(p);
        __m256i hit = _mm256_cmpeq_epi8(x, set.members[0]);
        for (int k = 1; k < set.count; ++k)
            hit = _mm256_or_si256(hit, _mm256_cmpeq_epi8(x, set.members[k]));
        return Mask(hit);
    }
    VORELTEXT_AVX2 static void ShiftLetters(char* p, char first, char delta) {
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(p), Shift(Load(p), first, delta));
    }
    VORELTEXT_AVX2 static Lanes CopyUnlessNul(char* dst, const char* src) {
        const __m256i x = Load(src);
        const Lanes nul = Mask(_mm256_cmpeq_epi8(x, _mm256_setzero_si256()));
        if (nul == 0)
            Store(dst, x);
        return nul;
    }
    VORELTEXT_AVX2 static bool CopyUnlessNul4(char* dst, const char* src) {
        const __m256i x0 = Load(src), x1 = Load(src + 32), x2 = Load(src + 64), x3 = Load(src + 96);
        const __m256i least = _mm256_min_epu8(_mm256_min_epu8(x0, x1), _mm256_min_epu8(x2, x3));
        if (Mask(_mm256_cmpeq_epi8(least, _mm256_setzero_si256())) != 0)
            return false;
        Store(dst, x0);
        Store(dst + 32, x1);
        Store(dst + 64, x2);
        Store(dst + 96, x3);
        return true;
    }

    // Each 8-byte quarter moves its kept bytes to its front with a byte
    // shuffle and is stored whole where the kept bytes go; each store lies
    // within bytes already loaded, and the next overwrites what follows.
    VORELTEXT_AVX2 static std::size_t KeepUnless(char* dst, const char* src, char c) {
        const __m256i x = Load(src);
        const Lanes drop = Mask(_mm256_cmpeq_epi8(x, _mm256_set1_epi8(c)));
        if (drop == 0) {
            Store(dst, x);
            return kWidth;
        }
        std::size_t kept = 0;
        const __m128i halves[2] = {_mm256_castsi256_si128(x), _mm256_extracti128_si256(x, 1)};
        for (int half = 0; half < 2; ++half) {
            const Lanes keep = ~drop >> (16 * half);
            const unsigned low = keep & 0xFF, high = keep >> 8 & 0xFF;
            const __m128i order =
                _mm_set_epi64x(static_cast<long long>(kKept.order[high] + 0x0808080808080808),
                               static_cast<long long>(kKept.order[low]));
            const __m128i packed = _mm_shuffle_epi8(halves[half], order);
            _mm_storel_epi64(reinterpret_cast<__m128i*>(dst + kept), packed);
            kept += kKept.count[low];
            _mm_storel_epi64(reinterpret_cast<__m128i*>(dst + kept),
                             _mm_unpackhi_epi64(packed, packed));
            kept += kKept.count[high];
        }
        return kept;
    }

private:
    VORELTEXT_AVX2 static __m256i Load(const char* p) {
        return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
    }
    VORELTEXT_AVX2 static void Store(char* p, __m256i x) {
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(p), x);
    }
    VORELTEXT_AVX2 static Lanes Mask(__m256i b) {
        return static_cast<Lanes>(_mm256_movemask_epi8(b));
    }
    VORELTEXT_AVX2 static __m256i FoldedEqual(const char* a, const char* b) {
        return _mm256_cmpeq_epi8(Shift(Load(a), 'A', 0x20), Shift(Load(b), 'A', 0x20));
    }
    // AVX2 has no signed less-than: the sides of the greater-than swap.
    VORELTEXT_AVX2 static __m256i Shift(__m256i x, char first, char delta) {
        const __m256i moved = _mm256_add_epi8(x, _mm256_set1_epi8(static_cast<char>(0x80 - first)));
        const __m256i letter =
            _mm256_cmpgt_epi8(_mm256_set1_epi8(static_cast<char>(-128 + 26)), moved);
        return _mm256_add_epi8(x, _mm256_and_si256(letter, _mm256_set1_epi8(delta)));
    }
};

// Scans of fewer bytes stay with 16-byte blocks: below a whole step of four
// 32-byte blocks and a few more, the wider registers do not pay.
constexpr std::size_t kAvx2Worthwhile = 128;
static_assert(kAvx2Worthwhile >= 4 * Avx2::kWidth, "a whole step of four blocks");

// Whether the processor has AVX2: a flag that the compiler's run-time
// support sets when the program starts.
inline bool CpuHasAvx2() {
    return __builtin_cpu_supports("avx2") != 0;
}

// Whether the block scans may run at all (not on the forced scalar path).
inline bool UseBlocks() {
    return forcedPath.load(std::memory_order_relaxed) != Path::kScalar;
}

// Whether the AVX2 wrappers may run. Asked per call.
inline bool HasAvx2() {
    const Path path = forcedPath.load(std::memory_order_relaxed);
    return path == Path::kAutomatic ? CpuHasAvx2() : path == Path::kAvx2;
}

} // namespace VorelText::detail::blocks

#endif

#endif
