#include "testing/scratch_folder.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <system_error>

#include "core/library_file/profile_seam.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace fs = std::filesystem;

namespace {

// The temporary folder in the program's form (its name is ASCII on every machine we test on).
Text TempRoot() {
    Text p = fs::temp_directory_path().string();
    for (char& c : p)
        if (c == '/') c = '\\';
    while (!p.empty() && p.back() == '\\') p.pop_back();
    return p;
}

}  // namespace

#ifdef _WIN32
std::wstring WideFrom936(const Text& text) {
    int n = MultiByteToWideChar(936, 0, text.c_str(), -1, nullptr, 0);
    std::wstring wide(n > 0 ? n : 1, L'\0');
    if (n > 0) MultiByteToWideChar(936, 0, text.c_str(), -1, wide.data(), n);
    wide.resize(wcslen(wide.c_str()));
    return wide;
}

std::wstring LongWidePath(const Text& path) {
    // The ANSI file functions stop at MAX_PATH; the wide ones go beyond it in the "\\?\" form.
    return WideFrom936(path.size() >= 240 && path.rfind("\\\\", 0) != 0 ? "\\\\?\\" + path : path);
}
#endif

bool MakeFolderAt(const Text& path) {
#ifdef _WIN32
    return CreateDirectoryW(LongWidePath(path).c_str(), nullptr) != 0;
#else
    return mkdir(HostPath(path).c_str(), 0755) == 0;
#endif
}

void SetReadOnly(const Text& path, bool readOnly) {
#ifdef _WIN32
    SetFileAttributesA(path.c_str(), readOnly ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL);
#else
    chmod(HostPath(path).c_str(), readOnly ? 0444 : 0644);
#endif
}

bool ReadOnlyIsKept(const Text& path) {
#ifdef _WIN32
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return true;
    CloseHandle(h);
    return false;
#else
    (void)path;
    return true;
#endif
}

ScratchFolder::ScratchFolder() {
    std::random_device seed;
    std::mt19937 random(seed());
    const Text root = TempRoot();
    for (int attempt = 0; attempt < 100; ++attempt) {
        path_ = root + "\\password-test-" + std::to_string(random());
        if (MakeFolderAt(path_)) return;
    }
    std::abort();  // no temporary folder to work in: nothing a test could do
}

ScratchFolder::~ScratchFolder() {
    std::error_code ec;
    // A test may leave a folder read-only behind it.
    fs::permissions(Path(), fs::perms::owner_all, fs::perm_options::add, ec);
    // Remove the folder through its wide name, which needs no code page (names inside may be GBK).
    fs::remove_all(fs::path(HostPath(path_)), ec);
}

void ScratchFolder::Write(std::string_view name, std::string_view bytes) const {
    std::FILE* f = std::fopen(HostPath(ProgramPath(name)).c_str(), "wb");
    if (f == nullptr) return;
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

Text ScratchFolder::Read(std::string_view name) const {
    Text out;
    std::FILE* f = std::fopen(HostPath(ProgramPath(name)).c_str(), "rb");
    if (f == nullptr) return out;
    char chunk[65536];
    size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, f)) > 0) out.append(chunk, n);
    std::fclose(f);
    return out;
}

void ScratchFolder::Remove(std::string_view name) const {
#ifdef _WIN32
    SetFileAttributesA(ProgramPath(name).c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!DeleteFileA(ProgramPath(name).c_str())) RemoveDirectoryA(ProgramPath(name).c_str());
#else
    std::remove(HostPath(ProgramPath(name)).c_str());
#endif
}

void ScratchFolder::CopyBytes(const Text& from, const Text& to) {
    std::FILE* in = std::fopen(HostPath(from).c_str(), "rb");
    if (in == nullptr) return;
    std::FILE* out = std::fopen(HostPath(to).c_str(), "wb");
    if (out != nullptr) {
        char chunk[65536];
        size_t n;
        while ((n = std::fread(chunk, 1, sizeof chunk, in)) > 0) std::fwrite(chunk, 1, n, out);
        std::fclose(out);
    }
    std::fclose(in);
}

bool ScratchFolder::MakeFolder(std::string_view name) const { return MakeFolderAt(ProgramPath(name)); }

std::filesystem::path ScratchFolder::Path() const { return fs::path(HostPath(path_)); }

bool ScratchFolder::Exists(std::string_view name) const {
#ifdef _WIN32
    return GetFileAttributesA(ProgramPath(name).c_str()) != INVALID_FILE_ATTRIBUTES;
#else
    struct stat st;
    return stat(HostPath(ProgramPath(name)).c_str(), &st) == 0;
#endif
}
