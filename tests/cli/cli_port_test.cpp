// The command line's port: messages reach standard error and the JSON output, and each sheet or
// dialog it does not open is one line on standard error, answered with Cancel.
#include "core/commands/stream_port.h"
#include "core/input/duct_details_values.h"
#include "core/input/shock_loss_values.h"
#include "core/model/messages.h"
#include "core/model/units.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace flowmar::cli {
namespace {

TEST(StreamPort, ReportsEachSheetItWouldOpenAndAnswersCancel) {
    std::ostringstream err;
    StreamPort port(err);
    DuctDetailsValues ductDetails;
    ShockLossValues shockLosses;
    int fanNumber = 3;
    EXPECT_FALSE(port.runDuctDetails(ductDetails));
    EXPECT_FALSE(port.runShockLosses(shockLosses));
    EXPECT_FALSE(port.runFanNumber(FanNumberDialog::DeleteFan, fanNumber));
    EXPECT_EQ(port.runSelectUnits(kSI), kSI);
    EXPECT_EQ(err.str(), "(would open the Duct Details sheet)\n"
                         "(would open the Shock Losses sheet)\n"
                         "(would open the Delete Fan dialog)\n"
                         "(would open the Select Units dialog)\n");
    EXPECT_TRUE(port.takeMessages().empty()) << "a dialog not opened is no message";
}

TEST(StreamPort, WritesEachMessageAndKeepsItForTheResults) {
    std::ostringstream err;
    StreamPort port(err);
    port.showMessage(messages::kDuctDetailsIncomplete);
    port.showMessage(messages::kNoFanDefined, MessageIcon::Warning);
    EXPECT_EQ(err.str(), std::string(messages::kDuctDetailsIncomplete) + "\n" +
                             std::string(messages::kNoFanDefined) + "\n");
    EXPECT_EQ(port.takeMessages(),
              (std::vector<std::string>{std::string(messages::kDuctDetailsIncomplete),
                                        std::string(messages::kNoFanDefined)}));
    EXPECT_TRUE(port.takeMessages().empty()) << "taken once";
}

} // namespace
} // namespace flowmar::cli
