#include "core/commands/fan_commands.h"
#include "core/engine/execute.h"
#include "core/fans/duct_fan.h"
#include "core/files/model_file.h"
#include "core/model/flowmar_doc.h"
#include "core/model/messages.h"
#include "core/model/units.h"
#include "support/fake_ui_port.h"
#include "support/models.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace flowmar {
namespace {

using testing::FakeUiPort;

// An Add/Edit Fan dialog that enters a two-point curve fan at the given distance.
bool enterCurveFan(AddFanValues& v, double distance) {
    v.distance = distance;
    v.curve.pointCount = 2;
    v.curve.points[1] = {2000, 10, 70};
    v.curve.points[2] = {1000, 20, 60};
    v.curve.points[3] = {0, 30, 50};
    return true;
}

TEST(AddFan, StoresInSIAndDistanceZeroJustInsideTheDuct) {
    CFlowmarDoc doc;
    doc.unitSystem = kImperial;
    FakeUiPort port;
    port.onAddEditFan = [](AddFanValues& v) {
        EXPECT_EQ(v.unitSystem, kImperial);
        return enterCurveFan(v, 0);
    };
    runAddFanCommand(doc, port);
    ASSERT_EQ(doc.fanCount, 1);
    EXPECT_EQ(doc.fanDistance[1], 0.00001);
    EXPECT_DOUBLE_EQ(doc.fanCurvePressure[1][1], 2000 / 0.0040147);
    EXPECT_DOUBLE_EQ(doc.fanCurveQuantity[2][1], 20 * 1000 / 2118.9);
    EXPECT_EQ(doc.fanCurvePointCount[1], 2);
    EXPECT_EQ(doc.fanHasCurve[1], 1);
    EXPECT_EQ(doc.fanFixedPressureFlag[1], 0);
    EXPECT_TRUE(doc.isModified());
    EXPECT_TRUE(port.messages.empty());
}

TEST(AddFan, CancelLeavesTheCount) {
    CFlowmarDoc doc = testing::ductModel();
    testing::addTypicalFan(doc, 100);
    FakeUiPort port;
    runAddFanCommand(doc, port);
    EXPECT_EQ(doc.fanCount, 1);
    EXPECT_EQ(port.dialogs, (std::vector<Dialog>{Dialog::AddEditFan}));
}

TEST(AddFan, RefusedEntryReopensWithTheValuesJustStored) {
    CFlowmarDoc doc;
    FakeUiPort port;
    int opening = 0;
    port.onAddEditFan = [&](AddFanValues& v) {
        switch (++opening) {
        case 1: // tagged fixed without a pressure
            v.useFixedPressure = 1;
            v.distance = 50;
            return true;
        case 2: // untagged without a curve
            EXPECT_EQ(v.distance, 50) << "the values just stored";
            EXPECT_EQ(v.useFixedPressure, 1);
            v.useFixedPressure = 0;
            return true;
        case 3:
            v.useFixedPressure = 1;
            v.fixedPressure = 1500;
            return true;
        default:
            return false;
        }
    };
    runAddFanCommand(doc, port);
    EXPECT_EQ(port.messages,
              (std::vector<std::string>{std::string(messages::kFixedPressureWithoutValue),
                                        std::string(messages::kCurveFanWithoutCurve)}));
    EXPECT_EQ(doc.fanCount, 1);
    EXPECT_EQ(doc.fanFixedPressure[1], 1500);
    EXPECT_EQ(doc.fanFixedPressureFlag[1], 1);
    EXPECT_EQ(doc.fanEditMode, 0);
}

TEST(AddFan, TheHundredAndFirstFanIsRefused) {
    CFlowmarDoc doc;
    doc.fanCount = kMaxFans;
    FakeUiPort port;
    port.onAddEditFan = [](AddFanValues& v) { return enterCurveFan(v, 10); };
    runAddFanCommand(doc, port);
    EXPECT_EQ(doc.fanCount, kMaxFans);
    EXPECT_EQ(port.messages, (std::vector<std::string>{std::string(messages::kTooManyFans)}));
    EXPECT_TRUE(std::find(port.dialogs.begin(), port.dialogs.end(), Dialog::AddEditFan) ==
                port.dialogs.end());
}

TEST(EditFan, OnAModelWithoutFansDoesNothing) {
    CFlowmarDoc doc;
    FakeUiPort port;
    port.onFanNumber = [](FanNumberDialog, int& n) {
        n = 1;
        return true;
    };
    runEditFanCommand(doc, port);
    EXPECT_TRUE(port.messages.empty());
    EXPECT_EQ(port.dialogs, (std::vector<Dialog>{Dialog::EditFan}));
}

TEST(EditFan, UnknownNumberIsReportedAndCancelKeepsTheFan) {
    CFlowmarDoc doc = testing::ductModel();
    testing::addTypicalFan(doc, 100);
    testing::addTypicalFan(doc, 200);
    const DuctFan second = ductFanOf(doc, 2);
    FakeUiPort port;
    int number = 3;
    port.onFanNumber = [&](FanNumberDialog dialog, int& n) {
        EXPECT_EQ(dialog, FanNumberDialog::EditFan);
        EXPECT_EQ(n, 0);
        n = number;
        return true;
    };
    runEditFanCommand(doc, port);
    EXPECT_EQ(port.messages,
              (std::vector<std::string>{std::string(messages::kFanNumberDoesNotExist)}));
    EXPECT_EQ(port.messageIcons, std::vector<MessageIcon>{MessageIcon::Warning})
        << "a refusal is a warning";

    number = 2;
    port.onAddEditFan = [](AddFanValues& v) {
        EXPECT_DOUBLE_EQ(v.distance, 200);
        v.distance = 999;
        return false;
    };
    runEditFanCommand(doc, port);
    EXPECT_EQ(ductFanOf(doc, 2), second);
    EXPECT_EQ(doc.fanCount, 2);
    EXPECT_EQ(doc.fanEditMode, 0);
}

TEST(EditFan, StoresTheEditedFanInPlace) {
    CFlowmarDoc doc = testing::ductModel();
    testing::addTypicalFan(doc, 100);
    testing::addTypicalFan(doc, 200);
    FakeUiPort port;
    port.onFanNumber = [](FanNumberDialog, int& n) {
        n = 1;
        return true;
    };
    port.onAddEditFan = [](AddFanValues& v) {
        v.distance = 150;
        return true;
    };
    runEditFanCommand(doc, port);
    EXPECT_EQ(doc.fanCount, 2);
    EXPECT_EQ(doc.fanDistance[1], 150);
    EXPECT_EQ(doc.fanDistance[2], 200);
    EXPECT_EQ(doc.fanEditIndex, 1);
}

TEST(DeleteFan, LaterFansMoveDownWithTheirSettings) {
    CFlowmarDoc doc = testing::ductModel();
    testing::addTypicalFan(doc, 100);
    testing::addTypicalFan(doc, 200);
    testing::addFixedPressureFan(doc, 300, 1200);
    const DuctFan third = ductFanOf(doc, 3);
    FakeUiPort port;
    port.onFanNumber = [](FanNumberDialog dialog, int& n) {
        EXPECT_EQ(dialog, FanNumberDialog::DeleteFan);
        n = 2;
        return true;
    };
    runDeleteFanCommand(doc, port);
    EXPECT_EQ(doc.fanCount, 2);
    EXPECT_EQ(ductFanOf(doc, 2), third);
    EXPECT_EQ(doc.fanFixedPressureFlag[2], 1);
    EXPECT_EQ(ductFanOf(doc, 3), DuctFan{}) << "the empty place after the last fan moved down";
}

TEST(DeleteFan, FullTableEmptiesTheLastPlaceAndANumberBeyondDeletesNothing) {
    CFlowmarDoc doc = testing::ductModel();
    for (int i = 1; i <= kMaxFans; ++i) {
        testing::addFixedPressureFan(doc, i, 100.0 * i);
    }
    FakeUiPort port;
    int number = 1;
    port.onFanNumber = [&](FanNumberDialog, int& n) {
        n = number;
        return true;
    };
    runDeleteFanCommand(doc, port);
    EXPECT_EQ(doc.fanCount, 99);
    EXPECT_EQ(doc.fanFixedPressure[1], 200);
    EXPECT_EQ(doc.fanFixedPressure[99], 10000);
    EXPECT_EQ(ductFanOf(doc, 100), DuctFan{});
    number = 100;
    runDeleteFanCommand(doc, port);
    EXPECT_EQ(doc.fanCount, 99);
    EXPECT_EQ(port.messages.back(), "There is no fan 100; there are only 99 fans.");
}

// A number beyond the fans there are deletes nothing and says how many there are; the dialog
// itself allows every number from 1 to 100.
TEST(DeleteFan, NumberBeyondTheCountIsNamedWithTheCount) {
    struct Case {
        const char* why;
        int fans;
        int number;
        const char* message;
    };
    const Case cases[] = {
        {"one beyond the last", 3, 4, "There is no fan 4; there are only 3 fans."},
        {"a single fan", 1, 2, "There is no fan 2; there is only 1 fan."},
        {"no fans at all", 0, 1, "There is no fan 1; there are no fans."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        CFlowmarDoc doc = testing::ductModel();
        for (int i = 1; i <= c.fans; ++i) {
            testing::addFixedPressureFan(doc, 100.0 * i, 1000);
        }
        const CFlowmarDoc before = doc;
        FakeUiPort port;
        port.onFanNumber = [&](FanNumberDialog, int& n) {
            n = c.number;
            return true;
        };
        runDeleteFanCommand(doc, port);
        EXPECT_EQ(port.messages, std::vector<std::string>{c.message});
        EXPECT_EQ(doc.fanCount, c.fans);
        for (int i = 1; i <= c.fans + 1; ++i) {
            EXPECT_EQ(ductFanOf(doc, i), ductFanOf(before, i));
        }
    }
}

TEST(SortFans, RenumbersByDistanceKeepingEachFansData) {
    CFlowmarDoc doc = testing::ductModel();
    testing::addFixedPressureFan(doc, 300, 3000);
    testing::addTypicalFan(doc, 100);
    testing::addFixedPressureFan(doc, 200, 2000);
    doc.fanManufacturer[2] = "Quarry Fans";
    doc.results.fanPressure[1] = 42; // the 300 m fan's result moves with it
    sortFans(doc);
    EXPECT_EQ(doc.fanDistance[1], 100);
    EXPECT_EQ(doc.fanManufacturer[1], "Quarry Fans");
    EXPECT_EQ(doc.fanCurvePointCount[1], 4);
    EXPECT_EQ(doc.fanFixedPressure[2], 2000);
    EXPECT_EQ(doc.fanFixedPressure[3], 3000);
    EXPECT_EQ(doc.results.fanPressure[3], 42);
    EXPECT_EQ(doc.results.fanPressure[1], 0);
    EXPECT_FALSE(doc.isModified());
}

TEST(SortFans, EqualDistancesMayChangeOrder) {
    // A at 5 m, B at 5 m, C at 1 m end as C, B, A.
    CFlowmarDoc doc = testing::ductModel();
    for (const auto& [distance, name] : {std::pair{5.0, "A"}, {5.0, "B"}, {1.0, "C"}}) {
        testing::addFixedPressureFan(doc, distance, 100);
        doc.fanModel[doc.fanCount] = name;
    }
    sortFans(doc);
    EXPECT_EQ(doc.fanModel[1], "C");
    EXPECT_EQ(doc.fanModel[2], "B");
    EXPECT_EQ(doc.fanModel[3], "A");
}

// After a sort every fan keeps its own operating point: on the boosters example with fan 3 moved
// to 500 m, the results of the last Execute match, fan by fan, those of the sorted model run again.
TEST(SortFans, EachFanTakesItsOwnResults) {
    FileRead<CFlowmarDoc> read = readModelFile(std::string(FLOWMAR_EXAMPLES) + "/boosters.dct");
    ASSERT_TRUE(read.ok());
    CFlowmarDoc& doc = *read.document;
    ASSERT_GE(doc.fanCount, 3);
    doc.fanDistance[3] = 500;
    ASSERT_TRUE(Execute(doc));
    sortFans(doc);
    ASSERT_LT(doc.fanDistance[1], doc.fanDistance[2]);
    CFlowmarDoc again = doc;
    ASSERT_TRUE(Execute(again));
    for (int i = 1; i <= doc.fanCount; ++i) {
        SCOPED_TRACE("fan " + std::to_string(i));
        const DuctResults& r = doc.results;
        const DuctResults& fresh = again.results;
        EXPECT_EQ(r.fanSegment[i], fresh.fanSegment[i]);
        EXPECT_EQ(r.fanUsesCurve[i], fresh.fanUsesCurve[i]);
        EXPECT_EQ(r.fanUsesFixedPressure[i], fresh.fanUsesFixedPressure[i]);
        EXPECT_NEAR(r.fanPressure[i], fresh.fanPressure[i], 1e-6 * std::abs(fresh.fanPressure[i]));
        EXPECT_NEAR(r.fanEfficiency[i], fresh.fanEfficiency[i], 1e-6);
        EXPECT_EQ(r.fanOffCurve[i], fresh.fanOffCurve[i]);
    }
}

} // namespace
} // namespace flowmar
