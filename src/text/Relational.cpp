// Text: the relational operators. Each compares the whole texts once, with
// this object's case flag, and reads the order it needs off the one result.
#include "VorelText.h"

#include <algorithm>

namespace VorelText {

namespace {

// Compare over the longer length: the whole texts, whatever their lengths.
int WholeOrder(const Text& t, const Text& other) {
    return t.Compare(other, static_cast<unsigned int>(std::max(t.LengthGet(), other.LengthGet())));
}

// A C string is viewed in place; null attaches as the empty text.
int WholeOrder(const Text& t, const char* s) {
    Text view;
    view.Attach(const_cast<char*>(s)); // only read
    return WholeOrder(t, view);
}

// A Char is viewed as a one-character string, so the NUL Char is empty.
int WholeOrder(const Text& t, const Char& c) {
    const char pair[2] = {static_cast<char>(c), '\0'};
    return WholeOrder(t, pair);
}

} // namespace

#define VORELTEXT_RELATIONS(Operand)                                                               \
    bool Text::operator==(Operand other) const {                                                   \
        return WholeOrder(*this, other) == 0;                                                      \
    }                                                                                              \
    bool Text::operator!=(Operand other) const {                                                   \
        return WholeOrder(*this, other) != 0;                                                      \
    }                                                                                              \
    bool Text::operator<(Operand other) const {                                                    \
        return WholeOrder(*this, other) < 0;                                                       \
    }                                                                                              \
    bool Text::operator<=(Operand other) const {                                                   \
        return WholeOrder(*this, other) <= 0;                                                      \
    }                                                                                              \
    bool Text::operator>(Operand other) const {                                                    \
        return WholeOrder(*this, other) > 0;                                                       \
    }                                                                                              \
    bool Text::operator>=(Operand other) const {                                                   \
        return WholeOrder(*this, other) >= 0;                                                      \
    }

VORELTEXT_RELATIONS(const Text&)
VORELTEXT_RELATIONS(const char*)
VORELTEXT_RELATIONS(const Char&)

#undef VORELTEXT_RELATIONS

} // namespace VorelText
