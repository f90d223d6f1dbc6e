// The two values that outlive a single event: the library names read when the window was created,
// and the word pool of the latest generation run.
#pragma once

#include "core/text/text.h"

// The section names of pconfig.ini in file order, the settings section included.
extern TextList LibraryNames;

// The words of the chosen libraries joined by the word separator.
extern Text WordPool;
