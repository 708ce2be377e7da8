// What only the Summary of Input Data shows; what both summaries share is tested once for both in
// form_view_test.cpp.
#include "core/commands/execute_command.h"
#include "core/model/flowmar_doc.h"
#include "core/views/form_id.h"
#include "support/example_models.h"
#include "support/fake_ui_port.h"
#include "support/models.h"
#include "ui/views/form_id_view.h"

#include <gtest/gtest.h>

#include <string>

namespace flowmar {
namespace {

using namespace input_form;
using testing::openExample;

std::string textOf(const CFormID& view, int id) {
    return view.controlText(id).toStdString();
}

TEST(CFormID, ShowsTheZonedModelsValuesInItsBoxes) {
    CFlowmarDoc doc;
    ASSERT_NO_FATAL_FAILURE(openExample("zones-and-losses.dct", doc));
    CFormID view(doc);
    EXPECT_EQ(textOf(view, kLengthBox), "1500.0");
    EXPECT_EQ(textOf(view, kDiameterBox), "1.0");
    EXPECT_EQ(textOf(view, kLengthLabel), "Length (m)");
    EXPECT_EQ(textOf(view, kConfigurationBox), "FORCE");
    EXPECT_EQ(textOf(view, kFanCountBox), "1");
    EXPECT_EQ(textOf(view, kLeakagePathCountBox), "99");
    EXPECT_EQ(textOf(view, kZoneStartBoxes[1]), "600.00");
    EXPECT_EQ(textOf(view, kZoneEndBoxes[1]), "900.00");
    EXPECT_EQ(textOf(view, kZoneDiameterBoxes[1]), "0.80");
    EXPECT_EQ(textOf(view, kZoneLeakageBoxes[1]), "8000");
    EXPECT_EQ(textOf(view, kZonesActiveBox), "YES");
}

TEST(CFormID, HidesTheTimesTenLabelsInSIAndShowsThemInImperial) {
    CFlowmarDoc si;
    ASSERT_NO_FATAL_FAILURE(openExample("forcing-one-fan.dct", si));
    CFlowmarDoc imperial;
    ASSERT_NO_FATAL_FAILURE(openExample("imperial.dct", imperial));
    const CFormID siView(si);
    const CFormID imperialView(imperial);
    for (const int label : kTimesTenToMinusTenLabels) {
        ASSERT_NE(siView.control(label), nullptr) << label;
        EXPECT_TRUE(siView.control(label)->isHidden()) << label;
        EXPECT_FALSE(imperialView.control(label)->isHidden()) << label;
        EXPECT_EQ(imperialView.controlText(label), QStringLiteral("x 10^-10"));
    }
    EXPECT_TRUE(siView.control(kTimesTenToMinusNineLabel)->isHidden());
    EXPECT_TRUE(imperialView.control(kTimesTenToMinusNineLabel)->isHidden());
    EXPECT_EQ(textOf(imperialView, kLengthLabel), "Length (ft)");
    EXPECT_EQ(textOf(imperialView, kDiameterBox), "30.0"); // 0.762 m in inches
}

TEST(CFormID, RefillsWhenTheModelIsExecutedAgain) {
    CFlowmarDoc doc;
    ASSERT_NO_FATAL_FAILURE(openExample("forcing-one-fan.dct", doc));
    CFormID view(doc);
    ASSERT_EQ(textOf(view, kFanCountBox), "1");

    doc.ductLength = 2000;
    testing::addTypicalFan(doc, 800);
    testing::FakeUiPort port;
    ASSERT_TRUE(Execute(doc, port));
    EXPECT_EQ(textOf(view, kLengthBox), "2000.0");
    EXPECT_EQ(textOf(view, kFanCountBox), "2");
    EXPECT_EQ(textOf(view, kCurveFanCountBox), "2");
}

TEST(CFormID, FollowsAChangeOfUnitsOnTheNextUpdate) {
    CFlowmarDoc doc;
    ASSERT_NO_FATAL_FAILURE(openExample("forcing-one-fan.dct", doc));
    CFormID view(doc);
    doc.unitSystem = 0;
    doc.updateAllViews();
    EXPECT_EQ(textOf(view, kLengthLabel), "Length (ft)");
    EXPECT_FALSE(view.control(kTimesTenToMinusTenLabels[0])->isHidden());
}

TEST(CFormID, NewModelShowsZeroFansAndNoZones) {
    CFlowmarDoc doc; // never executed: no results
    CFormID view(doc);
    EXPECT_EQ(textOf(view, kFanCountBox), "0");
    EXPECT_EQ(textOf(view, kFixedPressureFanCountBox), "0");
    EXPECT_EQ(textOf(view, kCurveFanCountBox), "0");
    EXPECT_EQ(textOf(view, kZonesActiveBox), "NO");
    EXPECT_EQ(textOf(view, kLeakageResistanceBox), "10000");
}

} // namespace
} // namespace flowmar
