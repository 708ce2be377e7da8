// The Leakage page of the Duct Details sheet: the leakage resistance per 100 m (SI, Ns²/m⁸) or
// per 100 ft (Imperial, P.U.), typed or set with a slider. In SI the slider runs over the values
// themselves (100 to 150,000); in Imperial it runs from 0 to 1000 and stands for 950 to 1,450,000.
// Moving the slider writes the box; typing does not move the slider.
#pragma once

#include "core/input/duct_details_values.h"
#include "core/input/page_fault.h"
#include "core/model/number_box.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace flowmar {

namespace leakage_page {
inline constexpr std::string_view kTab = "Leakage";
inline constexpr int kResistance = 1007;
inline constexpr int kSlider = 1013;
inline constexpr int kGroup = 1200;
inline constexpr int kLeftEndSI = 1201;
inline constexpr int kRightEndSI = 1202;
inline constexpr int kRigidRange = 1203;
inline constexpr int kUnit = 1204;
inline constexpr int kFabricRange = 1205;
inline constexpr int kRightEndImperial = 1247;
inline constexpr int kLeftEndImperial = 1248;
inline constexpr int kPowerOfTen = 1249;
inline constexpr std::string_view kGroupCaption = "Resistance of Leakage Paths";
inline constexpr std::string_view kResistanceCaption = "Resistance";
inline constexpr std::string_view kTypicalValues = "Typical Values (Poor - Good)";
// The slider's scale from left (a leaky duct) to right.
inline constexpr std::array<std::string_view, 4> kScaleWords{"Bad", "Poor", "Average - Good",
                                                             "Excellent"};
} // namespace leakage_page

struct SliderRange {
    int minimum = 0;
    int maximum = 0;
};

// A label of the page: its text and whether it shows in the model's unit system.
struct PageLabel {
    int id = 0;
    std::string text;
    bool shown = true;
};

class LeakagePage {
public:
    explicit LeakagePage(const DuctDetailsValues& values);

    // The first showing: the box holds the value in the general 15-digit form and the slider
    // stands where the value lies on its scale.
    void open();
    bool isOpen() const { return m_open; }

    // The labels that change with the unit system: the four slider end labels (two shown, two
    // hidden), the hidden "x 10^-9", the unit beside the box and the two typical-range lines.
    std::array<PageLabel, 8> labels() const;

    SliderRange sliderRange() const;
    int sliderPosition() const { return m_sliderPosition; }
    // The slider moved: the box gets the value of the new position (SI: the position itself;
    // Imperial: position / 1000 × 1,449,050 + 950 with one decimal). Positions beyond the ends
    // stop at them.
    void moveSlider(int position);

    const std::string& resistanceText() const { return m_resistanceBox.text(); }
    void editResistance(std::string text) { m_resistanceBox.type(std::move(text)); }

    // Leaving: the box must be one whole number (untouched, the stored value) lying in
    // 100..150,000 (SI) or 950..1,450,000 (Imperial), bounds included, which the page takes.
    std::optional<PageFault> leave();

    void storeInto(DuctDetailsValues& values) const;

private:
    int m_unitSystem;
    bool m_open = false;
    double m_resistance;
    int m_sliderPosition = 0;
    NumberBox m_resistanceBox;
};

// The slider position that shows a leakage resistance, held within the slider's range.
int leakageSliderPosition(double shown, int unitSystem);
// The box's text for a slider position.
std::string leakageSliderText(int position, int unitSystem);

} // namespace flowmar
