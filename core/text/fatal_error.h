// The fatal error report: the system's one way of stopping on an error it cannot continue from.
// It shows an error box with the caption "错误" and ends the process with exit code -1 at once:
// no further window event reaches a handler and the end routines do not run.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// `code` 0 means no error code. Works without taking memory, so it serves exhausted memory too.
[[noreturn]] void ReportFatalError(std::string_view message, int32_t code = 0);

// Exhausted memory: the report with the message "分配 N 字节内存失败!".
[[noreturn]] void ReportOutOfMemory(size_t bytes);

// The text of the report's box, cut to fit `size` (zero-terminated); returns its length.
size_t FormatFatalErrorText(char* out, size_t size, std::string_view message, int32_t code);

// Set when end processing or a fatal error report begins; from then on no event reaches a handler.
bool EndingMarkSet();
void SetEndingMark();

// Where the report's text goes: the platform's error box, unless a test sends it elsewhere.
using FatalReportSink = void (*)(const char* text);
void SetFatalReportSink(FatalReportSink sink);

// The process's exit status after a report, as the parent sees it (-1, which POSIX truncates to 255).
#ifdef _WIN32
inline constexpr int kFatalExitStatus = -1;
#else
inline constexpr int kFatalExitStatus = 255;
#endif
