#include "core/views/chart_mapping.h"

namespace flowmar {

namespace {

// One inch off both ends of an extent, unless that leaves nothing.
void insetByAnInch(int extent, int inch, int& low, int& high) {
    if (inch > 0 && extent > 2 * inch) {
        low = inch;
        high = extent - inch;
    } else {
        low = 0;
        high = extent > 0 ? extent : 0;
    }
}

double ratio(double device, double logical) {
    return logical != 0 ? device / logical : 0;
}

} // namespace

DeviceRect chartPrintRect(int pixelsPerInchX, int pixelsPerInchY, int printableWidth,
                          int printableHeight) {
    DeviceRect rect;
    insetByAnInch(printableWidth, pixelsPerInchX, rect.left, rect.right);
    insetByAnInch(printableHeight, pixelsPerInchY, rect.top, rect.bottom);
    return rect;
}

Point ChartMapping::scale() const {
    return {ratio(viewportExtent.x, windowExtent.x), ratio(viewportExtent.y, windowExtent.y)};
}

Point ChartMapping::offset() const {
    const Point s = scale();
    return {viewportOrigin.x - windowOrigin.x * s.x, viewportOrigin.y - windowOrigin.y * s.y};
}

Point ChartMapping::toDevice(Point logical) const {
    const Point s = scale();
    const Point o = offset();
    return {o.x + logical.x * s.x, o.y + logical.y * s.y};
}

} // namespace flowmar
