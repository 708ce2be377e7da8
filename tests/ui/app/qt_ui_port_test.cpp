// The Qt port's sheets and dialogs that this version does not have: each is named to the main
// window (which says so in its status bar) and answered with Cancel.
#include "core/input/shock_loss_values.h"
#include "ui/app/qt_ui_port.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace flowmar {
namespace {

TEST(QtUiPort, NamesEachSheetItDoesNotHaveAndAnswersCancel) {
    QStringList named;
    QtUiPort port(nullptr, [&named](const QString& what) { named << what; });
    ShockLossValues shockLosses;
    EXPECT_FALSE(port.runShockLosses(shockLosses));
    EXPECT_EQ(named, (QStringList{QStringLiteral("the Shock Losses sheet")}));
}

} // namespace
} // namespace flowmar
