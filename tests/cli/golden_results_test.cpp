// The command line's results of every example model against the copy kept in tests/golden. Any
// change of a result fails here until scripts/make-golden rewrites the golden files and a reviewer
// has read their diff; these tests only read them.
//
// A golden file's "file" holds its model's path relative to the repository's root, as make-golden
// runs the program from there: so the files are the same on every machine, and each golden file
// names the model it belongs to. The tests run that model by its full path and check that the
// program echoes the path it was given.
#include "cli/commands.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace flowmar::cli {
namespace {

namespace fs = std::filesystem;
using Json = nlohmann::ordered_json; // differences are listed in the golden file's order
using Pointer = Json::json_pointer;

const fs::path kSource = FLOWMAR_SOURCE_DIR;
const fs::path kGoldenFolder = kSource / "tests" / "golden";

// One build repeats its numbers bit for bit. Another compiler, optimisation or maths library may
// round a few operations differently, and the sweeps carry that along the duct into the last
// digits; a relative 1e-9 allows for that and is still far finer than any figure the summaries
// show, so every change a person could see fails.
constexpr double kRelativeTolerance = 1e-9;
// A value that is zero (no booster, no entry loss) may come out as a rounding residue of the
// order of 1e-14 once the operations are ordered differently, and nothing is relatively close to
// zero: below this floor, in the value's SI unit (m, Pa, m³/s, m/s), two values are the same.
constexpr double kAbsoluteFloor = 1e-12;
// A change in the method moves hundreds of values; the first of them show where.
constexpr std::size_t kDifferencesShown = 20;

std::string shortest(double x) {
    char text[32];
    return {text, std::to_chars(text, text + sizeof text, x).ptr};
}

bool closeEnough(double golden, double now) {
    const double scale = std::max(std::abs(golden), std::abs(now));
    return std::abs(golden - now) <= std::max(kAbsoluteFloor, kRelativeTolerance * scale);
}

// Every difference between the golden value and the program's, as "JSON pointer: both values".
// Texts, whole numbers, booleans and the lengths of lists must be equal; floating-point numbers
// within the tolerances above.
void collectDifferences(const Json& golden, const Json& now, const Pointer& at,
                        std::vector<std::string>& differences) {
    const std::string where = at.empty() ? "/" : at.to_string();
    const auto differ = [&](const std::string& what) {
        differences.push_back(where + ": " + what);
    };
    if (golden.is_number_float() && now.is_number_float()) {
        if (!closeEnough(golden.get<double>(), now.get<double>())) {
            differ("golden " + golden.dump() + ", now " + now.dump());
        }
    } else if (golden.is_number_integer() && now.is_number_integer()) {
        if (golden != now) {
            differ("golden " + golden.dump() + ", now " + now.dump());
        }
    } else if (golden.type() != now.type()) {
        differ("golden " + golden.dump() + " (" + golden.type_name() + "), now " + now.dump() +
               " (" + now.type_name() + ")");
    } else if (golden.is_array()) {
        if (golden.size() != now.size()) {
            differ("golden " + std::to_string(golden.size()) + " items, now " +
                   std::to_string(now.size()));
            return;
        }
        for (std::size_t i = 0; i < golden.size(); ++i) {
            collectDifferences(golden[i], now[i], at / i, differences);
        }
    } else if (golden.is_object()) {
        for (const auto& [key, value] : golden.items()) {
            if (!now.contains(key)) {
                differences.push_back((at / key).to_string() + ": golden " + value.dump() +
                                      ", now missing");
            } else {
                collectDifferences(value, now[key], at / key, differences);
            }
        }
        for (const auto& [key, value] : now.items()) {
            if (!golden.contains(key)) {
                differences.push_back((at / key).to_string() + ": not in the golden file, now " +
                                      value.dump());
            }
        }
    } else if (golden != now) {
        differ("golden " + golden.dump() + ", now " + now.dump());
    }
}

std::vector<std::string> differences(const Json& golden, const Json& now) {
    std::vector<std::string> found;
    collectDifferences(golden, now, Pointer(), found);
    return found;
}

std::vector<fs::path> filesIn(const fs::path& folder, const std::string& extension) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.is_regular_file() && entry.path().extension() == extension) {
            files.push_back(entry.path());
        }
    }
    std::ranges::sort(files);
    return files;
}

// The name a failure gives a file: relative to the repository's root.
std::string shownName(const fs::path& file) {
    return file.lexically_relative(kSource).string();
}

Json readJson(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return Json::parse(in, nullptr, /*allow_exceptions=*/false);
}

// Rows the comparison must tell apart; that it finds each kind of difference is what lets a passing
// golden test mean the results are unchanged.
struct ComparisonCase {
    const char* why;
    const char* golden;
    const char* now;
    std::vector<std::string> pointers; // where the differences are; none when the two agree
};

