// The main of the Qt tests: one QApplication for every test, on the offscreen platform unless the
// environment names another, so the tests (and their discovery at build time) need no display.
#include <QApplication>
#include <QByteArray>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
