// The platform seam on Windows: the system's own profile functions, file search and module path.
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string_view>
#include <vector>

#include "core/library_file/profile_seam.h"

Text HostPath(std::string_view path) { return Text(path); }

uint32_t PlatformGetProfileString(const char* section, const char* key, const char* defaultValue,
                                  char* buffer, uint32_t size, const char* file) {
    return GetPrivateProfileStringA(section, key, defaultValue, buffer, size, file);
}

namespace {

// Bytes a character of this encoding takes, judged by its first byte; a byte that starts no
// character counts as one, so the walk goes on and the conversion finds the fault.
using CharLength = size_t (*)(unsigned char first, const bool* leadBytes);
size_t Utf8CharLength(unsigned char b, const bool*) { return b < 0xC0 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4; }
size_t AnsiCharLength(unsigned char b, const bool* leadBytes) { return leadBytes[b] ? 2 : 1; }

// Whether text in a byte code page holds no NUL and converts to UTF-16 and back to the same bytes.
// It goes in pieces of whole characters, so a file of any size needs little memory.
bool ConvertsBackWithoutNul(const char* bytes, size_t size, UINT codePage, CharLength charLength) {
    bool leadBytes[256] = {};
    CPINFO info;
    if (codePage != CP_UTF8 && GetCPInfo(codePage, &info))
        for (int i = 0; i + 1 < MAX_LEADBYTES && info.LeadByte[i]; i += 2)
            for (int b = info.LeadByte[i]; b <= info.LeadByte[i + 1]; ++b) leadBytes[b] = true;
    constexpr size_t kPiece = 64 << 10;
    // A piece may run a few bytes past kPiece to end a character; no byte gives more than one
    // UTF-16 unit, and a result longer than the piece is a change anyway.
    std::vector<wchar_t> wide(kPiece + 4);
    std::vector<char> back(kPiece + 4);
    for (size_t start = 0; start < size;) {
        size_t end = start;
        while (end < size && end - start < kPiece) end += charLength(static_cast<unsigned char>(bytes[end]), leadBytes);
        end = std::min(end, size);
        const int length = static_cast<int>(end - start);
        int units = MultiByteToWideChar(codePage, 0, bytes + start, length, wide.data(), static_cast<int>(wide.size()));
        if (units <= 0 || std::find(wide.begin(), wide.begin() + units, L'\0') != wide.begin() + units) return false;
        int got = WideCharToMultiByte(codePage, 0, wide.data(), units, back.data(), static_cast<int>(back.size()), nullptr,
                                      nullptr);
        if (got != length || std::memcmp(back.data(), bytes + start, end - start) != 0) return false;
        start = end;
    }
    return true;
}

// Whether text comes through being read and written again whole, as some profile functions
// (Wine's) do for every write: in the encoding its byte-order mark names, or else the ANSI code
// page, without a NUL (which ends its line there) and without bytes that the conversion changes.
bool TextSurvivesRewrite(std::string_view text) {
    if (text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF")) {
        text.remove_prefix(2);
        bool zeroUnit = false;
        for (size_t i = 0; i + 1 < text.size(); i += 2) zeroUnit = zeroUnit || (text[i] == 0 && text[i + 1] == 0);
        return text.size() % 2 == 0 && !zeroUnit;
    }
    if (text.starts_with("\xEF\xBB\xBF")) return ConvertsBackWithoutNul(text.data() + 3, text.size() - 3, CP_UTF8, Utf8CharLength);
    return ConvertsBackWithoutNul(text.data(), text.size(), CP_ACP, AnsiCharLength);
}

// A missing file has nothing to lose; one that cannot be read is not risked.
bool FileSurvivesRewrite(const char* file) {
    HANDLE handle = CreateFileA(file, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
    }
    LARGE_INTEGER size{};
    bool survives = false;
    if (GetFileSizeEx(handle, &size)) {
        if (size.QuadPart == 0) {
            survives = true;  // nothing to map
        } else if (HANDLE mapping = CreateFileMappingA(handle, nullptr, PAGE_READONLY, 0, 0, nullptr)) {
            // A view too large for the address space fails, and the file is then not risked.
            if (const void* view = MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0)) {
                survives = TextSurvivesRewrite({static_cast<const char*>(view), static_cast<size_t>(size.QuadPart)});
                UnmapViewOfFile(view);
            }
            CloseHandle(mapping);
        }
    }
    CloseHandle(handle);
    return survives;
}

}  // namespace

// A file the platform's write could damage is left as it is: the write fails, silently like any
// other, and the user's libraries keep every byte.
bool PlatformWriteProfileString(const char* section, const char* key, const char* value, const char* file) {
    if (!FileSurvivesRewrite(file)) return false;
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
