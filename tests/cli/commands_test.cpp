// The command line end to end on the example models: every example runs, converts both ways
// without loss, and every failure gives its exit status and a message.
#include "cli/check_options.h"
#include "cli/cli_texts.h"
#include "cli/commands.h"
#include "core/commands/stream_port.h"
#include "core/model/version.h"
#include "support/xml_checker.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <limits>
#include <ostream>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace flowmar::cli {
namespace {

namespace fs = std::filesystem;

const fs::path kExamples = FLOWMAR_EXAMPLES;

std::string readText(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// A fresh folder for one test's files.
class CommandLine : public ::testing::Test {
protected:
    void SetUp() override {
        m_folder = fs::temp_directory_path() /
                   ("flowmar-cli-" +
                    std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(m_folder);
        fs::create_directories(m_folder);
    }
    void TearDown() override { fs::remove_all(m_folder); }

    fs::path file(const std::string& name) const { return m_folder / name; }

    int run(std::vector<std::string> args) {
        out.str("");
        err.str("");
        return runModels(args, out, err);
    }

    std::ostringstream out;
    std::ostringstream err;

private:
    fs::path m_folder;
};

struct ExampleCase {
    const char* why;
    const char* name;
    const char* status;
    friend void PrintTo(const ExampleCase& c, std::ostream* os) { *os << c.name; }
};

class ExampleRun : public CommandLine, public ::testing::WithParamInterface<ExampleCase> {};

TEST_P(ExampleRun, SolvesWithoutMessagesAndConvertsWithoutLoss) {
    const ExampleCase& c = GetParam();
    const fs::path json = kExamples / (std::string(c.name) + ".json");
    const fs::path dct = kExamples / (std::string(c.name) + ".dct");
    EXPECT_EQ(run({"--json", dct.string()}), kExitOk) << err.str();
    const auto result = nlohmann::json::parse(out.str());
    EXPECT_EQ(result["status"], c.status) << c.why;
    EXPECT_TRUE(result["messages"].empty()) << result["messages"];
    EXPECT_EQ(result["segments"].size(), 100u);
    EXPECT_GT(result["faceQuantity"].get<double>(), 1.0) << c.why;

    std::ostringstream convertErr;
    ASSERT_EQ(convertFile({json.string(), file("m.dct").string()}, convertErr), kExitOk)
        << convertErr.str();
    ASSERT_EQ(convertFile({file("m.dct").string(), file("m.json").string()}, convertErr), kExitOk);
    EXPECT_EQ(readText(file("m.json")), readText(json)) << ".json -> .dct -> .json";
    EXPECT_EQ(readText(file("m.dct")), readText(dct)) << "the example's .dct is up to date";
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ExampleRun,
    ::testing::Values(ExampleCase{"one fan at the portal", "forcing-one-fan", "converged"},
                      ExampleCase{"negated pressures", "exhausting", "converged"},
                      ExampleCase{"three fans", "boosters", "converged"},
                      ExampleCase{"zones and every shock loss", "zones-and-losses", "converged"},
                      ExampleCase{"booster for the face", "fixed-quantity-face", "fixed-quantity"},
                      ExampleCase{"fan-end quantity", "fixed-quantity-fan", "fixed-quantity"},
                      ExampleCase{"Imperial display", "imperial", "converged"}));

TEST_F(CommandLine, FanDatabaseConvertsBothWaysWithoutLoss) {
    std::ostringstream convertErr;
    ASSERT_EQ(convertFile({(kExamples / "fan-database.fdb").string(), file("db.json").string()},
                          convertErr),
              kExitOk)
        << convertErr.str();
    EXPECT_EQ(readText(file("db.json")), readText(kExamples / "fan-database.json"));
    ASSERT_EQ(convertFile({file("db.json").string(), file("db.fdb").string()}, convertErr),
              kExitOk);
    EXPECT_EQ(readText(file("db.fdb")), readText(kExamples / "fan-database.fdb"));
    // JSON to JSON: the "fanDatabase" list says it is a database, not a model with a wrong key.
    ASSERT_EQ(convertFile({file("db.json").string(), file("copy.json").string()}, convertErr),
              kExitOk)
        << convertErr.str();
    EXPECT_EQ(readText(file("copy.json")), readText(kExamples / "fan-database.json"));
    // A model never becomes a database: the message names both files, not a wrong extension.
    for (const auto& [input, output] : {std::pair{kExamples / "boosters.dct", file("x.fdb")},
                                        std::pair{kExamples / "fan-database.fdb", file("x.dct")}}) {
        convertErr.str("");
        EXPECT_EQ(convertFile({input.string(), output.string()}, convertErr), kExitUsage);
        EXPECT_NE(convertErr.str().find("one is a duct model (.dct) and the other a fan database"),
                  std::string::npos)
            << convertErr.str();
        EXPECT_FALSE(fs::exists(output));
    }
}

TEST_F(CommandLine, ReportsInTheModelsUnitsOrTheChosenOnes) {
    const std::string model = (kExamples / "forcing-one-fan.dct").string();
    ASSERT_EQ(run({model}), kExitOk);
    EXPECT_NE(out.str().find("SUMMARY OF INPUT DATA"), std::string::npos);
    EXPECT_NE(out.str().find("SUMMARY OF RESULTS"), std::string::npos);
    EXPECT_NE(out.str().find("Length of Duct = 1000.0 (m)"), std::string::npos) << out.str();
    ASSERT_EQ(run({"--units", "imperial", model}), kExitOk);
    EXPECT_NE(out.str().find("Length of Duct = 3280.8 (ft)"), std::string::npos) << out.str();
}

TEST_F(CommandLine, PrettyJsonIsTheSameObjectOverSeveralLines) {
    const std::string model = (kExamples / "boosters.dct").string();
    ASSERT_EQ(run({"--json", model}), kExitOk);
    const std::string plain = out.str();
    EXPECT_EQ(std::ranges::count(plain, '\n'), 1) << "one line per model, for line tools";
    ASSERT_EQ(run({"--json", "--pretty", model}), kExitOk);
    EXPECT_TRUE(out.str().starts_with("{\n  \"file\": ")) << out.str().substr(0, 40);
    EXPECT_EQ(nlohmann::json::parse(out.str()), nlohmann::json::parse(plain));
    EXPECT_EQ(run({"--pretty", model}), kExitUsage) << "indenting needs the JSON it indents";
}

TEST_F(CommandLine, WritesTheSegmentTable) {
    ASSERT_EQ(run({"--csv", file("segments.csv").string(),
                   (kExamples / "forcing-one-fan.json").string()}),
              kExitOk);
    std::istringstream csv(readText(file("segments.csv")));
    std::string line;
    std::getline(csv, line);
    EXPECT_EQ(line, "segment,start_m,end_m,quantity_m3s,leakage_m3s,total_pressure_Pa,"
                    "static_pressure_Pa,velocity_ms");
    int rows = 0;
    std::string last;
    while (std::getline(csv, line)) {
        ++rows;
        last = line;
    }
    EXPECT_EQ(rows, 100);
    EXPECT_EQ(last.rfind("100,990,1000,", 0), 0u) << last;

    // A stopped run has no rows to give: the header alone, and standard error says why.
    std::ofstream(file("incomplete.json")) << R"({"ductDiameter": 0.9})";
    ASSERT_EQ(run({"--csv", file("stopped.csv").string(), file("incomplete.json").string()}),
              kExitStopped);
    EXPECT_EQ(readText(file("stopped.csv")),
              "segment,start_m,end_m,quantity_m3s,leakage_m3s,total_pressure_Pa,"
              "static_pressure_Pa,velocity_ms\n");
    EXPECT_NE(err.str().find(cli_texts::kCsvHeaderOnly), std::string::npos) << err.str();
}

TEST_F(CommandLine, ExitStatusTellsHowTheRunEnded) {
    std::ofstream(file("limit.json")) << R"({"ductLength": 1000, "ductDiameter": 0.9,
        "iterationLimit": 2, "fans": [{"points": [{"pressure": 3000, "quantity": 5},
        {"pressure": 1000, "quantity": 20}]}]})";
    std::ofstream(file("incomplete.json")) << R"({"ductDiameter": 0.9})";
    std::ofstream(file("damaged.dct")) << "not a duct model";
    EXPECT_EQ(run({file("limit.json").string()}), kExitIterationLimit);
    EXPECT_EQ(run({file("incomplete.json").string()}), kExitStopped);
    EXPECT_NE(err.str().find("You have not completed the input of the duct details"),
              std::string::npos);
    EXPECT_NE(err.str().find("(would open the Duct Details sheet)"), std::string::npos);
    EXPECT_EQ(run({file("damaged.dct").string()}), kExitUsage);
    EXPECT_NE(err.str().find("Cannot open \"" + file("damaged.dct").string() + "\""),
              std::string::npos)
        << err.str();
    EXPECT_EQ(run({file("limit.json").string(), file("incomplete.json").string(),
                   file("missing.json").string()}),
              kExitUsage)
        << "the most serious outcome wins";
    EXPECT_EQ(run({"--units", "metric", file("limit.json").string()}), kExitUsage);
    EXPECT_EQ(run({}), kExitUsage);
    // A number beyond a double used to end the program inside the JSON parser.
    std::ofstream(file("huge.json")) << R"({"ductLength": 1e309})";
    EXPECT_EQ(run({file("huge.json").string()}), kExitUsage);
    EXPECT_NE(err.str().find("The model holds a number too large to be read."), std::string::npos)
        << err.str();
}

TEST_F(CommandLine, ValuesOutsideTheSheetsRangesRunAndAreNoted) {
    std::ofstream(file("thin-air.json")) << R"({"ductLength": 600, "ductDiameter": 0.8,
        "airDensity": 0.3, "iterationLimit": 50, "leakageResistance100": 50,
        "fans": [{"points": [{"pressure": 3000, "quantity": 2}, {"pressure": 1000, "quantity": 6}]}]})";
    // Fifty sweeps are too few for this duct: the run ends at the limit, and still says why.
    ASSERT_EQ(run({"--json", file("thin-air.json").string()}), kExitIterationLimit) << err.str();
    const nlohmann::json results = nlohmann::json::parse(out.str());
    const std::string messages = results.at("messages").dump();
    for (const char* words : {"the air density (0.300 kg/m³) lies outside 0.5 to 2.0 kg/m³",
                              "the iteration limit (50) lies outside 100 to 100,000",
                              "the leakage resistance (50 Ns²/m⁸ per 100 m) lies outside"}) {
        EXPECT_NE(messages.find(words), std::string::npos) << words << " in " << messages;
    }
    ASSERT_EQ(run({(kExamples / "boosters.dct").string()}), kExitOk);
    EXPECT_EQ(err.str(), "") << "a model the sheets would take has nothing noted";
}

