// Many models at once: the output of a parallel run is that of a serial run byte for byte, on
// standard output and standard error alike, and the ordered batch underneath delivers in order
// whatever finishes first.
#include "cli/commands.h"
#include "cli/ordered_batch.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace flowmar::cli {
namespace {

namespace fs = std::filesystem;

struct Outcome {
    int status = 0;
    std::string out;
    std::string err;
};

Outcome runWith(std::vector<std::string> args) {
    Outcome outcome;
    std::ostringstream out;
    std::ostringstream err;
    std::istringstream in;
    outcome.status = runCommandLine(args, in, out, err);
    outcome.out = out.str();
    outcome.err = err.str();
    return outcome;
}

TEST(Batch, AParallelRunWritesWhatASerialRunWritesByteForByte) {
    const fs::path folder = fs::temp_directory_path() / "flowmar-batch-test";
    fs::remove_all(folder);
    fs::create_directories(folder);
    std::ofstream(folder / "incomplete.json") << R"({"ductDiameter": 0.9})";
    std::ofstream(folder / "damaged.dct") << "not a duct model";
    // Every example model (some stop, some warn, one is imperial), each twice so that equal
    // models finish at the same time on different threads, and two that cannot run.
    std::vector<std::string> models;
    for (const auto& entry : fs::directory_iterator(FLOWMAR_EXAMPLES)) {
        const fs::path& path = entry.path();
        const bool duct = path.extension() == ".dct" ||
                          (path.extension() == ".json" && path.stem() != "fan-database");
        if (duct) {
            models.push_back(path.string());
            models.push_back(path.string());
        }
    }
    std::sort(models.begin(), models.end());
    models.push_back((folder / "incomplete.json").string());
    models.push_back((folder / "damaged.dct").string());
    models.push_back((folder / "missing.dct").string());
    ASSERT_GE(models.size(), 31u);

    const std::vector<std::vector<std::string>> modes{
        {"--json"},
        {"--json", "--pretty"},
        {},
        {"--report", "fans", "--units", "imperial"},
        {"--json", "--strict", "--require-face", "5"},
    };
    for (const auto& mode : modes) {
        std::vector<std::string> call{"run"};
        call.insert(call.end(), mode.begin(), mode.end());
        std::vector<std::string> serialCall = call;
        serialCall.insert(serialCall.end(), {"--jobs", "1"});
        serialCall.insert(serialCall.end(), models.begin(), models.end());
        const Outcome serial = runWith(serialCall);
        ASSERT_FALSE(serial.out.empty());
        ASSERT_NE(serial.err.find("missing.dct: "), std::string::npos) << serial.err;
        for (const char* jobs : {"2", "3", "16"}) {
            std::vector<std::string> parallelCall = call;
            parallelCall.insert(parallelCall.end(), {"--jobs", jobs});
            parallelCall.insert(parallelCall.end(), models.begin(), models.end());
            const Outcome parallel = runWith(parallelCall);
            const std::string what = ::testing::PrintToString(mode) + " on " + jobs + " jobs";
            EXPECT_EQ(parallel.status, serial.status) << what;
            EXPECT_TRUE(parallel.out == serial.out) << what << ": standard output differs";
            EXPECT_EQ(parallel.err, serial.err) << what;
        }
    }
    fs::remove_all(folder);
}

TEST(OrderedBatch, DeliversInOrderWhateverFinishesFirstAndRunsOnlySoFarAhead) {
    constexpr std::size_t kItems = 300;
    constexpr unsigned kJobs = 3;
    std::atomic<int> doneNotDelivered{0};
    std::atomic<int> mostAhead{0};
    std::vector<std::size_t> delivered;
    runInOrder<std::size_t>(
        kItems, kJobs,
        [&](std::size_t i) {
            // The first items of every few are the slowest, so later ones finish first.
            if (i % 50 == 0) {
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            }
            const int ahead = ++doneNotDelivered;
            int seen = mostAhead.load();
            while (ahead > seen && !mostAhead.compare_exchange_weak(seen, ahead)) {
            }
            return i;
        },
        [&](std::size_t& i) {
            --doneNotDelivered;
            delivered.push_back(i);
        });
    ASSERT_EQ(delivered.size(), kItems);
    for (std::size_t i = 0; i < kItems; ++i) {
        ASSERT_EQ(delivered[i], i);
    }
    // The window, plus the item being delivered: it counts until deliver has run, while its slot
    // is already free for a worker.
    EXPECT_LE(mostAhead.load(), static_cast<int>(kItemsAheadPerWorker * kJobs) + 1)
        << "the workers ran further ahead of delivery than the window allows";
}

TEST(OrderedBatch, AFaultReachesTheCallerAtItsTurnAndStopsTheRest) {
    for (const unsigned jobs : {1u, 4u}) {
        std::vector<std::size_t> delivered;
        std::atomic<std::size_t> started{0};
        const auto batch = [&] {
            runInOrder<std::size_t>(
                1000, jobs,
                [&](std::size_t i) {
                    ++started;
                    if (i == 5) {
                        throw std::runtime_error("model 5 failed");
                    }
                    return i;
                },
                [&](std::size_t& i) { delivered.push_back(i); });
        };
        EXPECT_THROW(batch(), std::runtime_error) << jobs << " jobs";
        EXPECT_EQ(delivered, (std::vector<std::size_t>{0, 1, 2, 3, 4})) << jobs << " jobs";
        EXPECT_LT(started.load(), 1000u) << "the batch went on after the fault";
    }
}

} // namespace
} // namespace flowmar::cli
