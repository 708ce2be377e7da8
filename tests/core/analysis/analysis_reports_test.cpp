#include "core/analysis/design_check_report.h"
#include "core/analysis/study_report.h"
#include "core/engine/execute.h"
#include "core/files/model_file.h"
#include "core/model/flowmar_doc.h"
#include "core/views/json_stream.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <charconv>
#include <memory>
#include <sstream>
#include <string>
#include <variant>

namespace flowmar {
namespace {

using ::testing::HasSubstr;

std::unique_ptr<CFlowmarDoc> example(const std::string& name) {
    return readModelFile(std::string(FLOWMAR_EXAMPLES) + "/" + name).document;
}

StudyRequest lengthStudy(std::optional<double> required) {
    StudyRequest request;
    request.first = std::get<StudyRange>(parseStudyRange("ductLength=1500:3500:5"));
    request.requiredFaceQuantity = required;
    return request;
}

TEST(StudyReports, JsonHoldsEveryStepAndTheCrossing) {
    const auto boosters = example("boosters.json");
    const StudyRequest request = lengthStudy(17);
    const StudyResult result = runStudy(*boosters, request);
    const auto json = studyJson("boosters.json", result, request);
    EXPECT_EQ(json["input"], "ductLength");
    EXPECT_TRUE(json["input2"].is_null());
    ASSERT_EQ(json["steps"].size(), 5U);
    // 1,500 m leaves booster 3 (at 2,000 m) beyond the duct: that step stopped, with no numbers.
    EXPECT_EQ(json["steps"][0]["status"], "stopped");
    EXPECT_TRUE(json["steps"][0]["faceQuantity"].is_null());
    EXPECT_EQ(json["steps"][2]["value"], 2500.0);
    EXPECT_EQ(json["steps"][2]["faceQuantity"], result.steps[2].faceQuantity);
    EXPECT_EQ(json["steps"][2]["fans"].size(), 3U);
    EXPECT_EQ(json["crossing"]["value"], *result.crossings[0].value);
    EXPECT_TRUE(studyJson("b", result, lengthStudy(std::nullopt))["crossing"].is_null());
}

TEST(StudyReports, CsvNumbersReadBackToTheSameDoubles) {
    const auto boosters = example("boosters.json");
    const StudyRequest request = lengthStudy(std::nullopt);
    const StudyResult result = runStudy(*boosters, request);
    std::istringstream csv(studyCsv(result));
    std::string line;
    std::getline(csv, line);
    EXPECT_THAT(line, HasSubstr("face_quantity_m3s"));
    for (const StudyStep& step : result.steps) {
        ASSERT_TRUE(std::getline(csv, line));
        std::vector<std::string> cells;
        std::stringstream row(line);
        for (std::string cellText; std::getline(row, cellText, ',');) {
            cells.push_back(cellText);
        }
        if (step.status == SolutionStatus::Stopped) {
            EXPECT_EQ(cells.at(2), "stopped");
            continue;
        }
        double face = 0;
        std::from_chars(cells.at(4).data(), cells.at(4).data() + cells.at(4).size(), face);
        EXPECT_EQ(face, step.faceQuantity);
    }
    EXPECT_FALSE(std::getline(csv, line));
}

TEST(StudyReports, TheTableNamesTheInputAndSaysWhereTheRequirementIsCrossed) {
    const auto boosters = example("boosters.json");
    const StudyRequest request = lengthStudy(17);
    const std::string table = studyTable(runStudy(*boosters, request), request);
    EXPECT_THAT(table, HasSubstr("ductLength (m)"));
    EXPECT_THAT(table, HasSubstr("stopped"));
    EXPECT_THAT(table, HasSubstr("This duct and its fans reach"));
}

TEST(DesignCheckReports, FindingsAsJsonAndText) {
    const auto boosters = example("boosters.json");
    const SolutionStatus status = Execute(*boosters).status;
    const auto findings = designChecks(*boosters, status, {});
    std::string text;
    JsonStream stream(text);
    writeFindingsJson(stream, findings);
    const auto json = nlohmann::json::parse(text);
    ASSERT_EQ(json.size(), findings.size());
    EXPECT_EQ(json[0]["severity"], "warning");
    EXPECT_EQ(json[0]["code"], "suction");
    EXPECT_EQ(json[0]["fan"], 2);
    EXPECT_EQ(json[0]["to"], 1000.0);
    const auto leakage = json.back();
    EXPECT_EQ(leakage["code"], "leakage");
    EXPECT_EQ(leakage["from"], 0.0);
    EXPECT_TRUE(leakage["fan"].is_null());
    EXPECT_TRUE(anyWarning(findings));
    EXPECT_THAT(findingsText(findings), HasSubstr("  warning  Booster draws on a duct in suction"));
    EXPECT_EQ(findingsText({}), "Design checks: nothing to report.\n");
}

} // namespace
} // namespace flowmar
