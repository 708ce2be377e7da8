#include "ui/views/drawing_output.h"

#include "core/files/atomic_file.h"
#include "core/views/chart_mapping.h"
#include "core/views/svg_painter.h"
#include "ui/views/drawing_painter.h"

#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include <cstdint>
#include <span>
#include <string>

namespace flowmar {

namespace {

// The printed chart's rectangle: the printable area less one inch on every side.
QRectF insideOneInch(const QPaintDevice& device, const QRect& printable) {
    const DeviceRect rect = chartPrintRect(device.logicalDpiX(), device.logicalDpiY(),
                                           printable.width(), printable.height());
    return QRectF(rect.left, rect.top, rect.width(), rect.height());
}

bool savePng(const Drawing& drawing, const QString& path, QSize pixels) {
    QImage image(pixels, QImage::Format_ARGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        paintDrawing(painter, drawing, QRectF(image.rect()), DrawingFit::Anisotropic);
    }
    return image.save(path, "PNG");
}

bool saveSvg(const Drawing& drawing, const QString& path, QSize pixels) {
    SvgOptions options;
    options.width = pixels.width();
    options.height = pixels.height();
    const std::string svg = renderSvg(drawing, options);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(svg.data());
    return writeFileAtomically(path.toStdString(), std::span(bytes, svg.size())).ok();
}

bool savePdf(const Drawing& drawing, const QString& path, PageArea area) {
    QPdfWriter pdf(path);
    pdf.setPageOrientation(QPageLayout::Landscape);
    paintOnPage(pdf, pdf.pageLayout().paintRectPixels(pdf.resolution()), drawing, area);
    return QFileInfo::exists(path);
}

} // namespace

std::optional<PictureFormat> pictureFormatOf(const QString& path) {
    const QString lower = path.toLower();
    if (lower.endsWith(QLatin1String(".png"))) {
        return PictureFormat::Png;
    }
    if (lower.endsWith(QLatin1String(".svg"))) {
        return PictureFormat::Svg;
    }
    if (lower.endsWith(QLatin1String(".pdf"))) {
        return PictureFormat::Pdf;
    }
    return std::nullopt;
}

void paintOnPage(QPaintDevice& device, const QRect& printable, const Drawing& drawing,
                 PageArea area) {
    QPainter painter(&device);
    const QRectF target =
        area == PageArea::InsideOneInch ? insideOneInch(device, printable) : QRectF(printable);
    paintDrawing(painter, drawing, target, DrawingFit::Anisotropic);
}

void printDrawing(QPrinter& printer, const Drawing& drawing, PageArea area) {
    paintOnPage(printer, printer.pageLayout().paintRectPixels(printer.resolution()), drawing, area);
}

bool saveDrawing(const Drawing& drawing, const QString& path, PictureFormat format,
                 const PictureLayout& layout) {
    switch (format) {
    case PictureFormat::Png:
        return savePng(drawing, path, layout.pixels);
    case PictureFormat::Svg:
        return saveSvg(drawing, path, layout.pixels);
    case PictureFormat::Pdf:
        return savePdf(drawing, path, layout.pdfArea);
    }
    return false;
}

void setUpPdfPrinter(QPrinter& printer, const QString& path,
                     std::optional<QPageLayout::Orientation> orientation) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    if (orientation) {
        printer.setPageOrientation(*orientation);
    }
}

} // namespace flowmar
