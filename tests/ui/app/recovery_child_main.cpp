// A desktop program for the recovery tests to kill: it keeps recovery copies in the folder it is
// given, opens the model, makes the edit a person would (a note and a longer duct), says
// "copied" once the copy is on disk and then waits to be killed. Arguments: FOLDER MODEL NOTE.
#include "core/commands/stream_port.h"
#include "core/model/flowmar_doc.h"
#include "ui/app/main_frame.h"
#include "ui/app/recovery_keeper.h"
#include "ui/dialogs/splash_window.h"

#include <QApplication>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <iostream>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    }
    QApplication application(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s FOLDER MODEL NOTE\n", argv[0]);
        return 2;
    }
    using namespace std::chrono_literals;
    flowmar::SplashWindow::setEnabled(false);
    flowmar::StreamPort port(std::cerr);
    flowmar::CMainFrame frame(&port);
    frame.keepRecoveryCopies(QString::fromLocal8Bit(argv[1]));
    frame.recoveryKeeper()->setTiming(20ms, 200ms);
    if (!frame.openFile(QString::fromLocal8Bit(argv[2])) || frame.activeDocument() == nullptr) {
        return 2;
    }
    flowmar::CFlowmarDoc& doc = *frame.activeDocument();
    doc.notepadText = argv[3];
    doc.ductLength += 100;
    doc.updateAllViews();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&frame, &poll] {
        frame.recoveryKeeper()->waitForWrites();
        if (!frame.recoveryKeeper()->store().ownCopies().empty()) {
            poll.stop();
            std::printf("copied\n");
            std::fflush(stdout);
        }
    });
    poll.start(10);
    return QApplication::exec();
}
