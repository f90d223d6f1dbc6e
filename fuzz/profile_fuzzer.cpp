// The library file's profile operations over the portable engine: arbitrary file bytes, then an
// arbitrary sequence of reads, writes and section listings on a real file in a scratch folder.
//
// Input: the file's bytes up to the first "#ops\n" (all of it when there is none), then the
// operations, one opcode byte each: 0 read, 1 write, 2 list the sections, 3 list them into a small
// buffer whose size is the next byte (others are skipped).
// A name is one byte: below 0x80 it picks one of the names the system uses, otherwise the next
// (byte - 0x80) bytes are the name. A value is a length byte, that many bytes and a repeat byte r
// (the bytes written 1 + r times, so values beyond the 10,239 bytes a read gives occur).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>

#include <unistd.h>

#include "core/library_file/library_file.h"
#include "core/library_file/profile_engine.h"
#include "fuzz/fuzz_check.h"
#include "testing/scratch_folder.h"

namespace {

// The sections and keys the system writes and reads, in GBK: 配置, 默认; 配置项名称, 最大长度,
// 生成个数, 选中词库, 指定词库, 所有词库.
constexpr std::string_view kSystemNames[] = {
    "\xC5\xE4\xD6\xC3", "\xC4\xAC\xC8\xCF",
    "\xC5\xE4\xD6\xC3\xCF\xEE\xC3\xFB\xB3\xC6", "\xD7\xEE\xB4\xF3\xB3\xA4\xB6\xC8",
    "\xC9\xFA\xB3\xC9\xB8\xF6\xCA\xFD", "\xD1\xA1\xD6\xD0\xB4\xCA\xBF\xE2",
    "\xD6\xB8\xB6\xA8\xB4\xCA\xBF\xE2", "\xCB\xF9\xD3\xD0\xB4\xCA\xBF\xE2",
};
constexpr size_t kSystemNameCount = sizeof kSystemNames / sizeof kSystemNames[0];

class Ops {
public:
    explicit Ops(std::string_view bytes) : bytes_(bytes) {}
    bool Done() const { return bytes_.empty(); }
    uint8_t Byte() {
        if (bytes_.empty()) return 0;
        uint8_t b = static_cast<uint8_t>(bytes_[0]);
        bytes_.remove_prefix(1);
        return b;
    }
    std::string Bytes(size_t n) {
        n = std::min(n, bytes_.size());
        std::string s(bytes_.substr(0, n));
        bytes_.remove_prefix(n);
        s.erase(std::remove(s.begin(), s.end(), '\0'), s.end());  // a Text holds no zero byte
        return s;
    }
    std::string Name(bool* isSystemName) {
        uint8_t b = Byte();
        *isSystemName = b < 0x80;
        return b < 0x80 ? std::string(kSystemNames[b % kSystemNameCount]) : Bytes(b - 0x80u);
    }
    std::string Value() {
        std::string unit = Bytes(Byte());
        size_t repeats = 1 + static_cast<size_t>(Byte());
        std::string value;
        for (size_t i = 0; i < repeats; ++i) value += unit;
        return value;
    }

private:
    std::string_view bytes_;
};

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\x1A'; }

// A value that any profile reader gives back as written: no line end, no blanks around it that a
// reader trims, not enclosed in quotes that a reader takes off.
bool ReadsBackAsWritten(std::string_view v) {
    if (v.find_first_of("\r\n") != std::string_view::npos) return false;
    if (!v.empty() && (IsBlank(v.front()) || IsBlank(v.back()))) return false;
    return !(v.size() >= 2 && (v[0] == '"' || v[0] == '\'') && v.back() == v[0]);
}

size_t CountLineEnds(std::string_view s) { return static_cast<size_t>(std::count(s.begin(), s.end(), '\n') + std::count(s.begin(), s.end(), '\r')); }

// A write may change the text of one line and add lines, never touch any other line: the bytes
// that differ between the old and the new file, once their common start and end are set aside,
// hold no line end on the old side, and at most three new lines (CR LF each) on the new side.
void CheckOtherLinesSurvive(std::string_view before, std::string_view after) {
    size_t prefix = 0;
    while (prefix < before.size() && prefix < after.size() && before[prefix] == after[prefix]) ++prefix;
    size_t suffix = 0;
    while (suffix < before.size() - prefix && suffix < after.size() - prefix &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    std::string_view removed = before.substr(prefix, before.size() - prefix - suffix);
    std::string_view added = after.substr(prefix, after.size() - prefix - suffix);
    FUZZ_CHECK(CountLineEnds(removed) == 0);
    FUZZ_CHECK(CountLineEnds(added) <= 6);
}

}  // namespace

// Every write replaces the file through a temporary file that the engine syncs to disk; on a disk
// the sync costs more than the rest of an input together. The scratch folder therefore lives in
// RAM (/dev/shm) when the machine has one we may write to and TMPDIR names no other place: the
// engine runs exactly as it does anywhere else, only its sync returns at once.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::error_code ec;
    const bool ram = std::filesystem::is_directory("/dev/shm", ec) && access("/dev/shm", W_OK) == 0;
    if (std::getenv("TMPDIR") == nullptr && ram) setenv("TMPDIR", "/dev/shm", 0);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static ScratchFolder folder;
    static const std::string file = folder.ProgramPath("pconfig.ini");