TEST_F(CommandLine, DesignChecksFollowTheReportsAndStrictGivesAWarningItsOwnStatus) {
    const std::string boosters = (kExamples / "boosters.dct").string();
    ASSERT_EQ(run({boosters}), kExitOk) << "findings alone never change the status";
    const std::string text = out.str();
    const std::size_t summary = text.find("Method of Execution");
    const std::size_t checks = text.find("Design checks:\n  warning  Booster draws on a duct");
    ASSERT_NE(checks, std::string::npos) << text;
    EXPECT_LT(summary, checks) << "the checks come after the summaries";

    EXPECT_EQ(run({"--strict", boosters}), kExitDesignWarning);
    std::ofstream(file("limit.json")) << R"({"ductLength": 1000, "ductDiameter": 0.9,
        "iterationLimit": 2, "fans": [{"points": [{"pressure": 3000, "quantity": 5},
        {"pressure": 1000, "quantity": 20}]}]})";
    EXPECT_EQ(run({"--strict", boosters, file("limit.json").string()}), kExitIterationLimit)
        << "the iteration limit is more serious than a design warning";

    // The model's own criteria, and the command line's over them.
    std::ofstream(file("demanding.json")) << R"({"ductLength": 600, "ductDiameter": 0.8,
        "fans": [{"points": [{"pressure": 3000, "quantity": 2}, {"pressure": 1000, "quantity": 6}]}],
        "designCriteria": {"requiredFaceQuantity": 50}})";
    const auto codes = [&](const std::vector<std::string>& args) {
        EXPECT_EQ(run(args), kExitOk) << err.str();
        std::vector<std::string> found;
        const nlohmann::json results = nlohmann::json::parse(out.str());
        for (const auto& finding : results.at("checks")) {
            found.push_back(finding["code"].get<std::string>());
        }
        return found;
    };
    const std::string demanding = file("demanding.json").string();
    EXPECT_THAT(codes({"--json", demanding}), ::testing::Contains("face-below-required"));
    EXPECT_THAT(codes({"--json", "--require-face", "0.5", demanding}),
                ::testing::Not(::testing::Contains("face-below-required")));

    EXPECT_EQ(run({"--velocity-range", "5", boosters}), kExitUsage);
    EXPECT_NE(err.str().find("--velocity-range takes MIN:MAX"), std::string::npos) << err.str();
    EXPECT_EQ(run({"--max-leakage-share", "2", boosters}), kExitUsage);

    // A .dct has no place for the criteria: convert says so and still converts.
    std::ostringstream convertErr;
    EXPECT_EQ(convertFile({demanding, file("demanding.dct").string()}, convertErr), kExitOk);
    EXPECT_NE(convertErr.str().find("\"designCriteria\" are not kept"), std::string::npos);
    EXPECT_TRUE(fs::exists(file("demanding.dct")));
}

