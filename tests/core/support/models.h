// Small duct models for tests, built in SI the way the commands would store them.
#pragma once

#include "core/model/flowmar_doc.h"

#include <initializer_list>

namespace flowmar::testing {

struct CurvePoint {
    double pressure; // Pa
    double quantity; // m³/s
    double efficiency = 0;
};

// A forcing duct in fan mode with the default leakage (99 paths, 10000 Ns²/m⁸ per 100 m).
inline CFlowmarDoc ductModel(double length = 1000, double diameter = 0.9) {
    CFlowmarDoc doc;
    doc.ductLength = length;
    doc.ductDiameter = diameter;
    return doc;
}

// Appends a fan running on the given curve (points by falling pressure), as Add Fan stores it.
inline int addCurveFan(CFlowmarDoc& doc, double distance, std::initializer_list<CurvePoint> points,
                       double curveDensity = 1.2) {
    const int i = ++doc.fanCount;
    doc.fanDistance[i] = distance <= 0 ? 0.00001 : distance;
    doc.fanCurveDensity[i] = curveDensity;
    int m = 0;
    for (const CurvePoint& p : points) {
        ++m;
        doc.fanCurvePressure[m][i] = p.pressure;
        doc.fanCurveQuantity[m][i] = p.quantity;
        doc.fanCurveEfficiency[m][i] = p.efficiency;
    }
    doc.fanCurvePointCount[i] = m;
    doc.fanHasCurve[i] = 1;
    return i;
}

// A typical auxiliary fan: 3 kPa at shut-off falling to 1 kPa at 20 m³/s.
inline int addTypicalFan(CFlowmarDoc& doc, double distance) {
    return addCurveFan(doc, distance,
                       {{3000, 5, 60}, {2500, 10, 75}, {1800, 15, 80}, {1000, 20, 70}});
}

// Appends a fan tagged to deliver a fixed pressure (Pa).
inline int addFixedPressureFan(CFlowmarDoc& doc, double distance, double pressure) {
    const int i = ++doc.fanCount;
    doc.fanDistance[i] = distance <= 0 ? 0.00001 : distance;
    doc.fanFixedPressure[i] = pressure;
    doc.fanFixedPressureTag[i] = 1;
    doc.fanFixedPressureFlag[i] = 1;
    return i;
}

// The face quantity of the last solution, m³/s.
inline double faceQuantity(const CFlowmarDoc& doc) {
    return doc.results.branchFlow[doc.segmentCount];
}

} // namespace flowmar::testing
