#include "ui/toolkit/memory/memory_toolkit.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<EventSource> gRaised;
void RecordAllRadio(Toolkit&) { gRaised.push_back(EventSource::Of(控件::单选框_所有词库)); }
void RecordSpecifiedRadio(Toolkit&) { gRaised.push_back(EventSource::Of(控件::单选框_指定词库)); }
void RecordButton(Toolkit&) { gRaised.push_back(EventSource::Of(控件::按钮_生成)); }
void RecordMenu(Toolkit&) { gRaised.push_back(EventSource::Of(菜单项::作者)); }
void RecordCreated(Toolkit&) { gRaised.push_back(EventSource::Window()); }

constexpr ControlRow kRows[] = {
    {控件::单选框_指定词库, ControlKind::RadioButton, Container::分组框1, 0, 0, 1, 1, "指定", true},
    {控件::单选框_所有词库, ControlKind::RadioButton, Container::分组框1, 0, 0, 1, 1, "所有", true, true},
    {控件::组合框_词库列表, ControlKind::ComboBox, Container::分组框1, 0, 0, 1, 1, nullptr, true},
    {控件::按钮_生成, ControlKind::PushButton, Container::分组框1, 0, 0, 1, 1, "开始生成", true},
    {控件::编辑框_生成结果, ControlKind::EditBox, Container::Window, 0, 0, 1, 1, nullptr, true},
    {控件::编辑框_最大长度, ControlKind::EditBox, Container::分组框1, 0, 0, 1, 1, "13", true},
};
constexpr EventBinding kEvents[] = {
    {EventSource::Window(), Event::Created, RecordCreated},
    {EventSource::Of(控件::单选框_所有词库), Event::Clicked, RecordAllRadio},
    {EventSource::Of(控件::单选框_指定词库), Event::Clicked, RecordSpecifiedRadio},
    {EventSource::Of(控件::按钮_生成), Event::Clicked, RecordButton},
    {EventSource::Of(菜单项::作者), Event::Selected, RecordMenu},
};
const WindowDescription kWindow{"t", 10, 10, "m", {}, kRows, kEvents};

class MemoryToolkitTest : public testing::Test {
protected:
    void SetUp() override {
        gRaised.clear();
        ui.Create();
        gRaised.clear();
    }
    MemoryToolkit ui{kWindow};
};

TEST_F(MemoryToolkitTest, CreationGivesTheRowTexts) {
    EXPECT_EQ(ui.ReadControlText(控件::编辑框_最大长度), "13");
    EXPECT_EQ(ui.ReadControlText(控件::组合框_词库列表), "");
    EXPECT_EQ(ui.ReadChecked(控件::单选框_所有词库), 1);
    EXPECT_EQ(ui.ReadChecked(控件::单选框_指定词库), 0);
}

TEST_F(MemoryToolkitTest, WritesRaiseNoEvent) {
    ui.WriteControlText(控件::编辑框_最大长度, "20");
    ui.WriteChecked(控件::单选框_指定词库, 1);
    ui.AddComboItem(控件::组合框_词库列表, "A");
    ui.WriteSelection(控件::组合框_词库列表, 0);
    ui.AppendEditText(控件::编辑框_生成结果, "x");
    EXPECT_TRUE(gRaised.empty());
    // one button at a time: the other keeps its check
    EXPECT_EQ(ui.ReadChecked(控件::单选框_所有词库), 1);
    EXPECT_EQ(ui.ReadChecked(控件::单选框_指定词库), 1);
}

TEST_F(MemoryToolkitTest, ClickingARadioClearsItsGroupThenRaises) {
    ui.UserClick(控件::单选框_指定词库);
    EXPECT_EQ(ui.ReadChecked(控件::单选框_指定词库), 1);
    EXPECT_EQ(ui.ReadChecked(控件::单选框_所有词库), 0);
    ui.UserClick(控件::按钮_生成);
    ui.UserChoose(菜单项::作者);
    ui.UserChoose(菜单项::说明);  // no handler bound: nothing runs
    std::vector<EventSource> want = {EventSource::Of(控件::单选框_指定词库), EventSource::Of(控件::按钮_生成),
                                     EventSource::Of(菜单项::作者)};
    EXPECT_EQ(gRaised, want);
}

TEST_F(MemoryToolkitTest, WriteSelectionClamps) {
    struct Case { int32_t index; int32_t current; Text text; };
    ui.AddComboItem(控件::组合框_词库列表, "A");
    EXPECT_EQ(ui.AddComboItem(控件::组合框_词库列表, "B"), 1);
    const Case cases[] = {{0, 0, "A"}, {1, 1, "B"}, {7, 1, "B"}, {-1, -1, ""}, {-9, -1, ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        ui.WriteControlText(控件::组合框_词库列表, "typed");
        ui.WriteSelection(控件::组合框_词库列表, c.index);
        EXPECT_EQ(ui.CurrentItem(控件::组合框_词库列表), c.current);
        EXPECT_EQ(ui.ReadControlText(控件::组合框_词库列表), c.text);
    }
}

TEST_F(MemoryToolkitTest, SelectionWithNoItemsSelectsNothing) {
    ui.WriteSelection(控件::组合框_词库列表, 0);
    EXPECT_EQ(ui.CurrentItem(控件::组合框_词库列表), -1);
    EXPECT_EQ(ui.ReadControlText(控件::组合框_词库列表), "");
}

TEST_F(MemoryToolkitTest, WritingComboTextKeepsItemsAndSelection) {
    ui.AddComboItem(控件::组合框_词库列表, "A");
    ui.WriteSelection(控件::组合框_词库列表, 0);
    ui.WriteControlText(控件::组合框_词库列表, "other");
    EXPECT_EQ(ui.CurrentItem(控件::组合框_词库列表), 0);
    EXPECT_EQ(ui.ComboItems(控件::组合框_词库列表), std::vector<Text>{"A"});
}

TEST_F(MemoryToolkitTest, AppendAndMessages) {
    ui.AppendEditText(控件::编辑框_生成结果, "a\r\n");
    ui.AppendEditText(控件::编辑框_生成结果, "b\r\n");
    EXPECT_EQ(ui.ReadControlText(控件::编辑框_生成结果), "a\r\nb\r\n");
    std::vector<Text> seenWhileOpen;
    ui.onMessage = [&](std::string_view t) { seenWhileOpen.emplace_back(t); };
    ui.ShowMessage("信息");
    EXPECT_EQ(ui.Messages(), std::vector<Text>{"信息"});
    EXPECT_EQ(seenWhileOpen, std::vector<Text>{"信息"});
}

}  // namespace
