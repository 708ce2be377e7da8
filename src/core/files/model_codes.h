// The coded values of a duct model that every reader checks the same way.
#pragma once

#include <string>

namespace flowmar {

class CFlowmarDoc;
struct FanCurve;

// The fault of the first code outside its list (duct type, solution mode, the fixed quantity's
// location), or empty. Execute would otherwise take a stray code for one of the listed values.
std::string refusedCode(const CFlowmarDoc& doc);

// The first input value that is not a finite number ("the duct length is not a finite number"),
// or empty. NaN or infinity in an input runs to results of NaN, and JSON cannot hold them, so a
// model carrying one could be neither solved nor converted. Stored results are not inputs and
// are left as the file has them.
std::string refusedNumber(const CFlowmarDoc& doc);
// The same for one fan curve of a database, numbered from 1.
std::string refusedCurveNumber(const FanCurve& curve, int fanNumber);

} // namespace flowmar
