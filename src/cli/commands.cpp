#include "cli/commands.h"

#include "cli/call.h"
#include "cli/check_options.h"
#include "cli/fan_curve_graph.h"
#include "cli/ordered_batch.h"
#include "cli/output_guard.h"
#include "cli/study_command.h"
#include "core/analysis/design_check_report.h"
#include "core/analysis/design_checks.h"
#include "core/commands/document_commands.h"
#include "core/commands/execute_command.h"
#include "core/commands/open_documents.h"
#include "core/commands/stream_port.h"
#include "core/fans/fan_database_doc.h"
#include "core/files/atomic_file.h"
#include "core/files/file_bytes.h"
#include "core/files/json_model.h"
#include "core/files/model_file.h"
#include "core/input/graph_options.h"
#include "core/input/sheet_range_notes.h"
#include "core/model/flowmar_doc.h"
#include "core/model/messages.h"
#include "core/model/units.h"
#include "core/views/fan_input.h"
#include "core/views/fan_results.h"
#include "core/views/fan_results_chart.h"
#include "core/views/graph_drawing.h"
#include "core/views/json_stream.h"
#include "core/views/results_json.h"
#include "core/views/summary_input_report.h"
#include "core/views/summary_results_report.h"
#include "core/views/svg_painter.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <filesystem>
#include <iostream>
#include <istream>
#include <iterator>
#include <optional>
#include <ostream>
#include <span>
#include <sstream>
#include <thread>
#include <unistd.h>

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

bool writeText(const std::string& path, const std::string& text, std::ostream& out,
               std::ostream& err) {
    if (path == kStandardStream) {
        out << text;
        return static_cast<bool>(out);
    }
    return writeTextFile(path, text, err);
}

