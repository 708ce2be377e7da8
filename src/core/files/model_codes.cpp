#include "core/files/model_codes.h"

#include "core/fans/fan_curve.h"
#include "core/model/flowmar_doc.h"
#include "core/model/messages.h"

#include <cmath>
#include <string_view>

namespace flowmar {

std::string refusedCode(const CFlowmarDoc& doc) {
    if (doc.ductType != kForcing && doc.ductType != kExhausting) {
        return messages::codeRefused(messages::kDuctTypeCode, doc.ductType,
                                     messages::kDuctTypeCodes);
    }
    if (doc.solutionMode != kFixedQuantityMode && doc.solutionMode != kFanMode) {
        return messages::codeRefused(messages::kSolutionModeCode, doc.solutionMode,
                                     messages::kSolutionModeCodes);
    }
    if (doc.fixedQuantityLocation != kLocationFace &&
        doc.fixedQuantityLocation != kLocationFanSource) {
        return messages::codeRefused(messages::kFixedQuantityLocationCode,
                                     doc.fixedQuantityLocation,
                                     messages::kFixedQuantityLocationCodes);
    }
    return {};
}

namespace {

std::string notFinite(std::string_view what) {
    return "the " + std::string(what) + " is not a finite number";
}

std::string inRow(std::string_view what, int row) {
    return std::string(what) + " of row " + std::to_string(row);
}

} // namespace

std::string refusedNumber(const CFlowmarDoc& doc) {
    const std::pair<std::string_view, double> scalars[] = {
        {"duct diameter", doc.ductDiameter},          {"duct length", doc.ductLength},
        {"friction factor", doc.frictionFactor},      {"air density", doc.airDensity},
        {"entry shock factor", doc.entryShockFactor}, {"exit shock factor", doc.exitShockFactor},
        {"fixed quantity", doc.fixedQuantity}};
    for (const auto& [what, value] : scalars) {
        if (!std::isfinite(value)) {
            return notFinite(what);
        }
    }
    for (int z = 1; z <= kMaxZones; ++z) {
        for (const auto& [what, value] :
             {std::pair{"zone start", doc.zoneStart[z]}, std::pair{"zone end", doc.zoneEnd[z]},
              std::pair{"zone diameter", doc.zoneDiameter[z]},
              std::pair{"zone friction factor", doc.zoneFrictionFactor[z]},
              std::pair{"zone leakage resistance", doc.zoneLeakageResistance100[z]}}) {
            if (!std::isfinite(value)) {
                return notFinite(inRow(what, z));
            }
        }
    }
    for (int r = 1; r <= kShockLossRows; ++r) {
        for (const auto& [what, value] :
             {std::pair{"smooth elbow distance", doc.smoothElbowDistance[r]},
              std::pair{"smooth elbow factor", doc.smoothElbowFactor[r]},
              std::pair{"mitred elbow distance", doc.mitredElbowDistance[r]},
              std::pair{"mitred elbow factor", doc.mitredElbowFactor[r]},
              std::pair{"damper distance", doc.damperDistance[r]},
              std::pair{"damper factor", doc.damperFactor[r]},
              std::pair{"screen distance", doc.screenDistance[r]},
              std::pair{"fixed resistance distance", doc.fixedResistanceDistance[r]},
              std::pair{"fixed resistance", doc.fixedResistanceValue[r]}}) {
            if (!std::isfinite(value)) {
                return notFinite(inRow(what, r));
            }
        }
    }
    for (int f = 1; f <= doc.fanCount && f <= kMaxFans; ++f) {
        const std::string fan = "fan " + std::to_string(f);
        for (const auto& [what, value] : {std::pair{"distance", doc.fanDistance[f]},
                                          std::pair{"fixed pressure", doc.fanFixedPressure[f]},
                                          std::pair{"curve density", doc.fanCurveDensity[f]}}) {
            if (!std::isfinite(value)) {
                return notFinite(std::string(what) + " of " + fan);
            }
        }
        for (int m = 1; m <= kMaxCurvePoints; ++m) {
            if (!std::isfinite(doc.fanCurvePressure[m][f]) ||
                !std::isfinite(doc.fanCurveQuantity[m][f]) ||
                !std::isfinite(doc.fanCurveEfficiency[m][f])) {
                return notFinite("curve point " + std::to_string(m) + " of " + fan);
            }
        }
    }
    return {};
}

std::string refusedCurveNumber(const FanCurve& curve, int fanNumber) {
    const std::string fan = "fan " + std::to_string(fanNumber);
    if (!std::isfinite(curve.curveDensity)) {
        return notFinite("curve density of " + fan);
    }
    for (int m = 1; m < static_cast<int>(curve.points.size()); ++m) {
        const FanCurvePoint& p = curve.points[static_cast<std::size_t>(m)];
        if (!std::isfinite(p.pressure) || !std::isfinite(p.quantity) ||
            !std::isfinite(p.efficiency)) {
            return notFinite("curve point " + std::to_string(m) + " of " + fan);
        }
    }
    return {};
}

} // namespace flowmar
