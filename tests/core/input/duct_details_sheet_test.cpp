#include "core/commands/document_commands.h"
#include "core/input/duct_details_sheet.h"
#include "core/model/flowmar_doc.h"
#include "core/model/units.h"
#include "support/fake_ui_port.h"
#include "support/page_fault_print.h"

#include <gtest/gtest.h>

namespace flowmar {
namespace {

using namespace duct_details;

DuctDetailsValues siValues() {
    CFlowmarDoc doc;
    doc.ductLength = 1000;
    doc.ductDiameter = 0.76;
    doc.frictionFactor = 0.0035;
    doc.leakageResistance100 = 20000;
    doc.iterationLimit = 500;
    doc.zoneStart[1] = 100;
    doc.zoneEnd[1] = 250;
    doc.zoneStart[2] = 0;
    doc.zoneEnd[2] = 100;
    return ductDetailsFromDocument(doc);
}

TEST(DuctDetailsSheet, StartsWithResistanceOpenAndTheTabsInOrder) {
    DuctDetailsSheet sheet(siValues());
    EXPECT_EQ(DuctDetailsSheet::caption(), "Duct Details");
    EXPECT_EQ(kTabs,
              (std::array<std::string_view, 4>{"Resistance", "Leakage", "Zones", "General"}));
    EXPECT_EQ(sheet.currentPage(), kResistancePage);
    EXPECT_TRUE(sheet.resistance().isOpen());
    EXPECT_FALSE(sheet.leakage().isOpen()) << "a page opens when it first comes to the front";
    EXPECT_FALSE(sheet.zones().isOpen());
    EXPECT_FALSE(sheet.general().isOpen());
}

TEST(DuctDetailsSheet, ABadEntryKeepsItsPageInFrontUntilMended) {
    DuctDetailsSheet sheet(siValues());
    sheet.resistance().editLength("0.5");
    const std::optional<PageFault> fault = sheet.showPage(kGeneralPage);
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->control, resistance_page::kLength);
    EXPECT_EQ(sheet.currentPage(), kResistancePage);
    EXPECT_FALSE(sheet.general().isOpen());
    EXPECT_TRUE(sheet.accept()) << "OK runs the same checks";

    sheet.resistance().editLength("1200");
    EXPECT_EQ(sheet.showPage(kGeneralPage), std::nullopt);
    EXPECT_EQ(sheet.currentPage(), kGeneralPage);
    EXPECT_TRUE(sheet.general().isOpen());
    EXPECT_EQ(sheet.general().iterationLimitText(), "500");
}

TEST(DuctDetailsSheet, OkSortsTheZonesOnlyWhenTheirPageWasOpened) {
    {
        DuctDetailsSheet sheet(siValues());
        ASSERT_EQ(sheet.accept(), std::nullopt);
        const DuctDetailsValues v = sheet.values();
        EXPECT_EQ(v.zones[1].end, 250) << "zones never shown come back as given";
        EXPECT_DOUBLE_EQ(v.ductLength, 1000);
        EXPECT_EQ(v.iterationLimit, 500) << "the General page never opened";
    }
    {
        DuctDetailsSheet sheet(siValues());
        ASSERT_EQ(sheet.showPage(kZonesPage), std::nullopt);
        ASSERT_EQ(sheet.accept(), std::nullopt);
        const DuctDetailsValues v = sheet.values();
        EXPECT_EQ(v.zones[1].end, 100);
        EXPECT_EQ(v.zones[2].end, 250);
    }
}

TEST(DuctDetailsSheet, TheLeakagePageChecksWhenLeftForAnotherTab) {
    DuctDetailsSheet sheet(siValues());
    ASSERT_EQ(sheet.showPage(kLeakagePage), std::nullopt);
    EXPECT_EQ(sheet.leakage().resistanceText(), "20000");
    sheet.leakage().editResistance("99");
    ASSERT_TRUE(sheet.showPage(kZonesPage));
    EXPECT_EQ(sheet.currentPage(), kLeakagePage);
    sheet.leakage().moveSlider(150000);
    EXPECT_EQ(sheet.showPage(kZonesPage), std::nullopt);
    ASSERT_EQ(sheet.accept(), std::nullopt) << "the Zones page checks nothing";
    EXPECT_EQ(sheet.values().leakageResistance100, 150000);
}

// The presets edited in one sheet go to the model, but the next sheet starts from the defaults.
TEST(DuctDetailsSheet, EditedPresetsLastOnlyUntilTheSheetIsOpenedAgain) {
    CFlowmarDoc doc;
    doc.ductLength = 1000;
    doc.ductDiameter = 0.76;
    doc.frictionFactor = 0.0035;
    doc.leakageResistance100 = 20000;
    testing::FakeUiPort port;
    std::vector<PresetTexts> shown;
    port.onDuctDetails = [&](DuctDetailsValues& values) {
        DuctDetailsSheet sheet(values);
        shown.push_back(sheet.resistance().diameterPresets());
        sheet.resistance().diameterPresetsEdited({"0.5", "0.6", "0.7", "0.8"});
        if (sheet.accept()) {
            return false;
        }
        values = sheet.values();
        return true;
    };
    ASSERT_TRUE(runDuctDetailsCommand(doc, port));
    EXPECT_EQ(doc.diameterPresets, (PresetTexts{"0.5", "0.6", "0.7", "0.8"}));
    ASSERT_TRUE(runDuctDetailsCommand(doc, port));
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[1], defaultDiameterPresets(kSI));
}

} // namespace
} // namespace flowmar
