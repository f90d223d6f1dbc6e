// The platform beneath the library file, shaped like the Windows functions it stands for. On
// Windows these are those functions; elsewhere the portable profile engine and POSIX calls.
// Names are zero-ended GBK bytes; paths hold backslashes on every platform.
#pragma once

#include <cstdint>
#include <string_view>

#include "core/text/text.h"

// GetPrivateProfileStringA: the value of key in section, else defaultValue, cut to size - 1 bytes
// and zero-ended in buffer. Returns the bytes copied, not counting the zero.
uint32_t PlatformGetProfileString(const char* section, const char* key, const char* defaultValue,
                                  char* buffer, uint32_t size, const char* file);

// WritePrivateProfileStringA: sets the value, creating the file, section and key as needed.
bool PlatformWriteProfileString(const char* section, const char* key, const char* value, const char* file);

// GetPrivateProfileSectionNamesA: the names in file order, each zero-ended, then one more zero.
// When they do not fit, the last name is cut, two zeros end the buffer and the result is size - 2.
uint32_t PlatformGetProfileSectionNames(char* buffer, uint32_t size, const char* file);

// GetModuleFileNameA for the program itself, whole however long it is; empty when it fails.
Text PlatformModuleFileName();

// FindFirstFileA followed at once by FindClose: whether the search finds an entry.
bool PlatformFindFile(const char* path);

// The path as the platform's own file functions take it. On POSIX the backslashes become slashes
// (a 0x5C that ends a double-byte character is part of it and stays); on Windows it is unchanged.
Text HostPath(std::string_view path);
