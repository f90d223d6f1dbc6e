#include "e2e/scenario.h"

namespace {

std::wstring gArtifactFolder = L".";

testing::AssertionResult Failed(std::string_view what) { return testing::AssertionFailure() << what; }

}  // namespace

std::string DefaultLibraryFile() { return "[默认]\r\n配置项名称=" + std::string(kDefaultWords) + "\r\n"; }

void SetArtifactFolder(std::wstring_view path) {
    gArtifactFolder = path;
    if (!gArtifactFolder.empty() && gArtifactFolder.front() == L'/') gArtifactFolder = L"Z:" + gArtifactFolder;
    for (wchar_t& c : gArtifactFolder)
        if (c == L'/') c = L'\\';
}

std::wstring ArtifactPath(std::wstring_view name) { return gArtifactFolder + L"\\" + std::wstring(name); }

const char* Name(CloseWay way) {
    switch (way) {
    case CloseWay::EscKey: return "Esc";
    case CloseWay::SystemMenuClose: return "system menu Close";
    case CloseWay::AltF4: return "Alt+F4";
    case CloseWay::CloseButton: return "the close button";
    }
    return "?";
}

testing::AssertionResult Scenario::Start() {
    if (program && program->Running()) return Failed("the previous run is still going");
    program = std::make_unique<RunningProgram>(folder.Executable());
    if (!program->Started()) return Failed("the program did not start: ") << GetLastError();
    return testing::AssertionSuccess();
}

testing::AssertionResult Scenario::StartShown() {
    bool missing = !folder.ReadLibraryFile().has_value() && GetFileAttributesW(folder.PathOf(L"pconfig.ini").c_str()) ==
                                                                INVALID_FILE_ATTRIBUTES;
    if (auto started = Start(); !started) return started;
    if (missing) {
        if (!program->WaitMessageBox(kStartLimit)) return Failed("no message about the missing library file");
        if (auto answered = AnswerMessage(kMissingFileMessage); !answered) return answered;
    }
    if (!program->WaitMainWindowShown()) return Failed("the main window was not shown");
    return testing::AssertionSuccess();
}

testing::AssertionResult Scenario::AnswerMessage(std::string_view text) {
    HWND box = program->WaitMessageBox();
    if (!box) return Failed("no message box");
    Text caption = MessageBoxCaption(box), said = MessageBoxText(box);
    HWND ok = MessageBoxButton(box);
    if (!ok) return Failed("the message box has no OK button");
    ClickCentre(ok);
    if (!program->WaitNoMessageBox()) return Failed("the message box did not close on OK");
    if (caption != kMessageCaption) return Failed("caption '") << caption << "'";
    if (said != text) return Failed("message '") << said << "', expected '" << text << "'";
    return testing::AssertionSuccess();
}

testing::AssertionResult Scenario::Click(控件 control) {
    HWND hwnd = program->Control(control);
    if (!hwnd) return Failed("no control ") << static_cast<int>(control);
    ClickCentre(hwnd);
    return testing::AssertionSuccess();
}

testing::AssertionResult Scenario::Fill(控件 field, std::string_view keys, std::string_view shown) {
    if (auto clicked = Click(field); !clicked) return clicked;
    if (!program->WaitFocus(field)) return Failed("the field did not take the focus");
    PressKey(VK_END);
    for (int i = 0; i < 8; ++i) PressKey(VK_BACK);
    TypeKeys(keys);
    if (!program->WaitText(field, shown)) return Failed("the field shows '") << program->ControlText(field) << "'";
    return testing::AssertionSuccess();
}

testing::AssertionResult Scenario::Paste(控件 field, std::wstring_view text, std::string_view shown) {
    if (auto emptied = Fill(field, "", ""); !emptied) return emptied;
    if (!PutOnClipboard(text)) return Failed("the clipboard could not be filled");
    PressKey('V', kControl);
    if (!program->WaitText(field, shown)) return Failed("the field shows '") << program->ControlText(field) << "'";
    return testing::AssertionSuccess();
}

