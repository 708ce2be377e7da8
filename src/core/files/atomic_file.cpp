#include "core/files/atomic_file.h"

#include "core/model/messages.h"

#include <array>
#include <atomic>
#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <random>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <utility>

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

// The start of every temporary name of a save of target: hidden, and marked as ours. The
// target's name is shortened so that the temporary one stays within the 255 bytes a name may have.
std::string temporaryPrefixFor(const fs::path& target) {
    return "." + target.filename().string().substr(0, 200) + ".saving-";
}

// A name in the target's folder that no other save is using. The saving process's id comes
// first, so that the next save can tell a killed save's leftover from a save still running.
fs::path temporaryNameFor(const fs::path& target) {
    static thread_local std::mt19937_64 random{std::random_device{}()};
    return target.parent_path() / (temporaryPrefixFor(target) + std::to_string(::getpid()) + "-" +
                                   std::to_string(random() % 1000000000));
}

// Removes what a killed save of target left: temporaries whose process no longer runs (and those
// of an older form without a process id). A save running elsewhere keeps its temporary.
void removeLeftoversOf(const fs::path& target) {
    const std::string prefix = temporaryPrefixFor(target);
    std::error_code ec;
    for (fs::directory_iterator entry(target.parent_path(), ec), last; !ec && entry != last;
         entry.increment(ec)) {
        const std::string name = entry->path().filename().string();
        if (!name.starts_with(prefix)) {
            continue;
        }
        const std::string_view rest = std::string_view(name).substr(prefix.size());
        const std::size_t dash = rest.find('-');
        bool alive = false;
        if (dash != std::string_view::npos) {
            int pid = 0;
            const auto [end, fault] = std::from_chars(rest.data(), rest.data() + dash, pid);
            alive = fault == std::errc{} && end == rest.data() + dash && pid > 0 &&
                    (::kill(pid, 0) == 0 || errno == EPERM);
        }
        if (!alive) {
            ::unlink(entry->path().c_str());
        }
    }
}

// The temporaries being written now, for the signal handlers: a terminated save removes its
// temporary before the process ends. A slot is claimed by one save (state 1 while its name is
// copied in, 2 once the handler may read it) and freed when the save ends.
constexpr std::size_t kSaveSlots = 32;
constexpr std::size_t kSlotPath = 4096;
struct SaveSlot {
    std::atomic<int> state{0};
    std::array<char, kSlotPath> path{};
};
std::array<SaveSlot, kSaveSlots> g_saves;
static_assert(std::atomic<int>::is_always_lock_free, "read inside a signal handler");

// Every signal whose default action ends the process, but those of a fault in the program itself
// (SIGSEGV and the like, where nothing can be trusted) and SIGKILL, which cannot be caught: a
// closed terminal (SIGHUP), a broken pipe under `| head` (SIGPIPE), a timer or a script's signal.
constexpr int kEndingSignals[] = {SIGTERM, SIGINT,  SIGHUP,  SIGQUIT,
                                  SIGALRM, SIGUSR1, SIGUSR2, SIGPIPE};

// Only async-signal-safe calls: unlink, sigaction, raise.
extern "C" void removeTemporariesAndEnd(int signal) {
    for (SaveSlot& slot : g_saves) {
        if (slot.state.load() == 2) {
            ::unlink(slot.path.data());
        }
    }
    // The handler only ever replaces the default action, so the signal then does what it would
    // have done without us: end the process.
    struct sigaction byDefault {};
    byDefault.sa_handler = SIG_DFL;
    sigemptyset(&byDefault.sa_mask);
    ::sigaction(signal, &byDefault, nullptr);
    ::raise(signal);
}

// Before every save, since anyone may have changed a disposition since the last one: only a
// default action is replaced, so a signal the process ignores (nohup) or handles itself stays as
// it is. SIGXFSZ is ignored, so that a file-size limit makes write() fail with EFBIG and the save
// report it, instead of the process being killed with its temporary in place.
void installSaveSignals() {
    static std::mutex installing;
    const std::lock_guard lock(installing);
    const auto replaceDefault = [](int signal, void (*action)(int)) {
        struct sigaction current {};
        if (::sigaction(signal, nullptr, &current) == 0 && current.sa_handler == SIG_DFL &&
            (current.sa_flags & SA_SIGINFO) == 0) {
            struct sigaction replacement {};
            replacement.sa_handler = action;
            sigemptyset(&replacement.sa_mask);
            ::sigaction(signal, &replacement, nullptr);
        }
    };
    for (const int signal : kEndingSignals) {
        replaceDefault(signal, removeTemporariesAndEnd);
    }
    replaceDefault(SIGXFSZ, SIG_IGN);
}

// A temporary registered for the signal handlers while it exists; with every slot taken, the
// save goes on unregistered.
class RegisteredTemporary {
public:
    explicit RegisteredTemporary(const fs::path& temporary) {
        const std::string& name = temporary.native();
        if (name.size() >= kSlotPath) {
            return;
        }
        for (SaveSlot& slot : g_saves) {
            int expected = 0;
            if (slot.state.compare_exchange_strong(expected, 1)) {
                std::memcpy(slot.path.data(), name.c_str(), name.size() + 1);
                slot.state.store(2);
                m_slot = &slot;
                return;
            }
        }
    }
    ~RegisteredTemporary() {
        if (m_slot != nullptr) {
            m_slot->state.store(0);
        }
    }
    RegisteredTemporary(const RegisteredTemporary&) = delete;
    RegisteredTemporary& operator=(const RegisteredTemporary&) = delete;

private:
    SaveSlot* m_slot = nullptr;
};

// Holds the ending signals back from this thread while the temporary is created and registered:
// a signal in between would end the process with an unregistered temporary in place. A held
// signal arrives when the hold ends, and the handler then finds the temporary.
class TerminationSignalsHeld {
public:
    TerminationSignalsHeld() {
        sigset_t termination;
        sigemptyset(&termination);
        for (const int signal : kEndingSignals) {
            sigaddset(&termination, signal);
        }
        m_holding = ::pthread_sigmask(SIG_BLOCK, &termination, &m_previous) == 0;
    }
    ~TerminationSignalsHeld() { release(); }
    void release() {
        if (m_holding) {
            ::pthread_sigmask(SIG_SETMASK, &m_previous, nullptr);
            m_holding = false;
        }
    }
    TerminationSignalsHeld(const TerminationSignalsHeld&) = delete;
    TerminationSignalsHeld& operator=(const TerminationSignalsHeld&) = delete;

private:
    sigset_t m_previous{};
    bool m_holding = false;
};

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

    installSaveSignals();
    removeLeftoversOf(target);
    TerminationSignalsHeld held;
    fs::path temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = temporaryNameFor(target);
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) {
            // A folder that exists but takes no new files (/proc, /sys) answers "no such file".
            const int error = errno;
            std::error_code folderEc;
            if (error == ENOENT && fs::is_directory(target.parent_path(), folderEc)) {
                return failWith(messages::kFolderNotWritable);
            }
            return failWith(faultOf(error));
        }
    }
    if (fd < 0) {
        return failWith(messages::kFileNotWritten);
    }
    // Registered only after it was created, so the handlers never remove another save's file.
    const RegisteredTemporary registered(temporary);
    held.release();

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
