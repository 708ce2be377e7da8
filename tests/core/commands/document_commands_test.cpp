#include "core/commands/document_commands.h"
#include "core/input/graph_options.h"
#include "core/model/flowmar_doc.h"
#include "core/model/string_table.h"
#include "core/model/units.h"
#include "support/fake_ui_port.h"
#include "support/models.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace flowmar {
namespace {

using testing::FakeUiPort;

TEST(NewDocument, ImperialChoiceGivesImperialDefaults) {
    CFlowmarDoc doc;
    FakeUiPort port;
    port.onSelectUnits = [](int shown) {
        EXPECT_EQ(shown, kSI);
        return kImperial;
    };
    initialiseNewDocument(doc, port);
    EXPECT_EQ(doc.unitSystem, kImperial);
    EXPECT_EQ(doc.frictionFactor, 0.0018552875695732839);
    EXPECT_NEAR(toShown(Quantity::FrictionFactor, doc.frictionFactor, kImperial), 10.0, 1e-12);
    EXPECT_EQ(doc.leakageResistance100, -1);
    EXPECT_EQ(doc.diameterPresets, (std::array<std::string, 4>{"24", "36", "40", "48"}));
    EXPECT_EQ(doc.frictionFactorPresets, (std::array<std::string, 4>{"10", "15", "20", "25"}));
    EXPECT_EQ(doc.ductLength, 0);
    EXPECT_EQ(doc.ductDiameter, 0);
}

TEST(NewDocument, SIChoiceKeepsTheDefaults) {
    CFlowmarDoc doc;
    FakeUiPort port; // OK without a click returns the value it was opened with
    initialiseNewDocument(doc, port);
    EXPECT_EQ(doc.unitSystem, kSI);
    EXPECT_EQ(doc.leakageResistance100, 10000);
    EXPECT_EQ(doc.diameterPresets[0], "0.7");
    EXPECT_EQ(port.dialogs, (std::vector<Dialog>{Dialog::SelectUnits}));
}

TEST(DuctDetailsCommand, ImperialLeakageMarkerShowsAs2500AndComesBackAs259) {
    CFlowmarDoc doc;
    doc.unitSystem = kImperial;
    doc.leakageResistance100 = -1;
    FakeUiPort port;
    double shownLeakage = 0;
    port.onDuctDetails = [&](DuctDetailsValues& v) {
        shownLeakage = v.leakageResistance100;
        return true;
    };
    ASSERT_TRUE(runDuctDetailsCommand(doc, port));
    EXPECT_EQ(shownLeakage, 2500);
    EXPECT_EQ(doc.leakageResistance100, 259);
    EXPECT_TRUE(doc.isModified());
}

TEST(DuctDetailsCommand, ImperialValuesAreShownConvertedAndStoredInSI) {
    CFlowmarDoc doc;
    doc.unitSystem = kImperial;
    doc.ductLength = 30.48;
    doc.ductDiameter = 0.6096;
    doc.zoneStart[2] = 30.48;
    doc.zoneDiameter[2] = 0.6096;
    doc.zonesOff = 0;
    FakeUiPort port;
    port.onDuctDetails = [&](DuctDetailsValues& v) {
        EXPECT_DOUBLE_EQ(v.ductLength, 100.0);
        EXPECT_DOUBLE_EQ(v.ductDiameter, 24.0);
        EXPECT_DOUBLE_EQ(v.zones[2].start, 100.0);
        EXPECT_DOUBLE_EQ(v.zones[2].diameter, 24.0);
        EXPECT_DOUBLE_EQ(v.leakageResistance100, 96250.0);
        EXPECT_EQ(v.applyZones, 1);
        EXPECT_EQ(v.autoTransitionLosses, 0);
        v.ductLength = 200;
        v.frictionFactor = 20;
        v.applyZones = 0;
        v.autoTransitionLosses = 1;
        return true;
    };
    runDuctDetailsCommand(doc, port);
    EXPECT_DOUBLE_EQ(doc.ductLength, 60.96);
    EXPECT_DOUBLE_EQ(doc.frictionFactor, 20 / (5.39e-7 * 1e10));
    EXPECT_EQ(doc.frictionFactorUsed, doc.frictionFactor);
    EXPECT_EQ(doc.zonesOff, 1);
    EXPECT_EQ(doc.autoTransitionOff, 0);
    EXPECT_EQ(doc.zonesAppliedShown, 0);
    EXPECT_EQ(doc.autoTransitionShown, 1);
    EXPECT_EQ(doc.leakageResistance100, 10000);
}

TEST(DuctDetailsCommand, CancelTakesNothingBackButMarksModified) {
    CFlowmarDoc doc;
    doc.ductLength = 500;
    FakeUiPort port;
    port.onDuctDetails = [](DuctDetailsValues& v) {
        v.ductLength = 1;
        return false;
    };
    int updates = 0;
    const auto token = doc.observers().subscribe(
        [&](DocumentEvent e) { updates += e == DocumentEvent::ViewsNeedUpdate; });
    EXPECT_FALSE(runDuctDetailsCommand(doc, port));
    EXPECT_EQ(doc.ductLength, 500);
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(updates, 0);
}

TEST(ShockLossesCommand, DistancesAndFixedResistancesConvertBothWays) {
    CFlowmarDoc doc;
    doc.unitSystem = kImperial;
    doc.screenDistance[3] = 30.48;
    doc.fixedResistanceValue[20] = 10;
    doc.damperText[5] = "30";
    FakeUiPort port;
    port.onShockLosses = [](ShockLossValues& v) {
        EXPECT_DOUBLE_EQ(v.rows[3].screenDistance, 100.0);
        EXPECT_DOUBLE_EQ(v.rows[20].fixedResistanceValue, 8.942);
        EXPECT_EQ(v.rows[5].damperText, "30");
        v.rows[4].smoothElbowDistance = 50;
        v.rows[4].smoothElbowFactor = 0.3;
        return true;
    };
    ASSERT_TRUE(runShockLossesCommand(doc, port));
    EXPECT_DOUBLE_EQ(doc.screenDistance[3], 30.48);
    EXPECT_DOUBLE_EQ(doc.fixedResistanceValue[20], 10);
    EXPECT_DOUBLE_EQ(doc.smoothElbowDistance[4], 15.24);
    EXPECT_EQ(doc.smoothElbowFactor[4], 0.3);
}

TEST(FixedQuantityTool, CancelKeepsTheModeButSetsTheApplyBoxFromIt) {
    CFlowmarDoc doc;
    doc.solutionMode = kFanMode;
    doc.fixedQuantityApplied = 1;
    FakeUiPort port;
    EXPECT_FALSE(runFixedQuantityToolCommand(doc, port));
    EXPECT_EQ(doc.solutionMode, kFanMode);
    EXPECT_EQ(doc.fixedQuantityApplied, 0);
    EXPECT_TRUE(doc.isModified());
}

TEST(FixedQuantityTool, ApplyingSwitchesToFixedQuantityModeInShownUnits) {
    CFlowmarDoc doc;
    doc.unitSystem = kImperial;
    doc.fixedQuantity = 10;
    doc.fixedQuantityLocation = -3;
    FakeUiPort port;
    port.onFixedQuantity = [](FixedQuantityValues& v) {
        EXPECT_EQ(v.applied, 0);
        EXPECT_DOUBLE_EQ(v.fixedQuantity, 21.189);
        EXPECT_EQ(v.location, kLocationFace) << "a negative location opens as Face";
        v.applied = 1;
        v.fixedQuantity = 42.378;
        v.location = kLocationFanSource;
        return true;
    };
    ASSERT_TRUE(runFixedQuantityToolCommand(doc, port));
    EXPECT_EQ(doc.solutionMode, kFixedQuantityMode);
    EXPECT_EQ(doc.fixedQuantityApplied, 1);
    EXPECT_DOUBLE_EQ(doc.fixedQuantity, 20);
    EXPECT_EQ(doc.fixedQuantityLocation, kLocationFanSource);

    port.onFixedQuantity = [](FixedQuantityValues& v) {
        EXPECT_EQ(v.applied, 1);
        v.applied = 0;
        return true;
    };
    runFixedQuantityToolCommand(doc, port);
    EXPECT_EQ(doc.solutionMode, kFanMode);
}

TEST(FixedQuantityTool, QuantityRangeIsInclusive) {
    EXPECT_TRUE(fixedQuantityInRange(1e-7));
    EXPECT_TRUE(fixedQuantityInRange(800));
    EXPECT_FALSE(fixedQuantityInRange(800.0001));
    EXPECT_FALSE(fixedQuantityInRange(0));
    EXPECT_FALSE(fixedQuantityInRange(std::nan("")));
}

} // namespace
} // namespace flowmar

