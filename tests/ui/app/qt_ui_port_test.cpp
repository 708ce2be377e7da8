// The Qt port's sheets and dialogs that this version does not have: each is named to the main
// window (which says so in its status bar) and answered with Cancel.
#include "core/fans/add_fan_dialog.h"
#include "ui/app/qt_ui_port.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace flowmar {
namespace {

TEST(QtUiPort, NamesEachSheetItDoesNotHaveAndAnswersCancel) {
    QStringList named;
    QtUiPort port(nullptr, [&named](const QString& what) { named << what; });
    AddFanValues fan;
    EXPECT_FALSE(port.runAddEditFan(fan));
    EXPECT_EQ(named, (QStringList{QStringLiteral("the Add/Edit Fan dialog")}));
}

} // namespace
} // namespace flowmar
