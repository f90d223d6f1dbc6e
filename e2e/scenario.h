// What every scenario does with the program: a fresh folder, a start, filling fields, pressing the
// button, answering message boxes, closing. Helpers give an AssertionResult saying what went wrong.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "e2e/driver.h"
#include "e2e/ini_view.h"

// The default library the program writes into a missing file.
inline constexpr std::string_view kDefaultWords = "one、two、three、four、five、six、seven、eight、nine、ten、48zumbo";
inline constexpr std::string_view kMissingFileMessage = "词库丢失，已重新生成。";
inline constexpr std::string_view kFillFieldsMessage = "请填写最大长度和生成个数";
inline constexpr std::string_view kMessageCaption = "信息：";

// A library file as a person writes one: the default library only.
std::string DefaultLibraryFile();

// Where the run's pictures go (the build folder, from the command line).
void SetArtifactFolder(std::wstring_view path);
std::wstring ArtifactPath(std::wstring_view name);

enum class CloseWay { EscKey, SystemMenuClose, AltF4, CloseButton };
const char* Name(CloseWay way);

class Scenario : public testing::Test {
public:
    ProgramFolder folder;
    std::unique_ptr<RunningProgram> program;

    // Starts the program in the folder (one at a time: a previous run must have ended).
    testing::AssertionResult Start();
    // Starts it and waits for its window; when the file is missing, first the message, answered.
    testing::AssertionResult StartShown();

    // The message box now open: its caption and text must be these; OK is clicked.
    testing::AssertionResult AnswerMessage(std::string_view text);

    // Clicks into the field, empties it with real keys and types `keys`; waits until it shows `shown`.
    testing::AssertionResult Fill(控件 field, std::string_view keys, std::string_view shown);
    testing::AssertionResult Fill(控件 field, std::string_view keys) { return Fill(field, keys, keys); }
    // Empties the field and pastes `text` with Ctrl+V; waits until it shows `shown`.
    testing::AssertionResult Paste(控件 field, std::wstring_view text, std::string_view shown);
    testing::AssertionResult Click(控件 control);
    // Tab until `control` has the focus (at most once round the window).
    testing::AssertionResult TabTo(控件 control);

    // Waits until the results box holds `lines` lines, each ended by CR LF; they are returned.
    testing::AssertionResult WaitResultLines(int lines, TextList* got = nullptr);
    // Types both fields, clicks Generate and waits for the `count` lines.
    testing::AssertionResult GenerateLines(std::string_view maxLength, int count, TextList* got = nullptr);

    testing::AssertionResult Close(CloseWay way);
    // Closes and waits for the exit code 0.
    testing::AssertionResult CloseAndExit(CloseWay way);

    Text Results() const { return program->ControlText(控件::编辑框_生成结果); }
};

// Letters of a passphrase: its bytes without the space that follows each word.
int32_t LetterCount(std::string_view passphrase);
// Whether the line is a run of words from `words` (separated by "、"), each followed by one space.
testing::AssertionResult IsPassphraseOf(std::string_view line, std::string_view words);
