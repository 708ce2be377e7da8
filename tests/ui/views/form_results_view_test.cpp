#include "core/commands/execute_command.h"
#include "core/model/flowmar_doc.h"
#include "core/views/form_results.h"
#include "support/example_models.h"
#include "support/fake_ui_port.h"
#include "support/form_checks.h"
#include "ui/views/form_results_view.h"

#include <QScrollArea>
#include <QScrollBar>
#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace flowmar {
namespace {

using namespace results_form;
using testing::expectShowsFill;
using testing::openExample;

std::string textOf(const CFormResults& view, int id) {
    return view.controlText(id).toStdString();
}

struct ExampleCase {
    const char* why;
    const char* file;
    friend void PrintTo(const ExampleCase& c, std::ostream* os) { *os << c.file << ": " << c.why; }
};

class FormResultsOnExample : public ::testing::TestWithParam<ExampleCase> {};

TEST_P(FormResultsOnExample, ShowsTheCoresTextsAndFitsThem) {
    CFlowmarDoc doc;
    ASSERT_NO_FATAL_FAILURE(openExample(GetParam().file, doc));
    CFormResults view(doc);
    FormResultsState state;
    expectShowsFill(view, formResultsInitialUpdate(doc, state));

    view.resize(1600, 1200);
    view.show();
    testing::expectTextsFit(view);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, FormResultsOnExample,
    ::testing::Values(ExampleCase{"SI, one fan", "forcing-one-fan.dct"},
                      ExampleCase{"SI with three zones shown", "zones-and-losses.dct"},
                      ExampleCase{"Imperial units throughout", "imperial.dct"},
                      ExampleCase{"fixed quantity: a booster pressure", "fixed-quantity-face.dct"},
                      ExampleCase{"several boosters", "boosters.dct"}));

TEST(CFormResults, ShowsTheZonedModelsResultsInItsBoxes) {
    CFlowmarDoc doc;
    ASSERT_NO_FATAL_FAILURE(openExample("zones-and-losses.dct", doc));
    CFormResults view(doc);
    EXPECT_EQ(textOf(view, kAreaBox), "0.79");
    EXPECT_EQ(textOf(view, kAreaLabel), "Area (m²)");
    EXPECT_EQ(textOf(view, kMeshCountBox), "100");
    EXPECT_EQ(textOf(view, kMethodBox), "Fan");
    EXPECT_EQ(textOf(view, kBoosterPressureBox), "NA");
    EXPECT_EQ(textOf(view, kFaceQuantityBox), "7.63");
    EXPECT_EQ(textOf(view, kZoneAreaBoxes[1]), "0.50");
    EXPECT_EQ(textOf(view, kZoneLeakResistanceBoxes[1]), "355556");
    EXPECT_EQ(textOf(view, kZonesActiveBox), "YES");
    EXPECT_EQ(view.templateId(), 107);
    EXPECT_EQ(view.statusCaption(), QStringLiteral("Summary of Results"));
}

TEST(CFormResults, FixedQuantityShowsTheBoosterPressureAndNoIterations) {
    CFlowmarDoc doc;
    ASSERT_NO_FATAL_FAILURE(openExample("fixed-quantity-face.dct", doc));
    CFormResults view(doc);
    EXPECT_EQ(textOf(view, kIterationCountBox), "NA");
    EXPECT_NE(textOf(view, kBoosterPressureBox), "NA");
    EXPECT_EQ(textOf(view, kMethodBox), "Fixed Quantity");
}

TEST(CFormResults, RefillsWhenTheModelIsExecutedAgain) {
    CFlowmarDoc doc;
    ASSERT_NO_FATAL_FAILURE(openExample("forcing-one-fan.dct", doc));
    CFormResults view(doc);
    doc.ductDiameter = 2; // area π m²
    testing::FakeUiPort port;
    ASSERT_TRUE(Execute(doc, port));
    EXPECT_EQ(textOf(view, kAreaBox), "3.14");
    EXPECT_EQ(textOf(view, kPerimeterBox), "6.28");
}

TEST(CFormResults, KeepsWhatItShowedWhileTheModelHasNoResults) {
    CFlowmarDoc doc;
    ASSERT_NO_FATAL_FAILURE(openExample("zones-and-losses.dct", doc));
    CFormResults view(doc);
    doc.ductArea = 0;
    doc.unitSystem = 0;
    doc.updateAllViews();
    EXPECT_EQ(textOf(view, kAreaBox), "0.79");
    EXPECT_EQ(textOf(view, kMeshCountBox), "100");
    EXPECT_EQ(textOf(view, kAreaLabel), "Area (ft²)"); // labels always follow the units
}

TEST(CFormResults, NewModelShowsZerosInTheValueBoxes) {
    CFlowmarDoc doc;
    CFormResults view(doc);
    for (const int box : {kShockFactorBox, kAreaBox, kPerimeterBox, kTotalResistanceBox,
                          kLeakPathResistanceBox, kSegmentResistanceBox, kFaceQuantityBox,
                          kFurthestQuantityBox, kBoosterPressureBox, kSegmentLengthBox}) {
        EXPECT_EQ(textOf(view, box), "0") << box;
    }
    EXPECT_EQ(textOf(view, kZonesActiveBox), "NO");
}

TEST(CFormResults, ScrollsWhenTheWindowIsSmallerThanTheForm) {
    CFlowmarDoc doc;
    ASSERT_NO_FATAL_FAILURE(openExample("zones-and-losses.dct", doc));
    CFormResults view(doc);
    view.resize(200, 150);
    view.show();
    QApplication::processEvents();
    const auto* scroller = view.findChild<QScrollArea*>();
    ASSERT_NE(scroller, nullptr);
    EXPECT_GT(scroller->verticalScrollBar()->maximum(), 0);
    EXPECT_GT(scroller->horizontalScrollBar()->maximum(), 0);
}

} // namespace
} // namespace flowmar
