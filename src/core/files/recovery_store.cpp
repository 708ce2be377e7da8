#include "core/files/recovery_store.h"

#include "core/files/atomic_file.h"
#include "core/files/dct_file.h"
#include "core/files/fdb_file.h"
#include "core/files/json_model.h"
#include "core/model/messages.h"
#include "core/model/utf8.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <initializer_list>
#include <optional>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace flowmar {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kLockSuffix = ".lock";
constexpr std::string_view kNoteSuffix = ".recovery.json";
// Every form a copy may take, so that discarding a note removes whichever is beside it.
constexpr std::string_view kCopyExtensions[] = {".dct", ".fdb", ".json"};

std::string_view extensionOf(RecoveryKind kind, bool json) {
    if (json) {
        return ".json";
    }
    return kind == RecoveryKind::FanDatabase ? ".fdb" : ".dct";
}

// The name shared by a note and its copy: the note's name without its suffix.
std::string stemOf(const fs::path& note) {
    const std::string name = note.filename().string();
    return name.substr(0, name.size() - kNoteSuffix.size());
}

// Whether a program holds the lock file: a lock that can be taken has no live owner. Only a
// regular file is opened, and never through a link, so a name in the folder cannot make the
// program open a device or wait on a pipe.
bool heldByAnother(const fs::path& lockFile) {
    struct stat status {};
    if (::lstat(lockFile.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) {
        return false; // no lock file: its program is gone
    }
    const int fd =
        ::open(lockFile.c_str(), O_RDWR | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        return false;
    }
    struct stat opened {};
    const bool held = ::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) &&
                      ::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);
    return held;
}

// The text of a field that must be a string; nothing when it is missing or of another type.
const std::string* stringField(const nlohmann::json& note, const char* key) {
    const auto found = note.find(key);
    return found != note.end() && found->is_string() ? found->get_ptr<const std::string*>()
                                                     : nullptr;
}

// A file name that is not UTF-8 cannot stand in JSON as it is: the note keeps its bytes as well.
nlohmann::json fileBytesJson(const std::string& file) {
    nlohmann::json bytes = nlohmann::json::array();
    for (const char c : file) {
        bytes.push_back(static_cast<unsigned char>(c));
    }
    return bytes;
}

std::optional<std::string> fileFromBytes(const nlohmann::json& bytes) {
    if (!bytes.is_array() || bytes.size() > 4096) {
        return std::nullopt;
    }
    std::string file;
    for (const nlohmann::json& byte : bytes) {
        if (!byte.is_number_unsigned() || byte.get<unsigned>() < 1 || byte.get<unsigned>() > 255) {
            return std::nullopt;
        }
        file += static_cast<char>(byte.get<unsigned>());
    }
    return file;
}

} // namespace

std::string readRecoveryNoteText(std::string_view text, const fs::path& note, RecoveryCopy& copy) {
    const auto json = nlohmann::json::parse(text, nullptr, false);
    if (json.is_discarded() || !json.is_object()) {
        return std::string(messages::kRecoveryNoteNotJson);
    }
    const std::string* kind = stringField(json, "kind");
    const std::string* title = stringField(json, "title");
    const std::string* original = stringField(json, "file");
    const std::string* copyName = stringField(json, "copy");
    const auto savedAt = json.find("savedAt");
    if (kind == nullptr || (*kind != "model" && *kind != "fanDatabase") || title == nullptr ||
        original == nullptr || copyName == nullptr || savedAt == json.end() ||
        !savedAt->is_number_integer()) {
        return std::string(messages::kRecoveryNoteFieldsWrong);
    }
    copy.kind = *kind == "fanDatabase" ? RecoveryKind::FanDatabase : RecoveryKind::DuctModel;
    copy.title = *title;
    copy.originalFile = *original;
    copy.savedAt = savedAt->get<std::int64_t>();
    if (const auto bytes = json.find("fileBytes"); bytes != json.end()) {
        const std::optional<std::string> fromBytes = fileFromBytes(*bytes);
        if (!fromBytes) {
            return std::string(messages::kRecoveryNoteFieldsWrong);
        }
        copy.originalFile = *fromBytes;
    }
    // The copy is the note's sibling of the same name in a form of the note's kind; a note
    // naming any other file names nothing.
    const std::string stem = stemOf(note);
    const bool named =
        std::ranges::any_of(std::initializer_list<bool>{false, true}, [&](bool asJson) {
            return *copyName == stem + std::string(extensionOf(copy.kind, asJson));
        });
    if (!named) {
        return std::string(messages::kRecoveryNoteNamesNoCopy);
    }
    copy.copy = note.parent_path() / *copyName;
    return {};
}

namespace {

// What a note says, checked field by field, and whether its copy is a file that can be read; the
// fault when not.
std::string readNoteFields(const fs::path& note, RecoveryCopy& copy) {
    const FileBytes file = readFileBytes(note, SymbolicLinks::Refuse, kMaxRecoveryNoteSize);
    if (!file.ok()) {
        return std::string(file.fault);
    }
    const std::string_view text(reinterpret_cast<const char*>(file.bytes.data()),
                                file.bytes.size());
    if (std::string fault = readRecoveryNoteText(text, note, copy); !fault.empty()) {
        return fault;
    }
    struct stat status {};
    if (::lstat(copy.copy.c_str(), &status) != 0) {
        return std::string(messages::kRecoveryCopyMissing);
    }
    if (!S_ISREG(status.st_mode)) {
        return std::string(messages::kFileNotReadable);
    }
    if (static_cast<std::uintmax_t>(status.st_size) > kMaxReadableFileSize) {
        return std::string(messages::kFileTooLargeToRead);
    }
    return {};
}

RecoveryCopy readNote(const fs::path& note) {
    RecoveryCopy copy;
    copy.note = note;
    copy.fault = readNoteFields(note, copy);
    if (!copy.readable()) {
        // Named by the note itself: nothing it says can be trusted.
        copy.copy.clear();
        copy.originalFile.clear();
        copy.title = note.filename().string();
        copy.savedAt = 0;
    }
    return copy;
}

// The owner of a note or copy: the part of its name before the first '-'.
std::string ownerOf(const fs::path& path) {
    const std::string name = path.filename().string();
    return name.substr(0, name.find('-'));
}

// The entries of the folder; an entry that cannot be looked at ends the listing, never the
// program.
std::vector<fs::path> entriesOf(const fs::path& folder) {
    std::vector<fs::path> entries;
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), last; !error && entry != last;
         entry.increment(error)) {
        entries.push_back(entry->path());
    }
    return entries;
}

