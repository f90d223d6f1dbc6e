// Drives the real program as a person meets it: a fresh folder holding a copy of Password.exe, the
// process started there, real keyboard and mouse input (SendInput), and window messages only to
// look at what the window shows. Every wait polls a condition and gives up after a bound.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/text/text.h"
#include "ui/toolkit/toolkit.h"

// Milliseconds. (<chrono> cannot be used here: its C++20 unit suffixes do not fit the GBK literals.)
using Duration = DWORD;

// Bounds for the waits: how long a person would wait before calling the program stuck.
inline constexpr Duration kStartLimit = 30000;
inline constexpr Duration kReactLimit = 10000;

// Polls `done` until it holds or `limit` has passed; whether it held.
bool WaitUntil(const std::function<bool()>& done, Duration limit);

// No window manager runs on the test display: Wine is asked to draw the program's title bar and
// frame itself, as Windows does, so a screenshot shows them and the close button can be clicked.
void DrawFramesWithoutWindowManager();

// The program under test, as given on the driver's command line (a Unix path becomes Z:\...).
void SetProgramUnderTest(std::wstring_view path);
const std::wstring& ProgramUnderTest();

std::wstring WideFromText(std::string_view gbk);
Text TextFromWideString(std::wstring_view wide);

// A fresh folder in the temporary folder with a copy of the program, removed again at the end.
class ProgramFolder {
public:
    ProgramFolder();
    ~ProgramFolder();
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;

    const std::wstring& Path() const { return path_; }
    std::wstring PathOf(std::wstring_view name) const;
    std::wstring Executable() const { return PathOf(L"Password.exe"); }

    void Write(std::wstring_view name, std::string_view bytes) const;
    // The file's bytes; nullopt when it cannot be read (missing, or a folder).
    std::optional<std::string> Read(std::wstring_view name) const;
    bool Remove(std::wstring_view name) const;

    // pconfig.ini, the one file the program keeps.
    void WriteLibraryFile(std::string_view bytes) const { Write(L"pconfig.ini", bytes); }
    std::optional<std::string> ReadLibraryFile() const { return Read(L"pconfig.ini"); }

private:
    std::wstring path_;
};

// One run of the program in a folder, started from another current directory (as from a shortcut),
// so a program that used the current directory instead of its own folder would be caught.
class RunningProgram {
public:
    // Starts `executable`; check Started().
    explicit RunningProgram(const std::wstring& executable);
    ~RunningProgram();  // a run the test left behind is ended, so the next one starts clean
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    bool Started() const { return process_.hProcess != nullptr; }
    HANDLE Process() const { return process_.hProcess; }
    DWORD Id() const { return process_.dwProcessId; }

    // The main window (the top-level window holding 分组框1), nullptr until it exists.
    HWND MainWindow() const;
    // Shown, and the program waiting for input (WaitForInputIdle).
    bool WaitMainWindowShown(Duration limit = kStartLimit) const;
    // A visible message box (#32770) of the process, nullptr when none is open.
    HWND MessageBox() const;
    HWND WaitMessageBox(Duration limit = kReactLimit) const;
    bool WaitNoMessageBox(Duration limit = kReactLimit) const;

    // An open popup menu (#32768): the system menu or the drop-down of the menu bar.
    HWND PopupMenu() const;

    HWND Control(控件 control) const;
    Text ControlText(控件 control) const;
    int32_t Checked(控件 radio) const;
    // The combo box's items from the first, at most `limit` of them.
    TextList ComboItems(size_t limit = SIZE_MAX) const;
    int32_t ComboSelection() const;
    // The control that has the keyboard focus (a combo box's edit field counts as the combo box).
    std::optional<控件> Focus() const;
    bool WaitFocus(控件 control, Duration limit = kReactLimit) const;
    bool WaitText(控件 control, std::string_view text, Duration limit = kReactLimit) const;

    // Whether the process ended within the limit; its exit code then.
    std::optional<DWORD> WaitExit(Duration limit = kReactLimit) const;
    bool Running() const;

    // Peak memory of the process so far, in bytes (0 when it cannot be read).
    size_t PeakMemory() const;

private:
    PROCESS_INFORMATION process_{};
};

// What a message box says.
Text WindowText(HWND hwnd);
Text MessageBoxText(HWND box);
Text MessageBoxCaption(HWND box);
HWND MessageBoxButton(HWND box);  // its OK button

// Real input, as from the keyboard and mouse of the machine.
enum Modifier : unsigned { kNoModifier = 0, kShift = 1, kControl = 2, kAlt = 4 };
void PressKey(WORD vk, unsigned modifiers = kNoModifier);
// Types ASCII letters, digits, '-' and blanks key by key.
void TypeKeys(std::string_view keys);
void ClickAt(POINT screen);
void ClickCentre(HWND hwnd);

// The clipboard, for pasting.
bool PutOnClipboard(std::wstring_view text);

// Writes what the screen shows inside `hwnd`'s outer rectangle as a PNG; whether it worked.
bool SaveScreenshot(HWND hwnd, const std::wstring& pngPath);
