// The program as a person meets it: started in a folder of its own, used with the keyboard and
// mouse, closed, started again.
#include <windows.h>

#include "e2e/scenario.h"

namespace {

constexpr std::string_view kAboutMessage =
    "就是觉得市面上的密码生成器除了界面外都千篇一律，所以弄个好玩的密码生成器，词库(pconfig.ini)可以自定义内容适合爱玩的你";
constexpr std::string_view kAuthorMessage = "本密码生成器由它的开发团队制作。欢迎自由使用与分享，词库可按你的喜好修改。";

using FirstStart = Scenario;

TEST_F(FirstStart, SaysTheFileWasMissingBeforeTheWindowShowsThenShowsItCentredAndEmpty) {
    ASSERT_TRUE(Start());
    HWND box = program->WaitMessageBox(kStartLimit);
    ASSERT_TRUE(box) << "no message about the missing file";
    HWND main = program->MainWindow();
    ASSERT_TRUE(main) << "the window is built before its created event";
    EXPECT_FALSE(IsWindowVisible(main)) << "the window is shown while the message is open";
    // The default library is written only once the message has been answered.
    EXPECT_FALSE(folder.ReadLibraryFile().has_value());
    ASSERT_TRUE(AnswerMessage(kMissingFileMessage));
    ASSERT_TRUE(program->WaitMainWindowShown());

    RECT r = {};
    ASSERT_TRUE(GetWindowRect(main, &r));
    EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - 454) / 2);
    EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - 333) / 2);
    EXPECT_EQ(r.right - r.left, 454);
    EXPECT_EQ(r.bottom - r.top, 333);
    EXPECT_EQ(WindowText(main), "Password ");

    EXPECT_EQ(program->ComboItems(), TextList{"默认"});
    EXPECT_EQ(program->ControlText(控件::组合框_词库列表), "");
    EXPECT_EQ(program->ControlText(控件::编辑框_最大长度), "");
    EXPECT_EQ(program->ControlText(控件::编辑框_生成个数), "");
    EXPECT_EQ(program->ControlText(控件::编辑框_生成结果), "");
    EXPECT_EQ(program->Checked(控件::单选框_所有词库), 1);
    EXPECT_EQ(program->Checked(控件::单选框_指定词库), 0);
    EXPECT_TRUE(program->WaitFocus(控件::编辑框_最大长度));
    EXPECT_EQ(program->MessageBox(), nullptr);

    std::optional<std::string> file = folder.ReadLibraryFile();
    ASSERT_TRUE(file);
    std::vector<IniSection> sections = ParseIni(*file);
    ASSERT_EQ(sections.size(), 1u) << *file;
    EXPECT_EQ(sections[0].name, "默认");
    ASSERT_EQ(sections[0].keys.size(), 1u);
    EXPECT_EQ(sections[0].keys[0].name, "配置项名称");
    EXPECT_EQ(sections[0].keys[0].value, kDefaultWords);
    EXPECT_EQ(sections[0].keys[0].value.size(), 66u);
    EXPECT_TRUE(CloseAndExit(CloseWay::EscKey));
}

using Generate = Scenario;

// One run: the button refuses empty fields and leaves the results alone; 13 and 5 then Enter give
// five passphrases of the default library; a maximum length that is no number still runs.
TEST_F(Generate, RefusesEmptyFieldsAndMakesTheAskedLines) {
    folder.WriteLibraryFile(DefaultLibraryFile());
    ASSERT_TRUE(StartShown());

    ASSERT_TRUE(Click(控件::按钮_生成));
    ASSERT_TRUE(AnswerMessage(kFillFieldsMessage)) << "both fields empty";

    ASSERT_TRUE(Fill(控件::编辑框_最大长度, "13"));
    ASSERT_TRUE(Fill(控件::编辑框_生成个数, "5"));
    PressKey(VK_RETURN);
    TextList lines;
    ASSERT_TRUE(WaitResultLines(5, &lines));
    for (const Text& line : lines) {
        SCOPED_TRACE(line);
        EXPECT_FALSE(line.empty());  // every word of the library is shorter than 13
        EXPECT_TRUE(IsPassphraseOf(line, kDefaultWords));
        EXPECT_LT(LetterCount(line), 13);
    }
    EXPECT_TRUE(SaveScreenshot(program->MainWindow(), ArtifactPath(L"e2e_window_after_generation.png")));
    Text generated = Results();

    ASSERT_TRUE(Fill(控件::编辑框_生成个数, ""));
    ASSERT_TRUE(Click(控件::按钮_生成));
    ASSERT_TRUE(AnswerMessage(kFillFieldsMessage)) << "count empty";
    EXPECT_EQ(Results(), generated);

    ASSERT_TRUE(Fill(控件::编辑框_最大长度, ""));
    ASSERT_TRUE(Fill(控件::编辑框_生成个数, "5"));
    ASSERT_TRUE(Click(控件::按钮_生成));
    ASSERT_TRUE(AnswerMessage(kFillFieldsMessage)) << "maximum length empty";
    EXPECT_EQ(Results(), generated);

    // Filled is only "not empty": letters pasted into the maximum length give M = 0, empty lines.
    ASSERT_TRUE(Paste(控件::编辑框_最大长度, L"abc", "abc"));
    ASSERT_TRUE(Fill(控件::编辑框_生成个数, "2"));
    ASSERT_TRUE(Click(控件::按钮_生成));
    ASSERT_TRUE(WaitUntil([&] { return Results() == "\r\n\r\n"; }, kReactLimit)) << Results();
    EXPECT_EQ(program->MessageBox(), nullptr);
    EXPECT_TRUE(CloseAndExit(CloseWay::EscKey));
}

