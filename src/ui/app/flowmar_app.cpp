#include "ui/app/flowmar_app.h"

#include "core/commands/stream_port.h"
#include "core/model/document_templates.h"
#include "core/model/version.h"
#include "ui/app/desktop_usage.h"
#include "ui/app/main_frame.h"
#include "ui/app/recovery_keeper.h"
#include "ui/dialogs/splash_window.h"

#include <clocale>
#include <cstdio>
#include <iostream>

namespace flowmar {

CommandLine parseCommandLine(const QStringList& arguments) {
    CommandLine line;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        if (arg == QLatin1String("--print") || arg == QLatin1String("-p")) {
            line.print = true;
        } else if (arg == QLatin1String("--print-to") || arg == QLatin1String("--print-view")) {
            if (i + 1 == arguments.size()) {
                line.valid = false;
                line.error = arg + QStringLiteral(" needs a value.");
                return line;
            }
            const QString value = arguments[++i];
            if (arg == QLatin1String("--print-to")) {
                line.printTo = value;
            } else if (value == QLatin1String("input")) {
                line.printView = templates::kSummaryOfInput;
            } else if (value == QLatin1String("results")) {
                line.printView = templates::kSummaryOfResults;
            } else if (value == QLatin1String("fan-input")) {
                line.printView = templates::kFanInput;
            } else if (value == QLatin1String("fan-results")) {
                line.printView = templates::kFanResults;
            } else if (value == QLatin1String("fan-curve")) {
                line.printView = templates::kFanCurve;
            } else {
                line.valid = false;
                line.error = QStringLiteral("--print-view takes \"input\", \"results\", "
                                            "\"fan-input\", \"fan-results\" or \"fan-curve\".");
                return line;
            }
        } else if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            line.help = true;
        } else if (arg == QLatin1String("--version")) {
            line.version = true;
        } else if (arg == QLatin1String("--no-splash") || arg == QLatin1String("-nosplash")) {
            line.splash = false;
        } else if (arg == QLatin1String("--no-recovery")) {
            line.recovery = false;
        } else if (arg.startsWith(QLatin1Char('-'))) {
            line.valid = false;
            line.error = QStringLiteral("Unknown option \"%1\".").arg(arg);
            return line;
        } else if (line.file.isEmpty()) {
            line.file = arg;
        } else {
            line.valid = false;
            line.error = QStringLiteral("Only one file can be opened from the command line.");
            return line;
        }
    }
    if (line.print || !line.printTo.isEmpty()) {
        line.recovery = false; // printing never waits for a dialog
        if (line.file.isEmpty()) {
            line.valid = false;
            line.error = QStringLiteral("Printing needs a file to print.");
        }
    }
    return line;
}

CFlowmarApp::CFlowmarApp(std::ostream& printMessages, std::ostream& out)
    : m_printMessages(printMessages), m_out(out) {}
CFlowmarApp::CFlowmarApp() : CFlowmarApp(std::cerr) {}
CFlowmarApp::~CFlowmarApp() = default;

bool CFlowmarApp::initInstance(const QStringList& arguments) {
    // Reports format numbers in the person's own conventions.
    std::setlocale(LC_ALL, "");
    const CommandLine line = parseCommandLine(arguments);
    if (!line.valid) {
        std::fprintf(stderr, "flowmar: %s\n", qPrintable(line.error));
        m_status = PrintStatus::CannotPrint;
        return false;
    }
    if (line.help || line.version) {
        m_out << (line.help ? kDesktopUsage : std::string_view(kVersion))
              << (line.help ? "" : "\n");
        m_finished = true;
        return true;
    }
    const bool printing = line.print || !line.printTo.isEmpty();
    SplashWindow::setEnabled(line.splash && !printing);
    if (printing) {
        m_printPort = std::make_unique<StreamPort>(m_printMessages);
    }
    m_mainFrame = std::make_unique<CMainFrame>(m_printPort.get());
    if (!printing) {
        // The window is there first, so a message about the file shows over it.
        m_mainFrame->showMaximized();
        if (line.recovery) {
            m_mainFrame->keepRecoveryCopies(RecoveryKeeper::defaultFolder());
            m_mainFrame->offerRecovery();
        }
    }
    if (!line.file.isEmpty() && !m_mainFrame->openFile(line.file) && printing) {
        m_finished = true;
        m_status = PrintStatus::CannotPrint;
        return false;
    }
    if (printing) {
        QString pdf;
        if (line.printTo.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) {
            pdf = line.printTo;
        } else if (!line.printTo.isEmpty()) {
            m_mainFrame->usePrinter(line.printTo);
        }
        const bool printed = m_mainFrame->printActive(pdf, line.printView);
        m_finished = true;
        m_status = !printed                     ? PrintStatus::CannotPrint
                   : m_printPort->hasMessages() ? PrintStatus::ExecuteStopped
                                                : PrintStatus::Printed;
        return m_status == PrintStatus::Printed;
    }
    m_mainFrame->switchToolbar(m_mainFrame->activeDocument() != nullptr ? Toolbar::Duct
                                                                        : Toolbar::FanDatabase);
    return true;
}

} // namespace flowmar
