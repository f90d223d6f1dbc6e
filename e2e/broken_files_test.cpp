// Broken and hostile library files through the real program: it must show its window, answer the
// Generate button, close with 0, and leave the file as it was plus the settings (or untouched where
// it cannot be written). The big files are made here, at run time.
#include <windows.h>

#include <functional>

#include "e2e/scenario.h"

using namespace std::string_literals;

namespace {

// Time and memory a person's machine can afford for one start or one Generate, however bad the file.
constexpr Duration kHeavyLimit = 60000;
constexpr size_t kMemoryLimit = size_t{1} << 30;

// Bytes from a fixed generator, the same in every run.
std::string Garbage(size_t size, bool withZeros) {
    std::string bytes(size, '\0');
    uint32_t state = 12345;
    for (char& b : bytes) {
        state = state * 1103515245u + 12345u;
        b = static_cast<char>(state >> 23);
        if (!withZeros && b == '\0') b = '\x01';
    }
    return bytes;
}

std::string Utf8From(std::string_view gbk) {
    std::wstring wide = WideFromText(gbk);
    int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), n, nullptr, nullptr);
    return utf8;
}

std::string Utf16From(std::string_view gbk) {
    std::wstring wide = WideFromText(gbk);
    return std::string(reinterpret_cast<const char*>(wide.data()), wide.size() * sizeof(wchar_t));
}

// The file's text as GBK lines, whatever its byte-order mark says; the mark itself is returned apart.
std::vector<std::string> Lines(std::string_view bytes, std::string* mark) {
    std::string text;
    if (bytes.starts_with("\xFF\xFE")) {
        *mark = "UTF-16LE";
        std::wstring wide(reinterpret_cast<const wchar_t*>(bytes.data() + 2), (bytes.size() - 2) / 2);
        text = TextFromWideString(wide);
    } else if (bytes.starts_with("\xEF\xBB\xBF")) {
        *mark = "UTF-8";
        std::string_view body = bytes.substr(3);
        int n = MultiByteToWideChar(CP_UTF8, 0, body.data(), static_cast<int>(body.size()), nullptr, 0);
        std::wstring wide(static_cast<size_t>(n), L'\0');
        MultiByteToWideChar(CP_UTF8, 0, body.data(), static_cast<int>(body.size()), wide.data(), n);
        text = TextFromWideString(wide);
    } else {
        mark->clear();
        text = bytes;
    }
    std::vector<std::string> lines;
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find('\n', at);
        std::string line = text.substr(at, end == std::string::npos ? std::string::npos : end - at);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        if (end == std::string::npos) break;
        at = end + 1;
    }
    return lines;
}

struct Settings {
    Text maxLength, count, library, specified, all;
};

// The lines outside the settings section, blank lines left out; the settings lines apart.
void SplitSettings(const std::vector<std::string>& lines, std::vector<std::string>* others,
                   std::vector<std::string>* settings) {
    bool inSettings = false;
    for (const std::string& line : lines) {
        if (line.starts_with("[")) inSettings = line == "[配置]";
        if (line.empty()) continue;
        (inSettings ? settings : others)->push_back(line);
    }
}

// The old file's lines are all there, unchanged and in order, and the settings section holds
// exactly the five values the window showed.
testing::AssertionResult IsOldFilePlusSettings(std::string_view before, std::string_view after, const Settings& shown) {
    std::string markBefore, markAfter;
    std::vector<std::string> oldOthers, oldSettings, newOthers, newSettings;
    SplitSettings(Lines(before, &markBefore), &oldOthers, &oldSettings);
    SplitSettings(Lines(after, &markAfter), &newOthers, &newSettings);
    if (markBefore != markAfter) return testing::AssertionFailure() << "the encoding changed from '" << markBefore << "' to '" << markAfter << "'";
    if (newOthers.size() != oldOthers.size())
        return testing::AssertionFailure() << oldOthers.size() << " lines outside the settings became " << newOthers.size();
    for (size_t i = 0; i < oldOthers.size(); ++i)
        if (newOthers[i] != oldOthers[i])
            return testing::AssertionFailure() << "line " << i + 1 << " was rewritten: '" << oldOthers[i].substr(0, 80)
                                               << "' became '" << newOthers[i].substr(0, 80) << "'";
    const std::vector<std::string> expected = {"[配置]",
                                               "最大长度=" + shown.maxLength,
                                               "生成个数=" + shown.count,
                                               "选中词库=" + shown.library,
                                               "指定词库=" + shown.specified,
                                               "所有词库=" + shown.all};
    if (newSettings != expected) {
        testing::AssertionResult failure = testing::AssertionFailure();
        failure << "the settings section holds:";
        for (const std::string& line : newSettings) failure << "\n  " << line.substr(0, 80);
        return failure;
    }
    return testing::AssertionSuccess();
}

enum class Afterwards { OldPlusSettings, Untouched };

struct Case {
    const char* name;
    std::function<std::string()> bytes;  // nullptr: the case prepares the folder itself
    std::function<void(const ProgramFolder&)> prepare;
    TextList firstLibraries;              // the first items the combo box must list
    bool typeFields;                      // false: Generate with the settings loaded from the file
    Afterwards afterwards;
};

