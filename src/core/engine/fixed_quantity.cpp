// Method: series/parallel reduction, no iteration. The duct is walked section by section, section
// i = 1..n running from the face (i = 1, duct segment n) to the fan end (i = n, segment 1).
//
// Face: the face quantity is known. Walking towards the fan, each section's pressure drop R Q² is
// added to the node pressure, and the leakage path at the node passes sqrt(p / RL), which joins
// the quantity of the next section.
//
// Fan/Source: the fan-end quantity is known. The network is first reduced from the face: each
// section in series with the parallel pair (leakage path, rest of the duct), where two square-law
// resistances in parallel combine as Ra Rb / (sqrt Ra + sqrt Rb)². The node pressure at the fan
// end follows from Q² Req, and walking back towards the face each node loses its leakage.
#include "core/engine/fixed_quantity.h"

#include "core/engine/ladder_network.h"
#include "core/engine/velocities.h"
#include "core/model/flowmar_doc.h"
#include "core/model/messages.h"

#include <algorithm>
#include <cmath>

namespace flowmar {

namespace {

constexpr double kBoosterLimitKPa = 1000;

struct Sections {
    int n = 0;
    SegmentTable<double> r{};  // series resistance of section i
    SegmentTable<double> q{};  // quantity of section i
    SegmentTable<double> dp{}; // pressure drop across section i
    SegmentTable<double> p{};  // node pressure next to section i
    SegmentTable<double> l{};  // leakage at that node
    SegmentTable<double> pt{}; // cumulative pressure drop
};

// Leakage through a path with resistance rl at node pressure p. Node pressures are never negative
// here (resistances are checked to be non-negative); a rounding below zero leaks nothing.
double leakageFlow(double p, double rl) {
    return std::sqrt(std::max(p, 0.0) / rl);
}

void walkFromFace(Sections& s, const LadderNetwork& net, double quantity) {
    const int n = s.n;
    const auto rl = [&](int node) { return net.leakage[node]; };
    s.q[1] = quantity;
    s.dp[1] = s.r[1] * s.q[1] * s.q[1];
    s.p[1] = s.dp[1];
    if (n >= 2) {
        s.l[1] = leakageFlow(s.p[1], rl(n - 1));
    }
    for (int i = 2; i <= n; ++i) {
        s.q[i] = s.q[i - 1] + s.l[i - 1];
        s.dp[i] = s.r[i] * s.q[i] * s.q[i];
        s.p[i] = s.p[i - 1] + s.dp[i];
        if (i < n) {
            s.l[i] = leakageFlow(s.p[i], rl(n - i));
        }
    }
}

void walkFromFan(Sections& s, const LadderNetwork& net, double quantity) {
    const int n = s.n;
    const auto rl = [&](int node) { return net.leakage[node]; };
    SegmentTable<double> req{};
    req[1] = s.r[1];
    for (int i = 2; i <= n; ++i) {
        const double leak = rl(n - i + 1);
        const double root = std::sqrt(req[i - 1]) + std::sqrt(leak);
        req[i] = s.r[i] + leak * req[i - 1] / (root * root);
    }
    s.q[n] = quantity;
    s.dp[n] = s.r[n] * s.q[n] * s.q[n];
    if (n == 1) {
        return;
    }
    s.p[n] = std::max(s.q[n] * s.q[n] * req[n] - s.dp[n], 0.0);
    s.l[n] = leakageFlow(s.p[n], rl(1));
    for (int i = n - 1; i >= 2; --i) {
        s.q[i] = s.q[i + 1] - s.l[i + 1];
        s.dp[i] = s.r[i] * s.q[i] * s.q[i];
        s.p[i] = std::max(s.p[i + 1] - s.dp[i], 0.0);
        s.l[i] = leakageFlow(s.p[i], rl(n - i + 1));
    }
    s.q[1] = s.q[2] - s.l[2];
    s.dp[1] = s.r[1] * s.q[1] * s.q[1];
}

} // namespace

SolutionStatus solveFixedQuantity(CFlowmarDoc& doc, ExecuteResult& run) {
    if (!(doc.ductLength > 0 && doc.ductDiameter > 0)) {
        run.stop(messages::kDuctDetailsIncomplete, InputSheet::DuctDetails);
        return SolutionStatus::Stopped;
    }
    LadderNetwork net;
    if (const auto fault = buildLadderNetwork(doc, net); !fault.empty()) {
        run.stop(fault);
        return SolutionStatus::Stopped;
    }
    const int n = net.n;
    Sections s;
    s.n = n;
    for (int i = 1; i <= n; ++i) {
        s.r[i] = net.series[n - i + 1];
    }
    if (doc.fixedQuantityLocation == kLocationFanSource) {
        walkFromFan(s, net, doc.fixedQuantity);
    } else {
        walkFromFace(s, net, doc.fixedQuantity);
    }
    s.pt[1] = s.dp[1];
    for (int i = 2; i <= n; ++i) {
        s.pt[i] = s.pt[i - 1] + s.dp[i];
    }
    if (doc.ductType == kExhausting) {
        for (int i = 1; i <= n; ++i) {
            s.pt[i] = -s.pt[i];
        }
    }

    DuctResults r = doc.results;
    r.iterationCount = 0;
    r.reservedInt1 = 0;
    r.boosterPressure = s.pt[n] / 1000;
    if (r.boosterPressure > kBoosterLimitKPa) {
        run.stop(messages::kBoosterTooHigh, InputSheet::DuctDetails);
        return SolutionStatus::Stopped;
    }
    for (int i = 1; i <= n; ++i) {
        const int j = n - i + 1;
        r.branchFlow[n + j] = s.q[i];
        r.totalPressure[j] = s.pt[i];
    }
    // With zones applied the duct-area velocities keep their previous values.
    if (doc.zonesOff != 0) {
        computeDuctVelocities(doc, n, r);
    }
    computeZoneVelocities(doc, n, r);
    if (!resultsAreFinite(r, n, std::clamp(doc.fanCount, 0, kMaxFans))) {
        run.stop(messages::kResultsNotFinite);
        return SolutionStatus::Stopped;
    }
    doc.results = r;
    doc.updateAllViews();
    return SolutionStatus::FixedQuantity;
}

} // namespace flowmar