// A graph of every example: well-formed SVG of the requested size whose texts are the graph's.
class ExampleGraph : public CommandLine, public ::testing::WithParamInterface<ExampleCase> {};

TEST_P(ExampleGraph, WritesWellFormedSvgWithTheGraphsTexts) {
    const ExampleCase& c = GetParam();
    const fs::path model = kExamples / (std::string(c.name) + ".dct");
    const std::string svgFile = file("graph.svg").string();
    StreamPort port(err);
    ASSERT_EQ(writeGraph({model.string(), "-o", svgFile}, port, err), kExitOk) << err.str();
    EXPECT_EQ(err.str(), "");
    const std::string svg = readText(svgFile);
    EXPECT_EQ(testing::xmlFault(svg), "") << c.why;
    EXPECT_NE(svg.find("width=\"1200\" height=\"900\""), std::string::npos) << "the default size";
    const bool imperial = std::string(c.name) == "imperial";
    for (const char* text :
         {imperial ? ">Distance (ft)<" : ">Distance (m)<", imperial ? ">Q (kcfm)<" : ">Q (m³/s)<",
          ">Flow Trend<", ">Total Pressure<", ">Static Pressure<", ">0<"}) {
        EXPECT_NE(svg.find(text), std::string::npos) << c.why << ": " << text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ExampleGraph,
    ::testing::Values(ExampleCase{"one fan at the portal", "forcing-one-fan", ""},
                      ExampleCase{"negated pressures", "exhausting", ""},
                      ExampleCase{"three fans", "boosters", ""},
                      ExampleCase{"zones and every shock loss", "zones-and-losses", ""},
                      ExampleCase{"booster for the face", "fixed-quantity-face", ""},
                      ExampleCase{"fan-end quantity", "fixed-quantity-fan", ""},
                      ExampleCase{"Imperial display", "imperial", ""}));

TEST_F(CommandLine, GraphTakesItsSizeAndOptionsFromTheFlags) {
    const std::string model = (kExamples / "zones-and-losses.json").string();
    const std::string svgFile = file("g.svg").string();
    StreamPort port(err);
    ASSERT_EQ(writeGraph({"--width", "1600", "--height", "1000", "--velocity", "--units",
                          "imperial", model, "-o", svgFile},
                         port, err),
              kExitOk)
        << err.str();
    std::string svg = readText(svgFile);
    EXPECT_NE(svg.find("width=\"1600\" height=\"1000\""), std::string::npos);
    EXPECT_NE(svg.find(">Vel (ft/min)<"), std::string::npos);
    EXPECT_NE(svg.find(">Distance (ft)<"), std::string::npos);
    for (const char* mark : {">SE<", ">ME<", ">D<", ">S<", ">FR<", ">TS<"}) {
        EXPECT_NE(svg.find(mark), std::string::npos) << mark;
    }

    ASSERT_EQ(writeGraph({model, "-o", svgFile, "--no-shock-losses", "--no-total-pressure",
                          "--no-static-pressure"},
                         port, err),
              kExitOk);
    svg = readText(svgFile);
    for (const char* gone : {">SE<", ">TS<", ">Total Pressure<", ">P (kPa)<"}) {
        EXPECT_EQ(svg.find(gone), std::string::npos) << gone;
    }
    EXPECT_NE(svg.find(">Flow Trend<"), std::string::npos);
    ASSERT_EQ(writeGraph({model, "-o", svgFile, "--no-schematic"}, port, err), kExitOk);
    EXPECT_EQ(readText(svgFile).find(">SE<"), std::string::npos);
}

TEST_F(CommandLine, GraphExitStatusIsThatOfRun) {
    const std::string svgFile = file("g.svg").string();
    StreamPort port(err);
    EXPECT_EQ(writeGraph({file("missing.dct").string(), "-o", svgFile}, port, err), kExitUsage);
    EXPECT_NE(err.str().find("missing.dct"), std::string::npos) << err.str();
    EXPECT_FALSE(fs::exists(svgFile));

    std::ofstream(file("incomplete.json")) << R"({"ductDiameter": 0.9})";
    EXPECT_EQ(writeGraph({file("incomplete.json").string(), "-o", svgFile}, port, err),
              kExitStopped);
    EXPECT_EQ(testing::xmlFault(readText(svgFile)), "") << "a blank picture is still written";
    EXPECT_EQ(readText(svgFile).find("<text"), std::string::npos);

    const std::string model = (kExamples / "forcing-one-fan.dct").string();
    for (const std::vector<std::string>& wrong :
         std::vector<std::vector<std::string>>{{model},
                                               {"-o", svgFile},
                                               {model, "-o", svgFile, "--width", "0"},
                                               {model, "-o", svgFile, "--height", "12.5"},
                                               {model, "-o", svgFile, "--width"},
                                               {model, "-o", svgFile, "--no-such-option"},
                                               {model, model, "-o", svgFile},
                                               {model, "-o", model}}) {
        err.str("");
        EXPECT_EQ(writeGraph(wrong, port, err), kExitUsage) << ::testing::PrintToString(wrong);
        EXPECT_NE(err.str().find("flowmar-cli --help"), std::string::npos);
    }
    EXPECT_EQ(writeGraph({model, "-o", (file("no-folder") / "g.svg").string()}, port, err),
              kExitUsage);
}

TEST_F(CommandLine, ReportFansAddsTheFanReportsAfterTheSummaries) {
    const std::string model = (kExamples / "boosters.dct").string();
    ASSERT_EQ(run({model}), kExitOk);
    // The design checks close every report.
    const std::string plain = out.str();
    const std::string summaries = plain.substr(0, plain.find("\nDesign checks:"));
    ASSERT_EQ(run({"--report", "fans", model}), kExitOk) << err.str();
    const std::string withFans = out.str();
    ASSERT_EQ(withFans.rfind(summaries, 0), 0u) << "the summaries first, unchanged";
    const std::string fans = withFans.substr(summaries.size());
    const auto input = fans.find("Flowmar Version 1.0 - Fan Input Data");
    const auto results = fans.find("Flowmar Version 1.0 - Fan Results");
    ASSERT_NE(input, std::string::npos);
    ASSERT_NE(results, std::string::npos);
    EXPECT_LT(input, results);
    for (const char* line : {"Fan Number = 3", "FAN CURVE.", "Fan Input Power = "}) {
        EXPECT_NE(fans.find(line), std::string::npos) << line;
    }
    EXPECT_EQ(std::count(fans.begin(), fans.end(), '\f'), 0) << "no page breaks";

    ASSERT_EQ(run({"--report", "fans", "--units", "imperial", model}), kExitOk);
    EXPECT_NE(out.str().find("Fan Airflow : "), std::string::npos);
    EXPECT_NE(out.str().find(" (kcfm)"), std::string::npos);
    EXPECT_EQ(run({"--report", "fan", model}), kExitUsage);
    EXPECT_NE(err.str().find("--report takes \"fans\""), std::string::npos) << err.str();
    EXPECT_EQ(run({"--report", "fans", "--json", model}), kExitUsage);
    EXPECT_EQ(run({model, "--report"}), kExitUsage);
}

TEST_F(CommandLine, FanResultsChartOfAFanThatRanOnItsCurve) {
    const std::string svgFile = file("fan.svg").string();
    StreamPort port(err);
    const std::string boosters = (kExamples / "boosters.dct").string();
    ASSERT_EQ(writeGraph({"--fan-results-chart", "2", boosters, "-o", svgFile}, port, err), kExitOk)
        << err.str();
    const std::string svg = readText(svgFile);
    EXPECT_EQ(testing::xmlFault(svg), "");
    for (const char* text : {">Pressure - Curve<", ">Input Fan Power - Data Points<", ">Q (m³/s)<",
                             ">P (kPa)<", ">IHP (kW)<"}) {
        EXPECT_NE(svg.find(text), std::string::npos) << text;
    }
    EXPECT_EQ(svg.find(">Flow Trend<"), std::string::npos) << "the chart, not the graph";
    ASSERT_EQ(
        writeGraph({"--fan-results-chart", "1", "--units", "imperial", boosters, "-o", svgFile},
                   port, err),
        kExitOk);
    EXPECT_NE(readText(svgFile).find(">Q (kcfm)<"), std::string::npos);

    // No chart, no file: a fixed-pressure fan, a fan beyond the model's, a fixed quantity.
    std::ofstream(file("fixed.json")) << R"({"ductLength": 1000, "ductDiameter": 0.9,
        "fans": [{"points": [{"pressure": 3000, "quantity": 5}, {"pressure": 1000,
        "quantity": 20}]}, {"distance": 500, "fixedPressure": 500, "useFixedPressure": true}]})";
    struct Refused {
        std::string model;
        std::string fan;
        std::string message;
    };
    const std::vector<Refused> refused{
        {file("fixed.json").string(), "2", "Fan 2 did not run on its curve: it has no chart."},
        {boosters, "4", "This fan number does not exist."},
        {(kExamples / "fixed-quantity-face.dct").string(), "1",
         std::string(cli_texts::kNoFanModeResults)},
    };
    for (const Refused& r : refused) {
        err.str("");
        fs::remove(svgFile);
        EXPECT_EQ(writeGraph({"--fan-results-chart", r.fan, r.model, "-o", svgFile}, port, err),
                  kExitStopped)
            << r.message;
        EXPECT_NE(err.str().find(r.message), std::string::npos) << err.str();
        EXPECT_FALSE(fs::exists(svgFile)) << r.message;
    }
    ASSERT_EQ(writeGraph({"--fan-results-chart", "1", file("fixed.json").string(), "-o", svgFile},
                         port, err),
              kExitOk)
        << "its curve fan has a chart";
    for (const char* wrong : {"0", "two", "1.5", "-1"}) {
        EXPECT_EQ(writeGraph({"--fan-results-chart", wrong, boosters, "-o", svgFile}, port, err),
                  kExitUsage)
            << wrong;
    }
}

