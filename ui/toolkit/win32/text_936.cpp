#include "ui/toolkit/win32/text_936.h"

#include <windows.h>

#include <climits>

#include "ui/toolkit/win32/win_error.h"

namespace {

constexpr UINT kGbk = 936;

}  // namespace

std::wstring WideFrom936(std::string_view text) {
    if (text.empty() || text.size() > INT_MAX) return {};
    int n = static_cast<int>(text.size());
    int wide = MultiByteToWideChar(kGbk, 0, text.data(), n, nullptr, 0);
    if (wide <= 0) {
        LogWinError("measuring GBK text");
        return {};
    }
    std::wstring out(static_cast<size_t>(wide), L'\0');
    if (MultiByteToWideChar(kGbk, 0, text.data(), n, out.data(), wide) != wide) {
        LogWinError("converting GBK text");
        return {};
    }
    return out;
}

Text TextFromWide(std::wstring_view wide) {
    if (wide.empty() || wide.size() > INT_MAX) return {};
    int n = static_cast<int>(wide.size());
    // Characters GBK lacks become '?', the code page's default: text the user typed is kept as
    // well as GBK can hold it.
    int bytes = WideCharToMultiByte(kGbk, 0, wide.data(), n, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0) {
        LogWinError("measuring UTF-16 text");
        return {};
    }
    Text out(static_cast<size_t>(bytes), '\0');
    if (WideCharToMultiByte(kGbk, 0, wide.data(), n, out.data(), bytes, nullptr, nullptr) != bytes) {
        LogWinError("converting UTF-16 text");
        return {};
    }
    // A Text never holds a zero byte: cut at the first one, as the system reads texts.
    size_t zero = out.find('\0');
    if (zero != Text::npos) out.resize(zero);
    return out;
}
