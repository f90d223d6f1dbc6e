// The window as built from the layout table, the operations on its real controls, and its life.
#include <windows.h>

#include <commctrl.h>

#include <cstring>
#include <thread>

#include "ui/toolkit/win32/test_window.h"
#include "ui/toolkit/win32/text_936.h"

namespace {

using Handled = std::vector<std::string>;

enum class Parent { Window, GroupBox };

struct ControlCase {
    控件 id;
    const wchar_t* className;
    Parent parent;
    int x, y, width, height;  // in the parent's client area
    DWORD styleSet;           // bits that must be set (type bits compared whole, see typeMask)
    DWORD styleClear;         // bits that must be clear
    DWORD typeMask;           // low style bits compared exactly, with the value in styleSet
    const wchar_t* text;
    int limit;  // EM_GETLIMITTEXT; -1 when not an edit box, -2 for the system's maximum of a multi-line box
};

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
// An edit box takes WS_BORDER out of its window style and draws the thin border itself; the
// border's pixels are checked by painting (ThinBorderWithoutSunkenEdge).
constexpr DWORD kEditClear = WS_HSCROLL | WS_VSCROLL | ES_READONLY | ES_NOHIDESEL | ES_PASSWORD | ES_NUMBER |
                             ES_UPPERCASE | ES_LOWERCASE | WS_DISABLED;
constexpr DWORD kButtonType = 0x0F;  // BS_TYPEMASK

const ControlCase kControls[] = {
    {控件::单选框_指定词库, L"Button", Parent::GroupBox, 326, 32, 112, 24,
     kChild | BS_AUTORADIOBUTTON | BS_MULTILINE | BS_LEFT | BS_VCENTER, BS_PUSHLIKE | BS_FLAT | BS_LEFTTEXT | WS_DISABLED,
     kButtonType, L"指定使用词库", -1},
    {控件::单选框_所有词库, L"Button", Parent::GroupBox, 326, 8, 112, 24,
     kChild | BS_AUTORADIOBUTTON | BS_MULTILINE | BS_LEFT | BS_VCENTER, BS_PUSHLIKE | BS_FLAT | BS_LEFTTEXT | WS_DISABLED,
     kButtonType, L"使用所有词库", -1},
    {控件::按钮_生成, L"Button", Parent::GroupBox, 164, 40, 71, 24,
     kChild | BS_DEFPUSHBUTTON | BS_MULTILINE | BS_CENTER | BS_VCENTER, BS_FLAT | BS_BITMAP | BS_ICON | WS_DISABLED,
     kButtonType, L"开始生成", -1},
    {控件::编辑框_生成结果, L"Edit", Parent::Window, 1, 80, 446, 80,
     kChild | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN, kEditClear | ES_AUTOHSCROLL | ES_CENTER, 0, L"",
     -2},
    {控件::编辑框_生成个数, L"Edit", Parent::GroupBox, 70, 46, 80, 24, kChild | ES_CENTER | ES_AUTOHSCROLL,
     kEditClear | ES_MULTILINE, 0, L"1", 2},
    {控件::编辑框_最大长度, L"Edit", Parent::GroupBox, 70, 16, 80, 24, kChild | ES_CENTER | ES_AUTOHSCROLL,
     kEditClear | ES_MULTILINE, 0, L"13", 5},
    {控件::标签2, L"PasswordLabel", Parent::GroupBox, 8, 46, 80, 24, kChild, WS_BORDER | WS_TABSTOP, 0, L"生成个数：", -1},
    {控件::标签1, L"PasswordLabel", Parent::GroupBox, 8, 16, 80, 24, kChild, WS_BORDER | WS_TABSTOP, 0, L"最大长度：", -1},
    {控件::分组框1, L"Button", Parent::Window, 1, 0, 446, 80, kChild | BS_GROUPBOX | BS_LEFT, WS_DISABLED, kButtonType,
     L"密码参数", -1},
    {控件::图片框1, L"PasswordPictureBox", Parent::Window, 1, 160, 446, 128, kChild, WS_BORDER | WS_TABSTOP, 0, L"", -1},
};

RECT RectInParent(HWND h) {
    RECT r;
    GetWindowRect(h, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(h), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

std::vector<HWND> ChildrenTopFirst(HWND parent) {
    std::vector<HWND> out;
    for (HWND h = GetWindow(parent, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) out.push_back(h);
    return out;
}

TEST_F(WindowTest, EveryControlAsTheTableSays) {
    Build();
    HWND window = MainWindowHandle();
    HWND group = Control(控件::分组框1);
    for (const ControlCase& c : kControls) {
        SCOPED_TRACE(static_cast<int>(c.id));
        HWND h = Control(c.id);
        ASSERT_NE(h, nullptr);
        wchar_t cls[64];
        GetClassNameW(h, cls, 64);
        EXPECT_EQ(lstrcmpiW(cls, c.className), 0) << TextFromWide(cls);
        EXPECT_EQ(GetParent(h), c.parent == Parent::Window ? window : group);
        EXPECT_EQ(GetDlgCtrlID(h), static_cast<int>(c.id));
        RECT r = RectInParent(h);
        EXPECT_EQ(r.left, c.x);
        EXPECT_EQ(r.top, c.y);
        EXPECT_EQ(r.right - r.left, c.width);
        EXPECT_EQ(r.bottom - r.top, c.height);
        DWORD style = static_cast<DWORD>(GetWindowLongW(h, GWL_STYLE));
        EXPECT_EQ(style & (c.styleSet & ~c.typeMask), c.styleSet & ~c.typeMask);
        EXPECT_EQ(style & c.styleClear, 0u);
        EXPECT_EQ(style & c.typeMask, c.styleSet & c.typeMask);
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(h, GWL_EXSTYLE)) & WS_EX_CLIENTEDGE, 0u);  // no sunken edge
        EXPECT_EQ(WideText(h), c.text);
        if (c.limit >= 0) {
            EXPECT_EQ(SendMessageW(h, EM_GETLIMITTEXT, 0, 0), c.limit);
        } else if (c.limit == -2) {
            EXPECT_EQ(static_cast<uint32_t>(SendMessageW(h, EM_GETLIMITTEXT, 0, 0)), 0xFFFFFFFFu);
        }
        EXPECT_EQ(reinterpret_cast<HGDIOBJ>(SendMessageW(h, WM_GETFONT, 0, 0)), GetStockObject(DEFAULT_GUI_FONT));
    }
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(group, GWL_STYLE)) & WS_CLIPCHILDREN, static_cast<DWORD>(WS_CLIPCHILDREN));
    EXPECT_EQ(SendMessageW(Control(控件::单选框_所有词库), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageW(Control(控件::单选框_指定词库), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

// The edit boxes' one-pixel border: dark at the edge, white inside.
TEST_F(WindowTest, ThinBorderWithoutSunkenEdge) {
    Build();
    for (控件 c : {控件::编辑框_生成结果, 控件::编辑框_生成个数, 控件::编辑框_最大长度}) {
        SCOPED_TRACE(static_cast<int>(c));
        HWND h = Control(c);
        SetWindowTextW(h, L"");
        RECT r;
        GetWindowRect(h, &r);
        int w = r.right - r.left, ht = r.bottom - r.top;
        HDC screen = GetDC(nullptr);
        HDC dc = CreateCompatibleDC(screen);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, w, ht);
        ReleaseDC(nullptr, screen);
        HGDIOBJ old = SelectObject(dc, bitmap);
        SendMessageW(h, WM_PRINT, reinterpret_cast<WPARAM>(dc), PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND);
        COLORREF edge = GetPixel(dc, 0, ht / 2), next = GetPixel(dc, 2, ht / 2), inside = GetPixel(dc, w / 2, ht / 2);
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
        EXPECT_NE(edge, RGB(255, 255, 255));
        EXPECT_EQ(next, RGB(255, 255, 255));  // one pixel: a sunken edge would be two
        EXPECT_EQ(inside, RGB(255, 255, 255));
    }
}

TEST_F(WindowTest, ComboBoxDropsTo160WithTallerRows) {
    Build();
    HWND combo = Control(控件::组合框_词库列表);
    wchar_t cls[64];
    GetClassNameW(combo, cls, 64);
    EXPECT_EQ(lstrcmpiW(cls, L"ComboBox"), 0);
    EXPECT_EQ(GetParent(combo), Control(控件::分组框1));
    DWORD style = static_cast<DWORD>(GetWindowLongW(combo, GWL_STYLE));
    EXPECT_EQ(style & 0x3, static_cast<DWORD>(CBS_DROPDOWN));
    EXPECT_EQ(style & CBS_AUTOHSCROLL, static_cast<DWORD>(CBS_AUTOHSCROLL));
    EXPECT_EQ(style & (CBS_SORT | CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE), 0u);
    RECT r = RectInParent(combo);
    EXPECT_EQ(r.left, 326);
    EXPECT_EQ(r.top, 56);
    EXPECT_EQ(r.right - r.left, 112);
    // Closed, it shows its edit field; dropped, it reaches down to 160 below its top, less what
    // the list's whole rows and borders leave over.
    RECT closed, dropped;
    GetWindowRect(combo, &closed);
    SendMessageW(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    LRESULT rowHeight = SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0);
    EXPECT_LT(closed.bottom - closed.top, 30);
    EXPECT_LE(dropped.bottom - closed.top, 160);
    EXPECT_GT(dropped.bottom - closed.top, 160 - 2 * rowHeight);
    EXPECT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 0);
    EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), CB_ERR);
    EXPECT_EQ(WideText(combo), L"");