TEST_F(CommandLine, NeverWritesOverAnInputOrAModel) {
    // Every file here holds bytes the refused call must leave as they are.
    fs::copy_file(kExamples / "forcing-one-fan.json", file("m.json"));
    fs::copy_file(kExamples / "forcing-one-fan.dct", file("m.dct"));
    fs::copy_file(kExamples / "forcing-one-fan.json", file("other.json"));
    fs::copy_file(kExamples / "fan-database.fdb", file("db.fdb"));
    fs::create_symlink(file("m.json"), file("link.csv"));
    fs::create_symlink(file("m.json"), file("link.svg"));
    fs::create_symlink(file("other.json"), file("table.csv"));
    fs::create_directories(file("sub"));
    const auto f = [this](const char* name) { return file(name).string(); };
    struct Case {
        const char* why;
        std::vector<std::string> call;
        const char* words;
        const char* kept; // the file that must not change
    };
    const std::vector<Case> cases{
        {"the table over the model it was run from",
         {"run", "--csv", f("m.json"), f("m.json")},
         "an input of the same call",
         "m.json"},
        {"the same through a symlink",
         {"run", "--csv", f("link.csv"), f("m.json")},
         "an input of the same call",
         "m.json"},
        {"the same through a path that climbs back",
         {"run", "--csv", (file("sub") / ".." / "m.json").string(), f("m.json")},
         "an input of the same call",
         "m.json"},
        {"a table over another model",
         {"run", "--csv", f("other.json"), f("m.dct")},
         "holds a model or a fan database",
         "other.json"},
        {"a table over a model through a symlink named like a table",
         {"run", "--csv", f("table.csv"), f("m.dct")},
         "holds a model or a fan database",
         "other.json"},
        {"a picture over another model",
         {"graph", f("m.dct"), "-o", f("other.json")},
         "holds a model or a fan database",
         "other.json"},
        {"a picture over its own model via a symlink",
         {"graph", f("m.json"), "-o", f("link.svg")},
         "an input of the same call",
         "m.json"},
        {"a fan-curve picture over a fan database",
         {"graph", "--fan-curve", "1", f("m.dct"), "-o", f("db.fdb")},
         "holds a model or a fan database",
         "db.fdb"},
        {"a conversion onto its own input",
         {"convert", f("m.json"), f("m.json")},
         "an input of the same call",
         "m.json"},
        {"a conversion onto its input through a symlink",
         {"convert", f("m.json"), f("link.csv")},
         "an input of the same call",
         "m.json"},
    };
    for (const Case& c : cases) {
        const std::string before = readText(file(c.kept));
        out.str("");
        err.str("");
        EXPECT_EQ(runCommandLine(c.call, out, err), kExitUsage) << c.why;
        EXPECT_NE(err.str().find(c.words), std::string::npos) << c.why << ": " << err.str();
        EXPECT_EQ(readText(file(c.kept)), before) << c.why;
    }
    // What the guard lets through still works: a table next to the model, a converted copy.
    EXPECT_EQ(runCommandLine({"run", "--csv", f("m.csv"), f("m.json")}, out, err), kExitOk);
    EXPECT_TRUE(fs::exists(file("m.csv")));
    EXPECT_EQ(runCommandLine({"convert", f("m.json"), f("copy.dct")}, out, err), kExitOk);
    EXPECT_EQ(readText(file("copy.dct")), readText(file("m.dct")));
}

