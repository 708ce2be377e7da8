#include "core/model/messages.h"

#include "core/model/number_text.h"
#include "core/model/units.h"
#include "core/model/version.h"

#include <cmath>

namespace flowmar::messages {

std::string fanCurveUnusable(int fanNumber) {
    return "The curve of fan " + std::to_string(fanNumber) +
           " cannot be used: it needs at least two points with rising quantities. Edit the fan "
           "curve or tag the fan for a fixed pressure. Execution terminated.";
}

namespace {

// A value as a message quotes it: "-1.2", "1e+308"; NaN and infinity in words.
std::string heldValue(double value) {
    if (std::isnan(value)) {
        return "no number";
    }
    if (std::isinf(value)) {
        return value > 0 ? "an infinite value" : "a negative infinite value";
    }
    return formatDouble("%g", value);
}

constexpr MessageText kMaxShockFactorText = composeMessage(Grouped{limits::kMaxShockFactor});
constexpr MessageText kMaxFixedQuantityText = composeMessage(Grouped{limits::kMaxFixedQuantity});

} // namespace

std::string airDensityRefused(double value) {
    return "The air density must be above 0 kg/m³, but the model holds " + heldValue(value) +
           ". Set it on the General page. Execution terminated.";
}

std::string shockFactorRefused(std::string_view which, double value) {
    return "The " + std::string(which) + " must lie between 0 and " +
           std::string(kMaxShockFactorText.view()) + ", but the model holds " + heldValue(value) +
           ". Set it on the Entry and Exit page. Execution terminated.";
}

std::string fixedQuantityRefused(double value) {
    return "The fixed quantity must lie between 0 and " +
           std::string(kMaxFixedQuantityText.view()) + " m³/s, but the model holds " +
           heldValue(value) + ". Set it with the Fixed Quantity Tool. Execution terminated.";
}

std::string codeRefused(std::string_view what, long long value, std::string_view accepted) {
    return std::string(what) + " (" + std::to_string(value) + ") must be " + std::string(accepted);
}

std::string fanLeftOutAtDuctStart(int fanNumber) {
    return "Fan " + std::to_string(fanNumber) +
           " stands at 0 m, before the first segment of the duct, and took no part in the "
           "solution. Place it beyond 0 m to include it.";
}

std::string saveChangesQuestion(std::string_view documentTitle) {
    return "Save changes to " + std::string(documentTitle) + "?";
}

std::string unableToOpenFile(std::string_view path) {
    return "Unable to open file '" + std::string(path) + "'";
}

std::string wouldOpen(std::string_view dialogName) {
    return "(would open " + std::string(dialogName) + ")";
}

namespace {

// A fault is a phrase ("the file ends early") or, from the JSON reader, whole sentences that end
// in their own full stop: the message ends in exactly one.
std::string fileMessage(std::string_view verb, std::string_view file, std::string_view fault) {
    std::string text = "Cannot " + std::string(verb) + " \"" + std::string(file) + "\": ";
    text += fault;
    if (!text.ends_with('.')) {
        text += '.';
    }
    return text;
}

} // namespace

std::string cannotOpenFile(std::string_view file, std::string_view fault) {
    return fileMessage("open", file, fault);
}

std::string cannotSaveFile(std::string_view file, std::string_view fault) {
    return fileMessage("save", file, fault);
}

std::string iterationLimitTooHigh(long long value) {
    constexpr MessageText limit = composeMessage(Grouped{limits::kMaxIterationLimit});
    return "the iteration limit (" + std::to_string(value) + ") lies above " +
           std::string(limit.view()) + ", the most the General page takes";
}

std::string countOutOfRange(std::string_view what, long long value, int low, int high) {
    return std::string(what) + " (" + std::to_string(value) + ") lies outside " +
           std::to_string(low) + " to " + std::to_string(high);
}

std::string numberNeeded(std::string_view field) {
    return "Enter a number for " + std::string(field) + ".";
}

std::string wholeNumberNeeded(std::string_view field) {
    return "Enter a whole number for " + std::string(field) + ".";
}

std::string numberOfCurvePoints(int fanNumber) {
    return "the number of curve points of fan " + std::to_string(fanNumber);
}

std::string cannotSaveGraph(std::string_view file) {
    return "Cannot save \"" + std::string(file) + "\".";
}

std::string unknownCommand(std::string_view command) {
    return "Unknown command \"" + std::string(command) + "\".";
}

std::string unknownOption(std::string_view option) {
    return "Unknown option \"" + std::string(option) + "\".";
}

std::string unexpectedArgument(std::string_view argument) {
    return "Unexpected argument \"" + std::string(argument) + "\".";
}

std::string optionNeedsValue(std::string_view option) {
    return std::string(option) + " needs a value.";
}

std::string unitsNotKnown(std::string_view value) {
    return "--units takes \"si\" or \"imperial\", not \"" + std::string(value) + "\".";
}

std::string pixelsOutOfRange(std::string_view option, std::string_view value, int largest) {
    return std::string(option) + " takes a whole number of pixels from 1 to " +
           std::to_string(largest) + ", not \"" + std::string(value) + "\".";
}

std::string jobsOutOfRange(std::string_view value, int most) {
    return "--jobs takes a whole number from 1 to " + std::to_string(most) + ", not \"" +
           std::string(value) + "\".";
}

std::string reportNotKnown(std::string_view value) {
    return "--report takes \"fans\", not \"" + std::string(value) + "\".";
}

std::string fanNumberNotKnown(std::string_view value) {
    return "--fan-results-chart takes a fan number from 1, not \"" + std::string(value) + "\".";
}

std::string fanNotOnCurve(int fanNumber) {
    return "Fan " + std::to_string(fanNumber) + " did not run on its curve: it has no chart.";
}

std::string modelHeading(std::string_view file) {
    return "== " + std::string(file) + " ==";
}

std::string commandLineVersion() {
    return "flowmar-cli " + std::string(kVersion);
}

std::string leakageResistanceOutOfRange(int unitSystem) {
    if (isImperial(unitSystem)) {
        return "Value must be between " +
               formatDouble("%.2f", double(limits::kMinLeakageResistanceImperial)) + " and " +
               formatInt("%d", limits::kMaxLeakageResistanceImperial) + ".";
    }
    return "Value must be between " + formatInt("%d", limits::kMinLeakageResistanceSI) + " and " +
           formatInt("%d", limits::kMaxLeakageResistanceSI) + ".";
}

std::string fanCurveNumberNeeded(std::string_view value) {
    return "--fan-curve takes a fan number from 1, not \"" + std::string(value) + "\".";
}

std::string curveKindNotKnown(std::string_view value) {
    return "--kind takes \"pq\", \"wq\" or \"pwq\", not \"" + std::string(value) + "\".";
}

std::string noFanModeResults(std::string_view file) {
    return "\"" + std::string(file) +
           "\" has no fan-mode results to chart: it has no fans, or its last solution was for a "
           "fixed quantity.";
}

std::string noSuchFan(int fanNumber, int fanCount) {
    return "The model has no fan " + std::to_string(fanNumber) + ": its fans are 1 to " +
           std::to_string(fanCount) + ".";
}

std::string fanWithoutOperatingPoint(int fanNumber) {
    return "Fan " + std::to_string(fanNumber) +
           " has no operating point to chart: it runs at a fixed pressure or the last Execute "
           "did not solve for it.";
}

std::string outputIsAnInput(std::string_view option, std::string_view file) {
    return std::string(option) + " names \"" + std::string(file) +
           "\", an input of the same call: nothing was written over it.";
}

std::string outputIsAModelFile(std::string_view option, std::string_view file) {
    return std::string(option) + " names \"" + std::string(file) +
           "\": a file ending in .dct, .fdb or .json holds a model or a fan database, and is "
           "never written over with anything else.";
}

std::string notWithFanCurve(std::string_view option) {
    return std::string(option) + " does not go with --fan-curve: the chart has its own size.";
}

std::string convertBetweenKinds(std::string_view in, std::string_view out) {
    return "convert cannot turn \"" + std::string(in) + "\" into \"" + std::string(out) +
           "\": one is a duct model (.dct) and the other a fan database (.fdb); convert each "
           "to or from .json instead.";
}

std::string cannotPrintTo(std::string_view target, std::string_view reason) {
    std::string text = "Cannot print to \"" + std::string(target) + "\": " + std::string(reason);
    if (text.back() != '.') {
        text += '.';
    }
    return text;
}

std::string bytesAfterLastValue(std::size_t count) {
    return "the file has " + std::to_string(count) + (count == 1 ? " byte" : " bytes") +
           " after its last value";
}

std::string convertedFileUnreadable(std::string_view file, std::string_view readBack) {
    return "convert removed \"" + std::string(file) +
           "\" again: what it wrote cannot be read back. " + std::string(readBack);
}

std::string cannotRestoreCopy(std::string_view name, std::string_view why, std::string_view copy) {
    return "The recovery copy of \"" + std::string(name) + "\" cannot be restored. " +
           std::string(why) + " The copy stays in \"" + std::string(copy) + "\".";
}

std::string noRecoveryCopies(std::string_view why) {
    return "No recovery copies are kept: " + std::string(why);
}

} // namespace flowmar::messages
