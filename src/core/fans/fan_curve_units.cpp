#include "core/fans/fan_curve_units.h"

#include "core/model/units.h"

namespace flowmar {

FanCurvePoint pointToShown(const FanCurvePoint& si, int unitSystem) {
    return {toShown(Quantity::FanPressure, si.pressure, unitSystem),
            toShown(Quantity::AirQuantity, si.quantity, unitSystem), si.efficiency};
}

FanCurvePoint pointFromShown(const FanCurvePoint& shown, int unitSystem) {
    return {fromShown(Quantity::FanPressure, shown.pressure, unitSystem),
            fromShown(Quantity::AirQuantity, shown.quantity, unitSystem), shown.efficiency};
}

FanCurve curveToShown(const FanCurve& si, int unitSystem) {
    FanCurve shown = si;
    shown.curveDensity = toShown(Quantity::Density, si.curveDensity, unitSystem);
    for (int m = 1; m <= kFanCurvePoints; ++m) {
        shown.points[m] = pointToShown(si.points[m], unitSystem);
    }
    return shown;
}

FanCurve curveFromShown(const FanCurve& shown, int unitSystem) {
    FanCurve si = shown;
    si.curveDensity = fromShown(Quantity::Density, shown.curveDensity, unitSystem);
    for (int m = 1; m <= kFanCurvePoints; ++m) {
        si.points[m] = pointFromShown(shown.points[m], unitSystem);
    }
    return si;
}

} // namespace flowmar
