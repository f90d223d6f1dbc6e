// The whole process: the lifecycle probe (the real start-up and shutdown around a small window)
// and Password.exe itself, each started in a scratch folder and watched from outside.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "assets/resource_ids.h"
#include "testing/scratch_folder.h"

namespace {

namespace fs = std::filesystem;

// Bounded polling: 15 s at most for anything the child does.
template <typename Condition>
bool WaitFor(Condition done) {
    for (int i = 0; i < 750; ++i) {
        if (done()) return true;
        Sleep(20);
    }
    return done();
}

fs::path BesideThisTest(const wchar_t* name) {
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    return fs::path(self).parent_path() / name;
}

struct Found {
    DWORD process;
    const wchar_t* className;
    const wchar_t* caption;  // nullptr: any
    HWND hwnd;
};

BOOL CALLBACK FindInProcess(HWND h, LPARAM p) {
    auto* f = reinterpret_cast<Found*>(p);
    DWORD pid = 0;
    GetWindowThreadProcessId(h, &pid);
    wchar_t cls[64], caption[64];
    GetClassNameW(h, cls, 64);
    GetWindowTextW(h, caption, 64);
    if (pid == f->process && std::wstring(cls) == f->className && (!f->caption || std::wstring(caption) == f->caption)) {
        f->hwnd = h;
        return FALSE;
    }
    return TRUE;
}

// A program started in a scratch folder, from another current directory.
class Child {
public:
    Child(const fs::path& program, const ScratchFolder& folder, const std::wstring& arguments) {
        fs::path copy = folder.Path() / program.filename();
        fs::copy_file(program, copy);
        std::wstring line = L"\"" + copy.wstring() + L"\" " + arguments;
        STARTUPINFOW si = {};
        si.cb = sizeof si;
        wchar_t here[MAX_PATH];
        GetCurrentDirectoryW(MAX_PATH, here);
        started_ = CreateProcessW(copy.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, here, &si, &info_);
    }
    ~Child() {
        if (!started_) return;
        if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(info_.hProcess, 99);
        WaitForSingleObject(info_.hProcess, 5000);
        CloseHandle(info_.hProcess);
        CloseHandle(info_.hThread);
    }
    bool Started() const { return started_; }
    HWND Window(const wchar_t* className, const wchar_t* caption = nullptr) const {
        Found f{info_.dwProcessId, className, caption, nullptr};
        EnumWindows(FindInProcess, reinterpret_cast<LPARAM>(&f));
        return f.hwnd;
    }
    HWND WaitForWindow(const wchar_t* className, const wchar_t* caption = nullptr, bool visible = true) const {
        HWND h = nullptr;
        WaitFor([&] { return (h = Window(className, caption)) && (!visible || IsWindowVisible(h)); });
        return h;
    }
    // The exit code, or STILL_ACTIVE when it has not ended in time.
    DWORD WaitForExit() const {
        WaitForSingleObject(info_.hProcess, 15000);
        DWORD code = STILL_ACTIVE;
        GetExitCodeProcess(info_.hProcess, &code);
        return code;
    }

private:
    PROCESS_INFORMATION info_ = {};
    bool started_ = false;
};

constexpr wchar_t kMainClass[] = L"PasswordMainWindow";
constexpr wchar_t kBoxClass[] = L"#32770";

std::wstring BoxText(HWND box) {
    wchar_t text[512] = {};
    GetDlgItemTextW(box, 0xFFFF, text, 512);
    return text;
}

// The message box the created event shows, "信息：" with `text`, comes while the window is still
// hidden; once it is answered the window shows (with `caption`, when given), and closing it
// exits with 0.
void AnswerBoxWhileHiddenThenClose(const Child& child, const wchar_t* text, const wchar_t* caption) {
    HWND box = child.WaitForWindow(kBoxClass, L"信息：");
    ASSERT_NE(box, nullptr);
    HWND window = child.Window(kMainClass);
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_EQ(BoxText(box), text);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    ASSERT_NE(child.WaitForWindow(kMainClass, caption), nullptr);
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(child.WaitForExit(), 0u);
}

TEST(Lifecycle, ClosingRunsTheEventsInOrderAndExitsWithZero) {
    ScratchFolder folder;
    Child child(BesideThisTest(L"lifecycle_probe.exe"), folder, L"");
    ASSERT_TRUE(child.Started());
    HWND window = child.WaitForWindow(kMainClass);
    ASSERT_NE(window, nullptr);
    HWND box = FindWindowExW(window, nullptr, L"Edit", nullptr);
    SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"20"));
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(child.WaitForExit(), 0u);
    // The log lands in the program's folder, so that is its current directory.
    EXPECT_EQ(folder.Read("probe.log"), "created hidden\ndestroyed 20\nend\n");
}

