#include "cli/graph_command.h"

#include "cli/call.h"
#include "cli/cli_texts.h"
#include "cli/exit_codes.h"
#include "cli/fan_curve_graph.h"
#include "cli/output_guard.h"
#include "core/commands/open_documents.h"
#include "core/commands/stream_port.h"
#include "core/input/graph_options.h"
#include "core/model/flowmar_doc.h"
#include "core/model/messages.h"
#include "core/model/units.h"
#include "core/views/fan_results.h"
#include "core/views/fan_results_chart.h"
#include "core/views/graph_drawing.h"
#include "core/views/svg_painter.h"

#include <algorithm>
#include <ostream>

namespace flowmar::cli {

namespace {

struct GraphArgs {
    std::string model;
    std::string svgFile;
    int width = kDefaultGraphWidth;
    int height = kDefaultGraphHeight;
    std::string units;
    std::vector<int GraphOptions::*> switchedOff;
    bool velocity = false;
    int fanResultsChart = 0; // a fan's Fan Results chart instead of the graph; 0 for none
    int fanCurve = 0;        // a fan's Fan Curve View chart instead of the graph; 0 for none
    std::string kind;        // of the fan-curve chart
    bool page = false;       // the fan curve's printed page instead of its chart
};

// The largest canvas side: an SVG many times a screen's size serves no one.
constexpr int kLargestGraphSide = 20000;

// The flags that turn a graph option off.
struct GraphFlag {
    const char* name;
    int GraphOptions::*option;
};
constexpr GraphFlag kGraphFlags[] = {
    {"--no-zero-line", &GraphOptions::plotZeroPressure},
    {"--no-schematic", &GraphOptions::showSchematic},
    {"--no-fans", &GraphOptions::showFans},
    {"--no-arrows", &GraphOptions::showAirflowDirection},
    {"--no-shock-losses", &GraphOptions::showShockLosses},
    {"--no-total-pressure", &GraphOptions::plotTotalPressure},
    {"--no-static-pressure", &GraphOptions::plotStaticPressure},
};

// The options of the Graph View that say nothing to a fan-curve chart.
constexpr const char* kGraphViewOnly[] = {"--width", "--height", "--velocity",
                                          "--fan-results-chart"};

int curveKindOf(const std::string& kind) {
    if (kind == "wq") {
        return fan_curve_view::kPowerQuantity;
    }
    if (kind == "pwq") {
        return fan_curve_view::kPressurePowerQuantity;
    }
    return fan_curve_view::kPressureQuantity;
}

void defineGraph(Call& call, GraphArgs& graph, std::vector<CLI::Option*>& flags) {
    CLI::App& app = call.app();
    const auto pixels = [](const char* option) {
        return [option](const std::string& value) {
            return checkWholeNumber(value, 1, kLargestGraphSide,
                                    cli_texts::pixelsOutOfRange(option, value, kLargestGraphSide));
        };
    };
    call.check(
        app.add_option("--width", graph.width, std::string(cli_texts::kCliWidth))->type_name("W"),
        pixels("--width"));
    call.check(app.add_option("--height", graph.height, std::string(cli_texts::kCliHeight))
                   ->type_name("H"),
               pixels("--height"));
    call.check(app.add_option("--units", graph.units, std::string(cli_texts::kCliUnits))
                   ->type_name("si|imperial"),
               checkUnits);
    app.add_flag("--velocity", graph.velocity, std::string(cli_texts::kCliVelocity));
    for (const GraphFlag& flag : kGraphFlags) {
        flags.push_back(app.add_flag(std::string(flag.name))
                            ->description(std::string(cli_texts::kCliLeaveOut)));
    }
    call.check(app.add_option("--fan-results-chart", graph.fanResultsChart,
                              std::string(cli_texts::kCliFanResultsChart))
                   ->type_name("N"),
               [](const std::string& value) {
                   return checkWholeNumber(value, 1, kMaxFans, cli_texts::fanNumberNotKnown(value));
               });
    call.check(app.add_option("--fan-curve", graph.fanCurve, std::string(cli_texts::kCliFanCurve))
                   ->type_name("N"),
               [](const std::string& value) {
                   return checkWholeNumber(value, 1, kMaxFans,
                                           cli_texts::fanCurveNumberNeeded(value));
               });
    call.check(app.add_option("--kind", graph.kind, std::string(cli_texts::kCliKind))
                   ->type_name("pq|wq|pwq"),
               [](const std::string& value) {
                   return value == "pq" || value == "wq" || value == "pwq"
                              ? std::string()
                              : cli_texts::curveKindNotKnown(value);
               });
    app.add_flag("--page", graph.page, std::string(cli_texts::kCliPage));
    call.check(app.add_option("-o", graph.svgFile, std::string(cli_texts::kCliSvgFile))
                   ->type_name("FILE.svg"),
               [](const std::string& value) {
                   return value.empty() ? cli_texts::optionNeedsValue("-o") : std::string();
               });
    app.add_option("MODEL", graph.model, std::string(cli_texts::kCliModel));
}

// The faults of a graph call that no single option shows; empty for a call that may run.
std::string checkGraphArgs(const CLI::App& app, const GraphArgs& graph) {
    const bool fanCurve = graph.fanCurve > 0;
    if (!fanCurve && (app.count("--kind") > 0 || graph.page)) {
        return std::string(cli_texts::kFanCurveOnlyOptions);
    }
    if (fanCurve) {
        for (const char* option : kGraphViewOnly) {
            if (app.count(option) > 0) {
                return cli_texts::notWithFanCurve(option);
            }
        }
        for (const GraphFlag& flag : kGraphFlags) {
            if (app.count(flag.name) > 0) {
                return cli_texts::notWithFanCurve(flag.name);
            }
        }
    }
    if (graph.model.empty()) {
        return std::string(cli_texts::kGraphNeedsModel);
    }
    if (graph.svgFile.empty()) {
        return std::string(cli_texts::kGraphNeedsOutput);
    }
    return outputFault("-o", graph.svgFile, {graph.model}, false);
}

// The chart of one fan that ran on its curve in the model's last fan-mode solution; no file when
// there is no such chart.
int writeFanResultsChart(const GraphArgs& graph, const CFlowmarDoc& doc, SolutionStatus status,
                         std::ostream& out, std::ostream& err) {
    const int fan = graph.fanResultsChart;
    const bool fanMode =
        status == SolutionStatus::Converged || status == SolutionStatus::IterationLimit;
    if (!fanMode || !hasFanModeResults(doc)) {
        err << cli_texts::kNoFanModeResults << '\n';
        return kExitStopped;
    }
    if (fan > std::min(doc.fanCount, kMaxFans)) {
        err << messages::kFanNumberDoesNotExist << '\n';
        return kExitStopped;
    }
    if (!fanOperatingPoint(doc, fan).onCurve) {
        err << cli_texts::fanNotOnCurve(fan) << '\n';
        return kExitStopped;
    }
    CFlowmarDoc shown = doc;
    shown.unitSystem = unitsOf(graph.units).value_or(doc.unitSystem);
    if (!writeText(graph.svgFile, renderSvg(fanResultsChart(shown, fan)), out, err)) {
        return kExitUsage;
    }
    return exitStatusOf(status);
}

int graphParsed(const GraphArgs& graph, const std::vector<CLI::Option*>& flags, StreamPort& port,
                std::ostream& out, std::ostream& err) {
    if (graph.fanCurve > 0) {
        FanCurveCall call{graph.fanCurve, curveKindOf(graph.kind),
                          graph.page,     unitsOf(graph.units),
                          graph.model,    graph.svgFile};
        return writeFanCurveGraph(call, port, out, err);
    }
    OpenDocuments documents(port);
    const OpenDocuments::Opened opened =
        documents.open(graph.model, {}, OpenDocuments::Accept::DuctModel);
    if (opened.document == nullptr) {
        return kExitUsage;
    }
    const CFlowmarDoc& doc = *opened.document->model;
    const ExecuteResult& result = opened.execution;
    if (graph.fanResultsChart > 0) {
        return writeFanResultsChart(graph, doc, result.status, out, err);
    }
    GraphOptions options = graphOptionsOf(doc);
    for (std::size_t f = 0; f < flags.size(); ++f) {
        if (flags[f]->count() > 0) {
            options.*kGraphFlags[f].option = 0;
        }
    }
    if (graph.velocity) {
        options.flowPlotKind = 2;
    }
    CFlowmarDoc shown = doc;
    shown.unitSystem = unitsOf(graph.units).value_or(doc.unitSystem);
    const SvgOptions size{static_cast<double>(graph.width), static_cast<double>(graph.height)};
    if (!writeText(graph.svgFile, renderSvg(graphDrawing(shown, options), size), out, err)) {
        return kExitUsage;
    }
    return exitStatusOf(result.status);
}

} // namespace

int graphCommand(const Command& command, const std::vector<std::string>& args,
                 const CommandStreams& io) {
    GraphArgs graph;
    std::vector<CLI::Option*> flags;
    Call call(command);
    defineGraph(call, graph, flags);
    const auto secondModel = [](const std::string&) {
        return std::string(cli_texts::kGraphTakesOneModel);
    };
    if (const Call::Outcome parsed = call.parse(args, io.out, io.err, secondModel);
        parsed != Call::Outcome::Parsed) {
        return statusOf(parsed);
    }
    if (const std::string fault = checkGraphArgs(call.app(), graph); !fault.empty()) {
        return call.refuse(io.err, fault);
    }
    return graphParsed(graph, flags, io.port, io.out, io.err);
}

} // namespace flowmar::cli
