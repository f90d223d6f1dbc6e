// The window's logic driven as a user's session would, on the memory backend with a real
// pconfig.ini in a scratch folder.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/generator/library_globals.h"
#include "core/library_file/library_file.h"
#include "testing/scratch_folder.h"
#include "ui/main_window/library_task.h"
#include "ui/main_window/main_window.h"
#include "ui/toolkit/memory/memory_toolkit.h"

namespace {

constexpr std::string_view kMissingMessage = "词库丢失，已重新生成。";
constexpr std::string_view kFillInMessage = "请填写最大长度和生成个数";

class Session : public testing::Test {
protected:
    void SetUp() override {
        FixRunDirectory(folder.ProgramPath("Password.exe"));
        LibraryNames = NewTextList();
        WordPool.clear();
    }

    // A fresh window over the same folder, as at the next start of the program.
    MemoryToolkit& Start() {
        ui = std::make_unique<MemoryToolkit>(MainWindow());
        ui->Create();
        return *ui;
    }

    std::string Setting(std::string_view key) { return ProfileReadText(LibraryFilePath(), "配置", key); }

    std::vector<std::string> Lines() {
        std::string text = ui->ReadControlText(控件::编辑框_生成结果);
        std::vector<std::string> lines;
        size_t start = 0;
        for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
            lines.push_back(text.substr(start, end - start));
        EXPECT_EQ(start, text.size()) << "every line ends in CR LF";
        return lines;
    }

    void Generate(std::string_view maxLength, std::string_view count) {
        ui->UserType(控件::编辑框_最大长度, maxLength);
        ui->UserType(控件::编辑框_生成个数, count);
        ui->UserClick(控件::按钮_生成);
    }

