// Test support: one readable, writable page between two inaccessible ones, so
// that a read or write one byte outside what a function may touch crashes
// instead of passing silently.
#ifndef VORELTEXT_TESTS_GUARDEDPAGE_H
#define VORELTEXT_TESTS_GUARDEDPAGE_H

#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstring>
#include <stdexcept>
#include <string>

namespace vtest {

class GuardedPage {
public:
    GuardedPage() : page_(static_cast<std::size_t>(sysconf(_SC_PAGESIZE))) {
        void* p =
            mmap(nullptr, 3 * page_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (p == MAP_FAILED)
            throw std::runtime_error("mmap failed");
        base_ = static_cast<char*>(p);
        if (mprotect(base_, page_, PROT_NONE) != 0 ||
            mprotect(base_ + 2 * page_, page_, PROT_NONE) != 0)
            throw std::runtime_error("mprotect failed");
    }
    GuardedPage(const GuardedPage&) = delete;
    GuardedPage& operator=(const GuardedPage&) = delete;
    ~GuardedPage() { munmap(base_, 3 * page_); }

    // `bytes` ending at the page's last byte; the next byte is inaccessible.
    char* AtEnd(const std::string& bytes) { return Put(page_ - bytes.size(), bytes); }
    // `bytes` starting `offset` bytes into the page; the byte before the page
    // is inaccessible.
    char* AtStart(const std::string& bytes, std::size_t offset) { return Put(offset, bytes); }
    // A C string (its terminator included) at the end or at `offset`.
    char* StringAtEnd(const std::string& s) { return AtEnd(s + '\0'); }
    char* StringAt(const std::string& s, std::size_t offset) { return AtStart(s + '\0', offset); }

private:
    char* Put(std::size_t offset, const std::string& bytes) {
        char* p = base_ + page_ + offset;
        std::memset(base_ + page_, '#', page_); // what lies before and after
        std::memcpy(p, bytes.data(), bytes.size());
        return p;
    }

    std::size_t page_;
    char* base_;
};

} // namespace vtest

#endif
