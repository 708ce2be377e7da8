// A 1,000-step length study of the boosters example (three fans, 100 segments) on every core,
// and the design checks of the solved example. Aims: the study under 0.5 s on a 2-core machine;
// the checks well under a millisecond, so they can follow every Execute.
#include "core/analysis/design_checks.h"
#include "core/analysis/study.h"
#include "core/engine/execute.h"
#include "core/files/model_file.h"
#include "core/model/flowmar_doc.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace flowmar {
namespace {

std::unique_ptr<CFlowmarDoc> boosters() {
    return readModelFile(std::string(FLOWMAR_EXAMPLES) + "/boosters.json").document;
}

void BM_LengthStudyOfBoosters(benchmark::State& state) {
    const auto doc = boosters();
    StudyRequest request;
    request.first = {StudyInput::DuctLength, 0, 2000, 3500, 1000};
    request.requiredFaceQuantity = 17;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            runStudy(*doc, request, nullptr, static_cast<unsigned>(state.range(0))));
    }
}
BENCHMARK(BM_LengthStudyOfBoosters)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_DesignChecksOfBoosters(benchmark::State& state) {
    const auto doc = boosters();
    const SolutionStatus status = Execute(*doc).status;
    for (auto _ : state) {
        benchmark::DoNotOptimize(designChecks(*doc, status, {}));
    }
}
BENCHMARK(BM_DesignChecksOfBoosters)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace flowmar