TEST(Lifecycle, CreatedEventsMessageBoxShowsWhileTheWindowIsHidden) {
    ScratchFolder folder;
    Child child(BesideThisTest(L"lifecycle_probe.exe"), folder, L"message");
    ASSERT_TRUE(child.Started());
    ASSERT_NO_FATAL_FAILURE(AnswerBoxWhileHiddenThenClose(child, L"probe", nullptr));
}

TEST(Lifecycle, WindowThatCannotBeCreatedIsAFatalErrorWithMinusOne) {
    ScratchFolder folder;
    Child child(BesideThisTest(L"lifecycle_probe.exe"), folder, L"broken");
    ASSERT_TRUE(child.Started());
    HWND box = child.WaitForWindow(kBoxClass, L"错误");
    ASSERT_NE(box, nullptr);
    EXPECT_NE(BoxText(box).find(L"载入启动窗口失败"), std::wstring::npos) << BoxText(box).size();
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(child.WaitForExit(), static_cast<DWORD>(-1));
    EXPECT_FALSE(folder.Exists("probe.log"));  // no event, no end routine
}

TEST(Lifecycle, SessionEndEndsWithoutSavingOrEndProcessing) {
    ScratchFolder folder;
    Child child(BesideThisTest(L"lifecycle_probe.exe"), folder, L"");
    ASSERT_TRUE(child.Started());
    HWND window = child.WaitForWindow(kMainClass);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(SendMessageW(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE);
    SendMessageTimeoutW(window, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 5000, nullptr);
    EXPECT_NE(child.WaitForExit(), static_cast<DWORD>(STILL_ACTIVE));
    EXPECT_EQ(folder.Read("probe.log"), "created hidden\n");
}

// ---- Password.exe

TEST(PasswordProgram, CarriesItsResources) {
    HMODULE exe = LoadLibraryExW(BesideThisTest(L"Password.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(exe, nullptr);
    auto bytes = [&](const wchar_t* type, const wchar_t* name) {
        HRSRC r = FindResourceW(exe, name, type);
        HGLOBAL g = r ? LoadResource(exe, r) : nullptr;
        const char* p = g ? static_cast<const char*>(LockResource(g)) : nullptr;
        return p ? std::string(p, SizeofResource(exe, r)) : std::string();
    };
    std::string manifest = bytes(RT_MANIFEST, MAKEINTRESOURCEW(1));
    EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(manifest.find("version=\"6.0.0.0\""), std::string::npos);
    EXPECT_EQ(bytes(RT_RCDATA, MAKEINTRESOURCEW(IDR_BANNER)).substr(0, 8), "\x89PNG\r\n\x1a\n");
    // The icon group holds one 64 x 64 image of 32 bits.
    std::string group = bytes(RT_GROUP_ICON, MAKEINTRESOURCEW(IDI_PASSWORD));
    ASSERT_EQ(group.size(), 6u + 14u);
    EXPECT_EQ(static_cast<uint8_t>(group[6]), 64);
    EXPECT_EQ(static_cast<uint8_t>(group[7]), 64);
    EXPECT_EQ(static_cast<uint8_t>(group[12]), 32);
    HICON icon = static_cast<HICON>(LoadImageW(exe, MAKEINTRESOURCEW(IDI_PASSWORD), IMAGE_ICON, 64, 64, 0));
    EXPECT_NE(icon, nullptr);
    if (icon) DestroyIcon(icon);
    // The version information, its Chinese text read back as written.
    std::string version = bytes(RT_VERSION, MAKEINTRESOURCEW(1));
    std::wstring wide(reinterpret_cast<const wchar_t*>(version.data()), version.size() / sizeof(wchar_t));
    EXPECT_NE(wide.find(L"密码生成器"), std::wstring::npos);
    EXPECT_NE(wide.find(L"Password.exe"), std::wstring::npos);
    FreeLibrary(exe);
}

// A first start, without pconfig.ini: the message about the regenerated library comes while
// the window is hidden; closing the window saves the settings and exits with 0.
TEST(PasswordProgram, FirstStartAndClose) {
    ScratchFolder folder;
    Child child(BesideThisTest(L"Password.exe"), folder, L"");
    ASSERT_TRUE(child.Started());
    ASSERT_NO_FATAL_FAILURE(AnswerBoxWhileHiddenThenClose(child, L"词库丢失，已重新生成。", L"Password "));
    std::string ini = folder.Read("pconfig.ini");
    EXPECT_NE(ini.find("[配置]"), std::string::npos);
    EXPECT_NE(ini.find("所有词库=真"), std::string::npos);
}

}  // namespace
