// A plain reading of pconfig.ini's bytes, to check what the program left in the file.
#pragma once

#include <string_view>
#include <vector>

#include "core/text/text.h"

struct IniKey {
    Text name;
    Text value;
};

struct IniSection {
    Text name;
    std::vector<IniKey> keys;
};

// Sections in file order with their key=value lines in order (CRLF or LF; other lines skipped).
std::vector<IniSection> ParseIni(std::string_view bytes);

// The sections of that name (a well-kept file has at most one).
std::vector<const IniSection*> SectionsNamed(const std::vector<IniSection>& sections, std::string_view name);
