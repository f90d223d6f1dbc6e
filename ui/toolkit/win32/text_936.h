// The text boundary of the window: the program's GBK text (code page 936) to and from the UTF-16
// of the wide Windows API. Converting explicitly keeps labels, messages and library names right on
// a Windows of any language, whatever its ANSI code page.
#pragma once

#include <string>
#include <string_view>

#include "core/text/text.h"

std::wstring WideFrom936(std::string_view text);
Text TextFromWide(std::wstring_view wide);
