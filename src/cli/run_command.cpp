#include "cli/run_command.h"

#include "cli/call.h"
#include "cli/check_options.h"
#include "cli/cli_texts.h"
#include "cli/exit_codes.h"
#include "cli/ordered_batch.h"
#include "cli/output_guard.h"
#include "core/analysis/design_check_report.h"
#include "core/analysis/design_checks.h"
#include "core/commands/execute_command.h"
#include "core/commands/open_documents.h"
#include "core/commands/stream_port.h"
#include "core/files/file_bytes.h"
#include "core/files/json_model.h"
#include "core/input/sheet_range_notes.h"
#include "core/model/flowmar_doc.h"
#include "core/model/messages.h"
#include "core/model/units.h"
#include "core/views/fan_input.h"
#include "core/views/fan_results.h"
#include "core/views/json_stream.h"
#include "core/views/results_json.h"
#include "core/views/summary_input_report.h"
#include "core/views/summary_results_report.h"

#include <algorithm>
#include <istream>
#include <memory>
#include <optional>
#include <ostream>
#include <sstream>
#include <thread>

namespace flowmar::cli {

namespace {

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
        return std::string(cli_texts::kRunNeedsModel);
    }
    if (options.pretty && !options.json) {
        return std::string(cli_texts::kPrettyNeedsJson);
    }
    if (!options.report.empty() && options.json) {
        return std::string(cli_texts::kReportIsText);
    }
    if (!options.csvFile.empty() && options.models.size() != 1) {
        return std::string(cli_texts::kCsvNeedsOneModel);
    }
    if (std::ranges::count(options.models, std::string(kStandardStream)) > 1) {
        return std::string(cli_texts::kOneModelFromStandardInput);
    }
    if (options.csvFile == kStandardStream) {
        return std::string(cli_texts::kCsvNotToStandardOutput);
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
    call.check(app.add_option("--units", options.units, std::string(cli_texts::kCliUnits))
                   ->type_name("si|imperial"),
               checkUnits);
    app.add_flag("--json", options.json, std::string(cli_texts::kCliJson));
    app.add_flag("--pretty", options.pretty, std::string(cli_texts::kCliPretty));
    call.check(app.add_option("--csv", options.csvFile, std::string(cli_texts::kCliCsv))
                   ->type_name("FILE"),
               [](const std::string& value) {
                   return value.empty() ? cli_texts::optionNeedsValue("--csv") : std::string();
               });
    call.check(app.add_option("--report", options.report, std::string(cli_texts::kCliReport))
                   ->type_name("fans"),
               [](const std::string& value) {
                   return value == "fans" ? std::string() : cli_texts::reportNotKnown(value);
               });
    call.check(
        app.add_option("--jobs", options.jobs, std::string(cli_texts::kCliJobs))->type_name("N"),
        [](const std::string& value) {
            return checkWholeNumber(value, 1, kMostJobs,
                                    cli_texts::jobsOutOfRange(value, kMostJobs));
        });
    defineCheckOptions(call, options.checks);
    app.add_option("MODEL", options.models, std::string(cli_texts::kCliModels));
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

// One JSON model from standard input, read whole (up to the size of the largest file read) and
// run; nullptr after telling the port why it cannot be read.
std::unique_ptr<CFlowmarDoc> readStandardInput(std::istream& in, StreamPort& port) {
    std::string text;
    std::vector<char> block(64 * 1024);
    while (in.read(block.data(), static_cast<std::streamsize>(block.size())) || in.gcount() > 0) {
        text.append(block.data(), static_cast<std::size_t>(in.gcount()));
        if (text.size() > kMaxReadableFileSize) {
            port.showMessage(
                messages::cannotOpenFile(cli_texts::kStandardInput, messages::kFileTooLargeToRead));
            return nullptr;
        }
    }
    auto doc = std::make_unique<CFlowmarDoc>();
    if (const std::string fault = readJsonModel(text, *doc); !fault.empty()) {
        port.showMessage(messages::cannotOpenFile(cli_texts::kStandardInput, fault));
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
            out << (m == 0 ? "" : "\n") << cli_texts::modelHeading(path) << '\n';
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
        err << cli_texts::kCsvHeaderOnly << '\n';
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

} // namespace

int runCommand(const Command& command, const std::vector<std::string>& args,
               const CommandStreams& io) {
    RunOptions options;
    Call call(command);
    defineRun(call, options);
    if (const Call::Outcome parsed = call.parse(args, io.out, io.err);
        parsed != Call::Outcome::Parsed) {
        return statusOf(parsed);
    }
    if (const std::string fault = checkRunOptions(options); !fault.empty()) {
        return call.refuse(io.err, fault);
    }
    std::string fault;
    const std::optional<DesignCriteria> criteria = criteriaOf(options.checks, fault);
    if (!criteria) {
        return call.refuse(io.err, fault);
    }
    options.criteria = *criteria;
    return runParsed(options, io.in, io.out, io.err);
}

} // namespace flowmar::cli
