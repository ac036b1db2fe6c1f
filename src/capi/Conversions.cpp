// C functions: length, characters, numbers and formatting.
#include "VorelText.h"

using VorelText::Text;

extern "C" {

int vtxt_Text_strlen(char* s) {
    Text wrapper;
    wrapper.Attach(s);
    return wrapper.LengthGet();
}

} // extern "C"
