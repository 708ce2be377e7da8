#include "core/files/recovery_store.h"

#include "core/files/atomic_file.h"
#include "core/files/dct_file.h"
#include "core/files/fdb_file.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/file.h>
#include <system_error>
#include <unistd.h>

namespace flowmar {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kLockSuffix = ".lock";
constexpr std::string_view kNoteSuffix = ".recovery.json";

std::string extensionOf(RecoveryKind kind) {
    return kind == RecoveryKind::FanDatabase ? ".fdb" : ".dct";
}

// Whether a program holds the lock file: a lock that can be taken has no live owner.
bool heldByAnother(const fs::path& lockFile) {
    const int fd = ::open(lockFile.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) {
        return false; // no lock file: its program is gone
    }
    const bool held = ::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);
    return held;
}

std::optional<RecoveryCopy> readNote(const fs::path& note) {
    std::ifstream file(note, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    const auto json = nlohmann::json::parse(text.str(), nullptr, false);
    if (json.is_discarded() || !json.is_object()) {
        return std::nullopt;
    }
    RecoveryCopy copy;
    copy.note = note;
    copy.copy = note.parent_path() / json.value("copy", std::string());
    copy.originalFile = json.value("file", std::string());
    copy.title = json.value("title", std::string());
    copy.kind = json.value("kind", std::string()) == "fanDatabase" ? RecoveryKind::FanDatabase
                                                                   : RecoveryKind::DuctModel;
    copy.savedAt = json.value("savedAt", std::int64_t{0});
    if (copy.copy == note.parent_path() || !fs::exists(copy.copy)) {
        return std::nullopt;
    }
    return copy;
}

// The owner of a note or copy: the part of its name before the first '-'.
std::string ownerOf(const fs::path& path) {
    const std::string name = path.filename().string();
    return name.substr(0, name.find('-'));
}

std::vector<RecoveryCopy> copiesIn(const fs::path& folder, auto&& keepOwner) {
    std::vector<RecoveryCopy> copies;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (!name.ends_with(kNoteSuffix) || !keepOwner(ownerOf(entry.path()))) {
            continue;
        }
        if (std::optional<RecoveryCopy> copy = readNote(entry.path())) {
            copies.push_back(std::move(*copy));
        }
    }
    std::ranges::sort(
        copies, [](const RecoveryCopy& a, const RecoveryCopy& b) { return a.savedAt > b.savedAt; });
    return copies;
}

// Lock files of programs that are gone and left no copy: nothing will ever ask for them.
void removeStaleLocks(const fs::path& folder, const std::string& self) {
    std::error_code error;
    std::vector<fs::path> locks;
    std::vector<std::string> owners;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (name.ends_with(kLockSuffix)) {
            locks.push_back(entry.path());
        } else if (name.ends_with(kNoteSuffix)) {
            owners.push_back(ownerOf(entry.path()));
        }
    }
    for (const fs::path& lock : locks) {
        const std::string owner = lock.stem().string();
        if (owner != self && std::ranges::find(owners, owner) == owners.end() &&
            !heldByAnother(lock)) {
            fs::remove(lock, error);
        }
    }
}

} // namespace

RecoveryStore::RecoveryStore(fs::path folder) : m_folder(std::move(folder)) {
    const auto started = std::chrono::duration_cast<std::chrono::milliseconds>(
                             std::chrono::system_clock::now().time_since_epoch())
                             .count();
    // Two stores of one program (or one started within the same millisecond) must not share a
    // name: a count of the stores made so far tells them apart.
    static std::atomic<int> made{0};
    m_owner = "p" + std::to_string(::getpid()) + "x" + std::to_string(started) + "n" +
              std::to_string(made.fetch_add(1));
    std::error_code error;
    fs::create_directories(m_folder, error);
    const fs::path lockFile = m_folder / (m_owner + std::string(kLockSuffix));
    m_lock = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (m_lock < 0 || ::flock(m_lock, LOCK_EX | LOCK_NB) != 0) {
        m_lockError = "Cannot keep recovery copies in \"" + m_folder.string() +
                      "\": " + std::strerror(errno) + ".";
        if (m_lock >= 0) {
            ::close(m_lock);
            m_lock = -1;
        }
        return;
    }
    removeStaleLocks(m_folder, m_owner);
}

RecoveryStore::~RecoveryStore() {
    if (m_lock >= 0) {
        std::error_code error;
        fs::remove(m_folder / (m_owner + std::string(kLockSuffix)), error);
        ::close(m_lock);
    }
}

std::vector<std::uint8_t> RecoveryStore::copyBytes(const CFlowmarDoc& doc) {
    return ductFileBytes(doc).value_or(std::vector<std::uint8_t>());
}

std::vector<std::uint8_t> RecoveryStore::copyBytes(const CFanDatabaseDoc& db) {
    return fanDatabaseFileBytes(db).value_or(std::vector<std::uint8_t>());
}

fs::path RecoveryStore::copyPath(int id, RecoveryKind kind) const {
    return m_folder / (m_owner + "-" + std::to_string(id) + extensionOf(kind));
}

fs::path RecoveryStore::notePath(int id) const {
    return m_folder / (m_owner + "-" + std::to_string(id) + std::string(kNoteSuffix));
}

FileStatus RecoveryStore::write(int id, RecoveryKind kind, std::span<const std::uint8_t> bytes,
                                const std::string& originalFile, const std::string& title,
                                std::int64_t savedAt) {
    std::scoped_lock lock(m_mutex);
    if (!usable()) {
        return {m_lockError};
    }
    if (bytes.empty()) {
        return {"Cannot keep a recovery copy of \"" + title + "\"."};
    }
    const fs::path copy = copyPath(id, kind);
    if (FileStatus written = writeFileAtomically(copy, bytes); !written.ok()) {
        return written;
    }
    const nlohmann::json note{{"copy", copy.filename().string()},
                              {"file", originalFile},
                              {"title", title},
                              {"kind", kind == RecoveryKind::FanDatabase ? "fanDatabase" : "model"},
                              {"savedAt", savedAt}};
    const std::string text = note.dump(2);
    return writeFileAtomically(
        notePath(id), std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

void RecoveryStore::discard(int id) {
    std::scoped_lock lock(m_mutex);
    std::error_code error;
    fs::remove(notePath(id), error);
    for (const RecoveryKind kind : {RecoveryKind::DuctModel, RecoveryKind::FanDatabase}) {
        fs::remove(copyPath(id, kind), error);
    }
}

void RecoveryStore::discardAll() {
    for (const RecoveryCopy& copy : ownCopies()) {
        std::scoped_lock lock(m_mutex);
        discardLeftover(copy);
    }
}

std::vector<RecoveryCopy> RecoveryStore::ownCopies() const {
    std::scoped_lock lock(m_mutex);
    return copiesIn(m_folder, [this](const std::string& owner) { return owner == m_owner; });
}

std::vector<RecoveryCopy> RecoveryStore::leftovers() const {
    std::scoped_lock lock(m_mutex);
    return copiesIn(m_folder, [this](const std::string& owner) {
        return owner != m_owner && !heldByAnother(m_folder / (owner + std::string(kLockSuffix)));
    });
}

void RecoveryStore::discardLeftover(const RecoveryCopy& copy) {
    std::error_code error;
    fs::remove(copy.copy, error);
    fs::remove(copy.note, error);
}

} // namespace flowmar
