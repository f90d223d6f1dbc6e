// The keys the window handles itself, in one place, before the focused control sees them. The
// message loop asks here first; nothing else moves the focus or presses the default button.
#include "ui/toolkit/win32/backend.h"

namespace {

bool IsMultilineEdit(const ControlSlot* slot) {
    return slot && slot->row->kind == ControlKind::EditBox && slot->row->edit.multiline &&
           !(GetWindowLongW(slot->hwnd, GWL_STYLE) & ES_READONLY);
}

void PressDefaultButton() {
    for (const ControlSlot& s : gWindow.controls) {
        if (s.row->kind != ControlKind::PushButton) continue;
        if (IsWindowEnabled(s.hwnd)) RaiseControlEvent(s.row->id, Event::Clicked);
        return;  // the first push button is the default one
    }
}

// Tab and Shift+Tab along the tab order, wrapping at both ends.
void MoveFocus(const ControlSlot* from, int step) {
    std::vector<const ControlSlot*> order = TabOrder();
    if (order.empty()) return;
    int n = static_cast<int>(order.size());
    int at = -1;
    for (int i = 0; i < n; ++i)
        if (order[static_cast<size_t>(i)] == from) at = i;
    int next = at < 0 ? (step > 0 ? 0 : n - 1) : (at + step + n) % n;
    SetFocus(order[static_cast<size_t>(next)]->hwnd);
}

// An arrow key on a radio button: the neighbour in the container's radio buttons (tab order,
// wrapping) is checked alone, its clicked event raised, then it takes the focus.
void MoveAmongRadios(const ControlSlot* from, int step) {
    std::vector<const ControlSlot*> radios;
    for (const ControlSlot* s : TabOrder())
        if (s->row->kind == ControlKind::RadioButton && s->row->container == from->row->container) radios.push_back(s);
    int n = static_cast<int>(radios.size());
    int at = -1;
    for (int i = 0; i < n; ++i)
        if (radios[static_cast<size_t>(i)] == from) at = i;
    if (at < 0) return;
    const ControlSlot* to = radios[static_cast<size_t>((at + step + n) % n)];
    for (const ControlSlot& s : gWindow.controls)
        if (s.row->kind == ControlKind::RadioButton && s.row->container == from->row->container)
            RadioWriteChecked(s.hwnd, 0);
    RadioWriteChecked(to->hwnd, 1);
    RaiseControlEvent(to->row->id, Event::Clicked);
    // The handler may have closed the window.
    if (gWindow.window && IsWindow(to->hwnd)) SetFocus(to->hwnd);
}

}  // namespace

bool HandleWindowKey(const MSG& message) {
    HWND window = gWindow.window;
    if (!window || !message.hwnd || (message.hwnd != window && !IsChild(window, message.hwnd))) return false;
    const ControlSlot* slot = SlotOf(message.hwnd);  // nullptr: the window itself

    // The focus moved on the key-down; a tab character never reaches a box.
    if (message.message == WM_CHAR) return message.wParam == L'\t';
    if (message.message != WM_KEYDOWN) return false;

    switch (message.wParam) {
    case VK_RETURN:
        if (IsMultilineEdit(slot)) return false;  // the box breaks the line
        PressDefaultButton();
        return true;
    case VK_ESCAPE: SendMessageW(window, WM_CLOSE, 0, 0); return true;
    case VK_TAB: MoveFocus(slot, GetKeyState(VK_SHIFT) < 0 ? -1 : 1); return true;
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
        if (!slot || slot->row->kind != ControlKind::RadioButton) return false;
        MoveAmongRadios(slot, message.wParam == VK_LEFT || message.wParam == VK_UP ? -1 : 1);
        return true;
    case VK_F1: return true;  // no help
    }
    return false;
}