    // One pixel taller than a combo box with the same font gives its rows by itself.
    HWND plain = CreateWindowExW(0, L"COMBOBOX", L"", WS_CHILD | CBS_DROPDOWN, 0, 0, 112, 160, MainWindowHandle(),
                                 nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(plain, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    EXPECT_EQ(SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0), SendMessageW(plain, CB_GETITEMHEIGHT, 0, 0) + 1);
    DestroyWindow(plain);
}

TEST_F(WindowTest, StackedInLayoutOrderInBothContainers) {
    Build();
    std::vector<HWND> inGroup, inWindow;
    for (控件 c : {控件::单选框_指定词库, 控件::单选框_所有词库, 控件::组合框_词库列表, 控件::按钮_生成, 控件::编辑框_生成个数,
                  控件::编辑框_最大长度, 控件::标签2, 控件::标签1})
        inGroup.push_back(Control(c));
    for (控件 c : {控件::编辑框_生成结果, 控件::分组框1, 控件::图片框1}) inWindow.push_back(Control(c));
    EXPECT_EQ(ChildrenTopFirst(Control(控件::分组框1)), inGroup);
    EXPECT_EQ(ChildrenTopFirst(MainWindowHandle()), inWindow);
}

TEST_F(WindowTest, TheWindowItself) {
    Build();
    HWND w = MainWindowHandle();
    EXPECT_FALSE(IsWindowVisible(w));  // hidden until the created event has run
    EXPECT_EQ(WideText(w), L"Password ");
    RECT r;
    GetWindowRect(w, &r);
    EXPECT_EQ(r.right - r.left, 454);
    EXPECT_EQ(r.bottom - r.top, 333);
    DWORD style = static_cast<DWORD>(GetWindowLongW(w, GWL_STYLE));
    DWORD want = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    EXPECT_EQ(style & want, want);
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MAXIMIZEBOX | WS_CHILD | WS_POPUP | WS_MINIMIZE | WS_MAXIMIZE), 0u);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(w, GWL_EXSTYLE)) & WS_EX_TOPMOST, 0u);
    EXPECT_EQ(GetWindow(w, GW_OWNER), nullptr);
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(w, WM_GETICON, ICON_BIG, 0)), icon);
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(w, WM_GETICON, ICON_SMALL, 0)), icon);
    EXPECT_EQ(GetClassLongPtrW(w, GCLP_HBRBACKGROUND), static_cast<ULONG_PTR>(COLOR_BTNFACE + 1));
}

