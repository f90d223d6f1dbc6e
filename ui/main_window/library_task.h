// The one routine that turns pconfig.ini into what the window shows: the library list (mode 1,
// when the window is created) or a generation run into the results box (any other mode).
#pragma once

#include <cstdint>

#include "ui/toolkit/toolkit.h"

// A hand-edited count can be huge; one run makes at most this many passphrases, the most the
// count field takes from the keyboard.
inline constexpr int32_t kMaxPassphrasesPerRun = 99;

void RunLibraryTask(Toolkit& ui, int32_t mode);
