#include "e2e/driver.h"

#include <psapi.h>

#include <atomic>
#include <cstdlib>

namespace {

std::wstring gProgramUnderTest;

constexpr Duration kPollInterval = 5;
// How long one look at a window may take before the program counts as not answering.
constexpr UINT kMessageTimeoutMs = 5000;

// The text of any window of any process, by WM_GETTEXT (a control's text is not what
// GetWindowText gives for another process's window).
std::wstring WideWindowText(HWND hwnd) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kMessageTimeoutMs, &length)) return {};
    std::wstring text(length + 1, L'\0');
    DWORD_PTR got = 0;
    if (!SendMessageTimeoutW(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                             kMessageTimeoutMs, &got))
        return {};
    text.resize(got <= length ? got : length);
    return text;
}

LRESULT Ask(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(hwnd, message, wParam, lParam, SMTO_ABORTIFHUNG, kMessageTimeoutMs, &result)) return -1;
    return static_cast<LRESULT>(result);
}

std::wstring ClassOf(HWND hwnd) {
    wchar_t name[64] = {};
    GetClassNameW(hwnd, name, 64);
    return name;
}

struct WindowSearch {
    DWORD pid;
    std::vector<HWND> found;
};

// Named CALLBACK functions, not lambdas: enumeration callbacks are stdcall on i686.
BOOL CALLBACK CollectWindowOfProcess(HWND hwnd, LPARAM p) {
    auto* s = reinterpret_cast<WindowSearch*>(p);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if (owner == s->pid) s->found.push_back(hwnd);
    return TRUE;
}

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM p) {
    reinterpret_cast<std::vector<HWND>*>(p)->push_back(hwnd);
    return TRUE;
}

