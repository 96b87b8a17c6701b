// Replacing files atomically: a write that fails anywhere leaves the old file as it was
// and no temporary file behind.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "common/atomic_file.h"
#include "common/text_file.h"
#include "fakes/temp_file.h"

namespace karvelo {
namespace {

constexpr const char* kOldContent = "old content\n";
constexpr rlim_t kSizeLimitBytes = 4096;

// The names in a folder.
std::vector<std::string> FolderEntries(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    return names;
}

// Runs save in a child process in which no file may grow past limit bytes (the kernel
// refuses the write, as a full disk does); true when save reported success.
bool SavesUnderSizeLimit(rlim_t limit, const std::function<bool()>& save) {
    const pid_t child = fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit size{limit, limit};
        setrlimit(RLIMIT_FSIZE, &size);
        _exit(save() ? 0 : 1);
    }
    int status = -1;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

class AtomicWriteTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::create_directories(folder_);
        std::ofstream(target_) << kOldContent;
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    const std::filesystem::path folder_ = testing::TempFile("atomic");
    const std::string target_ = (folder_ / "target.txt").string();
};

TEST_F(AtomicWriteTest, FailedWriteLeavesTheOldFileAndNoTemporaryFile) {
    const std::string big(3 * kSizeLimitBytes, 'x');
    const auto writeBigLines = [&big](std::ostream& out) { out << big << '\n'; };
    struct Case {
        const char* what;
        std::function<bool()> save;
    };
    const Case cases[] = {
        {"the writer gives up half way",
         [&] {
             return ReplaceFileAtomically(target_, [](const std::string& temp) {
                 std::ofstream(temp) << "half";
                 return false;
             });
         }},
        {"the stream fails after some lines",
         [&] {
             return WriteTextFile(target_, [](std::ostream& out) {
                 out << "first line\n";
                 out.setstate(std::ios::badbit);
             });
         }},
        {"text beyond the size limit",
         [&] {
             return SavesUnderSizeLimit(kSizeLimitBytes,
                                        [&] { return WriteTextFile(target_, writeBigLines); });
         }},
        {"bytes beyond the size limit",
         [&] {
             return SavesUnderSizeLimit(kSizeLimitBytes,
                                        [&] { return WriteFileAtomically(target_, big); });
         }},
        {"the folder does not exist",
         [&] { return WriteTextFile((folder_ / "none" / "x.txt").string(), writeBigLines); }},
        {"no file name", [&] { return WriteFileAtomically("", big); }},
    };
    for (const Case& c : cases) {
        errno = 0;
        EXPECT_FALSE(c.save()) << c.what;
        EXPECT_EQ(testing::ReadWholeFile(target_), kOldContent) << c.what;
        EXPECT_EQ(FolderEntries(folder_), std::vector<std::string>{"target.txt"}) << c.what;
    }
}

// What a write killed half way left behind goes at the next write to the same target; a
// write still in progress (its temporary file locked) and other files stay.
TEST_F(AtomicWriteTest, NextWriteRemovesTheTemporaryFilesOfAKilledWrite) {
    const std::vector<std::string> kept = {"other.txt.tmp.Ab3xYz", "target.txt.tmp.short",
                                           "target.txt.tmp.Ab3x-z", "target.txt.tmp.InUse1"};
    for (const std::string& name : kept) {
        std::ofstream(folder_ / name) << "half";
    }
    std::ofstream((folder_ / "target.txt.tmp.Killed").string()) << "half";
    const int inUse = open((folder_ / "target.txt.tmp.InUse1").c_str(), O_RDONLY);
    ASSERT_EQ(flock(inUse, LOCK_EX), 0);
    EXPECT_TRUE(WriteTextFile(target_, [](std::ostream& out) { out << "new\n"; }));
    close(inUse);
    EXPECT_EQ(testing::ReadWholeFile(target_), "new\n");
    std::vector<std::string> left = FolderEntries(folder_);
    std::sort(left.begin(), left.end());
    std::vector<std::string> expected = kept;
    expected.push_back("target.txt");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(left, expected);
}

TEST_F(AtomicWriteTest, ReplacesTheFileALinkNamesAndKeepsItsPermissions) {
    const std::string link = (folder_ / "link.txt").string();
    std::filesystem::create_symlink(target_, link);
    chmod(target_.c_str(), 0640);
    ASSERT_TRUE(WriteTextFile(link, [](std::ostream& out) { out << "new\n"; }));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(testing::ReadWholeFile(target_), "new\n");
    struct stat entry {};
    ASSERT_EQ(stat(target_.c_str(), &entry), 0);
    EXPECT_EQ(entry.st_mode & 07777, 0640u);
    EXPECT_EQ(FolderEntries(folder_).size(), 2u);
}

}  // namespace
}  // namespace karvelo
