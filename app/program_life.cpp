#include "app/program_life.h"

#include <vector>

#include "core/generator/library_globals.h"
#include "core/text/fatal_error.h"

namespace {

std::vector<EndRoutine>& EndRoutines() {
    static std::vector<EndRoutine> routines;
    return routines;
}

}  // namespace

void InitGlobals() { LibraryNames = NewTextList(); }

void ReleaseGlobals() {
    // Swapped out, so the storage itself is given back, not only emptied.
    TextList().swap(LibraryNames);
    Text().swap(WordPool);
}

void RegisterEndRoutine(EndRoutine routine) {
    std::vector<EndRoutine>& routines = EndRoutines();
    for (EndRoutine r : routines)
        if (r == routine) return;
    routines.push_back(routine);
}

int RunEndProcessing(int quitCode) {
    SetEndingMark();
    std::vector<EndRoutine> routines;
    routines.swap(EndRoutines());
    for (EndRoutine r : routines) r();
    return quitCode;
}