// A library deleted while the program runs comes back at the next Generate, with its message,
// and the run goes on with it.
TEST_F(Generate, RegeneratesAFileDeletedWhileRunning) {
    folder.WriteLibraryFile(DefaultLibraryFile());
    ASSERT_TRUE(StartShown());
    ASSERT_TRUE(GenerateLines("13", 3));

    ASSERT_TRUE(folder.Remove(L"pconfig.ini"));
    ASSERT_TRUE(Click(控件::按钮_生成));
    ASSERT_TRUE(program->WaitMessageBox());
    EXPECT_EQ(Results(), "") << "the results box is emptied before the file is tested";
    EXPECT_FALSE(folder.ReadLibraryFile().has_value()) << "written before the message was answered";
    ASSERT_TRUE(AnswerMessage(kMissingFileMessage));
    TextList lines;
    ASSERT_TRUE(WaitResultLines(3, &lines));
    for (const Text& line : lines) EXPECT_TRUE(IsPassphraseOf(line, kDefaultWords));
    std::optional<std::string> file = folder.ReadLibraryFile();
    ASSERT_TRUE(file);
    std::vector<IniSection> sections = ParseIni(*file);
    ASSERT_EQ(sections.size(), 1u) << *file;
    ASSERT_EQ(sections[0].keys.size(), 1u);
    EXPECT_EQ(sections[0].keys[0].value, kDefaultWords);
    // Once the message is answered the window is active again, so the keyboard reaches it.
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == program->MainWindow(); }, kReactLimit))
        << "no window is active after the message box closed";
    EXPECT_TRUE(CloseAndExit(CloseWay::EscKey));
}

using Typing = Scenario;

// Real keys into the two number boxes: only digits and '-' are taken, up to the box's limit.
TEST_F(Typing, NumberBoxesTakeDigitsAndMinusUpToTheirLimit) {
    struct Case {
        控件 box;
        std::string_view keys;
        std::string_view shown;
    };
    const Case cases[] = {
        {控件::编辑框_生成个数, "a", ""},
        {控件::编辑框_生成个数, "-", "-"},
        {控件::编辑框_生成个数, "a1 X-2", "1-"},  // the third character is refused
        {控件::编辑框_最大长度, "9a8 +7-65", "987-6"},  // the sixth is refused
        {控件::编辑框_最大长度, "--3--", "--3--"},      // minus signs anywhere, as many as fit
    };
    folder.WriteLibraryFile(DefaultLibraryFile());
    ASSERT_TRUE(StartShown());
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "typing '" << c.keys << "' into " << static_cast<int>(c.box));
        ASSERT_TRUE(Fill(c.box, "", ""));
        TypeKeys(c.keys);
        // Tab goes after every key typed: once the focus has moved, every key has been seen.
        PressKey(VK_TAB);
        ASSERT_TRUE(WaitUntil([&] { return program->Focus() != c.box; }, kReactLimit));
        EXPECT_EQ(program->ControlText(c.box), c.shown);
    }
    EXPECT_TRUE(CloseAndExit(CloseWay::EscKey));
}

// Pasted text is not filtered; the limit still holds.
TEST_F(Typing, PastedLettersStayInTheCountBox) {
    struct Case {
        控件 box;
        std::wstring_view pasted;
        std::string_view shown;
    };
    const Case cases[] = {
        {控件::编辑框_生成个数, L"ab", "ab"},
        {控件::编辑框_生成个数, L"xyz", "xy"},
        {控件::编辑框_最大长度, L"abcdefg", "abcde"},
    };
    folder.WriteLibraryFile(DefaultLibraryFile());
    ASSERT_TRUE(StartShown());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown);
        EXPECT_TRUE(Paste(c.box, c.pasted, c.shown));
    }
    EXPECT_TRUE(CloseAndExit(CloseWay::EscKey));
}

