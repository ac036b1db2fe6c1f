// Links VorelText from C++ the way an outside program does: the classes, the
// one exception crossing the library boundary, and a C function.
#include <VorelText.h>

#include <cstdio>
#include <cstring>

using VorelText::Char;
using VorelText::Text;

namespace {

int failures = 0;

void Expect(bool ok, const char* what) {
    if (!ok) {
        std::printf("C++ consumer: %s failed\n", what);
        ++failures;
    }
}

} // namespace

int main() {
    Text greeting("Hello");
    greeting += ", world";
    char expected[] = "Hello, world";
    Expect(greeting == expected, "append and compare");
    Expect(greeting.FindCharacter(',') == 5, "FindCharacter");

    Char letter('q');
    Expect(letter.ToUpper() == 'Q', "Char::ToUpper");

    char small[4] = "ab";
    Text inside;
    inside.Attach(small, static_cast<int>(sizeof small));
    bool thrown = false;
    try {
        inside += "cd";
    } catch (char* error) {
        thrown = std::strcmp(error, VTXT_BUFFER_TOO_SMALL) == 0;
    }
    Expect(thrown && std::strcmp(small, "ab") == 0, "buffer-too-small error");

    char word[] = "abc";
    Expect(vtxt_Text_strlen(word) == 3, "vtxt_Text_strlen");

    if (failures == 0) {
        std::printf("C++ consumer: ok (%s)\n", static_cast<char*>(greeting));
    }
    return failures == 0 ? 0 : 1;
}
