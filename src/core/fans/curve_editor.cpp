#include "core/fans/curve_editor.h"

#include "core/model/messages.h"
#include "core/model/number_box.h"
#include "core/model/number_text.h"
#include "core/model/string_table.h"
#include "core/model/units.h"
#include "core/model/utf8.h"

namespace flowmar {

double fanInputPower(const CurveEditorRow& row, int unitSystem) {
    const double e = row.efficiency;
    if (e == 0 || e > 100 || row.pressure == 0 || row.quantity == 0) {
        return 0;
    }
    if (isImperial(unitSystem)) {
        return row.pressure * row.quantity * imperial::kHorsepowerFactor / e * 1000;
    }
    return row.pressure * row.quantity / (e / 100) / 1000;
}

CurveEditorValues openCurveEditor(const FanCurve& shownCurve, int unitSystem) {
    CurveEditorValues v;
    v.unitSystem = unitSystem;
    v.manufacturer = shownCurve.manufacturer;
    v.model = shownCurve.model;
    v.setting = shownCurve.setting;
    v.curveDensity = shownCurve.curveDensity;
    for (int m = 1; m <= shownCurve.pointCount && m <= kFanCurvePoints; ++m) {
        const FanCurvePoint& p = shownCurve.points[m];
        CurveEditorRow& row = v.rows[m];
        row.pressure = p.pressure;
        row.quantity = p.quantity;
        row.efficiency = p.efficiency;
        row.fanInputPower = fanInputPower(row, unitSystem);
    }
    return v;
}

void reopenCurveEditor(CurveEditorValues& values) {
    for (int m = 1; m <= kFanCurvePoints; ++m) {
        CurveEditorRow& row = values.rows[m];
        row.fanInputPower = fanInputPower(row, values.unitSystem);
    }
}

void clearCurveEditor(CurveEditorValues& values) {
    values.rows.fill(CurveEditorRow{});
}

std::array<CurveEditorColumn, 5> curveEditorColumns(int unitSystem) {
    return {
        {{"Point", 0, true},
         {withUnit("P", Quantity::FanPressure, unitSystem), 3, false},
         {withUnit("Q", Quantity::AirQuantity, unitSystem), isImperial(unitSystem) ? 2 : 1, false},
         {"Eff (%)", 1, false},
         {withUnit("FIP", Quantity::Power, unitSystem), 1, true}}};
}

std::string curveDensityLabel(int unitSystem) {
    return std::string(loadString(strings::kFanCurveDensityCaption)) +
           std::string(unitLabel(strings::kAirDensity, unitSystem));
}

std::string curveDensityText(double shownDensity, int unitSystem) {
    return formatDouble(isImperial(unitSystem) ? "%.3f" : "%.1f", shownDensity);
}

std::optional<std::string> acceptCurveDensityText(CurveEditorValues& values,
                                                  std::string_view text) {
    NumberBox box(values.curveDensity, curveDensityText(values.curveDensity, values.unitSystem));
    box.type(std::string(text));
    const std::optional<double> density = box.value();
    if (!density) {
        return messages::numberNeeded(curveDensityLabel(values.unitSystem));
    }
    values.curveDensity = *density;
    return std::nullopt;
}

int characterCount(std::string_view text) {
    int count = 0;
    for (std::size_t i = 0; i < text.size(); ++count) {
        utf8::next(text, i);
    }
    return count;
}

std::optional<CurveEditorTextRefusal> acceptCurveEditorTexts(CurveEditorValues& values,
                                                             const CurveEditorTexts& typed) {
    const struct {
        CurveEditorText field;
        std::string_view label;
        int maxLength;
        const std::string& stored;
        const std::string& typed;
    } texts[] = {
        {CurveEditorText::Manufacturer, labels::kFanManufacturer, kManufacturerMaxLength,
         values.manufacturer, typed.manufacturer},
        {CurveEditorText::Model, labels::kFanModel, kModelMaxLength, values.model, typed.model},
        {CurveEditorText::Setting, labels::kFanBladeSetting, kSettingMaxLength, values.setting,
         typed.setting},
    };
    for (const auto& t : texts) {
        if (t.typed != t.stored && characterCount(t.typed) > t.maxLength) {
            return CurveEditorTextRefusal{t.field, messages::textTooLong(t.label, t.maxLength)};
        }
    }
    values.manufacturer = typed.manufacturer;
    values.model = typed.model;
    values.setting = typed.setting;
    return std::nullopt;
}

void copyRowsToCurve(const CurveEditorValues& values, FanCurve& shownCurve) {
    for (int m = 1; m <= kFanCurvePoints; ++m) {
        const CurveEditorRow& row = values.rows[m];
        shownCurve.points[m] = {row.pressure, row.quantity, row.efficiency};
    }
}

} // namespace flowmar
