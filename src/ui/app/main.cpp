// flowmar: the desktop program.
#include "core/model/string_table.h"
#include "core/model/version.h"
#include "ui/app/flowmar_app.h"
#include "ui/core_text.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Quarrystone"));
    QApplication::setApplicationName(flowmar::coreText(flowmar::labels::kProgramName));
    QApplication::setApplicationVersion(flowmar::coreText(flowmar::kVersion));
    flowmar::CFlowmarApp app;
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    if (!app.initInstance(arguments) || app.finished()) {
        return app.exitStatus();
    }
    return QApplication::exec();
}
