// The Resistance page of the Duct Details sheet: duct length, diameter with its four presets, and
// Atkinson friction factor with the four duct types and their preset values, in the units the
// model shows. The presets start from the unit system's defaults each time the sheet opens, so
// presets edited with the preset dialogs last until the sheet next opens; the model keeps its own
// presets unless they were edited.
#pragma once

#include "core/input/duct_details_values.h"
#include "core/input/page_fault.h"
#include "core/model/number_box.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace flowmar {

namespace resistance_page {
inline constexpr std::string_view kTab = "Resistance";
inline constexpr int kDiameter = 1000;
inline constexpr int kLength = 1001;
inline constexpr int kFrictionFactor = 1004;
inline constexpr int kDuctTypeList = 1015;
inline constexpr int kDiameterList = 1086;
inline constexpr int kEditDiameters = 1088;
inline constexpr int kEditFrictionFactors = 1089;
inline constexpr int kLengthUnit = 821;
inline constexpr int kDiameterUnit = 822;
inline constexpr int kFrictionFactorUnit = 823;
inline constexpr std::string_view kLengthGroup = "Length";
inline constexpr std::string_view kDiameterGroup = "Duct Diameter ";
inline constexpr std::string_view kFrictionFactorGroup = "Atkinson Friction Factor ";
inline constexpr std::string_view kEditCaption = "Edit";
} // namespace resistance_page

using PresetTexts = std::array<std::string, 4>;

// The preset diameters and duct-type friction factors of a unit system: "0.7", "0.9", "1.0",
// "1.2" m and "0.0025" to "0.005" Ns²/m⁴ in SI; "24" to "48" in and "10" to "25" (10⁻¹⁰
// lbf·min²/ft⁴) in Imperial.
PresetTexts defaultDiameterPresets(int unitSystem);
PresetTexts defaultFrictionFactorPresets(int unitSystem);

// The friction factor as the page writes it: "%0.4f" in SI; in Imperial "%6.4f" below 1, "%6.2f"
// below 10, "%6.1f" from 10.
std::string frictionFactorText(double shown, int unitSystem);

class ResistancePage {
public:
    explicit ResistancePage(const DuctDetailsValues& values);

    // The first showing: the presets reset to the unit system's defaults, the lists filled and
    // selected by the preset indexes (none for an index that is no entry), the diameter in the
    // general 15-digit form, the length "%.2f" and the friction factor as frictionFactorText
    // writes it.
    void open();
    bool isOpen() const { return m_open; }

    std::string_view lengthUnit() const;    // "(m)" or "(ft)"
    std::string_view diameterUnit() const;  // "(m)" or "(in)"
    std::string frictionFactorUnit() const; // "(Ns²/m^4)" or "(lbf min²/ft^4) x 10^-10"

    // The entries of the diameter list and of the duct-type list.
    const PresetTexts& diameterPresets() const { return m_diameterPresets; }
    const PresetTexts& ductTypeNames() const { return m_ductTypeNames; }
    const PresetTexts& frictionFactorPresets() const { return m_frictionFactorPresets; }
    int diameterSelection() const { return m_diameterSelection; }
    int ductTypeSelection() const { return m_ductTypeSelection; }

    const std::string& lengthText() const { return m_length.text(); }
    const std::string& diameterText() const { return m_diameter.text(); }
    const std::string& frictionFactorText() const { return m_frictionFactor.text(); }
    // A person types. The boxes are read when the page is left.
    void editLength(std::string text) { m_length.type(std::move(text)); }
    void editDiameter(std::string text) { m_diameter.type(std::move(text)); }
    void editFrictionFactor(std::string text) { m_frictionFactor.type(std::move(text)); }

    // A duct type chosen: its preset value goes into the friction factor box. An index that is no
    // entry selects the first type.
    void selectDuctType(int index);
    // A preset diameter chosen: its text goes into the diameter box. Any other index does nothing.
    void selectDiameter(int index);

    // The Preset Diameter dialog closed with OK: the four presets, the selected preset written
    // again.
    void diameterPresetsEdited(const PresetTexts& diameters);
    // The Preset k Factor dialog closed with OK: names and values, the selected type's value
    // written again (the first type selected when none is).
    void frictionFactorPresetsEdited(const PresetTexts& names, const PresetTexts& values);

    // Leaving: length, diameter and friction factor, in that order, must each be one whole number
    // (a box the person did not change gives its stored value, every digit) lying in the unit
    // system's range, bounds included. Otherwise the selections and the three numbers are taken.
    std::optional<PageFault> leave();

    void storeInto(DuctDetailsValues& values) const;

private:
    int m_unitSystem;
    bool m_open = false;
    double m_ductLength;
    double m_ductDiameter;
    double m_frictionFactorValue;
    int m_diameterPresetIndex;
    int m_frictionFactorPresetIndex;
    PresetTexts m_diameterPresets;
    PresetTexts m_ductTypeNames;
    PresetTexts m_frictionFactorPresets;
    int m_diameterSelection = -1;
    int m_ductTypeSelection = -1;
    // The presets go back to the model only when the person edited them: the lists show the
    // unit system's defaults, which are no change of the model's own.
    bool m_diameterPresetsEdited = false;
    bool m_frictionFactorPresetsEdited = false;
    NumberBox m_length;
    NumberBox m_diameter;
    NumberBox m_frictionFactor;
};

} // namespace flowmar
