// The two small dialogs of the Resistance page that edit its presets: "Preset Diameter Dialog"
// (four diameters) and "Preset k Factor Dialog" (four duct types, each a description and a
// friction factor). They check nothing: any text, an empty one too, goes back to the page, which
// reads it as its leading number. Their column headings stay as they are in Imperial, where the
// values are in inches and in units of 10⁻¹⁰ lbf·min²/ft⁴.
#pragma once

#include "core/input/resistance_page.h"

#include <array>
#include <string_view>

namespace flowmar {

namespace diameter_preset {
inline constexpr int kDialogId = 153;
inline constexpr std::string_view kCaption = "Preset Diameter Dialog";
inline constexpr std::string_view kPositionHeading = "Position";
inline constexpr std::string_view kDiameterHeading = "Diameter (m)";
inline constexpr std::array<int, 4> kEdits{1089, 1090, 1091, 1092};
} // namespace diameter_preset

namespace preset_k_factor {
inline constexpr int kDialogId = 162;
inline constexpr std::string_view kCaption = "Preset k Factor Dialog";
inline constexpr std::string_view kDescriptionHeading = "Description";
inline constexpr std::string_view kValueHeading = "Value (kg/m^3)";
inline constexpr std::array<int, 4> kDescriptionEdits{1093, 1094, 1095, 1096};
inline constexpr std::array<int, 4> kValueEdits{1112, 1113, 1114, 1115};
} // namespace preset_k_factor

// The labels of the four rows, "1" to "4".
inline constexpr std::array<std::string_view, 4> kPresetPositions{"1", "2", "3", "4"};

} // namespace flowmar
