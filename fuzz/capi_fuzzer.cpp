// The C functions on random arrays, each malloc'd to its exact size, so that
// the sanitizers report any access one byte past what a function may touch.
// The checks themselves are in Checks.cpp.
#include "Checks.h"

using vfuzz::Array;
using vfuzz::Cut;

namespace {

// A C string in an exact array, or (now and then) the NULL that reads as "".
struct CString {
    explicit CString(vfuzz::Input& in) : CString(in, Cut(in.String())) {}
    CString(vfuzz::Input& in, const std::string& s) : array(s + '\0', 0), null(in.Below(8) == 0) {}
    char* get() const { return null ? nullptr : array.get(); }
    Array array;
    bool null;
};

// Now and then a string near the 32767-byte limit instead of a short one.
std::string Source(vfuzz::Input& in) {
    if (in.Below(8) != 0)
        return Cut(in.String());
    return std::string(32767 - 8 + static_cast<std::size_t>(in.Below(16)), 'L');
}

void Copy(vfuzz::Input& in) {
    const std::string head = Source(in), tail = Source(in);
    const CString src(in, tail);
    const int length = src.get() == nullptr ? 0 : static_cast<int>(tail.size());
    const int n = in.Below(4) == 0 ? length - 2 + in.Below(5) : in.Below(length + 3);
    const int op = in.Below(4);
    const int capacity = op == 2 ? in.Below(static_cast<int>(head.size()) + length + 4) : 0;
    const std::size_t m = static_cast<std::size_t>(std::min(std::max(n, 0), length));
    // Exactly the room that each may fill; strcat gets its capacity.
    const std::size_t bytes = op == 0   ? static_cast<std::size_t>(length) + 1
                              : op == 1 ? m + 1
                              : op == 2 ? static_cast<std::size_t>(capacity)
                                        : head.size() + 1 + m;
    Array dst(op < 2 ? "" : head + '\0', bytes);
    vfuzz::CCopy(op, dst.get(), dst.size(), src.get(), op == 2 ? capacity : n);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const vfuzz::PathFor path(size);
    vfuzz::Input in(data, size);
    while (in.More()) {
        const int group = in.Below(5);
        if (group == 0) {
            const CString s(in), set(in);
            vfuzz::CSearches(s.get(), set.get(), static_cast<std::int16_t>(in.Below(65536)));
        } else if (group == 1) {
            Array text(Cut(in.String()) + '\0', 0);
            vfuzz::CTokens(in, text.get(), CString(in).get());
        } else if (group == 2) {
            Copy(in);
        } else if (group == 3) {
            const CString a(in), b(in);
            vfuzz::CComparisons(a.get(), b.get(),
                                in.Below(4) == 0 ? 0xFFFFFFFFu
                                                 : static_cast<unsigned>(in.Below(70)));
        } else {
            const int c = static_cast<int>(static_cast<unsigned>(in.Byte()) << 24 |
                                           in.Below(65536) << 8 | in.Byte());
            vfuzz::CCharacters(c);
        }
    }
    return 0;
}
