// The results of one solved model (boosters: 100 segments, 3 fans) as the command line's JSON:
// through the tree and its dump, and streamed. Aim for the stream: at most 20 µs per model.
#include "core/engine/execute.h"
#include "core/files/model_file.h"
#include "core/model/flowmar_doc.h"
#include "core/views/results_json.h"
#include "support/results_tree.h"

#include <benchmark/benchmark.h>

#include <string>

namespace flowmar {
namespace {

struct Solved {
    CFlowmarDoc doc;
    ExecuteResult run;
};

Solved solvedBoosters() {
    Solved solved{*readModelFile(std::string(FLOWMAR_EXAMPLES) + "/boosters.json").document, {}};
    solved.run = Execute(solved.doc);
    return solved;
}

void BM_ResultsJsonTree(benchmark::State& state) {
    const Solved s = solvedBoosters();
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            testing::resultsTree("boosters.json", s.run.status, s.run.messages, s.doc).dump());
    }
}
BENCHMARK(BM_ResultsJsonTree)->Unit(benchmark::kMicrosecond);

void BM_ResultsJsonStream(benchmark::State& state) {
    const Solved s = solvedBoosters();
    std::string out;
    for (auto _ : state) {
        out.clear();
        writeResultsJson(out, "boosters.json", s.run.status, s.run.messages, s.doc);
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(BM_ResultsJsonStream)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace flowmar
