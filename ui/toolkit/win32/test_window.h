// What the Win32 toolkit tests share: the main window's own table bound to recording handlers,
// a window built from it, and small probes of real controls.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ui/main_window/main_window.h"
#include "ui/toolkit/win32/win32_toolkit.h"

// Every handler call, in order, as "created", "destroyed", "按钮_生成", "单选框_指定词库", "作者", "说明".
extern std::vector<std::string> gHandled;
// Runs inside the handler of that name, before it returns (set by a test, cleared after each).
extern std::function<void(Toolkit&)> gOnCreated, gOnDestroyed;

// A 64 x 64 icon made in memory, and a small indexed PNG of known colours (made with libpng).
HICON TestIcon();
std::vector<uint8_t> TestBannerPng();

// Dispatches what is waiting in the thread's queue.
void PumpMessages();

// The window of the layout table, built (hidden) or loaded (shown), destroyed afterwards.
class WindowTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    void Build();
    void Load();
    HWND Control(控件 c) const { return ControlHandle(c); }
    std::wstring WideText(HWND h) const;

    HICON icon = nullptr;
    std::vector<uint8_t> banner;
};