std::vector<HWND> TopLevelWindowsOf(DWORD pid) {
    WindowSearch search{pid, {}};
    EnumWindows(CollectWindowOfProcess, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<HWND> DescendantsOf(HWND parent) {
    std::vector<HWND> found;
    EnumChildWindows(parent, CollectWindow, reinterpret_cast<LPARAM>(&found));
    return found;
}

HWND DescendantWithId(HWND parent, int id) {
    if (!parent) return nullptr;
    for (HWND child : DescendantsOf(parent))
        if (GetDlgCtrlID(child) == id) return child;
    return nullptr;
}

bool IsExtendedKey(WORD vk) {
    switch (vk) {
    case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN: case VK_INSERT: case VK_DELETE:
    case VK_HOME: case VK_END: case VK_PRIOR: case VK_NEXT:
        return true;
    }
    return false;
}

INPUT KeyInput(WORD vk, bool up) {
    INPUT in = {};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    in.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (IsExtendedKey(vk) ? KEYEVENTF_EXTENDEDKEY : 0);
    return in;
}

void Send(std::vector<INPUT> inputs) {
    if (inputs.empty()) return;
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

std::wstring TempRoot() {
    wchar_t temp[MAX_PATH + 1] = {};
    DWORD n = GetTempPathW(MAX_PATH + 1, temp);
    std::wstring root(temp, n);
    if (!root.empty() && root.back() == L'\\') root.pop_back();
    return root;
}

// Removes a file or a folder with everything in it, read-only entries included.
void RemoveTree(const std::wstring& path) {
    DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return;
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        DeleteFileW(path.c_str());
        return;
    }
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((path + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = found.cFileName;
            if (name != L"." && name != L"..") RemoveTree(path + L"\\" + name);
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(path.c_str());
}

}  // namespace

bool WaitUntil(const std::function<bool()>& done, Duration limit) {
    ULONGLONG end = GetTickCount64() + limit;
    for (;;) {
        if (done()) return true;
        if (GetTickCount64() >= end) return false;
        Sleep(kPollInterval);
    }
}

void DrawFramesWithoutWindowManager() {
    RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Wine\\AppDefaults\\Password.exe\\X11 Driver", L"Decorated", REG_SZ,
                    L"N", 2 * sizeof(wchar_t));
}

void SetProgramUnderTest(std::wstring_view path) {
    std::wstring p(path);
    // ctest hands over the build's Unix path; Wine's drive Z: is the Unix root.
    if (!p.empty() && p.front() == L'/') p = L"Z:" + p;
    for (wchar_t& c : p)
        if (c == L'/') c = L'\\';
    gProgramUnderTest = p;
}

const std::wstring& ProgramUnderTest() { return gProgramUnderTest; }

std::wstring WideFromText(std::string_view gbk) {
    if (gbk.empty()) return {};
    int n = MultiByteToWideChar(936, 0, gbk.data(), static_cast<int>(gbk.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(936, 0, gbk.data(), static_cast<int>(gbk.size()), wide.data(), n);
    return wide;
}

Text TextFromWideString(std::wstring_view wide) {
    if (wide.empty()) return {};
    int n = WideCharToMultiByte(936, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    Text text(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(936, 0, wide.data(), static_cast<int>(wide.size()), text.data(), n, nullptr, nullptr);
    return text;
}

ProgramFolder::ProgramFolder() {
    static std::atomic<unsigned> counter{0};
    std::wstring root = TempRoot();
    for (;;) {
        path_ = root + L"\\password-e2e-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                std::to_wstring(GetTickCount()) + L"-" + std::to_wstring(++counter);
        if (CreateDirectoryW(path_.c_str(), nullptr)) break;
        if (GetLastError() != ERROR_ALREADY_EXISTS) {
            path_.clear();
            return;
        }
    }
    CopyFileW(ProgramUnderTest().c_str(), Executable().c_str(), FALSE);
}

ProgramFolder::~ProgramFolder() {
    if (!path_.empty()) RemoveTree(path_);
}

std::wstring ProgramFolder::PathOf(std::wstring_view name) const { return path_ + L"\\" + std::wstring(name); }

void ProgramFolder::Write(std::wstring_view name, std::string_view bytes) const {
    HANDLE file = CreateFileW(PathOf(name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                              nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 24));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0) break;
        done += written;
    }
    CloseHandle(file);
}

std::optional<std::string> ProgramFolder::Read(std::wstring_view name) const {
    HANDLE file = CreateFileW(PathOf(name).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    std::string bytes;
    char buffer[1 << 16];
    DWORD got = 0;
    bool ok = true;
    while ((ok = ReadFile(file, buffer, sizeof buffer, &got, nullptr)) && got > 0) bytes.append(buffer, got);
    CloseHandle(file);
    if (!ok) return std::nullopt;
    return bytes;
}

bool ProgramFolder::Remove(std::wstring_view name) const { return DeleteFileW(PathOf(name).c_str()) != FALSE; }

RunningProgram::RunningProgram(const std::wstring& executable) {
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    std::wstring commandLine = L"\"" + executable + L"\"";
    std::wstring elsewhere = TempRoot();
    if (!CreateProcessW(executable.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, elsewhere.c_str(),
                        &startup, &process_))
        process_ = {};
}

RunningProgram::~RunningProgram() {
    if (!process_.hProcess) return;
    if (Running()) {
        TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, 10000);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

HWND RunningProgram::MainWindow() const {
    for (HWND hwnd : TopLevelWindowsOf(Id()))
        if (DescendantWithId(hwnd, static_cast<int>(控件::分组框1))) return hwnd;
    return nullptr;
}

bool RunningProgram::WaitMainWindowShown(Duration limit) const {
    ULONGLONG start = GetTickCount64();
    if (!WaitUntil(
            [&] {
                HWND main = MainWindow();
                return main && IsWindowVisible(main);
            },
            limit))
        return false;
    // Shown is not yet ready: under Wine a click in the first moments after the window appears,
    // before the message loop first waits for input, can be lost.
    ULONGLONG spent = GetTickCount64() - start;
    return WaitForInputIdle(process_.hProcess, spent < limit ? static_cast<DWORD>(limit - spent) : 0) == 0;
}

HWND RunningProgram::MessageBox() const {
    for (HWND hwnd : TopLevelWindowsOf(Id()))
        if (ClassOf(hwnd) == L"#32770" && IsWindowVisible(hwnd)) return hwnd;
    return nullptr;
}

HWND RunningProgram::WaitMessageBox(Duration limit) const {
    HWND box = nullptr;
    if (!WaitUntil([&] { return (box = MessageBox()) != nullptr; }, limit)) return nullptr;
    // A box can be visible before it has been sized and placed; the thread answers a message only
    // once it has finished building the box and waits in the box's own loop.
    DWORD_PTR unused = 0;
    if (!SendMessageTimeoutW(box, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, limit, &unused)) return nullptr;
    return box;
}

bool RunningProgram::WaitNoMessageBox(Duration limit) const {
    return WaitUntil([&] { return MessageBox() == nullptr; }, limit);
}

HWND RunningProgram::PopupMenu() const {
    for (HWND hwnd : TopLevelWindowsOf(Id()))
        if (ClassOf(hwnd) == L"#32768" && IsWindowVisible(hwnd)) return hwnd;
    return nullptr;
}

HWND RunningProgram::Control(控件 control) const { return DescendantWithId(MainWindow(), static_cast<int>(control)); }

Text RunningProgram::ControlText(控件 control) const {
    HWND hwnd = Control(control);
    return hwnd ? WindowText(hwnd) : Text();
}

int32_t RunningProgram::Checked(控件 radio) const {
    HWND hwnd = Control(radio);
    return hwnd ? static_cast<int32_t>(Ask(hwnd, BM_GETCHECK)) : -1;
}

TextList RunningProgram::ComboItems(size_t limit) const {
    TextList items;
    HWND combo = Control(控件::组合框_词库列表);
    if (!combo) return items;
    LRESULT count = Ask(combo, CB_GETCOUNT);
    for (LRESULT i = 0; i < count && items.size() < limit; ++i) {
        LRESULT length = Ask(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i));
        if (length < 0) break;
        std::wstring item(static_cast<size_t>(length) + 1, L'\0');
        LRESULT got = Ask(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item.data()));
        item.resize(got >= 0 && got <= length ? static_cast<size_t>(got) : 0);
        items.push_back(TextFromWideString(item));
    }
    return items;
}

int32_t RunningProgram::ComboSelection() const {
    HWND combo = Control(控件::组合框_词库列表);
    return combo ? static_cast<int32_t>(Ask(combo, CB_GETCURSEL)) : -2;
}

std::optional<控件> RunningProgram::Focus() const {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(process_.dwThreadId, &info)) return std::nullopt;
    HWND main = MainWindow();
    for (HWND h = info.hwndFocus; h && h != main; h = GetParent(h)) {
        int id = GetDlgCtrlID(h);
        if (id >= static_cast<int>(控件::单选框_指定词库) && id <= static_cast<int>(控件::图片框1))
            return static_cast<控件>(id);
    }
    return std::nullopt;
}

bool RunningProgram::WaitFocus(控件 control, Duration limit) const {
    return WaitUntil([&] { return Focus() == control; }, limit);
}

bool RunningProgram::WaitText(控件 control, std::string_view text, Duration limit) const {
    return WaitUntil([&] { return ControlText(control) == text; }, limit);
}

std::optional<DWORD> RunningProgram::WaitExit(Duration limit) const {
    if (!process_.hProcess) return std::nullopt;
    if (WaitForSingleObject(process_.hProcess, limit) != WAIT_OBJECT_0) return std::nullopt;
    DWORD code = 0;
    if (!GetExitCodeProcess(process_.hProcess, &code)) return std::nullopt;
    return code;
}

bool RunningProgram::Running() const {
    return process_.hProcess && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

size_t RunningProgram::PeakMemory() const {
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    if (!process_.hProcess || !GetProcessMemoryInfo(process_.hProcess, &counters, sizeof counters)) return 0;
    return counters.PeakWorkingSetSize;
}

Text WindowText(HWND hwnd) { return TextFromWideString(WideWindowText(hwnd)); }

Text MessageBoxText(HWND box) {
    for (HWND child : DescendantsOf(box)) {
        if (ClassOf(child) != L"Static") continue;
        std::wstring text = WideWindowText(child);
        if (!text.empty()) return TextFromWideString(text);
    }
    return {};
}

Text MessageBoxCaption(HWND box) { return WindowText(box); }

HWND MessageBoxButton(HWND box) {
    for (HWND child : DescendantsOf(box))
        if (ClassOf(child) == L"Button" && GetDlgCtrlID(child) == IDOK) return child;
    return nullptr;
}

void PressKey(WORD vk, unsigned modifiers) {
    static constexpr std::pair<unsigned, WORD> kModifierKeys[] = {{kControl, VK_CONTROL}, {kAlt, VK_MENU}, {kShift, VK_SHIFT}};
    std::vector<INPUT> inputs;
    for (auto [flag, key] : kModifierKeys)
        if (modifiers & flag) inputs.push_back(KeyInput(key, false));
    inputs.push_back(KeyInput(vk, false));
    inputs.push_back(KeyInput(vk, true));
    for (auto it = std::rbegin(kModifierKeys); it != std::rend(kModifierKeys); ++it)
        if (modifiers & it->first) inputs.push_back(KeyInput(it->second, true));
    Send(std::move(inputs));
}

void TypeKeys(std::string_view keys) {
    for (char c : keys) {
        SHORT scan = VkKeyScanW(static_cast<wchar_t>(static_cast<unsigned char>(c)));
        if (scan == -1) continue;
        PressKey(LOBYTE(scan), (HIBYTE(scan) & 1) ? kShift : kNoModifier);
    }
}

void ClickAt(POINT screen) {
    // Two clicks on nearly the same spot in quick succession make a double click, which a single-line
    // edit box answers by selecting a word, not by taking the focus: a person's next click lands
    // a little beside the last one.
    static POINT last = {-100, -100};
    static ULONGLONG lastTick = 0;
    static int side = 1;
    if (std::abs(screen.x - last.x) <= GetSystemMetrics(SM_CXDOUBLECLK) &&
        std::abs(screen.y - last.y) <= GetSystemMetrics(SM_CYDOUBLECLK) &&
        GetTickCount64() - lastTick <= GetDoubleClickTime()) {
        screen.x += side * (GetSystemMetrics(SM_CXDOUBLECLK) + 1);
        side = -side;
    }
    last = screen;
    lastTick = GetTickCount64();
    int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    INPUT move = {};
    move.type = INPUT_MOUSE;
    // Absolute coordinates run from 0 to 65535 across the primary screen.
    move.mi.dx = MulDiv(screen.x, 65535, width - 1);
    move.mi.dy = MulDiv(screen.y, 65535, height - 1);
    move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    INPUT down = move, up = move;
    down.mi.dwFlags = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_ABSOLUTE;
    up.mi.dwFlags = MOUSEEVENTF_LEFTUP | MOUSEEVENTF_ABSOLUTE;
    Send({move, down, up});
}

void ClickCentre(HWND hwnd) {
    RECT r = {};
    GetWindowRect(hwnd, &r);
    ClickAt({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
}

bool PutOnClipboard(std::wstring_view text) {
    if (!WaitUntil([] { return OpenClipboard(nullptr) != FALSE; }, kReactLimit)) return false;
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    bool ok = false;
    if (memory) {
        auto* p = static_cast<wchar_t*>(GlobalLock(memory));
        std::copy(text.begin(), text.end(), p);
        p[text.size()] = L'\0';
        GlobalUnlock(memory);
        ok = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
        if (!ok) GlobalFree(memory);
    }
    CloseClipboard();
    return ok;
}