using Keyboard = Scenario;

TEST_F(Keyboard, EnterBreaksTheLineInTheResultsAndGeneratesElsewhere) {
    folder.WriteLibraryFile(DefaultLibraryFile());
    ASSERT_TRUE(StartShown());
    ASSERT_TRUE(Fill(控件::编辑框_最大长度, "13"));
    ASSERT_TRUE(Fill(控件::编辑框_生成个数, "1"));

    ASSERT_TRUE(Click(控件::编辑框_生成结果));
    ASSERT_TRUE(program->WaitFocus(控件::编辑框_生成结果));
    TypeKeys("x");
    PressKey(VK_RETURN);
    TypeKeys("y");
    EXPECT_TRUE(program->WaitText(控件::编辑框_生成结果, "x\r\ny")) << Results();
    EXPECT_EQ(program->Focus(), 控件::编辑框_生成结果);

    for (控件 at : {控件::编辑框_最大长度, 控件::编辑框_生成个数, 控件::组合框_词库列表, 控件::单选框_所有词库,
                    控件::单选框_指定词库, 控件::按钮_生成}) {
        SCOPED_TRACE(static_cast<int>(at));
        // A mark in the results box that a generation run must wipe out.
        ASSERT_TRUE(Click(控件::编辑框_生成结果));
        ASSERT_TRUE(program->WaitFocus(控件::编辑框_生成结果));
        PressKey(VK_END, kControl);
        TypeKeys("q");
        ASSERT_TRUE(WaitUntil([&] { return Results().ends_with("q"); }, kReactLimit));
        ASSERT_TRUE(TabTo(at));
        PressKey(VK_RETURN);
        TextList lines;
        EXPECT_TRUE(WaitResultLines(1, &lines));
        if (!lines.empty()) {
            EXPECT_TRUE(IsPassphraseOf(lines[0], kDefaultWords));
        }
        EXPECT_EQ(program->Focus(), at) << "Enter moved the focus";
    }
    EXPECT_EQ(program->Checked(控件::单选框_所有词库), 1);
    EXPECT_TRUE(CloseAndExit(CloseWay::EscKey));
}

TEST_F(Keyboard, TabAndShiftTabGoRoundTheControlsAndWrap) {
    const 控件 order[] = {控件::编辑框_最大长度, 控件::编辑框_生成个数, 控件::编辑框_生成结果, 控件::按钮_生成,
                          控件::组合框_词库列表, 控件::单选框_所有词库, 控件::单选框_指定词库};
    constexpr int n = static_cast<int>(std::size(order));
    folder.WriteLibraryFile(DefaultLibraryFile());
    ASSERT_TRUE(StartShown());
    ASSERT_TRUE(program->WaitFocus(order[0])) << "the first control of the tab order has the focus at start";
    for (int step = 1; step <= n; ++step) {
        PressKey(VK_TAB);
        EXPECT_TRUE(program->WaitFocus(order[step % n])) << "Tab number " << step;
    }
    for (int step = 1; step <= n; ++step) {
        PressKey(VK_TAB, kShift);
        EXPECT_TRUE(program->WaitFocus(order[(n - step) % n])) << "Shift+Tab number " << step;
    }
    EXPECT_EQ(Results(), "") << "Tab in the results box inserted a character";
    EXPECT_EQ(program->Checked(控件::单选框_所有词库), 1) << "the focus alone changes no check";
    EXPECT_EQ(program->Checked(控件::单选框_指定词库), 0);
    EXPECT_EQ(program->ControlText(控件::组合框_词库列表), "") << "gaining the focus raised the click";
    EXPECT_TRUE(CloseAndExit(CloseWay::EscKey));
}

TEST_F(Keyboard, AnArrowOnTheCheckedAllLibrariesButtonChecksTheOtherAndShowsTheFirstLibrary) {
    folder.WriteLibraryFile(DefaultLibraryFile() + "[第二]\r\n配置项名称=x、y\r\n");
    for (WORD key : {VK_DOWN, VK_UP, VK_LEFT, VK_RIGHT}) {
        SCOPED_TRACE(testing::Message() << "virtual key " << key);
        ASSERT_TRUE(StartShown());
        ASSERT_TRUE(TabTo(控件::单选框_所有词库));
        ASSERT_EQ(program->Checked(控件::单选框_所有词库), 1);
        PressKey(key);
        EXPECT_TRUE(program->WaitFocus(控件::单选框_指定词库));
        EXPECT_TRUE(program->WaitText(控件::组合框_词库列表, "默认"));
        EXPECT_EQ(program->ComboSelection(), 0);
        EXPECT_EQ(program->Checked(控件::单选框_指定词库), 1);
        EXPECT_EQ(program->Checked(控件::单选框_所有词库), 0);
        ASSERT_TRUE(CloseAndExit(CloseWay::EscKey));
        // The next start begins from the defaults again.
        folder.WriteLibraryFile(DefaultLibraryFile() + "[第二]\r\n配置项名称=x、y\r\n");
    }
}

