// The eight Graph View options that the Graph Trends dialog edits.
#pragma once

namespace flowmar {

class CFlowmarDoc;

struct GraphOptions {
    int plotZeroPressure = 1;
    int showSchematic = 1;
    int showFans = 1;
    int showAirflowDirection = 1;
    int showShockLosses = 1;
    int plotTotalPressure = 1;
    int plotStaticPressure = 1;
    int flowPlotKind = 1; // 1 quantity, 2 velocity

    bool operator==(const GraphOptions&) const = default;
};

GraphOptions graphOptionsOf(const CFlowmarDoc& doc);
void applyGraphOptions(CFlowmarDoc& doc, const GraphOptions& options);

} // namespace flowmar
