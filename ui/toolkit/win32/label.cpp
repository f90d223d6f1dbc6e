// Labels, painted by the program: button face, then the text in black on one line, at the left,
// vertically centred.
#include "ui/toolkit/win32/backend.h"
#include "ui/toolkit/win32/win_error.h"

namespace {

constexpr wchar_t kLabelClass[] = L"PasswordLabel";
constexpr int kFontSlot = 0;  // the window's extra bytes hold its font

void PaintLabel(HWND hwnd, HDC dc) {
    RECT r;
    GetClientRect(hwnd, &r);
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    int length = GetWindowTextLengthW(hwnd);
    std::wstring text(static_cast<size_t>(length > 0 ? length : 0) + 1, L'\0');
    int got = GetWindowTextW(hwnd, text.data(), length + 1);
    HFONT font = reinterpret_cast<HFONT>(GetWindowLongPtrW(hwnd, kFontSlot));
    HGDIOBJ oldFont = font ? SelectObject(dc, font) : nullptr;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    DrawTextW(dc, text.c_str(), got, &r, DT_SINGLELINE | DT_LEFT | DT_VCENTER | DT_NOPREFIX);
    if (oldFont) SelectObject(dc, oldFont);
}

LRESULT CALLBACK LabelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        PaintLabel(hwnd, dc);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_PRINTCLIENT: PaintLabel(hwnd, reinterpret_cast<HDC>(wParam)); return 0;
    case WM_ERASEBKGND: return 1;  // painting fills the whole label
    case WM_SETFONT:
        SetWindowLongPtrW(hwnd, kFontSlot, static_cast<LONG_PTR>(wParam));
        if (LOWORD(lParam)) InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_GETFONT: return GetWindowLongPtrW(hwnd, kFontSlot);
    case WM_SETTEXT: {
        LRESULT r = DefWindowProcW(hwnd, message, wParam, lParam);
        InvalidateRect(hwnd, nullptr, TRUE);
        return r;
    }
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

bool RegisterLabelClass() {
    return RegisterProgramClass(kLabelClass, LabelProc, sizeof(LONG_PTR), nullptr, "registering the label class");
}

HWND CreateLabel(const ControlRow& row, HWND parent) { return CreateControlWindow(kLabelClass, row, parent, 0); }
