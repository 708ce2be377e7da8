#include "core/commands/fan_curve_dialogs.h"
#include "core/fans/add_fan_dialog.h"
#include "core/fans/curve_editor.h"
#include "core/model/messages.h"
#include "core/model/units.h"
#include "support/fake_ui_port.h"

#include <gtest/gtest.h>

#include <utility>
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

// A refused curve comes back to the editor exactly as typed, whichever rule refused it: all 15
// rows in the typed order, blank rows kept, texts and density kept, fan input power computed.
TEST(EditFanCurve, ReopensWithEveryRowAsTyped) {
    struct Case {
        const char* why;
        std::vector<std::pair<int, CurveEditorRow>> rows; // row number, typed values
        std::string_view message;
    };
    const std::vector<Case> cases{
        // The point count is 0 after this rule: the old loop re-opened an empty editor.
        {"one point", {{1, {2000, 10, 70, 0}}}, messages::kCurveTooFewPoints},
        // Row 15 lies far beyond the 2 complete points counted: it must come back too.
        {"efficiency on the last row",
         {{1, {1000, 20, 60, 0}}, {3, {2000, 10, 65, 0}}, {15, {0, 0, 120, 0}}},
         messages::kCurveImpossibleEfficiency},
        // Sorting happens before this check: the rows must come back unsorted.
        {"falling quantities",
         {{1, {1000, 10, 60, 0}}, {2, {2000, 20, 70, 0}}},
         messages::kCurveSequence},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        AddFanValues v;
        v.unitSystem = kSI;
        FakeUiPort port;
        std::vector<CurveEditorValues> openings;
        port.onCurveEditor = [&](CurveEditorValues& e) {
            openings.push_back(e);
            if (openings.size() > 1) {
                return false;
            }
            e.manufacturer = "Quarry Fans";
            e.curveDensity = 1.2;
            for (const auto& [row, values] : c.rows) {
                e.rows[row] = values;
            }
            return true;
        };
        editFanCurve(v, port);
        ASSERT_EQ(openings.size(), 2U);
        EXPECT_EQ(port.messages, std::vector<std::string>{std::string(c.message)});
        const CurveEditorValues& again = openings[1];
        EXPECT_EQ(again.manufacturer, "Quarry Fans");
        EXPECT_EQ(again.curveDensity, 1.2);
        for (int m = 1; m <= kFanCurvePoints; ++m) {
            CurveEditorRow typed{};
            for (const auto& [row, values] : c.rows) {
                if (row == m) {
                    typed = values;
                }
            }
            EXPECT_EQ(again.rows[m].pressure, typed.pressure) << "row " << m;
            EXPECT_EQ(again.rows[m].quantity, typed.quantity) << "row " << m;
            EXPECT_EQ(again.rows[m].efficiency, typed.efficiency) << "row " << m;
            EXPECT_DOUBLE_EQ(again.rows[m].fanInputPower, fanInputPower(typed, kSI)) << "row " << m;
        }
    }
}

// Cancel in a re-opened editor leaves the working curve as it was before "Edit Fan Curve", not
// the unvalidated rows; a curve that passes later replaces it.
TEST(EditFanCurve, TheWorkingCurveChangesOnlyWhenACurvePasses) {
    AddFanValues v;
    v.unitSystem = kSI;
    v.curve.manufacturer = "Old Fans";
    v.curve.pointCount = 2;
    v.curve.points[1] = {3000, 5, 50};
    v.curve.points[2] = {1500, 12, 60};
    const FanCurve before = v.curve;

    FakeUiPort port;
    int opening = 0;
    port.onCurveEditor = [&](CurveEditorValues& e) {
        ++opening;
        e.manufacturer = "New Fans";
        e.rows[3] = {500, 25, 101, 0}; // rule 6
        return opening == 1;
    };
    editFanCurve(v, port);
    EXPECT_EQ(opening, 2);
    EXPECT_EQ(v.curve, before) << "Cancel after a refused curve";

    port.onCurveEditor = [&](CurveEditorValues& e) {
        e.rows[3] = {500, 25, 65, 0};
        return true;
    };
    editFanCurve(v, port);
    EXPECT_EQ(v.curve.pointCount, 3);
    EXPECT_EQ(v.curve.points[3].pressure, 500);
    EXPECT_EQ(v.curve.points[4].pressure, 0) << "free delivery";
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