const std::string kLibraryA = "[词库甲]\r\n配置项名称=甲、乙、丙\r\n";
const std::string kLibraryB = "[词库乙]\r\n配置项名称=one、two\r\n";
const std::string kNulLibrary = "[含零]\r\n配置项名称=a\0b、c\0\0d\r\n"s;

std::string FiftyMegabyteLine() {
    std::string line = "[大词库]\r\n配置项名称=";
    line.reserve(50u << 20);
    while (line.size() < (50u << 20)) line += "很长的词、";
    return kLibraryA + line + "\r\n" + kLibraryB;
}

std::string HundredThousandSections() {
    std::string file = kLibraryA;
    file.reserve(3u << 20);
    for (int i = 0; i < 100000; ++i) file += "[库" + std::to_string(i) + "]\r\n配置项名称=w" + std::to_string(i) + "\r\n";
    return file;
}

std::vector<Case> Corpus() {
    return {
        // Saving the settings would rewrite these two whole under Wine and lose bytes: not written.
        {"binary garbage after a library", [] { return kLibraryA + Garbage(64 << 10, false); }, nullptr,
         {"词库甲"}, true, Afterwards::Untouched},
        {"a 50 MB line between two libraries", FiftyMegabyteLine, nullptr, {"词库甲", "大词库", "词库乙"}, true,
         Afterwards::OldPlusSettings},
        {"100,000 sections", HundredThousandSections, nullptr, {"词库甲", "库0", "库1"}, true,
         Afterwards::OldPlusSettings},
        {"a UTF-8 byte-order mark", [] { return "\xEF\xBB\xBF" + Utf8From(kLibraryA + kLibraryB); }, nullptr,
         {"词库甲", "词库乙"}, true, Afterwards::OldPlusSettings},
        {"a UTF-16 byte-order mark", [] { return "\xFF\xFE" + Utf16From(kLibraryA + kLibraryB); }, nullptr,
         {"词库甲", "词库乙"}, true, Afterwards::OldPlusSettings},
        {"NUL bytes inside a library",
         [] { return kLibraryA + kNulLibrary + kLibraryB; }, nullptr,
         {"词库甲"}, true, Afterwards::Untouched},
        {"huge numbers and garbage radio values in the settings",
         [] {
             return kLibraryA +
                    "[配置]\r\n最大长度=2147483647\r\n生成个数=99999999\r\n选中词库=词库甲\r\n指定词库=1\r\n所有词库=TRUE\r\n";
         },
         nullptr, {"词库甲"}, false, Afterwards::OldPlusSettings},
        {"a folder named pconfig.ini", nullptr,
         [](const ProgramFolder& f) { CreateDirectoryW(f.PathOf(L"pconfig.ini").c_str(), nullptr); }, {}, true,
         Afterwards::Untouched},
        {"a read-only file",
         nullptr,
         [](const ProgramFolder& f) {
             f.WriteLibraryFile(kLibraryA);
             SetFileAttributesW(f.PathOf(L"pconfig.ini").c_str(), FILE_ATTRIBUTE_READONLY);
         },
         {"词库甲"}, true, Afterwards::Untouched},
    };
}

using BrokenLibraryFile = Scenario;

// The library lines the case put into the file are still there, byte for byte.
testing::AssertionResult KeepsLibraries(std::string_view before, std::string_view after,
                                        const std::vector<std::string>& libraries) {
    std::string markBefore, markAfter;
    std::vector<std::string> old = Lines(before, &markBefore), now = Lines(after, &markAfter);
    for (const std::string& library : libraries) {
        std::string unused;
        for (const std::string& line : Lines(library, &unused)) {
            if (line.empty()) continue;
            bool inOld = std::find(old.begin(), old.end(), line) != old.end();
            bool inNew = std::find(now.begin(), now.end(), line) != now.end();
            if (inOld && !inNew) return testing::AssertionFailure() << "the library line '" << line << "' was lost";
        }
    }
    return testing::AssertionSuccess();
}

