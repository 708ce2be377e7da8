// FanCurve: one fan's curve as both documents hold it (maker, model, setting, the density for
// which it holds, and up to 15 points of pressure, quantity and efficiency), stored in SI.
#pragma once

#include <array>
#include <string>

namespace flowmar {

inline constexpr int kFanCurvePoints = 15;

struct FanCurvePoint {
    double pressure = 0;   // Pa
    double quantity = 0;   // m³/s
    double efficiency = 0; // %, 0 when not given

    // A point is complete when its pressure and its quantity are both non-zero.
    bool isComplete() const { return pressure != 0 && quantity != 0; }
    bool operator==(const FanCurvePoint&) const = default;
};

struct FanCurve {
    std::string manufacturer; // at most 30 characters when typed in the curve editor
    std::string model;        // at most 20
    std::string setting;      // at most 10
    double curveDensity = 0;  // kg/m³; 0 when not given
    int pointCount = 0;       // complete points, 0..15; never counts the free-delivery point
    // Points 1..15 (element 0 unused). After normalisation: points 1..pointCount by falling
    // pressure, then the free-delivery point (pressure 0) when pointCount < 15, then zeros.
    std::array<FanCurvePoint, kFanCurvePoints + 1> points{};

    bool operator==(const FanCurve&) const = default;
};

} // namespace flowmar
