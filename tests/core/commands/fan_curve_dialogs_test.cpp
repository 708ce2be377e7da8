#include "core/commands/fan_curve_dialogs.h"
#include "core/fans/add_fan_dialog.h"
#include "core/fans/curve_editor.h"
#include "core/model/messages.h"
#include "core/model/units.h"
#include "support/fake_ui_port.h"

#include <gtest/gtest.h>

#include <vector>

namespace flowmar {
namespace {

using testing::FakeUiPort;

TEST(CurveEditorUnitSystem, ComesFromTheModelOrTheFlagOrIsAskedFor) {
    testing::FakeUiPort port;
    const int imperialModel = kImperial;
    EXPECT_EQ(curveEditorUnitSystem(&imperialModel, kSI, port), kImperial);
    EXPECT_EQ(curveEditorUnitSystem(nullptr, kImperial, port), kImperial);
    EXPECT_TRUE(port.dialogs.empty());
    EXPECT_EQ(curveEditorUnitSystem(nullptr, -1, port), kSI) << "OK without a choice";
    port.onSelectUnits = [](int shown) {
        EXPECT_EQ(shown, kSI);
        return kImperial;
    };
    EXPECT_EQ(curveEditorUnitSystem(nullptr, -1, port), kImperial);
}

// Each failed curve re-opens the editor with the first pointCount rows of the working curve.
TEST(EditFanCurve, ReopensWithTheRowsTheFailedRuleLeaves) {
    AddFanValues v;
    v.unitSystem = kSI;
    FakeUiPort port;
    std::vector<int> shownRows; // complete rows shown at each opening
    int opening = 0;
    port.onCurveEditor = [&](CurveEditorValues& e) {
        int shown = 0;
        for (const CurveEditorRow& row : e.rows) {
            shown += row.pressure != 0 ? 1 : 0;
        }
        shownRows.push_back(shown);
        clearCurveEditor(e);
        switch (++opening) {
        case 1: // one point: rule 1, the editor re-opens empty
            e.rows[1] = {2000, 10, 70, 0};
            return true;
        case 2: // efficiency 120 on row 3: rule 6, the first 3 rows as typed come back
            e.rows[1] = {1000, 20, 60, 0};
            e.rows[3] = {2000, 10, 120, 0};
            e.rows[4] = {1500, 15, 65, 0};
            return true;
        case 3: // quantities falling: the sorted points come back
            e.rows[1] = {1000, 10, 60, 0};
            e.rows[2] = {2000, 20, 70, 0};
            return true;
        case 4:
            e.rows[1] = {1000, 20, 60, 0};
            e.rows[2] = {2000, 10, 70, 0};
            e.manufacturer = "Quarry Fans";
            e.curveDensity = 1.2;
            return true;
        default:
            ADD_FAILURE() << "the editor opened after a curve passed";
            return false;
        }
    };
    editFanCurve(v, port);
    EXPECT_EQ(shownRows, (std::vector<int>{0, 0, 2, 2}));
    EXPECT_EQ(port.messages,
              (std::vector<std::string>{std::string(messages::kCurveTooFewPoints),
                                        std::string(messages::kCurveImpossibleEfficiency),
                                        std::string(messages::kCurveSequence)}));
    EXPECT_EQ(port.messageIcons.at(0), MessageIcon::Warning);
    EXPECT_EQ(v.curve.pointCount, 2);
    EXPECT_EQ(v.curve.points[1].pressure, 2000);
    EXPECT_EQ(v.curve.points[3].pressure, 0) << "free delivery";
    EXPECT_DOUBLE_EQ(v.curve.points[3].quantity, 30);
    EXPECT_EQ(v.curve.manufacturer, "Quarry Fans");
}

TEST(EditFanCurve, RowsAfterTheCountAreLeftOutWhenReopened) {
    AddFanValues v;
    FakeUiPort port;
    int opening = 0;
    std::vector<double> row3Pressure;
    port.onCurveEditor = [&](CurveEditorValues& e) {
        row3Pressure.push_back(e.rows[3].pressure);
        if (++opening == 1) {
            e.rows[1] = {2000, 10, 70, 0};
            e.rows[3] = {1000, 20, 101, 0}; // rule 6: n = 2, rows 1..2 come back
            return true;
        }
        return false; // cancel keeps the curve as last copied back
    };
    editFanCurve(v, port);
    EXPECT_EQ(row3Pressure, (std::vector<double>{0, 0}));
    EXPECT_EQ(v.curve.pointCount, 2);
    EXPECT_EQ(v.curve.points[3].efficiency, 101) << "not validated, as typed";
}

TEST(EditFanCurve, CancelChangesNothing) {
    AddFanValues v;
    v.curve.pointCount = 1;
    v.curve.points[1] = {5, 5, 5};
    FakeUiPort port;
    port.onCurveEditor = [](CurveEditorValues& e) {
        clearCurveEditor(e);
        return false;
    };
    editFanCurve(v, port);
    EXPECT_EQ(v.curve.points[1], (FanCurvePoint{5, 5, 5}));
}

} // namespace
} // namespace flowmar