TEST_F(WindowTest, MenuTree) {
    Build();
    HMENU bar = GetMenu(MainWindowHandle());
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(GetMenuItemCount(bar), 1);
    wchar_t text[64];
    GetMenuStringW(bar, 0, text, 64, MF_BYPOSITION);
    EXPECT_STREQ(text, L"关于...");
    HMENU popup = GetSubMenu(bar, 0);
    ASSERT_NE(popup, nullptr);
    struct Item { const wchar_t* text; UINT id; };
    const Item items[] = {{L"作者", 200}, {L"说明", 201}};
    ASSERT_EQ(GetMenuItemCount(popup), 2);
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        GetMenuStringW(popup, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
        EXPECT_STREQ(text, items[i].text);
        EXPECT_EQ(GetMenuItemID(popup, i), items[i].id);
        UINT state = GetMenuState(popup, static_cast<UINT>(i), MF_BYPOSITION);
        EXPECT_EQ(state & (MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_SEPARATOR | MF_POPUP), 0u);
    }
    EXPECT_EQ(GetMenuState(bar, 0, MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED), 0u);
}

SIZE gScreen;
SIZE TestScreen() { return gScreen; }

TEST_F(WindowTest, CentredTruncatingTowardZero) {
    struct Case { SIZE screen; POINT at; };
    const Case cases[] = {{{400, 300}, {-27, -16}}, {{453, 333}, {0, 0}}, {{1280, 1024}, {413, 345}}};
    SetScreenSizeSource(TestScreen);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.screen.cx);
        gScreen = c.screen;
        Build();
        RECT r;
        GetWindowRect(MainWindowHandle(), &r);
        EXPECT_EQ(r.left, c.at.x);
        EXPECT_EQ(r.top, c.at.y);
        EXPECT_EQ(r.right - r.left, 454);
        ReleaseToolkit();
    }
}