TEST(GoldenComparison, FindsEveryChangeBeyondTheTolerancesAndOnlyThose) {
    const ComparisonCase cases[] = {
        {"the same results",
         R"({"a": 1.5, "s": "x", "l": [1, 2]})",
         R"({"a": 1.5, "s": "x", "l": [1, 2]})",
         {}},
        {"rounding noise of a reordered sum is no change",
         R"({"p": 1690.0427666274772})",
         R"({"p": 1690.0427666274795})",
         {}},
        {"a rounding residue where the golden value is zero",
         R"({"p": 0.0})",
         R"({"p": 3e-15})",
         {}},
        {"a change in the seventh figure is a change",
         R"({"s": [{"p": 1690.0427}]})",
         R"({"s": [{"p": 1690.0437}]})",
         {"/s/0/p"}},
        {"a new value where zero was", R"({"p": 0.0})", R"({"p": 1e-9})", {"/p"}},
        {"one more sweep is a change however close the numbers",
         R"({"n": 23})",
         R"({"n": 24})",
         {"/n"}},
        {"another status",
         R"({"status": "converged"})",
         R"({"status": "iteration-limit"})",
         {"/status"}},
        {"a fan gone off its curve",
         R"({"f": [{"offCurve": false}]})",
         R"({"f": [{"offCurve": true}]})",
         {"/f/0/offCurve"}},
        {"a list of another length: its items are not compared",
         R"({"segments": [1.0, 2.0]})",
         R"({"segments": [1.0]})",
         {"/segments"}},
        {"a value that became null (not finite)", R"({"v": 2.5})", R"({"v": null})", {"/v"}},
        {"a key lost and a key added", R"({"a": 1, "b": 2})", R"({"a": 1, "c": 2})", {"/b", "/c"}},
    };
    for (const ComparisonCase& c : cases) {
        const std::vector<std::string> found =
            differences(Json::parse(c.golden), Json::parse(c.now));
        ASSERT_EQ(found.size(), c.pointers.size()) << c.why << ::testing::PrintToString(found);
        for (std::size_t i = 0; i < found.size(); ++i) {
            EXPECT_TRUE(found[i].starts_with(c.pointers[i] + ": ")) << c.why << ": " << found[i];
        }
    }
    // The message shows both numbers in full, so the reader sees how far apart they are.
    EXPECT_EQ(
        differences(Json::parse(R"({"s": [{"p": 1.25}]})"), Json::parse(R"({"s": [{"p": 1.5}]})")),
        std::vector<std::string>{"/s/0/p: golden 1.25, now 1.5"});
}

TEST(GoldenResults, EveryExampleHasAGoldenFileAndEveryGoldenFileItsModel) {
    for (const fs::path& model : filesIn(kSource / "examples", ".dct")) {
        const fs::path golden = kGoldenFolder / model.filename().replace_extension(".json");
        if (!fs::exists(golden)) {
            ADD_FAILURE() << shownName(model) << " has no golden file " << shownName(golden)
                          << "; scripts/make-golden writes it";
            continue;
        }
        EXPECT_EQ(readJson(golden).value("file", ""), shownName(model))
            << shownName(golden) << " holds another model's results";
    }
    const std::vector<fs::path> goldens = filesIn(kGoldenFolder, ".json");
    EXPECT_FALSE(goldens.empty()) << "no golden files in " << shownName(kGoldenFolder);
    for (const fs::path& golden : goldens) {
        const Json results = readJson(golden);
        ASSERT_TRUE(results.is_object()) << shownName(golden) << " is not a JSON object";
        const std::string model = results.value("file", "");
        EXPECT_TRUE(!model.empty() && fs::is_regular_file(kSource / model))
            << shownName(golden) << ": its model \"" << model
            << "\" is not in the repository; scripts/make-golden removes the file";
        EXPECT_EQ(fs::path(model).stem(), golden.stem())
            << shownName(golden) << " is named after another model than " << model;
    }
}

TEST(GoldenResults, TheProgramGivesEveryGoldenResult) {
    for (const fs::path& golden : filesIn(kGoldenFolder, ".json")) {
        const Json expected = readJson(golden);
        const std::string relative = expected.is_object() ? expected.value("file", "") : "";
        const fs::path model = kSource / relative;
        if (relative.empty() || !fs::is_regular_file(model)) {
            continue; // reported by the test above
        }
        // The call make-golden makes, in process.
        std::ostringstream out;
        std::ostringstream err;
        ASSERT_NE(runModels({"--json", "--pretty", model.string()}, out, err), kExitUsage)
            << shownName(golden) << ": " << err.str();
        Json now = Json::parse(out.str(), nullptr, /*allow_exceptions=*/false);
        ASSERT_TRUE(now.is_object()) << shownName(golden) << ": the output is no JSON object";
        EXPECT_EQ(now["file"], model.string()) << "the program names the model as it was given";
        now["file"] = relative;

        const std::vector<std::string> found = differences(expected, now);
        if (found.empty()) {
            continue;
        }
        std::string shown;
        for (std::size_t i = 0; i < std::min(found.size(), kDifferencesShown); ++i) {
            shown += "\n  " + found[i];
        }
        if (found.size() > kDifferencesShown) {
            shown += "\n  ... and " + std::to_string(found.size() - kDifferencesShown) + " more";
        }
        ADD_FAILURE() << shownName(golden) << " differs from the program's results in "
                      << found.size() << " values (relative tolerance "
                      << shortest(kRelativeTolerance) << ", absolute " << shortest(kAbsoluteFloor)
                      << "); if the change is meant, run scripts/make-golden and review its diff:"
                      << shown;
    }
}

} // namespace
} // namespace flowmar::cli