namespace {

// The most serious outcome of several runs: a file fault, then a stop, then the limit, then a
// design warning under --strict.
int worse(int a, int b) {
    const auto rank = [](int status) {
        switch (status) {
        case kExitUsage:
            return 4;
        case kExitStopped:
            return 3;
        case kExitIterationLimit:
            return 2;
        case kExitDesignWarning:
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

std::string checkUnits(const std::string& value) {
    return value == "si" || value == "imperial" ? std::string() : messages::unitsNotKnown(value);
}

std::optional<int> unitsOf(const std::string& value) {
    if (value.empty()) {
        return std::nullopt;
    }
    return value == "si" ? kSI : kImperial;
}

// A whole number from lowest to highest; the fault otherwise.
std::string checkWholeNumber(const std::string& value, int lowest, int highest,
                             const std::string& fault) {
    int number = 0;
    const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), number);
    const bool whole = ec == std::errc{} && end == value.data() + value.size();
    return whole && number >= lowest && number <= highest ? std::string() : fault;
}

struct RunOptions {
    std::string units;
    bool json = false;
    bool pretty = false;
    std::string csvFile;
    std::string report; // "fans" for the fan reports
    // Models run at once: one per core unless told.
    unsigned jobs = std::max(1u, std::thread::hardware_concurrency());
    std::vector<std::string> models;
    CheckOptions checks;
    DesignCriteria criteria; // from checks, once they have been found sound
};

// Parses the options of run; returns an error text for a wrong call, after the parse itself.
std::string checkRunOptions(const RunOptions& options) {
    if (options.models.empty()) {
        return std::string(messages::kRunNeedsModel);
    }
    if (options.pretty && !options.json) {
        return std::string(messages::kPrettyNeedsJson);
    }
    if (!options.report.empty() && options.json) {
        return std::string(messages::kReportIsText);
    }
    if (!options.csvFile.empty() && options.models.size() != 1) {
        return std::string(messages::kCsvNeedsOneModel);
    }
    if (std::ranges::count(options.models, std::string(kStandardStream)) > 1) {
        return std::string(messages::kOneModelFromStandardInput);
    }
    if (options.csvFile == kStandardStream) {
        return std::string(messages::kCsvNotToStandardOutput);
    }
    if (!options.csvFile.empty()) {
        return outputFault("--csv", options.csvFile, options.models, false);
    }
    return {};
}

// More threads than this would only share the same few cores.
constexpr int kMostJobs = 256;

void defineRun(Call& call, RunOptions& options) {
    CLI::App& app = call.app();
    call.check(app.add_option("--units", options.units, std::string(messages::kCliUnits))
                   ->type_name("si|imperial"),
               checkUnits);
    app.add_flag("--json", options.json, std::string(messages::kCliJson));
    app.add_flag("--pretty", options.pretty, std::string(messages::kCliPretty));
    call.check(
        app.add_option("--csv", options.csvFile, std::string(messages::kCliCsv))->type_name("FILE"),
        [](const std::string& value) {
            return value.empty() ? messages::optionNeedsValue("--csv") : std::string();
        });
    call.check(app.add_option("--report", options.report, std::string(messages::kCliReport))
                   ->type_name("fans"),
               [](const std::string& value) {
                   return value == "fans" ? std::string() : messages::reportNotKnown(value);
               });
    call.check(
        app.add_option("--jobs", options.jobs, std::string(messages::kCliJobs))->type_name("N"),
        [](const std::string& value) {
            return checkWholeNumber(value, 1, kMostJobs,
                                    messages::jobsOutOfRange(value, kMostJobs));
        });
    defineCheckOptions(call, options.checks);
    app.add_option("MODEL", options.models, std::string(messages::kCliModels));
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
                                    messages::pixelsOutOfRange(option, value, kLargestGraphSide));
        };
    };
    call.check(
        app.add_option("--width", graph.width, std::string(messages::kCliWidth))->type_name("W"),
        pixels("--width"));
    call.check(
        app.add_option("--height", graph.height, std::string(messages::kCliHeight))->type_name("H"),
        pixels("--height"));
    call.check(app.add_option("--units", graph.units, std::string(messages::kCliUnits))
                   ->type_name("si|imperial"),
               checkUnits);
    app.add_flag("--velocity", graph.velocity, std::string(messages::kCliVelocity));
    for (const GraphFlag& flag : kGraphFlags) {
        flags.push_back(
            app.add_flag(std::string(flag.name))->description(std::string(messages::kCliLeaveOut)));
    }
    call.check(app.add_option("--fan-results-chart", graph.fanResultsChart,
                              std::string(messages::kCliFanResultsChart))
                   ->type_name("N"),
               [](const std::string& value) {
                   return checkWholeNumber(value, 1, kMaxFans, messages::fanNumberNotKnown(value));
               });
    call.check(app.add_option("--fan-curve", graph.fanCurve, std::string(messages::kCliFanCurve))
                   ->type_name("N"),
               [](const std::string& value) {
                   return checkWholeNumber(value, 1, kMaxFans,
                                           messages::fanCurveNumberNeeded(value));
               });
    call.check(app.add_option("--kind", graph.kind, std::string(messages::kCliKind))
                   ->type_name("pq|wq|pwq"),
               [](const std::string& value) {
                   return value == "pq" || value == "wq" || value == "pwq"
                              ? std::string()
                              : messages::curveKindNotKnown(value);
               });
    app.add_flag("--page", graph.page, std::string(messages::kCliPage));
    call.check(app.add_option("-o", graph.svgFile, std::string(messages::kCliSvgFile))
                   ->type_name("FILE.svg"),
               [](const std::string& value) {
                   return value.empty() ? messages::optionNeedsValue("-o") : std::string();
               });
    app.add_option("MODEL", graph.model, std::string(messages::kCliModel));
}