TEST_F(CommandLine, WrongCallsAreRefusedWithTheCommandsUsage) {
    const std::string model = (kExamples / "boosters.dct").string();
    const std::string svg = file("g.svg").string();
    struct Case {
        const char* why;
        std::vector<std::string> call;
        const char* words;
        const char* usage; // the synopsis line the refusal must show
    };
    const std::vector<Case> cases{
        {"a dash word is an option, never a model",
         {"run", "-x", model},
         "Unknown option \"-x\"",
         "flowmar-cli run [--units"},
        {"an empty table name is no table",
         {"run", "--csv", "", model},
         "--csv needs a value",
         "flowmar-cli run [--units"},
        {"an option at the end without its value",
         {"run", model, "--csv"},
         "--csv needs a value",
         "flowmar-cli run [--units"},
        {"units outside the two",
         {"run", "--units", "metric", model},
         "not \"metric\"",
         "flowmar-cli run [--units"},
        {"a report that does not exist",
         {"run", "--report", "zones", model},
         "not \"zones\"",
         "flowmar-cli run --report fans"},
        {"no job at all would run nothing",
         {"run", "--jobs", "0", model},
         "--jobs takes a whole number from 1 to 256, not \"0\"",
         "flowmar-cli run [--units"},
        {"a job count is a whole number",
         {"run", "--jobs", "2.5", model},
         "not \"2.5\"",
         "flowmar-cli run [--units"},
        {"standard input holds one model",
         {"run", "-", "-"},
         "name - once",
         "flowmar-cli run [--units"},
        {"standard output carries the reports",
         {"run", "--csv", "-", model},
         "standard output carries the reports",
         "flowmar-cli run [--units"},
        {"a width outside its range",
         {"graph", "--width", "20001", model, "-o", svg},
         "from 1 to 20000, not \"20001\"",
         "flowmar-cli graph [--width"},
        {"a height that is not whole",
         {"graph", "--height", "1e3", model, "-o", svg},
         "not \"1e3\"",
         "flowmar-cli graph [--width"},
        {"an unknown long option",
         {"graph", model, "-o", svg, "--colour"},
         "Unknown option \"--colour\"",
         "flowmar-cli graph --fan-curve"},
        {"a second model",
         {"graph", model, model, "-o", svg},
         "graph takes one model",
         "flowmar-cli graph [--width"},
        {"a Graph View option on a fan-curve chart",
         {"graph", "--fan-curve", "1", "--velocity", model, "-o", svg},
         "--velocity does not go with --fan-curve",
         "flowmar-cli graph --fan-curve"},
        {"a fan beyond any model's fans",
         {"graph", "--fan-results-chart", "9999", model, "-o", svg},
         "not \"9999\"",
         "flowmar-cli graph --fan-results-chart"},
        {"convert takes two files",
         {"convert", model},
         "convert needs IN and OUT",
         "flowmar-cli convert IN OUT"},
        {"a third file for convert",
         {"convert", model, svg, svg},
         "Unexpected argument",
         "flowmar-cli convert IN OUT"},
        {"new takes no units option",
         {"new", "--units", "si", file("n.json").string()},
         "Unknown option \"--units\"",
         "flowmar-cli new [--imperial] OUT"},
    };
    for (const Case& c : cases) {
        out.str("");
        err.str("");
        EXPECT_EQ(runCommandLine(c.call, out, err), kExitUsage) << c.why;
        EXPECT_NE(err.str().find(c.words), std::string::npos) << c.why << ": " << err.str();
        EXPECT_NE(err.str().find(c.usage), std::string::npos) << c.why << ": " << err.str();
        EXPECT_NE(err.str().find(cli_texts::kSeeHelp), std::string::npos) << c.why;
        EXPECT_EQ(out.str(), "") << c.why;
    }
    EXPECT_FALSE(fs::exists(svg));
    EXPECT_FALSE(fs::exists(file("n.json")));
}