// ---- the typing filter

void Type(HWND h, const wchar_t* chars) {
    for (; *chars; ++chars) SendMessageW(h, WM_CHAR, *chars, 1);
}

TEST_F(WindowTest, NumberBoxesTakeDigitsAndMinusUpToTheirLimit) {
    Build();
    struct Case { 控件 box; const wchar_t* typed; const wchar_t* want; };
    const Case cases[] = {
        {控件::编辑框_生成个数, L"a", L""},        // a letter changes nothing
        {控件::编辑框_生成个数, L"-", L"-"},       // a minus is kept
        {控件::编辑框_生成个数, L"123", L"12"},    // a third character is refused
        {控件::编辑框_生成个数, L"x- 7", L"-7"},
        {控件::编辑框_生成个数, L"中9", L"9"},
        {控件::编辑框_最大长度, L"1234567", L"12345"},
        {控件::编辑框_最大长度, L"-1-2-", L"-1-2-"},
        {控件::编辑框_最大长度, L"12\b3", L"13"},  // Backspace is a control code: it passes
        {控件::编辑框_生成结果, L"ab", L"ab"},     // no filter in the results box
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << static_cast<int>(c.box) << " typed " << TextFromWide(c.typed));
        HWND h = Control(c.box);
        SetWindowTextW(h, L"");
        Type(h, c.typed);
        EXPECT_EQ(WideText(h), c.want);
    }
}

TEST_F(WindowTest, PastingIsNotFiltered) {
    Build();
    HWND h = Control(控件::编辑框_生成个数);
    SetWindowTextW(h, L"");
    ASSERT_TRUE(OpenClipboard(MainWindowHandle()));
    EmptyClipboard();
    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, 3 * sizeof(wchar_t));
    std::memcpy(GlobalLock(data), L"ab", 3 * sizeof(wchar_t));
    GlobalUnlock(data);
    SetClipboardData(CF_UNICODETEXT, data);
    CloseClipboard();
    SendMessageW(h, WM_CHAR, 0x16, 1);  // Ctrl+V
    EXPECT_EQ(WideText(h), L"ab");
}

// ---- the operations on real controls

TEST_F(WindowTest, TextsCrossTheBoundaryAsGbk) {
    Build();
    Toolkit& ui = WindowToolkit();
    ui.WriteControlText(控件::编辑框_生成结果, "默认、词库 one");
    EXPECT_EQ(WideText(Control(控件::编辑框_生成结果)), L"默认、词库 one");
    EXPECT_EQ(ui.ReadControlText(控件::编辑框_生成结果), "默认、词库 one");
    EXPECT_EQ(ui.ReadControlText(控件::编辑框_最大长度), "13");
    ui.WriteControlText(控件::编辑框_最大长度, "");
    EXPECT_EQ(ui.ReadControlText(控件::编辑框_最大长度), "");
    ui.AppendEditText(控件::编辑框_生成结果, "\r\n二 ");
    ui.AppendEditText(控件::编辑框_生成结果, "x\r\n");
    EXPECT_EQ(ui.ReadControlText(控件::编辑框_生成结果), "默认、词库 one\r\n二 x\r\n");
}

