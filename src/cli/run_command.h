// flowmar-cli run: opens each model as the program's Open does, runs Execute and prints its
// reports (or one JSON object per model) with the design checks; with --csv also the segment
// table of the one model, with --jobs several models at once.
#pragma once

#include "cli/command.h"

#include <string>
#include <vector>

namespace flowmar::cli {

int runCommand(const Command& command, const std::vector<std::string>& args,
               const CommandStreams& io);

} // namespace flowmar::cli
