// The Graph View of the example with every kind of mark (zones, shock losses, fittings, a fan):
// building its drawing, and rendering that drawing as a 1600 x 1000 SVG.
#include "core/commands/execute_command.h"
#include "core/files/model_file.h"
#include "core/model/flowmar_doc.h"
#include "core/views/graph_drawing.h"
#include "core/views/svg_painter.h"
#include "support/fake_ui_port.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <optional>
#include <string>

namespace flowmar {
namespace {

// The solved example model, or nothing when it cannot be read or solved.
std::optional<CFlowmarDoc> solvedExample() {
    FileRead<CFlowmarDoc> read = readModelFile(FLOWMAR_EXAMPLES "/zones-and-losses.dct");
    if (!read.ok()) {
        return std::nullopt;
    }
    testing::FakeUiPort port;
    if (!Execute(*read.document, port)) {
        return std::nullopt;
    }
    return *read.document;
}

void BM_GraphDrawing(benchmark::State& state) {
    const std::optional<CFlowmarDoc> doc = solvedExample();
    if (!doc) {
        state.SkipWithError("the example model could not be solved");
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(graphDrawing(*doc));
    }
}

void BM_GraphSvg(benchmark::State& state) {
    const std::optional<CFlowmarDoc> doc = solvedExample();
    if (!doc) {
        state.SkipWithError("the example model could not be solved");
        return;
    }
    const Drawing drawing = graphDrawing(*doc);
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string svg = renderSvg(drawing, SvgOptions{1600, 1000});
        bytes = svg.size();
        benchmark::DoNotOptimize(svg.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes));
}

} // namespace

BENCHMARK(BM_GraphDrawing)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GraphSvg)->Unit(benchmark::kMicrosecond);

} // namespace flowmar
