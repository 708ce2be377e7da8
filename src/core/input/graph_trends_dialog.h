// The "Graph Trends" dialog: its controls and layout, which check box shows which graph option,
// the two radio buttons that choose quantity or velocity, and what OK hands back. The Qt dialog
// builds its widgets from graphTrendsControls() and keeps a GraphTrendsDialog behind them.
#pragma once

#include "core/input/graph_options.h"

#include <array>
#include <span>
#include <string_view>

namespace flowmar {

namespace graph_trends {

inline constexpr int kDialogId = 141;
inline constexpr std::string_view kCaption = "Graph Trends";
// The dialog's size in dialog units.
inline constexpr int kWidth = 222;
inline constexpr int kHeight = 172;

inline constexpr int kPlotZeroPressure = 1054;
inline constexpr int kShowFans = 1055;
inline constexpr int kShowShockLosses = 1056;
inline constexpr int kShowAirflowDirection = 1057;
inline constexpr int kShowSchematic = 1061;
inline constexpr int kDuctTotalPressure = 1062;
inline constexpr int kDuctStaticPressure = 1063;
inline constexpr int kPlotQuantity = 1167;
inline constexpr int kPlotVelocity = 1168;
inline constexpr int kOk = 1;         // accepts the ticks and the plot kind
inline constexpr int kCancel = 2;     // closes the dialog leaving the options as they were
inline constexpr int kNoControl = -1; // group boxes have no id of their own

} // namespace graph_trends

enum class DialogControlKind { GroupBox, CheckBox, RadioButton, PushButton };

// A control's place in dialog units. A width or height of 0 means "as wide or as tall as the
// caption needs": the dialog gives only the position of its check boxes, radio buttons and
// buttons.
struct DialogRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

struct DialogControl {
    int id = graph_trends::kNoControl;
    DialogControlKind kind = DialogControlKind::CheckBox;
    std::string_view caption; // empty for the two untitled groups
    DialogRect rect;
    bool startsGroup = false; // the first radio button of its group
};

// The dialog's controls in tab order: the "Graph" group box (the pressure group with "Duct Total
// Pressure" and "Duct Static Pressure", the flow group with "Plot Quantity" and "Plot Velocity",
// and "Plot Zero Pressure"), the "Schematic" group box ("Show Schematic", "Show Shock Losses",
// "Show Fans", "Show Airflow Direction"), then "OK" and "Cancel". Every check box is an automatic
// check box.
std::span<const DialogControl> graphTrendsControls();

// The ids of the seven check boxes, in tab order.
inline constexpr std::array<int, 7> kGraphTrendsCheckBoxes{
    graph_trends::kDuctTotalPressure,   graph_trends::kDuctStaticPressure,
    graph_trends::kPlotZeroPressure,    graph_trends::kShowSchematic,
    graph_trends::kShowShockLosses,     graph_trends::kShowFans,
    graph_trends::kShowAirflowDirection};

// The dialog while it is open: the eight values it was opened with, the radio button choice and
// the state of each check box. Cancel simply drops it.
class GraphTrendsDialog {
public:
    // Opening: each check box is ticked when its option is 1 (exactly what the graph draws), and
    // "Plot Quantity" is selected for flowPlotKind 1, "Plot Velocity" for 2, neither otherwise.
    explicit GraphTrendsDialog(const GraphOptions& options);

    // kPlotQuantity, kPlotVelocity, or 0 when neither is selected.
    int selectedRadioButton() const;
    // A click on "Plot Quantity" sets flowPlotKind to 1, on "Plot Velocity" to 2, at once.
    void clickRadioButton(int id);

    // The check box's state; false for an id that is no check box of the dialog.
    bool isTicked(int checkBoxId) const;
    // The person ticks or clears a check box; an id that is no check box changes nothing.
    void setTicked(int checkBoxId, bool ticked);

    // OK: the seven check boxes become their options (ticked 1, clear 0); flowPlotKind is what
    // the radio buttons last set, or what the dialog opened with.
    GraphOptions accept() const;

private:
    GraphOptions m_values;
    std::array<bool, kGraphTrendsCheckBoxes.size()> m_ticked{};
};

} // namespace flowmar
