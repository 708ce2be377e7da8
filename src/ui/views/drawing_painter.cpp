#include "ui/views/drawing_painter.h"

#include <QColor>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <QPolygonF>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <optional>
#include <variant>

namespace flowmar {

namespace {

constexpr double kPointsPerInch = 72.0;
// A dotted line keeps dots of the size a 96 dpi screen shows, so that on a 1200 dpi page it
// still reads as dotted rather than as a faint solid line.
constexpr double kScreenPixelsPerInch = 96.0;

QColor toQColor(Rgb c) {
    return QColor(c.red, c.green, c.blue);
}

QString toQString(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool finite(Point p) {
    return std::isfinite(p.x) && std::isfinite(p.y);
}

// The window-to-viewport mapping of the drawing's extent onto the target rectangle.
class Mapping {
public:
    // The extent's edges land on the centres of the target's edge pixels, so that a line on the
    // edge of a chart is drawn whole inside the target, and a one-pixel line at a whole logical
    // coordinate of a one-to-one mapping covers one row of pixels instead of two halves.
    Mapping(const Extent& extent, const QRectF& target, DrawingFit fit)
        : m_extent(extent), m_target(target.adjusted(0.5, 0.5, -0.5, -0.5)) {
        const double logicalWidth = extent.right - extent.left;
        const double logicalHeight = extent.bottom - extent.top;
        m_valid = std::isfinite(logicalWidth) && std::isfinite(logicalHeight) &&
                  logicalWidth != 0 && logicalHeight != 0 && m_target.isValid();
        if (!m_valid) {
            return;
        }
        m_sx = m_target.width() / logicalWidth;
        m_sy = m_target.height() / logicalHeight;
        if (fit == DrawingFit::Isotropic) {
            const double scale = std::min(std::abs(m_sx), std::abs(m_sy));
            m_sx = std::copysign(scale, m_sx);
            m_sy = std::copysign(scale, m_sy);
        }
    }

    bool valid() const { return m_valid; }
    QPointF map(Point p) const {
        return {m_target.left() + (p.x - m_extent.left) * m_sx,
                m_target.top() + (p.y - m_extent.top) * m_sy};
    }
    QRectF box(Point a, Point b) const { return QRectF(map(a), map(b)).normalized(); }
    // A logical length (a pen width) in device pixels; the smaller scale keeps thin lines thin.
    double length(double logical) const {
        return logical * std::min(std::abs(m_sx), std::abs(m_sy));
    }

private:
    Extent m_extent;
    QRectF m_target;
    bool m_valid = false;
    double m_sx = 1;
    double m_sy = 1;
};

class PrimitivePainter {
public:
    PrimitivePainter(QPainter& painter, const Mapping& mapping)
        : m_painter(painter), m_map(mapping),
          m_pixelsPerInch(painter.device() ? painter.device()->logicalDpiY() : 96) {}

    void operator()(const Line& line) {
        if (!finite(line.from) || !finite(line.to)) {
            return;
        }
        usePen(line.pen, std::nullopt);
        m_painter.drawLine(m_map.map(line.from), m_map.map(line.to));
    }

    void operator()(const Polyline& polyline) {
        if (polyline.points.empty() || !std::ranges::all_of(polyline.points, finite)) {
            return;
        }
        QPolygonF points;
        points.reserve(static_cast<qsizetype>(polyline.points.size()));
        for (const Point& p : polyline.points) {
            points << m_map.map(p);
        }
        usePen(polyline.pen, std::nullopt);
        m_painter.drawPolyline(points);
    }

    void operator()(const Rectangle& r) {
        if (!finite(r.corner1) || !finite(r.corner2)) {
            return;
        }
        usePen(r.pen, r.fill);
        m_painter.drawRect(m_map.box(r.corner1, r.corner2));
    }

    void operator()(const Ellipse& e) {
        if (!finite(e.corner1) || !finite(e.corner2)) {
            return;
        }
        usePen(e.pen, e.fill);
        m_painter.drawEllipse(m_map.box(e.corner1, e.corner2));
    }

    void operator()(const Text& t) {
        if (!finite(t.topLeft) || !std::isfinite(t.font.pointSize) || t.font.pointSize <= 0) {
            return;
        }
        const QFont font = deviceFont(t.font, m_pixelsPerInch);
        const QFontMetricsF metrics(font, m_painter.device());
        const QString text = toQString(t.text);
        const QPointF topLeft = m_map.map(t.topLeft);
        if (t.background) {
            m_painter.fillRect(
                QRectF(topLeft, QSizeF(metrics.horizontalAdvance(text), metrics.height())),
                toQColor(*t.background));
        }
        m_painter.setFont(font);
        m_painter.setPen(toQColor(t.color));
        m_painter.drawText(QPointF(topLeft.x(), topLeft.y() + metrics.ascent()), text);
    }

private:
    void usePen(const Pen& pen, const std::optional<Rgb>& fill) {
        const double width = pen.width > 0 && std::isfinite(pen.width)
                                 ? std::max(m_map.length(pen.width), 1.0)
                                 : 0.0; // Qt's cosmetic one-pixel line
        QPen qpen(toQColor(pen.color), width);
        if (pen.style == PenStyle::Dotted) {
            const double dot = std::max(1.0, m_pixelsPerInch / kScreenPixelsPerInch);
            const double unit = std::max(width, 1.0);
            qpen.setDashPattern({dot / unit, 2 * dot / unit});
            qpen.setCapStyle(Qt::FlatCap);
        } else {
            qpen.setCapStyle(Qt::RoundCap);
        }
        qpen.setJoinStyle(Qt::RoundJoin);
        m_painter.setPen(qpen);
        m_painter.setBrush(fill ? QBrush(toQColor(*fill)) : QBrush(Qt::NoBrush));
    }

    QPainter& m_painter;
    const Mapping& m_map;
    int m_pixelsPerInch;
};

} // namespace

QFont deviceFont(const Font& font, int pixelsPerInch) {
    QFont qfont;
    // Arial is rarely installed here; Liberation Sans has the same advance widths and heights.
    qfont.setFamilies({toQString(font.face), QStringLiteral("Liberation Sans")});
    qfont.setStyleHint(QFont::SansSerif);
    const int points = static_cast<int>(std::lround(std::clamp(font.pointSize, 1.0, 1000.0)));
    qfont.setPixelSize(std::max(1, fontDeviceHeight(points, std::max(1, pixelsPerInch))));
    qfont.setBold(font.bold);
    return qfont;
}

void paintDrawing(QPainter& painter, const Drawing& drawing, const QRectF& target, DrawingFit fit) {
    const Mapping mapping(drawing.extent(), target, fit);
    if (!mapping.valid()) {
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    PrimitivePainter primitivePainter(painter, mapping);
    for (const Primitive& primitive : drawing.primitives()) {
        std::visit(primitivePainter, primitive);
    }
    painter.restore();
}

QtTextMetrics::QtTextMetrics(QPaintDevice& device)
    : m_device(device), m_pixelsPerInch(std::max(1, device.logicalDpiY())) {}

double QtTextMetrics::toPoints(double pixels) const {
    return pixels * kPointsPerInch / m_pixelsPerInch;
}

double QtTextMetrics::ascent(const Font& font) const {
    return toPoints(QFontMetricsF(deviceFont(font, m_pixelsPerInch), &m_device).ascent());
}

double QtTextMetrics::height(const Font& font) const {
    return toPoints(QFontMetricsF(deviceFont(font, m_pixelsPerInch), &m_device).height());
}

double QtTextMetrics::width(std::string_view text, const Font& font) const {
    const QString qtext = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    return toPoints(
        QFontMetricsF(deviceFont(font, m_pixelsPerInch), &m_device).horizontalAdvance(qtext));
}

} // namespace flowmar
