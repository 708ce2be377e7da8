#include "core/commands/fan_database_commands.h"
#include "core/fans/fan_database_doc.h"
#include "core/model/messages.h"
#include "core/model/string_table.h"
#include "core/model/units.h"
#include "support/fake_ui_port.h"

#include <gtest/gtest.h>

namespace flowmar {
namespace {

using testing::FakeUiPort;

// A two-point curve typed in the editor's units (4 and 8 in.w.g. in Imperial).
void typeGoodCurve(CurveEditorValues& e) {
    const bool si = e.unitSystem == kSI;
    e.manufacturer = "Quarry Fans";
    e.model = "QF-900";
    e.curveDensity = si ? 1.2 : 0.075;
    e.rows[1] = {si ? 1000.0 : 4.0, 20, 60, 0};
    e.rows[2] = {si ? 2000.0 : 8.0, 10, 70, 0};
}

TEST(FanDatabase, NewDatabaseTakesTheChosenUnits) {
    CFanDatabaseDoc db;
    FakeUiPort port;
    port.onSelectUnits = [](int shown) {
        EXPECT_EQ(shown, kSI);
        return kImperial;
    };
    initialiseNewDatabase(db, port);
    EXPECT_EQ(db.unitSystem, kImperial);
}

TEST(FanDatabase, AddFanStoresANormalisedCurveInSI) {
    CFanDatabaseDoc db;
    db.unitSystem = kImperial;
    FakeUiPort port;
    int openings = 0;
    port.onCurveEditor = [&](CurveEditorValues& e) {
        EXPECT_EQ(e.unitSystem, kImperial);
        typeGoodCurve(e);
        return ++openings == 1;
    };
    runDatabaseAddFanCommand(db, port);
    ASSERT_EQ(db.fanCount, 1);
    EXPECT_EQ(openings, 1) << "the curve passed at once";
    const FanCurve& fan = db.fans[1];
    EXPECT_EQ(fan.pointCount, 2);
    EXPECT_DOUBLE_EQ(fan.points[1].pressure, 8 / 0.0040147) << "sorted, in Pa";
    EXPECT_DOUBLE_EQ(fan.curveDensity, 0.075 / 0.06242796);
    EXPECT_EQ(fan.points[3].pressure, 0);
    EXPECT_GT(fan.points[3].quantity, fan.points[2].quantity) << "free delivery";
    EXPECT_TRUE(db.isModified());
}

TEST(FanDatabase, RefusedCurveReopensAndCancelDropsTheNewFan) {
    CFanDatabaseDoc db;
    FakeUiPort port;
    int opening = 0;
    port.onCurveEditor = [&](CurveEditorValues& e) {
        if (++opening == 1) {
            e.rows[1] = {2000, 10, 70, 0}; // one point only
            return true;
        }
        EXPECT_EQ(e.rows[1].pressure, 2000) << "re-opened as typed";
        return false;
    };
    runDatabaseAddFanCommand(db, port);
    EXPECT_EQ(opening, 2);
    EXPECT_EQ(db.fanCount, 0);
    EXPECT_EQ(db.fans[1], FanCurve{}) << "nothing typed is left in the place after the last fan";
    EXPECT_EQ(port.messages, (std::vector<std::string>{std::string(messages::kCurveTooFewPoints)}));
}

TEST(FanDatabase, EditingWithACurveErrorThenCancelKeepsTheCount) {
    CFanDatabaseDoc db;
    FakeUiPort port;
    port.onCurveEditor = [](CurveEditorValues& e) {
        typeGoodCurve(e);
        return true;
    };
    runDatabaseAddFanCommand(db, port);
    runDatabaseAddFanCommand(db, port);
    ASSERT_EQ(db.fanCount, 2);
    port.onFanNumber = [](FanNumberDialog, int& n) {
        n = 2;
        return true;
    };
    int opening = 0;
    port.onCurveEditor = [&](CurveEditorValues& e) {
        if (++opening == 1) {
            EXPECT_EQ(e.rows[1].pressure, 2000) << "the stored curve, shown";
            e.rows[3] = {500, 25, 101, 0}; // rule 6
            return true;
        }
        return false;
    };
    const FanCurve before = db.fans[2];
    runDatabaseEditFanCommand(db, port);
    EXPECT_EQ(opening, 2);
    EXPECT_EQ(db.fanCount, 2);
    EXPECT_EQ(db.fans[2], before) << "the fan keeps its curve until a curve passes";
    EXPECT_EQ(db.editInProgress, 0);
    EXPECT_EQ(db.lastEditedFan, 2);
}

TEST(FanDatabase, EditUnknownNumberAndEmptyDatabase) {
    CFanDatabaseDoc db;
    FakeUiPort port;
    port.onFanNumber = [](FanNumberDialog, int& n) {
        n = 4;
        return true;
    };
    runDatabaseEditFanCommand(db, port);
    EXPECT_TRUE(port.messages.empty()) << "an empty database says nothing";
    db.fanCount = 3;
    runDatabaseEditFanCommand(db, port);
    EXPECT_EQ(port.messages,
              (std::vector<std::string>{std::string(messages::kFanNumberDoesNotExist)}));
    EXPECT_EQ(port.messageIcons, std::vector<MessageIcon>{MessageIcon::Warning})
        << "a refusal is a warning";
}

TEST(FanDatabase, HundredAndFirstFanIsRefused) {
    CFanDatabaseDoc db;
    db.fanCount = kMaxDatabaseFans;
    FakeUiPort port;
    runDatabaseAddFanCommand(db, port);
    EXPECT_EQ(db.fanCount, kMaxDatabaseFans);
    EXPECT_EQ(port.messages,
              (std::vector<std::string>{std::string(messages::kTooManyDatabaseFans)}));
    EXPECT_TRUE(db.isModified());
}

TEST(FanDatabase, DeleteMovesLaterFansDown) {
    CFanDatabaseDoc db;
    db.fanCount = 3;
    for (int i = 1; i <= 3; ++i) {
        db.fans[i].model = "F" + std::to_string(i);
        db.fans[i].pointCount = i + 1;
    }
    FakeUiPort port;
    int number = 2;
    port.onFanNumber = [&](FanNumberDialog, int& n) {
        n = number;
        return true;
    };
    runDatabaseDeleteFanCommand(db, port);
    EXPECT_EQ(db.fanCount, 2);
    EXPECT_EQ(db.fans[2].model, "F3");
    EXPECT_EQ(db.fans[2].pointCount, 4);
    number = 7;
    runDatabaseDeleteFanCommand(db, port);
    EXPECT_EQ(db.fanCount, 2);
}

TEST(FanDatabase, UnitConversionChangesOnlyTheFlag) {
    CFanDatabaseDoc db;
    db.fanCount = 1;
    db.fans[1].points[1] = {1000, 10, 50};
    const auto before = db.fans;
    FakeUiPort port;
    port.onSelectUnits = [](int) { return kImperial; };
    runDatabaseUnitConversionCommand(db, port);
    EXPECT_EQ(db.unitSystem, kImperial);
    EXPECT_EQ(db.fans, before);
    EXPECT_FALSE(db.isModified());
    EXPECT_EQ(port.messages,
              (std::vector<std::string>{std::string(loadString(strings::kUnitsChangedDatabase))}));
    runDatabaseUnitConversionCommand(db, port); // confirmed without a change
    EXPECT_EQ(port.messages.size(), 1u);
}

} // namespace
} // namespace flowmar
