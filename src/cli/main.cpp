// flowmar-cli: runs duct models without a window, draws their graph as SVG, converts between the
// binary and JSON forms and writes new models.
#include "cli/commands.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    return flowmar::cli::runCommandLine(std::vector<std::string>(argv + 1, argv + argc), std::cout,
                                        std::cerr);
}
