// The portable profile engine: the rules of Windows profile (INI) files applied to the bytes of
// a file held in memory. Used where the Windows profile functions are not available.
//
// Reading a file:
// - A line ends at LF, CR LF or a lone CR; a last line needs no line end.
// - Blanks (space, tab, VT, FF and the Ctrl-Z byte) around a line, a name or a value do not count.
// - A line whose first byte is ';' is a comment.
// - "[name]" opens a section; the name runs to the last "]" of the line that starts a character
//   (the second byte of a GBK character may be 0x5D), and what follows that "]" is ignored.
//   A line that starts with "[" but has no such "]" opens nothing: it is an ordinary line.
// - "key=value" in a section is a key; the first "=" ends the key. Lines before the first section
//   and lines without "=" belong to no key.
// - Names match without regard to ASCII case, character by character, so a GBK trail byte that
//   looks like a letter is compared exactly. The first matching section, and in it the first
//   matching key, is the one read and written.
// - A value enclosed in a pair of the same quote marks (' or ") reads without them.
// - A name or value ends at a zero byte, as it would in the C strings of the Windows functions.
// - A UTF-8 byte-order mark is not special: like the ANSI functions of Windows, the engine reads
//   the three bytes as part of the first line, so a section opened on that line is not found.
//
// Writing a value:
// - The key's value is replaced in place; every other byte of the file stays as it was.
// - A new key goes after the last line of its section that is neither blank nor a comment; a new
//   section goes at the end of the file. New lines end in CR LF.
// - A value is cut at its first line end: a write can never add lines or sections.
// - Names that could not be read back (empty, holding a line end, a key holding "=" or starting
//   with ";" or "[", a name ending in half a character) are refused.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The value of key in section as the file holds it (blanks trimmed, quotes still on); nothing
// when the section or key is missing.
std::optional<std::string_view> ProfileFindValue(std::string_view content, std::string_view section,
                                                 std::string_view key);

// The value as a read gives it: quotes taken off, cut at a zero byte.
std::string_view ProfileReadableValue(std::string_view stored);

// GetPrivateProfileSectionNamesA on the content: see PlatformGetProfileSectionNames.
uint32_t ProfileListSections(std::string_view content, char* buffer, uint32_t size);

// The content with key in section set to value; nothing when the names cannot be written.
std::optional<std::string> ProfileSetValue(std::string_view content, std::string_view section,
                                           std::string_view key, std::string_view value);
