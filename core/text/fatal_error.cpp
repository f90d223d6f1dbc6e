#include "core/text/fatal_error.h"

#include <cstring>

// Provided per platform: the error box, and ending the process with code -1 without end routines.
void ShowFatalErrorBox(const char* text);
[[noreturn]] void EndProcessAfterFatalError();

namespace {

bool gEndingMark = false;
FatalReportSink gSink = ShowFatalErrorBox;

// Appends to a fixed buffer, cutting what does not fit; nothing here may take memory.
struct FixedWriter {
    char* out;
    size_t size;
    size_t length = 0;
    void Put(std::string_view s) {
        size_t room = size - 1 - length;
        size_t n = s.size() < room ? s.size() : room;
        std::memcpy(out + length, s.data(), n);
        length += n;
    }
    void PutDecimal(uint64_t value, bool negative) {
        char digits[24];
        size_t n = 0;
        do digits[sizeof digits - ++n] = static_cast<char>('0' + value % 10); while ((value /= 10) != 0);
        if (negative) digits[sizeof digits - ++n] = '-';
        Put(std::string_view(digits + sizeof digits - n, n));
    }
};

}  // namespace

size_t FormatFatalErrorText(char* out, size_t size, std::string_view message, int32_t code) {
    if (size == 0) return 0;
    FixedWriter w{out, size};
    w.Put("运行时出错!\r\n\r\n");
    if (code != 0) {
        w.Put("错误代码：");
        int64_t c = code;
        w.PutDecimal(static_cast<uint64_t>(c < 0 ? -c : c), c < 0);
        w.Put("\r\n\r\n");
    }
    if (!message.empty()) {
        w.Put("错误信息：");
        w.Put(message);
        w.Put("\r\n");
    }
    out[w.length] = '\0';
    return w.length;
}

void ReportFatalError(std::string_view message, int32_t code) {
    SetEndingMark();
    static char text[1024];  // static: the report must work when no memory is left
    FormatFatalErrorText(text, sizeof text, message, code);
    gSink(text);
    EndProcessAfterFatalError();
}

void ReportOutOfMemory(size_t bytes) {
    static char message[96];
    FixedWriter w{message, sizeof message};
    w.Put("分配 ");
    w.PutDecimal(bytes, false);
    w.Put(" 字节内存失败!");
    ReportFatalError(std::string_view(message, w.length));
}

bool EndingMarkSet() { return gEndingMark; }
void SetEndingMark() { gEndingMark = true; }
void SetFatalReportSink(FatalReportSink sink) { gSink = sink ? sink : ShowFatalErrorBox; }
