#include "cli/fan_curve_graph.h"

#include "cli/cli_texts.h"
#include "cli/exit_codes.h"
#include "cli/output_guard.h"
#include "core/commands/open_documents.h"
#include "core/commands/stream_port.h"
#include "core/model/flowmar_doc.h"
#include "core/model/units.h"
#include "core/views/fan_curve_chart.h"
#include "core/views/fan_curve_page.h"
#include "core/views/svg_painter.h"

#include <ostream>

namespace flowmar::cli {

int writeFanCurveGraph(const FanCurveCall& call, StreamPort& port, std::ostream& out,
                       std::ostream& err) {
    OpenDocuments documents(port);
    const OpenDocuments::Opened opened =
        documents.open(call.model, {}, OpenDocuments::Accept::DuctModel);
    if (opened.document == nullptr) {
        return kExitUsage;
    }
    CFlowmarDoc shown = *opened.document->model;
    shown.unitSystem = call.units.value_or(shown.unitSystem);
    if (shown.fanCount <= 0 || shown.results.boosterPressure != 0.0) {
        err << cli_texts::noFanModeResults(call.model) << '\n';
        return kExitStopped;
    }
    if (call.fanNumber > shown.fanCount) {
        err << cli_texts::noSuchFan(call.fanNumber, shown.fanCount) << '\n';
        return kExitStopped;
    }
    if (!fanCurveChartData(shown, call.fanNumber)) {
        err << cli_texts::fanWithoutOperatingPoint(call.fanNumber) << '\n';
        return kExitStopped;
    }
    // The page prints what the view has chosen: choose as the call says.
    shown.curveViewFan = call.fanNumber - 1;
    shown.curveViewKind = call.kind;
    const std::string svg =
        call.page
            ? renderSvg(fanCurvePage(shown, FanCurvePane::Chart, fan_curve_view::kA4LandscapePage))
            : renderSvg(fanCurveChart(shown));
    return writeText(call.svgFile, svg, out, err) ? kExitOk : kExitUsage;
}

} // namespace flowmar::cli
