#include "core/commands/execute_command.h"
#include "core/input/shock_loss_values.h"
#include "core/model/flowmar_doc.h"
#include "core/model/messages.h"
#include "support/fake_ui_port.h"
#include "support/models.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace flowmar {
namespace {

using testing::FakeUiPort;

// A run that tells before it stops: a half-entered damper row is reset (and said so), then the
// fan-mode check of the iteration limit stops the run and asks for the Duct Details sheet.
TEST(ExecuteCommand, ShowsEveryMessageInOrderBeforeTheSheetOpens) {
    CFlowmarDoc doc = testing::ductModel();
    testing::addTypicalFan(doc, 0);
    doc.damperText[2] = "30";
    doc.iterationLimit = 0;
    FakeUiPort port;
    std::size_t messagesWhenTheSheetOpened = 0;
    int waitCursorWhenTheSheetOpened = -1;
    port.onDuctDetails = [&](DuctDetailsValues&) {
        messagesWhenTheSheetOpened = port.messages.size();
        waitCursorWhenTheSheetOpened = port.waitCursorDepth;
        return false;
    };
    const ExecuteResult run = Execute(doc, port);
    EXPECT_FALSE(run);
    const std::vector<std::string> expected{std::string(messages::kDamperRowReset),
                                            std::string(messages::kIterationLimitBelowOne)};
    EXPECT_EQ(port.messages, expected);
    EXPECT_EQ(run.messages, expected);
    EXPECT_EQ(port.dialogs, (std::vector<Dialog>{Dialog::DuctDetails}));
    EXPECT_EQ(messagesWhenTheSheetOpened, 2u);
    EXPECT_EQ(waitCursorWhenTheSheetOpened, 0) << "no wait cursor over a sheet";
    EXPECT_EQ(port.waitCursorShown, 1);
}

// The shock losses of a table that failed its check are folded into the segments as the Shock
// Losses sheet left them: here the sheet moves the screen that lay beyond the duct to 255 m.
TEST(ExecuteCommand, AssemblesTheShockLossesAsTheSheetLeftThem) {
    CFlowmarDoc doc = testing::ductModel(1000);
    testing::addTypicalFan(doc, 0);
    doc.screenDistance[1] = 2000;
    FakeUiPort port;
    port.onShockLosses = [](ShockLossValues& values) {
        values.rows[1].screenDistance = 255;
        return true;
    };
    EXPECT_FALSE(Execute(doc, port));
    EXPECT_EQ(port.messages, (std::vector<std::string>{std::string(messages::kScreenDistance)}));
    EXPECT_EQ(doc.screenDistance[1], 255);
    EXPECT_GT(doc.segmentShockFactor[26], 0) << "the screen at 255 m lies in segment 26";
    EXPECT_EQ(doc.results.iterationCount, 0) << "the stopped run solved nothing";

    port.onShockLosses = nullptr;
    EXPECT_TRUE(Execute(doc, port)) << "the mended table lets the next run solve";
}

} // namespace
} // namespace flowmar
