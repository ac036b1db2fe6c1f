// Test support: the test binary replaces the global array new and delete
// (allocation_count.cpp) so that tests can see how many owned buffers an
// operation allocates and releases, and make one of them fail.
#ifndef VORELTEXT_TESTS_ALLOCATIONCOUNT_H
#define VORELTEXT_TESTS_ALLOCATIONCOUNT_H

#include "VorelText.h"

#include <atomic>
#include <cstddef>
#include <new>

namespace vtest {

// operator new[] calls so far, and the buffers not yet given back to delete[].
inline std::atomic<long> arrayAllocations{0}, liveArrays{0};
// The arrayAllocations count at which operator new[] throws std::bad_alloc
// (0: none). FailArrayAllocation(k) fails the k-th call from now on (k >= 1),
// only that one; 0 disarms.
inline std::atomic<long> failingAllocation{0};
inline void FailArrayAllocation(long k) {
    failingAllocation = k > 0 ? arrayAllocations + k : 0;
}
// While p is watched, delete[] of p is counted and not performed, so that a
// second release shows as a count of 2 instead of a crash. nullptr unwatches.
inline std::atomic<const void*> watched{nullptr};
inline std::atomic<int> watchedDeletes{0};
inline void WatchDeletes(const void* p) {
    watched = p;
    watchedDeletes = 0;
}

// False when the library's buffers do not come from the replacement: a tool
// (valgrind) replaces it, or the library is a Windows DLL, whose new[] is the
// C++ runtime DLL's and not the program's.
inline bool ArrayAllocationsCounted() {
    const long before = arrayAllocations;
    { const VorelText::Text probe("x"); }
    return arrayAllocations != before;
}

} // namespace vtest

#endif
