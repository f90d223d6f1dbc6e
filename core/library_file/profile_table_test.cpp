// One table of file contents and operations, run through the library file's operations: natively
// on the portable profile engine, under Wine on the Windows profile functions. Where Wine knowingly
// gives something else, the step says what (onWine) and the case says why (wineDiffers).
#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "core/library_file/library_file.h"
#include "core/library_file/profile_seam.h"
#include "testing/scratch_folder.h"

namespace {

#ifdef _WIN32
constexpr bool kPlatformFunctions = true;
#else
constexpr bool kPlatformFunctions = false;
#endif

enum class Start { NoFile, File, Folder };
enum class Op { Read, Write, Names, FileIs, Delete, MakeReadOnly };

// A result nobody can promise, such as how Wine rewrites bytes it could not convert.
const Text kUnchecked = "\x01unchecked";
const Text kReadOnlyIgnored = "\x01read-only ignored";

struct Step {
    Op op;
    Text section, key, value;
    Text want;  // Read: the value; Write: "1" or "0"; Names: each name followed by "|"; FileIs: the bytes
    std::optional<Text> onWine;

    Step Wine(Text got) const {
        Step s = *this;
        s.onWine = std::move(got);
        return s;
    }
};

Step Read(Text section, Text key, Text want) { return {Op::Read, std::move(section), std::move(key), "", std::move(want), {}}; }
Step Write(Text section, Text key, Text value, bool ok = true) {
    return {Op::Write, std::move(section), std::move(key), std::move(value), ok ? "1" : "0", {}};
}
Step Names(Text want) { return {Op::Names, "", "", "", std::move(want), {}}; }
Step FileIs(Text want) { return {Op::FileIs, "", "", "", std::move(want), {}}; }
Step Delete() { return {Op::Delete, "", "", "", kUnchecked, {}}; }
Step MakeReadOnly() { return {Op::MakeReadOnly, "", "", "", kUnchecked, {}}; }

struct Case {
    const char* name;
    Start start;
    Text content;
    std::vector<Step> steps;
    const char* wineDiffers = nullptr;
};

Text Repeat(std::string_view s, size_t n) {
    Text out;
    out.reserve(s.size() * n);
    for (size_t i = 0; i < n; ++i) out.append(s);
    return out;
}

Text Numbered(size_t i) {
    Text n = std::to_string(i);
    return Text(6 - n.size(), '0') + n;
}

// "[s000001]" ... with one key each; every name takes 8 bytes of the section-name buffer.
Text ManySections(size_t count) {
    Text out;
    for (size_t i = 1; i <= count; ++i) out += "[s" + Numbered(i) + "]\r\nk=" + std::to_string(i) + "\r\n";
    return out;
}

Text ManySectionNames(size_t count) {
    Text out;
    for (size_t i = 1; i <= count; ++i) {
        out += "s";
        out += Numbered(i);
        out += "|";
    }
    return out;
}

Text Garbage(size_t n) {
    Text out;
    uint32_t x = 12345;
    for (size_t i = 0; i < n; ++i) {
        x = x * 1103515245u + 12345u;
        out.push_back(static_cast<char>(x >> 23));
    }
    return out;
}

constexpr const char* kWineRewrites =
    "Wine writes the whole file anew from what it read: blank lines go, and every line it keeps "
    "loses its blanks and ends in CR LF; the portable engine changes the one line and keeps every other byte";

constexpr const char* kWineRefusesLoss =
    "Wine writes the whole file anew from its UTF-16 reading, which loses what follows a zero byte "
    "in a line and changes bytes that are no characters of the file's encoding: such a file is not "
    "written at all there; the portable engine changes the one line and keeps every other byte";

const Text kRegenerated = ConcatText({"[默认]\r\n配置项名称=", kDefaultWordList, "\r\n"});

const std::vector<Case>& Cases() {
    static const std::vector<Case> cases = {
        {"regeneration writes one section with one key", Start::NoFile, "",
         {Write("默认", "配置项名称", Text(kDefaultWordList)), FileIs(kRegenerated), Names("默认|"),
          Read("默认", "配置项名称", Text(kDefaultWordList))}},
        {"settings go into a new section at the end", Start::File, kRegenerated,
         {Write("配置", "最大长度", "13"), Write("配置", "生成个数", "5"), Write("配置", "选中词库", "默认"),
          Write("配置", "指定词库", "假"), Write("配置", "所有词库", "真"),
          FileIs(kRegenerated + "[配置]\r\n最大长度=13\r\n生成个数=5\r\n选中词库=默认\r\n指定词库=假\r\n所有词库=真\r\n"),
          Names("默认|配置|"), Read("配置", "所有词库", "真"), Write("配置", "最大长度", ""), Read("配置", "最大长度", ""),
          Write("配置", "最大长度", "20"), Read("配置", "最大长度", "20")}},
        {"a missing file reads as empty", Start::NoFile, "",
         {Read("默认", "配置项名称", ""), Names("")}},
        {"an empty or blank section or key name reads nothing", Start::File, "k=top\r\n[a]\r\nk=1\r\n",
         {Read("", "k", ""), Read(" \t", "k", ""), Read("a", "", ""), Read("a", "\x01\x20", ""), Read("a", "k", "1")}},
        {"leading blank and control bytes of names are skipped", Start::File, "[a b]\r\nk=1\r\n",
         {Read("  a b", "k", "1"), Read("\x01\x1F\x20" "a b", "\t\r\nk", "1")}},
        {"names match without regard to ASCII case", Start::File, "[Colors]\r\nRed=1\r\n",
         {Read("colors", "RED", "1"), Write("COLORS", "red", "2"), FileIs("[Colors]\r\nRed=2\r\n")}},
        {"a trail byte that looks like a letter is compared exactly", Start::File,
         "[\x81\x41]\r\nk=1\r\n[\x81\x61]\r\nk=2\r\n",
         {Read("\x81\x61", "k", "2"), Read("\x81\x41", "k", "1"), Names("\x81\x41|\x81\x61|")}},
        {"blanks around keys and values are trimmed", Start::File, "[a]\r\n  k \t=  v w \t\r\n",
         {Read("a", "k", "v w"), Read("a", "k  ", "v w")}},
        {"blanks inside the brackets are trimmed", Start::File, "[ a ]\r\nk=1\r\n",
         {Read("a", "k", "1"), Names("a|")}},
        {"the first of duplicate sections and keys wins", Start::File,
         "[a]\r\nk=1\r\nk=2\r\n[b]\r\nk=3\r\n[A]\r\nk=4\r\nj=5\r\n",
         {Read("a", "k", "1"), Read("a", "j", ""), Names("a|b|A|"), Write("a", "k", "6"), Read("a", "k", "6"),
          Read("A", "j", "")}},
        {"comment lines are no keys", Start::File, "[a]\r\n;k=1\r\nk=2\r\n; [b]\r\n",
         {Read("a", "k", "2"), Names("a|")}},
        {"a comment is not read as a key named with its semicolon", Start::File, "[a]\r\n;k=1\r\n",
         {Read("a", ";k", "").Wine("1")},
         "Wine has no comments: a line starting with ';' is a key whose name starts with ';'"},
        {"CR LF, LF and lone CR all end lines", Start::File, "[a]\nk=1\r\n[b]\rj=2\r\r\nl=3",
         {Read("a", "k", "1"), Read("b", "j", "2"), Read("b", "l", "3"), Names("a|b|")}},
        {"a write after a last line without line end", Start::File, "[a]\r\nk=1",
         {Write("a", "j", "2"), FileIs("[a]\r\nk=1\r\nj=2\r\n"), Write("b", "k", "3"),
          FileIs("[a]\r\nk=1\r\nj=2\r\n[b]\r\nk=3\r\n")}},
        {"a new key goes after the last line of its section", Start::File,
         "[a]\r\nk=1\r\n\r\n[b]\r\nk=2\r\n",
         {Write("a", "j", "3"), Read("a", "j", "3"),
          FileIs("[a]\r\nk=1\r\nj=3\r\n\r\n[b]\r\nk=2\r\n").Wine("[a]\r\nk=1\r\nj=3\r\n[b]\r\nk=2\r\n")},
         kWineRewrites},
        {"a write keeps every other byte of the file", Start::File,
         "; top\r\n[a]\r\n  K = old  \r\nx=1\n\n[b]\r\n",
         {Write("a", "k", "new"),
          FileIs("; top\r\n[a]\r\n  K = new\r\nx=1\n\n[b]\r\n").Wine("; top\r\n[a]\r\nK=new\r\nx=1\r\n[b]\r\n")},
         kWineRewrites},
        {"a UTF-8 byte-order mark belongs to the first line", Start::File,
         "\xEF\xBB\xBF[a]\r\nk=1\r\n[b]\r\nk=2\r\n",
         {Read("a", "k", "").Wine("1"), Read("b", "k", "2"), Names("b|").Wine("a|b|")},
         "Wine takes a file starting with a UTF-8 byte-order mark for UTF-8 text and converts it; "
         "the ANSI profile functions of Windows do not, and read the mark as part of the first line"},
        {"a value of 20,000 bytes reads as its first 10,239", Start::File, "[a]\r\nk=" + Repeat("x", 20000) + "\r\n",
         {Read("a", "k", Repeat("x", 10239))}},
        {"a value of 10,239 bytes reads whole, one of 10,240 loses its last byte", Start::File,
         "[a]\r\nk=" + Repeat("y", 10239) + "\r\nj=" + Repeat("z", 10240) + "\r\n",
         {Read("a", "k", Repeat("y", 10239)), Read("a", "j", Repeat("z", 10239))}},
        {"a long GBK value is cut at byte 10,239", Start::File, "[a]\r\nk=" + Repeat("啊", 10000) + "\r\n",
         {Read("a", "k", Repeat("啊", 5119) + "\xB0").Wine(Repeat("啊", 5119))},
         "Wine reads the value as UTF-16 and converts back only whole characters, so its cut falls "
         "on byte 10,238 here; the portable engine cuts at byte 10,239 whatever it splits"},
        {"quotes around a value are taken off", Start::File, "[a]\r\nk=\"q v\"\r\nj='x'\r\nm=\"\r\nn=\"a'\r\n",
         {Read("a", "k", "q v"), Read("a", "j", "x"), Read("a", "m", "\""), Read("a", "n", "\"a'")}},
        {"zero bytes end names and values, and a write keeps what follows them", Start::File,
         Text("[a]\r\nk=ab\0cd\r\n[b\0c]\r\nj=1\r\n", 27),
         {Read("a", "k", "ab"), Names("a|b|"), Read("b", "j", "1"), Write("b", "j", "2").Wine("0"),
          FileIs(Text("[a]\r\nk=ab\0cd\r\n[b\0c]\r\nj=2\r\n", 27)).Wine(Text("[a]\r\nk=ab\0cd\r\n[b\0c]\r\nj=1\r\n", 27))},
         kWineRefusesLoss},
        {"a UTF-8 byte-order mark before bytes that are no UTF-8", Start::File, "\xEF\xBB\xBF[a]\r\nk=\xFF\r\n",
         {Write("b", "j", "1").Wine("0"),
          FileIs("\xEF\xBB\xBF[a]\r\nk=\xFF\r\n[b]\r\nj=1\r\n").Wine("\xEF\xBB\xBF[a]\r\nk=\xFF\r\n")},
         kWineRefusesLoss},
        {"a section line without its closing bracket opens no section", Start::File,
         "[a]\r\nk=1\r\n[b\r\nj=2\r\n",
         {Read("a", "j", "2"), Read("b", "j", ""), Names("a|")}},
        {"a closing bracket must start a character", Start::File, "[s]\r\n[\x81\x5D\r\nk=1\r\n[x\x81\x5D]\r\nj=2\r\n",
         {Names("s|x\x81\x5D|"), Read("s", "k", "1"), Read("x\x81\x5D", "j", "2")}},
        {"binary garbage before a section", Start::File, Garbage(4096) + "\n\n[z]\r\nk=1\r\n",
         {Read("z", "k", "1"), Write("z", "k", "2").Wine("0"), Read("z", "k", "2").Wine("1"),
          FileIs(Garbage(4096) + "\n\n[z]\r\nk=2\r\n").Wine(Garbage(4096) + "\n\n[z]\r\nk=1\r\n")},
         kWineRefusesLoss},
        {"a line of 50 MB", Start::File, "[a]\r\nk=" + Repeat("x", 50u << 20) + "\r\n[b]\r\nk=2\r\n",
         {Read("a", "k", Repeat("x", 10239)), Read("b", "k", "2"), Names("a|b|")}},
        {"100,000 sections: the names that fit, the last partial one dropped", Start::File, ManySections(100000),
         {Names(ManySectionNames(25599)), Read("s100000", "k", "100000")}},
        {"section names that fill the buffer exactly are all kept", Start::File, "[" + Repeat("n", 204797) + "]\r\n",
         {Names(Repeat("n", 204797) + "|")}},
        {"the name before a cut that falls between two names is kept", Start::File,
         "[" + Repeat("n", 204797) + "]\r\n[" + Repeat("m", 10) + "]\r\n",
         {Names(Repeat("n", 204797) + "|")}},
        {"a name, its zero and the final zero fill the buffer", Start::File,
         "[" + Repeat("n", 204798) + "]\r\n[m]\r\n", {Names(Repeat("n", 204798) + "|")}},
        {"a first name too long for the buffer leaves no names", Start::File, "[" + Repeat("n", 204799) + "]\r\n",
         {Names("")}},
        {"a folder named like the file reads as empty and takes no writes", Start::Folder, "",
         {Read("a", "k", ""), Names(""), Write("a", "k", "1", false)}},
        {"the file deleted between two operations", Start::File, "[a]\r\nk=1\r\n",
         {Read("a", "k", "1"), Delete(), Read("a", "k", ""), Names(""), Write("a", "j", "2"), FileIs("[a]\r\nj=2\r\n")}},
        {"a read-only file keeps its content", Start::File, "[a]\r\nk=1\r\n",
         {MakeReadOnly(), Write("a", "k", "2", false), Write("b", "k", "2", false), Read("a", "k", "1"),
          FileIs("[a]\r\nk=1\r\n")}},
        {"a value holding a line end adds no lines", Start::File, "[a]\r\nk=1\r\n",
         {Write("a", "k", "2\r\n[x]\r\ny=3"), Read("a", "k", "2"), Names("a|").Wine("a|x|"), Read("x", "y", "").Wine("3")},
         "Wine writes the line ends into the file, so the value adds a section and a key"},
        {"an empty section or key name is not written", Start::File, "[a]\r\nk=1\r\n",
         {Write("", "k", "2", false).Wine("1"), Write("a", "", "2", false).Wine("1"), Read("a", "k", "1")},
         "Wine writes an empty section name into the nameless part before the first section, and an "
         "empty key name as a line \"=value\""},
        {"lines before the first section belong to none", Start::File, "k=0\r\n[a]\r\nk=1\r\n",
         {Read("a", "k", "1"), Names("a|")}},
        {"full-width letters are not folded", Start::File, "[Ａ]\r\nk=1\r\n", {Read("ａ", "k", "")}},
        {"an ideographic space is no blank", Start::File, "[a]\r\nk=　v　\r\n", {Read("a", "k", "　v　")}},
    };
    return cases;
}

std::string Describe(const Text& t) {
    std::string out = std::to_string(t.size()) + " bytes: \"";
    for (size_t i = 0; i < t.size() && i < 160; ++i) {
        unsigned char c = static_cast<unsigned char>(t[i]);
        if (c >= 0x20 && c < 0x7F && c != '\\') {
            out += static_cast<char>(c);
        } else {
            static const char kHex[] = "0123456789ABCDEF";
            out += "\\x";
            out += kHex[c >> 4];
            out += kHex[c & 15];
        }
    }
    return out + (t.size() > 160 ? "...\"" : "\"");
}

Text RunStep(const Step& step, const ScratchFolder& folder, const Text& file) {
    switch (step.op) {
    case Op::Read: return ProfileReadText(file, step.section, step.key);
    case Op::Write: return ProfileWriteText(file, step.section, step.key, step.value) ? "1" : "0";
    case Op::Names: {
        Text joined;
        for (const Text& name : ProfileSectionNames(file)) joined += name + "|";
        return joined;
    }
    case Op::FileIs: return folder.Read("pconfig.ini");
    case Op::Delete: folder.Remove("pconfig.ini"); return kUnchecked;
    case Op::MakeReadOnly: SetReadOnly(file, true); return ReadOnlyIsKept(file) ? kUnchecked : kReadOnlyIgnored;
    }
    return kUnchecked;
}

TEST(ProfileTable, EveryCaseGivesItsResults) {
    for (const Case& c : Cases()) {
        SCOPED_TRACE(c.name);
        ScratchFolder folder;
        const Text file = folder.ProgramPath("pconfig.ini");
        if (c.start == Start::File) folder.Write("pconfig.ini", c.content);
        if (c.start == Start::Folder) folder.MakeFolder("pconfig.ini");
        for (size_t i = 0; i < c.steps.size(); ++i) {
            const Step& step = c.steps[i];
            SCOPED_TRACE("step " + std::to_string(i + 1));
            Text got = RunStep(step, folder, file);
            if (got == kReadOnlyIgnored) {
                std::printf("note: \"%s\" stops here: this platform lets us write a read-only file\n", c.name);
                break;
            }
            const Text& want = kPlatformFunctions && step.onWine ? *step.onWine : step.want;
            if (want == kUnchecked) continue;
            EXPECT_TRUE(got == want) << "got " << Describe(got) << "\nwant " << Describe(want);
        }
        SetReadOnly(file, false);
    }
}

// Every difference from Wine is explained where it is marked.
TEST(ProfileTable, EveryDifferenceFromWineHasAReason) {
    for (const Case& c : Cases()) {
        bool differs = false;
        for (const Step& s : c.steps) differs = differs || s.onWine.has_value();
        EXPECT_EQ(differs, c.wineDiffers != nullptr) << c.name;
    }
}

}  // namespace