std::vector<RecoveryCopy> copiesIn(const fs::path& folder, auto&& keepOwner) {
    std::vector<RecoveryCopy> copies;
    for (const fs::path& entry : entriesOf(folder)) {
        const std::string name = entry.filename().string();
        if (name.size() > kNoteSuffix.size() && name.ends_with(kNoteSuffix) &&
            keepOwner(ownerOf(entry))) {
            copies.push_back(readNote(entry));
        }
    }
    std::ranges::sort(copies, [](const RecoveryCopy& a, const RecoveryCopy& b) {
        if (a.readable() != b.readable()) {
            return a.readable();
        }
        return a.savedAt != b.savedAt ? a.savedAt > b.savedAt : a.note < b.note;
    });
    return copies;
}

// Lock files of programs that are gone and left no copy: nothing will ever ask for them.
void removeStaleLocks(const fs::path& folder, const std::string& self) {
    std::vector<fs::path> locks;
    std::vector<std::string> owners;
    for (const fs::path& entry : entriesOf(folder)) {
        const std::string name = entry.filename().string();
        if (name.ends_with(kLockSuffix)) {
            locks.push_back(entry);
        } else if (name.ends_with(kNoteSuffix)) {
            owners.push_back(ownerOf(entry));
        }
    }
    for (const fs::path& lock : locks) {
        const std::string owner = lock.stem().string();
        if (owner != self && std::ranges::find(owners, owner) == owners.end() &&
            !heldByAnother(lock)) {
            ::unlink(lock.c_str());
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
    m_lock = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
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

RecoveryBytes RecoveryStore::copyBytes(const CFlowmarDoc& doc) {
    if (!ductFileHoldsAll(doc)) {
        const std::string text = writeJsonModel(doc);
        return {std::vector<std::uint8_t>(text.begin(), text.end()), true};
    }
    return {ductFileBytes(doc).value_or(std::vector<std::uint8_t>()), false};
}

RecoveryBytes RecoveryStore::copyBytes(const CFanDatabaseDoc& db) {
    return {fanDatabaseFileBytes(db).value_or(std::vector<std::uint8_t>()), false};
}

fs::path RecoveryStore::copyPath(int id, std::string_view extension) const {
    return m_folder / (m_owner + "-" + std::to_string(id) + std::string(extension));
}

fs::path RecoveryStore::notePath(int id) const {
    return m_folder / (m_owner + "-" + std::to_string(id) + std::string(kNoteSuffix));
}

FileStatus RecoveryStore::write(int id, RecoveryKind kind, const RecoveryBytes& copy,
                                const std::string& originalFile, const std::string& title,
                                std::int64_t savedAt) {
    std::scoped_lock lock(m_mutex);
    if (!usable()) {
        return {m_lockError};
    }
    if (copy.empty()) {
        return {"Cannot keep a recovery copy of \"" + title + "\"."};
    }
    const std::string_view extension = extensionOf(kind, copy.json);
    const fs::path copyFile = copyPath(id, extension);
    if (FileStatus written = writeFileAtomically(copyFile, copy.bytes); !written.ok()) {
        return written;
    }
    nlohmann::json note{{"copy", copyFile.filename().string()},
                        {"file", utf8::sanitised(originalFile)},
                        {"title", utf8::sanitised(title)},
                        {"kind", kind == RecoveryKind::FanDatabase ? "fanDatabase" : "model"},
                        {"savedAt", savedAt}};
    if (!utf8::valid(originalFile)) {
        note["fileBytes"] = fileBytesJson(originalFile);
    }
    const std::string text = note.dump(2);
    FileStatus written = writeFileAtomically(
        notePath(id), std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
    // A copy of the other form, written before the document changed form, is out of date.
    for (const std::string_view other : kCopyExtensions) {
        if (written.ok() && other != extension) {
            ::unlink(copyPath(id, other).c_str());
        }
    }
    return written;
}

void RecoveryStore::discard(int id) {
    std::scoped_lock lock(m_mutex);
    ::unlink(notePath(id).c_str());
    for (const std::string_view extension : kCopyExtensions) {
        ::unlink(copyPath(id, extension).c_str());
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
    // By the note's own name only, whatever the note says: unlink removes a link, never what it
    // points to, and never a folder.
    const std::string stem = stemOf(copy.note);
    for (const std::string_view extension : kCopyExtensions) {
        ::unlink((copy.note.parent_path() / (stem + std::string(extension))).c_str());
    }
    ::unlink(copy.note.c_str());
}

FileBytes RecoveryStore::readCopy(const RecoveryCopy& copy) {
    if (!copy.readable()) {
        return {{}, messages::kFileNotReadable};
    }
    return readFileBytes(copy.copy, SymbolicLinks::Refuse);
}

} // namespace flowmar
