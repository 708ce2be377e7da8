// The limits of what Execute and the dialogs accept, each named once: the checks compare with
// them and the messages that state them are composed from them.
#pragma once

namespace flowmar::limits {

// Zones (SI).
inline constexpr int kMaxZoneDiameter = 20;               // m
inline constexpr int kMaxZoneFrictionFactor = 1;          // kg/m³
inline constexpr int kMaxZoneLeakageResistance = 500'000; // Ns²/m⁸ per 100 m
// A fixed resistance of the shock losses.
inline constexpr int kMaxFixedResistance = 100;
// The notepad, counted in characters.
inline constexpr int kNotepadMaxLength = 1000;
// The General page's air density, kg/m³ (its Imperial range is the same in lb/ft³).
inline constexpr double kMinAirDensitySI = 0.5;
inline constexpr double kMaxAirDensitySI = 2.0;
// The General page's iteration limit: a file asking for more would run for hours.
inline constexpr int kMaxIterationLimit = 100'000;
inline constexpr int kMinIterationLimit = 100;
// The Leakage page's resistance per 100 m (SI, Ns²/m⁸) or per 100 ft (Imperial, P.U.).
inline constexpr int kMinLeakageResistanceSI = 100;
inline constexpr int kMaxLeakageResistanceSI = 150'000;
inline constexpr int kMinLeakageResistanceImperial = 950;
inline constexpr int kMaxLeakageResistanceImperial = 1'450'000;
// Far beyond any fitting (a nearly closed damper is a few thousand) or fan, and small enough that
// no pressure Execute derives from them can overflow: a file holding more is refused.
inline constexpr int kMaxShockFactor = 1'000'000;
inline constexpr int kMaxFixedQuantity = 1'000'000; // m³/s
// The fan-number dialogs.
inline constexpr int kFirstFanNumber = 1;
inline constexpr int kLastFanNumber = 100;

} // namespace flowmar::limits