    ScratchFolder folder;
    std::unique_ptr<MemoryToolkit> ui;
};

// Whether every word of the line, each followed by one space, is one of `words`.
bool IsRunOf(const std::string& line, const std::vector<std::string>& words) {
    size_t p = 0;
    while (p < line.size()) {
        size_t space = line.find(' ', p);
        if (space == std::string::npos) return false;
        bool member = false;
        for (const std::string& w : words) member = member || std::string_view(line).substr(p, space - p) == w;
        if (!member) return false;
        p = space + 1;
    }
    return true;
}

TEST_F(Session, FirstStartRegeneratesTheFileAfterTheMessage) {
    std::vector<bool> fileExistedWhileShown;
    MemoryToolkit pending(MainWindow());
    pending.onMessage = [&](std::string_view) { fileExistedWhileShown.push_back(folder.Exists("pconfig.ini")); };
    pending.Create();

    EXPECT_EQ(pending.Messages(), std::vector<Text>{Text(kMissingMessage)});
    EXPECT_EQ(fileExistedWhileShown, std::vector<bool>{false});
    EXPECT_EQ(ProfileSectionNames(LibraryFilePath()), TextList{"默认"});
    EXPECT_EQ(ProfileReadText(LibraryFilePath(), "默认", "配置项名称"), kDefaultWordList);
    EXPECT_EQ(kDefaultWordList.size(), 66u);
    EXPECT_EQ(folder.Read("pconfig.ini"), "[默认]\r\n配置项名称=" + std::string(kDefaultWordList) + "\r\n");

    EXPECT_EQ(pending.ComboItems(控件::组合框_词库列表), std::vector<Text>{"默认"});
    EXPECT_EQ(pending.ReadControlText(控件::组合框_词库列表), "");
    EXPECT_EQ(pending.ReadControlText(控件::编辑框_最大长度), "");  // the layout's "13" does not survive
    EXPECT_EQ(pending.ReadControlText(控件::编辑框_生成个数), "");
    EXPECT_EQ(pending.ReadChecked(控件::单选框_所有词库), 1);
    EXPECT_EQ(pending.ReadChecked(控件::单选框_指定词库), 0);

    pending.WriteControlText(控件::编辑框_生成结果, "kept");
    pending.UserClick(控件::按钮_生成);
    EXPECT_EQ(pending.Messages().back(), kFillInMessage);
    EXPECT_EQ(pending.ReadControlText(控件::编辑框_生成结果), "kept");
}

TEST_F(Session, SettingsLastUntilTheNextStart) {
    Start();
    ui->UserType(控件::编辑框_最大长度, "20");
    ui->UserType(控件::编辑框_生成个数, "5");
    ui->UserPick(控件::组合框_词库列表, 0);
    ui->UserClick(控件::单选框_指定词库);
    ui->Destroy();

    EXPECT_EQ(folder.Read("pconfig.ini"),
              "[默认]\r\n配置项名称=" + std::string(kDefaultWordList) +
                  "\r\n[配置]\r\n最大长度=20\r\n生成个数=5\r\n选中词库=默认\r\n指定词库=真\r\n所有词库=假\r\n");

    MemoryToolkit& next = Start();
    EXPECT_TRUE(next.Messages().empty());
    EXPECT_EQ(next.ReadControlText(控件::编辑框_最大长度), "20");
    EXPECT_EQ(next.ReadControlText(控件::编辑框_生成个数), "5");
    EXPECT_EQ(next.ReadControlText(控件::组合框_词库列表), "默认");
    EXPECT_EQ(next.CurrentItem(控件::组合框_词库列表), -1);  // the text is written, no item is made current
    EXPECT_EQ(next.ReadChecked(控件::单选框_指定词库), 1);
    EXPECT_EQ(next.ReadChecked(控件::单选框_所有词库), 0);
}

TEST_F(Session, EmptyFieldsAndUnknownLibrarySaveAndComeBackAsTheyWere) {
    Start();
    ui->UserType(控件::编辑框_最大长度, "");
    ui->UserType(控件::组合框_词库列表, "无此词库");
    ui->Destroy();
    EXPECT_EQ(Setting("生成个数"), "");
    EXPECT_NE(folder.Read("pconfig.ini").find("\r\n最大长度=\r\n"), std::string::npos);

    MemoryToolkit& next = Start();
    EXPECT_EQ(next.ReadControlText(控件::编辑框_最大长度), "");
    EXPECT_EQ(next.ReadControlText(控件::组合框_词库列表), "无此词库");
}

TEST_F(Session, OnlyExactlyTrueSelectsARadioButton) {
    struct Case { std::string all, specified; int32_t allChecked, specifiedChecked; };
    const Case cases[] = {
        {"真", "真", 0, 1},      // all libraries first, the specified library second
        {"真", "假", 1, 0},
        {"假", "真", 0, 1},
        {"假", "假", 1, 0},      // neither: the states of the layout stay
        {"1", "", 1, 0},
        {"true", "TRUE", 1, 0},
        {"真真", "真x", 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.all + " / " + c.specified);
        folder.Write("pconfig.ini", "[默认]\r\n配置项名称=a\r\n[配置]\r\n所有词库=" + c.all + "\r\n指定词库=" + c.specified + "\r\n");
        MemoryToolkit& w = Start();
        EXPECT_EQ(w.ReadChecked(控件::单选框_所有词库), c.allChecked);
        EXPECT_EQ(w.ReadChecked(控件::单选框_指定词库), c.specifiedChecked);
    }
}

TEST_F(Session, PoolsFromAllLibrariesOrFromOne) {
    folder.Write("pconfig.ini", "[配置]\r\n最大长度=13\r\n[A]\r\n配置项名称=x、y\r\n[B]\r\n配置项名称=z\r\n");
    Start();
    EXPECT_EQ(LibraryNames, (TextList{"配置", "A", "B"}));
    EXPECT_EQ(ui->ComboItems(控件::组合框_词库列表), (std::vector<Text>{"A", "B"}));

    Generate("13", "3");
    EXPECT_EQ(WordPool, "x、y、z、");
    Generate("13", "3");
    EXPECT_EQ(WordPool, "x、y、z、");
    for (const std::string& line : Lines()) EXPECT_TRUE(IsRunOf(line, {"x", "y", "z"})) << line;

    ui->UserType(控件::组合框_词库列表, "A");
    ui->UserClick(控件::单选框_指定词库);
    Generate("13", "3");
    EXPECT_EQ(WordPool, "x、y");
    for (const std::string& line : Lines()) EXPECT_TRUE(IsRunOf(line, {"x", "y"})) << line;

    ui->UserClick(控件::单选框_所有词库);
    Generate("13", "3");
    EXPECT_EQ(WordPool, "x、y、z、");
}

TEST_F(Session, CountOfLines) {
    struct Case { std::string count; size_t lines; };
    const Case cases[] = {{"3", 3}, {"1", 1}, {"0", 0}, {"-2", 0}, {"abc", 0}, {"99", 99}, {"99999999", 99}};
    Start();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.count);
        Generate("13", c.count);
        std::vector<std::string> lines = Lines();
        EXPECT_EQ(lines.size(), c.lines);
        for (const std::string& line : lines) {
            size_t letters = 0;
            for (char ch : line) letters += ch != ' ';
            EXPECT_LT(letters, 13u) << line;
            EXPECT_TRUE(IsRunOf(line, {"one", "two", "three", "four", "five", "six", "seven", "eight", "nine", "ten",
                                       "48zumbo"}))
                << line;
        }
    }
}

