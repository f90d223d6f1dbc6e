// The process entry of Password.exe. The C and C++ run-times are ready before wWinMain; the
// program takes no command line.
#include <windows.h>

#include "app/program_start.h"
#include "ui/main_window/main_window.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return RunProgram(MainWindow(), ProgramImages()); }
