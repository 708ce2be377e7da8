#include "core/files/atomic_file.h"
#include "core/model/messages.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdint>
#include <filesystem>
#include <sys/resource.h>
#include <vector>

namespace flowmar {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;
using testing::TempFolder;

// A folder holding "model.dct" with the bytes of a previous save.
class FolderWithPreviousSave : public ::testing::Test {
protected:
    FolderWithPreviousSave() : target(folder / "model.dct") {
        testing::writeContents(target, previous);
    }

    TempFolder folder;
    fs::path target;
    Bytes previous = Bytes(5000, 0xAB);
    Bytes next = Bytes(20000, 0x5C);
};

TEST_F(FolderWithPreviousSave, SaveReplacesTheFileAndLeavesNothingElse) {
    ASSERT_TRUE(writeFileAtomically(target, next).ok());
    EXPECT_EQ(testing::fileContents(target), next);
    EXPECT_EQ(folder.names(), std::vector<std::string>{"model.dct"});
}

TEST_F(FolderWithPreviousSave, ReplacedFileKeepsItsPermissions) {
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(writeFileAtomically(target, next).ok());
    EXPECT_EQ(fs::status(target).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(FolderWithPreviousSave, SaveThroughALinkReplacesTheFileItPointsTo) {
    const fs::path link = folder / "link.dct";
    fs::create_symlink(target, link);
    ASSERT_TRUE(writeFileAtomically(link, next).ok());
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(testing::fileContents(target), next);
}

// A save that fails while writing (here the process may not write a file larger than 1000
// bytes) must leave the previous file whole and no temporary file behind.
TEST_F(FolderWithPreviousSave, FailureWhileWritingKeepsThePreviousFile) {
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const FileStatus status = writeFileAtomically(target, next);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(status.error, messages::cannotSaveFile(target.string(), messages::kFileTooLarge));
    EXPECT_EQ(testing::fileContents(target), previous);
    EXPECT_EQ(folder.names(), std::vector<std::string>{"model.dct"});
}

TEST_F(FolderWithPreviousSave, TargetThatIsAFolderIsNotTouched) {
    const fs::path sub = folder / "models.dct";
    fs::create_directory(sub);
    testing::writeContents(sub / "inside", previous);
    EXPECT_EQ(writeFileAtomically(sub, next).error,
              messages::cannotSaveFile(sub.string(), messages::kFileIsFolder));
    EXPECT_TRUE(fs::is_directory(sub));
    EXPECT_EQ(testing::fileContents(sub / "inside"), previous);
}

TEST(AtomicFile, MissingFolderIsNamed) {
    TempFolder folder;
    const fs::path path = folder / "no such folder" / "model.dct";
    EXPECT_EQ(writeFileAtomically(path, Bytes{1, 2, 3}).error,
              "Cannot save \"" + path.string() + "\": the folder does not exist.");
}

TEST(AtomicFile, NewFileIsCreatedWithTheBytes) {
    TempFolder folder;
    const fs::path path = folder / "new.fdb";
    ASSERT_TRUE(writeFileAtomically(path, Bytes{}).ok()) << "an empty file is a file too";
    EXPECT_TRUE(fs::is_regular_file(path));
    EXPECT_EQ(fs::file_size(path), 0u);
}

} // namespace
} // namespace flowmar
