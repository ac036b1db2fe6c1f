// C functions: length, characters, numbers and formatting.
#include "VorelText.h"
#include "capi/Direct.h"
#include "capi/Frame.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>

using VorelText::Char;
using VorelText::detail::LowByte;
using VorelText::detail::Source;

extern "C" {

int vtxt_Text_strlen(const char* s) {
    return VorelText::detail::SourceLength(s);
}

int vtxt_Text_isalpha(int c) {
    Char character(LowByte(c));
    return character.IsAlpha() ? 1 : 0;
}

char vtxt_Text_tolower(int c) {
    Char character(LowByte(c));
    return character.ToLower();
}

char vtxt_Text_toupper(int c) {
    Char character(LowByte(c));
    return character.ToUpper();
}

// The wrapper's conversions answer 0 for a NULL buffer without asking the
// C library, which must never see a null pointer.
int vtxt_Text_atoi(const char* s) {
    return Source(s).ToInteger();
}

long vtxt_Text_atol(const char* s) {
    return Source(s).ToLong();
}

double vtxt_Text_atof(const char* s) {
    return Source(s).ToDouble();
}

int vtxt_Text_vsprintf(char* dst, const char* format, va_list args) {
    return std::vsprintf(dst, format, args);
}

int vtxt_Text_sprintf(char* dst, const char* format, ...) {
    va_list args;
    va_start(args, format);
    const int written = std::vsprintf(dst, format, args);
    va_end(args);
    return written;
}

double vtxt_Text_strtod(const char* s, char** end) {
    return std::strtod(s, end);
}

long vtxt_Text_strtol(const char* s, char** end, int base) {
    return std::strtol(s, end, base);
}

unsigned long vtxt_Text_strtoul(const char* s, char** end, int base) {
    return std::strtoul(s, end, base);
}

} // extern "C"
