// The scenarios' entry: --program=PATH names the Password.exe under test, --artifacts=FOLDER where
// the screenshot goes. GoogleTest takes its own flags first.
#include <gtest/gtest.h>

#include <string_view>

#include "e2e/scenario.h"

int wmain(int argc, wchar_t** argv) {
    testing::InitGoogleTest(&argc, argv);
    for (int i = 1; i < argc; ++i) {
        std::wstring_view arg = argv[i];
        if (arg.starts_with(L"--program=")) SetProgramUnderTest(arg.substr(10));
        if (arg.starts_with(L"--artifacts=")) SetArtifactFolder(arg.substr(12));
    }
    if (ProgramUnderTest().empty() || GetFileAttributesW(ProgramUnderTest().c_str()) == INVALID_FILE_ATTRIBUTES) {
        fprintf(stderr, "no program under test: pass --program=PATH to Password.exe\n");
        return 2;
    }
    DrawFramesWithoutWindowManager();
    return RUN_ALL_TESTS();
}
