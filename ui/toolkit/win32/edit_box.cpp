// Edit boxes: one line or several, with their text limit and, for the number boxes, the typing
// filter.
#include <windows.h>

#include <commctrl.h>

#include "ui/toolkit/win32/backend.h"
#include "ui/toolkit/win32/text_936.h"
#include "ui/toolkit/win32/win_error.h"

namespace {

constexpr UINT_PTR kSubclassId = 1;

// Typed characters from 32 up pass only as digits or '-', dropped without a beep. Control codes
// (Backspace, Ctrl+C/V/X) pass, so pasted text is not filtered.
LRESULT CALLBACK NumberFilterProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    if (message == WM_CHAR && wParam >= 32 && !(wParam >= L'0' && wParam <= L'9') && wParam != L'-') return 0;
    if (message == WM_NCDESTROY) RemoveWindowSubclass(hwnd, NumberFilterProc, kSubclassId);
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace

HWND CreateEditBox(const ControlRow& row, HWND parent) {
    const EditOptions& o = row.edit;
    DWORD style = WS_BORDER | (o.centred ? ES_CENTER : ES_LEFT) |
                  (o.multiline ? ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN : ES_AUTOHSCROLL);
    HWND hwnd = CreateControlWindow(L"EDIT", row, parent, style);
    if (!hwnd) return nullptr;
    // 0 leaves the system's maximum.
    SendMessageW(hwnd, EM_LIMITTEXT, static_cast<WPARAM>(o.limit > 0 ? o.limit : 0), 0);
    if (o.numberFilter && !SetWindowSubclass(hwnd, NumberFilterProc, kSubclassId, 0)) {
        LogWinError("filtering a number box");
        DestroyWindow(hwnd);
        return nullptr;
    }
    return hwnd;
}

Text ReadWindowText(HWND hwnd) {
    int length = GetWindowTextLengthW(hwnd);
    if (length <= 0) return {};
    std::wstring wide(static_cast<size_t>(length) + 1, L'\0');
    int got = GetWindowTextW(hwnd, wide.data(), length + 1);
    wide.resize(got > 0 ? static_cast<size_t>(got) : 0);
    return TextFromWide(wide);
}

bool WriteWindowText(HWND hwnd, std::string_view text) {
    std::wstring wide = WideFrom936(text);
    // WM_SETTEXT notifies EN_CHANGE: the quiet scope keeps that from counting as the user's.
    QuietScope quiet;
    if (!SetWindowTextW(hwnd, wide.c_str())) return LogWinError("setting a control's text");
    return true;
}

// Wine's edit control wraps a line by laying it out anew from each wrap point to its end, so a
// long line appended whole takes time that grows with its square. Such a line goes in pieces of
// this many characters instead; short lines still go all in one. The text is the same either way.
constexpr size_t kLongLinePiece = 4096;

void EditAppendText(HWND edit, std::string_view text) {
    const std::wstring wide = WideFrom936(text);
    QuietScope quiet;
    for (size_t start = 0; start < wide.size();) {
        size_t end = start;
        for (size_t run = 0; end < wide.size() && run < kLongLinePiece; ++end) run = wide[end] == L'\n' ? 0 : run + 1;
        if (end < wide.size() && wide[end - 1] == L'\r') ++end;  // CR LF stays in one piece
        const std::wstring piece = wide.substr(start, end - start);
        int length = GetWindowTextLengthW(edit);
        SendMessageW(edit, EM_SETSEL, static_cast<WPARAM>(length), static_cast<LPARAM>(length));
        SendMessageW(edit, EM_SCROLLCARET, 0, 0);
        SendMessageW(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(piece.c_str()));
        start = end;
    }
}
