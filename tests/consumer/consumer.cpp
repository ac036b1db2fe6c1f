// Links VorelText from C++ the way an outside program does: the classes, the
// one exception crossing the library boundary, and a C function.
#include <VorelText.h>

#include <cstdio>
#include <cstring>

int main() {
    VorelText::Text greeting("Hello");
    greeting += ", world";
    char small[4] = "ab";
    VorelText::Text inside;
    inside.Attach(small, static_cast<int>(sizeof small));
    bool thrown = false;
    try {
        inside += "cd";
    } catch (char* error) {
        thrown = std::strcmp(error, VTXT_BUFFER_TOO_SMALL) == 0;
    }
    const bool ok = greeting == "Hello, world" && greeting.FindCharacter(',') == 5 &&
                    VorelText::Char('q').ToUpper() == 'Q' && thrown &&
                    std::strcmp(small, "ab") == 0 && vtxt_Text_strlen("abc") == 3;
    std::printf("C++ consumer: %s\n", ok ? "ok" : "FAILED");
    return ok ? 0 : 1;
}
