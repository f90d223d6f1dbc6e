// What the files of the Win32 backend share: the one window's state and the helpers each control
// file uses. Not for use outside ui/toolkit/win32.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string_view>
#include <vector>

#include "ui/toolkit/win32/banner.h"
#include "ui/toolkit/win32/win32_toolkit.h"

struct ControlSlot {
    const ControlRow* row;
    HWND hwnd;
};

struct WindowState {
    const WindowDescription* description = nullptr;
    HWND window = nullptr;
    std::vector<ControlSlot> controls;  // layout order
    HICON icon = nullptr;
    BannerImage banner;
    HWND lastFocus = nullptr;  // remembered while the window is inactive
    bool built = false;        // every control exists: destruction raises the will-be-destroyed event
    bool loopStarted = false;
    int quiet = 0;             // above 0 while the toolkit itself changes a control
};

extern WindowState gWindow;

// While one lives, notifications the controls send are the toolkit's own doing and raise nothing.
struct QuietScope {
    QuietScope() { ++gWindow.quiet; }
    ~QuietScope() { --gWindow.quiet; }
    QuietScope(const QuietScope&) = delete;
    QuietScope& operator=(const QuietScope&) = delete;
};

// The control a window belongs to: itself or one of its ancestors (a combo box's edit field).
const ControlSlot* SlotOf(HWND hwnd);
const ControlSlot* SlotOf(控件 control);

// Runs the handler bound to this control's event, if any (and no ending mark).
void RaiseControlEvent(控件 control, Event event);

// The controls that take the focus, in tab order (the layout read backwards), while visible and enabled.
std::vector<const ControlSlot*> TabOrder();

// A child window from a row: WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS plus `style`, the row's place,
// size, text and ID, and the window's font. nullptr when it cannot be created.
HWND CreateControlWindow(const wchar_t* className, const ControlRow& row, HWND parent, DWORD style, DWORD exStyle = 0);

// One creator per control kind, each in its own file.
HWND CreateRadioButton(const ControlRow& row, HWND parent);
HWND CreatePushButton(const ControlRow& row, HWND parent);
HWND CreateEditBox(const ControlRow& row, HWND parent);
HWND CreateComboBox(const ControlRow& row, HWND parent);
HWND CreateLabel(const ControlRow& row, HWND parent);
HWND CreateGroupBox(const ControlRow& row, HWND parent);
HWND CreatePictureBox(const ControlRow& row, HWND parent);

// Registers one of the program's window classes, once; `what` names it in the error log.
bool RegisterProgramClass(const wchar_t* name, WNDPROC proc, int extraBytes, HBRUSH background, const char* what);

// A control the program paints itself: PaintedControlProc<Paint> is its window procedure, in which
// Paint fills the whole client area, for the screen and for WM_PRINTCLIENT alike; the font set on
// it is kept, and a new font or text repaints it.
using PaintFunction = void (*)(HWND hwnd, HDC dc);
LRESULT PaintedControlMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, PaintFunction paint);
template <PaintFunction Paint>
LRESULT CALLBACK PaintedControlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return PaintedControlMessage(hwnd, message, wParam, lParam, Paint);
}
bool RegisterPaintedClass(const wchar_t* name, WNDPROC proc, const char* what);

// The window classes the program paints itself; registered once.
bool RegisterLabelClass();
bool RegisterPictureBoxClass();

// The menu bar from the description; nullptr when it cannot be made.
HMENU CreateMenuBar(const WindowDescription& window);

// The operations of each control kind.
Text ReadWindowText(HWND hwnd);
bool WriteWindowText(HWND hwnd, std::string_view text);
int32_t RadioReadChecked(HWND radio);
void RadioWriteChecked(HWND radio, int32_t state);
void ComboWriteText(HWND combo, std::string_view text);
void ComboWriteSelection(HWND combo, int32_t index);
int32_t ComboAddItem(HWND combo, std::string_view text);
void EditAppendText(HWND edit, std::string_view text);

// The event a button's notification code stands for, if any.
bool ButtonNotificationIsClick(WORD code);
