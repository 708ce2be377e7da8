#include "cli/cli_texts.h"

#include "core/model/version.h"

namespace flowmar::cli_texts {

std::string commandLineVersion() {
    return "flowmar-cli " + std::string(kVersion);
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

std::string outputIsAnInput(std::string_view option, std::string_view file) {
    return std::string(option) + " names \"" + std::string(file) +
           "\", an input of the same call: nothing was written over it.";
}

std::string outputIsAModelFile(std::string_view option, std::string_view file) {
    return std::string(option) + " names \"" + std::string(file) +
           "\": a file ending in .dct, .fdb or .json holds a model or a fan database, and is "
           "never written over with anything else.";
}

std::string jobsOutOfRange(std::string_view value, int most) {
    return "--jobs takes a whole number from 1 to " + std::to_string(most) + ", not \"" +
           std::string(value) + "\".";
}

std::string reportNotKnown(std::string_view value) {
    return "--report takes \"fans\", not \"" + std::string(value) + "\".";
}

std::string modelHeading(std::string_view file) {
    return "== " + std::string(file) + " ==";
}

std::string fractionNeeded(std::string_view option) {
    return std::string(option) + " takes a fraction from 0 to 1.";
}

std::string velocityRangeNotKnown(std::string_view value) {
    return "--velocity-range takes MIN:MAX in m/s (either may be left out), not \"" +
           std::string(value) + "\".";
}

std::string pixelsOutOfRange(std::string_view option, std::string_view value, int largest) {
    return std::string(option) + " takes a whole number of pixels from 1 to " +
           std::to_string(largest) + ", not \"" + std::string(value) + "\".";
}

std::string fanNumberNotKnown(std::string_view value) {
    return "--fan-results-chart takes a fan number from 1, not \"" + std::string(value) + "\".";
}

std::string fanNotOnCurve(int fanNumber) {
    return "Fan " + std::to_string(fanNumber) + " did not run on its curve: it has no chart.";
}

std::string fanCurveNumberNeeded(std::string_view value) {
    return "--fan-curve takes a fan number from 1, not \"" + std::string(value) + "\".";
}

std::string curveKindNotKnown(std::string_view value) {
    return "--kind takes \"pq\", \"wq\" or \"pwq\", not \"" + std::string(value) + "\".";
}

std::string notWithFanCurve(std::string_view option) {
    return std::string(option) + " does not go with --fan-curve: the chart has its own size.";
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

std::string convertBetweenKinds(std::string_view in, std::string_view out) {
    return "convert cannot turn \"" + std::string(in) + "\" into \"" + std::string(out) +
           "\": one is a duct model (.dct) and the other a fan database (.fdb); convert each "
           "to or from .json instead.";
}

std::string convertedFileUnreadable(std::string_view file, std::string_view readBack) {
    return "convert removed \"" + std::string(file) +
           "\" again: what it wrote cannot be read back. " + std::string(readBack);
}

} // namespace flowmar::cli_texts
