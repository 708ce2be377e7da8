// flowmar-cli convert IN OUT: a duct model between .dct and .json, or a fan database between .fdb
// and .json, by the extensions of IN and OUT; a converted file that its own reader refuses is
// removed again.
#pragma once

#include "cli/command.h"

#include <string>
#include <vector>

namespace flowmar::cli {

int convertCommand(const Command& command, const std::vector<std::string>& args,
                   const CommandStreams& io);

} // namespace flowmar::cli
