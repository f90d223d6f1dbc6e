#include "ui/main_window/library_task.h"

#include <algorithm>

#include "core/generator/library_globals.h"
#include "core/generator/passphrase.h"
#include "core/library_file/library_file.h"

namespace {

bool IsSettingsSection(std::string_view name) { return CompareText(name, kSettingsSection) == 0; }

void ListLibraries(Toolkit& ui, const Text& path) {
    LibraryNames = ProfileSectionNames(path);
    int32_t count = ListSize(LibraryNames);
    for (int32_t i = 1; i <= count; ++i) {
        const Text& name = ListMember(LibraryNames, i);
        if (!IsSettingsSection(name)) ui.AddComboItem(控件::组合框_词库列表, name);
    }
}

void GatherWordPool(Toolkit& ui, const Text& path) {
    if (ui.ReadChecked(控件::单选框_所有词库) == 1) {
        // Each list is followed by a separator, so the pool's end gives no empty member.
        Text pool;
        for (const Text& name : LibraryNames) {
            if (IsSettingsSection(name)) continue;
            pool.append(ProfileReadText(path, name, kWordListKey));
            pool.append(kWordSeparator);
        }
        WordPool = std::move(pool);
    }
    // Checked after the all-libraries case, so a single library wins if both were checked.
    if (ui.ReadChecked(控件::单选框_指定词库) == 1)
        WordPool = ProfileReadText(path, ui.ReadControlText(控件::组合框_词库列表), kWordListKey);
}

void Generate(Toolkit& ui, const Text& path) {
    GatherWordPool(ui, path);
    int32_t count = std::min(TextToInteger(ui.ReadControlText(控件::编辑框_生成个数)), kMaxPassphrasesPerRun);
    if (count <= 0) return;

    WordList words(WordPool);  // split once for the whole run
    // All lines go into the box in one edit: the same text as line by line, without a redraw each.
    Text lines;
    for (int32_t k = 1; k <= count; ++k) {
        int32_t maxLength = TextToInteger(ui.ReadControlText(控件::编辑框_最大长度));
        lines.append(AssemblePassphrase(words, maxLength, ProgramRandomSource()));
        lines.append("\r\n");
    }
    ui.AppendEditText(控件::编辑框_生成结果, lines);
}

}  // namespace

void RunLibraryTask(Toolkit& ui, int32_t mode) {
    Text path = LibraryFilePath();
    ui.WriteControlText(控件::编辑框_生成结果, "");
    if (!FileExists(path)) {
        // The message first: the file is written only once the user has closed it.
        ui.ShowMessage("词库丢失，已重新生成。");
        ProfileWriteText(path, kDefaultLibrary, kWordListKey, kDefaultWordList);
    }
    if (mode == 1)
        ListLibraries(ui, path);
    else
        Generate(ui, path);
}
