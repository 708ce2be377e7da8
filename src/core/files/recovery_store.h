// Recovery copies: while a document holds edits that are not in its file, the program keeps a
// copy of it in a folder of its own, so that a crash, a killed session or a power cut loses at
// most the last few seconds of work. Each copy is the document in its own format (".dct" or
// ".fdb", so it opens on its own; JSON for a model holding what a ".dct" cannot) beside a small
// JSON note of the file it belongs to, its title, its kind and when it was written. The
// document's own file is never touched.
//
// The folder is an ordinary folder of the person's, which anyone able to write there may fill:
// a note is data, never an instruction. A note's copy is the sibling of the same name in the
// folder; nothing outside the folder is ever read, written or removed because a note says so,
// and a note or copy that is no regular file, is too large or holds the wrong types is listed
// as one that cannot be read, never followed and never a reason to stop.
//
// Every running program holds a lock of its own in the folder; a copy whose program no longer
// holds its lock is a leftover of a program that did not exit normally. Two programs running at
// once never see each other's live copies.
#pragma once

#include "core/files/file_bytes.h"
#include "core/files/file_status.h"

#include <cstdint>
#include <filesystem>
#include <mutex>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace flowmar {

class CFanDatabaseDoc;
class CFlowmarDoc;

enum class RecoveryKind { DuctModel, FanDatabase };

struct RecoveryCopy {
    std::filesystem::path copy; // the ".dct", ".fdb" or ".json" copy beside the note
    std::filesystem::path note; // its JSON note
    std::string originalFile;   // the file the document belongs to; empty for a new document
    std::string title;          // the document's title without the modified marker
    RecoveryKind kind = RecoveryKind::DuctModel;
    std::int64_t savedAt = 0; // seconds since the epoch
    std::string fault;        // why the note or its copy cannot be read; empty when they can

    bool readable() const { return fault.empty(); }
};

// A document's copy as it is written: its bytes and their form.
struct RecoveryBytes {
    std::vector<std::uint8_t> bytes;
    bool json = false; // the JSON form, for a document its own format cannot hold whole

    bool empty() const { return bytes.empty(); }
};

// The largest note read: a real one is a few hundred bytes.
inline constexpr std::uintmax_t kMaxRecoveryNoteSize = 64 * 1024;

// What the text of the note at `note` says, each field checked, into `copy` (its copy the note's
// sibling in the folder); the fault when the text is no note or a field is missing or wrong. The
// copy itself is not looked at.
std::string readRecoveryNoteText(std::string_view text, const std::filesystem::path& note,
                                 RecoveryCopy& copy);

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
    static RecoveryBytes copyBytes(const CFlowmarDoc& doc);
    static RecoveryBytes copyBytes(const CFanDatabaseDoc& db);

    // Replaces the copy of document `id` (any number the caller gives each open document) through
    // the atomic writer. Safe to call from any thread.
    FileStatus write(int id, RecoveryKind kind, const RecoveryBytes& copy,
                     const std::string& originalFile, const std::string& title,
                     std::int64_t savedAt);
    // The document was saved or closed without saving: its copy goes.
    void discard(int id);
    // A normal exit: every copy of this program goes.
    void discardAll();

    // This program's live copies.
    std::vector<RecoveryCopy> ownCopies() const;
    // Copies left by programs that no longer run, newest first; those that cannot be read last.
    std::vector<RecoveryCopy> leftovers() const;
    // Removes a leftover (its note and the copies of the note's name beside it, never what a link
    // there points to): the person discarded it, or it was restored.
    static void discardLeftover(const RecoveryCopy& copy);
    // The bytes of a readable leftover's copy, read without following a link or blocking.
    static FileBytes readCopy(const RecoveryCopy& copy);

private:
    std::filesystem::path copyPath(int id, std::string_view extension) const;
    std::filesystem::path notePath(int id) const;

    std::filesystem::path m_folder;
    std::string m_owner; // this program's name in the folder: its process id and start time
    int m_lock = -1;     // the descriptor holding this program's lock
    std::string m_lockError;
    mutable std::mutex m_mutex;
};

} // namespace flowmar
