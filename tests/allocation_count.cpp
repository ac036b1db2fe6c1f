// Replacement global array new/delete that count allocations (see
// AllocationCount.h). malloc/free keep the sanitizers' mismatch checks: a
// buffer from new[] released with scalar delete is still reported.
#include "AllocationCount.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<long> allocations{0};
std::atomic<std::size_t> lastSize{0};
std::atomic<const void*> watched{nullptr};
std::atomic<int> watchedDeletes{0};
std::atomic<long> live{0};
std::atomic<long> failing{0}; // the allocation count that is to fail; 0 for none
} // namespace

namespace vtest {

long ArrayAllocations() {
    return allocations.load();
}

std::size_t LastArrayAllocationSize() {
    return lastSize.load();
}

void WatchDeletes(const void* p) {
    watched = p;
    watchedDeletes = 0;
}

int WatchedDeletes() {
    return watchedDeletes.load();
}

long LiveArrayAllocations() {
    return live.load();
}

void FailArrayAllocation(long k) {
    failing = k > 0 ? allocations.load() + k : 0;
}

} // namespace vtest

void* operator new[](std::size_t size) {
    const long count = ++allocations;
    lastSize = size;
    if (count == failing.load())
        throw std::bad_alloc();
    void* p = std::malloc(size == 0 ? 1 : size);
    if (p == nullptr)
        throw std::bad_alloc();
    ++live;
    return p;
}

void operator delete[](void* p) noexcept {
    if (p != nullptr && p == watched.load()) {
        ++watchedDeletes;
        return;
    }
    if (p != nullptr)
        --live;
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    operator delete[](p);
}
