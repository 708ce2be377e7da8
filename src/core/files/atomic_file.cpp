#include "core/files/atomic_file.h"

#include "core/model/messages.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace flowmar {

namespace {

namespace fs = std::filesystem;

std::string_view faultOf(int error) {
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return messages::kFolderDoesNotExist;
    case EACCES:
    case EPERM:
    case EROFS:
        return messages::kFolderNotWritable;
    case ENOSPC:
    case EDQUOT:
        return messages::kDiskFull;
    case EFBIG:
        return messages::kFileTooLarge;
    case EISDIR:
        return messages::kFileIsFolder;
    default:
        return messages::kFileNotWritten;
    }
}

// A name in the target's folder that no other save is using; hidden, and marked as ours.
// The target's name is shortened so that the temporary one stays within the 255 bytes a name may
// have.
fs::path temporaryNameFor(const fs::path& target) {
    static thread_local std::mt19937_64 random{std::random_device{}()};
    const std::string name = target.filename().string().substr(0, 200);
    return target.parent_path() / ("." + name + ".saving-" + std::to_string(random() % 1000000000));
}

bool writeAll(int fd, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return true;
}

// Makes the rename itself survive a crash; a folder that cannot be flushed is no save failure.
void flushFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

FileStatus writeFileAtomically(const fs::path& path, std::span<const std::uint8_t> bytes) {
    const std::string shownName = path.string();
    const auto failWith = [&](std::string_view fault) {
        return FileStatus{messages::cannotSaveFile(shownName, fault)};
    };

    std::error_code ec;
    fs::path target = path;
    if (fs::is_symlink(target, ec)) {
        const fs::path resolved = fs::weakly_canonical(target, ec);
        if (!ec) {
            target = resolved;
        }
    }
    if (target.filename().empty()) {
        return failWith(messages::kFileIsFolder);
    }
    struct stat targetStat {};
    const bool targetExists = ::stat(target.c_str(), &targetStat) == 0;
    if (targetExists && S_ISDIR(targetStat.st_mode)) {
        return failWith(messages::kFileIsFolder);
    }
    // The rename could replace a read-only file; its owner made it read-only to keep it.
    if (targetExists && ::access(target.c_str(), W_OK) != 0) {
        return failWith(messages::kFileReadOnly);
    }
    if (target.parent_path().empty()) {
        target = fs::path(".") / target;
    }

    fs::path temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = temporaryNameFor(target);
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) {
            return failWith(faultOf(errno));
        }
    }
    if (fd < 0) {
        return failWith(messages::kFileNotWritten);
    }

    // A replaced file keeps its permissions; a new one gets those the user's umask allows.
    bool written = !targetExists || ::fchmod(fd, targetStat.st_mode & 07777) == 0;
    written = written && writeAll(fd, bytes) && ::fsync(fd) == 0;
    int error = written ? 0 : errno;
    if (::close(fd) != 0 && written) {
        written = false;
        error = errno;
    }
    if (written && ::rename(temporary.c_str(), target.c_str()) != 0) {
        written = false;
        error = errno;
    }
    if (!written) {
        ::unlink(temporary.c_str());
        return failWith(faultOf(error));
    }
    flushFolder(target.parent_path());
    return {};
}

} // namespace flowmar
