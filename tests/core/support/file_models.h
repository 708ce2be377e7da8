// Models and databases for the file tests, benchmarks and fuzzing seeds: every stored field set
// to a value of its own, so that a field written to or read from the wrong place shows.
#pragma once

#include "core/fans/fan_database_doc.h"
#include "core/model/flowmar_doc.h"

#include <string>

namespace flowmar::testing {

// Every number the duct file stores is set, each to a different value; texts keep their
// defaults (so the layout's offsets are those of a new model).
inline CFlowmarDoc everyNumberSet() {
    CFlowmarDoc doc;
    double next = 0.5;
    const auto d = [&] { return next += 1.25; };
    int count = 0;
    const auto i = [&] { return ++count; };
    doc.ductDiameter = d();
    doc.ductLength = d();
    doc.frictionFactor = d();
    doc.leakageResistance100 = i();
    doc.leakagePathCount = 42;
    doc.totalDuctResistance = d();
    doc.leakageResistanceScaled = i();
    doc.segmentCount = 43;
    doc.segmentResistance = d();
    doc.leakagePathResistance = d();
    doc.results.lastMeshCorrection = d();
    doc.results.iterationCount = i();
    doc.segmentLength = d();
    doc.ductArea = d();
    doc.ductPerimeter = d();
    doc.frictionFactorUsed = d();
    doc.entryShockFactor = d();
    doc.exitShockFactor = d();
    doc.entryTypeIndex = 2;
    doc.exitTypeIndex = 3;
    doc.entryResistance = d();
    doc.exitResistance = d();
    doc.totalShockFactor = d();
    doc.results.reservedInt1 = i();
    doc.plotZeroPressure = 0;
    doc.airDensity = d();
    doc.fanCount = 100;
    doc.results.fixedPressureFanCount = i();
    doc.fanEditMode = i();
    doc.fanEditIndex = i();
    doc.fixedQuantityApplied = 0;
    doc.fixedQuantity = d();
    doc.fixedQuantityLocation = 1;
    doc.solutionMode = 0;
    doc.frictionFactorPresetIndex = 2;
    doc.results.boosterPressure = d();
    doc.diameterPresetIndex = 3;
    for (int r = 1; r <= kMaxFans; ++r) {
        doc.fanCurveDensity[r] = d();
        doc.fanCurvePointCount[r] = r % 16;
        doc.fanDistance[r] = d();
        doc.fanFixedPressure[r] = d();
        doc.results.fanPressure[r] = d();
        doc.results.fanEfficiency[r] = d();
        doc.fanFixedPressureFlag[r] = r % 2;
        doc.fanHasCurve[r] = 1 - r % 2;
        doc.results.fanOffCurve[r] = r % 3 == 0;
        doc.results.fanSegment[r] = r;
        doc.segmentShockFactor[r] = d();
        doc.segmentShockResistance[r] = d();
        doc.results.fanUsesFixedPressure[r] = r % 5 == 0;
        doc.results.fanUsesCurve[r] = r % 7 == 0;
        for (int m = 1; m <= kMaxCurvePoints; ++m) {
            doc.fanCurvePressure[m][r] = d();
            doc.fanCurveQuantity[m][r] = d();
            doc.fanCurveEfficiency[m][r] = d();
        }
    }
    for (int r = 1; r <= kShockLossRows; ++r) {
        doc.smoothElbowDistance[r] = d();
        doc.smoothElbowFactor[r] = d();
        doc.mitredElbowDistance[r] = d();
        doc.mitredElbowFactor[r] = d();
        doc.damperDistance[r] = d();
        doc.damperFactor[r] = d();
        doc.screenDistance[r] = d();
        doc.fixedResistanceDistance[r] = d();
        doc.fixedResistanceValue[r] = d();
    }
    for (int z = 1; z <= kMaxZones; ++z) {
        doc.zoneArea[z] = d();
        doc.zonePerimeter[z] = d();
        doc.zoneStart[z] = d();
        doc.zoneEnd[z] = d();
        doc.zoneResistancePerSegment[z] = d();
        doc.zoneDiameter[z] = d();
        doc.zoneFrictionFactor[z] = d();
        doc.zoneLength[z] = d();
        doc.zoneLeakageResistance100[z] = d();
        doc.zoneLeakagePathResistance[z] = d();
        doc.zoneLeakageResistanceScaled[z] = d();
        doc.zoneReserved[z] = d();
    }
    doc.zoneErrorFlag = 1;
    doc.shockErrorFlag = 1;
    doc.autoTransitionOff = 0;
    doc.zoneCount = 7;
    doc.zonesOff = 0;
    doc.zoneCountCopy = 6;
    doc.ductType = kExhausting;
    doc.executionMode = 2;
    doc.iterationLimit = 1234;
    doc.unitSystem = 0;
    return doc;
}

// A 300-character notepad: long enough for the two-byte length form.
inline std::string longNotepad() {
    std::string text;
    for (int k = 0; k < 30; ++k) {
        text += "Face at " + std::to_string(100 + k) + ".";
    }
    return text.substr(0, 300);
}

// everyNumberSet() with every text set too, among them characters beyond ASCII that Windows-1252
// holds (², ³, é) and a 300-character notepad.
inline CFlowmarDoc everyFieldSet() {
    CFlowmarDoc doc = everyNumberSet();
    doc.diameterPresets = {"24", "36", "40", "48"};
    doc.ductTypeNames = {"Métal", "Cassette 2", "Fabric ³", "Flexible"};
    doc.frictionFactorPresets = {"10", "15", "20", "25"};
    for (int r = 1; r <= kMaxFans; ++r) {
        doc.fanManufacturer[r] = "Maker é" + std::to_string(r);
        doc.fanModel[r] = "M" + std::to_string(r) + " m²";
        doc.fanSetting[r] = std::to_string(r % 4 * 10) + "°";
    }
    for (int r = 1; r <= kShockLossRows; ++r) {
        doc.smoothElbowText1[r] = "r/D " + std::to_string(r);
        doc.smoothElbowText2[r] = std::to_string(15 * r) + "°";
        doc.mitredElbowText[r] = std::to_string(r) + "0°";
        doc.damperText[r] = std::to_string(r * 5) + "% closed";
    }
    doc.notepadText = longNotepad();
    return doc;
}

// A small real duct model: 500 m, two zones, a shock-loss row of each kind and two fans.
inline CFlowmarDoc smallWorkingModel() {
    CFlowmarDoc doc;
    doc.ductLength = 500;
    doc.ductDiameter = 0.9;
    doc.zonesOff = 0;
    doc.zoneStart[1] = 0;
    doc.zoneEnd[1] = 250;
    doc.zoneDiameter[1] = 0.9;
    doc.zoneFrictionFactor[1] = 0.002;
    doc.zoneLeakageResistance100[1] = 10000;
    doc.zoneStart[2] = 250;
    doc.zoneEnd[2] = 500;
    doc.zoneDiameter[2] = 0.76;
    doc.zoneFrictionFactor[2] = 0.003;
    doc.zoneLeakageResistance100[2] = 20000;
    doc.smoothElbowDistance[1] = 100;
    doc.smoothElbowFactor[1] = 0.3;
    doc.smoothElbowText1[1] = "1.5";
    doc.smoothElbowText2[1] = "90°";
    doc.damperDistance[1] = 300;
    doc.damperFactor[1] = 0.5;
    doc.damperText[1] = "20°";
    doc.screenDistance[1] = 450;
    for (int fan = 1; fan <= 2; ++fan) {
        doc.fanCount = fan;
        doc.fanManufacturer[fan] = "Quarry Fans";
        doc.fanModel[fan] = "QF-900";
        doc.fanSetting[fan] = "30°";
        doc.fanCurveDensity[fan] = 1.2;
        doc.fanDistance[fan] = fan == 1 ? 0.00001 : 200;
        doc.fanHasCurve[fan] = 1;
        doc.fanCurvePointCount[fan] = 3;
        const double p[] = {0, 3000, 2000, 1000, 0};
        const double q[] = {0, 4, 9, 13, 16.5};
        const double e[] = {0, 60, 75, 70, 55};
        for (int m = 1; m <= 4; ++m) {
            doc.fanCurvePressure[m][fan] = p[m];
            doc.fanCurveQuantity[m][fan] = q[m];
            doc.fanCurveEfficiency[m][fan] = e[m];
        }
    }
    doc.notepadText = "Drive 3, heading 12: two fans in series, 0.9 m duct.";
    return doc;
}

// A fan database of `count` fans with curves of three points and a free-delivery point.
inline CFanDatabaseDoc fanDatabase(int count) {
    CFanDatabaseDoc db;
    db.fanCount = count;
    db.lastEditedFan = count > 1 ? 2 : 0;
    for (int i = 1; i <= count; ++i) {
        FanCurve& fan = db.fans[i];
        fan.manufacturer = "Fläkt " + std::to_string(i);
        fan.model = "AX-" + std::to_string(900 + i);
        fan.setting = std::to_string(i % 5 * 5) + "°";
        fan.curveDensity = 1.2;
        fan.pointCount = 3;
        fan.points[1] = {3000.0 + i, 4, 60};
        fan.points[2] = {2000, 9, 75};
        fan.points[3] = {1000, 13, 70};
        fan.points[4] = {0, 16.5, 55};
    }
    return db;
}

} // namespace flowmar::testing
