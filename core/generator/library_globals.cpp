#include "core/generator/library_globals.h"

TextList LibraryNames;
Text WordPool;
