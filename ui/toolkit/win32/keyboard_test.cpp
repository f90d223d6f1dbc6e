// The keys the window handles itself, fed to the key handler as the message loop would.
#include "ui/toolkit/win32/test_window.h"

namespace {

using Handled = std::vector<std::string>;

MSG KeyDown(HWND h, WPARAM key) { return MSG{h, WM_KEYDOWN, key, 1, 0, {0, 0}}; }

// Holds Shift down in the thread's key state, as GetKeyState sees it.
void SetShift(bool down) {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_SHIFT] = down ? 0x80 : 0;
    SetKeyboardState(keys);
}

class KeyboardTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        Load();
        gHandled.clear();
    }
    void TearDown() override {
        SetShift(false);
        WindowTest::TearDown();
    }
    // The key as the loop would take it: the window's handling first, else the control's own.
    bool Press(控件 c, WPARAM key) {
        MSG m = KeyDown(Control(c), key);
        if (HandleWindowKey(m)) return true;
        TranslateMessage(&m);
        DispatchMessageW(&m);
        PumpMessages();
        return false;
    }
};

TEST_F(KeyboardTest, EnterPressesTheDefaultButtonExceptInTheResultsBox) {
    const 控件 elsewhere[] = {控件::编辑框_最大长度, 控件::编辑框_生成个数, 控件::组合框_词库列表, 控件::单选框_所有词库,
                              控件::单选框_指定词库, 控件::按钮_生成};
    for (控件 c : elsewhere) {
        SCOPED_TRACE(static_cast<int>(c));
        gHandled.clear();
        SetFocus(Control(c));
        HWND focus = GetFocus();
        EXPECT_TRUE(HandleWindowKey(KeyDown(focus, VK_RETURN)));
        EXPECT_EQ(gHandled, Handled{"按钮_生成"});
        EXPECT_EQ(GetFocus(), focus);  // Enter never moves the focus
    }
    gHandled.clear();
    HWND results = Control(控件::编辑框_生成结果);
    SetFocus(results);
    SetWindowTextW(results, L"a");
    SendMessageW(results, EM_SETSEL, 1, 1);
    EXPECT_FALSE(HandleWindowKey(KeyDown(results, VK_RETURN)));
    SendMessageW(results, WM_CHAR, L'\r', 1);  // what the loop's translation of the key gives the box
    EXPECT_EQ(WideText(results), L"a\r\n");
    EXPECT_EQ(gHandled, Handled{});
}

TEST_F(KeyboardTest, EnterWithTheButtonDisabledDoesNothing) {
    EnableWindow(Control(控件::按钮_生成), FALSE);
    EXPECT_TRUE(HandleWindowKey(KeyDown(Control(控件::编辑框_最大长度), VK_RETURN)));
    EXPECT_EQ(gHandled, Handled{});
}

TEST_F(KeyboardTest, EscClosesFromAnyControl) {
    const 控件 from[] = {控件::编辑框_生成结果, 控件::组合框_词库列表, 控件::单选框_指定词库};
    for (控件 c : from) {
        SCOPED_TRACE(static_cast<int>(c));
        if (!MainWindowExists()) Load();
        gHandled.clear();
        HWND h = Control(c);
        if (c == 控件::组合框_词库列表) h = GetWindow(h, GW_CHILD);  // its edit field has the focus
        EXPECT_TRUE(HandleWindowKey(KeyDown(h, VK_ESCAPE)));
        EXPECT_FALSE(MainWindowExists());
        EXPECT_EQ(gHandled, Handled{"destroyed"});
    }
}

TEST_F(KeyboardTest, TabAndShiftTabFollowTheTabOrderAndWrap) {
    const 控件 order[] = {控件::编辑框_最大长度, 控件::编辑框_生成个数, 控件::编辑框_生成结果, 控件::按钮_生成,
                          控件::组合框_词库列表,  控件::单选框_所有词库, 控件::单选框_指定词库};
    const size_t n = std::size(order);
    auto focused = [&](控件 c) { return GetFocus() == Control(c) || GetParent(GetFocus()) == Control(c); };
    ASSERT_TRUE(focused(order[0]));
    for (size_t i = 1; i <= n; ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(HandleWindowKey(KeyDown(GetFocus(), VK_TAB)));
        EXPECT_TRUE(focused(order[i % n]));
    }
    SetShift(true);
    for (size_t i = n; i > 0; --i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(HandleWindowKey(KeyDown(GetFocus(), VK_TAB)));
        EXPECT_TRUE(focused(order[(i - 1) % n]));
    }
    EXPECT_EQ(gHandled, Handled{});  // reaching the unchecked radio button by Tab is no click
}

TEST_F(KeyboardTest, TabInTheResultsBoxMovesOnAndTypesNothing) {
    HWND results = Control(控件::编辑框_生成结果);
    SetFocus(results);
    EXPECT_TRUE(Press(控件::编辑框_生成结果, VK_TAB));
    EXPECT_EQ(GetFocus(), Control(控件::按钮_生成));
    EXPECT_TRUE(HandleWindowKey(MSG{results, WM_CHAR, L'\t', 1, 0, {0, 0}}));
    EXPECT_EQ(WideText(results), L"");
}

TEST_F(KeyboardTest, ArrowsOnARadioButtonCheckRaiseAndFocusTheOther) {
    struct Case { 控件 from; WPARAM key; 控件 to; bool raised; };
    const Case cases[] = {
        {控件::单选框_所有词库, VK_DOWN, 控件::单选框_指定词库, true},
        {控件::单选框_指定词库, VK_UP, 控件::单选框_所有词库, false},  // no handler bound to it
        {控件::单选框_所有词库, VK_LEFT, 控件::单选框_指定词库, true},   // wraps
        {控件::单选框_指定词库, VK_RIGHT, 控件::单选框_所有词库, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        gHandled.clear();
        SetFocus(Control(c.from));
        EXPECT_TRUE(Press(c.from, c.key));
        EXPECT_EQ(WindowToolkit().ReadChecked(c.to), 1);
        EXPECT_EQ(WindowToolkit().ReadChecked(c.from), 0);
        EXPECT_EQ(GetFocus(), Control(c.to));
        EXPECT_EQ(gHandled, c.raised ? Handled{"单选框_指定词库"} : Handled{});
    }
}

TEST_F(KeyboardTest, ArrowsElsewhereAndF1AreNotTheWindows) {
    HWND edit = Control(控件::编辑框_最大长度);
    EXPECT_FALSE(HandleWindowKey(KeyDown(edit, VK_LEFT)));
    EXPECT_TRUE(HandleWindowKey(KeyDown(edit, VK_F1)));  // taken, and nothing happens
    EXPECT_TRUE(MainWindowExists());
    EXPECT_EQ(GetFocus(), edit);
    EXPECT_EQ(gHandled, Handled{});
}

}  // namespace
