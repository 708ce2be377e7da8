#include "core/files/fan_database_json.h"

#include "core/fans/fan_database_doc.h"
#include "core/files/fan_curve_json.h"
#include "core/files/json_reader.h"

#include <algorithm>

namespace flowmar {

std::string readJsonFanDatabase(std::string_view text, CFanDatabaseDoc& db) {
    return readJsonDocument(text, "fan database", [&](JsonObjectReader& top) {
        int unitSystem = 1;
        std::array<FanCurve, kMaxDatabaseFans + 1> fans{};
        top.integer("unitSystem", unitSystem);
        const int count =
            top.list("fanDatabase", kMaxDatabaseFans,
                     [&](JsonObjectReader& fan, int i) { readFanCurve(fan, fans[i], i); });
        if (top.ok()) {
            db.unitSystem = unitSystem;
            db.fans = fans;
            db.fanCount = count;
            db.lastEditedFan = 0;
            db.editInProgress = 0;
        }
    });
}

std::string writeJsonFanDatabase(const CFanDatabaseDoc& db) {
    nlohmann::ordered_json fans = nlohmann::ordered_json::array();
    const int count = std::clamp(db.fanCount, 0, kMaxDatabaseFans);
    for (int i = 1; i <= count; ++i) {
        fans.push_back(fanCurveJson(db.fans[i]));
    }
    const nlohmann::ordered_json j = {{"unitSystem", db.unitSystem}, {"fanDatabase", fans}};
    return j.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
}

} // namespace flowmar
