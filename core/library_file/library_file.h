// pconfig.ini: where it is, whether it exists, and reading and writing its values.
// Every access goes to the file anew; failures are silent and read as the empty text.
#pragma once

#include <cstdint>
#include <string_view>

#include "core/text/text.h"

// The names the system stores in the file.
inline constexpr std::string_view kWordListKey = "配置项名称";
inline constexpr std::string_view kSettingsSection = "配置";
inline constexpr std::string_view kDefaultLibrary = "默认";
inline constexpr std::string_view kDefaultWordList = "one、two、three、four、five、six、seven、eight、nine、ten、48zumbo";

// The buffers the profile functions are given: a value is read into the first (so at most 10,239
// bytes), all section names into the second (each name zero-ended, then one final zero).
inline constexpr uint32_t kValueBufferSize = 10240;
inline constexpr uint32_t kSectionNamesBufferSize = 204800;

// The executable's full path (GetModuleFileNameA on Windows), however long it is.
Text ModuleFileName();

// Fixes RunDirectory for the whole run: the path cut just before its last backslash, searched
// character by character (a 0x5C that ends a double-byte character is no backslash).
void FixRunDirectory(std::string_view executablePath);

// The folder that holds the executable, without a trailing backslash; empty when the path has none.
// Fixed from ModuleFileName() on first use if FixRunDirectory has not been called.
Text RunDirectory();

// RunDirectory() followed by "\pconfig.ini".
Text LibraryFilePath();

// Whether a directory search finds the path; a folder of that name counts.
bool FileExists(std::string_view path);

// The value of key in section, at most 10,239 bytes; empty when anything is missing. Leading bytes
// 0x01 to 0x20 of the three names are skipped, and a name left empty never touches the file.
Text ProfileReadText(std::string_view file, std::string_view section, std::string_view key);

// Sets the value, creating the file, section and key as needed. Returns the platform's success flag.
bool ProfileWriteText(std::string_view file, std::string_view section, std::string_view key, std::string_view value);

// The section names in file order; empty when the file is missing.
TextList ProfileSectionNames(std::string_view file);
