#include "core/analysis/study_form.h"
#include "core/files/model_file.h"
#include "core/model/flowmar_doc.h"
#include "core/model/units.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <variant>

namespace flowmar {
namespace {

using namespace study_form;
using ::testing::HasSubstr;

std::unique_ptr<CFlowmarDoc> example(const std::string& name) {
    return readModelFile(std::string(FLOWMAR_EXAMPLES) + "/" + name).document;
}

TEST(StudyForm, ChoicesAreTheDuctsInputsAndEachFansTwo) {
    const auto boosters = example("boosters.json");
    const std::vector<StudyChoice> choices = studyChoices(*boosters);
    ASSERT_EQ(choices.size(), 6U + 2 * 3);
    EXPECT_EQ(choices[0].label, "Duct Length (m)");
    EXPECT_EQ(choices[6].label, "Distance of Fan 1 (m)");
    EXPECT_EQ(choices[11].label, "Fixed Pressure of Fan 3 (Pa)");
}

TEST(StudyForm, TheDefaultRunsAtOnceAroundTheModelsLength) {
    const auto boosters = example("boosters.json");
    const StudyFormTexts texts = defaultStudyForm(*boosters, 17.0);
    EXPECT_EQ(texts.first.from, "1500");
    EXPECT_EQ(texts.first.to, "4500");
    EXPECT_EQ(texts.requiredFaceQuantity, "17");
    const auto read = readStudyForm(*boosters, texts);
    ASSERT_TRUE(std::holds_alternative<StudyRequest>(read));
    const StudyRequest& request = std::get<StudyRequest>(read);
    EXPECT_EQ(request.first.input, StudyInput::DuctLength);
    EXPECT_EQ(request.first.steps, 21);
    EXPECT_FALSE(request.second.has_value());
    EXPECT_EQ(request.requiredFaceQuantity, 17.0);
}

TEST(StudyForm, ImperialTextsBecomeSIRanges) {
    const auto imperial = example("imperial.json");
    ASSERT_TRUE(isImperial(imperial->unitSystem));
    StudyFormTexts texts = defaultStudyForm(*imperial, std::nullopt);
    texts.first.from = "1000";
    texts.first.to = "2000";
    texts.requiredFaceQuantity = "21.189"; // kcfm: 10 m³/s
    const auto read = readStudyForm(*imperial, texts);
    ASSERT_TRUE(std::holds_alternative<StudyRequest>(read));
    const StudyRequest& request = std::get<StudyRequest>(read);
    EXPECT_NEAR(request.first.from, 304.8, 0.1); // 1,000 ft
    EXPECT_NEAR(*request.requiredFaceQuantity, 10.0, 1e-3);
}

TEST(StudyForm, RefusalsNameTheBoxToMend) {
    const auto boosters = example("boosters.json");
    struct Case {
        void (*edit)(StudyFormTexts&);
        Box box;
        const char* words;
    };
    for (const Case& c : {
             Case{[](StudyFormTexts& t) { t.first.from = "1,5"; }, kFirstFrom,
                  "Enter a number for From"},
             Case{[](StudyFormTexts& t) { t.first.steps = "2.5"; }, kFirstSteps, "Steps"},
             Case{[](StudyFormTexts& t) { t.first.steps = "0"; }, kFirstFrom, "at least 1 step"},
             Case{[](StudyFormTexts& t) { t.requiredFaceQuantity = "x"; }, kRequired,
                  "Required face quantity"},
             Case{[](StudyFormTexts& t) { t.requiredFaceQuantity = "-2"; }, kRequired,
                  "must be above 0"},
             Case{[](StudyFormTexts& t) {
                      t.useSecond = true;
                      t.second.from = "-1";
                  },
                  kSecondFrom, "\"ductDiameter\" reaches -1"},
         }) {
        StudyFormTexts texts = defaultStudyForm(*boosters, std::nullopt);
        c.edit(texts);
        const auto read = readStudyForm(*boosters, texts);
        ASSERT_TRUE(std::holds_alternative<PageFault>(read)) << c.words;
        EXPECT_EQ(std::get<PageFault>(read).control, c.box) << c.words;
        EXPECT_THAT(std::get<PageFault>(read).message, HasSubstr(c.words));
    }
}

} // namespace
} // namespace flowmar
