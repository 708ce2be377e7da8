// The rules of the "Shock Loss Details" sheet's six pages, on the values the sheet edits: the
// pages and their texts, the fittings' choice lists and coefficient tables, the entry and exit
// radio buttons with their factors, and what Calculate, Clear Form and the sheet's OK do to a
// page's rows. The grids that show the rows are filled and read in core/views/shock_loss_sheet.h.
#pragma once

#include "core/input/shock_loss_values.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace flowmar {

// The sheet's pages in tab order; Entry and Exit is the first one shown.
enum class ShockLossPage { EntryExit, SmoothElbow, ElbowMiter, Dampers, Screen, FixedResistance };

inline constexpr int kShockLossPageCount = 6;

namespace shock_loss_sheet {

// Dialog ids of the pages.
inline constexpr int kEntryExitDialog = 136;
inline constexpr int kSmoothElbowDialog = 137;
inline constexpr int kElbowMiterDialog = 138;
inline constexpr int kDampersDialog = 139;
inline constexpr int kScreenDialog = 140;
inline constexpr int kFixedResistanceDialog = 154;

// The entry and exit radio buttons.
inline constexpr int kEntrySharp = 1030;
inline constexpr int kEntryFlanged = 1031;
inline constexpr int kEntryFormedBell = 1032;
inline constexpr int kEntryNotIncluded = 1043;
inline constexpr int kExitAbrupt = 1040;
inline constexpr int kExitFlanged = 1041;
inline constexpr int kExitDiffuser = 1042;
inline constexpr int kExitNotIncluded = 1044;

// Group titles of the entry and exit page and the two buttons of the grid pages.
inline constexpr std::string_view kEntranceConfiguration = "Entrance Configuration";
inline constexpr std::string_view kExitConfiguration = "Exit Configuration";
inline constexpr std::string_view kClearForm = "Clear Form";
inline constexpr std::string_view kCalculate = "Calculate";

// Grid column headers; the distance and resistance headers depend on the unit system.
inline constexpr std::string_view kRatioHeader = "r/D";
inline constexpr std::string_view kAngleHeader = "Angle";
inline constexpr std::string_view kFactorHeader = "C";
inline constexpr std::string_view kAngleOfBendHeader = "Angle of Bend";
inline constexpr std::string_view kDegreeClosedHeader = "Degree Closed";
inline constexpr std::string_view kShockLossHeader = "Shock Loss (C)";

// "Distance (m)" in SI, "Distance (ft)" in Imperial.
std::string distanceHeader(int unitSystem);
// "Resistance (Ns²/m^8)" in SI, "Resistance (P.U.)" in Imperial.
std::string resistanceHeader(int unitSystem);

} // namespace shock_loss_sheet

struct ShockLossPageInfo {
    ShockLossPage page;
    int dialogId;
    std::string_view title; // the tab's text
    int gridId;             // the grid's custom control; 0 for the page without a grid
    int clearFormId;        // 0 where there is none
    int calculateId;        // 0 where there is none
};

// The six pages in tab order.
std::span<const ShockLossPageInfo> shockLossPages();
const ShockLossPageInfo& shockLossPageInfo(ShockLossPage page);

// ---- Fittings: the smooth elbow, mitred elbow and damper pages

enum class FittingKind { SmoothElbow, MitredElbow, Damper };

// The fitting a page edits; none for the entry/exit, screen and fixed-resistance pages.
std::optional<FittingKind> fittingOfPage(ShockLossPage page);

// The choices of the drop-down cells, in the order the lists show them.
std::span<const std::string_view> smoothElbowRatios(); // r/D: "0.5" .. "2.5"
std::span<const std::string_view> smoothElbowAngles(); // "45", "90", "135", "180"
std::span<const std::string_view> mitredElbowAngles(); // "45", "60", "90"
std::span<const std::string_view> damperSettings();    // "Wide Open", "10" .. "60"
// The choices as the grid takes them: one text, a newline between choices.
std::string choiceListText(std::span<const std::string_view> choices);

// The shock loss factor C of a fitting from its coefficient table. Only an exact, character by
// character match of every key counts: no value for an empty or unknown choice, so that the
// caller keeps the C it had.
std::optional<double> smoothElbowCoefficient(std::string_view ratio, std::string_view angle);
std::optional<double> mitredElbowCoefficient(std::string_view angle);
std::optional<double> damperCoefficient(std::string_view degreeClosed);

// One row of a fitting page, whatever the kind: the smooth elbow has two choices (r/D, then the
// angle), the others one.
struct FittingRow {
    double distance = 0; // m or ft
    std::string choice1;
    std::string choice2; // the smooth elbow's angle; unused for the other kinds
    double factor = 0;   // C
};

FittingRow fittingRow(const ShockLossRowValues& row, FittingKind kind);
void setFittingRow(ShockLossRowValues& row, FittingKind kind, const FittingRow& values);

// The coefficient-table look-up of Calculate and of the OK step: every row whose choices are
// found gets the table's C; other rows keep theirs.
void lookUpFactors(ShockLossValues& values, FittingKind kind);

// ---- Steps that every grid page shares

// Clear Form: every row's distance (and the page's C, choices or resistance) back to 0 or empty.
// Nothing changes on the entry and exit page, which has no such button.
void clearPage(ShockLossValues& values, ShockLossPage page);

// The page's part of the sheet's OK, after its grid has been read into values: distances beyond
// the duct (values.ductLength, shown units) become the duct length; the fitting pages then run
// the look-up. Negative distances are left for Execute to refuse. The entry and exit page has no
// OK step of its own.
void pageOkStep(ShockLossValues& values, ShockLossPage page);

// ---- Entry and exit

// Screens have one fixed factor, shown on the screen page as this text in every row.
inline constexpr double kScreenShockFactor = 0.97;
inline constexpr std::string_view kScreenShockFactorText = "0.97";

enum class EntryExitGroup { Entrance, Exit };

struct EntryExitButton {
    int id;
    EntryExitGroup group;
    std::string_view caption;
    int typeIndex; // 1..4, the value of entryTypeIndex or exitTypeIndex it stands for
    double factor; // C
};

// The eight radio buttons in tab order: the entrance group, then the exit group.
std::span<const EntryExitButton> entryExitButtons();

// The button of the group that matches the type index; none for an index outside 1..4.
std::optional<int> checkedEntryExitButton(const ShockLossValues& values, EntryExitGroup group);

// A click on a radio button sets its group's type index and factor; nothing else sets the
// factors, so a sheet confirmed without a click keeps the factors it was given. An id that is no
// radio button of the page changes nothing.
void clickEntryExitButton(ShockLossValues& values, int buttonId);

} // namespace flowmar
