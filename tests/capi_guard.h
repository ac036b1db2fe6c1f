// A caller's array surrounded by guard bytes, for tests that must see every
// byte a C function writes.
#ifndef VORELTEXT_TESTS_CAPI_GUARD_H
#define VORELTEXT_TESTS_CAPI_GUARD_H

#include <cstddef>
#include <cstring>
#include <vector>

class GuardedArray {
public:
    static constexpr char kGuard = '\x5A';
    static constexpr std::size_t kMargin = 16;

    // An array of `bytes` guard bytes; with a text, that text and its
    // terminator at the start.
    explicit GuardedArray(std::size_t bytes, const char* text = nullptr)
        : storage_(bytes + 2 * kMargin, kGuard) {
        if (text != nullptr)
            std::memcpy(data(), text, std::strlen(text) + 1);
        before_ = storage_;
    }

    char* data() { return storage_.data() + kMargin; }

    // Indexes (relative to data(), margins included) whose byte changed.
    std::vector<long> Changed() const {
        std::vector<long> changed;
        for (std::size_t i = 0; i < storage_.size(); ++i)
            if (storage_[i] != before_[i])
                changed.push_back(static_cast<long>(i) - static_cast<long>(kMargin));
        return changed;
    }

private:
    std::vector<char> storage_;
    std::vector<char> before_;
};

#endif
