// Byte texts in the GBK code page, lists of them, and counted byte strings.
//
// A Text never holds a zero byte; the empty text has one form, the empty string (the null text and
// the zero-length text of the original design behave alike everywhere, so one form is enough).
// A byte of 0x80 or above starts a two-byte character. Every length is in bytes.
// Values release themselves; every operation returns a fresh value and never changes its arguments.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

using Text = std::string;
using TextList = std::vector<Text>;  // members numbered from 1 by ListMember

// A counted run of bytes that may contain zero bytes.
using ByteString = std::string;

// The word separator "、" (GBK 0xA1 0xA2): it joins the words of a library.
inline constexpr std::string_view kWordSeparator = "\xA1\xA2";

Text ConcatText(std::initializer_list<std::string_view> parts);

// -1, 0 or +1, comparing unsigned byte values; a text that starts a longer one is smaller.
int CompareText(std::string_view a, std::string_view b);

int32_t TextLength(std::string_view text);

// Folds full-width forms to ASCII, then reads an optionally signed decimal number modulo 2^32.
// Never fails: a text that holds no number gives 0.
int32_t TextToInteger(std::string_view text);

// "真" for any non-zero value, "假" for zero.
Text BooleanToText(int32_t value);

// The members between separators, matched only where a character starts. The views point into
// `text`. A separator at the very end gives no empty member after it.
std::vector<std::string_view> SplitTextViews(std::string_view text, std::string_view separator);
TextList SplitText(std::string_view text, std::string_view separator);

// Replaces every occurrence of `find` from left to right; what a replacement outputs is not scanned.
ByteString ReplaceBytes(std::string_view bytes, std::string_view find, std::string_view replacement);

// The bytes up to the first zero byte.
Text BytesToText(std::string_view bytes);

Text CopyText(std::string_view text);

TextList NewTextList();
int32_t ListSize(const TextList& list);
// Member i, counting from 1, lent. The caller keeps 1 <= i <= ListSize(list).
const Text& ListMember(const TextList& list, int32_t i);
void AppendMember(TextList& list, std::string_view text);
