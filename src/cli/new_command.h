// flowmar-cli new [--imperial] OUT: a new, empty model (SI unless --imperial) written to OUT
// (.dct or .json).
#pragma once

#include "cli/command.h"

#include <string>
#include <vector>

namespace flowmar::cli {

int newCommand(const Command& command, const std::vector<std::string>& args,
               const CommandStreams& io);

} // namespace flowmar::cli
