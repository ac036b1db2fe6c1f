// Test support: the test binary replaces the global array new and delete so
// that tests can see how many owned buffers an operation allocates, and make
// one of them fail.
#ifndef VORELTEXT_TESTS_ALLOCATIONCOUNT_H
#define VORELTEXT_TESTS_ALLOCATIONCOUNT_H

#include <cstddef>
#include <new>

namespace vtest {

// operator new[] calls so far, and the byte count of the latest.
long ArrayAllocations();
std::size_t LastArrayAllocationSize();

// While p is watched, delete[] of p is counted and not performed, so that a
// second release shows as a count of 2 instead of a crash. nullptr unwatches.
void WatchDeletes(const void* p);
int WatchedDeletes();

// Buffers from new[] not yet given back to delete[].
long LiveArrayAllocations();

// Makes the k-th operator new[] call from now on throw std::bad_alloc (k >= 1);
// 0 disarms. Only that one call fails.
void FailArrayAllocation(long k);

// False when a tool (valgrind) replaces the replacement and nothing counts.
// Kept out of the file that defines the replacement, where the compiler would
// inline both and take the malloc/free inside for a mismatch.
inline bool ArrayAllocationsCounted() {
    const long before = ArrayAllocations();
    ::operator delete[](::operator new[](1));
    return ArrayAllocations() != before;
}

} // namespace vtest

#endif
