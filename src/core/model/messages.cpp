#include "core/model/messages.h"

#include "core/model/number_text.h"
#include "core/model/units.h"

#include <cmath>

namespace flowmar::messages {

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

std::string fanLeftOutAtDuctStart(int fanNumber) {
    return "Fan " + std::to_string(fanNumber) +
           " stands at 0 m, before the first segment of the duct, and took no part in the "
           "solution. Place it beyond 0 m to include it.";
}

std::string fanCurveUnusable(int fanNumber) {
    return "The curve of fan " + std::to_string(fanNumber) +
           " cannot be used: it needs at least two points with rising quantities. Edit the fan "
           "curve or tag the fan for a fixed pressure. Execution terminated.";
}

std::string wouldOpen(std::string_view dialogName) {
    return "(would open " + std::string(dialogName) + ")";
}

std::string numberNeeded(std::string_view field) {
    return "Enter a number for " + std::string(field) + ".";
}

std::string wholeNumberNeeded(std::string_view field) {
    return "Enter a whole number for " + std::string(field) + ".";
}

std::string zoneRowEndNegative(int row) {
    return "Zone row " + std::to_string(row) + ": the end is less than zero.";
}

std::string zoneRowEndNotBeyondStart(int row) {
    return "Zone row " + std::to_string(row) + ": the end must lie beyond the start.";
}

std::string zoneRowWithoutExtent(int row) {
    return "Zone row " + std::to_string(row) + " holds values but no start or end.";
}

std::string cellNumberNeeded(std::string_view column, int row) {
    return "Enter a number for " + std::string(column) + " in row " + std::to_string(row) + ".";
}

std::string noSuchFan(int number, int fanCount) {
    const std::string there = "There is no fan " + std::to_string(number) + "; ";
    if (fanCount <= 0) {
        return there + "there are no fans.";
    }
    if (fanCount == 1) {
        return there + "there is only 1 fan.";
    }
    return there + "there are only " + std::to_string(fanCount) + " fans.";
}

std::string noLessThanZero(std::string_view field) {
    return "Enter 0 or more for " + std::string(field) + ".";
}

std::string textTooLong(std::string_view field, int maxLength) {
    return "Enter no more than " + std::to_string(maxLength) + " characters for " +
           std::string(field) + ".";
}

std::string saveChangesQuestion(std::string_view documentTitle) {
    return "Save changes to " + std::string(documentTitle) + "?";
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

namespace {

// A fault is a phrase ("the file ends early") or, from the JSON reader, whole sentences that
// end in their own full stop: the message ends in exactly one.
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

std::string numberOfCurvePoints(int fanNumber) {
    return "the number of curve points of fan " + std::to_string(fanNumber);
}

std::string codeRefused(std::string_view what, long long value, std::string_view accepted) {
    return std::string(what) + " (" + std::to_string(value) + ") must be " + std::string(accepted);
}

std::string bytesAfterLastValue(std::size_t count) {
    return "the file has " + std::to_string(count) + (count == 1 ? " byte" : " bytes") +
           " after its last value";
}

std::string unableToOpenFile(std::string_view path) {
    return "Unable to open file '" + std::string(path) + "'";
}

std::string cannotSaveGraph(std::string_view file) {
    return "Cannot save \"" + std::string(file) + "\".";
}

std::string cannotPrintTo(std::string_view target, std::string_view reason) {
    std::string text = "Cannot print to \"" + std::string(target) + "\": " + std::string(reason);
    if (text.back() != '.') {
        text += '.';
    }
    return text;
}

std::string cannotRestoreCopy(std::string_view name, std::string_view why, std::string_view copy) {
    return "The recovery copy of \"" + std::string(name) + "\" cannot be restored. " +
           std::string(why) + " The copy stays in \"" + std::string(copy) + "\".";
}

std::string noRecoveryCopies(std::string_view why) {
    return "No recovery copies are kept: " + std::string(why);
}

} // namespace flowmar::messages
