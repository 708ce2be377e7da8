// graph --fan-curve end to end on the example models: the chart or the page of the fan asked for,
// and exit status 1 with a message and no file where there is nothing to chart.
#include "cli/cli_texts.h"
#include "cli/commands.h"
#include "core/commands/stream_port.h"
#include "support/xml_checker.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
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

bool holds(const std::string& svg, const std::string& text) {
    return svg.find(">" + text + "<") != std::string::npos;
}

class FanCurveGraph : public ::testing::Test {
protected:
    void SetUp() override {
        m_folder = fs::temp_directory_path() /
                   ("flowmar-fan-curve-" +
                    std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(m_folder);
        fs::create_directories(m_folder);
    }
    void TearDown() override { fs::remove_all(m_folder); }

    fs::path file(const std::string& name) const { return m_folder / name; }
    static std::string example(const char* name) { return (kExamples / name).string(); }

    int graph(const std::vector<std::string>& args) {
        err.str("");
        StreamPort port(err);
        return writeGraph(args, port, err);
    }

    std::ostringstream err;

private:
    fs::path m_folder;
};

TEST_F(FanCurveGraph, WritesTheChartOfTheFanAndKindAsked) {
    struct Case {
        const char* why;
        std::vector<std::string> options;
        const char* model;
        std::vector<std::string> present;
        std::vector<std::string> absent;
    };
    const Case cases[] = {
        {"the default kind is Pressure-Quantity",
         {"--fan-curve", "1"},
         "forcing-one-fan.dct",
         {"P (kPa)", "Q (m³/s)", "Pressure - Curve"},
         {"IHP (kW)", "SUMMARY OF FAN CURVE DATA"}},
        {"wq: the power axis alone",
         {"--fan-curve", "2", "--kind", "wq"},
         "boosters.dct",
         {"IHP (kW)", "Input Fan Power - Data Points"},
         {"P (kPa)", "Pressure - Curve"}},
        {"pwq in Imperial units",
         {"--fan-curve", "1", "--kind", "pwq", "--units", "imperial"},
         "forcing-one-fan.dct",
         {"P (in.w.g.)", "IHP (hp)", "Q (kcfm)"},
         {"P (kPa)"}},
        {"--page: the whole printed page with the summary of the fan asked",
         {"--fan-curve", "3", "--page", "--kind", "pwq"},
         "boosters.dct",
         {"Flowmar Version 1.0 - Fan Curve Data", "SUMMARY OF FAN CURVE DATA", "Fan Number : 3",
          "Selected Curve : Pressure-Power-Quantity", "P (kPa)"},
         {}},
    };
    for (const Case& c : cases) {
        const fs::path svgFile = file("chart.svg");
        std::vector<std::string> args = c.options;
        args.insert(args.end(), {example(c.model), "-o", svgFile.string()});
        ASSERT_EQ(graph(args), kExitOk) << c.why << ": " << err.str();
        const std::string svg = readText(svgFile);
        EXPECT_EQ(testing::xmlFault(svg), "") << c.why;
        for (const std::string& text : c.present) {
            EXPECT_TRUE(holds(svg, text)) << c.why << ": " << text;
        }
        for (const std::string& text : c.absent) {
            EXPECT_FALSE(holds(svg, text)) << c.why << ": " << text;
        }
        fs::remove(svgFile);
    }
}

TEST_F(FanCurveGraph, NothingToChartStopsWithAMessageAndNoFile) {
    // The example's fan switched to a fixed pressure: it has no operating point on its curve.
    nlohmann::json model = nlohmann::json::parse(readText(kExamples / "forcing-one-fan.json"));
    model["fans"][0]["useFixedPressure"] = true;
    model["fans"][0]["fixedPressure"] = 1500.0;
    const fs::path fixedPressure = file("fixed-pressure.json");
    std::ofstream(fixedPressure) << model.dump();

    struct Case {
        const char* why;
        std::string model;
        std::string fan;
        std::string message;
    };
    const Case cases[] = {
        {"a fixed-quantity model has no fan-mode results", example("fixed-quantity-face.dct"), "1",
         cli_texts::noFanModeResults(example("fixed-quantity-face.dct"))},
        {"a fan the model does not have", example("boosters.dct"), "4", cli_texts::noSuchFan(4, 3)},
        {"a fan without an operating point", fixedPressure.string(), "1",
         cli_texts::fanWithoutOperatingPoint(1)},
    };
    for (const Case& c : cases) {
        const fs::path svgFile = file("none.svg");
        EXPECT_EQ(graph({"--fan-curve", c.fan, c.model, "-o", svgFile.string()}), kExitStopped)
            << c.why;
        EXPECT_EQ(err.str(), c.message + "\n") << c.why;
        EXPECT_FALSE(fs::exists(svgFile)) << c.why;
    }
}

TEST_F(FanCurveGraph, WrongCallsAreRefused) {
    const std::string model = example("boosters.dct");
    const std::string out = file("x.svg").string();
    const std::vector<std::vector<std::string>> wrong{
        {"--fan-curve", "0", model, "-o", out},   // fans count from 1
        {"--fan-curve", "two", model, "-o", out}, // not a number
        {"--fan-curve", "1", "--kind", "qp", model, "-o", out},
        {"--kind", "pq", model, "-o", out}, // a fan-curve option without a fan
        {"--page", model, "-o", out},
        {"--fan-curve", "1", model},                              // no output
        {"--fan-curve", "1", "--width", "800", model, "-o", out}, // the chart has its own size
    };
    for (const std::vector<std::string>& args : wrong) {
        EXPECT_EQ(graph(args), kExitUsage) << ::testing::PrintToString(args);
        EXPECT_NE(err.str().find(cli_texts::kSeeHelp), std::string::npos);
        EXPECT_FALSE(fs::exists(out));
    }
    EXPECT_NE(std::string(cli_texts::kCommandLineHelp).find("--fan-curve N"), std::string::npos);
}

} // namespace
} // namespace flowmar::cli