TEST_F(Session, FieldsThatAreFilledButNoNumberStillRun) {
    Start();
    Generate("abc", "2");  // M = 0: two empty lines, no message
    EXPECT_TRUE(ui->Messages().back() != kFillInMessage);
    EXPECT_EQ(ui->ReadControlText(控件::编辑框_生成结果), "\r\n\r\n");
    Generate("", "2");
    EXPECT_EQ(ui->Messages().back(), kFillInMessage);
    Generate("13", "");
    EXPECT_EQ(ui->Messages().back(), kFillInMessage);
}

TEST_F(Session, FileDeletedWhileRunningIsRegeneratedAndTheRunGoesOn) {
    Start();
    size_t shown = ui->Messages().size();
    folder.Remove("pconfig.ini");
    Generate("13", "3");
    EXPECT_EQ(ui->Messages().size(), shown + 1);
    EXPECT_EQ(ui->Messages().back(), kMissingMessage);
    EXPECT_EQ(ProfileReadText(LibraryFilePath(), "默认", "配置项名称"), kDefaultWordList);
    EXPECT_EQ(Lines().size(), 3u);
    EXPECT_EQ(WordPool, std::string(kDefaultWordList) + "、");
}

TEST_F(Session, HandEditBetweenRunsTakesEffect) {
    folder.Write("pconfig.ini", "[A]\r\n配置项名称=x\r\n");
    Start();
    ui->UserType(控件::组合框_词库列表, "A");
    ui->UserClick(控件::单选框_指定词库);
    Generate("5", "2");
    EXPECT_EQ(Lines(), (std::vector<std::string>{"x x x x ", "x x x x "}));
    folder.Write("pconfig.ini", "[A]\r\n配置项名称=yy\r\n");
    Generate("5", "2");
    EXPECT_EQ(Lines(), (std::vector<std::string>{"yy yy ", "yy yy "}));
    // a library whose section has vanished reads as the empty list: empty lines, no fault
    ui->UserType(控件::组合框_词库列表, "gone");
    Generate("5", "2");
    EXPECT_EQ(Lines(), (std::vector<std::string>{"", ""}));
}

TEST_F(Session, SpecifiedLibraryRadioShowsTheFirstLibraryOnlyWhenTheComboIsEmpty) {
    folder.Write("pconfig.ini", "[A]\r\n配置项名称=x\r\n[B]\r\n配置项名称=y\r\n");
    Start();
    ui->UserClick(控件::单选框_指定词库);
    EXPECT_EQ(ui->CurrentItem(控件::组合框_词库列表), 0);
    EXPECT_EQ(ui->ReadControlText(控件::组合框_词库列表), "A");

    ui->UserPick(控件::组合框_词库列表, 1);
    ui->UserType(控件::组合框_词库列表, "typed");
    ui->UserClick(控件::单选框_指定词库);
    EXPECT_EQ(ui->ReadControlText(控件::组合框_词库列表), "typed");

    ui->UserClick(控件::单选框_所有词库);  // runs no program code
    EXPECT_EQ(ui->ReadControlText(控件::组合框_词库列表), "typed");
}

TEST_F(Session, SpecifiedLibraryRadioWithNoLibraries) {
    folder.Write("pconfig.ini", "[配置]\r\n最大长度=13\r\n");
    Start();
    ui->UserClick(控件::单选框_指定词库);
    EXPECT_EQ(ui->CurrentItem(控件::组合框_词库列表), -1);
    EXPECT_EQ(ui->ReadControlText(控件::组合框_词库列表), "");
}

TEST_F(Session, MenuItemsShowOneMessageAndChangeNothing) {
    Start();
    std::string before = folder.Read("pconfig.ini");
    size_t shown = ui->Messages().size();
    ui->UserChoose(菜单项::作者);
    ui->UserChoose(菜单项::说明);
    ASSERT_EQ(ui->Messages().size(), shown + 2);
    EXPECT_EQ(ui->Messages()[shown], "本密码生成器由它的开发团队制作。欢迎自由使用与分享，词库可按你的喜好修改。");
    EXPECT_EQ(ui->Messages()[shown + 1],
              "就是觉得市面上的密码生成器除了界面外都千篇一律，所以弄个好玩的密码生成器，词库(pconfig.ini)可以自定义内容适合爱玩的你");
    EXPECT_EQ(ui->Messages()[shown + 1].size(), 117u);
    EXPECT_EQ(folder.Read("pconfig.ini"), before);
}

}  // namespace
