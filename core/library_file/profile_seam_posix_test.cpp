// The portable engine's care for the user's file: whatever goes wrong, the old file stays whole,
// nothing is left beside it, and nothing blocks.
#include <gtest/gtest.h>

#include <dirent.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>

#include "core/library_file/library_file.h"
#include "core/library_file/profile_engine.h"
#include "core/library_file/profile_seam.h"
#include "testing/scratch_folder.h"

namespace {

const char kOld[] = "[a]\r\nk=1\r\n";

// The names in the folder, so a leftover temporary file shows.
std::vector<std::string> Entries(const ScratchFolder& folder) {
    std::vector<std::string> names;
    if (DIR* d = opendir(HostPath(folder.ProgramPath()).c_str())) {
        while (dirent* e = readdir(d)) {
            if (std::strcmp(e->d_name, ".") != 0 && std::strcmp(e->d_name, "..") != 0) names.push_back(e->d_name);
        }
        closedir(d);
    }
    return names;
}

TEST(PortableProfileWrite, AFullDiskLeavesTheOldFileWhole) {
    ScratchFolder folder;
    folder.Write("pconfig.ini", kOld);
    const Text file = folder.ProgramPath("pconfig.ini");
    // Files may grow no larger than the old one, as on a full disk; root is held to it too.
    struct sigaction ignore{}, before{};
    ignore.sa_handler = SIG_IGN;
    sigaction(SIGXFSZ, &ignore, &before);
    rlimit limit{}, saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    limit = saved;
    limit.rlim_cur = sizeof kOld - 1;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
    const bool written = ProfileWriteText(file, "a", "k", Text(100000, 'x'));
    setrlimit(RLIMIT_FSIZE, &saved);
    sigaction(SIGXFSZ, &before, nullptr);

    EXPECT_FALSE(written);
    EXPECT_EQ(folder.Read("pconfig.ini"), kOld);
    EXPECT_EQ(Entries(folder), std::vector<std::string>{"pconfig.ini"});
    EXPECT_EQ(ProfileReadText(file, "a", "k"), "1");
}

TEST(PortableProfileWrite, AReadOnlyFolderTakesNoWrite) {
    ScratchFolder folder;
    folder.Write("pconfig.ini", kOld);
    const Text dir = HostPath(folder.ProgramPath());
    ASSERT_EQ(chmod(dir.c_str(), 0555), 0);
    const Text probe = dir + "/probe";
    if (FILE* f = std::fopen(probe.c_str(), "w")) {
        std::fclose(f);
        std::remove(probe.c_str());
        chmod(dir.c_str(), 0755);
        GTEST_SKIP() << "this user writes into read-only folders (root)";
    }
    EXPECT_FALSE(ProfileWriteText(folder.ProgramPath("pconfig.ini"), "a", "k", "2"));
    chmod(dir.c_str(), 0755);
    EXPECT_EQ(folder.Read("pconfig.ini"), kOld);
    EXPECT_EQ(Entries(folder), std::vector<std::string>{"pconfig.ini"});
}

TEST(PortableProfileWrite, KeepsTheFilesModeAndLeavesNothingBeside) {
    ScratchFolder folder;
    folder.Write("pconfig.ini", kOld);
    const Text path = HostPath(folder.ProgramPath("pconfig.ini"));
    ASSERT_EQ(chmod(path.c_str(), 0640), 0);
    EXPECT_TRUE(ProfileWriteText(folder.ProgramPath("pconfig.ini"), "a", "k", "2"));
    EXPECT_TRUE(ProfileWriteText(folder.ProgramPath("pconfig.ini"), "b", "k", "3"));
    struct stat st{};
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(folder.Read("pconfig.ini"), "[a]\r\nk=2\r\n[b]\r\nk=3\r\n");
    EXPECT_EQ(Entries(folder), std::vector<std::string>{"pconfig.ini"});
}

TEST(PortableProfileWrite, WritesThroughALinkAndKeepsIt) {
    ScratchFolder folder;
    folder.Write("real.ini", kOld);
    const Text link = HostPath(folder.ProgramPath("pconfig.ini"));
    ASSERT_EQ(symlink("real.ini", link.c_str()), 0);
    EXPECT_TRUE(ProfileWriteText(folder.ProgramPath("pconfig.ini"), "a", "k", "2"));
    struct stat st{};
    ASSERT_EQ(lstat(link.c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    EXPECT_EQ(folder.Read("real.ini"), "[a]\r\nk=2\r\n");
}

TEST(PortableProfileRead, APipeNamedLikeTheFileDoesNotBlock) {
    ScratchFolder folder;
    ASSERT_EQ(mkfifo(HostPath(folder.ProgramPath("pconfig.ini")).c_str(), 0644), 0);
    EXPECT_TRUE(FileExists(folder.ProgramPath("pconfig.ini")));
    EXPECT_EQ(ProfileReadText(folder.ProgramPath("pconfig.ini"), "a", "k"), "");
    EXPECT_TRUE(ProfileSectionNames(folder.ProgramPath("pconfig.ini")).empty());
    EXPECT_FALSE(ProfileWriteText(folder.ProgramPath("pconfig.ini"), "a", "k", "1"));
}

TEST(PortablePaths, BackslashesBecomeSlashesButNotTrailBytes) {
    EXPECT_EQ(HostPath("\\tmp\\誠\\pconfig.ini"), "/tmp/誠/pconfig.ini");
    EXPECT_EQ(HostPath("\\tmp\\\xD5\x5C\\x"), "/tmp/\xD5\x5C/x");
    EXPECT_EQ(HostPath("a\\\\b"), "a//b");
}

// The buffer contract that ProfileSectionNames relies on, at the sizes where it turns.
TEST(ProfileListSections, FollowsTheWindowsBufferContract) {
    struct Case { std::string_view content; uint32_t size; uint32_t want; std::string_view bytes; };
    const Case cases[] = {
        {"[ab]\r\n[cd]\r\n", 16, 6, std::string_view("ab\0cd\0\0", 7)},
        {"[ab]\r\n[cd]\r\n", 8, 6, std::string_view("ab\0cd\0\0", 7)},   // fits with a byte to spare
        {"[ab]\r\n[cd]\r\n", 7, 5, std::string_view("ab\0cd\0\0", 7)},   // exactly full counts as cut
        {"[ab]\r\n[cde]\r\n", 7, 5, std::string_view("ab\0cd\0\0", 7)},  // cut inside a name
        {"[ab]\r\n[cd]\r\n", 5, 3, std::string_view("ab\0\0\0", 5)},     // cut between the names
        {"[ab]\r\n", 2, 0, std::string_view("\0\0", 2)},
        {"[ab]\r\n", 1, 0, std::string_view("\0", 1)},
        {"[]\r\n[ab]\r\n", 8, 3, std::string_view("ab\0\0", 4)},         // an empty name is left out
        {"", 8, 0, std::string_view("\0", 1)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.content) + " in " + std::to_string(c.size));
        std::string buffer(c.size, '\x7F');
        EXPECT_EQ(ProfileListSections(c.content, buffer.data(), c.size), c.want);
        EXPECT_EQ(buffer.substr(0, c.bytes.size()), c.bytes);
    }
}

}  // namespace
