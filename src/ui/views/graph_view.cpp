#include "ui/views/graph_view.h"

#include "core/analysis/design_checks.h"
#include "core/input/graph_options.h"
#include "core/model/document_templates.h"
#include "core/model/flowmar_doc.h"
#include "core/model/messages.h"
#include "core/views/graph_drawing.h"
#include "ui/app/program_settings.h"
#include "ui/core_text.h"
#include "ui/views/drawing_output.h"
#include "ui/views/drawing_painter.h"

#include <QPainter>
#include <QPrinter>

namespace flowmar {

namespace {

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
    printDrawing(printer, viewDrawing(document()), PageArea::InsideOneInch);
}

bool CGraphView::saveGraphAs(const QString& path, QString* error) const {
    const std::optional<PictureFormat> format = pictureFormatOf(path);
    if (!format) {
        if (error != nullptr) {
            *error = coreText(messages::kGraphFileKind);
        }
        return false;
    }
    // Pictures are as large as the window, and never smaller than the Graph View's logical space.
    PictureLayout layout;
    layout.pixels = size().expandedTo(QSize(800, 600));
    layout.pdfArea = PageArea::InsideOneInch;
    const bool saved = saveDrawing(viewDrawing(document()), path, *format, layout);
    if (!saved && error != nullptr) {
        *error = coreText(messages::cannotSaveGraph(path.toStdString()));
    }
    return saved;
}

} // namespace flowmar