TEST_F(CommandLine, EachCommandHasItsOwnHelp) {
    // The options each command's help must list: those of that command and no other's.
    const std::vector<std::pair<std::string, std::vector<std::string>>> commands{
        {"run", {"--units", "--json", "--pretty", "--csv", "--report", "MODEL"}},
        {"graph", {"--width", "--height", "--velocity", "--no-arrows", "--fan-curve", "-o"}},
        {"convert", {"IN", "OUT"}},
        {"new", {"--imperial", "OUT"}},
    };
    for (const auto& [command, options] : commands) {
        out.str("");
        err.str("");
        ASSERT_EQ(runCommandLine({command, "--help"}, out, err), kExitOk) << command;
        EXPECT_NE(out.str().find("flowmar-cli " + command), std::string::npos) << out.str();
        for (const std::string& option : options) {
            EXPECT_NE(out.str().find(option), std::string::npos) << command << " " << option;
        }
        EXPECT_EQ(err.str(), "") << command;
    }
    out.str("");
    ASSERT_EQ(runCommandLine({"new", "-h"}, out, err), kExitOk);
    EXPECT_EQ(out.str().find("--csv"), std::string::npos) << "run's options are not new's";
}

TEST_F(CommandLine, DashReadsAModelFromStandardInputAndWritesToStandardOutput) {
    std::istringstream in(readText(kExamples / "boosters.json"));
    ASSERT_EQ(runCommandLine({"run", "--json", "-"}, in, out, err), kExitOk) << err.str();
    const auto piped = nlohmann::json::parse(out.str());
    out.str("");
    ASSERT_EQ(runCommandLine({"run", "--json", (kExamples / "boosters.json").string()}, out, err),
              kExitOk);
    auto fromFile = nlohmann::json::parse(out.str());
    fromFile["file"] = "-";
    EXPECT_EQ(piped, fromFile) << "the same model gives the same results however it comes";

    // Standard input that is not a model is refused in the same words as a file, naming it.
    std::istringstream notJson("{\"ductLength\": ");
    out.str("");
    err.str("");
    EXPECT_EQ(runCommandLine({"run", "-"}, notJson, out, err), kExitUsage);
    EXPECT_NE(err.str().find("Cannot open \"standard input\""), std::string::npos) << err.str();

    out.str("");
    const std::string model = (kExamples / "boosters.dct").string();
    ASSERT_EQ(runCommandLine({"graph", model, "-o", "-"}, out, err), kExitOk);
    EXPECT_EQ(testing::xmlFault(out.str()), "");
    EXPECT_NE(out.str().find("<svg"), std::string::npos);
    EXPECT_FALSE(fs::exists("-")) << "no file named \"-\"";
    out.str("");
    ASSERT_EQ(runCommandLine({"graph", "--fan-curve", "2", model, "-o", "-"}, out, err), kExitOk);
    EXPECT_EQ(testing::xmlFault(out.str()), "");
}