// The faults of a graph call that no single option shows; empty for a call that may run.
std::string checkGraphArgs(const CLI::App& app, const GraphArgs& graph) {
    const bool fanCurve = graph.fanCurve > 0;
    if (!fanCurve && (app.count("--kind") > 0 || graph.page)) {
        return std::string(messages::kFanCurveOnlyOptions);
    }
    if (fanCurve) {
        for (const char* option : kGraphViewOnly) {
            if (app.count(option) > 0) {
                return messages::notWithFanCurve(option);
            }
        }
        for (const GraphFlag& flag : kGraphFlags) {
            if (app.count(flag.name) > 0) {
                return messages::notWithFanCurve(flag.name);
            }
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
                         std::ostream& out, std::ostream& err) {
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
    shown.unitSystem = unitsOf(graph.units).value_or(doc.unitSystem);
    if (!writeText(graph.svgFile, renderSvg(fanResultsChart(shown, fan)), out, err)) {
        return kExitUsage;
    }
    return exitStatusOf(status);
}

// One JSON model from standard input, read whole (up to the size of the largest file read) and
// run; nullptr after telling the port why it cannot be read.
std::unique_ptr<CFlowmarDoc> readStandardInput(std::istream& in, StreamPort& port) {
    std::string text;
    std::vector<char> block(64 * 1024);
    while (in.read(block.data(), static_cast<std::streamsize>(block.size())) || in.gcount() > 0) {
        text.append(block.data(), static_cast<std::size_t>(in.gcount()));
        if (text.size() > kMaxReadableFileSize) {
            port.showMessage(
                messages::cannotOpenFile(messages::kStandardInput, messages::kFileTooLargeToRead));
            return nullptr;
        }
    }
    auto doc = std::make_unique<CFlowmarDoc>();
    if (const std::string fault = readJsonModel(text, *doc); !fault.empty()) {
        port.showMessage(messages::cannotOpenFile(messages::kStandardInput, fault));
        return nullptr;
    }
    return doc;
}

// One model's part of a run, whole: what it writes to standard output, its messages for standard
// error (each line naming the model when several run), and its exit status.
struct ModelOutput {
    std::string out;
    std::string err;
    int exitStatus = kExitOk;
};

ModelOutput runModel(const RunOptions& options, std::size_t m, std::istream& in) {
    const std::string& path = options.models[m];
    ModelOutput output;
    std::ostringstream err;
    StreamPort port(err);
    port.setSource(options.models.size() > 1 ? path : std::string());
    // Each model is opened as the program opens it, reported, and closed again, so that a file
    // named twice runs twice.
    OpenDocuments documents(port);
    std::unique_ptr<CFlowmarDoc> fromInput;
    CFlowmarDoc* doc = nullptr;
    ExecuteResult result;
    if (path == kStandardStream) {
        fromInput = readStandardInput(in, port);
        if (fromInput) {
            doc = fromInput.get();
            result = Execute(*doc, port);
        }
    } else {
        const OpenDocuments::Opened opened =
            documents.open(path, {}, OpenDocuments::Accept::DuctModel);
        if (opened.document != nullptr) {
            doc = opened.document->model.get();
            result = opened.execution;
        }
    }
    // Indented, a changed value is one changed line of a diff.
    const int indent = options.pretty ? 2 : -1;
    if (doc == nullptr) {
        const std::vector<std::string> faults = port.takeMessages();
        output.exitStatus = kExitUsage;
        if (options.json) {
            // Every model named gets its object, so a script reading one per model never loses
            // count.
            JsonStream j(output.out, indent);
            j.beginObject();
            j.key("file").value(path);
            j.key("status").value("unreadable");
            j.key("messages").value(faults);
            j.endObject();
            output.out += '\n';
        }
        output.err = std::move(err).str();
        return output;
    }
    output.exitStatus = exitStatusOf(result.status);
    for (const std::string& note : sheetRangeNotes(*doc)) {
        port.showMessage(note);
    }
    // The command line's criteria win over the model's own.
    const DesignCriteria criteria = options.criteria.over(doc->designCriteria);
    // Shown in the units asked for; a copy only when they differ, since the results stay in SI.
    const CFlowmarDoc* shown = doc;
    std::optional<CFlowmarDoc> converted;
    if (const std::optional<int> units = unitsOf(options.units);
        units && *units != doc->unitSystem) {
        converted.emplace(*doc);
        converted->unitSystem = *units;
        shown = &*converted;
    }
    const std::vector<DesignFinding> findings = designChecks(*shown, result.status, criteria);
    if (options.checks.strict && anyWarning(findings)) {
        output.exitStatus = worse(output.exitStatus, kExitDesignWarning);
    }
    if (options.json) {
        // Streamed, not built as a tree: in a batch of thousands of models the tree would cost
        // more than Execute itself.
        output.out.reserve(32 * 1024);
        JsonStream j(output.out, indent);
        j.beginObject();
        writeResultsFields(j, path, result.status, port.takeMessages(), *doc);
        j.key("checks");
        writeFindingsJson(j, findings);
        j.endObject();
        output.out += '\n';
    } else {
        std::ostringstream out;
        if (options.models.size() > 1) {
            out << (m == 0 ? "" : "\n") << messages::modelHeading(path) << '\n';
        }
        printReports(*shown, options.report == "fans", out);
        out << '\n' << findingsText(findings);
        output.out = std::move(out).str();
    }
    if (!options.csvFile.empty() &&
        !writeTextFile(options.csvFile, segmentTableCsv(*doc, result.status), err)) {
        output.exitStatus = worse(output.exitStatus, kExitUsage);
    }
    if (!options.csvFile.empty() && result.status == SolutionStatus::Stopped) {
        err << messages::kCsvHeaderOnly << '\n';
    }
    if (!fromInput) {
        documents.close(doc);
    }
    output.err = std::move(err).str();
    return output;
}

int runParsed(const RunOptions& options, std::istream& in, std::ostream& out, std::ostream& err) {
    int exitStatus = kExitOk;
    runInOrder<ModelOutput>(
        options.models.size(), options.jobs,
        [&](std::size_t m) { return runModel(options, m, in); },
        [&](ModelOutput& model) {
            // A model's messages before its output, as they arose while it ran.
            err << model.err;
            out << model.out;
            exitStatus = worse(exitStatus, model.exitStatus);
        });
    return exitStatus;
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

// The exit status of a call that parsed to help or to a fault.
int statusOf(Call::Outcome outcome) {
    return outcome == Call::Outcome::Help ? kExitOk : kExitUsage;
}

int runCall(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
            std::ostream& err) {
    RunOptions options;
    Call call("run", std::string(messages::kCliRun));
    defineRun(call, options);
    if (const Call::Outcome parsed = call.parse(args, out, err); parsed != Call::Outcome::Parsed) {
        return statusOf(parsed);
    }
    if (const std::string fault = checkRunOptions(options); !fault.empty()) {
        return call.refuse(err, fault);
    }
    std::string fault;
    const std::optional<DesignCriteria> criteria = criteriaOf(options.checks, fault);
    if (!criteria) {
        return call.refuse(err, fault);
    }
    options.criteria = *criteria;
    return runParsed(options, in, out, err);
}

int graphCall(const std::vector<std::string>& args, StreamPort& port, std::ostream& out,
              std::ostream& err) {
    GraphArgs graph;
    std::vector<CLI::Option*> flags;
    Call call("graph", std::string(messages::kCliGraph));
    defineGraph(call, graph, flags);
    const auto secondModel = [](const std::string&) {
        return std::string(messages::kGraphTakesOneModel);
    };
    if (const Call::Outcome parsed = call.parse(args, out, err, secondModel);
        parsed != Call::Outcome::Parsed) {
        return statusOf(parsed);
    }
    if (const std::string fault = checkGraphArgs(call.app(), graph); !fault.empty()) {
        return call.refuse(err, fault);
    }
    return graphParsed(graph, flags, port, out, err);
}

// Whether a JSON file is a fan database: an object with a "fanDatabase" list. Anything else,
// unreadable JSON included, is read as a model, whose reader says what is wrong with it.
bool holdsFanDatabase(const std::string& path) {
    const FileBytes file = readFileBytes(path);
    if (!file.ok()) {
        return false;
    }
    const nlohmann::json json =
        nlohmann::json::parse(file.bytes.begin(), file.bytes.end(), nullptr, false);
    return json.is_object() && json.contains("fanDatabase");
}

int convertCall(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::string in;
    std::string outFile;
    Call call("convert", std::string(messages::kCliConvert));
    call.app().add_option("IN", in, std::string(messages::kCliConvertIn));
    call.app().add_option("OUT", outFile, std::string(messages::kCliConvertOut));
    if (const Call::Outcome parsed = call.parse(args, out, err); parsed != Call::Outcome::Parsed) {
        return statusOf(parsed);
    }
    if (in.empty() || outFile.empty()) {
        return call.refuse(err, messages::kConvertNeedsInAndOut);
    }
    if (const std::string fault = outputFault("OUT", outFile, {in}, true); !fault.empty()) {
        return call.refuse(err, fault);
    }
    const FileKind inKind = fileKindOf(in);
    const FileKind outKind = fileKindOf(outFile);
    // A duct model and a fan database are different documents: neither becomes the other.
    if ((inKind == FileKind::DuctModel && outKind == FileKind::FanDatabase) ||
        (inKind == FileKind::FanDatabase && outKind == FileKind::DuctModel)) {
        return call.refuse(err, messages::convertBetweenKinds(in, outFile));
    }
    // A fan database is a ".fdb" on one side, or JSON with a "fanDatabase" list on both.
    const bool database =
        inKind == FileKind::FanDatabase || outKind == FileKind::FanDatabase ||
        (inKind == FileKind::Json && outKind == FileKind::Json && holdsFanDatabase(in));
    FileStatus written;
    if (database) {
        FileRead<CFanDatabaseDoc> read = readFanDatabase(in);
        if (!read.ok()) {
            err << read.error << '\n';
            return kExitUsage;
        }
        written = writeFanDatabase(*read.document, outFile);
    } else {
        FileRead<CFlowmarDoc> read = readModelFile(in);
        if (!read.ok()) {
            err << read.error << '\n';
            return kExitUsage;
        }
        written = writeModelFile(*read.document, outFile);
        if (written.ok() && outKind == FileKind::DuctModel &&
            read.document->designCriteria.anySet()) {
            err << messages::kCriteriaNotInDct << '\n';
        }
    }
    if (!written.ok()) {
        err << written.error << '\n';
        return kExitUsage;
    }
    // A converted file that its own reader refuses is a loss, not a copy: what the readers of
    // the two forms take differs wherever a check is missing from one of them.
    const std::string readBack =
        database ? readFanDatabase(outFile).error : readModelFile(outFile).error;
    if (!readBack.empty()) {
        std::error_code ec;
        std::filesystem::remove(outFile, ec);
        err << messages::convertedFileUnreadable(outFile, readBack) << '\n';
        return kExitUsage;
    }
    return kExitOk;
}

int newCall(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    bool imperial = false;
    std::string outFile;
    Call call("new", std::string(messages::kCliNew));
    call.app().add_flag("--imperial", imperial, std::string(messages::kCliImperial));
    call.app().add_option("OUT", outFile, std::string(messages::kCliNewOut));
    if (const Call::Outcome parsed = call.parse(args, out, err); parsed != Call::Outcome::Parsed) {
        return statusOf(parsed);
    }
    if (outFile.empty()) {
        return call.refuse(err, messages::kNewNeedsOut);
    }
    CFlowmarDoc doc;
    if (imperial) {
        applyImperialDefaults(doc);
    }
    if (const FileStatus written = writeModelFile(doc, outFile); !written.ok()) {
        err << written.error << '\n';
        return kExitUsage;
    }
    return kExitOk;
}

} // namespace

int runModels(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    return runCall(args, std::cin, out, err);
}

int writeGraph(const std::vector<std::string>& args, StreamPort& port, std::ostream& err) {
    return graphCall(args, port, std::cout, err);
}

int convertFile(const std::vector<std::string>& args, std::ostream& err) {
    return convertCall(args, std::cout, err);
}

int writeNewModel(const std::vector<std::string>& args, std::ostream& err) {
    return newCall(args, std::cout, err);
}

int runCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    return runCommandLine(args, std::cin, out, err);
}

int runCommandLine(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                   std::ostream& err) {
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
        return runCall(rest, in, out, err);
    }
    if (command == "graph") {
        return graphCall(rest, port, out, err);
    }
    if (command == "convert") {
        return convertCall(rest, out, err);
    }
    if (command == "new") {
        return newCall(rest, out, err);
    }
    if (command == "study") {
        // The bar only on a terminal: a script's standard error stays its messages alone.
        const bool progress = &err == &std::cerr && isatty(STDERR_FILENO) == 1;
        return studyCall(rest, port, out, err, progress);
    }
    err << messages::unknownCommand(command) << "\n\n" << messages::kCommandLineHelp;
    return kExitUsage;
}

} // namespace flowmar::cli
