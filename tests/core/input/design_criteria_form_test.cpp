#include "core/input/design_criteria_form.h"
#include "core/model/units.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <variant>

namespace flowmar {
namespace {

using namespace design_criteria_form;
using ::testing::HasSubstr;

DesignCriteriaBoxes typed(std::initializer_list<std::pair<Box, const char*>> texts,
                          int unitSystem = kSI) {
    DesignCriteriaBoxes boxes = designCriteriaBoxes({}, unitSystem);
    for (const auto& [box, text] : texts) {
        boxes[box].text = text;
    }
    return boxes;
}

TEST(DesignCriteriaForm, EmptyBoxesLeaveEveryCriterionOpen) {
    const DesignCriteriaBoxes boxes = designCriteriaBoxes({}, kSI);
    for (const DesignCriteriaBox& box : boxes) {
        EXPECT_EQ(box.text, "") << box.label;
    }
    const auto read = readDesignCriteria(boxes, kSI);
    ASSERT_TRUE(std::holds_alternative<DesignCriteria>(read));
    EXPECT_FALSE(std::get<DesignCriteria>(read).anySet());
}

TEST(DesignCriteriaForm, ShownUnitsAndPercentagesRoundTrip) {
    DesignCriteria criteria;
    criteria.requiredFaceQuantity = 12;
    criteria.minEfficiencyFraction = 0.65;
    criteria.maxLeakageShare = 0.4;
    criteria.velocityMin = 10;
    criteria.velocityMax = 20;
    for (const int units : {kSI, kImperial}) {
        const DesignCriteriaBoxes boxes = designCriteriaBoxes(criteria, units);
        const auto read = readDesignCriteria(boxes, units);
        ASSERT_TRUE(std::holds_alternative<DesignCriteria>(read));
        const DesignCriteria& back = std::get<DesignCriteria>(read);
        EXPECT_NEAR(*back.requiredFaceQuantity, 12, 1e-4);
        EXPECT_NEAR(*back.minEfficiencyFraction, 0.65, 1e-9);
        EXPECT_NEAR(*back.velocityMax, 20, 1e-4);
    }
    EXPECT_EQ(designCriteriaBoxes(criteria, kSI)[kMinEfficiencyPercent].text, "65");
    EXPECT_THAT(designCriteriaBoxes(criteria, kImperial)[kVelocityMin].label, HasSubstr("fpm"));
    EXPECT_EQ(designCriteriaBoxes(criteria, kImperial)[kVelocityMin].text, "1968.5");
}

TEST(DesignCriteriaForm, RefusalsNameTheBox) {
    struct Case {
        DesignCriteriaBoxes boxes;
        Box box;
        const char* words;
    };
    for (const Case& c : {
             Case{typed({{kRequiredFaceQuantity, "12,5"}}), kRequiredFaceQuantity,
                  "Enter a number for Required face quantity"}, // never cut at the comma
             Case{typed({{kRequiredFaceQuantity, "0"}}), kRequiredFaceQuantity, "above 0"},
             Case{typed({{kMaxLeakagePercent, "120"}}), kMaxLeakagePercent, "from 0 to 100"},
             Case{typed({{kVelocityMax, "-1"}}), kVelocityMax, "0 or more"},
             Case{typed({{kVelocityMin, "20"}, {kVelocityMax, "10"}}), kVelocityMin,
                  "must not exceed"},
         }) {
        const auto read = readDesignCriteria(c.boxes, kSI);
        ASSERT_TRUE(std::holds_alternative<PageFault>(read)) << c.words;
        EXPECT_EQ(std::get<PageFault>(read).control, c.box);
        EXPECT_THAT(std::get<PageFault>(read).message, HasSubstr(c.words));
    }
}

} // namespace
} // namespace flowmar
