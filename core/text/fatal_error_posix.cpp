#include <unistd.h>

#include <cstring>

#include "core/text/fatal_error.h"

void ShowFatalErrorBox(const char* text) {
    if (write(STDERR_FILENO, text, std::strlen(text)) < 0) return;
}

void EndProcessAfterFatalError() { _exit(-1); }
