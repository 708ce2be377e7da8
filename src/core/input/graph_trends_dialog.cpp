#include "core/input/graph_trends_dialog.h"

#include <algorithm>
#include <iterator>

namespace flowmar {

namespace {

using namespace graph_trends;
using Kind = DialogControlKind;

constexpr std::array kControls = std::to_array<DialogControl>({
    {kNoControl, Kind::GroupBox, "Graph", {5, 5, 210, 82}},
    {kNoControl, Kind::GroupBox, "", {15, 15, 105, 49}},
    {kDuctTotalPressure, Kind::CheckBox, "Duct Total Pressure", {26, 27}},
    {kDuctStaticPressure, Kind::CheckBox, "Duct Static Pressure", {26, 47}},
    {kNoControl, Kind::GroupBox, "", {131, 15, 75, 50}},
    {kPlotQuantity, Kind::RadioButton, "Plot Quantity", {138, 27}, true},
    {kPlotVelocity, Kind::RadioButton, "Plot Velocity", {138, 47}},
    {kPlotZeroPressure, Kind::CheckBox, "Plot Zero Pressure", {21, 71}},
    {kNoControl, Kind::GroupBox, "Schematic", {7, 91, 210, 55}},
    {kShowSchematic, Kind::CheckBox, "Show Schematic", {26, 106}},
    {kShowShockLosses, Kind::CheckBox, "Show Shock Losses", {113, 106}},
    {kShowFans, Kind::CheckBox, "Show Fans", {26, 126}},
    {kShowAirflowDirection, Kind::CheckBox, "Show Airflow Direction", {113, 126}},
    {kOk, Kind::PushButton, "OK", {7, 151}},
    {kCancel, Kind::PushButton, "Cancel", {67, 151}},
});

// The option each check box shows, in the order of kGraphTrendsCheckBoxes.
constexpr std::array<int GraphOptions::*, kGraphTrendsCheckBoxes.size()> kOptionOfBox{
    &GraphOptions::plotTotalPressure,   &GraphOptions::plotStaticPressure,
    &GraphOptions::plotZeroPressure,    &GraphOptions::showSchematic,
    &GraphOptions::showShockLosses,     &GraphOptions::showFans,
    &GraphOptions::showAirflowDirection};

// The position of a check box in kGraphTrendsCheckBoxes, or the size for an id that is none.
std::size_t boxIndex(int id) {
    return static_cast<std::size_t>(std::distance(kGraphTrendsCheckBoxes.begin(),
                                                  std::ranges::find(kGraphTrendsCheckBoxes, id)));
}

} // namespace

std::span<const DialogControl> graphTrendsControls() {
    return kControls;
}

GraphTrendsDialog::GraphTrendsDialog(const GraphOptions& options) : m_values(options) {
    for (std::size_t i = 0; i < m_ticked.size(); ++i) {
        m_ticked[i] = options.*kOptionOfBox[i] == 1;
    }
}

int GraphTrendsDialog::selectedRadioButton() const {
    switch (m_values.flowPlotKind) {
    case 1:
        return kPlotQuantity;
    case 2:
        return kPlotVelocity;
    default:
        return 0;
    }
}

void GraphTrendsDialog::clickRadioButton(int id) {
    if (id == kPlotQuantity) {
        m_values.flowPlotKind = 1;
    } else if (id == kPlotVelocity) {
        m_values.flowPlotKind = 2;
    }
}

bool GraphTrendsDialog::isTicked(int checkBoxId) const {
    const std::size_t i = boxIndex(checkBoxId);
    return i < m_ticked.size() && m_ticked[i];
}

void GraphTrendsDialog::setTicked(int checkBoxId, bool ticked) {
    const std::size_t i = boxIndex(checkBoxId);
    if (i < m_ticked.size()) {
        m_ticked[i] = ticked;
    }
}

GraphOptions GraphTrendsDialog::accept() const {
    GraphOptions options = m_values;
    for (std::size_t i = 0; i < m_ticked.size(); ++i) {
        options.*kOptionOfBox[i] = m_ticked[i] ? 1 : 0;
    }
    return options;
}

} // namespace flowmar
