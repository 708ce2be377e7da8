// What only the Summary of Results shows; what both summaries share is tested once for both in
// form_view_test.cpp.
#include "core/commands/execute_command.h"
#include "core/model/flowmar_doc.h"
#include "core/views/form_results.h"
#include "support/example_models.h"
#include "support/fake_ui_port.h"
#include "ui/views/form_results_view.h"

#include <gtest/gtest.h>

#include <string>

namespace flowmar {
namespace {

using namespace results_form;
using testing::openExample;

std::string textOf(const CFormResults& view, int id) {
    return view.controlText(id).toStdString();
}

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
    EXPECT_EQ(view.controlText(kShockFactorLabel), QStringLiteral("Total Shock Loss Factor (C)"));
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

} // namespace
} // namespace flowmar
