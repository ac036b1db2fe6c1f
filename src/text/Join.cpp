// Text: new objects joined from this text and an operand, and substrings.
// Each is built once in an array of its exact size and handed over uncopied.
#include "VorelText.h"
#include "text/Compose.h"
#include "text/CopyText.h"
#include "text/Storage.h"

namespace VorelText {

// head, then tail, in a new Text that owns an array of exactly their size;
// a NUL among them ends the result, which is measured while it is copied.
static Text Joined(const char* head, int headLength, const char* tail, int tailLength) {
    const int bytes = detail::ExactSize(static_cast<long long>(headLength) + tailLength);
    char* joined = detail::NewBuffer(bytes);
    const auto n = static_cast<std::size_t>(headLength);
    std::size_t m = detail::CopyUntilNul(joined, head, n);
    if (m == n)
        m += detail::CopyUntilNul(joined + n, tail, static_cast<std::size_t>(tailLength));
    return detail::TextAccess::Owning(joined, static_cast<int>(m));
}

Text Text::operator+(const char* const s) const {
    return Joined(buffer, length, s, detail::MeasureLength(s));
}

Text Text::operator+(const Text& other) const {
    return Joined(buffer, length, other.buffer, detail::MeasureLength(other.buffer));
}

Text Text::operator+(const Char& c) const {
    return Joined(buffer, length, &c.value, 1);
}

Text Text::SubString(int start, int count) const {
    if (start < 0)
        start = 0;
    if (start > length)
        start = length;
    const int rest = length - start;
    const int n = count < 0 ? 0 : (count < rest ? count : rest);
    return Joined(n > 0 ? buffer + start : nullptr, n, nullptr, 0);
}

} // namespace VorelText
