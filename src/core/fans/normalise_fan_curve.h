// NormaliseFanCurve: the one validation and normalisation that every entered fan curve passes,
// in the duct model's Add/Edit Fan dialog and in the fan database alike.
#pragma once

#include "core/fans/fan_curve.h"

#include <array>
#include <string_view>

namespace flowmar {

using FanCurveRows = std::array<FanCurvePoint, kFanCurvePoints + 1>; // rows 1..15

// Checks the 15 rows of a curve, given in the units of unitSystem (1 SI: Pa, m³/s; 0 Imperial:
// in.w.g., kcfm; the 800 m³/s and 25 000 Pa limits are always compared in SI), and on success
// sorts the complete rows by falling pressure into points 1..n, adds the free-delivery point
// n + 1 (the line through the last two points carried to zero pressure) when n < 15, and zeroes
// the rest. pointCount is 0 until the rows pass the completeness rules and n from then on.
// Returns an empty text on success, otherwise the message of the first failing rule; the rows
// are then left as typed, or sorted when only the falling characteristic failed.
std::string_view NormaliseFanCurve(FanCurveRows& rows, int& pointCount, int unitSystem);

// After a curve passed NormaliseFanCurve: when its measured points (1..pointCount) are those of
// the curve it replaces, it takes that curve's points whole. Its free-delivery point is derived
// from the same points, but in other units or by an older program it can differ in the last
// digits, and an untouched curve must be stored as it was.
void keepPointsWhenMeasuredUnchanged(FanCurve& normalised, const FanCurve& before);

} // namespace flowmar
