#include "core/input/leakage_page.h"

#include "core/model/input_limits.h"
#include "core/model/messages.h"
#include "core/model/number_text.h"
#include "core/model/string_table.h"
#include "core/model/units.h"

#include <algorithm>
#include <cmath>

namespace flowmar {

namespace {

using namespace leakage_page;

// The Imperial slider: 0..1000 steps over 950..1,450,000 P.U. per 100 ft.
constexpr int kImperialSteps = 1000;
constexpr double kImperialSpan =
    limits::kMaxLeakageResistanceImperial - limits::kMinLeakageResistanceImperial;

SliderRange rangeOf(int unitSystem) {
    if (isImperial(unitSystem)) {
        return {0, kImperialSteps};
    }
    return {limits::kMinLeakageResistanceSI, limits::kMaxLeakageResistanceSI};
}

int clampToSlider(double position, int unitSystem) {
    const SliderRange range = rangeOf(unitSystem);
    if (!(position > range.minimum)) { // NaN too
        return range.minimum;
    }
    if (position > range.maximum) {
        return range.maximum;
    }
    return static_cast<int>(std::trunc(position));
}

} // namespace

int leakageSliderPosition(double shown, int unitSystem) {
    if (isImperial(unitSystem)) {
        return clampToSlider((shown - limits::kMinLeakageResistanceImperial) / kImperialSpan *
                                 kImperialSteps,
                             unitSystem);
    }
    return clampToSlider(shown, unitSystem);
}

std::string leakageSliderText(int position, int unitSystem) {
    position = clampToSlider(position, unitSystem);
    if (isImperial(unitSystem)) {
        return formatDouble("%.1f", double(position) / kImperialSteps * kImperialSpan +
                                        limits::kMinLeakageResistanceImperial);
    }
    return formatInt("%d", position);
}

LeakagePage::LeakagePage(const DuctDetailsValues& values)
    : m_unitSystem(values.unitSystem), m_resistance(values.leakageResistance100) {}

void LeakagePage::open() {
    m_open = true;
    m_resistanceBox.fill(m_resistance, formatDouble("%.15g", m_resistance));
    m_sliderPosition = leakageSliderPosition(m_resistance, m_unitSystem);
}

std::array<PageLabel, 8> LeakagePage::labels() const {
    const bool imperial = isImperial(m_unitSystem);
    const std::string rigid(imperial ? "9500 - 1,450,000" : "1000 - 150,000");
    const std::string fabric(imperial ? "950 - 480,000" : "100 - 50,000");
    return {{
        {kLeftEndSI, "100", !imperial},
        {kRightEndSI, "150,000", !imperial},
        {kLeftEndImperial, "950", imperial},
        {kRightEndImperial, "1,450,000", imperial},
        {kPowerOfTen, std::string(labels::kTimesTenToMinusNine), false},
        {kUnit, std::string(unitLabel(strings::kLeakagePer100, m_unitSystem)), true},
        {kRigidRange, std::string(loadString(strings::kRigidDuctRange)) + rigid, true},
        {kFabricRange, std::string(loadString(strings::kFabricDuctRange)) + fabric, true},
    }};
}

SliderRange LeakagePage::sliderRange() const {
    return rangeOf(m_unitSystem);
}

void LeakagePage::moveSlider(int position) {
    m_sliderPosition = clampToSlider(position, m_unitSystem);
    m_resistanceBox.type(leakageSliderText(m_sliderPosition, m_unitSystem));
}

std::optional<PageFault> LeakagePage::leave() {
    const std::optional<double> x = m_resistanceBox.value();
    if (!x) {
        return PageFault{
            messages::numberNeeded(std::string(kResistanceCaption) + " " +
                                   std::string(unitLabel(strings::kLeakagePer100, m_unitSystem))),
            kResistance};
    }
    const bool imperial = isImperial(m_unitSystem);
    const double low =
        imperial ? limits::kMinLeakageResistanceImperial : limits::kMinLeakageResistanceSI;
    const double high =
        imperial ? limits::kMaxLeakageResistanceImperial : limits::kMaxLeakageResistanceSI;
    if (*x < low || *x > high) {
        return PageFault{messages::leakageResistanceOutOfRange(m_unitSystem), kResistance};
    }
    m_resistance = *x;
    return std::nullopt;
}

void LeakagePage::storeInto(DuctDetailsValues& values) const {
    values.leakageResistance100 = m_resistance;
}

} // namespace flowmar
