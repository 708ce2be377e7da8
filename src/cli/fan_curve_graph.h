// graph --fan-curve N: the Fan Curve View's chart of one fan, or its whole printed page, as SVG.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace flowmar {
class StreamPort;
}

namespace flowmar::cli {

// Whether a graph call asks for a fan-curve chart rather than the Graph View: it names
// --fan-curve, or an option that only goes with it.
bool asksForFanCurve(const std::vector<std::string>& args);

// graph --fan-curve N [--kind pq|wq|pwq] [--page] [--units si|imperial] MODEL -o FILE.svg: opens
// the model as run does and writes fan N's chart (or the printed page with --page). A model
// without fan-mode results, a fan it does not have or one without an operating point stops with
// exit status 1, a message and no file.
int writeFanCurveGraph(const std::vector<std::string>& args, StreamPort& port, std::ostream& err);

} // namespace flowmar::cli
