// The SVG painter: renders a Drawing as a standalone SVG document, so that the command line can
// write charts and printed pages without a window system. The logical space is mapped onto the
// canvas as the Qt painter maps it onto a window or a page, y flipped when it points up.
#pragma once

#include "core/views/drawing.h"
#include "core/views/text_metrics.h"

#include <string>

namespace flowmar {

struct SvgOptions {
    // The canvas in CSS pixels (96 per inch). When 0, a drawing whose logical unit has a physical
    // size gets that size (an A4 page prints as 210 mm x 297 mm); any other gets its logical size.
    double width = 0;
    double height = 0;
};

// The SVG document (UTF-8) of the drawing on a white canvas. Texts are placed by their top-left
// corner using the metrics' ascent; a primitive with a coordinate that is not finite is left out,
// and text that is not valid UTF-8 or holds control characters is drawn with replacements.
std::string renderSvg(const Drawing& drawing, const SvgOptions& options = {},
                      const TextMetrics& metrics = defaultTextMetrics());

} // namespace flowmar
