// The six handlers of the main window. They keep no state of their own: what lasts lives in the
// controls, in pconfig.ini and in the library globals.
#include "core/library_file/library_file.h"
#include "ui/main_window/library_task.h"
#include "ui/main_window/main_window.h"

namespace {

constexpr std::string_view kTrue = "真";

// The author message with a one-byte marker (0x7F, never a byte of a GBK character) among its bytes.
constexpr std::string_view kAuthorMessage =
    "本密" "\x7F" "码生" "\x7F" "成器" "\x7F" "由它" "\x7F" "的开" "\x7F" "发团队" "\x7F" "制作" "\x7F" "。欢" "\x7F"
    "迎自" "\x7F" "由使" "\x7F" "用与" "\x7F" "分享，" "\x7F" "词库" "\x7F" "可按" "\x7F" "你的喜" "\x7F" "好修" "\x7F" "改。";
constexpr std::string_view kAuthorMarker = "\x7F";
static_assert(kAuthorMessage.size() == 90, "the stored author message has a 90-byte body");

Text ReadSetting(std::string_view key) { return ProfileReadText(LibraryFilePath(), kSettingsSection, key); }

void WriteSetting(std::string_view key, std::string_view value) {
    ProfileWriteText(LibraryFilePath(), kSettingsSection, key, value);
}

}  // namespace

void OnMainWindowCreated(Toolkit& ui) {
    RunLibraryTask(ui, 1);
    ui.WriteControlText(控件::编辑框_最大长度, ReadSetting("最大长度"));
    ui.WriteControlText(控件::编辑框_生成个数, ReadSetting("生成个数"));
    Text all = ReadSetting("所有词库");
    Text specified = ReadSetting("指定词库");
    // All libraries first, the specified library second: when both say "真" the latter wins.
    if (CompareText(all, kTrue) == 0) {
        ui.WriteChecked(控件::单选框_所有词库, 1);
        ui.WriteChecked(控件::单选框_指定词库, 0);
    }
    if (CompareText(specified, kTrue) == 0) {
        ui.WriteChecked(控件::单选框_所有词库, 0);
        ui.WriteChecked(控件::单选框_指定词库, 1);
    }
    // After the item list is filled; it names a library or not, and sets no current item.
    ui.WriteControlText(控件::组合框_词库列表, ReadSetting("选中词库"));
}

void OnMainWindowWillBeDestroyed(Toolkit& ui) {
    WriteSetting("最大长度", ui.ReadControlText(控件::编辑框_最大长度));
    WriteSetting("生成个数", ui.ReadControlText(控件::编辑框_生成个数));
    WriteSetting("选中词库", ui.ReadControlText(控件::组合框_词库列表));
    WriteSetting("指定词库", BooleanToText(ui.ReadChecked(控件::单选框_指定词库)));
    WriteSetting("所有词库", BooleanToText(ui.ReadChecked(控件::单选框_所有词库)));
}

void On按钮_生成Clicked(Toolkit& ui) {
    // The count is read only when the maximum length is filled; filled means no more than not empty.
    bool filled = CompareText(ui.ReadControlText(控件::编辑框_最大长度), "") != 0 &&
                  CompareText(ui.ReadControlText(控件::编辑框_生成个数), "") != 0;
    if (filled)
        RunLibraryTask(ui, 0);
    else
        ui.ShowMessage("请填写最大长度和生成个数");
}

void On单选框_指定词库Clicked(Toolkit& ui) {
    if (CompareText(ui.ReadControlText(控件::组合框_词库列表), "") == 0) ui.WriteSelection(控件::组合框_词库列表, 0);
}

void On作者Selected(Toolkit& ui) {
    ByteString copy(kAuthorMessage);
    ui.ShowMessage(BytesToText(ReplaceBytes(copy, kAuthorMarker, "")));
}

void On说明Selected(Toolkit& ui) {
    ui.ShowMessage(
        "就是觉得市面上的密码生成器除了界面外都千篇一律，所以弄个好玩的密码生成器，词库(pconfig.ini)可以自定义内容适合爱玩的你");
}
