#include "core/files/fan_curve_json.h"

#include "core/fans/normalise_fan_curve.h"
#include "core/files/json_reader.h"
#include "core/model/units.h"

#include <algorithm>
#include <string>

namespace flowmar {

void readFanCurve(JsonObjectReader& fan, FanCurve& curve, int fanNumber) {
    fan.text("manufacturer", curve.manufacturer);
    fan.text("model", curve.model);
    fan.text("setting", curve.setting);
    fan.number("curveDensity", curve.curveDensity);
    FanCurveRows rows{};
    const int points = fan.list("points", kFanCurvePoints, [&](JsonObjectReader& point, int m) {
        point.number("pressure", rows[m].pressure);
        point.number("quantity", rows[m].quantity);
        point.number("efficiency", rows[m].efficiency);
    });
    if (!fan.ok() || points == 0) {
        return;
    }
    const std::string_view fault = NormaliseFanCurve(rows, curve.pointCount, kSI);
    if (!fault.empty()) {
        fan.fail("Fan " + std::to_string(fanNumber) + ": " + std::string(fault));
        return;
    }
    curve.points = rows;
}

nlohmann::ordered_json fanCurveJson(const FanCurve& curve) {
    nlohmann::ordered_json points = nlohmann::ordered_json::array();
    const int count = std::clamp(curve.pointCount, 0, kFanCurvePoints);
    for (int m = 1; m <= count; ++m) {
        const FanCurvePoint& p = curve.points[m];
        points.push_back(
            {{"pressure", p.pressure}, {"quantity", p.quantity}, {"efficiency", p.efficiency}});
    }
    return {{"manufacturer", curve.manufacturer},
            {"model", curve.model},
            {"setting", curve.setting},
            {"curveDensity", curve.curveDensity},
            {"points", points}};
}

} // namespace flowmar
