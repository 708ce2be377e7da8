#include "core/commands/execute_command.h"
#include "core/model/flowmar_doc.h"
#include "core/views/form_id.h"
#include "support/example_models.h"
#include "support/fake_ui_port.h"
#include "support/form_checks.h"
#include "support/models.h"
#include "ui/views/form_id_view.h"

#include <QScrollArea>
#include <QScrollBar>
#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace flowmar {
namespace {

using namespace input_form;
using testing::expectShowsFill;
using testing::openExample;

std::string textOf(const CFormID& view, int id) {
    return view.controlText(id).toStdString();
}

struct ExampleCase {
    const char* why;
    const char* file;
    friend void PrintTo(const ExampleCase& c, std::ostream* os) { *os << c.file << ": " << c.why; }
};

class FormIdOnExample : public ::testing::TestWithParam<ExampleCase> {};

TEST_P(FormIdOnExample, ShowsTheCoresTextsAndFitsThem) {
    CFlowmarDoc doc;
    ASSERT_NO_FATAL_FAILURE(openExample(GetParam().file, doc));
    CFormID view(doc);
    FormIdState state;
    expectShowsFill(view, formIdInitialUpdate(doc, state));

    view.resize(1600, 1200);
    view.show();
    testing::expectTextsFit(view);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, FormIdOnExample,
    ::testing::Values(ExampleCase{"SI, one fan", "forcing-one-fan.dct"},
                      ExampleCase{"SI with three zones shown", "zones-and-losses.dct"},
                      ExampleCase{"Imperial: inches, x 10^-10 labels", "imperial.dct"},
                      ExampleCase{"fixed quantity: NA in the fan boxes", "fixed-quantity-face.dct"},
                      ExampleCase{"exhausting", "exhausting.dct"}));

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
    EXPECT_EQ(view.templateId(), 103);
    EXPECT_EQ(view.statusCaption(), QStringLiteral("Summary of Input Data"));
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

TEST(CFormID, ScrollsWhenTheWindowIsSmallerThanTheForm) {
    CFlowmarDoc doc;
    ASSERT_NO_FATAL_FAILURE(openExample("zones-and-losses.dct", doc));
    CFormID view(doc);
    view.resize(200, 150);
    view.show();
    QApplication::processEvents();
    const auto* scroller = view.findChild<QScrollArea*>();
    ASSERT_NE(scroller, nullptr);
    EXPECT_GT(scroller->verticalScrollBar()->maximum(), 0);
    EXPECT_GT(scroller->horizontalScrollBar()->maximum(), 0);

    view.resize(1600, 1200);
    QApplication::processEvents();
    EXPECT_EQ(scroller->verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(scroller->horizontalScrollBar()->maximum(), 0);
}

} // namespace
} // namespace flowmar
