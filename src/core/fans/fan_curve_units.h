// A fan curve in the units a person sees: pressure in Pa or in.w.g., quantity in m³/s or kcfm,
// density in kg/m³ or lb/ft³; efficiency is never converted.
#pragma once

#include "core/fans/fan_curve.h"

namespace flowmar {

FanCurvePoint pointToShown(const FanCurvePoint& si, int unitSystem);
FanCurvePoint pointFromShown(const FanCurvePoint& shown, int unitSystem);

// The whole record: the density and all 15 points; texts and point count are copied unchanged.
FanCurve curveToShown(const FanCurve& si, int unitSystem);
FanCurve curveFromShown(const FanCurve& shown, int unitSystem);

// The SI curve to store after a window handed back a curve it was given as curveToShown(stored):
// each value that came back as it was handed out keeps the stored value (storedFromShown), so an
// untouched Imperial curve does not drift; the others are converted. Texts and point count are
// taken from shown.
FanCurve storedCurveFromShown(const FanCurve& stored, const FanCurve& shown, int unitSystem);

} // namespace flowmar
