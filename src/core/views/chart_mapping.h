// Where a chart lands on a device: the drawing rectangle in device pixels (the client area on the
// screen, the printable page less one inch on every side on paper) and the window-to-viewport
// mapping that stretches a chart's logical space onto it, independently in x and in y.
#pragma once

#include "core/views/drawing.h"

namespace flowmar {

// A rectangle of device pixels, y pointing down.
struct DeviceRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    friend bool operator==(const DeviceRect&, const DeviceRect&) = default;
};

// The drawing rectangle of a printed chart: the printable area (printableWidth x printableHeight
// pixels, origin at its top-left) less one inch on every side, the inch being the device's pixels
// per inch in each direction. A printable area too small to keep two inches in a direction keeps
// its whole extent in that direction rather than collapse to nothing.
DeviceRect chartPrintRect(int pixelsPerInchX, int pixelsPerInchY, int printableWidth,
                          int printableHeight);

// An anisotropic window-to-viewport mapping: device = viewportOrigin + (logical − windowOrigin) ×
// viewportExtent / windowExtent, in each direction on its own. A Qt view sets the same mapping
// with QPainter::setWindow and setViewport (or one QTransform of scale() and offset()).
struct ChartMapping {
    Point windowOrigin;
    Point windowExtent;
    Point viewportOrigin;
    Point viewportExtent;

    // Device units per logical unit in x and in y (y negative when the logical y points up).
    Point scale() const;
    // The device point of logical (0, 0).
    Point offset() const;
    Point toDevice(Point logical) const;
};

} // namespace flowmar
