#include "cli/study_command.h"

#include "cli/call.h"
#include "cli/commands.h"
#include "cli/output_guard.h"
#include "core/analysis/study.h"
#include "core/analysis/study_chart.h"
#include "core/analysis/study_report.h"
#include "core/commands/open_documents.h"
#include "core/commands/stream_port.h"
#include "core/model/flowmar_doc.h"
#include "core/model/messages.h"
#include "core/views/svg_painter.h"

#include <algorithm>
#include <chrono>
#include <ostream>
#include <thread>
#include <variant>

namespace flowmar::cli {

namespace {

constexpr int kBarWidth = 40;

void drawBar(std::ostream& err, int done, int total) {
    const int filled = total > 0 ? done * kBarWidth / total : kBarWidth;
    err << "\r[" << std::string(static_cast<std::size_t>(filled), '#')
        << std::string(static_cast<std::size_t>(kBarWidth - filled), ' ') << "] " << done << '/'
        << total << std::flush;
}

// Runs the study, drawing the bar on err while the steps run when asked.
StudyResult runWithProgress(const CFlowmarDoc& doc, const StudyRequest& request, bool progress,
                            std::ostream& err) {
    if (!progress) {
        return runStudy(doc, request);
    }
    const int total = request.first.steps * (request.second ? request.second->steps : 1);
    StudyControl control;
    StudyResult result;
    {
        std::jthread worker([&] { result = runStudy(doc, request, &control); });
        while (control.done.load() < total) {
            drawBar(err, control.done.load(), total);
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
    }
    drawBar(err, total, total);
    err << '\n';
    return result;
}

} // namespace

int runStudyCommand(const StudyOptions& options, StreamPort& port, std::ostream& out,
                    std::ostream& err) {
    StudyRequest request;
    auto first = parseStudyRange(options.vary);
    if (const auto* fault = std::get_if<std::string>(&first)) {
        err << *fault << '\n';
        return kExitUsage;
    }
    request.first = std::get<StudyRange>(first);
    if (options.vary2) {
        auto parsed = parseStudyRange(*options.vary2);
        if (const auto* fault = std::get_if<std::string>(&parsed)) {
            err << *fault << '\n';
            return kExitUsage;
        }
        request.second = std::get<StudyRange>(parsed);
    }
    request.requiredFaceQuantity = options.requireFace;

    OpenDocuments documents(port);
    const OpenDocuments::Opened opened =
        documents.open(options.model, {}, OpenDocuments::Accept::DuctModel);
    port.takeMessages();
    if (opened.document == nullptr) {
        return kExitUsage;
    }
    const CFlowmarDoc& doc = *opened.document->model;
    if (const std::optional<std::string> refused = checkStudy(doc, request)) {
        err << *refused << '\n';
        return kExitUsage;
    }

    const StudyResult result = runWithProgress(doc, request, options.progress, err);
    if (options.json) {
        out << studyJson(options.model, result, request)
                   .dump(options.pretty ? 2 : -1, ' ', false,
                         nlohmann::ordered_json::error_handler_t::replace)
            << '\n';
    } else {
        out << studyTable(result, request);
    }
    int status = std::ranges::any_of(
                     result.steps,
                     [](const StudyStep& step) { return step.status == SolutionStatus::Stopped; })
                     ? kExitStopped
                     : kExitOk;
    if (!options.csvFile.empty() && !writeTextFile(options.csvFile, studyCsv(result), err)) {
        status = kExitUsage;
    }
    if (!options.svgFile.empty()) {
        SvgOptions size;
        size.width = kDefaultGraphWidth;
        size.height = kDefaultGraphHeight;
        if (!writeTextFile(options.svgFile,
                           renderSvg(studyChart(result, request, doc.unitSystem), size), err)) {
            status = kExitUsage;
        }
    }
    return status;
}

int studyCall(const std::vector<std::string>& args, StreamPort& port, std::ostream& out,
              std::ostream& err, bool progress) {
    StudyOptions options;
    Call call("study", std::string(messages::kCliStudy));
    CLI::App& app = call.app();
    app.add_option("--vary", options.vary, "the input and its range")
        ->type_name("NAME=FROM:TO:STEPS");
    app.add_option("--vary2", options.vary2, "a second input and its range")
        ->type_name("NAME=FROM:TO:STEPS");
    app.add_option("--require-face", options.requireFace, "the required face quantity (m³/s)")
        ->type_name("Q");
    app.add_flag("--json", options.json, std::string(messages::kCliJson));
    app.add_flag("--pretty", options.pretty, std::string(messages::kCliPretty));
    app.add_option("--csv", options.csvFile, "write the steps as CSV")->type_name("FILE");
    app.add_option("--svg", options.svgFile, "write the chart as SVG")->type_name("FILE");
    app.add_option("MODEL", options.model, "the model (.dct or .json)");
    if (const Call::Outcome parsed = call.parse(args, out, err); parsed != Call::Outcome::Parsed) {
        return parsed == Call::Outcome::Help ? kExitOk : kExitUsage;
    }
    if (options.model.empty()) {
        return call.refuse(err, messages::kStudyNeedsModel);
    }
    if (options.vary.empty()) {
        return call.refuse(err, messages::kStudyNeedsVary);
    }
    if (options.pretty && !options.json) {
        return call.refuse(err, messages::kPrettyNeedsJson);
    }
    for (const auto& [option, file] :
         {std::pair{"--csv", &options.csvFile}, std::pair{"--svg", &options.svgFile}}) {
        if (file->empty()) {
            continue;
        }
        if (const std::string fault = outputFault(option, *file, {options.model}, false);
            !fault.empty()) {
            return call.refuse(err, fault);
        }
    }
    options.progress = progress;
    return runStudyCommand(options, port, out, err);
}

} // namespace flowmar::cli
