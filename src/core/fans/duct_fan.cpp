#include "core/fans/duct_fan.h"

#include <algorithm>

namespace flowmar {

FanCurve fanCurveOf(const CFlowmarDoc& doc, int i) {
    FanCurve curve;
    curve.manufacturer = doc.fanManufacturer[i];
    curve.model = doc.fanModel[i];
    curve.setting = doc.fanSetting[i];
    curve.curveDensity = doc.fanCurveDensity[i];
    curve.pointCount = std::clamp(doc.fanCurvePointCount[i], 0, kFanCurvePoints);
    for (int m = 1; m <= kFanCurvePoints; ++m) {
        curve.points[m] = {doc.fanCurvePressure[m][i], doc.fanCurveQuantity[m][i],
                           doc.fanCurveEfficiency[m][i]};
    }
    return curve;
}

DuctFan ductFanOf(const CFlowmarDoc& doc, int i) {
    return {fanCurveOf(doc, i),         doc.fanDistance[i],          doc.fanFixedPressure[i],
            doc.fanFixedPressureTag[i], doc.fanFixedPressureFlag[i], doc.fanHasCurve[i]};
}

void storeFanCurve(CFlowmarDoc& doc, int i, const FanCurve& curve) {
    doc.fanManufacturer[i] = curve.manufacturer;
    doc.fanModel[i] = curve.model;
    doc.fanSetting[i] = curve.setting;
    doc.fanCurveDensity[i] = curve.curveDensity;
    doc.fanCurvePointCount[i] = curve.pointCount;
    for (int m = 1; m <= kFanCurvePoints; ++m) {
        doc.fanCurvePressure[m][i] = curve.points[m].pressure;
        doc.fanCurveQuantity[m][i] = curve.points[m].quantity;
        doc.fanCurveEfficiency[m][i] = curve.points[m].efficiency;
    }
}

void storeDuctFan(CFlowmarDoc& doc, int i, const DuctFan& fan) {
    storeFanCurve(doc, i, fan.curve);
    doc.fanDistance[i] = fan.distance;
    doc.fanFixedPressure[i] = fan.fixedPressure;
    doc.fanFixedPressureTag[i] = fan.fixedPressureTag;
    doc.fanFixedPressureFlag[i] = fan.fixedPressureFlag;
    doc.fanHasCurve[i] = fan.hasCurve;
}

} // namespace flowmar
