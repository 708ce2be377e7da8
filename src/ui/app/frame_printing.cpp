#include "ui/app/frame_printing.h"

#include "core/ui_port.h"
#include "ui/views/drawing_output.h"
#include "ui/views/duct_view.h"
#include "ui/views/fan_database_view.h"
#include "ui/views/page_printing.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>

#include <utility>

namespace flowmar {

namespace {

// Printed pages turn as the view asks: the summaries stand, the graph lies.
QPageLayout::Orientation pageOrientation(const DuctView& view) {
    return view.portrait() ? QPageLayout::Portrait : QPageLayout::Landscape;
}

// The orientation of a print of the subject: a fan database's list stands.
QPageLayout::Orientation pageOrientation(const PrintSubject& subject) {
    return subject.view == nullptr ? QPageLayout::Portrait : pageOrientation(*subject.view);
}

} // namespace

bool PrintSubject::printable() const {
    return database != nullptr || (view != nullptr && view->canPrint());
}

FramePrinting::FramePrinting(std::function<PrintSubject()> active, UiPort& port, QWidget* parent)
    : m_active(std::move(active)), m_port(port), m_parent(parent) {}

bool FramePrinting::print(const PrintSubject& subject, const QString& pdfPath) {
    if (subject.database != nullptr) {
        if (pdfPath.isEmpty()) {
            m_printer.setPageOrientation(QPageLayout::Portrait);
            return subject.database->print(m_printer);
        }
        QPrinter pdf(QPrinter::HighResolution);
        setUpPdfPrinter(pdf, pdfPath);
        return subject.database->print(pdf);
    }
    DuctView* view = subject.view;
    if (view == nullptr || !view->canPrint()) {
        return false;
    }
    if (!pdfPath.isEmpty()) {
        QPrinter pdf(QPrinter::HighResolution);
        setUpPdfPrinter(pdf, pdfPath, pageOrientation(*view));
        if (const auto why = whyPrintCannotStart(pdf)) {
            m_port.showMessage(*why, MessageIcon::Warning);
            return false;
        }
        view->print(pdf);
        return true;
    }
    if (const auto why = whyPrintCannotStart(m_printer)) {
        m_port.showMessage(*why, MessageIcon::Warning);
        return false;
    }
    m_printer.setPageOrientation(pageOrientation(*view));
    view->print(m_printer);
    return true;
}

bool FramePrinting::printTo(const PrintSubject& subject, QPrinter& printer) {
    if (subject.database != nullptr) {
        return subject.database->print(printer);
    }
    if (!subject.printable()) {
        return false;
    }
    subject.view->print(printer);
    return true;
}

void FramePrinting::printWithDialog() {
    const PrintSubject subject = m_active();
    if (!subject.printable()) {
        return;
    }
    m_printer.setPageOrientation(pageOrientation(subject));
    QPrintDialog dialog(&m_printer, m_parent);
    dialog.setMinMax(1, 1);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    if (const auto why = whyPrintCannotStart(m_printer)) {
        m_port.showMessage(*why, MessageIcon::Warning);
        return;
    }
    printTo(m_active(), m_printer);
}

void FramePrinting::preview() {
    const PrintSubject subject = m_active();
    if (!subject.printable()) {
        return;
    }
    m_printer.setPageOrientation(pageOrientation(subject));
    QPrintPreviewDialog preview(&m_printer, m_parent);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [this](QPrinter* printer) { printTo(m_active(), *printer); });
    preview.exec();
}

void FramePrinting::pageSetup() {
    QPageSetupDialog dialog(&m_printer, m_parent);
    dialog.exec();
}

} // namespace flowmar
