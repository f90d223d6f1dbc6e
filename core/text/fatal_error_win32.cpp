#include <windows.h>

#include "core/text/fatal_error.h"

void ShowFatalErrorBox(const char* text) {
    // Converted here into fixed buffers: the report must work when no memory is left.
    static wchar_t wide[1024];
    static wchar_t caption[16];
    if (MultiByteToWideChar(936, 0, text, -1, wide, 1024) == 0) wide[0] = L'\0';
    if (MultiByteToWideChar(936, 0, "错误", -1, caption, 16) == 0) caption[0] = L'\0';
    MessageBoxW(nullptr, wide, caption, MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

void EndProcessAfterFatalError() { ExitProcess(static_cast<UINT>(-1)); }
