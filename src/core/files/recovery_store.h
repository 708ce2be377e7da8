// Recovery copies: while a document holds edits that are not in its file, the program keeps a
// copy of it in a folder of its own, so that a crash, a killed session or a power cut loses at
// most the last few seconds of work. Each copy is the document in its own format (".dct" or
// ".fdb", so it opens on its own) beside a small JSON note of the file it belongs to, its title,
// its kind and when it was written. The document's own file is never touched.
//
// Every running program holds a lock of its own in the folder; a copy whose program no longer
// holds its lock is a leftover of a program that did not exit normally. Two programs running at
// once never see each other's live copies.
#pragma once

#include "core/files/file_status.h"

#include <cstdint>
#include <filesystem>
#include <mutex>
#include <span>
#include <string>
#include <vector>

namespace flowmar {

class CFanDatabaseDoc;
class CFlowmarDoc;

enum class RecoveryKind { DuctModel, FanDatabase };

struct RecoveryCopy {
    std::filesystem::path copy; // the ".dct" or ".fdb" copy
    std::filesystem::path note; // its JSON note
    std::string originalFile;   // the file the document belongs to; empty for a new document
    std::string title;          // the document's title without the modified marker
    RecoveryKind kind = RecoveryKind::DuctModel;
    std::int64_t savedAt = 0; // seconds since the epoch
};

class RecoveryStore {
public:
    // Creates the folder when missing and takes this program's lock in it. A store whose lock
    // could not be taken (the folder cannot be written) keeps no copies: lockError says why.
    explicit RecoveryStore(std::filesystem::path folder);
    ~RecoveryStore();
    RecoveryStore(const RecoveryStore&) = delete;
    RecoveryStore& operator=(const RecoveryStore&) = delete;

    bool usable() const { return m_lock >= 0; }
    const std::string& lockError() const { return m_lockError; }
    const std::filesystem::path& folder() const { return m_folder; }

    // The bytes of a document's copy: made where the document lives (they read it), written
    // anywhere after. Nothing for a document that cannot be written in its format.
    static std::vector<std::uint8_t> copyBytes(const CFlowmarDoc& doc);
    static std::vector<std::uint8_t> copyBytes(const CFanDatabaseDoc& db);

    // Replaces the copy of document `id` (any number the caller gives each open document) through
    // the atomic writer. Safe to call from any thread.
    FileStatus write(int id, RecoveryKind kind, std::span<const std::uint8_t> bytes,
                     const std::string& originalFile, const std::string& title,
                     std::int64_t savedAt);
    // The document was saved or closed without saving: its copy goes.
    void discard(int id);
    // A normal exit: every copy of this program goes.
    void discardAll();

    // This program's live copies.
    std::vector<RecoveryCopy> ownCopies() const;
    // Copies left by programs that no longer run, newest first.
    std::vector<RecoveryCopy> leftovers() const;
    // Removes a leftover (its copy and note): the person discarded it, or it was restored.
    static void discardLeftover(const RecoveryCopy& copy);

private:
    std::filesystem::path copyPath(int id, RecoveryKind kind) const;
    std::filesystem::path notePath(int id) const;

    std::filesystem::path m_folder;
    std::string m_owner; // this program's name in the folder: its process id and start time
    int m_lock = -1;     // the descriptor holding this program's lock
    std::string m_lockError;
    mutable std::mutex m_mutex;
};

} // namespace flowmar
