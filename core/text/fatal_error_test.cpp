#include "core/text/fatal_error.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdint>
#include <new>
#include <string>
#include <vector>

namespace {

std::string Format(std::string_view message, int32_t code) {
    char buffer[256];
    size_t n = FormatFatalErrorText(buffer, sizeof buffer, message, code);
    return std::string(buffer, n);
}

TEST(FatalErrorText, Layout) {
    struct Case { std::string_view message; int32_t code; std::string want; };
    const Case cases[] = {
        {"", 0, "运行时出错!\r\n\r\n"},
        {"载入启动窗口失败", 0, "运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n"},
        {"x", 5, "运行时出错!\r\n\r\n错误代码：5\r\n\r\n错误信息：x\r\n"},
        {"", -2147483647 - 1, "运行时出错!\r\n\r\n错误代码：-2147483648\r\n\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.want);
        EXPECT_EQ(Format(c.message, c.code), c.want);
    }
}

TEST(FatalErrorText, CutToTheBuffer) {
    char buffer[8];
    size_t n = FormatFatalErrorText(buffer, sizeof buffer, "message", 0);
    EXPECT_EQ(n, 7u);
    EXPECT_EQ(buffer[7], '\0');
}

void ToStderr(const char* text) { std::fputs(text, stderr); }

TEST(FatalErrorDeathTest, ReportEndsTheProcessWithMinusOne) {
    EXPECT_EXIT(
        {
            SetFatalReportSink(ToStderr);
            ReportFatalError("载入启动窗口失败");
        },
        ::testing::ExitedWithCode(kFatalExitStatus), "");
}

TEST(FatalErrorDeathTest, ExhaustedMemoryReportsTheByteCount) {
    // More than any machine can give; the count must appear in the report.
    volatile size_t huge = SIZE_MAX / 2;
    std::string digits = std::to_string(huge);
    EXPECT_EXIT(
        {
            SetFatalReportSink(ToStderr);
            void* p = ::operator new(huge);
            ::operator delete(p);
        },
        ::testing::ExitedWithCode(kFatalExitStatus), digits);
}

TEST(FatalErrorDeathTest, ContainersAllocateThroughTheReport) {
    EXPECT_EXIT(
        {
            SetFatalReportSink(ToStderr);
            std::vector<char> v(SIZE_MAX / 8);
        },
        ::testing::ExitedWithCode(kFatalExitStatus), "");
}

}  // namespace
