// Win32 failures are checked at the call and written to the debugger output with what was being
// done; the program shows the user nothing of them (it has no log).
#pragma once

// Writes "Password: <what> failed, error N" to the debugger output. Returns false for `return`.
bool LogWinError(const char* what);
