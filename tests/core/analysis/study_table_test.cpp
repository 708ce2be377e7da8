// The Study dialog's table as the core fills it: its columns for one and two inputs, with and
// without a booster pressure or a requirement, their units and decimals, and the rows of steps
// that ran and that stopped.
#include "core/analysis/study_table.h"
#include "core/model/flowmar_doc.h"
#include "core/model/number_text.h"
#include "core/model/units.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace flowmar {
namespace {

std::vector<std::string> headings(const GridContent& grid) {
    std::vector<std::string> texts;
    for (int column = 1; column <= grid.columnCount(); ++column) {
        texts.push_back(grid.shownText(0, column));
    }
    return texts;
}

StudyStep ran(double value, double face, double fanEnd, double booster) {
    StudyStep step;
    step.value = value;
    step.status = SolutionStatus::Converged;
    step.faceQuantity = face;
    step.fanEndQuantity = fanEnd;
    step.boosterPressure = booster;
    return step;
}

StudyStep stopped(double value, std::vector<std::string> messages) {
    StudyStep step;
    step.value = value;
    step.status = SolutionStatus::Stopped;
    step.messages = std::move(messages);
    return step;
}

class StudyTable : public ::testing::Test {
protected:
    StudyTable() {
        request.first.input = StudyInput::DuctLength;
        result.steps = {ran(1500, 17.546, 20.1234, 1.23456),
                        stopped(3000, {"An earlier note.", "The duct is too long."})};
    }

    CFlowmarDoc doc; // SI, fan mode
    StudyRequest request;
    StudyResult result;
};

TEST_F(StudyTable, OneInputOfAFanModelTakesFourColumnsWithTwoDecimalsOfQuantity) {
    const GridContent grid = studyTableGrid(doc, request, result);
    EXPECT_EQ(headings(grid), (std::vector<std::string>{"Duct Length (m)", "Status", "Face (m³/s)",
                                                        "Fan End (m³/s)"}));
    ASSERT_EQ(grid.rowCount(), 2);
    EXPECT_EQ(grid.shownText(1, 1), "1500");
    EXPECT_EQ(grid.shownText(1, 2), "converged");
    EXPECT_EQ(grid.cell(1, 3).decimals, 2);
    EXPECT_EQ(grid.shownText(1, 3), "17.55");
    EXPECT_EQ(grid.shownText(1, 4), "20.12");
    for (int row = 1; row <= 2; ++row) {
        for (int column = 1; column <= 4; ++column) {
            EXPECT_EQ(grid.cell(row, column).alignment, GridAlignment::Right) << row << column;
            EXPECT_TRUE(grid.cell(row, column).readOnly) << row << column;
        }
    }
}

TEST_F(StudyTable, AStoppedStepShowsItsInputAndStatusWithTheLastMessage) {
    const GridContent grid = studyTableGrid(doc, request, result);
    EXPECT_EQ(grid.shownText(2, 1), "3000");
    EXPECT_EQ(grid.shownText(2, 2), "stopped");
    EXPECT_EQ(grid.cell(2, 2).toolTip, "The duct is too long.");
    EXPECT_EQ(grid.shownText(2, 3), "");
    EXPECT_EQ(grid.shownText(2, 4), "");
    EXPECT_EQ(grid.cell(1, 2).toolTip, "") << "a step that ran has no note";
}

TEST_F(StudyTable, TwoInputsOfAFixedQuantityModelInImperialAddTheBoosterWithThreeDecimals) {
    doc.unitSystem = kImperial;
    doc.solutionMode = kFixedQuantityMode;
    StudyRange second;
    second.input = StudyInput::DuctDiameter;
    request.second = second;
    result.steps = {ran(457.2, 10, 12, 1.5)};
    result.steps[0].value2 = 0.9144;
    const GridContent grid = studyTableGrid(doc, request, result);
    EXPECT_EQ(headings(grid),
              (std::vector<std::string>{"Duct Length (ft)", "Duct Diameter (in)", "Status",
                                        "Face (kcfm)", "Fan End (kcfm)", "Booster (in.w.g.)"}));
    EXPECT_EQ(grid.shownText(1, 1), "1500");
    EXPECT_EQ(grid.shownText(1, 2), "36");
    EXPECT_EQ(grid.cell(1, 4).decimals, 2);
    EXPECT_EQ(grid.shownText(1, 4),
              formatDouble("%.2f", toShown(Quantity::AirQuantity, 10, kImperial)));
    EXPECT_EQ(grid.cell(1, 6).decimals, 3);
    EXPECT_EQ(grid.shownText(1, 6),
              formatDouble("%.3f", toShown(Quantity::BoosterPressure, 1.5, kImperial)));
}

TEST_F(StudyTable, ARequirementAddsNoColumnAndASIBoosterIsInKilopascals) {
    doc.solutionMode = kFixedQuantityMode;
    const GridContent without = studyTableGrid(doc, request, result);
    request.requiredFaceQuantity = 17;
    const GridContent with = studyTableGrid(doc, request, result);
    EXPECT_EQ(headings(with), headings(without));
    EXPECT_EQ(headings(with).back(), "Booster (kPa)");
    EXPECT_EQ(with.shownText(1, 5), "1.235");
}

} // namespace
} // namespace flowmar
