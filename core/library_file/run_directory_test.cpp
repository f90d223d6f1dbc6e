// Where the program finds its own folder: the cut of the module path, and the real thing, a copy
// of a small program started from folders whose names are easy to get wrong.
#include <gtest/gtest.h>

#include <string>

#include "core/library_file/library_file.h"
#include "core/library_file/profile_seam.h"
#include "testing/scratch_folder.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
extern char** environ;
#endif

namespace {

TEST(FixRunDirectory, CutsBeforeTheLastBackslash) {
    struct Case { std::string_view path, want; };
    const Case cases[] = {
        {"C:\\Program Files\\Password\\Password.exe", "C:\\Program Files\\Password"},
        {"C:\\誠\\Password.exe", "C:\\誠"},                 // 誠 is 0xD5 0x5C
        {"C:\\誠", "C:"},                                    // its 0x5C is no backslash
        {"C:\\表誠表\\Password.exe", "C:\\表誠表"},
        {"C:\\a\x81\x5C\\b\x81\x5C", "C:\\a\x81\x5C"},
        {"C:\\啊\\x", "C:\\啊"},                           // a backslash right after a character counts
        {"Password.exe", ""},
        {"\\Password.exe", ""},
        {"C:\\a\\", "C:\\a"},
        {"C:\\a\\\xD5", "C:\\a"},                            // a lead byte left alone at the end
        {"", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.path));
        FixRunDirectory(c.path);
        EXPECT_EQ(RunDirectory(), c.want);
    }
}

TEST(LibraryFilePath, IsTheRunDirectoryAndTheFileName) {
    FixRunDirectory("C:\\誠\\Password.exe");
    EXPECT_EQ(LibraryFilePath(), "C:\\誠\\pconfig.ini");
    FixRunDirectory("Password.exe");
    EXPECT_EQ(LibraryFilePath(), "\\pconfig.ini");
}

#ifdef _WIN32
const char kProgramSuffix[] = ".exe";
#else
const char kProgramSuffix[] = "";
#endif

bool CopyProgram(const Text& from, const Text& to) {
#ifdef _WIN32
    return CopyFileW(LongWidePath(from).c_str(), LongWidePath(to).c_str(), TRUE) != 0;
#else
    ScratchFolder::CopyBytes(from, to);
    return chmod(HostPath(to).c_str(), 0755) == 0;
#endif
}

// Starts the program with one argument and waits (boundedly on Windows) for its exit code.
int RunProgram(const Text& program, const Text& argument) {
#ifdef _WIN32
    std::wstring commandLine = WideFrom936("\"" + program + "\" \"" + argument + "\"");
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(WideFrom936(program).c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        return -100;
    }
    DWORD code = static_cast<DWORD>(-101);
    if (WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0) GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(code);
#else
    Text path = HostPath(program);
    char* argv[] = {path.data(), const_cast<char*>(argument.c_str()), nullptr};
    pid_t child = 0;
    if (posix_spawn(&child, path.c_str(), nullptr, nullptr, argv, environ) != 0) return -100;
    int status = 0;
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -101;
    return WEXITSTATUS(status);
#endif
}

// The RunDirectory that the probe finds when it is started from folder under the name program.
Text RunDirectoryOfCopyIn(const ScratchFolder& scratch, const Text& folder, const Text& program = "probe") {
    FixRunDirectory(ModuleFileName());
    const Text probe = RunDirectory() + "\\library_file_probe" + kProgramSuffix;
    const Text copy = folder + "\\" + program + kProgramSuffix;
    if (!CopyProgram(probe, copy)) return "(no copy of " + probe + ")";
    const int code = RunProgram(copy, scratch.ProgramPath("found.txt"));
    if (code != 0) return "(exit code " + std::to_string(code) + ")";
    return scratch.Read("found.txt");
}

// 誠 is 0xD5 0x5C. In the program's own name it puts a 0x5C after the last backslash.
TEST(RunDirectory, StepsOverTheByte0x5CThatEndsACharacter) {
    ScratchFolder scratch;
    const Text folder = scratch.ProgramPath("誠");
    ASSERT_TRUE(MakeFolderAt(folder));
    EXPECT_EQ(RunDirectoryOfCopyIn(scratch, folder, "誠"), folder);
}

// 200 characters of Chinese are 400 bytes of code page 936: a path well inside MAX_PATH for
// Windows that does not fit the 260-byte buffer of the ANSI module path.
TEST(RunDirectory, FindsAFolderWhosePathIsLongerThan259Bytes) {
    ScratchFolder scratch;
    Text folder = scratch.ProgramPath();
    for (int level = 0; level < 3; ++level) {
        Text name;
        for (int i = 0; i < 60; ++i) name += "啊";
        folder += "\\" + name;
        ASSERT_TRUE(MakeFolderAt(folder));
    }
    ASSERT_GT(folder.size() + sizeof "\\probe.exe", 260u);
    EXPECT_EQ(RunDirectoryOfCopyIn(scratch, folder), folder);
}

TEST(FileExists, FindsFilesAndFolders) {
    ScratchFolder scratch;
    EXPECT_FALSE(FileExists(scratch.ProgramPath("pconfig.ini")));
    scratch.Write("pconfig.ini", "");
    EXPECT_TRUE(FileExists(scratch.ProgramPath("pconfig.ini")));
    scratch.Remove("pconfig.ini");
    EXPECT_FALSE(FileExists(scratch.ProgramPath("pconfig.ini")));
    ASSERT_TRUE(scratch.MakeFolder("pconfig.ini"));
    EXPECT_TRUE(FileExists(scratch.ProgramPath("pconfig.ini")));  // a folder of that name counts
    EXPECT_FALSE(FileExists(scratch.ProgramPath("missing\\pconfig.ini")));
    EXPECT_FALSE(FileExists(""));
}

TEST(ProfileReadText, SkipsLeadingBlanksOfTheFileName) {
    ScratchFolder scratch;
    scratch.Write("pconfig.ini", "[a]\r\nk=1\r\n");
    EXPECT_EQ(ProfileReadText(" \t\x01" + scratch.ProgramPath("pconfig.ini"), "a", "k"), "1");
    EXPECT_EQ(ProfileReadText(" \t", "a", "k"), "");
}

TEST(DefaultWordList, IsElevenWordsIn66Bytes) {
    EXPECT_EQ(TextLength(kDefaultWordList), 66);
    EXPECT_EQ(ListSize(SplitText(kDefaultWordList, kWordSeparator)), 11);
}

}  // namespace
