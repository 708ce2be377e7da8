// flowmar-cli study: one model, one input (or two) through a range, a table, JSON or CSV of every
// step and an SVG of the chart. The options arrive parsed; this runs them.
#pragma once

#include "cli/command.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace flowmar {
class StreamPort;
}

namespace flowmar::cli {

struct StudyOptions {
    std::string model;
    std::string vary;                  // NAME=FROM:TO:STEPS
    std::optional<std::string> vary2;  // a second input: a grid
    std::optional<double> requireFace; // m³/s
    bool json = false;
    bool pretty = false;
    std::string csvFile;   // empty: none
    std::string svgFile;   // empty: none
    bool progress = false; // a bar on err while the steps run
};

// study [options] MODEL, parsed: a wrong call gets its fault and the usage on err (exit 2). The
// bar is drawn when err is the process's standard error and a terminal.
int studyCommand(const Command& command, const std::vector<std::string>& args,
                 const CommandStreams& io);

// 0 when every step ran to results, 1 when some step stopped, 2 for a range that makes no study
// or a model that cannot be read (said on err).
int runStudyCommand(const StudyOptions& options, StreamPort& port, std::ostream& out,
                    std::ostream& err);

} // namespace flowmar::cli
