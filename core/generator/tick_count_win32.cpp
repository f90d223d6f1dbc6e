#include <windows.h>

#include "core/generator/random_source.h"

uint32_t SystemTickCount() { return GetTickCount(); }
