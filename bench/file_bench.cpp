// Reading and writing a full duct model (every field set, 100 fans, texts everywhere) and a full
// fan database, in memory and through a save to the disk.
#include "core/fans/fan_database_doc.h"
#include "core/files/dct_file.h"
#include "core/files/fdb_file.h"
#include "core/model/flowmar_doc.h"
#include "support/file_models.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>

namespace flowmar {
namespace {

void BM_WriteDuctBytes(benchmark::State& state) {
    const CFlowmarDoc doc = testing::everyFieldSet();
    for (auto _ : state) {
        benchmark::DoNotOptimize(ductFileBytes(doc));
    }
    state.SetBytesProcessed(state.iterations() * std::ssize(*ductFileBytes(doc)));
}

void BM_ReadDuctBytes(benchmark::State& state) {
    const auto bytes = *ductFileBytes(testing::everyFieldSet());
    for (auto _ : state) {
        benchmark::DoNotOptimize(readDuctBytes(bytes, "bench.dct"));
    }
    state.SetBytesProcessed(state.iterations() * std::ssize(bytes));
}

// A save as the program makes it: temporary file, flush to the disk, rename.
void BM_SaveAndOpenDuctFile(benchmark::State& state) {
    const CFlowmarDoc doc = testing::everyFieldSet();
    const auto folder = std::filesystem::temp_directory_path() /
                        ("flowmar-bench-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(folder);
    const auto path = folder / "bench.dct";
    for (auto _ : state) {
        if (!writeDuctFile(doc, path).ok()) {
            state.SkipWithError("the save failed");
            break;
        }
        benchmark::DoNotOptimize(readDuctFile(path));
    }
    std::filesystem::remove_all(folder);
}

void BM_WriteFanDatabaseBytes(benchmark::State& state) {
    const CFanDatabaseDoc db = testing::fanDatabase(100);
    for (auto _ : state) {
        benchmark::DoNotOptimize(fanDatabaseFileBytes(db));
    }
}

void BM_ReadFanDatabaseBytes(benchmark::State& state) {
    const auto bytes = *fanDatabaseFileBytes(testing::fanDatabase(100));
    for (auto _ : state) {
        benchmark::DoNotOptimize(readFanDatabaseBytes(bytes, "bench.fdb"));
    }
}

BENCHMARK(BM_WriteDuctBytes)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadDuctBytes)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SaveAndOpenDuctFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteFanDatabaseBytes)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadFanDatabaseBytes)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace flowmar
