// The coefficient tables are those of the usual duct-fitting charts: a smooth elbow by bend angle
// and the ratio r/D of bend radius to duct diameter, a mitred elbow by its angle of bend and a
// damper by how far it is closed. Keys are the texts the drop-down cells hold, so a value read
// from a file that no list offers ("1" instead of "1.0") matches nothing and its C stays as it is.
#include "core/input/shock_loss_pages.h"

#include "core/model/flowmar_doc.h"
#include "core/model/string_table.h"

#include <algorithm>
#include <array>

namespace flowmar {

namespace {

using namespace shock_loss_sheet;

constexpr std::array kPages = std::to_array<ShockLossPageInfo>({
    {ShockLossPage::EntryExit, kEntryExitDialog, "Entry and Exit", 0, 0, 0},
    {ShockLossPage::SmoothElbow, kSmoothElbowDialog, "Smooth Elbow", 1045, 1118, 1123},
    {ShockLossPage::ElbowMiter, kElbowMiterDialog, "Elbow Miter", 1047, 1117, 1122},
    {ShockLossPage::Dampers, kDampersDialog, "Dampers", 1047, 1116, 1121},
    {ShockLossPage::Screen, kScreenDialog, "Screen", 1047, 1120, 0},
    {ShockLossPage::FixedResistance, kFixedResistanceDialog, "Fixed Resistance", 1090, 1119, 0},
});

constexpr std::array<std::string_view, 6> kRatios{"0.5", "0.75", "1.0", "1.5", "2.0", "2.5"};
constexpr std::array<std::string_view, 4> kElbowAngles{"45", "90", "135", "180"};
// Rows in the order of kElbowAngles, columns in the order of kRatios.
constexpr std::array<std::array<double, kRatios.size()>, kElbowAngles.size()> kSmoothElbow{{
    {0.43, 0.2, 0.13, 0.09, 0.08, 0.08},
    {0.71, 0.33, 0.22, 0.15, 0.13, 0.12},
    {0.85, 0.4, 0.26, 0.18, 0.16, 0.14},
    {0.99, 0.46, 0.31, 0.21, 0.18, 0.16},
}};

constexpr std::array<std::string_view, 3> kMitreAngles{"45", "60", "90"};
constexpr std::array<double, kMitreAngles.size()> kMitredElbow{0.34, 0.55, 1.2};

constexpr std::array<std::string_view, 7> kDamperSettings{"Wide Open", "10", "20", "30",
                                                          "40",        "50", "60"};
constexpr std::array<double, kDamperSettings.size()> kDamper{0.19, 0.67, 1.8,  4.4,
                                                             11.0, 32.0, 113.0};

constexpr std::array kEntryExitButtons = std::to_array<EntryExitButton>({
    {kEntrySharp, EntryExitGroup::Entrance, "Sharp", 1, 1.0},
    {kEntryFlanged, EntryExitGroup::Entrance, "Flanged", 2, 0.5},
    {kEntryFormedBell, EntryExitGroup::Entrance, "Formed Bell", 3, 0.1},
    {kEntryNotIncluded, EntryExitGroup::Entrance, "Do Not Include", 4, 0.0},
    {kExitAbrupt, EntryExitGroup::Exit, "Abrupt", 1, 1.0},
    {kExitFlanged, EntryExitGroup::Exit, "Flanged", 2, 0.88},
    {kExitDiffuser, EntryExitGroup::Exit, "Diffuser", 3, 0.51},
    {kExitNotIncluded, EntryExitGroup::Exit, "Do Not Include", 4, 0.0},
});

// The position of key in keys, or none.
template <std::size_t N>
std::optional<std::size_t> keyIndex(const std::array<std::string_view, N>& keys,
                                    std::string_view key) {
    const auto found = std::ranges::find(keys, key);
    if (found == keys.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(found - keys.begin());
}

double limitToDuct(double distance, double ductLength) {
    return distance > ductLength ? ductLength : distance;
}

} // namespace

std::string shock_loss_sheet::distanceHeader(int unitSystem) {
    return "Distance " + std::string(unitLabel(strings::kLength, unitSystem));
}

std::string shock_loss_sheet::resistanceHeader(int unitSystem) {
    return "Resistance " + std::string(practicalResistanceLabel(unitSystem));
}

std::span<const ShockLossPageInfo> shockLossPages() {
    return kPages;
}

const ShockLossPageInfo& shockLossPageInfo(ShockLossPage page) {
    return kPages[static_cast<std::size_t>(page)];
}

std::optional<FittingKind> fittingOfPage(ShockLossPage page) {
    switch (page) {
    case ShockLossPage::SmoothElbow:
        return FittingKind::SmoothElbow;
    case ShockLossPage::ElbowMiter:
        return FittingKind::MitredElbow;
    case ShockLossPage::Dampers:
        return FittingKind::Damper;
    default:
        return std::nullopt;
    }
}

std::span<const std::string_view> smoothElbowRatios() {
    return kRatios;
}
std::span<const std::string_view> smoothElbowAngles() {
    return kElbowAngles;
}
std::span<const std::string_view> mitredElbowAngles() {
    return kMitreAngles;
}
std::span<const std::string_view> damperSettings() {
    return kDamperSettings;
}

std::string choiceListText(std::span<const std::string_view> choices) {
    std::string text;
    for (const std::string_view choice : choices) {
        if (!text.empty()) {
            text += '\n';
        }
        text += choice;
    }
    return text;
}

std::optional<double> smoothElbowCoefficient(std::string_view ratio, std::string_view angle) {
    const auto row = keyIndex(kElbowAngles, angle);
    const auto column = keyIndex(kRatios, ratio);
    if (!row || !column) {
        return std::nullopt;
    }
    return kSmoothElbow[*row][*column];
}

std::optional<double> mitredElbowCoefficient(std::string_view angle) {
    const auto i = keyIndex(kMitreAngles, angle);
    return i ? std::optional(kMitredElbow[*i]) : std::nullopt;
}

std::optional<double> damperCoefficient(std::string_view degreeClosed) {
    const auto i = keyIndex(kDamperSettings, degreeClosed);
    return i ? std::optional(kDamper[*i]) : std::nullopt;
}

FittingRow fittingRow(const ShockLossRowValues& row, FittingKind kind) {
    switch (kind) {
    case FittingKind::SmoothElbow:
        return {row.smoothElbowDistance, row.smoothElbowText1, row.smoothElbowText2,
                row.smoothElbowFactor};
    case FittingKind::MitredElbow:
        return {row.mitredElbowDistance, row.mitredElbowText, {}, row.mitredElbowFactor};
    case FittingKind::Damper:
        return {row.damperDistance, row.damperText, {}, row.damperFactor};
    }
    return {};
}

void setFittingRow(ShockLossRowValues& row, FittingKind kind, const FittingRow& values) {
    switch (kind) {
    case FittingKind::SmoothElbow:
        row.smoothElbowDistance = values.distance;
        row.smoothElbowText1 = values.choice1;
        row.smoothElbowText2 = values.choice2;
        row.smoothElbowFactor = values.factor;
        break;
    case FittingKind::MitredElbow:
        row.mitredElbowDistance = values.distance;
        row.mitredElbowText = values.choice1;
        row.mitredElbowFactor = values.factor;
        break;
    case FittingKind::Damper:
        row.damperDistance = values.distance;
        row.damperText = values.choice1;
        row.damperFactor = values.factor;
        break;
    }
}

void lookUpFactors(ShockLossValues& values, FittingKind kind) {
    for (int r = 1; r <= kShockLossRows; ++r) {
        ShockLossRowValues& row = values.rows[std::size_t(r)];
        std::optional<double> factor;
        switch (kind) {
        case FittingKind::SmoothElbow:
            factor = smoothElbowCoefficient(row.smoothElbowText1, row.smoothElbowText2);
            if (factor) {
                row.smoothElbowFactor = *factor;
            }
            break;
        case FittingKind::MitredElbow:
            factor = mitredElbowCoefficient(row.mitredElbowText);
            if (factor) {
                row.mitredElbowFactor = *factor;
            }
            break;
        case FittingKind::Damper:
            factor = damperCoefficient(row.damperText);
            if (factor) {
                row.damperFactor = *factor;
            }
            break;
        }
    }
}

void clearPage(ShockLossValues& values, ShockLossPage page) {
    const auto fitting = fittingOfPage(page);
    for (int r = 1; r <= kShockLossRows; ++r) {
        ShockLossRowValues& row = values.rows[std::size_t(r)];
        if (fitting) {
            setFittingRow(row, *fitting, FittingRow{});
        } else if (page == ShockLossPage::Screen) {
            row.screenDistance = 0;
        } else if (page == ShockLossPage::FixedResistance) {
            row.fixedResistanceDistance = 0;
            row.fixedResistanceValue = 0;
        }
    }
}

void pageOkStep(ShockLossValues& values, ShockLossPage page) {
    const double length = values.ductLength;
    for (int r = 1; r <= kShockLossRows; ++r) {
        ShockLossRowValues& row = values.rows[std::size_t(r)];
        switch (page) {
        case ShockLossPage::SmoothElbow:
            row.smoothElbowDistance = limitToDuct(row.smoothElbowDistance, length);
            break;
        case ShockLossPage::ElbowMiter:
            row.mitredElbowDistance = limitToDuct(row.mitredElbowDistance, length);
            break;
        case ShockLossPage::Dampers:
            row.damperDistance = limitToDuct(row.damperDistance, length);
            break;
        case ShockLossPage::Screen:
            row.screenDistance = limitToDuct(row.screenDistance, length);
            break;
        case ShockLossPage::FixedResistance:
            row.fixedResistanceDistance = limitToDuct(row.fixedResistanceDistance, length);
            break;
        case ShockLossPage::EntryExit:
            break;
        }
    }
    if (const auto fitting = fittingOfPage(page)) {
        lookUpFactors(values, *fitting);
    }
}

std::span<const EntryExitButton> entryExitButtons() {
    return kEntryExitButtons;
}

std::optional<int> checkedEntryExitButton(const ShockLossValues& values, EntryExitGroup group) {
    const int index =
        group == EntryExitGroup::Entrance ? values.entryTypeIndex : values.exitTypeIndex;
    for (const EntryExitButton& button : kEntryExitButtons) {
        if (button.group == group && button.typeIndex == index) {
            return button.id;
        }
    }
    return std::nullopt;
}

void clickEntryExitButton(ShockLossValues& values, int buttonId) {
    const auto button = std::ranges::find(kEntryExitButtons, buttonId, &EntryExitButton::id);
    if (button == kEntryExitButtons.end()) {
        return;
    }
    if (button->group == EntryExitGroup::Entrance) {
        values.entryTypeIndex = button->typeIndex;
        values.entryShockFactor = button->factor;
    } else {
        values.exitTypeIndex = button->typeIndex;
        values.exitShockFactor = button->factor;
    }
}

} // namespace flowmar
