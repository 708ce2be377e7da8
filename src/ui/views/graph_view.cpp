#include "ui/views/graph_view.h"

#include "core/analysis/design_checks.h"
#include "core/input/graph_options.h"
#include "core/model/document_templates.h"
#include "core/model/flowmar_doc.h"
#include "core/model/messages.h"
#include "core/views/chart_mapping.h"
#include "core/views/graph_drawing.h"
#include "core/views/svg_painter.h"
#include "ui/app/program_settings.h"
#include "ui/core_text.h"
#include "ui/views/drawing_painter.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

namespace flowmar {

namespace {

// The printed drawing rectangle: the page's printable area less one inch on every side.
QRectF printRect(const QPaintDevice& device, const QRect& printable) {
    const DeviceRect rect = chartPrintRect(device.logicalDpiX(), device.logicalDpiY(),
                                           printable.width(), printable.height());
    return QRectF(rect.left, rect.top, rect.width(), rect.height());
}

void paintPage(QPaintDevice& device, const QRect& printable, const Drawing& drawing) {
    QPainter painter(&device);
    paintDrawing(painter, drawing, printRect(device, printable), DrawingFit::Anisotropic);
}

// The picture, with the stretches the design checks flag shaded when the program asks for it.
Drawing viewDrawing(const CFlowmarDoc& doc) {
    if (!program_settings::shadeDesignRanges()) {
        return graphDrawing(doc);
    }
    const auto ranges =
        pressureSignRanges(designChecks(doc, program_settings::criteriaFor(doc.designCriteria)));
    return graphDrawing(doc, graphOptionsOf(doc), ranges);
}

} // namespace

CGraphView::CGraphView(CFlowmarDoc& document, QWidget* parent) : DuctView(document, parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    followDocument();
}

int CGraphView::templateId() const {
    return templates::kGraph;
}

QString CGraphView::statusCaption() const {
    return coreText(graph_view::kStatusText);
}

void CGraphView::refill() {
    update();
}

void CGraphView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    paintDrawing(painter, viewDrawing(document()), QRectF(rect()), DrawingFit::Anisotropic);
}

void CGraphView::print(QPrinter& printer) {
    printer.setPageOrientation(QPageLayout::Landscape);
    paintPage(printer, printer.pageLayout().paintRectPixels(printer.resolution()),
              viewDrawing(document()));
}

bool CGraphView::saveGraphAs(const QString& path, QString* error) const {
    const Drawing drawing = viewDrawing(document());
    const QString lower = path.toLower();
    bool saved = false;
    if (lower.endsWith(QLatin1String(".png"))) {
        QImage image(size().expandedTo(QSize(800, 600)), QImage::Format_ARGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            paintDrawing(painter, drawing, QRectF(image.rect()), DrawingFit::Anisotropic);
        }
        saved = image.save(path, "PNG");
    } else if (lower.endsWith(QLatin1String(".svg"))) {
        const QSize shown = size().expandedTo(QSize(800, 600));
        SvgOptions options;
        options.width = shown.width();
        options.height = shown.height();
        const std::string svg = renderSvg(drawing, options);
        QFile file(path);
        saved = file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                file.write(svg.data(), static_cast<qint64>(svg.size())) ==
                    static_cast<qint64>(svg.size());
    } else if (lower.endsWith(QLatin1String(".pdf"))) {
        QPdfWriter pdf(path);
        pdf.setPageOrientation(QPageLayout::Landscape);
        paintPage(pdf, pdf.pageLayout().paintRectPixels(pdf.resolution()), drawing);
        saved = QFile::exists(path);
    } else if (error != nullptr) {
        *error = coreText(messages::kGraphFileKind);
        return false;
    }
    if (!saved && error != nullptr) {
        *error = coreText(messages::cannotSaveGraph(path.toStdString()));
    }
    return saved;
}

} // namespace flowmar
