// The catalogue of message-box texts. Every message a person reads is defined here once; code and
// tests refer to it by name.
#pragma once

#include "core/model/input_limits.h"
#include "core/model/message_text.h"

#include <string>
#include <string_view>

namespace flowmar::messages {

// Execute: duct and zone checks.
inline constexpr std::string_view kDuctTooRestricted =
    "This duct is too restricted. Either enlarge, shorten, or reduce friction factor and/or "
    "losses.";
inline constexpr std::string_view kZoneTooRestricted =
    "One section of duct in the Zones is too restricted. Either enlarge, shorten, or reduce "
    "friction factor and/or losses.";
inline constexpr std::string_view kNoZoneData = "There is no zone data entered.";
inline constexpr std::string_view kZoneDistanceNegative =
    "A distance in the zones is less than zero. Execution terminated.";
inline constexpr std::string_view kZoneDistanceBeyondDuct =
    "A distance in the zones is greater than the duct length. Execution terminated.";
inline constexpr std::string_view kZoneTooShort =
    "The zone length must exceed the segment length. Execution terminated.";
inline constexpr MessageText kZoneDiameterText =
    composeMessage("A diameter in the Zones section is less than or equal to zero or greater than ",
                   limits::kMaxZoneDiameter, " m.");
inline constexpr std::string_view kZoneDiameter = kZoneDiameterText.view();
inline constexpr MessageText kZoneFrictionFactorText =
    composeMessage("A k factor in the Zones section is less than or equal to zero or greater than ",
                   limits::kMaxZoneFrictionFactor, " kg/m³.");
inline constexpr std::string_view kZoneFrictionFactor = kZoneFrictionFactorText.view();
inline constexpr MessageText kZoneLeakageText = composeMessage(
    "A leakage resistance in the Zones section is less than or equal to zero or greater than ",
    Grouped{limits::kMaxZoneLeakageResistance}, " Ns²/m^8.");
inline constexpr std::string_view kZoneLeakage = kZoneLeakageText.view();
inline constexpr std::string_view kZonesDoNotJoin =
    "Your zones must join and cover the full extent of the duct.";

// Execute: shock-loss checks.
inline constexpr std::string_view kSmoothElbowDistance =
    "A distance in the smooth elbow shock exceeds the duct length or is less than zero. "
    "Execution terminated.";
inline constexpr std::string_view kMitredElbowDistance =
    "A distance in the mitered elbow shock exceeds the duct length or is less than zero. "
    "Execution terminated.";
inline constexpr std::string_view kDamperDistance =
    "A distance in the damper shock exceeds the duct length or is less than zero. Execution "
    "terminated.";
inline constexpr std::string_view kScreenDistance =
    "A distance in the screen shock exceeds the duct length or is less than zero. Execution "
    "terminated.";
inline constexpr std::string_view kFixedResistanceDistance =
    "A distance in the fixed resistance shock loss exceeds the duct length or is less than zero. "
    "Execution terminated.";
inline constexpr MessageText kFixedResistanceValueText =
    composeMessage("An input resistance for a shock loss is either greater than ",
                   limits::kMaxFixedResistance, " or less than zero. Execution terminated.");
inline constexpr std::string_view kFixedResistanceValue = kFixedResistanceValueText.view();
inline constexpr std::string_view kSmoothElbowRowReset =
    "Length entered as zero with other data for smooth elbow shock loss. Row reset.";
inline constexpr std::string_view kMitredElbowRowReset =
    "Length entered as zero with other data for mitred elbow shock loss. Row reset.";
inline constexpr std::string_view kDamperRowReset =
    "Length entered as zero with other data for damper shock loss. Row reset.";

// Fan-mode solution.
inline constexpr std::string_view kFanDistanceOutsideDuct =
    "A specified fan distance exceeds that of the total duct length or is less than zero. "
    "Execution terminated.";
inline constexpr std::string_view kDuctDetailsIncomplete =
    "You have not completed the input of the duct details";
inline constexpr std::string_view kNoFanDefined =
    "There is no fan defined for this duct system. Go to Fan Input View";
inline constexpr std::string_view kIterationLimitExceeded =
    "The iteration limit has been exceeded. Check input data. Possible problems include setting "
    "the iteration limit too low [General Page], the mode of execution being set to 'Detailed' "
    "rather than 'Quick' or 'Normal', the duct being too large, low or zero pressure fans, or the "
    "leakage being very high.";

// Fixed-quantity solution.
inline constexpr std::string_view kBoosterTooHigh =
    "The booster requirement exceeds 1,000 kPa. Reduce the restriction or lower the fixed "
    "quantity.";

// Fans of a duct model.
inline constexpr std::string_view kTooManyFans =
    "Error. You have exceeded 100 fans. That is the maximum number allowed in the Flowmar "
    "program.";
inline constexpr std::string_view kFixedPressureWithoutValue =
    "You have tagged fixed pressure but entered no value.";
inline constexpr std::string_view kCurveFanWithoutCurve =
    "You have tagged to use a curve but not entered one.";
inline constexpr std::string_view kFanNumberDoesNotExist = "This fan number does not exist.";

// Fan curves, in the order their rules are tested.
inline constexpr std::string_view kCurveTooFewPoints =
    "You must enter at least two points in the fan curve.";
inline constexpr std::string_view kCurveZeroPressure = "Do not enter a point(s) with zero pressure";
inline constexpr std::string_view kCurveZeroQuantity = "Do not enter a point(s) with zero quantity";
inline constexpr std::string_view kCurveNegativeValue =
    "You have entered a negative value for the fan.";
inline constexpr std::string_view kCurveImpossibleEfficiency =
    "You have an impossible fan efficiency - (Range - 0 to 100%)";
inline constexpr std::string_view kCurveRepeatedPressure =
    "You cannot have two pressures of the same value.";
inline constexpr std::string_view kCurveRepeatedQuantity =
    "You cannot have two quantities of the same value.";
inline constexpr std::string_view kCurveQuantityTooHigh =
    "The maximum quantity allowed for a fan is 800 m³/s. This value has been exceeded.";
inline constexpr std::string_view kCurvePressureTooHigh =
    "The maximum pressure allowed for a fan is 25 kPa. This value has been exceeded.";
inline constexpr std::string_view kCurveSequence =
    "You have an error with sequence in fan curve - Sort terminated.";

// The fan database.
inline constexpr std::string_view kTooManyDatabaseFans =
    "You have exceeded 100 fans. Generate a new fan database.";

// Importing a fan curve from a fan database file.
inline constexpr std::string_view kImportFanDoesNotExist = "This fan does not exist";
std::string unableToOpenFile(std::string_view path);

// The sheets and dialogs, named as a person reads them when one is not opened ("the Duct Details
// sheet is not part of this version.", "(would open the Duct Details sheet)").
inline constexpr std::string_view kDuctDetailsSheet = "the Duct Details sheet";
inline constexpr std::string_view kShockLossesSheet = "the Shock Losses sheet";
inline constexpr std::string_view kFixedQuantityDialog = "the Fixed Quantity Tool dialog";
inline constexpr std::string_view kAddEditFanDialog = "the Add/Edit Fan dialog";
inline constexpr std::string_view kFanCurveEditor = "the fan curve editor";
inline constexpr std::string_view kEditFanDialog = "the Edit Fan dialog";
inline constexpr std::string_view kDeleteFanDialog = "the Delete Fan dialog";
inline constexpr std::string_view kNotepadDialog = "the Notepad";
inline constexpr std::string_view kGraphTrendsDialog = "the Graph Trends dialog";
inline constexpr std::string_view kSelectFanDialog = "the Select Fan dialog";
inline constexpr std::string_view kSelectUnitsDialog = "the Select Units dialog";
inline constexpr std::string_view kFileOpenDialog = "the file-open dialog";
// "(would open the Duct Details sheet)": how the command line reports a sheet or dialog that it
// answers with Cancel.
std::string wouldOpen(std::string_view dialogName);

// The small dialogs' checks of what was typed.
inline constexpr MessageText kNotepadTooLongText =
    composeMessage("Enter no more than ", limits::kNotepadMaxLength, " characters.");
inline constexpr std::string_view kNotepadTooLong = kNotepadTooLongText.view();
inline constexpr std::string_view kFixedQuantityOutOfRange =
    "Enter a fixed quantity between 0.0000001 and 800.";
inline constexpr MessageText kFanNumberOutOfRangeText = composeMessage(
    "Enter a fan number between ", limits::kFirstFanNumber, " and ", limits::kLastFanNumber, ".");
inline constexpr std::string_view kFanNumberOutOfRange = kFanNumberOutOfRangeText.view();
inline constexpr std::string_view kNotANumber = "Enter a number.";
// A box that takes one number holds something else: "Enter a number for Duct Length (m)." The
// field is named as its label reads, so the message says which box to mend.
std::string numberNeeded(std::string_view field);
// The same for a box that takes a whole number: "Enter a whole number for Iteration Limit."
std::string wholeNumberNeeded(std::string_view field);
// "Save changes to <document>?", asked when a modified document closes.
std::string saveChangesQuestion(std::string_view documentTitle);

// Checks of our own that keep impossible input (mostly from damaged or hand-made files) from
// producing overflowing integers, infinite or NaN results, or reads past a table.
inline constexpr std::string_view kLeakagePathCountOutOfRange =
    "The number of leakage paths must lie between 0 and 99. Execution terminated.";
inline constexpr std::string_view kLeakageResistanceTooLarge =
    "The leakage resistance is too large: at most 214,748 Ns²/m^8 per 100 m can be used. "
    "Execution terminated.";
inline constexpr std::string_view kLeakagePathWithoutResistance =
    "A leakage path of the duct has zero or negative resistance. Check the leakage resistance of "
    "the duct and of its zones. Execution terminated.";
inline constexpr std::string_view kNegativeSegmentResistance =
    "A shock loss makes the resistance of a duct section negative or undefined. Check the shock "
    "loss factors, entry and exit. Execution terminated.";
inline constexpr std::string_view kIterationLimitBelowOne =
    "The iteration limit must be at least 1. Set it on the General page. Execution terminated.";
inline constexpr std::string_view kResultsNotFinite =
    "The solution did not give finite values. Check the input data, in particular the fan curves, "
    "shock losses and air density. The previous results are kept.";

// Values no duct can have, refused by Execute with what the model holds.
std::string airDensityRefused(double value);
inline constexpr std::string_view kEntryShockFactor = "entry shock loss factor";
inline constexpr std::string_view kExitShockFactor = "exit shock loss factor";
std::string shockFactorRefused(std::string_view which, double value);
std::string fixedQuantityRefused(double value);
// A coded value of a model file outside its list: "the duct type (3) must be 1 (forcing) or 2
// (exhausting)".
std::string codeRefused(std::string_view what, long long value, std::string_view accepted);
inline constexpr std::string_view kDuctTypeCode = "the duct type";
inline constexpr std::string_view kDuctTypeCodes = "1 (forcing) or 2 (exhausting)";
inline constexpr std::string_view kSolutionModeCode = "the solution mode";
inline constexpr std::string_view kSolutionModeCodes = "0 (fixed quantity) or 1 (fans)";
inline constexpr std::string_view kFixedQuantityLocationCode = "the fixed quantity's location";
inline constexpr std::string_view kFixedQuantityLocationCodes = "0 (face) or 1 (fan end)";
// A curve fan at exactly 0 m, in no segment, took no part in the solution.
std::string fanLeftOutAtDuctStart(int fanNumber);

// "Fan N has ..." for a fan whose curve cannot be evaluated.
std::string fanCurveUnusable(int fanNumber);

// Files. Every file error reads "Cannot open "<file>": <fault>." or "Cannot save "<file>":
// <fault>.", the fault being one of the texts below or a count out of range.
inline constexpr std::string_view kFileEndsEarly = "the file ends early";
inline constexpr std::string_view kFileTextLengthImpossible =
    "a text in the file has an impossible length";
inline constexpr std::string_view kFileDoesNotExist = "the file does not exist";
inline constexpr std::string_view kFileIsFolder = "it is a folder, not a file";
inline constexpr std::string_view kFileNotReadable = "the file cannot be read";
inline constexpr std::string_view kFileTooLargeToRead =
    "the file is larger than 64 MB, far more than any model or fan database holds";
inline constexpr std::string_view kFolderDoesNotExist = "the folder does not exist";
inline constexpr std::string_view kFolderNotWritable = "the folder cannot be written to";
inline constexpr std::string_view kFileReadOnly = "the file is read-only";
inline constexpr std::string_view kDiskFull = "there is no room left on the disk";
inline constexpr std::string_view kFileTooLarge = "the file would exceed the size allowed";
inline constexpr std::string_view kFileNotWritten = "the file could not be written";
inline constexpr std::string_view kTextTooLongToSave = "a text is too long to be saved";

std::string cannotOpenFile(std::string_view file, std::string_view fault);
std::string cannotSaveFile(std::string_view file, std::string_view fault);

// The fault of a count that no table can hold: "the number of fans (150) lies outside 0 to 100".
// "the iteration limit (1000000000) lies above 100,000, the most the General page takes"
std::string iterationLimitTooHigh(long long value);
std::string countOutOfRange(std::string_view what, long long value, int low, int high);
// The "what" of countOutOfRange for a few counts.
inline constexpr std::string_view kNumberOfFans = "the number of fans";
inline constexpr std::string_view kNumberOfLeakagePaths = "the number of leakage paths";
std::string numberOfCurvePoints(int fanNumber); // "the number of curve points of fan 3"

// Save Graph As: the picture's kind comes from the file name's ending.
inline constexpr std::string_view kGraphFileKind = "Choose a file ending in .png, .svg or .pdf.";
std::string cannotSaveGraph(std::string_view file); // "Cannot save "<file>"."

// The command line: its help, printed for --help and after a wrong call, and the faults of a wrong
// call, each followed by kSeeHelp.
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
std::string unknownCommand(std::string_view command);      // Unknown command "<command>".
std::string unknownOption(std::string_view option);        // Unknown option "<option>".
std::string unexpectedArgument(std::string_view argument); // Unexpected argument "<argument>".
std::string optionNeedsValue(std::string_view option);     // <option> needs a value.
std::string unitsNotKnown(std::string_view value);         // --units takes "si" or "imperial", ...
std::string pixelsOutOfRange(std::string_view option, std::string_view value, int largest);
// "--jobs takes a whole number from 1 to <most>, not "<value>"."
std::string jobsOutOfRange(std::string_view value, int most);
inline constexpr std::string_view kRunNeedsModel = "run needs at least one model.";
inline constexpr std::string_view kPrettyNeedsJson = "--pretty goes with --json.";
inline constexpr std::string_view kCsvNeedsOneModel =
    "--csv writes the table of one model; name exactly one.";
inline constexpr std::string_view kGraphTakesOneModel = "graph takes one model.";
inline constexpr std::string_view kGraphNeedsModel = "graph needs a model.";
inline constexpr std::string_view kGraphNeedsOutput = "graph needs -o FILE.svg.";
inline constexpr std::string_view kGraphOverModel =
    "graph would write the picture over the model itself.";
inline constexpr std::string_view kConvertNeedsInAndOut = "convert needs IN and OUT.";
inline constexpr std::string_view kNewNeedsOut = "new needs OUT.";
std::string reportNotKnown(std::string_view value); // --report takes "fans", not "<value>".
inline constexpr std::string_view kReportIsText =
    "--report prints text; it does not go with --json.";
std::string fanNumberNotKnown(std::string_view value); // --fan-results-chart takes a fan number...
inline constexpr std::string_view kNoFanModeResults =
    "The model has no fan-mode results: the Fan Results have no chart to draw.";
std::string fanNotOnCurve(int fanNumber); // "Fan N did not run on its curve: it has no chart."
// "== <file> ==": the line before each model's reports when run reports several.
std::string modelHeading(std::string_view file);
// "flowmar-cli 1.01c": what --version prints.
std::string commandLineVersion();

// The Duct Details sheet: each page's checks when it is left.
inline constexpr std::string_view kValueMustBeEntered = "Value must be entered.";
inline constexpr std::string_view kAirDensityOutOfRangeSI = "Value must be between 0.5 and 2.0";
inline constexpr std::string_view kAirDensityOutOfRangeImperial =
    "Value must be between 0.0312 and 0.1249";
inline constexpr MessageText kIterationLimitOutOfRangeText =
    composeMessage("Value must be between ", limits::kMinIterationLimit, " and ",
                   Grouped{limits::kMaxIterationLimit});
inline constexpr std::string_view kIterationLimitOutOfRange = kIterationLimitOutOfRangeText.view();
inline constexpr std::string_view kDuctLengthOutOfRangeSI =
    "Length must be between 1 and 100,000 meters";
inline constexpr std::string_view kDuctLengthOutOfRangeImperial =
    "Length must be between 3.28 and 328,083 feet";
inline constexpr std::string_view kDuctDiameterOutOfRangeSI =
    "Diameter must be between 0.1 and 5.0 meters";
inline constexpr std::string_view kDuctDiameterOutOfRangeImperial =
    "Diameter must be between 3.9 and 196.8 inches";
inline constexpr std::string_view kFrictionFactorOutOfRangeSI =
    "Atkinson Friction Factor must be between 0.00001 and 1.0 Ns²/m^4";
inline constexpr std::string_view kFrictionFactorOutOfRangeImperial =
    "Atkinson Friction Factor must be between 0.0539 and 5390 lbf min²/ft^4";
// "Value must be between 100 and 150000." in SI; in Imperial the lower bound shows with two
// decimals in the locale's form: "Value must be between 950.00 and 1450000."
std::string leakageResistanceOutOfRange(int unitSystem);
// graph --fan-curve: the faults of a call and of a model that has no fan curve to chart.
std::string fanCurveNumberNeeded(std::string_view value); // --fan-curve takes a fan number ...
std::string curveKindNotKnown(std::string_view value);    // --kind takes "pq", "wq" or "pwq", ...
inline constexpr std::string_view kFanCurveOnlyOptions = "--kind and --page go with --fan-curve.";
std::string noFanModeResults(std::string_view file); // "<file>" has no fan-mode results ...
std::string noSuchFan(int fanNumber, int fanCount);  // The model has no fan 4: its fans are ...
std::string fanWithoutOperatingPoint(int fanNumber); // Fan 2 has no operating point ...

// An output of the command line that would land on a model, a fan database or an input of the
// same call: nothing is written.
std::string outputIsAnInput(std::string_view option, std::string_view file);
std::string outputIsAModelFile(std::string_view option, std::string_view file);

// The command line's help of one command (flowmar-cli COMMAND --help) and the faults of its call
// that the synopsis above does not already name.
inline constexpr std::string_view kCommandHelpFlag = "Print this command's help and exit";
inline constexpr std::string_view kCliStudy =
    "Runs Execute on copies of the model over a range of one input (or two) and prints every "
    "step's results.";
inline constexpr std::string_view kStudyNeedsModel = "study needs a model.";
inline constexpr std::string_view kStudyNeedsVary = "study needs --vary NAME=FROM:TO:STEPS.";
inline constexpr std::string_view kCliRun =
    "Opens each model (.dct or .json; - reads one JSON model from standard input) as the "
    "program's Open does, runs Execute and prints its reports.";
inline constexpr std::string_view kCliGraph =
    "Opens the model as run does and writes its Graph View, a fan's Fan Results chart or a "
    "fan's Fan Curve View chart as SVG.";
inline constexpr std::string_view kCliConvert =
    "Converts a duct model between .dct and .json, or a fan database between .fdb and .json, by "
    "the extensions of IN and OUT.";
inline constexpr std::string_view kCliNew = "Writes a new, empty model to OUT (.dct or .json).";
inline constexpr std::string_view kCliUnits = "Show the reports in si or imperial units";
inline constexpr std::string_view kCliJson = "Print one JSON object per model instead";
inline constexpr std::string_view kCliPretty = "With --json: indent each object";
inline constexpr std::string_view kCliCsv = "Write the segment table of the one model as CSV";
inline constexpr std::string_view kCliReport = "fans: add the Fan Input and Fan Results reports";
inline constexpr std::string_view kCliJobs =
    "Models run at once (default: one per core); the output is the same for any number";
inline constexpr std::string_view kCliModels = "Duct models (.dct or .json), - for standard input";
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
inline constexpr std::string_view kCliConvertIn = "The file to read";
inline constexpr std::string_view kCliConvertOut = "The file to write";
inline constexpr std::string_view kCliImperial = "With the Imperial defaults instead of SI";
inline constexpr std::string_view kCliNewOut = "The model file to write";
inline constexpr std::string_view kStandardInput = "standard input";
inline constexpr std::string_view kOneModelFromStandardInput =
    "Standard input holds one model: name - once.";
inline constexpr std::string_view kCsvNotToStandardOutput =
    "--csv needs a file: standard output carries the reports.";
std::string notWithFanCurve(std::string_view option);
// convert of a .dct into a .fdb or the other way round.
std::string convertBetweenKinds(std::string_view in, std::string_view out);
// run --csv of a model whose Execute stopped.
inline constexpr std::string_view kCsvHeaderOnly =
    "The CSV file holds only its header: Execute stopped before there were results.";
// convert from JSON to .dct: the binary layout has no place for the design criteria.
inline constexpr std::string_view kCriteriaNotInDct =
    "Note: the model's \"designCriteria\" are not kept: a .dct file has no "
    "place for them."; // <option> does not go with --fan-curve.
// Printing that cannot start, said instead of a silent success: "Cannot print to "/x/y.pdf": No
// such file or directory." (the reason as the system gives it), and a print with no printer.
std::string cannotPrintTo(std::string_view target, std::string_view reason);
inline constexpr std::string_view kNoPrinter =
    "No printer is set up, so nothing was printed. Print to a PDF file instead.";
inline constexpr std::string_view kNoSuchPrinter = "there is no such printer";

// flowmar --help: the desktop program's own command line.
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

// A ".dct" or ".fdb" file that goes on after its last value: "the file has 12 bytes after its
// last value".
std::string bytesAfterLastValue(std::size_t count);
// convert wrote a file that its own reader refuses: the file is removed, nothing is kept.
std::string convertedFileUnreadable(std::string_view file, std::string_view readBack);

// A recovery copy that cannot be read back: `name` is the document it was a copy of, `why` the
// reader's message, `copy` the copy's own file (kept, so nothing more is lost).
std::string cannotRestoreCopy(std::string_view name, std::string_view why, std::string_view copy);
// Why a note in the recovery folder, or the copy it belongs to, cannot be read (besides the file
// faults above: not a regular file, too large).
inline constexpr std::string_view kRecoveryNoteNotJson = "the note is not a recovery note";
inline constexpr std::string_view kRecoveryNoteFieldsWrong =
    "the note's fields are missing or of the wrong type";
inline constexpr std::string_view kRecoveryNoteNamesNoCopy = "the note names no copy beside it";
inline constexpr std::string_view kRecoveryCopyMissing = "its copy is missing";
// The recovery folder cannot be used: no copies are kept this run (the status bar says why).
std::string noRecoveryCopies(std::string_view why);

} // namespace flowmar::messages
