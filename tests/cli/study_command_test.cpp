// flowmar-cli study on the boosters example: the table with its crossing, the JSON object, CSV and
// SVG files, the exit status of a study with stopped steps, and the refusals of a wrong range.
#include "cli/commands.h"
#include "cli/study_command.h"
#include "core/commands/stream_port.h"
#include "support/xml_checker.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace flowmar::cli {
namespace {

namespace fs = std::filesystem;

const std::string kBoosters = std::string(FLOWMAR_EXAMPLES) + "/boosters.json";

class StudyCommand : public ::testing::Test {
protected:
    void SetUp() override {
        // One folder per test: ctest runs the tests of this suite at the same time.
        m_folder = fs::temp_directory_path() /
                   ("flowmar-cli-study-" +
                    std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(m_folder);
        fs::create_directories(m_folder);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(m_folder, ignored);
    }

    int run(const StudyOptions& options) {
        out.str("");
        err.str("");
        StreamPort port(err);
        return runStudyCommand(options, port, out, err);
    }
    std::string path(const std::string& name) const { return (m_folder / name).string(); }

    std::ostringstream out;
    std::ostringstream err;
    fs::path m_folder;
};

// A model whose file name is Latin-1, not UTF-8: the JSON names it with the replacement
// character in place of the byte, and the run ends normally.
TEST_F(StudyCommand, AFileNameThatIsNotUtf8ReachesTheJsonReplacedNotThrown) {
    const std::string latin1 = path("gal\xE9ria.json");
    fs::copy_file(kBoosters, latin1);
    StudyOptions options;
    options.model = latin1;
    options.vary = "ductLength=2000:3000:2";
    options.json = true;
    EXPECT_EQ(run(options), kExitOk) << err.str();
    const nlohmann::json study = nlohmann::json::parse(out.str());
    EXPECT_EQ(study["file"], path("gal\xEF\xBF\xBDria.json")) << out.str().substr(0, 200);
}

TEST_F(StudyCommand, TheTableSaysHowFarTheDuctReaches) {
    StudyOptions options;
    options.model = kBoosters;
    options.vary = "ductLength=2000:3500:4";
    options.requireFace = 17;
    EXPECT_EQ(run(options), kExitOk) << err.str();
    EXPECT_NE(out.str().find("ductLength (m)"), std::string::npos);
    EXPECT_NE(out.str().find("This duct and its fans reach 3,125 m with 17.00 m³/s at the face."),
              std::string::npos)
        << out.str();
}

TEST_F(StudyCommand, JsonCsvAndSvgOfAStudyWithStoppedSteps) {
    StudyOptions options;
    options.model = kBoosters;
    options.vary = "ductLength=1500:3000:4"; // 1,500 m leaves booster 3 beyond the duct's end
    options.vary2 = "ductDiameter=1.1:1.3:2";
    options.json = true;
    options.csvFile = path("study.csv");
    options.svgFile = path("study.svg");
    EXPECT_EQ(run(options), kExitStopped);
    const auto json = nlohmann::json::parse(out.str());
    EXPECT_EQ(json["input"], "ductLength");
    EXPECT_EQ(json["input2"], "ductDiameter");
    ASSERT_EQ(json["steps"].size(), 8U);
    EXPECT_EQ(json["steps"][0]["status"], "stopped");
    EXPECT_FALSE(json["steps"][0]["messages"].empty());
    EXPECT_EQ(json["steps"][4]["value2"], 1.3);
    EXPECT_TRUE(json["crossing"].is_null()) << "no requirement, no crossing";
    std::ifstream csv(options.csvFile);
    std::string line;
    int lines = 0;
    while (std::getline(csv, line)) {
        ++lines;
    }
    EXPECT_EQ(lines, 1 + 8);
    std::ifstream svg(options.svgFile);
    std::stringstream text;
    text << svg.rdbuf();
    EXPECT_EQ(flowmar::testing::xmlFault(text.str()), "");
}

TEST_F(StudyCommand, AWrongRangeRunsNothing) {
    struct Case {
        const char* vary;
        const char* words;
    };
    for (const Case& c : {Case{"ductLenght=1:2:3", "Unknown study input"},
                          Case{"airDensity=-1:1:3", "which no duct can have"},
                          Case{"ductLength=1000:2000:0", "at least 1 step"},
                          Case{"fanDistance:9=0:10:2", "names fan 9"}}) {
        StudyOptions options;
        options.model = kBoosters;
        options.vary = c.vary;
        EXPECT_EQ(run(options), kExitUsage) << c.vary;
        EXPECT_NE(err.str().find(c.words), std::string::npos) << err.str();
        EXPECT_TRUE(out.str().empty());
    }
    StudyOptions missing;
    missing.model = path("no-such-model.json");
    missing.vary = "ductLength=1000:2000:3";
    EXPECT_EQ(run(missing), kExitUsage);
}

} // namespace
} // namespace flowmar::cli
