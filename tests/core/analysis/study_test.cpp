#include "core/analysis/study.h"
#include "core/engine/execute.h"
#include "core/files/model_file.h"
#include "core/model/flowmar_doc.h"
#include "support/models.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <optional>
#include <string>
#include <variant>

namespace flowmar {
namespace {

using ::testing::HasSubstr;

std::unique_ptr<CFlowmarDoc> example(const std::string& name) {
    FileRead<CFlowmarDoc> read = readModelFile(std::string(FLOWMAR_EXAMPLES) + "/" + name);
    EXPECT_TRUE(read.ok()) << name;
    return std::move(read.document);
}

StudyRange range(const std::string& text) {
    auto parsed = parseStudyRange(text);
    EXPECT_TRUE(std::holds_alternative<StudyRange>(parsed)) << std::get<std::string>(parsed);
    return std::get<StudyRange>(parsed);
}

StudyRequest vary(const StudyRange& first, std::optional<StudyRange> second = std::nullopt,
                  std::optional<double> required = std::nullopt) {
    StudyRequest request;
    request.first = first;
    request.second = second;
    request.requiredFaceQuantity = required;
    return request;
}

// Two steps agree when every number a study reports is the same double.
void expectSameStep(const StudyStep& a, const StudyStep& b) {
    EXPECT_EQ(a.value, b.value);
    EXPECT_EQ(a.value2, b.value2);
    EXPECT_EQ(a.status, b.status);
    EXPECT_EQ(a.messages, b.messages);
    EXPECT_EQ(a.iterationCount, b.iterationCount);
    EXPECT_EQ(a.faceQuantity, b.faceQuantity);
    EXPECT_EQ(a.fanEndQuantity, b.fanEndQuantity);
    EXPECT_EQ(a.boosterPressure, b.boosterPressure);
    EXPECT_EQ(a.minStaticPressure, b.minStaticPressure);
    EXPECT_EQ(a.maxStaticPressureAt, b.maxStaticPressureAt);
    ASSERT_EQ(a.fans.size(), b.fans.size());
    for (std::size_t i = 0; i < a.fans.size(); ++i) {
        EXPECT_EQ(a.fans[i].quantity, b.fans[i].quantity);
        EXPECT_EQ(a.fans[i].pressure, b.fans[i].pressure);
    }
}

TEST(StudyRanges, ParseNamesRangesAndSteps) {
    const StudyRange length = range("ductLength=500:3000:26");
    EXPECT_EQ(length.input, StudyInput::DuctLength);
    EXPECT_EQ(length.steps, 26);
    EXPECT_DOUBLE_EQ(length.value(1), 600);
    EXPECT_EQ(length.value(25), 3000); // the last value is the range's end, exactly
    const StudyRange fan = range("fanDistance:2=100:900:3");
    EXPECT_EQ(fan.input, StudyInput::FanDistance);
    EXPECT_EQ(fan.fan, 2);
    EXPECT_EQ(studyInputName(fan.input, fan.fan), "fanDistance:2");
    // A whole-number input takes each value rounded to the nearest integer.
    EXPECT_EQ(range("leakageResistance100=1000:2000:4").value(1), 1333);

    struct Bad {
        const char* text;
        const char* words;
    };
    for (const Bad& bad : {
             Bad{"ductLenght=1:2:3", "Unknown study input \"ductLenght\""}, // a typo is named
             Bad{"fanDistance=1:2:3", "Unknown study input"},               // a fan needs N
             Bad{"ductLength=1:2", "NAME=FROM:TO:STEPS"},                   // a part missing
             Bad{"ductLength=1:2:3:4", "NAME=FROM:TO:STEPS"},               // one too many
             Bad{"ductLength=1:x:3", "NAME=FROM:TO:STEPS"},                 // not a number
             Bad{"ductLength=1:2:2.5", "NAME=FROM:TO:STEPS"},               // steps are whole
             Bad{"ductLength", "NAME=FROM:TO:STEPS"},
         }) {
        const auto parsed = parseStudyRange(bad.text);
        ASSERT_TRUE(std::holds_alternative<std::string>(parsed)) << bad.text;
        EXPECT_THAT(std::get<std::string>(parsed), HasSubstr(bad.words)) << bad.text;
    }
}

TEST(StudyRanges, RefusedBeforeAnythingRuns) {
    const auto boosters = example("boosters.json"); // three fans
    struct Bad {
        StudyRequest request;
        const char* words;
    };
    StudyRequest grid = vary(range("ductLength=1000:3000:1000"), range("ductDiameter=0.8:1.2:101"));
    StudyRequest required = vary(range("ductLength=1000:3000:10"));
    required.requiredFaceQuantity = -1;
    for (const Bad& bad : {
             Bad{vary(range("airDensity=-1.2:1.2:5")), "reaches -1.2, which no duct can have"},
             Bad{vary(range("ductDiameter=0:1:5")), "\"ductDiameter\" reaches 0"},
             Bad{vary(range("fixedQuantity=-5:5:3")), "from 0 to 1,000,000"},
             Bad{vary(range("ductLength=100:200:0")), "at least 1 step"},
             Bad{vary(range("fanDistance:4=0:100:3")), "names fan 4, but the model has 3 fans"},
             Bad{grid, "at most 100,000 steps in all; this one asks for 101000"},
             Bad{required, "required face quantity -1"},
         }) {
        const auto fault = checkStudy(*boosters, bad.request);
        ASSERT_TRUE(fault.has_value()) << bad.words;
        EXPECT_THAT(*fault, HasSubstr(bad.words));
    }
    EXPECT_FALSE(checkStudy(*boosters, vary(range("fanDistance:3=2000:2900:10"))).has_value());
}

TEST(Study, OneStepIsOneExecuteOfTheEditedModelAndTheModelIsUntouched) {
    const auto boosters = example("boosters.json");
    const CFlowmarDoc before = *boosters;
    const StudyResult study = runStudy(*boosters, vary(range("ductLength=2500:2500:1")));
    ASSERT_EQ(study.steps.size(), 1U);

    CFlowmarDoc edited = *boosters;
    edited.ductLength = 2500;
    const ExecuteResult run = Execute(edited);
    const StudyStep& step = study.steps[0];
    EXPECT_EQ(step.status, run.status);
    EXPECT_EQ(step.faceQuantity, edited.results.branchFlow[2 * edited.segmentCount]);
    EXPECT_EQ(step.fanEndQuantity, edited.results.branchFlow[edited.segmentCount + 1]);
    EXPECT_EQ(step.iterationCount, edited.results.iterationCount);
    ASSERT_EQ(step.fans.size(), 3U);
    EXPECT_EQ(step.fans[1].pressure, edited.results.fanPressure[2]);

    // Nothing of the document changed: input, derived values, results, modified mark.
    EXPECT_EQ(boosters->ductLength, before.ductLength);
    EXPECT_EQ(boosters->segmentCount, before.segmentCount);
    EXPECT_EQ(boosters->results.branchFlow, before.results.branchFlow);
    EXPECT_EQ(boosters->isModified(), before.isModified());
}

TEST(Study, ParallelAndSerialGiveTheSameSteps) {
    const auto boosters = example("boosters.json");
    StudyRequest request = vary(range("ductLength=1500:3500:9"), range("ductDiameter=0.9:1.3:3"));
    request.requiredFaceQuantity = 17;
    const StudyResult serial = runStudy(*boosters, request, nullptr, 1);
    const StudyResult parallel = runStudy(*boosters, request, nullptr, 4);
    ASSERT_EQ(serial.steps.size(), 27U);
    ASSERT_EQ(parallel.steps.size(), serial.steps.size());
    for (std::size_t k = 0; k < serial.steps.size(); ++k) {
        SCOPED_TRACE(k);
        expectSameStep(serial.steps[k], parallel.steps[k]);
    }
    // The grid runs every first value for each second value in turn.
    EXPECT_EQ(serial.steps[9].value, 1500);
    EXPECT_DOUBLE_EQ(*serial.steps[9].value2, 1.1);
    ASSERT_EQ(parallel.crossings.size(), 3U);
    for (std::size_t j = 0; j < 3; ++j) {
        EXPECT_EQ(parallel.crossings[j].value, serial.crossings[j].value);
    }
}

TEST(Study, TheBisectedCrossingAgreesWithAFineSweep) {
    const auto one = example("forcing-one-fan.json");
    // The face quantity falls as the duct grows; find where it drops below a requirement taken
    // from the middle of the range.
    const StudyResult coarse = runStudy(*one, vary(range("ductLength=200:2000:3")));
    const double required = coarse.steps[1].faceQuantity;
    StudyRequest request = vary(range("ductLength=200:2000:10"));
    request.requiredFaceQuantity = required;
    const StudyResult study = runStudy(*one, request);
    ASSERT_EQ(study.crossings.size(), 1U);
    ASSERT_TRUE(study.crossings[0].value.has_value());
    const double crossing = *study.crossings[0].value;

    const StudyResult fine = runStudy(*one, vary(range("ductLength=200:2000:1801"))); // 1 m apart
    double lastMeeting = 0;
    for (const StudyStep& step : fine.steps) {
        if (step.faceQuantity >= required) {
            lastMeeting = step.value;
        } else {
            break;
        }
    }
    EXPECT_NEAR(crossing, lastMeeting, 1.0);

    StudyRequest unreachable = request;
    unreachable.requiredFaceQuantity = 1e6;
    EXPECT_FALSE(runStudy(*one, unreachable).crossings[0].value.has_value());
}

TEST(Study, AStoppedStepReportsItsMessageAndTheOthersGoOn) {
    const auto one = example("forcing-one-fan.json");
    // The diameter 0.05 m makes the duct too restricted to solve; its neighbours run.
    const StudyResult study = runStudy(*one, vary(range("ductDiameter=0.05:1.05:3")));
    ASSERT_EQ(study.steps.size(), 3U);
    EXPECT_EQ(study.steps[0].status, SolutionStatus::Stopped);
    EXPECT_FALSE(study.steps[0].messages.empty());
    EXPECT_NE(study.steps[1].status, SolutionStatus::Stopped);
    EXPECT_NE(study.steps[2].status, SolutionStatus::Stopped);
    EXPECT_GT(study.steps[2].faceQuantity, study.steps[1].faceQuantity);
}

TEST(Study, AShortenedDuctReportsTheFanBeyondItsEnd) {
    const auto boosters = example("boosters.json"); // boosters at 1,000 m and 2,000 m
    // Execute refuses a fan beyond the duct's end: the steps short of booster 3 stop with that
    // message, the longer ones run.
    const StudyResult study = runStudy(*boosters, vary(range("ductLength=1500:2500:3")));
    ASSERT_EQ(study.steps.size(), 3U);
    EXPECT_EQ(study.steps[0].status, SolutionStatus::Stopped);
    EXPECT_THAT(
        study.steps[0].messages,
        ::testing::Contains(HasSubstr("fan distance exceeds that of the total duct length")));
    EXPECT_NE(study.steps[1].status, SolutionStatus::Stopped);
    EXPECT_NE(study.steps[2].status, SolutionStatus::Stopped);
}

TEST(Study, CancelledStudyStopsEarlyAndSaysSo) {
    const auto boosters = example("boosters.json");
    StudyControl control;
    control.cancel = true;
    const StudyResult study =
        runStudy(*boosters, vary(range("ductLength=1000:3000:500")), &control);
    EXPECT_TRUE(study.cancelled);
    EXPECT_EQ(control.done.load(), 0);
}

} // namespace
} // namespace flowmar
