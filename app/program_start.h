// The life of the Windows program from its entry to its exit code.
#pragma once

#include "ui/toolkit/win32/win32_toolkit.h"

// In this order: RunDirectory fixed from the executable's path and made the current directory,
// InitGlobals, RegisterEndRoutine(ReleaseGlobals), LoadWindow (which ends the process with the
// fatal error report when the window cannot be made), the loop-started flag, then the message
// loop if the window still exists. Returns 0.
int ProgramStart(const WindowDescription& window, const WindowImages& images);

// What the process entry runs: ProgramStart, then end processing and the toolkit's release.
// Returns the exit code: the code of the quit request that ended the loop (0).
int RunProgram(const WindowDescription& window, const WindowImages& images);

// The images the program file carries (icon and banner); missing ones are left empty.
WindowImages ProgramImages();