// Long lines go into the box in pieces: the text must come out exactly as it went in, also where
// a piece would end between CR and LF.
TEST_F(WindowTest, LongLinesAppendWhole) {
    Build();
    Toolkit& ui = WindowToolkit();
    Text text = Text(4095, 'a') + "\r\n";
    for (int i = 0; i < 4000; ++i) text += "词库 ";
    text += "\r\nshort\r\n\r\n" + Text(9000, 'b');
    ui.AppendEditText(控件::编辑框_生成结果, "x");
    ui.AppendEditText(控件::编辑框_生成结果, text);
    EXPECT_TRUE(ui.ReadControlText(控件::编辑框_生成结果) == "x" + text);
}

TEST_F(WindowTest, WritesRaiseNoEvent) {
    Build();
    Toolkit& ui = WindowToolkit();
    ui.WriteControlText(控件::编辑框_最大长度, "20");
    ui.WriteChecked(控件::单选框_指定词库, 1);
    ui.AddComboItem(控件::组合框_词库列表, "A");
    ui.WriteSelection(控件::组合框_词库列表, 0);
    ui.WriteControlText(控件::组合框_词库列表, "typed");
    ui.AppendEditText(控件::编辑框_生成结果, "x");
    PumpMessages();
    EXPECT_EQ(gHandled, Handled{});
    // one button at a time: the other keeps its check
    EXPECT_EQ(ui.ReadChecked(控件::单选框_所有词库), 1);
    EXPECT_EQ(ui.ReadChecked(控件::单选框_指定词库), 1);
    ui.WriteChecked(控件::单选框_所有词库, 0);
    EXPECT_EQ(ui.ReadChecked(控件::单选框_所有词库), 0);
    EXPECT_EQ(ui.ReadChecked(控件::单选框_指定词库), 1);
}

TEST_F(WindowTest, WriteSelectionClamps) {
    Build();
    Toolkit& ui = WindowToolkit();
    HWND combo = Control(控件::组合框_词库列表);
    struct Case { int32_t index; int current; Text text; };
    ui.AddComboItem(控件::组合框_词库列表, "A");
    EXPECT_EQ(ui.AddComboItem(控件::组合框_词库列表, "默认"), 1);
    const Case cases[] = {{0, 0, "A"}, {1, 1, "默认"}, {7, 1, "默认"}, {-1, -1, ""}, {-9, -1, ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        ui.WriteControlText(控件::组合框_词库列表, "typed");
        ui.WriteSelection(控件::组合框_词库列表, c.index);
        EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), c.current);
        EXPECT_EQ(ui.ReadControlText(控件::组合框_词库列表), c.text);
    }
}

TEST_F(WindowTest, SelectionWithNoItemsSelectsNothing) {
    Build();
    Toolkit& ui = WindowToolkit();
    ui.WriteSelection(控件::组合框_词库列表, 0);
    EXPECT_EQ(SendMessageW(Control(控件::组合框_词库列表), CB_GETCURSEL, 0, 0), CB_ERR);
    EXPECT_EQ(ui.ReadControlText(控件::组合框_词库列表), "");
}

TEST_F(WindowTest, WritingComboTextKeepsItemsAndSelection) {
    Build();
    Toolkit& ui = WindowToolkit();
    HWND combo = Control(控件::组合框_词库列表);
    ui.AddComboItem(控件::组合框_词库列表, "Apple");
    ui.AddComboItem(控件::组合框_词库列表, "默认");
    struct Case { int32_t selected; Text written; };
    // A text that starts an item, an item's whole text, one that names none, and the empty text.
    const Case cases[] = {{0, "默"}, {0, "默认"}, {1, "App"}, {1, "zzz"}, {-1, "Apple"}, {1, ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.written);
        ui.WriteSelection(控件::组合框_词库列表, c.selected);
        ui.WriteControlText(控件::组合框_词库列表, c.written);
        EXPECT_EQ(ui.ReadControlText(控件::组合框_词库列表), c.written);
        EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), c.selected);
        EXPECT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 2);
    }
}

