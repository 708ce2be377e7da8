#include "core/commands/recovery_list.h"

#include "core/commands/open_documents.h"
#include "core/model/string_table.h"

#include <ctime>
#include <filesystem>

namespace flowmar {

RecoveryRow recoveryRow(const RecoveryCopy& copy) {
    RecoveryRow row;
    if (!copy.readable()) {
        row.name = copy.note.filename().string();
        row.kind = labels::kRecoveryCannotBeRead;
        row.folder = copy.fault;
        row.restorable = false;
        return row;
    }
    const bool fanDatabase = copy.kind == RecoveryKind::FanDatabase;
    row.kind = fanDatabase ? labels::kRecoveryFanDatabase : labels::kRecoveryDuctModel;
    if (copy.originalFile.empty()) {
        row.name = copy.title;
        row.folder = labels::kRecoveryNeverSaved;
    } else {
        const std::filesystem::path file(copy.originalFile);
        row.name = file.filename().string();
        row.folder = file.parent_path().string();
    }
    row.time = recoveryTimeText(copy.savedAt);
    return row;
}

std::string recoveryTimeText(std::int64_t savedAt) {
    // One form whatever the locale: the dialog's rows sort by it and read the same anywhere.
    const std::time_t time = static_cast<std::time_t>(savedAt);
    std::tm local{};
    if (localtime_r(&time, &local) == nullptr) {
        return {};
    }
    char text[32] = {};
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local);
    return text;
}

std::vector<OpenDocument*> applyRecoveryChoices(const std::vector<RecoveryCopy>& copies,
                                                const std::vector<RecoveryChoice>& choices,
                                                OpenDocuments& documents,
                                                const std::function<void(OpenDocument&)>& adopted) {
    std::vector<OpenDocument*> restored;
    for (std::size_t i = 0; i < copies.size() && i < choices.size(); ++i) {
        switch (choices[i]) {
        case RecoveryChoice::Restore:
            if (!copies[i].readable()) {
                break;
            }
            if (OpenDocument* opened = documents.restore(copies[i], adopted).document) {
                restored.push_back(opened);
                RecoveryStore::discardLeftover(copies[i]);
            }
            break;
        case RecoveryChoice::Discard:
            RecoveryStore::discardLeftover(copies[i]);
            break;
        case RecoveryChoice::Keep:
            break;
        }
    }
    return restored;
}

} // namespace flowmar
