// The main window: its class and window procedure, building it from the description, routing the
// controls' notifications to events, and the end of the message loop.
#include <windows.h>

#include <commctrl.h>

#include "core/text/fatal_error.h"
#include "ui/toolkit/win32/backend.h"
#include "ui/toolkit/win32/text_936.h"
#include "ui/toolkit/win32/win_error.h"

WindowState gWindow;

namespace {

constexpr wchar_t kWindowClass[] = L"PasswordMainWindow";

ScreenSizeSource gScreenSize = nullptr;

SIZE PrimaryScreenSize() { return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

void RaiseWindowEvent(Event event) {
    if (gWindow.description) RaiseEvent(gWindow.description->events, EventSource::Window(), event, WindowToolkit());
}

// The group box is a control of the window, and also the container of others.
HWND ContainerWindow(Container container) {
    if (container == Container::Window) return gWindow.window;
    const ControlSlot* box = SlotOf(控件::分组框1);
    return box ? box->hwnd : nullptr;
}

using Creator = HWND (*)(const ControlRow&, HWND);

Creator CreatorOf(ControlKind kind) {
    switch (kind) {
    case ControlKind::RadioButton: return CreateRadioButton;
    case ControlKind::ComboBox: return CreateComboBox;
    case ControlKind::PushButton: return CreatePushButton;
    case ControlKind::EditBox: return CreateEditBox;
    case ControlKind::Label: return CreateLabel;
    case ControlKind::GroupBox: return CreateGroupBox;
    case ControlKind::PictureBox: return CreatePictureBox;
    }
    return nullptr;
}

bool CreateControl(const ControlRow& row) {
    HWND parent = ContainerWindow(row.container);
    Creator create = CreatorOf(row.kind);
    HWND hwnd = parent && create ? create(row, parent) : nullptr;
    if (!hwnd) return false;
    gWindow.controls.push_back({&row, hwnd});
    return true;
}

// Within each container an earlier row lies above every later one, whatever order the
// containers forced on creation.
void StackInLayoutOrder() {
    for (Container container : {Container::Window, Container::分组框1}) {
        HWND above = HWND_TOP;
        for (const ControlRow& row : gWindow.description->controls) {
            if (row.container != container) continue;
            const ControlSlot* slot = SlotOf(row.id);
            if (!slot) continue;
            if (!SetWindowPos(slot->hwnd, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOREDRAW))
                LogWinError("stacking a control");
            above = slot->hwnd;
        }
    }
}

// The focus goes back to the control that had it, else to the first of the tab order.
void RestoreFocus() {
    HWND target = gWindow.lastFocus;
    if (!target || !IsWindow(target) || !IsChild(gWindow.window, target) || !IsWindowVisible(target) ||
        !IsWindowEnabled(target)) {
        std::vector<const ControlSlot*> order = TabOrder();
        target = order.empty() ? nullptr : order.front()->hwnd;
    }
    if (target) SetFocus(target);
}

void OnCommand(WPARAM wParam, LPARAM lParam) {
    HWND from = reinterpret_cast<HWND>(lParam);
    if (!from) {
        // A menu choice (code 0); the window has no accelerators.
        if (HIWORD(wParam) == 0 && gWindow.description)
            RaiseEvent(gWindow.description->events, {EventSource::Kind::MenuItem, LOWORD(wParam)}, Event::Selected,
                       WindowToolkit());
        return;
    }
    if (gWindow.quiet > 0) return;
    const ControlSlot* slot = SlotOf(from);
    if (!slot || slot->hwnd != from) return;
    bool isButton = slot->row->kind == ControlKind::PushButton || slot->row->kind == ControlKind::RadioButton;
    if (isButton && ButtonNotificationIsClick(HIWORD(wParam))) RaiseControlEvent(slot->row->id, Event::Clicked);
}

LRESULT OnControlColour(UINT message, HDC dc) {
    SetTextColor(dc, RGB(0, 0, 0));
    if (message == WM_CTLCOLOREDIT || message == WM_CTLCOLORLISTBOX) {
        SetBkColor(dc, RGB(255, 255, 255));
        return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
    }
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

void OnDestroyed() {
    gWindow.window = nullptr;
    gWindow.controls.clear();
    gWindow.lastFocus = nullptr;
    gWindow.built = false;
    // The program's only window is gone (message boxes do not count).
    if (gWindow.loopStarted) PostQuitMessage(0);
}

LRESULT CALLBACK MainWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND: OnCommand(wParam, lParam); return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: return OnControlColour(message, reinterpret_cast<HDC>(wParam));
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus && IsChild(hwnd, focus)) gWindow.lastFocus = focus;
        } else if (!HIWORD(wParam)) {
            RestoreFocus();
        }
        return 0;
    case WM_SETFOCUS: RestoreFocus(); return 0;
    case WM_DESTROY:
        // The controls still exist and hold what the user left in them.
        if (gWindow.built) RaiseWindowEvent(Event::WillBeDestroyed);
        return 0;
    case WM_NCDESTROY: OnDestroyed(); break;
    case WM_QUERYENDSESSION: return TRUE;
    case WM_ENDSESSION:
        // The session ends: the system ends the process without destroying the window, so no
        // handler runs, nothing is saved and end processing is skipped.
        if (wParam) {
            SetEndingMark();
            ExitProcess(0);
        }
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

bool RegisterProgramClass(const wchar_t* name, WNDPROC proc, int extraBytes, HBRUSH background, const char* what) {
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof wc;
    // Registered once per process; the tests build the window more than once.
    if (GetClassInfoExW(GetModuleHandleW(nullptr), name, &wc)) return true;
    wc.lpfnWndProc = proc;
    wc.cbWndExtra = extraBytes;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = background;
    wc.lpszClassName = name;
    if (!RegisterClassExW(&wc)) return LogWinError(what);
    return true;
}

namespace {

bool RegisterWindowClass() {
    return RegisterProgramClass(kWindowClass, MainWindowProc, 0, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1),
                                "registering the main window class");
}

bool CreateMainWindow(const WindowDescription& window) {
    SIZE screen = gScreenSize ? gScreenSize() : PrimaryScreenSize();
    POINT at = CentredPosition(screen, window.width, window.height);
    HMENU menu = CreateMenuBar(window);
    if (!menu) return false;
    std::wstring caption = WideFrom936(window.caption ? window.caption : "");
    HWND hwnd = CreateWindowExW(0, kWindowClass, caption.c_str(),
                                WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN, at.x, at.y, window.width,
                                window.height, nullptr, menu, GetModuleHandleW(nullptr), nullptr);
    if (!hwnd) {
        LogWinError("creating the main window");
        DestroyMenu(menu);
        return false;
    }
    gWindow.window = hwnd;
    RECT r;
    if (GetWindowRect(hwnd, &r) && (r.right - r.left != window.width || r.bottom - r.top != window.height))
        SetWindowPos(hwnd, nullptr, 0, 0, window.width, window.height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

}  // namespace

POINT CentredPosition(SIZE screen, int width, int height) {
    // C++ division truncates toward zero, as the placement rule asks: 400 wide gives -27.
    return {(screen.cx - width) / 2, (screen.cy - height) / 2};
}

void SetScreenSizeSource(ScreenSizeSource source) { gScreenSize = source; }

const ControlSlot* SlotOf(HWND hwnd) {
    for (; hwnd && hwnd != gWindow.window; hwnd = GetParent(hwnd))
        for (const ControlSlot& s : gWindow.controls)
            if (s.hwnd == hwnd) return &s;
    return nullptr;
}

const ControlSlot* SlotOf(控件 control) {
    for (const ControlSlot& s : gWindow.controls)
        if (s.row->id == control) return &s;
    return nullptr;
}

void RaiseControlEvent(控件 control, Event event) {
    if (gWindow.description) RaiseEvent(gWindow.description->events, EventSource::Of(control), event, WindowToolkit());
}

std::vector<const ControlSlot*> TabOrder() {
    std::vector<const ControlSlot*> order;
    for (auto it = gWindow.controls.rbegin(); it != gWindow.controls.rend(); ++it)
        if (it->row->takesFocus && IsWindowVisible(it->hwnd) && IsWindowEnabled(it->hwnd)) order.push_back(&*it);
    return order;
}

HWND CreateControlWindow(const wchar_t* className, const ControlRow& row, HWND parent, DWORD style, DWORD exStyle) {
    std::wstring text = WideFrom936(row.text ? row.text : "");
    HWND hwnd = CreateWindowExW(exStyle, className, text.c_str(), WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style,
                                row.x, row.y, row.width, row.height, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id)), GetModuleHandleW(nullptr),
                                nullptr);
    if (!hwnd) {
        LogWinError("creating a control");
        return nullptr;
    }
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return hwnd;
}

