#include "core/commands/fan_curve_import.h"

#include "core/fans/add_fan_dialog.h"
#include "core/fans/fan_curve_units.h"
#include "core/fans/fan_database_doc.h"
#include "core/fans/select_fan.h"
#include "core/files/fdb_file.h"
#include "core/files/file_bytes.h"
#include "core/model/messages.h"
#include "core/ui_port.h"

#include <algorithm>

namespace flowmar {

namespace {
const OpenFileRequest kFanDatabaseRequest{"Specify Fan Database File", "Fan Files (*.fdb)|*.fdb||"};
} // namespace

bool importFanCurve(AddFanValues& values, UiPort& port) {
    const std::optional<std::string> path = port.chooseFileToOpen(kFanDatabaseRequest);
    if (!path) {
        return false;
    }
    const FileBytes file = readFileBytes(*path);
    if (!file.ok()) {
        port.showMessage(messages::unableToOpenFile(*path), MessageIcon::Warning);
        return false;
    }
    const FanDatabaseFileRead read = readFanDatabaseBytes(file.bytes, *path);
    if (!read.ok()) {
        port.showMessage(read.error, MessageIcon::Warning);
        return false;
    }
    const CFanDatabaseDoc& db = *read.document;
    const int count = std::clamp(db.fanCount, 0, kMaxDatabaseFans);
    SelectFanValues select;
    for (int i = 1; i <= count; ++i) {
        select.manufacturer[i] = db.fans[i].manufacturer;
        select.model[i] = db.fans[i].model;
        select.setting[i] = db.fans[i].setting;
    }
    if (!port.runSelectFan(select)) {
        return false;
    }
    if (select.fanNumber < 1 || select.fanNumber > count) {
        port.showMessage(messages::kImportFanDoesNotExist, MessageIcon::Warning);
        return false;
    }
    values.curve = curveToShown(db.fans[select.fanNumber], values.unitSystem);
    return true;
}

} // namespace flowmar
