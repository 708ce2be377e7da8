#include "core/model/messages.h"

#include "core/model/version.h"

namespace flowmar::messages {

std::string fanCurveUnusable(int fanNumber) {
    return "The curve of fan " + std::to_string(fanNumber) +
           " cannot be used: it needs at least two points with rising quantities. Edit the fan "
           "curve or tag the fan for a fixed pressure. Execution terminated.";
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

std::string cannotOpenFile(std::string_view file, std::string_view fault) {
    return "Cannot open \"" + std::string(file) + "\": " + std::string(fault) + ".";
}

std::string cannotSaveFile(std::string_view file, std::string_view fault) {
    return "Cannot save \"" + std::string(file) + "\": " + std::string(fault) + ".";
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

std::string modelHeading(std::string_view file) {
    return "== " + std::string(file) + " ==";
}

std::string commandLineVersion() {
    return "flowmar-cli " + std::string(kVersion);
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

} // namespace flowmar::messages