namespace flowmar {
namespace {

using testing::FakeUiPort;

TEST(UnitConversion, SwitchingBackAndForthChangesNoStoredBit) {
    CFlowmarDoc doc = testing::ductModel(1234.5, 0.76);
    testing::addTypicalFan(doc, 0);
    doc.fixedQuantity = 7.7;
    const CFlowmarDoc before = doc;
    FakeUiPort port;
    int updates = 0;
    const auto token = doc.observers().subscribe(
        [&](DocumentEvent e) { updates += e == DocumentEvent::ViewsNeedUpdate; });
    port.onSelectUnits = [](int current) { return current == kSI ? kImperial : kSI; };
    EXPECT_TRUE(runUnitConversionCommand(doc, port));
    EXPECT_EQ(doc.unitSystem, kImperial);
    EXPECT_EQ(doc.diameterPresets, before.diameterPresets) << "presets keep their numbers";
    EXPECT_TRUE(runUnitConversionCommand(doc, port));
    EXPECT_EQ(doc.unitSystem, kSI);
    EXPECT_EQ(std::memcmp(&doc.ductLength, &before.ductLength, sizeof(double)), 0);
    EXPECT_EQ(doc.fanCurvePressure, before.fanCurvePressure);
    EXPECT_EQ(doc.fixedQuantity, before.fixedQuantity);
    EXPECT_EQ(doc.leakageResistance100, before.leakageResistance100);
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(updates, 2);
    ASSERT_EQ(port.messages.size(), 2u);
    EXPECT_EQ(port.messages[0], loadString(strings::kUnitsChangedDuct));

    port.onSelectUnits = [](int current) { return current; };
    EXPECT_FALSE(runUnitConversionCommand(doc, port));
    EXPECT_EQ(port.messages.size(), 2u) << "no change, no message";
}

TEST(Notepad, StoresTheTextOnOkOnly) {
    CFlowmarDoc doc;
    doc.notepadText = "old";
    FakeUiPort port;
    port.onNotepad = [](std::string& text) {
        EXPECT_EQ(text, "old");
        text = "Face at 1.2 km";
        return false;
    };
    runNotepadCommand(doc, port);
    EXPECT_EQ(doc.notepadText, "old");
    EXPECT_TRUE(doc.isModified());
    port.onNotepad = [](std::string& text) {
        text = "Face at 1.2 km";
        return true;
    };
    runNotepadCommand(doc, port);
    EXPECT_EQ(doc.notepadText, "Face at 1.2 km");
}

TEST(Notepad, HoldsAThousandCharactersNotBytes) {
    std::string text;
    for (int i = 0; i < 1000; ++i) {
        text += "³"; // two bytes each
    }
    EXPECT_TRUE(notepadTextFits(text));
    EXPECT_FALSE(notepadTextFits(text + "x"));
}

TEST(GraphOptions, StoresAllEightAndUpdatesTheViews) {
    CFlowmarDoc doc;
    FakeUiPort port;
    int updates = 0;
    const auto token = doc.observers().subscribe(
        [&](DocumentEvent e) { updates += e == DocumentEvent::ViewsNeedUpdate; });
    port.onGraphOptions = [](GraphOptions& o) {
        EXPECT_EQ(o, GraphOptions{});
        o = {0, 0, 0, 0, 0, 0, 0, 2};
        return true;
    };
    runGraphOptionsCommand(doc, port);
    EXPECT_EQ(graphOptionsOf(doc), (GraphOptions{0, 0, 0, 0, 0, 0, 0, 2}));
    EXPECT_EQ(updates, 1);
}

} // namespace
} // namespace flowmar
