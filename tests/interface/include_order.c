/* The header and <windows.h> in either order (WINDOWS_FIRST decides), in C
 * and C++: the header declares HINSTANCE as <windows.h> does and includes
 * nothing of it. Built for Windows only. */
#if defined(WINDOWS_FIRST)
#include <windows.h>
#endif
#include "VorelText.h"
#if !defined(WINDOWS_FIRST)
#include <windows.h>
#endif

#ifdef __cplusplus
int ResourceLength() {
    return VorelText::Text(GetModuleHandleA(NULL), 1).LengthGet();
}
#else
int Length(void) {
    return vtxt_Text_strlen("x");
}
#endif
