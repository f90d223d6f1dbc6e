#include "app/program_start.h"

#include <windows.h>

#include "app/program_life.h"
#include "assets/resource_ids.h"
#include "core/library_file/library_file.h"

namespace {

int gQuitCode = 0;

}  // namespace

int ProgramStart(const WindowDescription& window, const WindowImages& images) {
    FixRunDirectory(ModuleFileName());
    // The ANSI call, as RunDirectory came from the ANSI module path and feeds the profile functions.
    SetCurrentDirectoryA(RunDirectory().c_str());
    InitGlobals();
    RegisterEndRoutine(ReleaseGlobals);
    LoadWindow(window, images);
    SetLoopStarted();
    if (MainWindowExists()) gQuitCode = RunMessageLoop();
    return 0;
}

int RunProgram(const WindowDescription& window, const WindowImages& images) {
    ProgramStart(window, images);
    int code = RunEndProcessing(gQuitCode);
    ReleaseToolkit();
    return code;
}

WindowImages ProgramImages() {
    WindowImages images;
    HINSTANCE self = GetModuleHandleW(nullptr);
    // nullptr when missing: the window keeps the system's default icon.
    images.icon = static_cast<HICON>(LoadImageW(self, MAKEINTRESOURCEW(IDI_PASSWORD), IMAGE_ICON, 64, 64, 0));
    if (HRSRC found = FindResourceW(self, MAKEINTRESOURCEW(IDR_BANNER), RT_RCDATA)) {
        HGLOBAL loaded = LoadResource(self, found);
        const void* bytes = loaded ? LockResource(loaded) : nullptr;
        if (bytes) images.bannerPng = {static_cast<const uint8_t*>(bytes), SizeofResource(self, found)};
    }
    return images;
}
