// flowmar-cli: runs duct models without a window, draws their graph as SVG, converts between the
// binary and JSON forms and writes new models.
#include "cli/commands.h"

#include <iostream>
#include <malloc.h>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    // A batch opens and closes models of some 70 KB thousands of times. With the default trim
    // threshold every close hands the top of the heap back to the system and the next open takes
    // it again, two system calls and a TLB flush per model; keep up to 64 MB instead.
    mallopt(M_TRIM_THRESHOLD, 64 * 1024 * 1024);
    return flowmar::cli::runCommandLine(std::vector<std::string>(argv + 1, argv + argc), std::cout,
                                        std::cerr);
}