TEST_F(CommandLine, DamagedInputsAreRefusedInWordsAndLeaveNoOutput) {
    const std::string dct = readText(kExamples / "forcing-one-fan.dct");
    const std::string fdb = readText(kExamples / "fan-database.fdb");
    // The first fan's first pressure (2500 Pa) made not-a-number: the binary reader takes it, but
    // the JSON it would become holds null.
    std::string nanFdb = fdb;
    const double pressure = 2500.0;
    const std::string pressureBytes(reinterpret_cast<const char*>(&pressure), sizeof pressure);
    const std::size_t at = nanFdb.find(pressureBytes);
    ASSERT_NE(at, std::string::npos);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    nanFdb.replace(at, sizeof nan, reinterpret_cast<const char*>(&nan), sizeof nan);
    struct Case {
        const char* why;
        const char* name;
        std::string bytes;
        std::vector<std::string> call; // after the command word, "IN" and "OUT" replaced
        std::string words;
        const char* named;  // the file the message names
        const char* output; // must not exist afterwards; empty for none
    };
    const std::vector<Case> cases{
        {"a model with bytes after its end",
         "tail.dct",
         dct + "x",
         {"run", "IN"},
         "has 1 byte after its last value",
         "tail.dct",
         ""},
        {"two models joined",
         "twice.dct",
         dct + dct,
         {"run", "IN"},
         "has " + std::to_string(dct.size()) + " bytes after its last value",
         "twice.dct",
         ""},
        {"a fan database with bytes after its end",
         "tail.fdb",
         fdb + "1234",
         {"convert", "IN", "OUT"},
         "has 4 bytes after its last value",
         "tail.fdb",
         "out.json"},
        {"a value the JSON form cannot hold is refused where it is read",
         "nan.fdb",
         nanFdb,
         {"convert", "IN", "OUT"},
         "is not a finite number",
         "nan.fdb",
         "out.json"},
    };
    for (const Case& c : cases) {
        std::ofstream(file(c.name), std::ios::binary) << c.bytes;
        std::vector<std::string> call = c.call;
        for (std::string& arg : call) {
            arg = arg == "IN"    ? file(c.name).string()
                  : arg == "OUT" ? file("out.json").string()
                                 : arg;
        }
        out.str("");
        err.str("");
        EXPECT_EQ(runCommandLine(call, out, err), kExitUsage) << c.why;
        EXPECT_NE(err.str().find(c.words), std::string::npos) << c.why << ": " << err.str();
        EXPECT_NE(err.str().find(file(c.named).string()), std::string::npos)
            << c.why << ": the message names the file";
        if (*c.output != '\0') {
            EXPECT_FALSE(fs::exists(file(c.output))) << c.why << ": nothing half-right is kept";
        }
    }
}