// ---- events from the user's actions

void Click(HWND h) {
    SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
}

TEST_F(WindowTest, ClicksAndMenuChoicesRaiseTheirEvents) {
    Load();
    gHandled.clear();
    Click(Control(控件::单选框_指定词库));
    EXPECT_EQ(WindowToolkit().ReadChecked(控件::单选框_指定词库), 1);
    EXPECT_EQ(WindowToolkit().ReadChecked(控件::单选框_所有词库), 0);
    Click(Control(控件::单选框_所有词库));  // no handler bound
    Click(Control(控件::按钮_生成));
    SendMessageW(MainWindowHandle(), WM_COMMAND, MAKEWPARAM(200, 0), 0);
    SendMessageW(MainWindowHandle(), WM_COMMAND, MAKEWPARAM(201, 0), 0);
    EXPECT_EQ(gHandled, (Handled{"单选框_指定词库", "按钮_生成", "作者", "说明"}));
}

TEST_F(WindowTest, GainingTheFocusIsNoClick) {
    Load();
    gHandled.clear();
    SetFocus(Control(控件::单选框_指定词库));  // unchecked: it notifies BN_CLICKED by itself
    PumpMessages();
    EXPECT_EQ(GetFocus(), Control(控件::单选框_指定词库));
    EXPECT_EQ(gHandled, Handled{});
}

// ---- the life of the window

