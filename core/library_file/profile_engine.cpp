#include "core/library_file/profile_engine.h"

#include <algorithm>
#include <cstring>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\x1A'; }
bool IsLead(char c) { return static_cast<unsigned char>(c) >= 0x80; }

std::string_view TrimBlanks(std::string_view s) {
    size_t b = 0, e = s.size();
    while (b < e && IsBlank(s[b])) ++b;
    while (e > b && IsBlank(s[e - 1])) --e;
    return s.substr(b, e - b);
}

std::string_view CutAtZero(std::string_view s) { return s.substr(0, s.find('\0')); }

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Equal without regard to ASCII case; the second byte of a double-byte character is compared as
// it is, or 丂 (0x81 0x40) and others would match characters they are not.
bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (IsLead(a[i])) {
            if (a[i] != b[i]) return false;
            if (++i < a.size() && a[i] != b[i]) return false;
        } else if (AsciiLower(a[i]) != AsciiLower(b[i])) {
            return false;
        }
    }
    return true;
}

// Whether the walk over whole characters ends exactly at the end (no lead byte left alone).
bool EndsOnCharacter(std::string_view s) {
    size_t i = 0;
    while (i < s.size()) i += IsLead(s[i]) ? 2 : 1;
    return i == s.size();
}

enum class LineKind { Blank, Comment, Section, Key, Other };

struct ParsedLine {
    LineKind kind = LineKind::Other;
    std::string_view name;   // section or key name
    std::string_view value;  // Key: the trimmed value
    std::string_view raw;    // Key: from the value's start to the end of the line's text
};

ParsedLine ParseLine(std::string_view line) {
    ParsedLine p;
    std::string_view t = TrimBlanks(line);
    if (t.empty()) { p.kind = LineKind::Blank; return p; }
    if (t[0] == ';') { p.kind = LineKind::Comment; return p; }
    if (t[0] == '[') {
        size_t close = std::string_view::npos;
        for (size_t i = 1; i < t.size(); i += IsLead(t[i]) ? 2 : 1) {
            if (t[i] == ']') close = i;
        }
        if (close != std::string_view::npos) {
            p.kind = LineKind::Section;
            p.name = CutAtZero(TrimBlanks(t.substr(1, close - 1)));
            return p;
        }
    }
    size_t eq = t.find('=');
    if (eq == std::string_view::npos) return p;
    p.kind = LineKind::Key;
    p.name = CutAtZero(TrimBlanks(t.substr(0, eq)));
    size_t v = eq + 1;
    while (v < t.size() && IsBlank(t[v])) ++v;
    p.raw = line.substr((t.data() - line.data()) + v);
    p.value = TrimBlanks(p.raw);
    return p;
}

// The lines of the content in order, each with its line end. Finding the next CR and the next LF
// is done once for each, not again for every line, so many short lines stay linear.
class LineReader {
public:
    explicit LineReader(std::string_view content)
        : content_(content), nextCr_(Find('\r')), nextLf_(Find('\n')) {}

    // text: the line without its end; next: the offset after its end.
    bool Next(std::string_view& text, size_t& start, size_t& next) {
        if (pos_ >= content_.size()) return false;
        if (nextCr_ < pos_) nextCr_ = Find('\r');
        if (nextLf_ < pos_) nextLf_ = Find('\n');
        size_t end = std::min(nextCr_, nextLf_);
        start = pos_;
        text = content_.substr(pos_, end - pos_);
        next = end;
        if (end < content_.size()) {
            next = end + 1;
            if (content_[end] == '\r' && next < content_.size() && content_[next] == '\n') ++next;
        }
        pos_ = next;
        return true;
    }

private:
    size_t Find(char c) const {
        const void* p = std::memchr(content_.data() + pos_, c, content_.size() - pos_);
        return p ? static_cast<const char*>(p) - content_.data() : content_.size();
    }

    std::string_view content_;
    size_t pos_ = 0;
    size_t nextCr_, nextLf_;
};

bool EndsWithLineEnd(std::string_view s) { return !s.empty() && (s.back() == '\n' || s.back() == '\r'); }

}  // namespace

