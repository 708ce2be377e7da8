// graph --fan-curve N: the Fan Curve View's chart of one fan, or its whole printed page, as SVG.
#pragma once

#include "core/views/fan_curve_chart.h"

#include <iosfwd>
#include <optional>
#include <string>

namespace flowmar {
class StreamPort;
}

namespace flowmar::cli {

// graph --fan-curve N [--kind pq|wq|pwq] [--page] [--units si|imperial] MODEL -o FILE.svg, as
// parsed by graph.
struct FanCurveCall {
    int fanNumber = 0; // from 1
    int kind = fan_curve_view::kPressureQuantity;
    bool page = false;
    std::optional<int> units;
    std::string model;
    std::string svgFile; // "-" for out
};

// Opens the model as run does and writes fan N's chart (or the printed page with --page). A model
// without fan-mode results, a fan it does not have or one without an operating point stops with
// exit status 1, a message and no file.
int writeFanCurveGraph(const FanCurveCall& call, StreamPort& port, std::ostream& out,
                       std::ostream& err);

} // namespace flowmar::cli
