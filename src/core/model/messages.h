// The catalogue of the messages a person reads in the program's message boxes, and that the
// command line tells on standard error: Execute's, the fans' and fan curves', the sheets' and
// dialogs', the files', printing's and recovery's. Every one is defined here once; code and tests
// refer to it by name. The command line's own help and the faults of its calls are in
// cli/cli_texts.h, the desktop program's usage in ui/app/desktop_usage.h.
#pragma once

#include "core/model/input_limits.h"
#include "core/model/message_text.h"

#include <cstddef>
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

// Execute: checks of our own that keep impossible input (mostly from damaged or hand-made files)
// from producing overflowing integers, infinite or NaN results, or reads past a table.
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

// Execute: values no duct can have, refused with what the model holds.
std::string airDensityRefused(double value);
inline constexpr std::string_view kEntryShockFactor = "entry shock loss factor";
inline constexpr std::string_view kExitShockFactor = "exit shock loss factor";
std::string shockFactorRefused(std::string_view which, double value);
std::string fixedQuantityRefused(double value);

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
// A curve fan at exactly 0 m, in no segment, took no part in the solution.
std::string fanLeftOutAtDuctStart(int fanNumber);
// "The curve of fan N cannot be used: ..." for a fan whose curve cannot be evaluated.
std::string fanCurveUnusable(int fanNumber);

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
// Delete Fan with a number beyond the fans there are: "There is no fan 7; there are only 3 fans."
std::string noSuchFan(int number, int fanCount);

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
// The Zones page refuses a row it cannot keep, naming it, so that no typed row is dropped:
// "Zone row 3: the end is less than zero.", "Zone row 3: the end must lie beyond the start.",
// "Zone row 3 holds values but no start or end."
std::string zoneRowEndNegative(int row);
std::string zoneRowEndNotBeyondStart(int row);
std::string zoneRowWithoutExtent(int row);
// A grid cell that takes a number holds something else, named by its column heading and row:
// "Enter a number for End (m) in row 3."
std::string cellNumberNeeded(std::string_view column, int row);
// A box that takes no negative number: "Enter 0 or more for Fixed Fan Pressure (Pa)."
std::string noLessThanZero(std::string_view field);
// A typed text longer than its field holds: "Enter no more than 10 characters for Fan Setting."
std::string textTooLong(std::string_view field, int maxLength);
// "Save changes to <document>?", asked when a modified document closes.
std::string saveChangesQuestion(std::string_view documentTitle);

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

// Files, read and written. Every file error reads "Cannot open "<file>": <fault>." or "Cannot save
// "<file>": <fault>.", the fault being one of the texts below: a fault of the file itself, a count
// or a code out of range, or bytes after the last value. Only the fan-curve import keeps the
// original program's words (unableToOpenFile, at the end).
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
// A coded value of a model file outside its list: "the duct type (3) must be 1 (forcing) or 2
// (exhausting)".
std::string codeRefused(std::string_view what, long long value, std::string_view accepted);
inline constexpr std::string_view kDuctTypeCode = "the duct type";
inline constexpr std::string_view kDuctTypeCodes = "1 (forcing) or 2 (exhausting)";
inline constexpr std::string_view kSolutionModeCode = "the solution mode";
inline constexpr std::string_view kSolutionModeCodes = "0 (fixed quantity) or 1 (fans)";
inline constexpr std::string_view kFixedQuantityLocationCode = "the fixed quantity's location";
inline constexpr std::string_view kFixedQuantityLocationCodes = "0 (face) or 1 (fan end)";
// A ".dct" or ".fdb" file that goes on after its last value: "the file has 12 bytes after its
// last value".
std::string bytesAfterLastValue(std::size_t count);
// The fan-curve import's words for a fan database file it cannot open: "Unable to open file
// '<path>'".
std::string unableToOpenFile(std::string_view path);

// Save Graph As: the picture's kind comes from the file name's ending.
inline constexpr std::string_view kGraphFileKind = "Choose a file ending in .png, .svg or .pdf.";
std::string cannotSaveGraph(std::string_view file); // "Cannot save "<file>"."

// Printing that cannot start, said instead of a silent success: "Cannot print to "/x/y.pdf": No
// such file or directory." (the reason as the system gives it), and a print with no printer.
std::string cannotPrintTo(std::string_view target, std::string_view reason);
inline constexpr std::string_view kNoPrinter =
    "No printer is set up, so nothing was printed. Print to a PDF file instead.";
inline constexpr std::string_view kNoSuchPrinter = "there is no such printer";

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
