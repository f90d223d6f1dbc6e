// A program with the real start-up and shutdown around a one-box window, for the lifecycle test.
// It writes what happens to probe.log in its current directory. Arguments: "message" shows a
// message box from the created event; "broken" describes a window that cannot be created.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "app/program_life.h"
#include "app/program_start.h"

namespace {

void Log(const char* line) {
    if (FILE* f = std::fopen("probe.log", "ab")) {
        std::fprintf(f, "%s\n", line);
        std::fclose(f);
    }
}

bool gShowMessage = false;

void OnCreated(Toolkit& ui) {
    Log(IsWindowVisible(MainWindowHandle()) ? "created shown" : "created hidden");
    if (gShowMessage) ui.ShowMessage("probe");
}

void OnDestroyed(Toolkit& ui) {
    char line[64];
    std::snprintf(line, sizeof line, "destroyed %s", ui.ReadControlText(控件::编辑框_最大长度).c_str());
    Log(line);
}

void OnEnd() { Log("end"); }

constexpr ControlRow kRows[] = {
    {控件::编辑框_最大长度, ControlKind::EditBox, Container::Window, 10, 10, 80, 24, "13", true},
};
// Its box names a container the window does not have.
constexpr ControlRow kBrokenRows[] = {
    {控件::编辑框_最大长度, ControlKind::EditBox, Container::分组框1, 10, 10, 80, 24, "13", true},
};
constexpr EventBinding kEvents[] = {
    {EventSource::Window(), Event::Created, OnCreated},
    {EventSource::Window(), Event::WillBeDestroyed, OnDestroyed},
};
constexpr WindowDescription kWindow{"Probe", 300, 200, "m", {}, kRows, kEvents};
constexpr WindowDescription kBrokenWindow{"Probe", 300, 200, "m", {}, kBrokenRows, kEvents};

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    gShowMessage = std::strstr(commandLine, "message") != nullptr;
    bool broken = std::strstr(commandLine, "broken") != nullptr;
    RegisterEndRoutine(OnEnd);  // before ReleaseGlobals: it shows whether end processing ran
    return RunProgram(broken ? kBrokenWindow : kWindow, {});
}
