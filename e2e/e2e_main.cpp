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
    // No window manager runs on the test display: Wine then draws the title bar and frame itself, as
    // Windows does, so the screenshot shows them and the close button can be clicked.
    RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Wine\\AppDefaults\\Password.exe\\X11 Driver", L"Decorated", REG_SZ,
                    L"N", 2 * sizeof(wchar_t));
    return RUN_ALL_TESTS();
}
