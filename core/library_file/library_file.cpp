#include "core/library_file/library_file.h"

#include <cstring>
#include <vector>

#include "core/library_file/profile_seam.h"

namespace {

Text gRunDirectory;
bool gRunDirectoryFixed = false;

// Blank and control bytes that a read skips at the start of each name.
std::string_view SkipLeadingBlanks(std::string_view name) {
    size_t i = 0;
    while (i < name.size() && static_cast<unsigned char>(name[i]) >= 0x01 && static_cast<unsigned char>(name[i]) <= 0x20) ++i;
    return name.substr(i);
}

// The names in a section-name buffer, up to the first empty name. A name whose zero byte lies
// beyond the buffer is a fragment and is left out.
TextList NamesInBuffer(const std::vector<char>& buffer) {
    TextList names;
    size_t i = 0;
    while (i < buffer.size() && buffer[i] != '\0') {
        const void* zero = std::memchr(buffer.data() + i, '\0', buffer.size() - i);
        if (zero == nullptr) break;
        size_t end = static_cast<const char*>(zero) - buffer.data();
        names.emplace_back(buffer.data() + i, end - i);
        i = end + 1;
    }
    return names;
}

}  // namespace

Text ModuleFileName() { return PlatformModuleFileName(); }

void FixRunDirectory(std::string_view executablePath) {
    // Walk whole characters: the second byte of a GBK character may be 0x5C, and cutting there
    // would name a folder that does not exist.
    size_t lastBackslash = std::string_view::npos;
    for (size_t i = 0; i < executablePath.size();) {
        unsigned char c = static_cast<unsigned char>(executablePath[i]);
        if (c == '\\') lastBackslash = i;
        if (c >= 0x80) {
            if (i + 1 >= executablePath.size()) break;  // a lead byte with nothing after it
            i += 2;
        } else {
            ++i;
        }
    }
    gRunDirectory = lastBackslash == std::string_view::npos ? Text() : Text(executablePath.substr(0, lastBackslash));
    gRunDirectoryFixed = true;
}

Text RunDirectory() {
    if (!gRunDirectoryFixed) FixRunDirectory(ModuleFileName());
    return gRunDirectory;
}

Text LibraryFilePath() { return ConcatText({RunDirectory(), "\\pconfig.ini"}); }

bool FileExists(std::string_view path) { return PlatformFindFile(Text(path).c_str()); }

Text ProfileReadText(std::string_view file, std::string_view section, std::string_view key) {
    file = SkipLeadingBlanks(file);
    section = SkipLeadingBlanks(section);
    key = SkipLeadingBlanks(key);
    if (file.empty() || section.empty() || key.empty()) return Text();
    std::vector<char> buffer(kValueBufferSize, '\0');
    PlatformGetProfileString(Text(section).c_str(), Text(key).c_str(), "", buffer.data(), kValueBufferSize,
                             Text(file).c_str());
    // What the buffer holds, never trusting the count to stay inside it.
    return Text(buffer.data(), strnlen(buffer.data(), kValueBufferSize - 1));
}

bool ProfileWriteText(std::string_view file, std::string_view section, std::string_view key, std::string_view value) {
    return PlatformWriteProfileString(Text(section).c_str(), Text(key).c_str(), Text(value).c_str(), Text(file).c_str());
}

TextList ProfileSectionNames(std::string_view file) {
    const Text name(file);
    std::vector<char> buffer(kSectionNamesBufferSize, '\0');
    uint32_t count = PlatformGetProfileSectionNames(buffer.data(), kSectionNamesBufferSize, name.c_str());
    TextList names = NamesInBuffer(buffer);
    // A count of size - 2 says the names were cut. When the last name in the buffer ends before
    // byte size - 2, the cut fell between names and every name is whole. When it ends at size - 2
    // it may be a fragment, or a whole name that filled the buffer exactly (Windows says "cut"
    // for that too). A buffer two bytes larger tells: a whole name has its zero at the same place.
    const uint32_t last = kSectionNamesBufferSize - 3;
    if (count == kSectionNamesBufferSize - 2 && buffer[last] != '\0' && !names.empty()) {
        std::vector<char> wider(kSectionNamesBufferSize + 2, '\0');
        PlatformGetProfileSectionNames(wider.data(), kSectionNamesBufferSize + 2, name.c_str());
        if (wider[last + 1] != '\0') names.pop_back();
    }
    return names;
}
