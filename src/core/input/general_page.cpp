#include "core/input/general_page.h"

#include "core/model/messages.h"
#include "core/model/number_text.h"
#include "core/model/string_table.h"
#include "core/model/units.h"

#include <cctype>
#include <climits>

namespace flowmar {

namespace {

using namespace general_page;

// The air density the page accepts, in kg/m³ and in lb/ft³.
constexpr double kMinDensitySI = limits::kMinAirDensitySI;
constexpr double kMaxDensitySI = limits::kMaxAirDensitySI;
constexpr double kMinDensityImperial = 0.031215;
constexpr double kMaxDensityImperial = 0.12486;

} // namespace

int readUnsignedInteger(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) {
        ++at;
    }
    long long value = 0;
    for (; at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])); ++at) {
        value = value * 10 + (text[at] - '0');
        if (value > INT_MAX) {
            return INT_MAX;
        }
    }
    return static_cast<int>(value);
}

GeneralPage::GeneralPage(const DuctDetailsValues& values)
    : m_unitSystem(values.unitSystem), m_airDensity(values.airDensity), m_ductType(values.ductType),
      m_executionMode(values.executionMode), m_iterationLimit(values.iterationLimit) {}

void GeneralPage::open() {
    m_open = true;
    m_airDensityBox.fill(m_airDensity,
                         formatDouble(isImperial(m_unitSystem) ? "%.3f" : "%.2f", m_airDensity));
    m_iterationLimitText = formatInt("%d", m_iterationLimit);
    selectExecutionMode(m_executionMode);
}

std::string GeneralPage::airDensityLabel() const {
    return std::string(loadString(strings::kAirDensityCaption)) +
           std::string(unitLabel(strings::kAirDensity, m_unitSystem));
}

int GeneralPage::checkedDuctTypeButton() const {
    switch (m_ductType) {
    case 1:
        return kForcing;
    case 2:
        return kExhausting;
    default:
        return 0;
    }
}

void GeneralPage::clickDuctTypeButton(int id) {
    if (id == kForcing) {
        m_ductType = 1;
    } else if (id == kExhausting) {
        m_ductType = 2;
    }
}

void GeneralPage::selectExecutionMode(int index) {
    const bool listed = index >= 0 && index < static_cast<int>(kModeNames.size());
    m_modeSelection = listed ? index : -1;
}

std::optional<PageFault> GeneralPage::leave() {
    if (m_airDensityBox.text().empty()) {
        return PageFault{std::string(messages::kValueMustBeEntered), kAirDensity};
    }
    const std::optional<double> density = m_airDensityBox.value();
    if (!density) {
        return PageFault{messages::numberNeeded(airDensityLabel()), kAirDensity};
    }
    const double x = *density;
    if (isImperial(m_unitSystem)) {
        if (x < kMinDensityImperial || x > kMaxDensityImperial) {
            return PageFault{std::string(messages::kAirDensityOutOfRangeImperial), kAirDensity};
        }
    } else if (x < kMinDensitySI || x > kMaxDensitySI) {
        return PageFault{std::string(messages::kAirDensityOutOfRangeSI), kAirDensity};
    }
    const int limit = readUnsignedInteger(m_iterationLimitText);
    if (limit < limits::kMinIterationLimit || limit > limits::kMaxIterationLimit) {
        return PageFault{std::string(messages::kIterationLimitOutOfRange), kIterationLimit};
    }
    // The box is taken as a whole number: "500x" passed the check above as 500 but is no number.
    const std::optional<int> whole = parseWholeInteger(m_iterationLimitText);
    if (!whole) {
        return PageFault{messages::wholeNumberNeeded(kIterationLimitCaption), kIterationLimit};
    }
    m_airDensity = x;
    m_executionMode = m_modeSelection;
    m_iterationLimit = *whole;
    return std::nullopt;
}

void GeneralPage::storeInto(DuctDetailsValues& values) const {
    values.airDensity = m_airDensity;
    values.ductType = m_ductType;
    values.executionMode = m_executionMode;
    values.iterationLimit = m_iterationLimit;
}

} // namespace flowmar
