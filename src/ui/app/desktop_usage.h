// flowmar --help: the desktop program's own command line, printed by the application before any
// window opens.
#pragma once

#include <string_view>

namespace flowmar {

inline constexpr std::string_view kDesktopUsage =
    R"(Usage: flowmar [FILE] [--print] [--print-to PRINTER|FILE.pdf]
               [--print-view input|results|fan-input|fan-results|fan-curve] [--no-splash]
               [--no-recovery]
       flowmar --help | --version

Starts with no document open, or opens FILE (a .dct model, a .json model or a .fdb fan database)
and executes it.
  --print        print FILE's first view (or --print-view's) on the printer set up, then exit
  --print-to X   print to the printer X, or to the PDF file X when it ends in .pdf, then exit
  --print-view V the view to print: input, results, fan-input, fan-results or fan-curve
  --no-splash    start without the splash picture
  --no-recovery  neither offer the recovery copies left by a program that did not exit normally
                 nor keep copies of unsaved work (--print and --print-to imply it)
  --help         show this text;  --version  show the version
Printing exits with 0 when the pages were written, 1 when Execute stopped on a check (the pages
are still written), 2 when the command line was wrong, the file could not be read or the print
could not start.
)";

} // namespace flowmar
