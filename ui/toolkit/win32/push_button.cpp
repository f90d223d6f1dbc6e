// Push buttons. The first one of the window is its default button, the one Enter activates.
#include "ui/toolkit/win32/backend.h"

namespace {

bool IsDefaultButton(const ControlRow& row) {
    for (const ControlRow& r : gWindow.description->controls)
        if (r.kind == ControlKind::PushButton) return &r == &row;
    return false;
}

}  // namespace

HWND CreatePushButton(const ControlRow& row, HWND parent) {
    DWORD style = (IsDefaultButton(row) ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | BS_MULTILINE | BS_CENTER | BS_VCENTER;
    return CreateControlWindow(L"BUTTON", row, parent, style);
}
