// The formatting constructor is checked as printf: built with
// -Werror=format, this compiles, and with VORELTEXT_SWAPPED it must not.
#include "VorelText.h"

int main() {
#if defined(VORELTEXT_SWAPPED)
    VorelText::Text t(const_cast<char*>("%s=%d"), 1, "one");
#else
    VorelText::Text t(const_cast<char*>("%s=%d"), "one", 1);
#endif
    return t.LengthGet() == 5 ? 0 : 1;
}
