// The formatting constructor's values are numbers, pointers and enums, and
// its format a char* or a literal. Each VORELTEXT_REFUSED case must fail to
// compile: a class value with the constructor's own message, a const char*
// (data more often than a format) with no constructor to take it.
#include "VorelText.h"

#include <string>

int main() {
    char format[] = "%s=%d";
#if VORELTEXT_REFUSED == 1
    VorelText::Text t(format, std::string("one"), 1);
#elif VORELTEXT_REFUSED == 2
    const char* data = format;
    VorelText::Text t(data, 5);
#else
    VorelText::Text t(format, "one", 1);
#endif
    return t.LengthGet() == 5 ? 0 : 1;
}
