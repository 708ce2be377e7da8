#include "core/files/file_bytes.h"

#include "core/model/messages.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace flowmar {

namespace {

std::string_view faultOfType(mode_t mode) {
    if (S_ISDIR(mode)) {
        return messages::kFileIsFolder;
    }
    // A device or a pipe could block, never end, or act on being read.
    return S_ISREG(mode) ? std::string_view() : messages::kFileNotReadable;
}

class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

} // namespace

FileBytes readFileBytes(const std::filesystem::path& path, SymbolicLinks links,
                        std::uintmax_t limit) {
    FileBytes result;
    const auto failWith = [&](std::string_view fault) {
        result.bytes.clear();
        result.fault = fault;
        return result;
    };
    const bool follow = links == SymbolicLinks::Follow;
    // Looked at before it is opened, so that a device is never opened at all.
    struct stat before {};
    if ((follow ? ::stat(path.c_str(), &before) : ::lstat(path.c_str(), &before)) != 0) {
        return failWith(errno == ENOENT || errno == ENOTDIR ? messages::kFileDoesNotExist
                                                            : messages::kFileNotReadable);
    }
    if (const std::string_view fault = faultOfType(before.st_mode); !fault.empty()) {
        return failWith(fault);
    }
    // Non-blocking and without following a link where links are refused, and looked at again
    // once open: what is opened may not be what was looked at.
    const int flags = O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY | (follow ? 0 : O_NOFOLLOW);
    const Descriptor file(::open(path.c_str(), flags));
    if (file.get() < 0) {
        return failWith(errno == ENOENT ? messages::kFileDoesNotExist : messages::kFileNotReadable);
    }
    struct stat opened {};
    if (::fstat(file.get(), &opened) != 0) {
        return failWith(messages::kFileNotReadable);
    }
    if (const std::string_view fault = faultOfType(opened.st_mode); !fault.empty()) {
        return failWith(fault);
    }
    if (static_cast<std::uintmax_t>(opened.st_size) > limit) {
        return failWith(messages::kFileTooLargeToRead);
    }
    // Read in blocks rather than trusting the size taken: the file may change while it is read.
    constexpr std::size_t kBlock = 64 * 1024;
    for (;;) {
        const std::size_t used = result.bytes.size();
        result.bytes.resize(used + kBlock);
        const ssize_t got = ::read(file.get(), result.bytes.data() + used, kBlock);
        if (got < 0) {
            if (errno == EINTR) {
                result.bytes.resize(used);
                continue;
            }
            return failWith(messages::kFileNotReadable);
        }
        result.bytes.resize(used + static_cast<std::size_t>(got));
        if (result.bytes.size() > limit) {
            return failWith(messages::kFileTooLargeToRead);
        }
        if (got == 0) {
            break;
        }
    }
    return result;
}

} // namespace flowmar