using Closing = Scenario;

// Each way of closing saves the settings once and ends with 0; the next start shows them again.
TEST_F(Closing, EveryWaySavesTheSettingsOnceAndTheNextStartRestoresThem) {
    for (CloseWay way : {CloseWay::EscKey, CloseWay::SystemMenuClose, CloseWay::AltF4, CloseWay::CloseButton}) {
        SCOPED_TRACE(Name(way));
        folder.Remove(L"pconfig.ini");
        ASSERT_TRUE(StartShown());
        ASSERT_TRUE(Fill(控件::编辑框_最大长度, "20"));
        ASSERT_TRUE(Fill(控件::编辑框_生成个数, "5"));
        ASSERT_TRUE(Click(控件::单选框_指定词库));
        ASSERT_TRUE(program->WaitText(控件::组合框_词库列表, "默认"));
        ASSERT_TRUE(Click(控件::编辑框_生成个数));  // closing while typing in a box
        ASSERT_TRUE(program->WaitFocus(控件::编辑框_生成个数));
        std::optional<std::string> before = folder.ReadLibraryFile();
        ASSERT_TRUE(before);
        ASSERT_TRUE(CloseAndExit(way));

        std::optional<std::string> after = folder.ReadLibraryFile();
        ASSERT_TRUE(after);
        EXPECT_TRUE(after->starts_with(*before)) << "the library part was rewritten:\n" << *after;
        std::vector<IniSection> sections = ParseIni(*after);
        std::vector<const IniSection*> settings = SectionsNamed(sections, "配置");
        ASSERT_EQ(settings.size(), 1u) << *after;
        const std::vector<IniKey> expected = {
            {"最大长度", "20"}, {"生成个数", "5"}, {"选中词库", "默认"}, {"指定词库", "真"}, {"所有词库", "假"}};
        ASSERT_EQ(settings[0]->keys.size(), expected.size()) << *after;
        for (size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(settings[0]->keys[i].name, expected[i].name);
            EXPECT_EQ(settings[0]->keys[i].value, expected[i].value);
        }

        ASSERT_TRUE(StartShown());
        EXPECT_EQ(program->MessageBox(), nullptr);
        EXPECT_EQ(program->ControlText(控件::编辑框_最大长度), "20");
        EXPECT_EQ(program->ControlText(控件::编辑框_生成个数), "5");
        EXPECT_EQ(program->ControlText(控件::组合框_词库列表), "默认");
        EXPECT_EQ(program->Checked(控件::单选框_指定词库), 1);
        EXPECT_EQ(program->Checked(控件::单选框_所有词库), 0);
        ASSERT_TRUE(CloseAndExit(CloseWay::EscKey));
        EXPECT_EQ(folder.ReadLibraryFile(), after) << "the same settings saved again changed the file";
    }
}

using Menu = Scenario;

// Each menu item shows exactly its message, once, and changes nothing in the window.
TEST_F(Menu, EachItemShowsItsMessage) {
    struct Case {
        int item;  // in the menu "关于...", from 1
        std::string_view message;
    };
    const Case cases[] = {{1, kAuthorMessage}, {2, kAboutMessage}};
    folder.WriteLibraryFile(DefaultLibraryFile());
    ASSERT_TRUE(StartShown());
    ASSERT_TRUE(GenerateLines("13", 2));
    Text results = Results();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        // F10 opens the menu bar; Enter drops its one menu down with the first item marked.
        PressKey(VK_F10);
        PressKey(VK_RETURN);
        ASSERT_TRUE(WaitUntil([&] { return program->PopupMenu() != nullptr; }, kReactLimit));
        for (int i = 0; i < c.item - 1; ++i) PressKey(VK_DOWN);
        PressKey(VK_RETURN);
        ASSERT_TRUE(AnswerMessage(c.message));
        // A second box would disable the window: typing into it shows that none is open.
        ASSERT_TRUE(Fill(控件::编辑框_生成个数, c.item == 1 ? "3" : "2"));
        EXPECT_EQ(program->MessageBox(), nullptr);
        EXPECT_EQ(Results(), results);
        EXPECT_EQ(program->ControlText(控件::编辑框_最大长度), "13");
    }
    EXPECT_TRUE(CloseAndExit(CloseWay::EscKey));
}

}  // namespace
