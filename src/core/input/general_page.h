// The General page of the Duct Details sheet: air density, duct type, mode of execution and
// iteration limit, in the units the model shows. The Qt page shows what this holds and passes
// each typed text, click and selection in.
#pragma once

#include "core/input/duct_details_values.h"
#include "core/input/page_fault.h"
#include "core/model/number_box.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace flowmar {

namespace general_page {
inline constexpr std::string_view kTab = "General";
inline constexpr int kAirDensityLabel = 826;
inline constexpr int kAirDensity = 1002;
inline constexpr int kForcing = 1163;
inline constexpr int kExhausting = 1164;
inline constexpr int kExecutionMode = 1170;
inline constexpr int kIterationLimit = 1171;
inline constexpr std::string_view kDuctTypeGroup = "Duct Type";
inline constexpr std::string_view kForcingCaption = "Forcing/Blowing";
inline constexpr std::string_view kExhaustingCaption = "Exhausting/Sucking";
inline constexpr std::string_view kExecutionModeCaption = "Mode of Execution";
inline constexpr std::string_view kIterationLimitCaption = "Iteration Limit";
inline constexpr std::array<std::string_view, 3> kModeNames{"Quick", "Normal", "Detailed"};
} // namespace general_page

class GeneralPage {
public:
    explicit GeneralPage(const DuctDetailsValues& values);

    // The first showing: the air density label in the model's unit, the air density in "%.2f"
    // (SI) or "%.3f" (Imperial), the mode selected, the duct type's radio button checked.
    void open();
    bool isOpen() const { return m_open; }

    // "Air Density (kg/m³)" or "Air Density (lb/ft³)".
    std::string airDensityLabel() const;

    const std::string& airDensityText() const { return m_airDensityBox.text(); }
    void editAirDensity(std::string text) { m_airDensityBox.type(std::move(text)); }
    const std::string& iterationLimitText() const { return m_iterationLimitText; }
    void editIterationLimit(std::string text) { m_iterationLimitText = std::move(text); }

    // kForcing for duct type 1, kExhausting for 2, 0 (neither checked) for any other.
    int checkedDuctTypeButton() const;
    // A click on kForcing or kExhausting sets the duct type at once.
    void clickDuctTypeButton(int id);

    // The selected mode, -1 for none.
    int executionModeSelection() const { return m_modeSelection; }
    void selectExecutionMode(int index);

    // Leaving: an empty air density, one that is not wholly one number (untouched, the stored
    // value), one outside 0.5..2.0 kg/m³ (0.031215..0.12486 lb/ft³), an iteration limit read as
    // an unsigned integer outside 100..100,000, or an iteration limit that is not wholly one
    // whole number refuse to leave. Otherwise the density, the mode and the iteration limit are
    // taken.
    std::optional<PageFault> leave();

    // The page's values into the sheet's: air density, duct type, mode, iteration limit.
    void storeInto(DuctDetailsValues& values) const;

private:
    int m_unitSystem;
    bool m_open = false;
    double m_airDensity;
    int m_ductType;
    int m_executionMode;
    int m_iterationLimit;
    NumberBox m_airDensityBox;
    std::string m_iterationLimitText;
    int m_modeSelection = -1;
};

// The iteration limit box read as an unsigned decimal integer: leading blanks skipped, then the
// digits up to the first other character; a text that does not start with a digit (a minus sign
// among them) reads as 0, and a value beyond the int range as the largest int.
int readUnsignedInteger(std::string_view text);

} // namespace flowmar
