#include "cli/fan_curve_graph.h"

#include "cli/commands.h"
#include "cli/output_guard.h"
#include "core/commands/open_documents.h"
#include "core/commands/stream_port.h"
#include "core/model/flowmar_doc.h"
#include "core/model/messages.h"
#include "core/model/units.h"
#include "core/views/fan_curve_chart.h"
#include "core/views/fan_curve_page.h"
#include "core/views/svg_painter.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <optional>
#include <ostream>

namespace flowmar::cli {

namespace {

struct FanCurveArgs {
    int fanNumber = 0;
    int kind = fan_curve_view::kPressureQuantity;
    bool page = false;
    std::optional<int> units;
    std::string model;
    std::string svgFile;
};

int wrongCall(std::ostream& err, std::string_view fault) {
    err << fault << '\n' << messages::kSeeHelp << '\n';
    return kExitUsage;
}

std::optional<int> fanNumberOf(const std::string& text) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size() || value < 1) {
        return std::nullopt;
    }
    return value;
}

std::string parse(const std::vector<std::string>& args, FanCurveArgs& call) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--page") {
            call.page = true;
            continue;
        }
        if (arg == "--fan-curve" || arg == "--kind" || arg == "--units" || arg == "-o") {
            if (i + 1 == args.size()) {
                return messages::optionNeedsValue(arg);
            }
            const std::string& value = args[++i];
            if (arg == "--fan-curve") {
                const std::optional<int> number = fanNumberOf(value);
                if (!number) {
                    return messages::fanCurveNumberNeeded(value);
                }
                call.fanNumber = *number;
            } else if (arg == "--kind") {
                if (value == "pq") {
                    call.kind = fan_curve_view::kPressureQuantity;
                } else if (value == "wq") {
                    call.kind = fan_curve_view::kPowerQuantity;
                } else if (value == "pwq") {
                    call.kind = fan_curve_view::kPressurePowerQuantity;
                } else {
                    return messages::curveKindNotKnown(value);
                }
            } else if (arg == "--units") {
                if (value != "si" && value != "imperial") {
                    return messages::unitsNotKnown(value);
                }
                call.units = value == "si" ? kSI : kImperial;
            } else {
                call.svgFile = value;
            }
        } else if (arg.starts_with("-")) {
            return messages::unknownOption(arg);
        } else if (call.model.empty()) {
            call.model = arg;
        } else {
            return std::string(messages::kGraphTakesOneModel);
        }
    }
    if (call.fanNumber == 0) {
        return std::string(messages::kFanCurveOnlyOptions);
    }
    if (call.model.empty()) {
        return std::string(messages::kGraphNeedsModel);
    }
    if (call.svgFile.empty()) {
        return std::string(messages::kGraphNeedsOutput);
    }
    return outputFault("-o", call.svgFile, {call.model}, false);
}

} // namespace

bool asksForFanCurve(const std::vector<std::string>& args) {
    return std::ranges::any_of(args, [](const std::string& arg) {
        return arg == "--fan-curve" || arg == "--kind" || arg == "--page";
    });
}

int writeFanCurveGraph(const std::vector<std::string>& args, StreamPort& port, std::ostream& err) {
    FanCurveArgs call;
    if (const std::string fault = parse(args, call); !fault.empty()) {
        return wrongCall(err, fault);
    }
    OpenDocuments documents(port);
    const OpenDocuments::Opened opened =
        documents.open(call.model, {}, OpenDocuments::Accept::DuctModel);
    if (opened.document == nullptr) {
        return kExitUsage;
    }
    CFlowmarDoc shown = *opened.document->model;
    shown.unitSystem = call.units.value_or(shown.unitSystem);
    if (shown.fanCount <= 0 || shown.results.boosterPressure != 0.0) {
        err << messages::noFanModeResults(call.model) << '\n';
        return kExitStopped;
    }
    if (call.fanNumber > shown.fanCount) {
        err << messages::noSuchFan(call.fanNumber, shown.fanCount) << '\n';
        return kExitStopped;
    }
    if (!fanCurveChartData(shown, call.fanNumber)) {
        err << messages::fanWithoutOperatingPoint(call.fanNumber) << '\n';
        return kExitStopped;
    }
    // The page prints what the view has chosen: choose as the call says.
    shown.curveViewFan = call.fanNumber - 1;
    shown.curveViewKind = call.kind;
    const std::string svg =
        call.page
            ? renderSvg(fanCurvePage(shown, FanCurvePane::Chart, fan_curve_view::kA4LandscapePage))
            : renderSvg(fanCurveChart(shown));
    return writeTextFile(call.svgFile, svg, err) ? kExitOk : kExitUsage;
}

} // namespace flowmar::cli