bool BuildWindow(const WindowDescription& window, const WindowImages& images) {
    if (gWindow.window) return false;  // one main window per process
    static bool commonControls = [] {
        INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_STANDARD_CLASSES};
        return InitCommonControlsEx(&icc) != FALSE;
    }();
    (void)commonControls;  // without it the classes of user32 serve just as well
    if (!RegisterWindowClass() || !RegisterLabelClass() || !RegisterPictureBoxClass()) return false;

    gWindow.description = &window;
    gWindow.banner = DecodeBanner(images.bannerPng);
    gWindow.icon = images.icon;
    if (!CreateMainWindow(window)) return false;

    // Containers first, so their controls have a parent; the stacking is fixed afterwards.
    bool ok = true;
    for (const ControlRow& row : window.controls)
        if (ok && row.kind == ControlKind::GroupBox) ok = CreateControl(row);
    for (const ControlRow& row : window.controls)
        if (ok && row.kind != ControlKind::GroupBox) ok = CreateControl(row);
    if (!ok) {
        DestroyWindow(gWindow.window);  // not built yet: no event
        return false;
    }
    StackInLayoutOrder();
    if (gWindow.icon) {
        SendMessageW(gWindow.window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(gWindow.icon));
        SendMessageW(gWindow.window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(gWindow.icon));
    }
    gWindow.built = true;
    return true;
}

void LoadWindow(const WindowDescription& window, const WindowImages& images) {
    if (!BuildWindow(window, images)) ReportFatalError("载入启动窗口失败");
    // Runs before the window is shown: its message boxes appear while the window is hidden.
    RaiseWindowEvent(Event::Created);
    if (!gWindow.window) return;
    ShowWindow(gWindow.window, SW_SHOWNORMAL);
    UpdateWindow(gWindow.window);
}

void SetLoopStarted() { gWindow.loopStarted = true; }

bool MainWindowExists() { return gWindow.window != nullptr; }

int RunMessageLoop() {
    MSG message;
    for (;;) {
        BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) return static_cast<int>(message.wParam);
        if (got == -1) {
            LogWinError("taking a message");
            return 0;
        }
        if (HandleWindowKey(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void ReleaseToolkit() {
    if (gWindow.window) DestroyWindow(gWindow.window);
    gWindow.banner = BannerImage();
    gWindow.icon = nullptr;
    gWindow.description = nullptr;
    gWindow.loopStarted = false;
}

HWND MainWindowHandle() { return gWindow.window; }

HWND ControlHandle(控件 control) {
    const ControlSlot* slot = SlotOf(control);
    return slot ? slot->hwnd : nullptr;
}