testing::AssertionResult Scenario::TabTo(控件 control) {
    for (int i = 0; i < 8; ++i) {
        if (program->Focus() == control) return testing::AssertionSuccess();
        std::optional<控件> before = program->Focus();
        PressKey(VK_TAB);
        if (!WaitUntil([&] { return program->Focus() != before; }, kReactLimit)) return Failed("Tab moved nothing");
    }
    return Failed("Tab never reached control ") << static_cast<int>(control);
}

testing::AssertionResult Scenario::WaitResultLines(int lines, TextList* got) {
    TextList found;
    auto complete = [&] {
        Text text = Results();
        found.clear();
        size_t at = 0;
        while (at < text.size()) {
            size_t end = text.find("\r\n", at);
            if (end == Text::npos) return false;  // a last line without CR LF
            found.push_back(text.substr(at, end - at));
            at = end + 2;
        }
        return static_cast<int>(found.size()) == lines;
    };
    if (!WaitUntil(complete, kReactLimit))
        return Failed("the results box holds ") << found.size() << " lines, expected " << lines << ": '" << Results()
                                                << "'";
    if (got) *got = found;
    return testing::AssertionSuccess();
}

testing::AssertionResult Scenario::GenerateLines(std::string_view maxLength, int count, TextList* got) {
    testing::AssertionResult step = Fill(控件::编辑框_最大长度, maxLength);
    if (step) step = Fill(控件::编辑框_生成个数, std::to_string(count));
    if (step) step = Click(控件::按钮_生成);
    if (step) step = WaitResultLines(count, got);
    return step;
}

testing::AssertionResult Scenario::Close(CloseWay way) {
    switch (way) {
    case CloseWay::EscKey: PressKey(VK_ESCAPE); break;
    case CloseWay::AltF4: PressKey(VK_F4, kAlt); break;
    case CloseWay::CloseButton: {
        // The rightmost button of the title bar, inside the fixed frame.
        RECT r = {};
        GetWindowRect(program->MainWindow(), &r);
        ClickAt({r.right - GetSystemMetrics(SM_CXFIXEDFRAME) - GetSystemMetrics(SM_CXSIZE) / 2,
                 r.top + GetSystemMetrics(SM_CYFIXEDFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2});
        break;
    }
    case CloseWay::SystemMenuClose:
        PressKey(VK_SPACE, kAlt);
        if (!WaitUntil([&] { return program->PopupMenu() != nullptr; }, kReactLimit))
            return Failed("Alt+Space opened no system menu");
        // Its Close item, by its mnemonic: "关闭(&C)" (Wine adds an item of its own below it).
        PressKey('C');
        break;
    }
    return testing::AssertionSuccess();
}

testing::AssertionResult Scenario::CloseAndExit(CloseWay way) {
    if (auto closed = Close(way); !closed) return closed;
    std::optional<DWORD> code = program->WaitExit(kReactLimit);
    if (!code) return Failed("the program did not end after ") << Name(way);
    if (*code != 0) return Failed("exit code ") << static_cast<long>(*code) << " after " << Name(way);
    return testing::AssertionSuccess();
}

int32_t LetterCount(std::string_view passphrase) {
    int32_t letters = 0;
    for (char c : passphrase)
        if (c != ' ') ++letters;
    return letters;
}

testing::AssertionResult IsPassphraseOf(std::string_view line, std::string_view words) {
    TextList library;
    for (size_t at = 0;;) {
        size_t end = words.find("、", at);
        library.emplace_back(words.substr(at, end == std::string_view::npos ? end : end - at));
        if (end == std::string_view::npos) break;
        at = end + 2;
    }
    if (line.empty()) return testing::AssertionSuccess();
    if (line.back() != ' ') return Failed("'") << line << "' does not end with a space";
    for (size_t at = 0; at < line.size();) {
        size_t end = line.find(' ', at);
        std::string_view word = line.substr(at, end - at);
        bool known = false;
        for (const Text& w : library) known = known || w == word;
        if (!known) return Failed("'") << word << "' in '" << line << "' is no word of the library";
        at = end + 1;
    }
    return testing::AssertionSuccess();
}
