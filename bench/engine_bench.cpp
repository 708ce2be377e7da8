// Execute on three models: (a) the default 100-segment duct with one curve fan, (b) the worst
// case of 100 segments and 100 curve fans of 15 points that never converges within 5000 sweeps,
// (c) the fixed-quantity solution.
#include "core/engine/execute.h"
#include "core/model/flowmar_doc.h"
#include "core/ui_port.h"
#include "support/models.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>

// Counts every allocation, so that the figures show what one Execute allocates: the fan-mode
// working state once, before its sweeps, and nothing during them.
namespace {
std::atomic<long> g_allocations{0};
}

void* operator new(std::size_t size) {
    ++g_allocations;
    if (void* p = std::malloc(size == 0 ? 1 : size)) {
        return p;
    }
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

namespace flowmar {
namespace {

// Counts the messages; every sheet and dialog is answered with the port's Cancel.
class SilentPort : public UiPort {
public:
    void showMessage(std::string_view, MessageIcon) override { ++messages; }
    int messages = 0;
};

CFlowmarDoc defaultModelWithOneFan() {
    CFlowmarDoc doc = testing::ductModel(1000, 0.9);
    testing::addTypicalFan(doc, 0);
    return doc;
}

// 100 fans of 15 points, one every 10 m, swept the full 5000 times: an execution mode outside
// 0..2 keeps the stored tolerance, and a negative one is never reached.
CFlowmarDoc worstCase() {
    CFlowmarDoc doc = testing::ductModel(1000, 0.9);
    doc.executionMode = -1;
    doc.convergenceTolerance = -1;
    doc.iterationLimit = 5000;
    for (int i = 1; i <= kMaxFans; ++i) {
        const int fan = ++doc.fanCount;
        doc.fanDistance[fan] = 10.0 * (i - 1) + 5;
        doc.fanCurveDensity[fan] = 1.2;
        doc.fanCurvePointCount[fan] = kMaxCurvePoints;
        doc.fanHasCurve[fan] = 1;
        for (int m = 1; m <= kMaxCurvePoints; ++m) {
            doc.fanCurveQuantity[m][fan] = 0.5 * m;
            doc.fanCurvePressure[m][fan] = 400 - 25.0 * m;
            doc.fanCurveEfficiency[m][fan] = 50 + m;
        }
    }
    return doc;
}

CFlowmarDoc fixedQuantityModel() {
    CFlowmarDoc doc = testing::ductModel(1000, 0.9);
    doc.solutionMode = kFixedQuantityMode;
    doc.fixedQuantity = 10;
    doc.fixedQuantityLocation = kLocationFanSource;
    return doc;
}

void runExecute(benchmark::State& state, const CFlowmarDoc& model) {
    CFlowmarDoc doc = model;
    SilentPort port;
    const long allocationsBefore = g_allocations;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Execute(doc, port));
    }
    state.counters["allocations"] = benchmark::Counter(
        static_cast<double>(g_allocations - allocationsBefore), benchmark::Counter::kAvgIterations);
    state.counters["sweeps"] = doc.results.iterationCount;
    state.counters["messages"] =
        benchmark::Counter(port.messages, benchmark::Counter::kAvgIterations);
}

void BM_ExecuteDefaultModel(benchmark::State& state) {
    runExecute(state, defaultModelWithOneFan());
}
void BM_ExecuteWorstCase(benchmark::State& state) {
    runExecute(state, worstCase());
}
void BM_ExecuteFixedQuantity(benchmark::State& state) {
    runExecute(state, fixedQuantityModel());
}

BENCHMARK(BM_ExecuteDefaultModel)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ExecuteWorstCase)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExecuteFixedQuantity)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace flowmar

BENCHMARK_MAIN();
