// The command line's texts: flowmar-cli's help, each command's description and those of its
// options (flowmar-cli COMMAND --help), and the faults of a wrong call or of an output a command
// cannot give. Every text that the command line alone prints is defined here once; code and tests
// refer to it by name. The messages it shares with the desktop program (Execute's, the files')
// are the core's, in core/model/messages.h. After what every call shares, each command has a
// group of its own in the order of the help: a new command adds its synopsis lines and its
// paragraph to kCommandLineHelp and its group at the end.
#pragma once

#include <string>
#include <string_view>

namespace flowmar::cli_texts {

// flowmar-cli --help, printed also after an unknown command; a command's synopsis lines in it are
// the usage printed after a wrong call of that command, each followed by kSeeHelp.
inline constexpr std::string_view kCommandLineHelp = R"(Usage:
  flowmar-cli run [--units si|imperial] [--json [--pretty]] [--csv FILE] [--jobs N] [CHECKS]
                  MODEL...
  flowmar-cli run --report fans [--units si|imperial] [--jobs N] MODEL...
  flowmar-cli graph [--width W] [--height H] [--units si|imperial] [--velocity]
                    [--no-OPTION...] MODEL -o FILE.svg
  flowmar-cli graph --fan-results-chart N [--units si|imperial] MODEL -o FILE.svg
  flowmar-cli graph --fan-curve N [--kind pq|wq|pwq] [--page] [--units si|imperial]
                    MODEL -o FILE.svg
  flowmar-cli convert IN OUT
  flowmar-cli new [--imperial] OUT
  flowmar-cli study --vary NAME=FROM:TO:STEPS [--vary2 NAME=FROM:TO:STEPS] [--require-face Q]
                    [--json [--pretty]] [--csv FILE] [--svg FILE] MODEL
  flowmar-cli COMMAND --help
  flowmar-cli --help
  flowmar-cli --version

run      Opens each model (.dct or .json) as the program's Open does: reads it, then runs
         Execute. Execute's messages go to standard error; a sheet that Execute would open is
         reported there too. Standard output gets the Summary of Input Data and the Summary of
         Results of each model, in the model's units.
           --units si|imperial   show the reports in these units instead (display only)
           --json                print one JSON object per model instead of the reports
           --pretty              with --json: indent each object over several lines
           --csv FILE            write the segment table of the (single) model as CSV
           --report fans         after the summaries, the text of the Fan Input and the Fan
                                 Results reports
           --jobs N              run N models at once (default: one per core); each model's
                                 output and messages still come whole, in the order named
         After the reports (or as "checks" in each JSON object) come the design checks: what
         an experienced engineer would flag in the solved duct. CHECKS set their criteria, over
         those of a JSON model's "designCriteria":
           --require-face Q      warn when the face quantity is below Q m³/s
           --min-efficiency-fraction F, --max-leakage-share S   fractions from 0 to 1
           --velocity-range MIN:MAX   warn when the mean velocity lies outside (m/s)
           --strict              exit status 4 when a check warns and nothing worse happened
graph    Opens the model as run does and writes its Graph View (flow and pressures along the
         duct with the duct's schematic) as an SVG picture stretched onto W x H pixels
         (default 1200 x 900), in the model's units or those of --units.
           --velocity            plot the velocity instead of the quantity
           --no-zero-line, --no-total-pressure, --no-static-pressure, --no-schematic,
           --no-fans, --no-shock-losses, --no-arrows
                                 leave that part of the graph out
           --fan-results-chart N the Fan Results chart of fan N (from 1) instead: its curve
                                 and operating point; exit status 1 when fan N did not run on
                                 its curve or the model has no fan-mode results
         With --fan-curve N it writes instead the Fan Curve View's chart of fan N (from 1): the
         fan's curve at the duct's air density, its input power and its operating point.
           --kind pq|wq|pwq      Pressure-Quantity (default), Power-Quantity or both
           --page                the whole printed page (a landscape A4 sheet) instead
         A fan without an operating point, or a model without fan-mode results, gives exit
         status 1 and no file.
convert  Converts a duct model between .dct and .json, or a fan database between .fdb and
         .json, by the extensions of IN and OUT.
new      Writes a new, empty model (SI unless --imperial) to OUT (.dct or .json).
study    Opens the model as run does, then runs Execute on a copy of it for every value of an
         input from FROM to TO (STEPS values, both ends included; values in SI) and prints a
         table of the face and fan-end quantity, the booster pressure and the lowest and highest
         static pressure of each step. NAME is ductLength, ductDiameter, frictionFactor,
         leakageResistance100, airDensity, fixedQuantity, fanDistance:N or fanFixedPressure:N.
           --vary2 NAME=...      a second input: every value of --vary for each of its values
           --require-face Q      find where the face quantity crosses Q m³/s (by bisection)
           --json                print one JSON object with every step instead of the table
           --csv FILE            write the steps as CSV;  --svg FILE  write the chart as SVG
         Exit status 0 when every step ran to results, 1 when some step stopped, 2 for a range
         or model that makes no study.
--version
         Prints the program's version.

Exit status (run and graph): 0 results complete (converged, or fixed quantity); 3 the iteration
limit was reached; 1 Execute stopped on a check; 2 a file could not be read or written, or the
call is wrong; 4 (run --strict only) a design check warned. With several models the most
serious outcome wins (2, then 1, then 3, then 4).
)";
inline constexpr std::string_view kSeeHelp = "See flowmar-cli --help.";
// "flowmar-cli 1.01c": what --version prints.
std::string commandLineVersion();

// Any command's call: the help flag, the faults that its parse finds and the options and inputs
// that several commands share.
inline constexpr std::string_view kCommandHelpFlag = "Print this command's help and exit";
std::string unknownCommand(std::string_view command);      // Unknown command "<command>".
std::string unknownOption(std::string_view option);        // Unknown option "<option>".
std::string unexpectedArgument(std::string_view argument); // Unexpected argument "<argument>".
std::string optionNeedsValue(std::string_view option);     // <option> needs a value.
std::string unitsNotKnown(std::string_view value);         // --units takes "si" or "imperial", ...
inline constexpr std::string_view kCliUnits = "Show the reports in si or imperial units";
inline constexpr std::string_view kCliJson = "Print one JSON object per model instead";
inline constexpr std::string_view kCliPretty = "With --json: indent each object";
inline constexpr std::string_view kStandardInput = "standard input";
// An output of the command line that would land on a model, a fan database or an input of the
// same call: nothing is written.
std::string outputIsAnInput(std::string_view option, std::string_view file);
std::string outputIsAModelFile(std::string_view option, std::string_view file);

// run.
inline constexpr std::string_view kCliRun =
    "Opens each model (.dct or .json; - reads one JSON model from standard input) as the "
    "program's Open does, runs Execute and prints its reports.";
inline constexpr std::string_view kCliCsv = "Write the segment table of the one model as CSV";
inline constexpr std::string_view kCliReport = "fans: add the Fan Input and Fan Results reports";
inline constexpr std::string_view kCliJobs =
    "Models run at once (default: one per core); the output is the same for any number";
inline constexpr std::string_view kCliModels = "Duct models (.dct or .json), - for standard input";
inline constexpr std::string_view kRunNeedsModel = "run needs at least one model.";
inline constexpr std::string_view kPrettyNeedsJson = "--pretty goes with --json.";
inline constexpr std::string_view kCsvNeedsOneModel =
    "--csv writes the table of one model; name exactly one.";
inline constexpr std::string_view kOneModelFromStandardInput =
    "Standard input holds one model: name - once.";
inline constexpr std::string_view kCsvNotToStandardOutput =
    "--csv needs a file: standard output carries the reports.";
// "--jobs takes a whole number from 1 to <most>, not "<value>"."
std::string jobsOutOfRange(std::string_view value, int most);
std::string reportNotKnown(std::string_view value); // --report takes "fans", not "<value>".
inline constexpr std::string_view kReportIsText =
    "--report prints text; it does not go with --json.";
// "== <file> ==": the line before each model's reports when run reports several.
std::string modelHeading(std::string_view file);
// run --csv of a model whose Execute stopped.
inline constexpr std::string_view kCsvHeaderOnly =
    "The CSV file holds only its header: Execute stopped before there were results.";
// run's design checks: the options of their criteria and of --strict, and the faults of a value.
inline constexpr std::string_view kCliRequireFace = "check the face quantity against Q m³/s";
inline constexpr std::string_view kCliMinEfficiencyFraction =
    "note a fan below this fraction of its best efficiency (default 0.7)";
inline constexpr std::string_view kCliMaxLeakageShare =
    "warn when leakage takes more of the fan-end quantity (default 0.5)";
inline constexpr std::string_view kCliVelocityRange =
    "warn when the duct's mean velocity lies outside MIN:MAX m/s";
inline constexpr std::string_view kCliStrict =
    "exit status 4 when a design check warns and nothing more serious happened";
inline constexpr std::string_view kRequireFaceNotPositive =
    "--require-face takes a quantity above 0.";
std::string fractionNeeded(std::string_view option); // <option> takes a fraction from 0 to 1.
// --velocity-range takes MIN:MAX in m/s (either may be left out), not "<value>".
std::string velocityRangeNotKnown(std::string_view value);

// graph.
inline constexpr std::string_view kCliGraph =
    "Opens the model as run does and writes its Graph View, a fan's Fan Results chart or a "
    "fan's Fan Curve View chart as SVG.";
inline constexpr std::string_view kCliModel = "The duct model (.dct or .json)";
inline constexpr std::string_view kCliWidth = "Picture width in pixels (1 to 20000)";
inline constexpr std::string_view kCliHeight = "Picture height in pixels (1 to 20000)";
inline constexpr std::string_view kCliVelocity = "Plot the velocity instead of the quantity";
inline constexpr std::string_view kCliLeaveOut = "Leave that part of the graph out";
inline constexpr std::string_view kCliFanResultsChart = "The Fan Results chart of fan N instead";
inline constexpr std::string_view kCliFanCurve = "The Fan Curve View chart of fan N instead";
inline constexpr std::string_view kCliKind = "With --fan-curve: pq, wq or pwq";
inline constexpr std::string_view kCliPage = "With --fan-curve: the whole printed page";
inline constexpr std::string_view kCliSvgFile = "The SVG file to write, - for standard output";
std::string pixelsOutOfRange(std::string_view option, std::string_view value, int largest);
inline constexpr std::string_view kGraphTakesOneModel = "graph takes one model.";
inline constexpr std::string_view kGraphNeedsModel = "graph needs a model.";
inline constexpr std::string_view kGraphNeedsOutput = "graph needs -o FILE.svg.";
inline constexpr std::string_view kGraphOverModel =
    "graph would write the picture over the model itself.";
// graph --fan-results-chart: the fault of a call and of a model that has no such chart.
std::string fanNumberNotKnown(std::string_view value); // --fan-results-chart takes a fan number...
inline constexpr std::string_view kNoFanModeResults =
    "The model has no fan-mode results: the Fan Results have no chart to draw.";
std::string fanNotOnCurve(int fanNumber); // "Fan N did not run on its curve: it has no chart."
// graph --fan-curve: the faults of a call and of a model that has no fan curve to chart.
std::string fanCurveNumberNeeded(std::string_view value); // --fan-curve takes a fan number ...
std::string curveKindNotKnown(std::string_view value);    // --kind takes "pq", "wq" or "pwq", ...
inline constexpr std::string_view kFanCurveOnlyOptions = "--kind and --page go with --fan-curve.";
std::string notWithFanCurve(std::string_view option); // <option> does not go with --fan-curve.
std::string noFanModeResults(std::string_view file);  // "<file>" has no fan-mode results ...
std::string noSuchFan(int fanNumber, int fanCount);   // The model has no fan 4: its fans are ...
std::string fanWithoutOperatingPoint(int fanNumber);  // Fan 2 has no operating point ...

// convert.
inline constexpr std::string_view kCliConvert =
    "Converts a duct model between .dct and .json, or a fan database between .fdb and .json, by "
    "the extensions of IN and OUT.";
inline constexpr std::string_view kCliConvertIn = "The file to read";
inline constexpr std::string_view kCliConvertOut = "The file to write";
inline constexpr std::string_view kConvertNeedsInAndOut = "convert needs IN and OUT.";
// convert of a .dct into a .fdb or the other way round.
std::string convertBetweenKinds(std::string_view in, std::string_view out);
// convert from JSON to .dct: the binary layout has no place for the design criteria.
inline constexpr std::string_view kCriteriaNotInDct =
    "Note: the model's \"designCriteria\" are not kept: a .dct file has no "
    "place for them.";
// convert wrote a file that its own reader refuses: the file is removed, nothing is kept.
std::string convertedFileUnreadable(std::string_view file, std::string_view readBack);

// new.
inline constexpr std::string_view kCliNew = "Writes a new, empty model to OUT (.dct or .json).";
inline constexpr std::string_view kCliImperial = "With the Imperial defaults instead of SI";
inline constexpr std::string_view kCliNewOut = "The model file to write";
inline constexpr std::string_view kNewNeedsOut = "new needs OUT.";

// study.
inline constexpr std::string_view kCliStudy =
    "Runs Execute on copies of the model over a range of one input (or two) and prints every "
    "step's results.";
inline constexpr std::string_view kCliVary = "the input and its range";
inline constexpr std::string_view kCliVary2 = "a second input and its range";
inline constexpr std::string_view kCliStudyRequireFace = "the required face quantity (m³/s)";
inline constexpr std::string_view kCliStudyCsv = "write the steps as CSV";
inline constexpr std::string_view kCliStudySvg = "write the chart as SVG";
inline constexpr std::string_view kCliStudyModel = "the model (.dct or .json)";
inline constexpr std::string_view kStudyNeedsModel = "study needs a model.";
inline constexpr std::string_view kStudyNeedsVary = "study needs --vary NAME=FROM:TO:STEPS.";

} // namespace flowmar::cli_texts
