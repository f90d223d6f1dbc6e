// The platform seam where Windows is not: the portable profile engine over POSIX files.
// Paths arrive with backslashes, as on Windows, and are turned into POSIX paths here only.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/library_file/profile_engine.h"
#include "core/library_file/profile_seam.h"

namespace {

// The whole of a regular file. Anything else (missing, a folder, a FIFO that would block, a
// device that never ends) reads as missing.
bool ReadRegularFile(const std::string& path, std::string& content) {
    int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        close(fd);
        return false;
    }
    content.clear();
    content.reserve(static_cast<size_t>(st.st_size));
    char chunk[65536];
    for (;;) {
        ssize_t n = read(fd, chunk, sizeof chunk);
        if (n > 0) { content.append(chunk, static_cast<size_t>(n)); continue; }
        if (n < 0 && errno == EINTR) continue;
        close(fd);
        return n == 0;
    }
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t n = write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

mode_t NewFileMode() {
    mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

// Writes a temporary file beside the old one and renames it over it: at every moment the path
// holds either the old content or the new, and a failure anywhere leaves the old file as it was.
bool ReplaceFile(const std::string& path, std::string_view content, mode_t mode) {
    std::string temp = path + ".XXXXXX";
    int fd = mkstemp(temp.data());
    if (fd < 0) return false;
    bool ok = WriteAll(fd, content) && fchmod(fd, mode) == 0 && fsync(fd) == 0;
    ok = close(fd) == 0 && ok;
    ok = ok && rename(temp.c_str(), path.c_str()) == 0;
    if (!ok) unlink(temp.c_str());
    return ok;
}

}  // namespace

Text HostPath(std::string_view path) {
    Text out(path);
    for (size_t i = 0; i < out.size();) {
        unsigned char c = static_cast<unsigned char>(out[i]);
        if (c == '\\') out[i] = '/';
        i += c >= 0x80 ? 2 : 1;
    }
    return out;
}

uint32_t PlatformGetProfileString(const char* section, const char* key, const char* defaultValue,
                                  char* buffer, uint32_t size, const char* file) {
    if (buffer == nullptr || size == 0) return 0;
    std::string_view value = defaultValue ? defaultValue : "";
    std::string content;
    if (section && key && file && ReadRegularFile(HostPath(file), content)) {
        if (auto found = ProfileFindValue(content, section, key)) value = ProfileReadableValue(*found);
    }
    size_t n = std::min<size_t>(value.size(), size - 1);
    std::memcpy(buffer, value.data(), n);
    buffer[n] = '\0';
    return static_cast<uint32_t>(n);
}

bool PlatformWriteProfileString(const char* section, const char* key, const char* value, const char* file) {
    // Deleting a key or a section (a null key or value) is something the system never does.
    if (!section || !key || !value || !file) return false;
    std::string path = HostPath(file);
    struct stat st {};
    bool exists = lstat(path.c_str(), &st) == 0;
    if (exists && S_ISLNK(st.st_mode)) {
        // Rewrite the file the link points to; renaming over the link would replace it.
        char* real = realpath(path.c_str(), nullptr);
        if (real == nullptr) return false;
        path = real;
        std::free(real);
        exists = stat(path.c_str(), &st) == 0;
    } else if (!exists && errno != ENOENT) {
        return false;
    }
    std::string content;
    if (exists) {
        // A file without write permission is read-only, as Windows keeps a read-only file: the
        // rename would replace it all the same, so refuse here (root passes access(), not this).
        if (!S_ISREG(st.st_mode) || (st.st_mode & 0222) == 0 || access(path.c_str(), W_OK) != 0) return false;
        if (!ReadRegularFile(path, content)) return false;
    }
    std::optional<std::string> updated = ProfileSetValue(content, section, key, value);
    if (!updated) return false;
    if (exists && *updated == content) return true;  // nothing to change
    return ReplaceFile(path, *updated, exists ? (st.st_mode & 07777) : NewFileMode());
}

uint32_t PlatformGetProfileSectionNames(char* buffer, uint32_t size, const char* file) {
    std::string content;
    if (!file || !ReadRegularFile(HostPath(file), content)) content.clear();
    return ProfileListSections(content, buffer, size);
}

Text PlatformModuleFileName() {
    // The Windows form of the path, so RunDirectory cuts it the same way on both.
    std::string path(256, '\0');
    for (;;) {
        ssize_t n = readlink("/proc/self/exe", path.data(), path.size());
        if (n < 0) return Text();
        if (static_cast<size_t>(n) < path.size()) {
            path.resize(static_cast<size_t>(n));
            break;
        }
        if (path.size() > (1u << 20)) return Text();
        path.resize(path.size() * 2);
    }
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    return path;
}

bool PlatformFindFile(const char* path) {
    struct stat st {};
    return path != nullptr && *path != '\0' && stat(HostPath(path).c_str(), &st) == 0;
}