// One case, start to end; the caller ends a run it leaves behind.
void RunCase(Scenario& s, const Case& c) {
    ProgramFolder& folder = s.folder;
    if (c.bytes) folder.WriteLibraryFile(c.bytes());
    if (c.prepare) c.prepare(folder);
    std::optional<std::string> before = folder.ReadLibraryFile();
    // Wine runs as root here, and root writes through a read-only attribute; another program's
    // handle that shares only reading refuses every write, as Windows refuses one to a read-only file.
    HANDLE lock = INVALID_HANDLE_VALUE;
    DWORD attributes = GetFileAttributesW(folder.PathOf(L"pconfig.ini").c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) &&
        !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        lock = CreateFileW(folder.PathOf(L"pconfig.ini").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                           0, nullptr);
    struct Unlock {
        HANDLE h;
        ~Unlock() {
            if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
        }
    } unlock{lock};

    ULONGLONG start = GetTickCount64();
    ASSERT_TRUE(s.Start());
    ASSERT_TRUE(s.program->WaitMainWindowShown(kHeavyLimit)) << "no window";
    ULONGLONG shown = GetTickCount64();
    EXPECT_EQ(s.program->MessageBox(), nullptr);
    EXPECT_EQ(s.program->ComboItems(c.firstLibraries.size()), c.firstLibraries);

    if (c.typeFields) {
        ASSERT_TRUE(s.Fill(控件::编辑框_最大长度, "13"));
        ASSERT_TRUE(s.Fill(控件::编辑框_生成个数, "5"));
    }
    ULONGLONG clicked = GetTickCount64();
    ASSERT_TRUE(s.Click(控件::按钮_生成));
    // The window's thread answers nothing while a run goes on: the first answer showing text is the end.
    HWND results = s.program->Control(控件::编辑框_生成结果);
    auto answered = [&] {
        DWORD_PTR length = 0;
        return SendMessageTimeoutW(results, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 1000, &length) && length > 0;
    };
    ASSERT_TRUE(WaitUntil(answered, kHeavyLimit)) << "Generate did not answer";
    ULONGLONG generated = GetTickCount64();
    if (c.typeFields) {
        EXPECT_TRUE(s.WaitResultLines(5));
    } else {
        // Far more lines than anyone reads were asked for: some come, each ended by CR LF.
        EXPECT_TRUE(s.Results().ends_with("\r\n"));
    }
    EXPECT_EQ(s.program->MessageBox(), nullptr);
    size_t peak = s.program->PeakMemory();
    EXPECT_GT(peak, 0u) << "the peak working set could not be read";
    EXPECT_LT(peak, kMemoryLimit) << "peak working set in bytes";

    Settings onClose = {s.program->ControlText(控件::编辑框_最大长度), s.program->ControlText(控件::编辑框_生成个数),
                       s.program->ControlText(控件::组合框_词库列表),
                       s.program->Checked(控件::单选框_指定词库) == 1 ? "真" : "假",
                       s.program->Checked(控件::单选框_所有词库) == 1 ? "真" : "假"};
    ULONGLONG closing = GetTickCount64();
    PressKey(VK_ESCAPE);
    std::optional<DWORD> code = s.program->WaitExit(kHeavyLimit);
    ASSERT_EQ(code, std::optional<DWORD>(0)) << "exit code";
    // Measured for the record, not judged: the bounds above are what a test asks.
    printf("  [%s] window after %llu ms, Generate answered after %llu ms, closed after %llu ms, peak %zu MB\n", c.name,
           static_cast<unsigned long long>(shown - start), static_cast<unsigned long long>(generated - clicked),
           static_cast<unsigned long long>(GetTickCount64() - closing), peak >> 20);

    std::optional<std::string> after = folder.ReadLibraryFile();
    if (c.afterwards == Afterwards::Untouched) {
        EXPECT_EQ(after, before) << "the file was changed";
        if (!before) {  // the folder stays a folder
            EXPECT_NE(GetFileAttributesW(folder.PathOf(L"pconfig.ini").c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);
        }
        return;
    }
    ASSERT_TRUE(before && after);
    EXPECT_TRUE(KeepsLibraries(*before, *after, {kLibraryA, kLibraryB, kNulLibrary}));
    EXPECT_TRUE(IsOldFilePlusSettings(*before, *after, onClose));
}

const Case& CaseNamed(std::string_view name) {
    static const std::vector<Case> corpus = Corpus();
    for (const Case& c : corpus)
        if (c.name == name) return c;
    std::abort();  // a test names a case that is not in the corpus
}

// Each case is its own test, so one that hangs is reported by name and the others still run.
TEST_F(BrokenLibraryFile, BinaryGarbage) { RunCase(*this, CaseNamed("binary garbage after a library")); }
TEST_F(BrokenLibraryFile, FiftyMegabyteLine) { RunCase(*this, CaseNamed("a 50 MB line between two libraries")); }
TEST_F(BrokenLibraryFile, HundredThousandSections) { RunCase(*this, CaseNamed("100,000 sections")); }
TEST_F(BrokenLibraryFile, Utf8ByteOrderMark) { RunCase(*this, CaseNamed("a UTF-8 byte-order mark")); }
TEST_F(BrokenLibraryFile, Utf16ByteOrderMark) { RunCase(*this, CaseNamed("a UTF-16 byte-order mark")); }
TEST_F(BrokenLibraryFile, NulBytes) { RunCase(*this, CaseNamed("NUL bytes inside a library")); }
TEST_F(BrokenLibraryFile, HugeNumbersInTheSettings) {
    RunCase(*this, CaseNamed("huge numbers and garbage radio values in the settings"));
}
TEST_F(BrokenLibraryFile, FolderNamedLikeTheFile) { RunCase(*this, CaseNamed("a folder named pconfig.ini")); }
TEST_F(BrokenLibraryFile, ReadOnlyFile) { RunCase(*this, CaseNamed("a read-only file")); }

}  // namespace
