// libFuzzer target for the JSON duct model reader: any text either loads or fails with a message;
// a model that loads writes JSON that loads again and writes identically, converts to a ".dct"
// that loads again, and runs through Execute, the reports and the graph without a crash.
#include "core/engine/execute.h"
#include "core/files/dct_file.h"
#include "core/files/json_model.h"
#include "core/input/graph_options.h"
#include "core/model/flowmar_doc.h"
#include "core/views/fan_input.h"
#include "core/views/fan_results.h"
#include "core/views/graph_drawing.h"
#include "core/views/summary_input_report.h"
#include "core/views/summary_results_report.h"
#include "core/views/svg_painter.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

// A fuzzed limit of 100,000 sweeps is a valid model but a slow input: the sweeps are the
// engine's own fuzzing ground, the readers' is here.
constexpr int kFuzzIterationLimit = 200;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace flowmar;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CFlowmarDoc doc;
    if (const std::string fault = readJsonModel(text, doc); !fault.empty()) {
        return 0;
    }
    const std::string written = writeJsonModel(doc);
    CFlowmarDoc again;
    if (!readJsonModel(written, again).empty() || writeJsonModel(again) != written) {
        std::abort();
    }
    // What convert does: the binary form of a JSON model must load again.
    const auto bytes = ductFileBytes(doc);
    if (bytes && !readDuctBytes(*bytes, "fuzz.dct").ok()) {
        std::abort();
    }
    doc.iterationLimit = std::min(doc.iterationLimit, kFuzzIterationLimit);
    Execute(doc);
    summaryInputLines(doc);
    summaryResultsLines(doc);
    fanInputLines(doc);
    fanResultsLines(doc);
    renderSvg(graphDrawing(doc, graphOptionsOf(doc)));
    return 0;
}
