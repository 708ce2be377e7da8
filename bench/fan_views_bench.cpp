// The Fan Results view of a model with the most fans a model holds, every one on its curve:
// building the grid content, and laying out every printed page with its charts (the report's
// whole work when a print job begins). Aim: both together under 20 ms.
#include "core/model/flowmar_doc.h"
#include "core/views/fan_results.h"
#include "core/views/text_report.h"
#include "support/models.h"

#include <benchmark/benchmark.h>

namespace flowmar {
namespace {

// 100 curve fans along a 100-segment duct, each with a solved operating point.
CFlowmarDoc hundredCurveFans() {
    CFlowmarDoc doc = testing::ductModel(5000);
    doc.segmentCount = 100;
    for (int k = 0; k < kMaxFans; ++k) {
        const int i = testing::addCurveFan(
            doc, 50.0 * k,
            {{4200, 8, 62}, {3800, 12, 74}, {3200, 16, 80}, {2300, 20, 77}, {1200, 24, 65}});
        const auto f = static_cast<std::size_t>(i);
        doc.results.fanSegment[f] = k + 1;
        doc.results.fanPressure[f] = 2000 + 5 * k;
        doc.results.fanEfficiency[f] = 75;
        doc.results.branchFlow[static_cast<std::size_t>(100 + k + 1)] = 20 - 0.01 * k;
    }
    return doc;
}

void BM_FanResultsGridAndPages(benchmark::State& state) {
    const CFlowmarDoc doc = hundredCurveFans();
    for (auto _ : state) {
        benchmark::DoNotOptimize(fanResultsGrid(doc));
        benchmark::DoNotOptimize(fanResultsPages(doc, kA4Portrait));
    }
}
BENCHMARK(BM_FanResultsGridAndPages)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace flowmar
