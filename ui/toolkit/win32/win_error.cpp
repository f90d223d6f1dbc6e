#include "ui/toolkit/win32/win_error.h"

#include <windows.h>

#include <cstdio>

bool LogWinError(const char* what) {
    DWORD code = GetLastError();
    char line[256];
    std::snprintf(line, sizeof line, "Password: %s failed, error %lu\n", what, static_cast<unsigned long>(code));
    OutputDebugStringA(line);
    return false;
}
