#include "core/input/graph_options.h"

#include "core/model/flowmar_doc.h"

namespace flowmar {

GraphOptions graphOptionsOf(const CFlowmarDoc& doc) {
    return {doc.plotZeroPressure,     doc.showSchematic,   doc.showFans,
            doc.showAirflowDirection, doc.showShockLosses, doc.plotTotalPressure,
            doc.plotStaticPressure,   doc.flowPlotKind};
}

void applyGraphOptions(CFlowmarDoc& doc, const GraphOptions& o) {
    doc.plotZeroPressure = o.plotZeroPressure;
    doc.showSchematic = o.showSchematic;
    doc.showFans = o.showFans;
    doc.showAirflowDirection = o.showAirflowDirection;
    doc.showShockLosses = o.showShockLosses;
    doc.plotTotalPressure = o.plotTotalPressure;
    doc.plotStaticPressure = o.plotStaticPressure;
    doc.flowPlotKind = o.flowPlotKind;
}

} // namespace flowmar
