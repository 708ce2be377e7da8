// The copies left by a program that did not exit normally, as the start-up dialog lists them, and
// what becomes of each: restored (opened as a modified document under its own name, the copy
// then gone: the program keeps a fresh copy of its own), kept for the next start, or discarded.
#pragma once

#include "core/files/recovery_store.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace flowmar {

class OpenDocuments;
struct OpenDocument;

enum class RecoveryChoice { Restore, Keep, Discard };

// One line of the dialog.
struct RecoveryRow {
    std::string name;   // the file's name, or the title of a document never saved
    std::string kind;   // "Duct model" or "Fan database"
    std::string folder; // the file's folder, or "(never saved)"
    std::string time;   // when the copy was made, "YYYY-MM-DD HH:MM" in local time
    // A note or copy that cannot be read is listed by the note's own name, "cannot be read" as
    // its kind and the reason in place of the folder; it can be kept or discarded, not restored.
    bool restorable = true;
};

RecoveryRow recoveryRow(const RecoveryCopy& copy);

// The time of a copy (seconds since the epoch) in local time, to the minute.
std::string recoveryTimeText(std::int64_t savedAt);

// Carries out the person's choice for each copy (`choices[i]` for `copies[i]`; a missing choice
// keeps the copy). Restored documents are opened through `documents` with `adopted` as for open,
// and returned; a copy that cannot be read stays where it is, its message shown by the port.
// A damaged note is never restored: Restore keeps it, Discard removes the note and its copy.
std::vector<OpenDocument*> applyRecoveryChoices(const std::vector<RecoveryCopy>& copies,
                                                const std::vector<RecoveryChoice>& choices,
                                                OpenDocuments& documents,
                                                const std::function<void(OpenDocument&)>& adopted);

} // namespace flowmar
