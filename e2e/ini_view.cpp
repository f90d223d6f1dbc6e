#include "e2e/ini_view.h"

std::vector<IniSection> ParseIni(std::string_view bytes) {
    std::vector<IniSection> sections;
    while (!bytes.empty()) {
        size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        bytes = end == std::string_view::npos ? std::string_view() : bytes.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            sections.push_back({Text(line.substr(1, line.size() - 2)), {}});
        } else if (size_t eq = line.find('='); eq != std::string_view::npos && !sections.empty()) {
            sections.back().keys.push_back({Text(line.substr(0, eq)), Text(line.substr(eq + 1))});
        }
    }
    return sections;
}

std::vector<const IniSection*> SectionsNamed(const std::vector<IniSection>& sections, std::string_view name) {
    std::vector<const IniSection*> found;
    for (const IniSection& s : sections)
        if (s.name == name) found.push_back(&s);
    return found;
}
