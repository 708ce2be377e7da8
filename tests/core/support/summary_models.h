// Solved duct models for the tests of the summaries: each is built in SI and run through Execute,
// so that every derived value and result is the engine's own.
#pragma once

#include "core/commands/execute_command.h"
#include "core/model/flowmar_doc.h"
#include "support/fake_ui_port.h"
#include "support/models.h"

#include <gtest/gtest.h>

namespace flowmar::testing {

// Executes the model and fails the test when the solution does not store its results.
inline void solve(CFlowmarDoc& doc) {
    FakeUiPort port;
    ASSERT_TRUE(Execute(doc, port)) << ::testing::PrintToString(port.messages);
}

// A 1000 m forcing duct of 0.9 m with one typical fan at its start, solved in fan mode.
inline CFlowmarDoc solvedFanModel() {
    CFlowmarDoc doc = ductModel(1000, 0.9);
    addTypicalFan(doc, 0);
    solve(doc);
    return doc;
}

// The fan model with zones applied: 0.9 m to 400 m, 0.7 m to 600 m, 0.9 m to the end.
inline CFlowmarDoc solvedZonedModel() {
    CFlowmarDoc doc = ductModel(1000, 0.9);
    addTypicalFan(doc, 0);
    doc.zonesOff = 0;
    const double starts[] = {0, 400, 600};
    const double ends[] = {400, 600, 1000};
    const double diameters[] = {0.9, 0.7, 0.9};
    for (int z = 1; z <= 3; ++z) {
        doc.zoneStart[z] = starts[z - 1];
        doc.zoneEnd[z] = ends[z - 1];
        doc.zoneDiameter[z] = diameters[z - 1];
        doc.zoneFrictionFactor[z] = 0.002;
        doc.zoneLeakageResistance100[z] = 10000;
    }
    solve(doc);
    return doc;
}

// The 1000 m duct without fans, asked for 10 m³/s at the face.
inline CFlowmarDoc solvedFixedQuantityModel() {
    CFlowmarDoc doc = ductModel(1000, 0.9);
    doc.solutionMode = kFixedQuantityMode;
    doc.fixedQuantity = 10;
    doc.fixedQuantityLocation = kLocationFace;
    solve(doc);
    return doc;
}

} // namespace flowmar::testing
