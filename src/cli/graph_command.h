// flowmar-cli graph: opens the model as run does and writes its Graph View as SVG, stretched onto
// --width x --height pixels with the graph options the flags turn off; or a fan's Fan Results
// chart, or a fan's Fan Curve View chart (cli/fan_curve_graph.h).
#pragma once

#include "cli/command.h"

#include <string>
#include <vector>

namespace flowmar::cli {

// The SVG canvas of graph when no size is given, in pixels.
inline constexpr int kDefaultGraphWidth = 1200;
inline constexpr int kDefaultGraphHeight = 900;

int graphCommand(const Command& command, const std::vector<std::string>& args,
                 const CommandStreams& io);

} // namespace flowmar::cli