TEST_F(WindowTest, CreatedBeforeShownDestroyedWithValuesInPlace) {
    bool visibleAtCreation = true;
    Text maxLengthAtCreation, maxLengthAtDestruction, comboAtDestruction;
    gOnCreated = [&](Toolkit& ui) {
        visibleAtCreation = IsWindowVisible(MainWindowHandle()) != FALSE;
        maxLengthAtCreation = ui.ReadControlText(控件::编辑框_最大长度);
        ui.WriteControlText(控件::编辑框_最大长度, "20");
    };
    gOnDestroyed = [&](Toolkit& ui) {
        maxLengthAtDestruction = ui.ReadControlText(控件::编辑框_最大长度);
        comboAtDestruction = ui.ReadControlText(控件::组合框_词库列表);
    };
    Load();
    EXPECT_FALSE(visibleAtCreation);
    EXPECT_EQ(maxLengthAtCreation, "13");
    EXPECT_TRUE(IsWindowVisible(MainWindowHandle()));
    EXPECT_FALSE(IsIconic(MainWindowHandle()));
    EXPECT_EQ(GetFocus(), Control(控件::编辑框_最大长度));  // the first of the tab order

    WindowToolkit().WriteControlText(控件::组合框_词库列表, "自选");
    SendMessageW(MainWindowHandle(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(MainWindowExists());
    EXPECT_EQ(maxLengthAtDestruction, "20");
    EXPECT_EQ(comboAtDestruction, "自选");
    EXPECT_EQ(gHandled, (Handled{"created", "destroyed"}));
}

bool QuitPosted(int* code) {
    MSG m;
    if (!PeekMessageW(&m, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) return false;
    *code = static_cast<int>(m.wParam);
    return true;
}

TEST_F(WindowTest, QuitRequestOnlyOnceTheLoopHasStarted) {
    int code = -5;
    Load();
    DestroyWindow(MainWindowHandle());
    EXPECT_FALSE(QuitPosted(&code));

    Load();
    SetLoopStarted();
    DestroyWindow(MainWindowHandle());
    ASSERT_TRUE(QuitPosted(&code));
    EXPECT_EQ(code, 0);
}

TEST_F(WindowTest, SessionEndIsAgreedTo) {
    Build();
    EXPECT_EQ(SendMessageW(MainWindowHandle(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE);
    SendMessageW(MainWindowHandle(), WM_ENDSESSION, FALSE, 0);  // cancelled: the program runs on
    EXPECT_TRUE(MainWindowExists());
}

TEST_F(WindowTest, FocusComesBackAfterDeactivation) {
    Load();
    HWND window = MainWindowHandle();
    SetFocus(Control(控件::按钮_生成));
    SendMessageW(window, WM_ACTIVATE, WA_INACTIVE, 0);
    SetFocus(nullptr);
    SendMessageW(window, WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_EQ(GetFocus(), Control(控件::按钮_生成));
}

BOOL CALLBACK FindMessageBox(HWND h, LPARAM found) {
    wchar_t cls[16];
    GetClassNameW(h, cls, 16);
    if (std::wstring(cls) == L"#32770" && IsWindowVisible(h)) *reinterpret_cast<HWND*>(found) = h;
    return TRUE;
}

// Closes the first message box of `thread` with OK once it shows (10 s at most), after `look`.
std::thread CloseMessageBoxOf(DWORD thread, std::function<void(HWND box)> look) {
    return std::thread([thread, look] {
        HWND box = nullptr;
        for (int i = 0; i < 500 && !box; ++i) {
            EnumThreadWindows(thread, FindMessageBox, reinterpret_cast<LPARAM>(&box));
            if (!box) Sleep(20);
        }
        if (!box) return;
        look(box);
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    });
}

// Closing the box gives the window back its activation and the control its focus, so the user
// types on where they were.
TEST_F(WindowTest, AfterAMessageTheWindowIsActiveAgain) {
    Load();
    HWND button = Control(控件::按钮_生成);
    SetFocus(button);
    std::thread closer = CloseMessageBoxOf(GetCurrentThreadId(), [](HWND) {});
    WindowToolkit().ShowMessage("请填写最大长度和生成个数");
    closer.join();
    PumpMessages();
    EXPECT_EQ(GetActiveWindow(), MainWindowHandle());
    EXPECT_EQ(GetForegroundWindow(), MainWindowHandle());
    EXPECT_EQ(GetFocus(), button);
}

// A message box of the created event appears while the window is hidden, with no owner, the
// caption "信息：", one button, and every window of the thread disabled.
TEST_F(WindowTest, MessageBoxIsTaskModalWithoutOwnerWhileHidden) {
    struct Seen {
        std::wstring caption, text;
        HWND owner = reinterpret_cast<HWND>(1);
        int buttons = 0;
        bool windowVisible = true, windowEnabled = true;
    } seen;
    std::thread closer;
    gOnCreated = [&](Toolkit& ui) {
        DWORD thread = GetCurrentThreadId();
        HWND window = MainWindowHandle();
        closer = std::thread([&seen, thread, window] {
            HWND box = nullptr;
            for (int i = 0; i < 500 && !box; ++i) {  // bounded: 10 s
                EnumThreadWindows(thread, FindMessageBox, reinterpret_cast<LPARAM>(&box));
                if (!box) Sleep(20);
            }
            if (!box) return;
            wchar_t buffer[256];
            GetWindowTextW(box, buffer, 256);
            seen.caption = buffer;
            GetDlgItemTextW(box, 0xFFFF, buffer, 256);
            seen.text = buffer;
            seen.owner = GetWindow(box, GW_OWNER);
            for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
                wchar_t cls[16];
                GetClassNameW(c, cls, 16);
                if (!lstrcmpiW(cls, L"Button")) ++seen.buttons;
            }
            seen.windowVisible = IsWindowVisible(window) != FALSE;
            seen.windowEnabled = IsWindowEnabled(window) != FALSE;
            PostMessageW(box, WM_COMMAND, IDOK, 0);
        });
        ui.ShowMessage("词库丢失，已重新生成。");
    };
    Load();
    closer.join();
    EXPECT_EQ(seen.caption, L"信息：");
    EXPECT_EQ(seen.text, L"词库丢失，已重新生成。");
    EXPECT_EQ(seen.owner, nullptr);
    EXPECT_EQ(seen.buttons, 1);
    EXPECT_FALSE(seen.windowVisible);
    EXPECT_FALSE(seen.windowEnabled);
    EXPECT_TRUE(IsWindowEnabled(MainWindowHandle()));  // enabled again once the box is closed
}

}  // namespace
