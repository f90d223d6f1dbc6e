// A fresh folder for one test, removed again with everything in it.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // The folder as the program names paths: backslashes on every platform (the native build maps
    // them to slashes where it touches the file system).
    std::string ProgramPath() const;
    // ProgramPath() followed by "\name".
    std::string ProgramPath(std::string_view name) const;

    const std::filesystem::path& Path() const { return path_; }

    void Write(std::string_view name, std::string_view bytes) const;
    // The file's bytes, or an empty string when it is missing.
    std::string Read(std::string_view name) const;
    bool Exists(std::string_view name) const;
    void Remove(std::string_view name) const;

private:
    std::filesystem::path path_;
};
