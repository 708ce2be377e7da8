// A fan curve as JSON, shared by duct models and fan databases: manufacturer, model, setting,
// curveDensity (kg/m³) and the measured points ({pressure Pa, quantity m³/s, efficiency %}).
#pragma once

#include "core/fans/fan_curve.h"

#include <nlohmann/json.hpp>

namespace flowmar {

class JsonObjectReader;

// Reads the curve's keys from a fan's object. A non-empty list of points passes
// NormaliseFanCurve as if typed into the curve editor (so the stored curve gains its
// free-delivery point); a refused curve fails the reader with the rule's message and the fan's
// number. An empty list leaves a fan without a curve.
void readFanCurve(JsonObjectReader& fan, FanCurve& curve, int fanNumber);

// The curve's keys in a fixed order, with its measured points 1..pointCount.
nlohmann::ordered_json fanCurveJson(const FanCurve& curve);

} // namespace flowmar
