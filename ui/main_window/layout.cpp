#include "ui/main_window/main_window.h"

namespace {

constexpr EditOptions kNumberBox(int32_t limit) { return {false, true, limit, true}; }

// Layout order: within a container an earlier row lies above every later one, and the focusable
// rows read backwards give the tab order.
constexpr ControlRow kControls[] = {
    {控件::单选框_指定词库, ControlKind::RadioButton, Container::分组框1, 326, 32, 112, 24, "指定使用词库", true},
    {控件::单选框_所有词库, ControlKind::RadioButton, Container::分组框1, 326, 8, 112, 24, "使用所有词库", true, true},
    // A drop-down combo box is given 160 pixels: the closed box shows its edit field, the rest is its list.
    {控件::组合框_词库列表, ControlKind::ComboBox, Container::分组框1, 326, 56, 112, 160, nullptr, true},
    {控件::按钮_生成, ControlKind::PushButton, Container::分组框1, 164, 40, 71, 24, "开始生成", true},
    {控件::编辑框_生成结果, ControlKind::EditBox, Container::Window, 1, 80, 446, 80, nullptr, true, false,
     {true, false, 0, false}},
    {控件::编辑框_生成个数, ControlKind::EditBox, Container::分组框1, 70, 46, 80, 24, "1", true, false, kNumberBox(2)},
    {控件::编辑框_最大长度, ControlKind::EditBox, Container::分组框1, 70, 16, 80, 24, "13", true, false, kNumberBox(5)},
    {控件::标签2, ControlKind::Label, Container::分组框1, 8, 46, 80, 24, "生成个数：", false},
    {控件::标签1, ControlKind::Label, Container::分组框1, 8, 16, 80, 24, "最大长度：", false},
    {控件::分组框1, ControlKind::GroupBox, Container::Window, 1, 0, 446, 80, "密码参数", false},
    {控件::图片框1, ControlKind::PictureBox, Container::Window, 1, 160, 446, 128, nullptr, false},
};

constexpr MenuItemRow kMenuItems[] = {
    {菜单项::作者, "作者"},
    {菜单项::说明, "说明"},
};

constexpr EventBinding kEvents[] = {
    {EventSource::Window(), Event::Created, OnMainWindowCreated},
    {EventSource::Window(), Event::WillBeDestroyed, OnMainWindowWillBeDestroyed},
    {EventSource::Of(控件::按钮_生成), Event::Clicked, On按钮_生成Clicked},
    {EventSource::Of(控件::单选框_指定词库), Event::Clicked, On单选框_指定词库Clicked},
    {EventSource::Of(菜单项::作者), Event::Selected, On作者Selected},
    {EventSource::Of(菜单项::说明), Event::Selected, On说明Selected},
};

constexpr WindowDescription kMainWindow{"Password ", 454, 333, "关于...", kMenuItems, kControls, kEvents};

}  // namespace

const WindowDescription& MainWindow() { return kMainWindow; }
