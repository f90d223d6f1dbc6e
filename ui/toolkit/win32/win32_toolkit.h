// The real window: builds the main window from its description with the wide Windows API, routes
// its messages to the bound handlers, handles its keys, paints its labels and banner, and ends the
// message loop when it is gone. One main window per process, on the thread that built it.
//
// Event rules, kept here as in the memory backend:
// - Events come only from what the user does: a click or key on a button, a menu choice, the
//   window's own creation and destruction. Writes through Toolkit raise none, and neither does a
//   radio button merely gaining the focus.
// - No event reaches a handler once the ending mark is set.
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>

#include "ui/toolkit/window_description.h"

// What the window shows besides its controls: its icon (big and small; nullptr keeps the system's
// default) and the banner of the picture box, a PNG held in memory (empty or broken: no banner).
struct WindowImages {
    HICON icon = nullptr;
    std::span<const uint8_t> bannerPng;
};

// Placement at start: (W - width) / 2, (H - height) / 2, truncating toward zero.
POINT CentredPosition(SIZE screen, int width, int height);

// Where the screen size comes from: the primary screen unless a test says otherwise (nullptr).
using ScreenSizeSource = SIZE (*)();
void SetScreenSizeSource(ScreenSizeSource source);

// Builds the window and all its controls hidden, centred, with the menu, fonts and images.
// False when the window or a control cannot be created; nothing is left behind then.
bool BuildWindow(const WindowDescription& window, const WindowImages& images);

// The start of the window's life: BuildWindow, or the fatal error report "载入启动窗口失败";
// then the created event, and only then (if the window still exists) showing and activating it.
void LoadWindow(const WindowDescription& window, const WindowImages& images);

// From now on, the destruction of the last window posts the quit request with 0.
void SetLoopStarted();
bool MainWindowExists();

// Takes, translates and dispatches messages until the quit request; returns its code.
int RunMessageLoop();

// The keys the window handles before the focused control sees them (Enter, Esc, Tab, arrows on
// radio buttons, F1). True when the message was handled and must not be dispatched.
bool HandleWindowKey(const MSG& message);

// The operations on the controls, as handlers receive them.
Toolkit& WindowToolkit();

// Releases what the toolkit still holds (the window if any, bitmaps, classes); end of the process.
void ReleaseToolkit();

// For tests and tools that inspect the window.
HWND MainWindowHandle();
HWND ControlHandle(控件 control);
