// The group box, which is also the parent window of the controls inside it.
#include <windows.h>

#include <commctrl.h>

#include "ui/toolkit/win32/backend.h"
#include "ui/toolkit/win32/win_error.h"

namespace {

constexpr UINT_PTR kSubclassId = 1;

// What a child sends its parent: the window decides, as for its own children.
bool IsForTheWindow(UINT message) {
    switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORSCROLLBAR:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_COMPAREITEM:
    case WM_DELETEITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_HSCROLL:
    case WM_VSCROLL: return true;
    }
    return false;
}

LRESULT CALLBACK GroupBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    if (IsForTheWindow(message)) {
        HWND window = GetParent(hwnd);
        return window ? SendMessageW(window, message, wParam, lParam) : 0;
    }
    switch (message) {
    case WM_ERASEBKGND: {
        // A group box paints only its frame and title; the area between its controls is ours.
        RECT r;
        GetClientRect(hwnd, &r);
        FillRect(reinterpret_cast<HDC>(wParam), &r, GetSysColorBrush(COLOR_BTNFACE));
        return 1;
    }
    case WM_NCDESTROY: RemoveWindowSubclass(hwnd, GroupBoxProc, kSubclassId); break;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace

HWND CreateGroupBox(const ControlRow& row, HWND parent) {
    // It clips its controls so that its own painting never covers them.
    HWND hwnd = CreateControlWindow(L"BUTTON", row, parent, BS_GROUPBOX | BS_LEFT | WS_CLIPCHILDREN);
    if (!hwnd) return nullptr;
    if (!SetWindowSubclass(hwnd, GroupBoxProc, kSubclassId, 0)) {
        LogWinError("making the group box a container");
        DestroyWindow(hwnd);
        return nullptr;
    }
    return hwnd;
}
