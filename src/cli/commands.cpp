#include "cli/commands.h"

#include "cli/fan_curve_graph.h"
#include "cli/output_guard.h"
#include "core/commands/document_commands.h"
#include "core/commands/open_documents.h"
#include "core/commands/stream_port.h"
#include "core/fans/fan_database_doc.h"
#include "core/files/atomic_file.h"
#include "core/files/model_file.h"
#include "core/input/graph_options.h"
#include "core/model/flowmar_doc.h"
#include "core/model/messages.h"
#include "core/model/units.h"
#include "core/views/fan_input.h"
#include "core/views/fan_results.h"
#include "core/views/fan_results_chart.h"
#include "core/views/graph_drawing.h"
#include "core/views/results_json.h"
#include "core/views/summary_input_report.h"
#include "core/views/summary_results_report.h"
#include "core/views/svg_painter.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <filesystem>
#include <iterator>
#include <optional>
#include <ostream>
#include <span>

namespace flowmar::cli {

// Through the same atomic save as the models, so a failed write never leaves half a file.
bool writeTextFile(const std::string& path, const std::string& text, std::ostream& err) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    const FileStatus written =
        writeFileAtomically(path, std::span<const std::uint8_t>(bytes, text.size()));
    if (!written.ok()) {
        err << written.error << '\n';
        return false;
    }
    return true;
}

namespace {

// A wrong call: the fault, then where to read how to call.
int wrongCall(std::ostream& err, std::string_view fault) {
    err << fault << '\n' << messages::kSeeHelp << '\n';
    return kExitUsage;
}

// The most serious outcome of several runs: a file fault, then a stop, then the limit.
int worse(int a, int b) {
    const auto rank = [](int status) {
        switch (status) {
        case kExitUsage:
            return 3;
        case kExitStopped:
            return 2;
        case kExitIterationLimit:
            return 1;
        default:
            return 0;
        }
    };
    return rank(a) >= rank(b) ? a : b;
}

int exitStatusOf(SolutionStatus status) {
    switch (status) {
    case SolutionStatus::Converged:
    case SolutionStatus::FixedQuantity:
        return kExitOk;
    case SolutionStatus::IterationLimit:
        return kExitIterationLimit;
    case SolutionStatus::Stopped:
        break;
    }
    return kExitStopped;
}

struct RunOptions {
    std::optional<int> units;
    bool json = false;
    bool pretty = false;
    std::string csvFile;
    bool fanReports = false; // --report fans
    std::vector<std::string> models;
};

// Parses the options of run; returns an error text for a wrong call.
std::string parseRunOptions(const std::vector<std::string>& args, RunOptions& options) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--json") {
            options.json = true;
        } else if (arg == "--pretty") {
            options.pretty = true;
        } else if (arg == "--report") {
            if (i + 1 == args.size()) {
                return messages::optionNeedsValue(arg);
            }
            if (args[++i] != "fans") {
                return messages::reportNotKnown(args[i]);
            }
            options.fanReports = true;
        } else if (arg == "--units" || arg == "--csv") {
            if (i + 1 == args.size()) {
                return messages::optionNeedsValue(arg);
            }
            const std::string& value = args[++i];
            if (arg == "--csv") {
                options.csvFile = value;
            } else if (value == "si") {
                options.units = kSI;
            } else if (value == "imperial") {
                options.units = kImperial;
            } else {
                return messages::unitsNotKnown(value);
            }
        } else if (arg.starts_with("--")) {
            return messages::unknownOption(arg);
        } else {
            options.models.push_back(arg);
        }
    }
    if (options.models.empty()) {
        return std::string(messages::kRunNeedsModel);
    }
    if (options.pretty && !options.json) {
        return std::string(messages::kPrettyNeedsJson);
    }
    if (options.fanReports && options.json) {
        return std::string(messages::kReportIsText);
    }
    if (!options.csvFile.empty() && options.models.size() != 1) {
        return std::string(messages::kCsvNeedsOneModel);
    }
    if (!options.csvFile.empty()) {
        return outputFault("--csv", options.csvFile, options.models, false);
    }
    return {};
}

void printLines(const std::vector<std::string>& lines, std::ostream& out) {
    for (const std::string& line : lines) {
        out << line << '\n';
    }
}

void printReports(const CFlowmarDoc& doc, bool fanReports, std::ostream& out) {
    printLines(summaryInputLines(doc), out);
    out << '\n';
    printLines(summaryResultsLines(doc), out);
    if (fanReports) {
        out << '\n';
        printLines(fanInputLines(doc), out);
        out << '\n';
        printLines(fanResultsLines(doc), out);
    }
}

