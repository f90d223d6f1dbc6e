// A fresh folder for one test, removed again with everything in it. Paths are given as the program
// names them: backslashes and GBK bytes on every platform (the native build maps them itself).
#pragma once

#include <filesystem>
#include <string_view>

#include "core/text/text.h"

class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const Text& ProgramPath() const { return path_; }
    // ProgramPath() followed by "\name".
    Text ProgramPath(std::string_view name) const { return path_ + "\\" + Text(name); }
    // The folder as the host's file functions take it.
    std::filesystem::path Path() const;

    void Write(std::string_view name, std::string_view bytes) const;
    // The file's bytes; empty when it is missing.
    Text Read(std::string_view name) const;
    bool Exists(std::string_view name) const;
    // Removes a file, or an empty folder.
    void Remove(std::string_view name) const;
    bool MakeFolder(std::string_view name) const;
    // Copies a file byte for byte (both paths in the program's form).
    static void CopyBytes(const Text& from, const Text& to);

private:
    Text path_;
};

#ifdef _WIN32
#include <string>
// The path as the wide file functions of Windows take it, in the "\\?\" form when it is long.
std::wstring LongWidePath(const Text& path);
std::wstring WideFrom936(const Text& text);
#endif
// Makes a folder (GBK path with backslashes); false when it fails.
bool MakeFolderAt(const Text& path);
// Marks a file read-only (or writable again) the platform's way.
void SetReadOnly(const Text& path, bool readOnly);
// Whether the platform keeps a read-only file from being written. Windows does; Wine run as root
// does not. The portable engine keeps it by its own rule, so natively this is always true.
bool ReadOnlyIsKept(const Text& path);
