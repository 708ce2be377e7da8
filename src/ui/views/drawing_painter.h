// The Qt painter of a core Drawing: maps the drawing's logical space onto a rectangle of a paint
// device (a window, a printer's page, an image) and renders every primitive there, with fonts
// sized by the device's own resolution. QtTextMetrics measures texts with the same fonts, so that
// a layout computed in the core from it matches what is painted.
#pragma once

#include "core/views/drawing.h"
#include "core/views/text_metrics.h"

#include <QFont>
#include <QRectF>

class QPainter;
class QPaintDevice;

namespace flowmar {

enum class DrawingFit {
    // One scale on both axes, the largest that fits the target, anchored at its top-left corner:
    // pages, whose 0.1 mm units land on the printer's page at its true size when the target is
    // the printable area and the extent that area in 0.1 mm.
    Isotropic,
    // The extent stretched onto the whole target, each axis on its own: charts that fill their
    // window whatever its shape.
    Anisotropic,
};

// The font of a drawing's text on a device of pixelsPerInch: the face ("Arial" falls back to its
// metric twin Liberation Sans, then to any sans-serif face), and a character height of
// fontDeviceHeight(pointSize, pixelsPerInch) pixels.
QFont deviceFont(const Font& font, int pixelsPerInch);

// Paints the drawing onto target, in the painter's current coordinates (device pixels when the
// painter has no transform); the extent's edges land on the centres of the target's edge pixels,
// so a line on the edge of the extent is drawn inside the target. Pen widths are mapped with the
// smaller of the two scales and never drawn thinner than one pixel; a width of 0 is the thinnest
// line. Texts keep their point size whatever the mapping and stand with their cell's top-left
// corner at their point. A primitive with a coordinate that is not finite is left out. The
// painter's state is restored on return.
void paintDrawing(QPainter& painter, const Drawing& drawing, const QRectF& target, DrawingFit fit);

// Text metrics of the fonts deviceFont gives on a device, converted to points. The device must
// outlive the metrics.
class QtTextMetrics final : public TextMetrics {
public:
    explicit QtTextMetrics(QPaintDevice& device);

    double ascent(const Font& font) const override;
    double height(const Font& font) const override;
    double width(std::string_view text, const Font& font) const override;

private:
    double toPoints(double pixels) const;

    QPaintDevice& m_device;
    int m_pixelsPerInch;
};

} // namespace flowmar
