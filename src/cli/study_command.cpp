#include "cli/study_command.h"

#include "cli/call.h"
#include "cli/cli_texts.h"
#include "cli/exit_codes.h"
#include "cli/graph_command.h"
#include "cli/output_guard.h"
#include "core/analysis/study.h"
#include "core/analysis/study_chart.h"
#include "core/analysis/study_report.h"
#include "core/commands/open_documents.h"
#include "core/commands/stream_port.h"
#include "core/model/flowmar_doc.h"
#include "core/views/svg_painter.h"

#include <algorithm>
#include <chrono>
#include <iostream>
#include <ostream>
#include <thread>
#include <unistd.h>
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

int studyCommand(const Command& command, const std::vector<std::string>& args,
                 const CommandStreams& io) {
    StudyOptions options;
    Call call(command);
    CLI::App& app = call.app();
    app.add_option("--vary", options.vary, std::string(cli_texts::kCliVary))
        ->type_name("NAME=FROM:TO:STEPS");
    app.add_option("--vary2", options.vary2, std::string(cli_texts::kCliVary2))
        ->type_name("NAME=FROM:TO:STEPS");
    app.add_option("--require-face", options.requireFace,
                   std::string(cli_texts::kCliStudyRequireFace))
        ->type_name("Q");
    app.add_flag("--json", options.json, std::string(cli_texts::kCliJson));
    app.add_flag("--pretty", options.pretty, std::string(cli_texts::kCliPretty));
    app.add_option("--csv", options.csvFile, std::string(cli_texts::kCliStudyCsv))
        ->type_name("FILE");
    app.add_option("--svg", options.svgFile, std::string(cli_texts::kCliStudySvg))
        ->type_name("FILE");
    app.add_option("MODEL", options.model, std::string(cli_texts::kCliStudyModel));
    if (const Call::Outcome parsed = call.parse(args, io.out, io.err);
        parsed != Call::Outcome::Parsed) {
        return statusOf(parsed);
    }
    if (options.model.empty()) {
        return call.refuse(io.err, cli_texts::kStudyNeedsModel);
    }
    if (options.vary.empty()) {
        return call.refuse(io.err, cli_texts::kStudyNeedsVary);
    }
    if (options.pretty && !options.json) {
        return call.refuse(io.err, cli_texts::kPrettyNeedsJson);
    }
    for (const auto& [option, file] :
         {std::pair{"--csv", &options.csvFile}, std::pair{"--svg", &options.svgFile}}) {
        if (file->empty()) {
            continue;
        }
        if (const std::string fault = outputFault(option, *file, {options.model}, false);
            !fault.empty()) {
            return call.refuse(io.err, fault);
        }
    }
    // The bar only on a terminal: a script's standard error stays its messages alone.
    options.progress = &io.err == &std::cerr && isatty(STDERR_FILENO) == 1;
    return runStudyCommand(options, io.port, io.out, io.err);
}

} // namespace flowmar::cli
