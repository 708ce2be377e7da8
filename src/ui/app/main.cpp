// flowmar: the desktop program.
#include "ui/app/flowmar_app.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Quarrystone"));
    QApplication::setApplicationName(QStringLiteral("Flowmar"));
    QApplication::setApplicationVersion(QStringLiteral("1.01c"));
    flowmar::CFlowmarApp app;
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    if (!app.initInstance(arguments)) {
        return 1;
    }
    if (app.finished()) {
        return 0;
    }
    return QApplication::exec();
}
