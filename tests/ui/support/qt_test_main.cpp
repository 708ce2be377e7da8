// The main of the Qt tests: one QApplication for every test, on the offscreen platform unless the
// environment names another, so the tests (and their discovery at build time) need no display;
// settings are kept apart from the person's own, and no splash window shows.
#include "ui/dialogs/splash_window.h"

#include <QApplication>
#include <QByteArray>
#include <QStandardPaths>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    }
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Quarrystone"));
    QApplication::setApplicationName(QStringLiteral("Flowmar"));
    flowmar::SplashWindow::setEnabled(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