    std::string_view input(reinterpret_cast<const char*>(data), size);
    size_t marker = std::min(input.find("#ops\n"), input.size());
    folder.Write("pconfig.ini", input.substr(0, marker));
    Ops ops(marker < input.size() ? input.substr(marker + 5) : std::string_view());

    for (int step = 0; step < 16 && !ops.Done(); ++step) {
        switch (ops.Byte()) {
            case 0: {
                bool system = false;
                std::string section = ops.Name(&system), key = ops.Name(&system);
                std::string before = folder.Read("pconfig.ini");
                Text value = ProfileReadText(file, section, key);
                FUZZ_CHECK(value.size() <= kValueBufferSize - 1);
                FUZZ_CHECK(value.find('\0') == Text::npos);
                FUZZ_CHECK(folder.Read("pconfig.ini") == before);  // reading changes nothing
                break;
            }
            case 1: {
                bool systemSection = false, systemKey = false;
                std::string section = ops.Name(&systemSection), key = ops.Name(&systemKey);
                std::string value = ops.Value();
                std::string before = folder.Read("pconfig.ini");
                bool written = ProfileWriteText(file, section, key, value);
                std::string after = folder.Read("pconfig.ini");
                if (!written) {
                    FUZZ_CHECK(after == before);
                    FUZZ_CHECK(!(systemSection && systemKey));  // the system's own writes always succeed
                    break;
                }
                CheckOtherLinesSurvive(before, after);
                if (systemSection && systemKey && ReadsBackAsWritten(value))
                    FUZZ_CHECK(ProfileReadText(file, section, key) == value.substr(0, kValueBufferSize - 1));
                break;
            }
            case 2: {
                TextList names = ProfileSectionNames(file);
                size_t bytes = 0;
                for (const Text& name : names) {
                    FUZZ_CHECK(!name.empty() && name.find('\0') == Text::npos);
                    bytes += name.size() + 1;
                }
                FUZZ_CHECK(bytes + 1 <= kSectionNamesBufferSize);
                break;
            }
            case 3: {
                // The engine beneath the section list, with a buffer too small for the names: the
                // Windows contract, and not one byte written outside the buffer.
                uint32_t small = ops.Byte();
                std::string content = folder.Read("pconfig.ini");
                std::unique_ptr<char[]> whole(new char[kSectionNamesBufferSize]);
                uint32_t all = ProfileListSections(content, whole.get(), kSectionNamesBufferSize);
                std::unique_ptr<char[]> part(new char[small ? small : 1]);
                uint32_t count = ProfileListSections(content, small ? part.get() : nullptr, small);
                if (small == 0) {
                    FUZZ_CHECK(count == 0);
                } else if (all + 1 < small) {  // a list that fills the buffer exactly counts as cut
                    FUZZ_CHECK(count == all && std::memcmp(part.get(), whole.get(), all + 1) == 0);
                } else {
                    FUZZ_CHECK(small == 1 ? count == 0 && part[0] == '\0' : count == small - 2u);
                    if (small >= 2) {
                        FUZZ_CHECK(part[small - 1] == '\0' && part[small - 2] == '\0');
                        FUZZ_CHECK(std::memcmp(part.get(), whole.get(), small - 2u) == 0);
                    }
                }
                break;
            }
            default:
                break;
        }
    }
    return 0;
}