// The fuzzing seeds in both directions of convert: whatever convert writes reads back, and a
// model runs to the same results in either form. A seed that cannot be read is not converted, and
// leaves no output.
TEST_F(CommandLine, ConvertRoundTripsEveryCorpusFile) {
    const fs::path corpus = fs::path(FLOWMAR_SOURCE_DIR) / "fuzz" / "corpus";
    struct Form {
        const char* folder;
        const char* other; // the extension convert writes
        bool model;        // a duct model, which also runs
    };
    int converted = 0;
    for (const Form form : {Form{"dct", ".json", true}, Form{"json", ".dct", true},
                            Form{"fdb", ".json", false}, Form{"fdb-json", ".fdb", false}}) {
        for (const auto& entry : fs::directory_iterator(corpus / form.folder)) {
            const std::string in = entry.path().string();
            SCOPED_TRACE(in);
            const std::string copy = file(std::string("copy") + form.other).string();
            fs::remove(copy);
            out.str("");
            err.str("");
            const int read = runCommandLine({"convert", in, copy}, out, err);
            if (read != kExitOk) {
                EXPECT_EQ(read, kExitUsage);
                EXPECT_NE(err.str().find("Cannot open"), std::string::npos) << err.str();
                EXPECT_FALSE(fs::exists(copy));
                continue;
            }
            ++converted;
            // Back again: the second conversion writes what the first one did.
            const std::string back =
                file(std::string("back") + entry.path().extension().string()).string();
            const std::string again = file(std::string("again") + form.other).string();
            ASSERT_EQ(runCommandLine({"convert", copy, back}, out, err), kExitOk) << err.str();
            ASSERT_EQ(runCommandLine({"convert", back, again}, out, err), kExitOk) << err.str();
            EXPECT_EQ(readText(again), readText(copy));
            if (!form.model) {
                continue;
            }
            out.str("");
            const int ranIn = runCommandLine({"run", "--json", in}, out, err);
            nlohmann::json original = nlohmann::json::parse(out.str());
            out.str("");
            EXPECT_EQ(runCommandLine({"run", "--json", copy}, out, err), ranIn);
            nlohmann::json roundTripped = nlohmann::json::parse(out.str());
            original.erase("file");
            roundTripped.erase("file");
            EXPECT_EQ(roundTripped, original);
        }
    }
    EXPECT_GE(converted, 10) << "the seeds are missing";
}

TEST_F(CommandLine, SeveralModelsEachGetTheirObjectAndTheirNameOnEveryMessage) {
    std::ofstream(file("incomplete.json")) << R"({"ductDiameter": 0.9})";
    std::ofstream(file("damaged.dct")) << "not a duct model";
    const std::string good = (kExamples / "boosters.dct").string();
    const std::string incomplete = file("incomplete.json").string();
    const std::string damaged = file("damaged.dct").string();
    ASSERT_EQ(run({"--json", good, damaged, incomplete}), kExitUsage);
    std::istringstream lines(out.str());
    std::vector<nlohmann::json> objects;
    for (std::string line; std::getline(lines, line);) {
        objects.push_back(nlohmann::json::parse(line));
    }
    ASSERT_EQ(objects.size(), 3u) << "one object per model named, the unreadable one included";
    EXPECT_EQ(objects[1]["file"], damaged);
    EXPECT_EQ(objects[1]["status"], "unreadable");
    ASSERT_EQ(objects[1]["messages"].size(), 1u);
    EXPECT_NE(objects[1]["messages"][0].get<std::string>().find("Cannot open"), std::string::npos);
    EXPECT_EQ(objects[2]["status"], "stopped");
    // On standard error every line says which model it is about.
    std::istringstream errLines(err.str());
    int lineCount = 0;
    for (std::string line; std::getline(errLines, line); ++lineCount) {
        EXPECT_TRUE(line.starts_with(damaged + ": ") || line.starts_with(incomplete + ": "))
            << line;
    }
    EXPECT_GE(lineCount, 2);
    // One model: the messages stay bare, as they always were.
    ASSERT_EQ(run({incomplete}), kExitStopped);
    EXPECT_TRUE(err.str().starts_with("You have not completed")) << err.str();
}

TEST_F(CommandLine, AFileNameThatIsNotUtf8ReachesTheJsonReplaced) {
    const fs::path latin1 = file("gal\xE9ria.dct");
    fs::copy_file(kExamples / "boosters.dct", latin1);
    ASSERT_EQ(run({"--json", latin1.string()}), kExitOk) << err.str();
    const nlohmann::json result = nlohmann::json::parse(out.str());
    EXPECT_EQ(result["file"], file("gal\xEF\xBF\xBDria.dct").string());
}

TEST_F(CommandLine, TellsItsVersionAndHowToCallIt) {
    EXPECT_EQ(runCommandLine({"--version"}, out, err), kExitOk);
    EXPECT_EQ(out.str(), "flowmar-cli " + std::string(kVersion) + "\n");
    EXPECT_EQ(err.str(), "");

    out.str("");
    EXPECT_EQ(runCommandLine({"--help"}, out, err), kExitOk);
    EXPECT_EQ(out.str(), cli_texts::kCommandLineHelp);
    EXPECT_NE(out.str().find("flowmar-cli --version"), std::string::npos) << "in the synopsis";

    out.str("");
    EXPECT_EQ(runCommandLine({}, out, err), kExitUsage) << "no command is a wrong call";
    EXPECT_EQ(out.str(), cli_texts::kCommandLineHelp);

    out.str("");
    EXPECT_EQ(runCommandLine({"--verison"}, out, err), kExitUsage);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(err.str().rfind("Unknown command \"--verison\".\n\n", 0), 0u) << err.str();
}

TEST_F(CommandLine, NewImperialModelHoldsTheImperialDefaults) {
    std::ostringstream newErr;
    ASSERT_EQ(writeNewModel({"--imperial", file("new.json").string()}, newErr), kExitOk);
    const auto model = nlohmann::json::parse(readText(file("new.json")));
    EXPECT_EQ(model["unitSystem"], 0);
    EXPECT_EQ(model["leakageResistance100"], -1);
    ASSERT_EQ(writeNewModel({file("new.dct").string()}, newErr), kExitOk);
    EXPECT_EQ(fs::file_size(file("new.dct")), 49351u);
}

} // namespace
} // namespace flowmar::cli
