// The life of the process around the message loop: the globals, the end routines and end processing.
// Portable: the Windows entry calls it, and tests drive it directly.
#pragma once

// LibraryNames becomes a new empty list; WordPool is left as it is (empty from the start).
void InitGlobals();

// Releases LibraryNames and WordPool; registered as the one end routine.
void ReleaseGlobals();

using EndRoutine = void (*)();

// Appends the routine to the end-routine list, unless it is already there.
void RegisterEndRoutine(EndRoutine routine);

// Sets the ending mark, runs the end routines once in registration order, empties the list, and
// yields the exit code: the code of the quit request that ended the message loop.
int RunEndProcessing(int quitCode);
