// The Qt tests run on the offscreen platform with a QApplication, settings kept apart from the
// person's own, and no splash window.
#include "ui/dialogs/splash_window.h"

#include <QApplication>
#include <QStandardPaths>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Quarrystone"));
    QApplication::setApplicationName(QStringLiteral("Flowmar"));
    flowmar::SplashWindow::setEnabled(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
