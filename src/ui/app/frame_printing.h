// The main window's printing: the printer it keeps set up between prints, File > Print with its
// dialog, Print Preview and Print Setup, and printing to a PDF file without any printer. What is
// printed is the active window's: a fan database's list, or a duct model's view in the
// orientation the view asks for (the summaries stand, the graph lies).
#pragma once

#include <QPrinter>
#include <QString>

#include <functional>

class QWidget;

namespace flowmar {

class CFanDatabase;
class DuctView;
class UiPort;

// What a print reaches: the fan database's view, else the duct model's view; nothing prints
// when neither is there or the view does not print.
struct PrintSubject {
    const CFanDatabase* database = nullptr;
    DuctView* view = nullptr;

    bool printable() const;
};

class FramePrinting {
public:
    // active gives what the main window shows at the moment of each print; port says why a
    // print cannot start; dialogs open over parent.
    FramePrinting(std::function<PrintSubject()> active, UiPort& port, QWidget* parent);

    // Prints on the named printer from now on.
    void usePrinter(const QString& name) { m_printer.setPrinterName(name); }

    // Prints the subject to the printer set up, or, when pdfPath is given, to that PDF file.
    // False when nothing printed or the print could not start (said through the port).
    bool print(const PrintSubject& subject, const QString& pdfPath = QString());

    // File > Print: the print dialog for one page, then the active window's print.
    void printWithDialog();
    // File > Print Preview of the active window.
    void preview();
    // File > Print Setup: the page set-up dialog for the printer kept.
    void pageSetup();

private:
    // Prints the subject to a printer already set up and started by a dialog.
    bool printTo(const PrintSubject& subject, QPrinter& printer);

    std::function<PrintSubject()> m_active;
    UiPort& m_port;
    QWidget* m_parent;
    QPrinter m_printer;
};

} // namespace flowmar
