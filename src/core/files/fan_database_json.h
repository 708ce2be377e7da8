// Fan databases as JSON: {"unitSystem": 1, "fanDatabase": [fans]}, each fan with the curve keys
// of a duct model's fan (manufacturer, model, setting, curveDensity, points), all SI.
#pragma once

#include <string>
#include <string_view>

namespace flowmar {

class CFanDatabaseDoc;

// Replaces the database's fans and unit flag when the whole text is valid. Returns an empty text
// on success, else a message naming the key or fan at fault.
std::string readJsonFanDatabase(std::string_view text, CFanDatabaseDoc& db);

std::string writeJsonFanDatabase(const CFanDatabaseDoc& db);

} // namespace flowmar
