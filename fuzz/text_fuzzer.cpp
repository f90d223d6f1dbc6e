// The text operations on arbitrary bytes. The input is split at its zero bytes (a Text holds none)
// into the texts a, b and c; the byte-string operations also get the whole input, zeros included.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/text/text.h"
#include "fuzz/fuzz_check.h"

namespace {

// TextToInteger as the plain rules say, for ASCII text (nothing to fold).
int32_t AsciiInteger(std::string_view s) {
    size_t p = 0;
    while (p < s.size() && (s[p] == ' ' || (s[p] >= '\t' && s[p] <= '\r'))) ++p;
    bool negative = false;
    if (p < s.size() && (s[p] == '+' || s[p] == '-')) negative = s[p++] == '-';
    uint32_t value = 0;
    for (; p < s.size() && s[p] >= '0' && s[p] <= '9'; ++p) value = value * 10u + static_cast<uint32_t>(s[p] - '0');
    return static_cast<int32_t>(negative ? 0u - value : value);
}

// The same ASCII text written with full-width forms where GBK has one (0x21 to 0x7E and the space).
std::string FullWidth(std::string_view s) {
    std::string wide;
    for (char c : s) {
        if (c == ' ') {
            wide += "\xA1\xA1";
        } else if (c >= 0x21 && c <= 0x7E) {
            wide += '\xA3';
            wide += static_cast<char>(c + 0x80);
        } else {
            wide += c;
        }
    }
    return wide;
}

bool IsAscii(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

int Sign(int v) { return (v > 0) - (v < 0); }

int ByteOrder(std::string_view a, std::string_view b) {
    bool less = std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
    });
    return less ? -1 : (a == b ? 0 : 1);
}

// Leftmost occurrences, replaced from left to right, never overlapping.
std::string PlainReplace(std::string_view bytes, std::string_view find, std::string_view replacement) {
    if (find.empty()) return std::string(bytes);
    std::string out;
    size_t p = 0;
    for (size_t hit; (hit = bytes.find(find, p)) != std::string_view::npos; p = hit + find.size()) {
        out.append(bytes.substr(p, hit - p));
        out.append(replacement);
    }
    out.append(bytes.substr(p));
    return out;
}

void CheckTextToInteger(std::string_view a) {
    // Without a zero byte in the input, `a` ends where libFuzzer's copy of the input ends, so a
    // read past its end is an AddressSanitizer report.
    int32_t value = TextToInteger(a);
    if (IsAscii(a)) {
        FUZZ_CHECK(value == AsciiInteger(a));
        FUZZ_CHECK(TextToInteger(FullWidth(a)) == value);
        // A lead byte with nothing after it is dropped; the copy ends exactly there, as `a` does.
        std::unique_ptr<char[]> dangling(new char[a.size() + 1]);
        std::copy(a.begin(), a.end(), dangling.get());
        dangling[a.size()] = '\xB0';
        FUZZ_CHECK(TextToInteger(std::string_view(dangling.get(), a.size() + 1)) == value);
    }
}

void CheckSplit(std::string_view text, std::string_view separator) {
    std::vector<std::string_view> views = SplitTextViews(text, separator);
    TextList list = SplitText(text, separator);
    FUZZ_CHECK(list.size() == views.size());
    for (size_t i = 0; i < list.size(); ++i) FUZZ_CHECK(list[i] == views[i]);
    FUZZ_CHECK(text.empty() == list.empty());
    if (separator.empty()) {
        FUZZ_CHECK(text.empty() || (list.size() == 1 && list[0] == text));
        return;
    }

    std::string joined;
    for (size_t i = 0; i < list.size(); ++i) {
        if (i > 0) joined.append(separator);
        joined.append(list[i]);
    }
    FUZZ_CHECK(joined == text || joined + std::string(separator) == text);

    // No member holds the separator where one of its characters starts.
    for (const Text& member : list) {
        for (size_t p = 0; p + separator.size() <= member.size();
             p += static_cast<unsigned char>(member[p]) >= 0x80 ? 2 : 1)
            FUZZ_CHECK(member.compare(p, separator.size(), separator) != 0);
    }
}

void CheckReplace(std::string_view bytes, std::string_view find, std::string_view replacement) {
    FUZZ_CHECK(ReplaceBytes(bytes, find, replacement) == PlainReplace(bytes, find, replacement));
    if (bytes.empty()) return;
    // As the system uses it: one marker byte removed.
    for (char marker : {bytes[0], '\0'}) {
        ByteString removed = ReplaceBytes(bytes, std::string_view(&marker, 1), "");
        std::string expected(bytes);
        expected.erase(std::remove(expected.begin(), expected.end(), marker), expected.end());
        FUZZ_CHECK(removed.find(marker) == std::string::npos);
        FUZZ_CHECK(removed == expected);
    }
}

void CheckCompare(std::string_view a, std::string_view b, std::string_view c) {
    int ab = CompareText(a, b);
    FUZZ_CHECK(ab == -CompareText(b, a));
    FUZZ_CHECK(ab == ByteOrder(a, b));
    FUZZ_CHECK(CompareText(a, a) == 0);
    int bc = CompareText(b, c), ac = CompareText(a, c);
    if (ab <= 0 && bc <= 0) FUZZ_CHECK(ac <= 0);
    FUZZ_CHECK(Sign(ab) == ab);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    std::string_view parts[3];
    size_t p = 0;
    for (std::string_view& part : parts) {
        if (p > input.size()) break;
        size_t end = std::min(input.find('\0', p), input.size());
        part = input.substr(p, end - p);
        p = end + 1;
    }
    const std::string_view a = parts[0], b = parts[1], c = parts[2];

    CheckTextToInteger(a);
    CheckSplit(a, kWordSeparator);
    CheckSplit(a, b);
    CheckReplace(input, b, c);
    CheckCompare(a, b, c);
    FUZZ_CHECK(ConcatText({a, b, c}) == std::string(a) + std::string(b) + std::string(c));
    FUZZ_CHECK(BytesToText(input) == a);
    return 0;
}
