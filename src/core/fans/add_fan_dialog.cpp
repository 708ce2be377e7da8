#include "core/fans/add_fan_dialog.h"

#include "core/fans/curve_editor.h"
#include "core/model/messages.h"
#include "core/model/number_text.h"
#include "core/model/string_table.h"
#include "core/model/units.h"

namespace flowmar {

AddFanEditTexts addFanEditTexts(const AddFanValues& v) {
    AddFanEditTexts t;
    t.distance = formatDouble("%.2f", v.distance);
    t.fixedPressure = formatDouble("%.2f", v.fixedPressure);
    t.curveDensity = curveDensityText(v.curve.curveDensity, v.unitSystem);
    t.pointCount = formatInt("%d", v.curve.pointCount);
    t.distanceUnit = unitLabel(strings::kLength, v.unitSystem);
    t.fixedPressureUnit = fanPressureLabel(v.unitSystem);
    t.curveDensityUnit = unitLabel(strings::kAirDensity, v.unitSystem);
    return t;
}

void takeAddFanEditTexts(AddFanValues& v, const AddFanEditTexts& t) {
    v.distance = parseNumber(t.distance);
    v.fixedPressure = parseNumber(t.fixedPressure);
    v.curve.curveDensity = parseNumber(t.curveDensity);
    v.curve.pointCount = parseInteger(t.pointCount);
}

std::optional<AddFanRefusal> acceptAddFanEditTexts(AddFanValues& values,
                                                   const AddFanEditTexts& texts) {
    const struct {
        AddFanField field;
        const std::string& text;
        std::string_view label;
        const std::string& unit;
    } numbers[] = {
        {AddFanField::Distance, texts.distance, labels::kDistanceAlongDuct, texts.distanceUnit},
        {AddFanField::FixedPressure, texts.fixedPressure, labels::kFixedFanPressure,
         texts.fixedPressureUnit},
    };
    for (const auto& n : numbers) {
        if (!parseWholeNumber(n.text)) {
            return AddFanRefusal{
                n.field, messages::numberNeeded(std::string(n.label) + " " + std::string(n.unit))};
        }
    }
    takeAddFanEditTexts(values, texts);
    return std::nullopt;
}

} // namespace flowmar
