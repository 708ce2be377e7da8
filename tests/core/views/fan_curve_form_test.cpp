#include "core/engine/execute.h"
#include "core/model/flowmar_doc.h"
#include "core/model/units.h"
#include "core/views/fan_curve_form.h"
#include "support/models.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace flowmar {
namespace {

using namespace fan_curve_form;

// Two fans; fan 2 at 450 m runs at 12.5 m³/s, 1800 Pa and 75 % (30 kW).
CFlowmarDoc twoFans() {
    CFlowmarDoc doc = testing::ductModel();
    testing::addTypicalFan(doc, 0);
    testing::addTypicalFan(doc, 450);
    doc.fanManufacturer[2] = "Quarrystone Fans";
    doc.fanModel[2] = "AX-900";
    doc.fanSetting[2] = "35 deg";
    doc.segmentCount = 5;
    doc.results.fanSegment[2] = 3;
    doc.results.branchFlow[8] = 12.5;
    doc.results.fanPressure[1] = 2000;
    doc.results.fanEfficiency[1] = 70;
    doc.results.fanPressure[2] = 1800;
    doc.results.fanEfficiency[2] = 75;
    doc.curveViewFan = 1;
    return doc;
}

TEST(FanCurveForm, ShowsTheSelectedFanInEachUnitSystem) {
    struct Case {
        const char* why;
        int units;
        std::map<int, std::string> expected;
    };
    const Case cases[] = {
        {"SI: pressure in kPa, power in kW",
         kSI,
         {{kManufacturer, "Quarrystone Fans"},
          {kModel, "AX-900"},
          {kSetting, "35 deg"},
          {kDistance, "450.0"},
          {kCurveDensity, "1.200"},
          {kAirDensity, "1.200"},
          {kQuantity, "12.50"},
          {kPressure, "1.80"},
          {kEfficiency, "75"},
          {kInputPower, "30.00"},
          {kDistanceUnit, "(m)"},
          {kCurveDensityUnit, "(kg/m³)"},
          {kAirDensityUnit, "(kg/m³)"},
          {kQuantityUnit, "(m³/s)"},
          {kPressureUnit, "(kPa)"},
          {kPowerUnit, "(kW)"}}},
        {"Imperial: every value converted and all six labels changed",
         kImperial,
         {{kManufacturer, "Quarrystone Fans"},
          {kModel, "AX-900"},
          {kSetting, "35 deg"},
          {kDistance, "1476.4"},
          {kCurveDensity, "0.075"},
          {kAirDensity, "0.075"},
          {kQuantity, "26.49"},
          {kPressure, "7.23"},
          {kEfficiency, "75"},
          {kInputPower, "40.23"},
          {kDistanceUnit, "(ft)"},
          {kCurveDensityUnit, "(lb/ft³)"},
          {kAirDensityUnit, "(lb/ft³)"},
          {kQuantityUnit, "(kcfm)"},
          {kPressureUnit, "(in.w.g.)"},
          {kPowerUnit, "(hp)"}}},
    };
    for (const Case& c : cases) {
        CFlowmarDoc doc = twoFans();
        doc.unitSystem = c.units;
        const FanCurveFormContent content = fanCurveFormContent(doc);
        EXPECT_EQ(content.texts, c.expected) << c.why;
        EXPECT_EQ(content.fans, (std::vector<std::string>{"Fan Number 1", "Fan Number 2"}))
            << c.why;
        EXPECT_EQ(content.fanSelection, 1) << c.why;
    }
}

TEST(FanCurveForm, FansWithoutAnOperatingPointOrEfficiency) {
    CFlowmarDoc doc = twoFans();
    doc.results.fanPressure[2] = 0;
    doc.fanFixedPressure[2] = 2200;
    FanCurveFormContent content = fanCurveFormContent(doc);
    EXPECT_EQ(content.texts[kPressure], "2.20") << "the fixed pressure instead";
    EXPECT_EQ(content.texts[kCurveDensity], "NA");
    EXPECT_EQ(content.texts[kEfficiency], "NA");
    EXPECT_EQ(content.texts[kInputPower], "NA");

    doc = twoFans();
    doc.results.fanEfficiency[2] = 0;
    content = fanCurveFormContent(doc);
    EXPECT_EQ(content.texts[kInputPower], "0") << "no power rather than an infinite one";
    EXPECT_EQ(content.texts[kEfficiency], "0");
}

TEST(FanCurveForm, EmptyWithoutFansAndAfterAFixedQuantitySolution) {
    CFlowmarDoc doc = testing::ductModel(1000, 0.9);
    testing::addTypicalFan(doc, 0);
    ASSERT_TRUE(Execute(doc));
    FanCurveFormContent content = fanCurveFormContent(doc);
    ASSERT_EQ(content.fans.size(), 1U);
    EXPECT_FALSE(content.texts[kQuantity].empty());

    doc.solutionMode = kFixedQuantityMode;
    doc.fixedQuantity = 10;
    ASSERT_TRUE(Execute(doc));
    content = fanCurveFormContent(doc);
    EXPECT_TRUE(content.fans.empty());
    EXPECT_EQ(content.fanSelection, -1);
    EXPECT_FALSE(content.texts.contains(kQuantity)) << "no stale values of the fan-mode run";
    EXPECT_EQ(content.texts[kQuantityUnit], "(m³/s)") << "the unit labels stay";

    content = fanCurveFormContent(testing::ductModel());
    EXPECT_TRUE(content.fans.empty());
    EXPECT_FALSE(content.texts.contains(kManufacturer));
}

TEST(FanCurveForm, ControlsStayInsideTheFormAndEveryBoxHasItsCaption) {
    for (const FanCurveFormControl& c : fanCurveFormControls()) {
        EXPECT_GT(c.rect.x, c.captionX) << c.caption << ": caption left of its box";
        EXPECT_LE(c.rect.x + c.rect.width, kWidth) << c.caption;
        EXPECT_LE(c.rect.y + c.rect.height, kHeight) << c.caption;
        EXPECT_FALSE(c.caption.empty());
    }
}

} // namespace
} // namespace flowmar
