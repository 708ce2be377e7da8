// flowmar-cli: runs duct models without a window, draws their graph as SVG, converts between the
// binary and JSON forms and writes new models.
#include "cli/cli_port.h"
#include "cli/commands.h"

#include <cstring>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::string_view kUsage = R"(Usage:
  flowmar-cli run [--units si|imperial] [--json [--pretty]] [--csv FILE] MODEL...
  flowmar-cli graph [--width W] [--height H] [--units si|imperial] [--velocity]
                    [--no-OPTION...] MODEL -o FILE.svg
  flowmar-cli convert IN OUT
  flowmar-cli new [--imperial] OUT
  flowmar-cli --help

run      Opens each model (.dct or .json) as the program's Open does: reads it, then runs
         Execute. Execute's messages go to standard error; a sheet that Execute would open is
         reported there too. Standard output gets the Summary of Input Data and the Summary of
         Results of each model, in the model's units.
           --units si|imperial   show the reports in these units instead (display only)
           --json                print one JSON object per model instead of the reports
           --pretty              with --json: indent each object over several lines
           --csv FILE            write the segment table of the (single) model as CSV
graph    Opens the model as run does and writes its Graph View (flow and pressures along the
         duct with the duct's schematic) as an SVG picture stretched onto W x H pixels
         (default 1200 x 900), in the model's units or those of --units.
           --velocity            plot the velocity instead of the quantity
           --no-zero-line, --no-total-pressure, --no-static-pressure, --no-schematic,
           --no-fans, --no-shock-losses, --no-arrows
                                 leave that part of the graph out
convert  Converts a duct model between .dct and .json, or a fan database between .fdb and
         .json, by the extensions of IN and OUT.
new      Writes a new, empty model (SI unless --imperial) to OUT (.dct or .json).

Exit status (run and graph): 0 results complete (converged, or fixed quantity); 3 the iteration
limit was reached; 1 Execute stopped on a check; 2 a file could not be read or written, or the
call is wrong. With several models the most serious outcome wins (2, then 1, then 3).
)";

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        std::cout << kUsage;
        return args.empty() ? flowmar::cli::kExitUsage : flowmar::cli::kExitOk;
    }
    const std::string command = args[0];
    args.erase(args.begin());
    flowmar::cli::CliPort port(std::cerr);
    if (command == "run") {
        return flowmar::cli::runModels(args, port, std::cout, std::cerr);
    }
    if (command == "graph") {
        return flowmar::cli::writeGraph(args, port, std::cerr);
    }
    if (command == "convert") {
        return flowmar::cli::convertFile(args, std::cerr);
    }
    if (command == "new") {
        return flowmar::cli::writeNewModel(args, std::cerr);
    }
    std::cerr << "Unknown command \"" << command << "\".\n\n" << kUsage;
    return flowmar::cli::kExitUsage;
}