struct GraphArgs {
    std::string model;
    std::string svgFile;
    int width = kDefaultGraphWidth;
    int height = kDefaultGraphHeight;
    std::optional<int> units;
    std::vector<int GraphOptions::*> switchedOff;
    bool velocity = false;
    int fanResultsChart = 0; // a fan's Fan Results chart instead of the graph; 0 for none
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

bool parsePixels(const std::string& text, int& pixels) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size() || value < 1 ||
        value > kLargestGraphSide) {
        return false;
    }
    pixels = value;
    return true;
}

// Parses the arguments of graph; returns an error text for a wrong call.
std::string parseGraphArgs(const std::vector<std::string>& args, GraphArgs& graph) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--velocity") {
            graph.velocity = true;
            continue;
        }
        if (const auto* flag = std::ranges::find(kGraphFlags, arg, &GraphFlag::name);
            flag != std::end(kGraphFlags)) {
            graph.switchedOff.push_back(flag->option);
            continue;
        }
        if (arg == "--fan-results-chart") {
            if (i + 1 == args.size()) {
                return messages::optionNeedsValue(arg);
            }
            const std::string& value = args[++i];
            const auto [end, ec] =
                std::from_chars(value.data(), value.data() + value.size(), graph.fanResultsChart);
            if (ec != std::errc{} || end != value.data() + value.size() ||
                graph.fanResultsChart < 1) {
                return messages::fanNumberNotKnown(value);
            }
            continue;
        }
        if (arg == "-o" || arg == "--width" || arg == "--height" || arg == "--units") {
            if (i + 1 == args.size()) {
                return messages::optionNeedsValue(arg);
            }
            const std::string& value = args[++i];
            if (arg == "-o") {
                graph.svgFile = value;
            } else if (arg == "--units") {
                if (value != "si" && value != "imperial") {
                    return messages::unitsNotKnown(value);
                }
                graph.units = value == "si" ? kSI : kImperial;
            } else if (!parsePixels(value, arg == "--width" ? graph.width : graph.height)) {
                return messages::pixelsOutOfRange(arg, value, kLargestGraphSide);
            }
        } else if (arg.starts_with("-")) {
            return messages::unknownOption(arg);
        } else if (graph.model.empty()) {
            graph.model = arg;
        } else {
            return std::string(messages::kGraphTakesOneModel);
        }
    }
    if (graph.model.empty()) {
        return std::string(messages::kGraphNeedsModel);
    }
    if (graph.svgFile.empty()) {
        return std::string(messages::kGraphNeedsOutput);
    }
    return outputFault("-o", graph.svgFile, {graph.model}, false);
}

// The chart of one fan that ran on its curve in the model's last fan-mode solution; no file when
// there is no such chart.
int writeFanResultsChart(const GraphArgs& graph, const CFlowmarDoc& doc, SolutionStatus status,
                         std::ostream& err) {
    const int fan = graph.fanResultsChart;
    const bool fanMode =
        status == SolutionStatus::Converged || status == SolutionStatus::IterationLimit;
    if (!fanMode || !hasFanModeResults(doc)) {
        err << messages::kNoFanModeResults << '\n';
        return kExitStopped;
    }
    if (fan > std::min(doc.fanCount, kMaxFans)) {
        err << messages::kFanNumberDoesNotExist << '\n';
        return kExitStopped;
    }
    if (!fanOperatingPoint(doc, fan).onCurve) {
        err << messages::fanNotOnCurve(fan) << '\n';
        return kExitStopped;
    }
    CFlowmarDoc shown = doc;
    shown.unitSystem = graph.units.value_or(doc.unitSystem);
    if (!writeTextFile(graph.svgFile, renderSvg(fanResultsChart(shown, fan)), err)) {
        return kExitUsage;
    }
    return exitStatusOf(status);
}

} // namespace

int runModels(const std::vector<std::string>& args, StreamPort& port, std::ostream& out,
              std::ostream& err) {
    RunOptions options;
    if (const std::string fault = parseRunOptions(args, options); !fault.empty()) {
        return wrongCall(err, fault);
    }
    int exitStatus = kExitOk;
    OpenDocuments documents(port);
    for (std::size_t m = 0; m < options.models.size(); ++m) {
        const std::string& path = options.models[m];
        port.takeMessages();
        // Each model is opened as the program opens it, reported, and closed again, so that a
        // file named twice runs twice.
        const OpenDocuments::Opened opened =
            documents.open(path, {}, OpenDocuments::Accept::DuctModel);
        if (opened.document == nullptr) {
            port.takeMessages();
            exitStatus = worse(exitStatus, kExitUsage);
            continue;
        }
        CFlowmarDoc& doc = *opened.document->model;
        const ExecuteResult& result = opened.execution;
        exitStatus = worse(exitStatus, exitStatusOf(result.status));
        if (options.json) {
            // Indented, a changed value is one changed line of a diff.
            const int indent = options.pretty ? 2 : -1;
            out << resultsJson(path, result.status, port.takeMessages(), doc).dump(indent) << '\n';
        } else {
            if (options.models.size() > 1) {
                out << (m == 0 ? "" : "\n") << messages::modelHeading(path) << '\n';
            }
            CFlowmarDoc shown = doc;
            shown.unitSystem = options.units.value_or(doc.unitSystem);
            printReports(shown, options.fanReports, out);
        }
        if (!options.csvFile.empty() &&
            !writeTextFile(options.csvFile, segmentTableCsv(doc), err)) {
            exitStatus = worse(exitStatus, kExitUsage);
        }
        documents.close(&doc);
    }
    return exitStatus;
}

