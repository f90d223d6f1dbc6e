// Radio buttons: BS_AUTORADIOBUTTON, so a click checks the button and clears the others of its
// group (the radio buttons of its container) by itself.
#include <windows.h>

#include <commctrl.h>

#include "ui/toolkit/win32/backend.h"

namespace {

constexpr UINT_PTR kSubclassId = 1;

// An unchecked radio button that gains the focus notifies BN_CLICKED on its own (the dialog
// manager relies on it); gaining the focus is no click, so that notification raises nothing.
LRESULT CALLBACK RadioProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    if (message == WM_SETFOCUS) {
        QuietScope quiet;
        return DefSubclassProc(hwnd, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) RemoveWindowSubclass(hwnd, RadioProc, kSubclassId);
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

// The radio buttons of a container form one group: it starts at the first of them.
bool StartsGroup(const ControlRow& row) {
    const ControlRow* previous = nullptr;
    for (const ControlRow& r : gWindow.description->controls) {
        if (&r == &row) break;
        if (r.container == row.container) previous = &r;
    }
    return !previous || previous->kind != ControlKind::RadioButton;
}

}  // namespace

HWND CreateRadioButton(const ControlRow& row, HWND parent) {
    DWORD style = BS_AUTORADIOBUTTON | BS_MULTILINE | BS_LEFT | BS_VCENTER | (StartsGroup(row) ? WS_GROUP : 0);
    HWND hwnd = CreateControlWindow(L"BUTTON", row, parent, style);
    if (!hwnd) return nullptr;
    SetWindowSubclass(hwnd, RadioProc, kSubclassId, 0);
    if (row.checked) {
        QuietScope quiet;
        SendMessageW(hwnd, BM_SETCHECK, BST_CHECKED, 0);
    }
    return hwnd;
}

int32_t RadioReadChecked(HWND radio) { return SendMessageW(radio, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0; }

void RadioWriteChecked(HWND radio, int32_t state) {
    QuietScope quiet;
    SendMessageW(radio, BM_SETCHECK, state ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool ButtonNotificationIsClick(WORD code) { return code == BN_CLICKED; }
