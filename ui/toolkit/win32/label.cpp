// Labels, painted by the program: button face, then the text in black on one line, at the left,
// vertically centred.
#include "ui/toolkit/win32/backend.h"

namespace {

constexpr wchar_t kLabelClass[] = L"PasswordLabel";

void PaintLabel(HWND hwnd, HDC dc) {
    RECT r;
    GetClientRect(hwnd, &r);
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    int length = GetWindowTextLengthW(hwnd);
    std::wstring text(static_cast<size_t>(length > 0 ? length : 0) + 1, L'\0');
    int got = GetWindowTextW(hwnd, text.data(), length + 1);
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0));
    HGDIOBJ oldFont = font ? SelectObject(dc, font) : nullptr;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    DrawTextW(dc, text.c_str(), got, &r, DT_SINGLELINE | DT_LEFT | DT_VCENTER | DT_NOPREFIX);
    if (oldFont) SelectObject(dc, oldFont);
}

}  // namespace

bool RegisterLabelClass() {
    return RegisterPaintedClass(kLabelClass, PaintedControlProc<PaintLabel>, "registering the label class");
}

HWND CreateLabel(const ControlRow& row, HWND parent) { return CreateControlWindow(kLabelClass, row, parent, 0); }
