// CFlowmarApp: starts the program (the locale first, so that every number is read and shown in
// it; then the splash, settings, templates, main frame, dropped files and the command line's file)
// and answers the command line's print requests.
#pragma once

#include <QString>
#include <QStringList>

#include <iostream>
#include <memory>

namespace flowmar {

class CMainFrame;
class StreamPort;

struct CommandLine {
    QString file;       // a model to open
    bool print = false; // print it on the printer set up, then exit
    QString printTo;    // print it to this printer, or to this PDF file when it ends in ".pdf"
    int printView = 0;  // the template of the view to print (0: the first view)
    bool splash = true;
    bool help = false;    // --help: the usage on standard output, then exit
    bool version = false; // --version: the version on standard output, then exit
    // Offer the copies a program that did not exit normally left, and keep copies of unsaved
    // work; --no-recovery, --print and --print-to turn it off.
    bool recovery = true;
    bool valid = true;
    QString error;
};

// Reads `flowmar [FILE] [--print] [--print-to PRINTER|FILE.pdf]
// [--print-view input|results|fan-input|fan-results|fan-curve] [--no-splash] [--no-recovery]`,
// or `--help` or `--version` (arguments without the program name).
CommandLine parseCommandLine(const QStringList& arguments);

// How a run that only prints ends (the program's exit status).
enum class PrintStatus : int {
    Printed = 0,        // the pages were written
    ExecuteStopped = 1, // Execute stopped on a check; the pages show what the views show
    CannotPrint = 2,    // the command line was wrong, the file could not be read, or the print
                        // could not start
};

class CFlowmarApp {
public:
    // printMessages takes the messages of a run that only prints: nobody is there to click a
    // message box away.
    explicit CFlowmarApp(std::ostream& printMessages, std::ostream& out = std::cout);
    CFlowmarApp();
    ~CFlowmarApp();

    // Start-up; false when the command line cannot be processed. When it asks only to print,
    // `finished` is set and the program ends after printing; then false also when anything was
    // reported (a model that cannot be read or executed), its messages on printMessages.
    bool initInstance(const QStringList& arguments);
    bool finished() const { return m_finished; }
    // The exit status of a run that ended in initInstance.
    int exitStatus() const { return static_cast<int>(m_status); }
    CMainFrame* mainFrame() const { return m_mainFrame.get(); }

private:
    std::ostream& m_printMessages;
    std::ostream& m_out;
    std::unique_ptr<StreamPort> m_printPort;
    std::unique_ptr<CMainFrame> m_mainFrame;
    bool m_finished = false;
    PrintStatus m_status = PrintStatus::Printed;
};

} // namespace flowmar
