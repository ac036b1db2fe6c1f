// Replacement global array new/delete that count allocations (see
// AllocationCount.h). malloc/free keep the sanitizers' mismatch checks: a
// buffer from new[] released with scalar delete is still reported.
#include "AllocationCount.h"

#include <cstdlib>

using namespace vtest;

void* operator new[](std::size_t size) {
    if (++arrayAllocations == failingAllocation)
        throw std::bad_alloc();
    void* p = std::malloc(size == 0 ? 1 : size);
    if (p == nullptr)
        throw std::bad_alloc();
    ++liveArrays;
    return p;
}

void operator delete[](void* p) noexcept {
    if (p != nullptr && p == watched) {
        ++watchedDeletes;
        return;
    }
    if (p != nullptr)
        --liveArrays;
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    operator delete[](p);
}
