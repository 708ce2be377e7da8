#include "core/input/resistance_page.h"

#include "core/model/messages.h"
#include "core/model/number_text.h"
#include "core/model/string_table.h"
#include "core/model/units.h"

namespace flowmar {

namespace {

using namespace resistance_page;

// One leaving check: the range a value must lie in (bounds included), its message and its box.
struct RangeCheck {
    double low;
    double high;
    std::string_view message;
    int control;
};

struct UnitRanges {
    RangeCheck length;
    RangeCheck diameter;
    RangeCheck frictionFactor;
};

constexpr UnitRanges kSIRanges{
    {1, 100000, messages::kDuctLengthOutOfRangeSI, kLength},
    {0.1, 5, messages::kDuctDiameterOutOfRangeSI, kDiameter},
    {0.00001, 1, messages::kFrictionFactorOutOfRangeSI, kFrictionFactor},
};
constexpr UnitRanges kImperialRanges{
    {3.28, 328083, messages::kDuctLengthOutOfRangeImperial, kLength},
    {3.9, 196.8, messages::kDuctDiameterOutOfRangeImperial, kDiameter},
    {0.0539, 5390, messages::kFrictionFactorOutOfRangeImperial, kFrictionFactor},
};

std::optional<PageFault> outside(const RangeCheck& check, double value) {
    if (value < check.low || value > check.high) {
        return PageFault{std::string(check.message), check.control};
    }
    return std::nullopt;
}

bool isEntry(int index) {
    return index >= 0 && index < 4;
}

} // namespace

PresetTexts defaultDiameterPresets(int unitSystem) {
    if (isImperial(unitSystem)) {
        return {"24", "36", "40", "48"};
    }
    return {"0.7", "0.9", "1.0", "1.2"};
}

PresetTexts defaultFrictionFactorPresets(int unitSystem) {
    if (isImperial(unitSystem)) {
        return {"10", "15", "20", "25"};
    }
    return {"0.0025", "0.003", "0.004", "0.005"};
}

std::string frictionFactorText(double shown, int unitSystem) {
    if (!isImperial(unitSystem)) {
        return formatDouble("%0.4f", shown);
    }
    if (shown < 1) {
        return formatDouble("%6.4f", shown);
    }
    if (shown < 10) {
        return formatDouble("%6.2f", shown);
    }
    return formatDouble("%6.1f", shown);
}

ResistancePage::ResistancePage(const DuctDetailsValues& values)
    : m_unitSystem(values.unitSystem), m_ductLength(values.ductLength),
      m_ductDiameter(values.ductDiameter), m_frictionFactorValue(values.frictionFactor),
      m_diameterPresetIndex(values.diameterPresetIndex),
      m_frictionFactorPresetIndex(values.frictionFactorPresetIndex),
      m_diameterPresets(values.diameterPresets), m_ductTypeNames(values.ductTypeNames),
      m_frictionFactorPresets(values.frictionFactorPresets) {}

void ResistancePage::open() {
    m_open = true;
    m_diameterPresets = defaultDiameterPresets(m_unitSystem);
    m_frictionFactorPresets = defaultFrictionFactorPresets(m_unitSystem);
    m_ductTypeSelection = isEntry(m_frictionFactorPresetIndex) ? m_frictionFactorPresetIndex : -1;
    m_diameterSelection = isEntry(m_diameterPresetIndex) ? m_diameterPresetIndex : -1;
    m_diameter.fill(m_ductDiameter, formatDouble("%.15g", m_ductDiameter));
    m_length.fill(m_ductLength, formatDouble("%.2f", m_ductLength));
    m_frictionFactor.fill(m_frictionFactorValue,
                          flowmar::frictionFactorText(m_frictionFactorValue, m_unitSystem));
}

std::string_view ResistancePage::lengthUnit() const {
    return unitLabel(strings::kLength, m_unitSystem);
}

std::string_view ResistancePage::diameterUnit() const {
    return diameterLabel(m_unitSystem);
}

std::string ResistancePage::frictionFactorUnit() const {
    std::string unit(unitLabel(strings::kFrictionFactor, m_unitSystem));
    if (isImperial(m_unitSystem)) {
        unit += " ";
        unit += labels::kTimesTenToMinusTen;
    }
    return unit;
}

void ResistancePage::selectDuctType(int index) {
    m_ductTypeSelection = isEntry(index) ? index : 0;
    editFrictionFactor(m_frictionFactorPresets[std::size_t(m_ductTypeSelection)]);
}

void ResistancePage::selectDiameter(int index) {
    m_diameterSelection = index;
    if (isEntry(index)) {
        editDiameter(m_diameterPresets[std::size_t(index)]);
    } else {
        m_diameterSelection = -1;
    }
}

void ResistancePage::diameterPresetsEdited(const PresetTexts& diameters) {
    m_diameterPresets = diameters;
    m_diameterPresetsEdited = true;
    selectDiameter(m_diameterSelection);
}

void ResistancePage::frictionFactorPresetsEdited(const PresetTexts& names,
                                                 const PresetTexts& values) {
    m_ductTypeNames = names;
    m_frictionFactorPresets = values;
    m_frictionFactorPresetsEdited = true;
    selectDuctType(m_ductTypeSelection);
}

std::optional<PageFault> ResistancePage::leave() {
    const UnitRanges& ranges = isImperial(m_unitSystem) ? kImperialRanges : kSIRanges;
    // Each box whole, then in its range; the first that fails names itself.
    const auto read = [](const NumberBox& box, const RangeCheck& range, std::string field,
                         double& into) -> std::optional<PageFault> {
        const std::optional<double> value = box.value();
        if (!value) {
            return PageFault{messages::numberNeeded(field), range.control};
        }
        if (auto fault = outside(range, *value)) {
            return fault;
        }
        into = *value;
        return std::nullopt;
    };
    double length = 0;
    double diameter = 0;
    double frictionFactor = 0;
    if (auto fault = read(m_length, ranges.length,
                          std::string(kLengthGroup) + " " + std::string(lengthUnit()), length)) {
        return fault;
    }
    if (auto fault = read(m_diameter, ranges.diameter,
                          std::string(kDiameterGroup) + std::string(diameterUnit()), diameter)) {
        return fault;
    }
    if (auto fault =
            read(m_frictionFactor, ranges.frictionFactor,
                 std::string(kFrictionFactorGroup) + frictionFactorUnit(), frictionFactor)) {
        return fault;
    }
    m_frictionFactorPresetIndex = m_ductTypeSelection;
    m_diameterPresetIndex = m_diameterSelection;
    m_ductLength = length;
    m_ductDiameter = diameter;
    m_frictionFactorValue = frictionFactor;
    return std::nullopt;
}

void ResistancePage::storeInto(DuctDetailsValues& values) const {
    values.ductLength = m_ductLength;
    values.ductDiameter = m_ductDiameter;
    values.frictionFactor = m_frictionFactorValue;
    values.diameterPresetIndex = m_diameterPresetIndex;
    values.frictionFactorPresetIndex = m_frictionFactorPresetIndex;
    if (m_diameterPresetsEdited) {
        values.diameterPresets = m_diameterPresets;
    }
    if (m_frictionFactorPresetsEdited) {
        values.ductTypeNames = m_ductTypeNames;
        values.frictionFactorPresets = m_frictionFactorPresets;
    }
}

} // namespace flowmar
