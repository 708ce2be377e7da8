#include "core/analysis/study_chart.h"
#include "core/files/model_file.h"
#include "core/model/flowmar_doc.h"
#include "core/model/units.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <variant>

namespace flowmar {
namespace {

using ::testing::HasSubstr;

std::unique_ptr<CFlowmarDoc> example(const std::string& name) {
    return readModelFile(std::string(FLOWMAR_EXAMPLES) + "/" + name).document;
}

StudyRange range(const std::string& text) {
    return std::get<StudyRange>(parseStudyRange(text));
}

template <typename T>
std::size_t countOf(const Drawing& drawing) {
    return static_cast<std::size_t>(std::ranges::count_if(
        drawing.primitives(), [](const Primitive& p) { return std::holds_alternative<T>(p); }));
}

TEST(StudyChart, ACurvePairPerSecondValueAndAMarkPerCrossing) {
    const auto one = example("forcing-one-fan.json");
    StudyRequest request;
    request.first = range("ductLength=200:2500:24");
    request.second = range("ductDiameter=0.6:1.2:4");
    request.requiredFaceQuantity = 8;
    const StudyResult result = runStudy(*one, request);
    const auto crossings = std::ranges::count_if(
        result.crossings, [](const StudyCrossing& c) { return c.value.has_value(); });
    ASSERT_GT(crossings, 0);

    const Drawing chart = studyChart(result, request, kSI);
    EXPECT_EQ(countOf<Polyline>(chart), 8U);                                 // face and fan end
    EXPECT_EQ(countOf<Ellipse>(chart), static_cast<std::size_t>(crossings)); // crossings
    const auto texts = chart.texts();
    EXPECT_TRUE(
        std::ranges::any_of(texts, [](const Text& t) { return t.text == "Duct Length (m)"; }));
    EXPECT_TRUE(std::ranges::any_of(
        texts, [](const Text& t) { return t.text == "Duct Diameter 0.8 m"; })); // legend entry
}

TEST(StudyChart, AStoppedStepBreaksTheCurveAndNoResultsDrawNothing) {
    const auto one = example("forcing-one-fan.json");
    StudyRequest request;
    request.first = range("ductDiameter=0.05:1.05:5"); // the first step is too restricted
    const StudyResult result = runStudy(*one, request);
    ASSERT_EQ(result.steps[0].status, SolutionStatus::Stopped);
    EXPECT_EQ(countOf<Polyline>(studyChart(result, request, kSI)), 2U);

    StudyResult stopped = result;
    for (StudyStep& step : stopped.steps) {
        step.status = SolutionStatus::Stopped;
    }
    EXPECT_TRUE(studyChart(stopped, request, kSI).primitives().empty());
}

TEST(StudyChart, CrossingSentencesReadInTheModelsUnits) {
    StudyRequest length;
    length.first = range("ductLength=500:3000:26");
    length.requiredFaceQuantity = 17;
    StudyRequest diameter;
    diameter.first = range("ductDiameter=0.6:1.2:7");
    diameter.requiredFaceQuantity = 17;
    struct Case {
        const StudyRequest* request;
        StudyCrossing crossing;
        int units;
        const char* sentence;
    };
    for (const Case& c : {
             Case{&length,
                  {std::nullopt, 1840.0},
                  kSI,
                  "This duct and its fans reach 1,840 m with 17.00 m³/s at the face."},
             Case{&length, {std::nullopt, 1000.0}, kImperial, "reach 3,281 ft with 36.02 kcfm"},
             Case{&diameter,
                  {std::nullopt, 0.85},
                  kSI,
                  "The face quantity crosses 17.00 m³/s at Duct Diameter 0.8500 m."},
             Case{&length,
                  {std::nullopt, std::nullopt},
                  kSI,
                  "the face quantity does not cross 17.00 m³/s within the range."},
         }) {
        EXPECT_THAT(crossingSentence(*c.request, c.crossing, c.units), HasSubstr(c.sentence));
    }
    StudyRequest noRequirement;
    noRequirement.first = length.first;
    EXPECT_EQ(crossingSentence(noRequirement, {std::nullopt, 1840.0}, kSI), "");
}

} // namespace
} // namespace flowmar
