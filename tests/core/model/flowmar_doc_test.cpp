#include "core/model/flowmar_doc.h"

#include <gtest/gtest.h>

#include <vector>

namespace flowmar {
namespace {

TEST(CFlowmarDoc, NewModelHasTheDefaultsOfANewDuct) {
    const CFlowmarDoc doc;
    EXPECT_EQ(doc.leakagePathCount, 99);
    EXPECT_EQ(doc.leakageResistance100, 10000);
    EXPECT_EQ(doc.airDensity, 1.2);
    EXPECT_EQ(doc.frictionFactor, 0.002);
    EXPECT_EQ(doc.ductLength, 0);
    EXPECT_EQ(doc.ductDiameter, 0);
    EXPECT_EQ(doc.fanCount, 0);
    EXPECT_EQ(doc.zonesOff, 1);
    EXPECT_EQ(doc.autoTransitionOff, 1);
    EXPECT_EQ(doc.executionMode, 1);
    EXPECT_EQ(doc.iterationLimit, 5000);
    EXPECT_EQ(doc.solutionMode, kFanMode);
    EXPECT_EQ(doc.unitSystem, 1);
    EXPECT_EQ(doc.entryTypeIndex, 4);
    EXPECT_EQ(doc.exitTypeIndex, 4);
    EXPECT_EQ(doc.diameterPresets[3], "1.2");
    EXPECT_EQ(doc.ductTypeNames[3], "Flexible Suction");
    EXPECT_EQ(doc.frictionFactorPresets[0], "0.002");
    EXPECT_EQ(doc.ductArea, 0) << "a new model has no results";
    EXPECT_EQ(doc.plotZeroPressure, 1);
    EXPECT_EQ(doc.flowPlotKind, 1);
}

TEST(CFlowmarDoc, ModifiedMarkerIsAppendedOnceAndRemovedOnClear) {
    CFlowmarDoc doc;
    int titleChanges = 0;
    const auto token = doc.observers().subscribe(
        [&](DocumentEvent e) { titleChanges += e == DocumentEvent::TitleChanged; });
    doc.setTitle("Mine.dct");
    doc.setModifiedFlag();
    doc.setModifiedFlag();
    EXPECT_EQ(doc.title(), "Mine.dct *");
    EXPECT_TRUE(doc.isModified());
    doc.setModifiedFlag(false);
    EXPECT_EQ(doc.title(), "Mine.dct");
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(titleChanges, 3) << "set title, set flag, clear flag; the second set changes nothing";
}

TEST(CFlowmarDoc, ViewsStopHearingWhenTheirTokenGoes) {
    CFlowmarDoc doc;
    std::vector<int> heard;
    auto first = doc.observers().subscribe([&](DocumentEvent) { heard.push_back(1); });
    {
        const auto second = doc.observers().subscribe([&](DocumentEvent) { heard.push_back(2); });
        doc.updateAllViews();
    }
    doc.updateAllViews();
    first.reset();
    doc.updateAllViews();
    EXPECT_EQ(heard, (std::vector<int>{1, 2, 1}));
}

TEST(CFlowmarDoc, CopyDoesNotTakeTheViewsAlong) {
    CFlowmarDoc doc;
    int heard = 0;
    const auto token = doc.observers().subscribe([&](DocumentEvent) { ++heard; });
    CFlowmarDoc copy = doc;
    copy.updateAllViews();
    EXPECT_EQ(heard, 0);
}

} // namespace
} // namespace flowmar