int writeGraph(const std::vector<std::string>& args, StreamPort& port, std::ostream& err) {
    if (asksForFanCurve(args)) {
        return writeFanCurveGraph(args, port, err);
    }
    GraphArgs graph;
    if (const std::string fault = parseGraphArgs(args, graph); !fault.empty()) {
        return wrongCall(err, fault);
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
        return writeFanResultsChart(graph, doc, result.status, err);
    }
    GraphOptions options = graphOptionsOf(doc);
    for (int GraphOptions::*option : graph.switchedOff) {
        options.*option = 0;
    }
    if (graph.velocity) {
        options.flowPlotKind = 2;
    }
    CFlowmarDoc shown = doc;
    shown.unitSystem = graph.units.value_or(doc.unitSystem);
    const SvgOptions size{static_cast<double>(graph.width), static_cast<double>(graph.height)};
    if (!writeTextFile(graph.svgFile, renderSvg(graphDrawing(shown, options), size), err)) {
        return kExitUsage;
    }
    return exitStatusOf(result.status);
}

int convertFile(const std::vector<std::string>& args, std::ostream& err) {
    if (args.size() != 2) {
        return wrongCall(err, messages::kConvertNeedsInAndOut);
    }
    const std::string& in = args[0];
    const std::string& out = args[1];
    if (const std::string fault = outputFault("OUT", out, {in}, true); !fault.empty()) {
        return wrongCall(err, fault);
    }
    const FileKind inKind = fileKindOf(in);
    const FileKind outKind = fileKindOf(out);
    // A fan database is a ".fdb" on one side, or JSON with a "fanDatabase" list on both.
    const bool database = inKind == FileKind::FanDatabase || outKind == FileKind::FanDatabase;
    FileStatus written;
    if (database) {
        FileRead<CFanDatabaseDoc> read = readFanDatabase(in);
        if (!read.ok()) {
            err << read.error << '\n';
            return kExitUsage;
        }
        written = writeFanDatabase(*read.document, out);
    } else {
        FileRead<CFlowmarDoc> read = readModelFile(in);
        if (!read.ok()) {
            err << read.error << '\n';
            return kExitUsage;
        }
        written = writeModelFile(*read.document, out);
    }
    if (!written.ok()) {
        err << written.error << '\n';
        return kExitUsage;
    }
    return kExitOk;
}

int writeNewModel(const std::vector<std::string>& args, std::ostream& err) {
    bool imperial = false;
    std::string out;
    for (const std::string& arg : args) {
        if (arg == "--imperial") {
            imperial = true;
        } else if (out.empty() && !arg.starts_with("--")) {
            out = arg;
        } else {
            return wrongCall(err, messages::unexpectedArgument(arg));
        }
    }
    if (out.empty()) {
        return wrongCall(err, messages::kNewNeedsOut);
    }
    CFlowmarDoc doc;
    if (imperial) {
        applyImperialDefaults(doc);
    }
    if (const FileStatus written = writeModelFile(doc, out); !written.ok()) {
        err << written.error << '\n';
        return kExitUsage;
    }
    return kExitOk;
}

int runCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        out << messages::kCommandLineHelp;
        return args.empty() ? kExitUsage : kExitOk;
    }
    if (args[0] == "--version") {
        out << messages::commandLineVersion() << '\n';
        return kExitOk;
    }
    const std::string& command = args[0];
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    StreamPort port(err);
    if (command == "run") {
        return runModels(rest, port, out, err);
    }
    if (command == "graph") {
        return writeGraph(rest, port, err);
    }
    if (command == "convert") {
        return convertFile(rest, err);
    }
    if (command == "new") {
        return writeNewModel(rest, err);
    }
    err << messages::unknownCommand(command) << "\n\n" << messages::kCommandLineHelp;
    return kExitUsage;
}

} // namespace flowmar::cli
