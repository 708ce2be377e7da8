// Comparisons are exact: a curve typed twice with the same pressure is an error whatever the
// digits. A curve of 15 measured points has no slot left for its free-delivery point; it keeps
// its 15 points, and the solver extrapolates beyond the last of them as it does for every curve.
#include "core/fans/normalise_fan_curve.h"

#include "core/model/messages.h"
#include "core/model/units.h"

#include <algorithm>

namespace flowmar {

namespace {

constexpr double kMaxQuantity = 800;   // m³/s
constexpr double kMaxPressure = 25000; // Pa

std::string_view completenessFault(const FanCurveRows& rows) {
    int complete = 0;
    for (int m = 1; m <= kFanCurvePoints; ++m) {
        complete += rows[m].isComplete() ? 1 : 0;
    }
    if (complete < 2) {
        return messages::kCurveTooFewPoints;
    }
    for (int m = 1; m <= kFanCurvePoints; ++m) {
        if (rows[m].pressure == 0 && rows[m].quantity != 0) {
            return messages::kCurveZeroPressure;
        }
    }
    for (int m = 1; m <= kFanCurvePoints; ++m) {
        if (rows[m].pressure != 0 && rows[m].quantity == 0) {
            return messages::kCurveZeroQuantity;
        }
    }
    for (int m = 1; m <= kFanCurvePoints; ++m) {
        if (rows[m].pressure < 0 || rows[m].quantity < 0) {
            return messages::kCurveNegativeValue;
        }
    }
    return {};
}

std::string_view valueFault(const FanCurveRows& rows, int unitSystem) {
    for (int m = 1; m <= kFanCurvePoints; ++m) {
        const double e = rows[m].efficiency;
        if (!(e >= 0 && e <= 100)) {
            return messages::kCurveImpossibleEfficiency;
        }
    }
    const auto repeated = [&](double FanCurvePoint::*field) {
        for (int a = 1; a <= kFanCurvePoints; ++a) {
            for (int b = a + 1; b <= kFanCurvePoints; ++b) {
                if (rows[a].isComplete() && rows[b].isComplete() &&
                    rows[a].*field == rows[b].*field) {
                    return true;
                }
            }
        }
        return false;
    };
    if (repeated(&FanCurvePoint::pressure)) {
        return messages::kCurveRepeatedPressure;
    }
    if (repeated(&FanCurvePoint::quantity)) {
        return messages::kCurveRepeatedQuantity;
    }
    for (int m = 1; m <= kFanCurvePoints; ++m) {
        if (!(fromShown(Quantity::AirQuantity, rows[m].quantity, unitSystem) <= kMaxQuantity)) {
            return messages::kCurveQuantityTooHigh;
        }
    }
    for (int m = 1; m <= kFanCurvePoints; ++m) {
        if (!(fromShown(Quantity::FanPressure, rows[m].pressure, unitSystem) <= kMaxPressure)) {
            return messages::kCurvePressureTooHigh;
        }
    }
    return {};
}

// Complete rows by falling pressure (pressures are distinct), then the free-delivery point.
void sortAndExtend(FanCurveRows& rows, int n) {
    FanCurveRows sorted{};
    for (int m = 1; m <= kFanCurvePoints; ++m) {
        if (!rows[m].isComplete()) {
            continue;
        }
        int rank = 0;
        for (int other = 1; other <= kFanCurvePoints; ++other) {
            if (rows[other].isComplete() && rows[other].pressure > rows[m].pressure) {
                ++rank;
            }
        }
        sorted[rank + 1] = rows[m];
    }
    if (n < kFanCurvePoints) {
        const FanCurvePoint& a = sorted[n - 1];
        const FanCurvePoint& b = sorted[n];
        const double share = a.pressure / (a.pressure - b.pressure);
        FanCurvePoint& freeDelivery = sorted[n + 1];
        freeDelivery.pressure = 0;
        freeDelivery.quantity = a.quantity - (a.quantity - b.quantity) * share;
        freeDelivery.efficiency =
            std::clamp(a.efficiency - (a.efficiency - b.efficiency) * share, 0.0, 100.0);
    }
    rows = sorted;
}

bool quantityRisesAsPressureFalls(const FanCurveRows& rows, int n) {
    for (int k = 1; k <= n && k < kFanCurvePoints; ++k) {
        const double next = rows[k + 1].quantity;
        if (next != 0 && !(next > rows[k].quantity)) {
            return false;
        }
    }
    return true;
}

} // namespace

std::string_view NormaliseFanCurve(FanCurveRows& rows, int& pointCount, int unitSystem) {
    pointCount = 0;
    if (const auto fault = completenessFault(rows); !fault.empty()) {
        return fault;
    }
    int n = 0;
    for (int m = 1; m <= kFanCurvePoints; ++m) {
        n += rows[m].isComplete() ? 1 : 0;
    }
    pointCount = n;
    if (const auto fault = valueFault(rows, unitSystem); !fault.empty()) {
        return fault;
    }
    sortAndExtend(rows, n);
    if (!quantityRisesAsPressureFalls(rows, n)) {
        return messages::kCurveSequence;
    }
    return {};
}

void keepPointsWhenMeasuredUnchanged(FanCurve& normalised, const FanCurve& before) {
    const int n = normalised.pointCount;
    if (n != before.pointCount || n < 0 || n > kFanCurvePoints) {
        return;
    }
    for (int m = 1; m <= n; ++m) {
        if (!(normalised.points[m] == before.points[m])) {
            return;
        }
    }
    normalised.points = before.points;
}

} // namespace flowmar