std::optional<std::string_view> ProfileFindValue(std::string_view content, std::string_view section,
                                                 std::string_view key) {
    section = TrimBlanks(section);
    key = TrimBlanks(key);
    LineReader lines(content);
    std::string_view text;
    size_t start = 0, next = 0;
    bool inSection = false;
    while (lines.Next(text, start, next)) {
        ParsedLine p = ParseLine(text);
        if (p.kind == LineKind::Section) {
            if (inSection) return std::nullopt;  // only the first section of that name counts
            inSection = SameName(p.name, section);
        } else if (inSection && p.kind == LineKind::Key && SameName(p.name, key)) {
            return p.value;
        }
    }
    return std::nullopt;
}

std::string_view ProfileReadableValue(std::string_view stored) {
    if (stored.size() >= 2 && (stored[0] == '"' || stored[0] == '\'') && stored.back() == stored[0]) {
        stored = stored.substr(1, stored.size() - 2);
    }
    return CutAtZero(stored);
}

uint32_t ProfileListSections(std::string_view content, char* buffer, uint32_t size) {
    if (buffer == nullptr || size == 0) return 0;
    if (size == 1) { buffer[0] = '\0'; return 0; }
    uint32_t used = 0;
    const uint32_t room = size - 1;  // one byte stays for the final zero
    LineReader lines(content);
    std::string_view text;
    size_t start = 0, next = 0;
    while (lines.Next(text, start, next)) {
        ParsedLine p = ParseLine(text);
        // An empty name would end the list for every reader of it.
        if (p.kind != LineKind::Section || p.name.empty()) continue;
        if (p.name.size() + 1 >= room - used) {
            // The Windows way: as much of the name as fits, then two zeros; the count says size - 2.
            size_t part = room - used - 1;
            std::memcpy(buffer + used, p.name.data(), part);
            buffer[size - 2] = '\0';
            buffer[size - 1] = '\0';
            return size - 2;
        }
        std::memcpy(buffer + used, p.name.data(), p.name.size());
        used += static_cast<uint32_t>(p.name.size());
        buffer[used++] = '\0';
    }
    buffer[used] = '\0';
    return used;
}

std::optional<std::string> ProfileSetValue(std::string_view content, std::string_view section,
                                           std::string_view key, std::string_view value) {
    section = TrimBlanks(section);
    key = TrimBlanks(key);
    if (section.empty() || key.empty()) return std::nullopt;
    if (section.find_first_of("\r\n") != std::string_view::npos || !EndsOnCharacter(section)) return std::nullopt;
    if (key.find_first_of("\r\n=") != std::string_view::npos || key[0] == ';' || key[0] == '[' || !EndsOnCharacter(key)) {
        return std::nullopt;
    }
    value = value.substr(0, value.find_first_of("\r\n"));

    LineReader lines(content);
    std::string_view text;
    size_t start = 0, next = 0;
    bool inSection = false;
    size_t insertAt = std::string_view::npos;  // after the section's last line of substance
    while (lines.Next(text, start, next)) {
        ParsedLine p = ParseLine(text);
        if (p.kind == LineKind::Section) {
            if (inSection) break;
            if (insertAt == std::string_view::npos && SameName(p.name, section)) {
                inSection = true;
                insertAt = next;
            }
            continue;
        }
        if (!inSection) continue;
        if (p.kind == LineKind::Key && SameName(p.name, key)) {
            size_t from = p.raw.data() - content.data();
            size_t to = (text.data() - content.data()) + text.size();
            std::string out;
            out.reserve(content.size() - (to - from) + value.size());
            out.append(content.substr(0, from)).append(value).append(content.substr(to));
            return out;
        }
        if (p.kind != LineKind::Blank && p.kind != LineKind::Comment) insertAt = next;
    }

    std::string out;
    out.reserve(content.size() + section.size() + key.size() + value.size() + 10);
    if (insertAt != std::string_view::npos) {
        std::string_view before = content.substr(0, insertAt);
        out.append(before);
        if (!before.empty() && !EndsWithLineEnd(before)) out.append("\r\n");
        out.append(key).append("=").append(value).append("\r\n");
        out.append(content.substr(insertAt));
        return out;
    }
    out.append(content);
    if (!content.empty() && !EndsWithLineEnd(content)) out.append("\r\n");
    out.append("[").append(section).append("]\r\n");
    out.append(key).append("=").append(value).append("\r\n");
    return out;
}
