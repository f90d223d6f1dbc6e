// The platform seam on Windows: the system's own profile functions, file search and module path.
#include <windows.h>

#include <vector>

#include "core/library_file/profile_seam.h"

Text HostPath(std::string_view path) { return Text(path); }

uint32_t PlatformGetProfileString(const char* section, const char* key, const char* defaultValue,
                                  char* buffer, uint32_t size, const char* file) {
    return GetPrivateProfileStringA(section, key, defaultValue, buffer, size, file);
}

bool PlatformWriteProfileString(const char* section, const char* key, const char* value, const char* file) {
    return WritePrivateProfileStringA(section, key, value, file) != FALSE;
}

uint32_t PlatformGetProfileSectionNames(char* buffer, uint32_t size, const char* file) {
    return GetPrivateProfileSectionNamesA(buffer, size, file);
}

Text PlatformModuleFileName() {
    // A path that may have been cut is asked for again with more room. The count alone does not
    // say so: the path is converted from UTF-16 into the buffer in whole characters, so a cut path
    // can stop a byte short of filling it (Wine does this). Anything that comes within two bytes of
    // the end counts as cut. Windows paths reach 32,767 UTF-16 units, which code page 936 writes
    // in at most twice as many bytes.
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        DWORD n = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0) return Text();
        if (n + 2 < buffer.size()) return Text(buffer.data(), n);
        if (buffer.size() >= 4 * 32768) return Text();
        buffer.resize(buffer.size() * 2);
    }
}

bool PlatformFindFile(const char* path) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(path, &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    return true;
}
