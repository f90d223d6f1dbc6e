#include "core/text/text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(CompareText, Cases) {
    struct Case { std::string_view a, b; int want; };
    const Case cases[] = {
        {"", "", 0},
        {"", "a", -1},
        {"a", "", 1},
        {"Z", "a", -1},                  // by byte value: upper case before lower case
        {"配置", "配置 ", -1},            // a text that starts a longer one is smaller
        {"配置", "配置", 0},
        {"\x7F", "\x80", -1},            // bytes compare unsigned
        {"\xFF", "a", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.a) + " vs " + std::string(c.b));
        EXPECT_EQ(CompareText(c.a, c.b), c.want);
        EXPECT_EQ(CompareText(c.b, c.a), -c.want);
    }
}

TEST(TextLength, CountsBytes) {
    EXPECT_EQ(TextLength("配置"), 4);
    EXPECT_EQ(TextLength(""), 0);
    EXPECT_EQ(TextLength("one、two"), 8);
}

TEST(ConcatText, JoinsInOrder) {
    EXPECT_EQ(ConcatText({"a", "", "配置", "b"}), "a配置b");
    EXPECT_EQ(ConcatText({"", ""}), "");
    EXPECT_EQ(CompareText(ConcatText({"", ""}), ""), 0);
}

TEST(TextToInteger, Cases) {
    struct Case { std::string_view in; int32_t want; };
    const Case cases[] = {
        {"13", 13},
        {"１３", 13},               // full-width digits
        {"－5", -5},               // full-width minus
        {"＋7", 7},
        {"12abc", 12},
        {"abc", 0},
        {"", 0},
        {"+7", 7},
        {"-0", 0},
        {"1 2", 1},
        {"\t\r\n 42", 42},
        {"　9", 9},                // a leading ideographic space is skipped like a blank
        {"4294967297", 1},         // 2^32 + 1 wraps
        {"2147483648", INT32_MIN}, // 2^31
        {"-2147483648", INT32_MIN},
        {"2147483647", INT32_MAX},
        {"--5", 0},                // one sign only
        {"- 5", 0},
        {"5\xB0", 5},              // a lead byte at the very end is dropped
        {"\xB0", 0},
        {"配置12", 0},             // any other pair stays, and is no digit
        {"１２ab", 12},
        {"～1", 0},                // folds to '~', not a digit
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.in));
        EXPECT_EQ(TextToInteger(c.in), c.want);
    }
}

TEST(BooleanToText, TrueAndFalse) {
    EXPECT_EQ(BooleanToText(1), "\xD5\xE6");
    EXPECT_EQ(BooleanToText(2), "真");
    EXPECT_EQ(BooleanToText(-1), "真");
    EXPECT_EQ(BooleanToText(0), "\xBC\xD9");
}

TEST(SplitText, Cases) {
    struct Case { std::string_view text, separator; TextList want; };
    const Case cases[] = {
        {"a、b", "、", {"a", "b"}},
        {"a、、b", "、", {"a", "", "b"}},
        {"、a", "、", {"", "a"}},
        {"a、", "、", {"a"}},
        {"、", "、", {""}},
        {"", "、", {}},
        {"abc", "、", {"abc"}},
        {"\xB0\xA1\xA2\xB1", "、", {"\xB0\xA1\xA2\xB1"}},  // 啊⒈: the middle bytes straddle two characters
        {"a、b", "", {"a、b"}},
        {"x、\xB0", "、", {"x", "\xB0"}},                   // a lead byte at the end stays in the last member
        {"a,b,,c", ",", {"a", "b", "", "c"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text));
        EXPECT_EQ(SplitText(c.text, c.separator), c.want);
    }
}

TEST(ReplaceBytes, Cases) {
    using namespace std::string_literals;
    struct Case { std::string bytes, find, replacement, want; };
    const Case cases[] = {
        {"A\0B\0"s, "\0"s, "", "AB"},
        {"aaa", "aa", "b", "ba"},
        {"ab", "a", "aa", "aab"},   // the output is not scanned again
        {"a", "a", "", ""},
        {"", "a", "b", ""},
        {"abc", "", "x", "abc"},
        {"xaxa", "a", "", "xx"},
        {"ab", "abc", "", "ab"},    // find longer than what remains
        {"aab", "ab", "-", "a-"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes);
        EXPECT_EQ(ReplaceBytes(c.bytes, c.find, c.replacement), c.want);
    }
}

TEST(BytesToText, StopsAtZeroByte) {
    using namespace std::string_literals;
    EXPECT_EQ(BytesToText("AB\0C"s), "AB");
    EXPECT_EQ(BytesToText("\0A"s), "");
    EXPECT_EQ(BytesToText(""), "");
    EXPECT_EQ(BytesToText("配置"), "配置");
}

TEST(TextList, AppendedMemberIsACopy) {
    TextList list = NewTextList();
    EXPECT_EQ(ListSize(list), 0);
    {
        Text t = "配置";
        AppendMember(list, t);
        t.assign("changed");
    }
    AppendMember(list, "");
    ASSERT_EQ(ListSize(list), 2);
    EXPECT_EQ(ListMember(list, 1), "配置");
    EXPECT_EQ(ListMember(list, 2), "");
}

TEST(CopyText, IsIndependent) {
    Text a = "abc";
    Text b = CopyText(a);
    a[0] = 'x';
    EXPECT_EQ(b, "abc");
}

}  // namespace
