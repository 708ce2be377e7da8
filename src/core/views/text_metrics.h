// Text metrics: how tall and how wide a text is in a font, so that layouts which depend on it (a
// report's line pitch, a label beside an axis) are computed in the core. The default estimates
// Arial from its published proportions; the Qt layer may supply the real font's metrics instead.
#pragma once

#include "core/views/drawing.h"

#include <string_view>

namespace flowmar {

// Sizes are in points (1/72 inch) on the output device, whatever the logical space.
class TextMetrics {
public:
    virtual ~TextMetrics() = default;

    // From the top of a text cell down to its baseline.
    virtual double ascent(const Font& font) const = 0;
    // The height of a text cell: ascent plus descent.
    virtual double height(const Font& font) const = 0;
    // The advance width of a single line of UTF-8 text.
    virtual double width(std::string_view text, const Font& font) const = 0;
};

// Arial and its metric twin Liberation Sans: ascent 0.905 and descent 0.212 of the point size,
// character widths from the font's advance table for ASCII and a few Latin-1 signs.
class ApproximateArialMetrics final : public TextMetrics {
public:
    double ascent(const Font& font) const override;
    double height(const Font& font) const override;
    double width(std::string_view text, const Font& font) const override;
};

// One shared instance of ApproximateArialMetrics.
const TextMetrics& defaultTextMetrics();

// The device height in pixels of a font of pointSize points on a device with pixelsPerInch:
// (pixelsPerInch × 10 × pointSize / 72 + 5) / 10 in integer arithmetic, the rule every printed
// view uses when it creates its font.
int fontDeviceHeight(int pointSize, int pixelsPerInch);

// A length in points expressed in logical units of a space with unitsPerInch (254 for 0.1 mm).
inline double pointsToLogical(double points, double unitsPerInch) {
    return points * unitsPerInch / 72.0;
}

} // namespace flowmar
