#include "ui/views/page_printing.h"

#include "core/model/messages.h"
#include "core/views/grid_page_plan.h"
#include "ui/views/drawing_output.h"
#include "ui/views/drawing_painter.h"
#include "ui/views/duct_view.h"

#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <cmath>

namespace flowmar {

namespace {

// The printable area in device pixels, where the painter's origin is.
QRectF printableArea(const QPrinter& printer) {
    return QRectF(0, 0, printer.width(), printer.height());
}

} // namespace

PageRect printablePageRect(const QPrinter& printer) {
    // Whole 0.1 mm, as a device context reports its printable extent in a metric mapping mode.
    const double width =
        std::floor(printer.width() * kTenthMillimetresPerInch / std::max(1, printer.logicalDpiX()));
    const double height = std::floor(printer.height() * kTenthMillimetresPerInch /
                                     std::max(1, printer.logicalDpiY()));
    return PageRect{0, 0, width, -height};
}

bool printOnePage(QPrinter& printer, QPageLayout::Orientation orientation,
                  const PageLayout& layout) {
    // The orientation is the view's, whatever the print setup chose: it must be set before the
    // printer starts, since a started printer keeps its page.
    printer.setPageOrientation(orientation);
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    const QtTextMetrics metrics(printer);
    const Drawing page = layout(printablePageRect(printer), metrics);
    paintDrawing(painter, page, printableArea(printer), DrawingFit::Isotropic);
    return painter.end();
}

bool printPages(QPrinter& printer, QPageLayout::Orientation orientation,
                const PagesLayout& layout) {
    printer.setPageOrientation(orientation);
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    const QtTextMetrics metrics(printer);
    const std::vector<Drawing> pages = layout(printablePageRect(printer), metrics);
    const GridPageRange range =
        printedPageRange(printer.fromPage(), printer.toPage(), static_cast<int>(pages.size()));
    for (int page = range.first; page <= range.last && page <= int(pages.size()); ++page) {
        if (page > range.first) {
            printer.newPage();
        }
        paintDrawing(painter, pages[std::size_t(page - 1)], printableArea(printer),
                     DrawingFit::Isotropic);
    }
    return painter.end();
}

bool printToPdf(DuctView& view, const QString& path) {
    if (!view.canPrint()) {
        return false;
    }
    QPrinter printer(QPrinter::HighResolution);
    setUpPdfPrinter(printer, path,
                    view.portrait() ? QPageLayout::Portrait : QPageLayout::Landscape);
    view.print(printer);
    // A printer that could not open its file reports the error in its state.
    return printer.printerState() != QPrinter::Error;
}

bool printToPdf(const Drawing& drawing, const QString& path, QPageLayout::Orientation orientation) {
    QPrinter printer(QPrinter::HighResolution);
    setUpPdfPrinter(printer, path, orientation);
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    const double unitsPerInch = drawing.unitsPerInch();
    if (unitsPerInch > 0 && std::isfinite(unitsPerInch)) {
        const Extent& extent = drawing.extent();
        const QRectF trueSize(0, 0, std::abs(extent.width()) * printer.logicalDpiX() / unitsPerInch,
                              extent.height() * printer.logicalDpiY() / unitsPerInch);
        paintDrawing(painter, drawing, trueSize, DrawingFit::Isotropic);
    } else {
        paintDrawing(painter, drawing, printableArea(printer), DrawingFit::Anisotropic);
    }
    return painter.end();
}

std::optional<std::string> whyPrintCannotStart(const QPrinter& printer) {
    // Without any printer a printer falls back to PDF with no file named: nowhere to go.
    if (printer.outputFormat() == QPrinter::PdfFormat && printer.outputFileName().isEmpty()) {
        return std::string(messages::kNoPrinter);
    }
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        const QString path = printer.outputFileName();
        QFile probe(path);
        const bool existed = probe.exists();
        // Appending writes nothing and keeps an existing file as it is.
        if (!probe.open(QIODevice::WriteOnly | QIODevice::Append)) {
            return messages::cannotPrintTo(path.toStdString(), probe.errorString().toStdString());
        }
        probe.close();
        if (!existed) {
            probe.remove();
        }
        return std::nullopt;
    }
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        return std::string(messages::kNoPrinter);
    }
    if (!printer.isValid()) {
        return messages::cannotPrintTo(printer.printerName().toStdString(),
                                       messages::kNoSuchPrinter);
    }
    return std::nullopt;
}

} // namespace flowmar
