#include "ui/views/fan_curve_view.h"

#include "core/model/document_templates.h"
#include "core/model/flowmar_doc.h"
#include "core/views/fan_curve_chart.h"
#include "core/views/fan_curve_page.h"
#include "ui/core_text.h"
#include "ui/views/drawing_painter.h"
#include "ui/views/page_printing.h"

#include <QPainter>
#include <QPrinter>

#include <cmath>

namespace flowmar {

namespace {

// The drawing's extent in whole pixels.
QSize pixelSize(const Extent& extent) {
    return {static_cast<int>(std::ceil(extent.width())),
            static_cast<int>(std::ceil(extent.height()))};
}

} // namespace

CFanCurveView::CFanCurveView(CFlowmarDoc& document, QWidget* parent) : DuctView(document, parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    // A click makes the pane the frame's active one, as the form's controls do for theirs.
    setFocusPolicy(Qt::ClickFocus);
    followDocument();
}

int CFanCurveView::templateId() const {
    return templates::kFanCurve;
}

QString CFanCurveView::statusCaption() const {
    return coreText(fan_curve_view::kStatusText);
}

Drawing CFanCurveView::chart() const {
    return fanCurveChart(document(), QtTextMetrics(*const_cast<CFanCurveView*>(this)));
}

QSize CFanCurveView::sizeHint() const {
    return pixelSize(chart().extent());
}

void CFanCurveView::refill() {
    updateGeometry();
    update();
}

void CFanCurveView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const Drawing drawing = chart();
    // One logical unit to one pixel from the top-left corner. The painter puts the extent's edges
    // on the centres of the target's edge pixels: a target one pixel larger keeps the scale at 1
    // and puts whole coordinates on pixel centres, so one-pixel lines stay sharp.
    const Extent& extent = drawing.extent();
    const QRectF target(0, 0, extent.width() + 1, extent.height() + 1);
    paintDrawing(painter, drawing, target, DrawingFit::Isotropic);
}

void CFanCurveView::print(QPrinter& printer) {
    const CFlowmarDoc& doc = document();
    printOnePage(printer, QPageLayout::Landscape,
                 [&doc](const PageRect& page, const TextMetrics& metrics) {
                     return fanCurvePage(doc, FanCurvePane::Chart, page, metrics);
                 });
}

} // namespace flowmar
