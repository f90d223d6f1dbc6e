#include "core/text/text.h"

#include <cstring>

namespace {

bool IsLeadByte(unsigned char b) { return b >= 0x80; }

// One character of a full-width form folded to its ASCII byte, or 0 when the pair stays as it is.
char FoldFullWidth(unsigned char first, unsigned char second) {
    if (first == 0xA3 && second >= 0xA1 && second <= 0xFE) return static_cast<char>(second - 0x80);
    if (first == 0xA1) {
        switch (second) {
            case 0xA1: return ' ';  // ideographic space
            case 0xAB: return '~';  // ～
            case 0xEE:              // ☆
            case 0xEF: return '*';  // ★
        }
    }
    return 0;
}

bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

}  // namespace

Text ConcatText(std::initializer_list<std::string_view> parts) {
    size_t total = 0;
    for (std::string_view p : parts) total += p.size();
    Text result;
    result.reserve(total);
    for (std::string_view p : parts) result.append(p);
    return result;
}

int CompareText(std::string_view a, std::string_view b) {
    int c = a.compare(b);  // char_traits<char> compares as unsigned bytes, like memcmp
    return (c > 0) - (c < 0);
}

int32_t TextLength(std::string_view text) { return static_cast<int32_t>(text.size()); }

int32_t TextToInteger(std::string_view text) {
    std::string folded;
    folded.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        unsigned char b = static_cast<unsigned char>(text[i]);
        if (!IsLeadByte(b)) {
            folded.push_back(static_cast<char>(b));
            continue;
        }
        if (i + 1 == text.size()) break;  // a lead byte without its second byte ends the text
        unsigned char second = static_cast<unsigned char>(text[i + 1]);
        if (char ascii = FoldFullWidth(b, second)) {
            folded.push_back(ascii);
        } else {
            folded.push_back(static_cast<char>(b));
            folded.push_back(static_cast<char>(second));
        }
        ++i;
    }

    size_t p = 0;
    while (p < folded.size() && IsBlank(folded[p])) ++p;
    bool negative = false;
    if (p < folded.size() && (folded[p] == '+' || folded[p] == '-')) negative = folded[p++] == '-';
    uint32_t value = 0;
    for (; p < folded.size() && folded[p] >= '0' && folded[p] <= '9'; ++p)
        value = value * 10u + static_cast<uint32_t>(folded[p] - '0');  // wraps modulo 2^32
    if (negative) value = 0u - value;
    return static_cast<int32_t>(value);
}

Text BooleanToText(int32_t value) { return value ? "真" : "假"; }

std::vector<std::string_view> SplitTextViews(std::string_view text, std::string_view separator) {
    std::vector<std::string_view> members;
    if (text.empty()) return members;
    if (separator.empty()) {
        members.push_back(text);
        return members;
    }
    size_t start = 0, p = 0;
    while (text.size() - p >= separator.size()) {
        if (text.compare(p, separator.size(), separator) == 0) {
            members.push_back(text.substr(start, p - start));
            p += separator.size();
            start = p;
        } else if (!IsLeadByte(static_cast<unsigned char>(text[p]))) {
            p += 1;
        } else if (p + 1 == text.size()) {
            break;  // a lead byte without its second byte ends the scan
        } else {
            p += 2;
        }
    }
    if (start < text.size()) members.push_back(text.substr(start));
    return members;
}

TextList SplitText(std::string_view text, std::string_view separator) {
    TextList list;
    for (std::string_view member : SplitTextViews(text, separator)) list.emplace_back(member);
    return list;
}

ByteString ReplaceBytes(std::string_view bytes, std::string_view find, std::string_view replacement) {
    if (bytes.empty() || find.empty()) return ByteString(bytes);
    ByteString result;
    result.reserve(bytes.size());
    size_t p = 0;
    while (bytes.size() - p >= find.size()) {
        size_t hit = bytes.find(find[0], p);
        if (hit == std::string_view::npos) break;
        result.append(bytes.substr(p, hit - p));
        p = hit;
        if (bytes.size() - p < find.size()) break;
        if (bytes.compare(p, find.size(), find) == 0) {
            result.append(replacement);
            p += find.size();
        } else {
            result.push_back(bytes[p]);
            p += 1;
        }
    }
    result.append(bytes.substr(p));
    return result;
}

Text BytesToText(std::string_view bytes) { return Text(bytes.substr(0, bytes.find('\0'))); }

Text CopyText(std::string_view text) { return Text(text); }

TextList NewTextList() { return TextList(); }

int32_t ListSize(const TextList& list) { return static_cast<int32_t>(list.size()); }

const Text& ListMember(const TextList& list, int32_t i) { return list[static_cast<size_t>(i) - 1]; }

void AppendMember(TextList& list, std::string_view text) { list.emplace_back(text); }
