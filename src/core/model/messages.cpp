#include "core/model/messages.h"

namespace flowmar::messages {

std::string fanCurveUnusable(int fanNumber) {
    return "The curve of fan " + std::to_string(fanNumber) +
           " cannot be used: it needs at least two points with rising quantities. Edit the fan "
           "curve or tag the fan for a fixed pressure. Execution terminated.";
}

std::string unableToOpenFile(std::string_view path) {
    return "Unable to open file '" + std::string(path) + "'";
}

} // namespace flowmar::messages
