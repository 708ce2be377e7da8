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

FanCurve storedCurveFromShown(const FanCurve& stored, const FanCurve& shown, int unitSystem) {
    const FanCurve before = curveToShown(stored, unitSystem);
    FanCurve si = shown;
    const auto keep = [&](Quantity quantity, double storedValue, double shownBefore,
                          double shownAfter) {
        return storedFromShown(quantity, storedValue, shownBefore, shownAfter, unitSystem);
    };
    si.curveDensity =
        keep(Quantity::Density, stored.curveDensity, before.curveDensity, shown.curveDensity);
    for (int m = 1; m <= kFanCurvePoints; ++m) {
        const FanCurvePoint& s = stored.points[m];
        const FanCurvePoint& b = before.points[m];
        const FanCurvePoint& a = shown.points[m];
        si.points[m] = {keep(Quantity::FanPressure, s.pressure, b.pressure, a.pressure),
                        keep(Quantity::AirQuantity, s.quantity, b.quantity, a.quantity),
                        keep(Quantity::Dimensionless, s.efficiency, b.efficiency, a.efficiency)};
    }
    return si;
}

} // namespace flowmar
