#include "core/files/atomic_file.h"
#include "core/model/messages.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
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

// The outcome of a child process that saves next over the previous file.
struct ChildEnd {
    bool signalled = false;
    int code = 0; // the signal, or the exit status
};

ChildEnd waitFor(pid_t child) {
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFSIGNALED(status) ? ChildEnd{true, WTERMSIG(status)}
                               : ChildEnd{false, WEXITSTATUS(status)};
}

bool holdsATemporary(const TempFolder& folder) {
    return std::ranges::any_of(folder.names(), [](const std::string& name) {
        return name.find(".saving-") != std::string::npos;
    });
}

// A signal that ends the process during a save: the temporary goes with it, the previous file
// stays whole. The child is signalled as soon as its temporary appears; on a disk so fast that
// the save ends first, the child tries again with a file four times larger.
class SignalDuringSave : public FolderWithPreviousSave,
                         public ::testing::WithParamInterface<int> {};

TEST_P(SignalDuringSave, RemovesTheTemporaryAndEndsTheProcess) {
    const int signal = GetParam();
    bool caught = false;
    for (std::size_t size = 64u << 20; !caught && size <= (1u << 30); size *= 4) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            const Bytes large(size, 0x5C);
            ::_exit(writeFileAtomically(target, large).ok() ? 0 : 1);
        }
        while (!holdsATemporary(folder) && ::waitpid(child, nullptr, WNOHANG) == 0) {
        }
        ::kill(child, signal);
        const ChildEnd end = waitFor(child);
        caught = end.signalled;
        if (caught) {
            EXPECT_EQ(end.code, signal);
            EXPECT_EQ(folder.names(), std::vector<std::string>{"model.dct"});
            EXPECT_EQ(testing::fileContents(target), previous);
        } else {
            // The save won the race: put the previous file back for the next size.
            ASSERT_EQ(end.code, 0);
            testing::writeContents(target, previous);
        }
    }
    EXPECT_TRUE(caught) << "no save was slow enough to be interrupted";
}

INSTANTIATE_TEST_SUITE_P(TerminationSignals, SignalDuringSave,
                         ::testing::Values(SIGTERM,  // kill, a logout, a service stopping
                                           SIGINT,   // Ctrl+C in the terminal
                                           SIGHUP,   // the terminal closed
                                           SIGALRM,  // a script's time limit
                                           SIGUSR1,  // a script's own signal
                                           SIGPIPE), // the reader of a pipe went away
                         [](const ::testing::TestParamInfo<int>& param) {
                             return "SIG" + std::string(::sigabbrev_np(param.param));
                         });

// A process whose SIGXFSZ still does what it does by default (ends the process) is not killed by
// a file-size limit: the save reports the fault and removes its temporary.
TEST_F(FolderWithPreviousSave, FileSizeLimitIsAReportedFailureNotAKill) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_DFL);
        rlimit small{};
        getrlimit(RLIMIT_FSIZE, &small);
        small.rlim_cur = 1000;
        setrlimit(RLIMIT_FSIZE, &small);
        const FileStatus status = writeFileAtomically(target, next);
        ::_exit(status.error == messages::cannotSaveFile(target.string(), messages::kFileTooLarge)
                    ? 0
                    : 1);
    }
    const ChildEnd end = waitFor(child);
    EXPECT_FALSE(end.signalled) << "signal " << end.code;
    EXPECT_EQ(end.code, 0) << "the save did not report the size limit";
    EXPECT_EQ(folder.names(), std::vector<std::string>{"model.dct"});
    EXPECT_EQ(testing::fileContents(target), previous);
}

// What a killed save left (kill -9 gives no chance to clean up) goes on the next save of the same
// file; a save still running in a live process, and other files' saves, keep theirs.
TEST_F(FolderWithPreviousSave, NextSaveRemovesWhatAKilledSaveLeft) {
    const pid_t gone = ::fork();
    ASSERT_GE(gone, 0);
    if (gone == 0) {
        ::_exit(0);
    }
    waitFor(gone);
    const std::string live = ".model.dct.saving-" + std::to_string(::getppid()) + "-5";
    for (const std::string& name :
         {std::string(".model.dct.saving-123456789"), // the form before process ids
          ".model.dct.saving-" + std::to_string(gone) + "-42", live,
          std::string(".other.dct.saving-1")}) {
        testing::writeContents(folder / name, previous);
    }
    ASSERT_TRUE(writeFileAtomically(target, next).ok());
    std::vector<std::string> names = folder.names();
    std::ranges::sort(names);
    std::vector<std::string> kept{live, ".other.dct.saving-1", "model.dct"};
    std::ranges::sort(kept);
    EXPECT_EQ(names, kept);
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

TEST(AtomicFile, FolderThatTakesNoFilesIsNotCalledMissing) {
    // /proc exists, but creating a file there fails with "no such file".
    if (!fs::is_directory("/proc")) {
        GTEST_SKIP() << "no /proc here";
    }
    EXPECT_EQ(writeFileAtomically("/proc/x.json", Bytes{1}).error,
              messages::cannotSaveFile("/proc/x.json", messages::kFolderNotWritable));
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
