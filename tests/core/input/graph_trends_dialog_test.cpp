#include "core/input/graph_trends_dialog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

namespace flowmar {
namespace {

using namespace graph_trends;

const DialogControl& control(int id) {
    const auto controls = graphTrendsControls();
    const auto found = std::ranges::find(controls, id, &DialogControl::id);
    EXPECT_NE(found, controls.end()) << id;
    return *found;
}

TEST(GraphTrendsDialog, LayoutNamesEveryControlOnce) {
    EXPECT_EQ(kCaption, "Graph Trends");
    EXPECT_EQ(control(kPlotZeroPressure).caption, "Plot Zero Pressure");
    EXPECT_EQ(control(kShowSchematic).caption, "Show Schematic");
    EXPECT_EQ(control(kShowFans).caption, "Show Fans");
    EXPECT_EQ(control(kShowShockLosses).caption, "Show Shock Losses");
    EXPECT_EQ(control(kShowAirflowDirection).caption, "Show Airflow Direction");
    EXPECT_EQ(control(kDuctTotalPressure).caption, "Duct Total Pressure");
    EXPECT_EQ(control(kDuctStaticPressure).caption, "Duct Static Pressure");
    EXPECT_EQ(control(kPlotQuantity).kind, DialogControlKind::RadioButton);
    EXPECT_TRUE(control(kPlotQuantity).startsGroup);
    EXPECT_FALSE(control(kPlotVelocity).startsGroup);
    EXPECT_EQ(control(kPlotVelocity).rect.y, 47);
    EXPECT_EQ(control(kShowAirflowDirection).rect.x, 113);
    EXPECT_EQ(control(kCancel).caption, "Cancel");

    std::set<int> ids;
    int groupBoxes = 0;
    int checkBoxes = 0;
    for (const DialogControl& c : graphTrendsControls()) {
        if (c.kind == DialogControlKind::GroupBox) {
            ++groupBoxes;
            EXPECT_GT(c.rect.width, 0);
            continue;
        }
        EXPECT_TRUE(ids.insert(c.id).second) << c.id;
        checkBoxes += c.kind == DialogControlKind::CheckBox ? 1 : 0;
        EXPECT_LT(c.rect.x, kWidth) << c.caption;
        EXPECT_LT(c.rect.y, kHeight) << c.caption;
    }
    EXPECT_EQ(groupBoxes, 4) << "Graph, Schematic and the two untitled groups";
    EXPECT_EQ(checkBoxes, 7);
    for (const int id : kGraphTrendsCheckBoxes) {
        EXPECT_EQ(control(id).kind, DialogControlKind::CheckBox) << id;
    }
}

TEST(GraphTrendsDialog, OpensWithTheOptionsOfTheModel) {
    GraphOptions options;
    options.showFans = 0;
    options.plotZeroPressure = 2; // not 1: the graph draws no zero line, so the box is clear
    const GraphTrendsDialog dialog(options);
    EXPECT_EQ(dialog.selectedRadioButton(), kPlotQuantity);
    EXPECT_FALSE(dialog.isTicked(kShowFans));
    EXPECT_FALSE(dialog.isTicked(kPlotZeroPressure));
    EXPECT_TRUE(dialog.isTicked(kShowSchematic));
    EXPECT_TRUE(dialog.isTicked(kDuctStaticPressure));
    EXPECT_FALSE(dialog.isTicked(kPlotQuantity)) << "a radio button is no check box";

    options.flowPlotKind = 2;
    EXPECT_EQ(GraphTrendsDialog(options).selectedRadioButton(), kPlotVelocity);
    options.flowPlotKind = 7;
    EXPECT_EQ(GraphTrendsDialog(options).selectedRadioButton(), 0) << "neither selected";
}

TEST(GraphTrendsDialog, OkStoresTheBoxesAsOneOrZero) {
    GraphOptions options;
    options.plotZeroPressure = 2;
    options.flowPlotKind = 7;
    GraphTrendsDialog dialog(options);
    dialog.setTicked(kShowSchematic, false);
    dialog.setTicked(kPlotZeroPressure, true);
    dialog.setTicked(kPlotVelocity, false); // no check box: nothing changes
    GraphOptions expected;
    expected.showSchematic = 0;
    expected.flowPlotKind = 7; // kept while no radio button is clicked
    EXPECT_EQ(dialog.accept(), expected);

    dialog.clickRadioButton(kPlotVelocity);
    EXPECT_EQ(dialog.selectedRadioButton(), kPlotVelocity);
    EXPECT_EQ(dialog.accept().flowPlotKind, 2);
    dialog.clickRadioButton(kPlotQuantity);
    EXPECT_EQ(dialog.accept().flowPlotKind, 1);
    dialog.clickRadioButton(kShowFans); // not a radio button
    EXPECT_EQ(dialog.accept().flowPlotKind, 1);
}

} // namespace
} // namespace flowmar
