// Method. Mesh k runs from the outside through duct segments 1..k and out through leakage path k
// (the open end for k = n). Starting from flows that balance every node, each sweep visits the
// meshes in order and corrects each by
//     ΔQ = -(Σ R Q|Q| + RL QL|QL| - G) / (Σ 2R|Q| + 2 RL|QL| - F),
// where G is the pressure of the fans in the mesh at their current flows and F the sum of their
// curve slopes dp/dQ (negative on a falling curve, so the fans stiffen the correction). Adding ΔQ
// to the leakage path and to every segment of the mesh keeps every node balanced. The sweeps stop
// when the largest correction of a sweep is within the tolerance, or at the iteration limit.
//
// Fan curves are scaled from their curve density to the duct's air density in a working copy, so
// the stored curves are never touched. Everything the sweeps use lives in fixed-size tables set
// up before them; nothing is allocated while iterating.
#include "core/engine/fan_mode.h"

#include "core/engine/ladder_network.h"
#include "core/engine/segment_grid.h"
#include "core/engine/velocities.h"
#include "core/input/duct_details_sheet.h"
#include "core/model/flowmar_doc.h"
#include "core/model/messages.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <string>

namespace flowmar {

namespace {

// One curve fan's working curve at the duct's air density.
struct WorkingCurve {
    int fan = 0;
    int segment = 0;
    int count = 0;    // points, at least 2
    int interval = 1; // the interval last used: q[m] < Q <= q[m + 1]
    std::array<double, kMaxCurvePoints + 1> q{};
    std::array<double, kMaxCurvePoints + 1> p{};
    std::array<double, kMaxCurvePoints + 1> e{};
    std::array<double, kMaxCurvePoints + 1> slope{}; // dp/dQ of interval m, m = 1..count-1
};

struct OperatingPoint {
    double pressure = 0;
    double slope = 0;
    double efficiency = 0;
    bool offCurve = false;
};

// The pressure and slope of a curve at flow Q: the first point's pressure below the curve, the
// line through the last two points beyond it, and the straight line between the neighbouring
// points on it. Efficiency only when asked, as only the final operating point reports it.
template <bool withEfficiency>
OperatingPoint evaluate(WorkingCurve& curve, double flow) {
    OperatingPoint op;
    const int c = curve.count;
    int m;
    if (flow <= curve.q[1]) {
        op.pressure = curve.p[1];
        op.offCurve = true;
        if constexpr (withEfficiency) {
            op.efficiency = curve.e[1];
        }
        return op;
    }
    if (flow > curve.q[c]) {
        m = c - 1;
        op.offCurve = true;
    } else {
        m = curve.interval;
        while (flow > curve.q[m + 1]) {
            ++m;
        }
        while (flow <= curve.q[m]) {
            --m;
        }
        curve.interval = m;
    }
    op.slope = curve.slope[m];
    // Beyond the curve the line is taken through the last point, on it through the lower one.
    const int base = op.offCurve ? c : m;
    op.pressure = op.slope * (flow - curve.q[base]) + curve.p[base];
    if constexpr (withEfficiency) {
        const double efficiencySlope =
            (curve.e[m + 1] - curve.e[m]) / (curve.q[m + 1] - curve.q[m]);
        op.efficiency = efficiencySlope * (flow - curve.q[base]) + curve.e[base];
    }
    return op;
}

bool quantitiesRise(const CFlowmarDoc& doc, int fan, int count) {
    for (int m = 1; m < count; ++m) {
        if (!(doc.fanCurveQuantity[m + 1][fan] > doc.fanCurveQuantity[m][fan])) {
            return false;
        }
    }
    return true;
}

// All working state of one solution.
struct FanModeWork {
    int n = 0;
    int fans = 0;
    LadderNetwork network;
    DuctResults results;
    std::array<WorkingCurve, kMaxFans> curves;
    int curveCount = 0;                 // curves sorted by segment
    SegmentTable<int> curvesUpTo{};     // curve fans in segments 1..k
    SegmentTable<int> placedUpTo{};     // fans with 0 < distance <= end of segment k
    SegmentTable<double> fixedUpTo{};   // fixed pressure of fans in segments 0..k, Pa
    SegmentTable<int> fixedCountUpTo{}; // those fans' number
};

void prepareFans(const CFlowmarDoc& doc, const SegmentGrid& grid, FanModeWork& w) {
    DuctResults& r = w.results;
    for (int i = 1; i <= w.fans; ++i) {
        r.fanSegment[i] = grid.segmentOf(doc.fanDistance[i]);
    }
    for (int k = 1; k <= w.n; ++k) {
        const double end = grid.end(k);
        int placed = 0;
        int fixedCount = 0;
        double fixedPressure = 0;
        for (int i = 1; i <= w.fans; ++i) {
            if (doc.fanDistance[i] > 0 && doc.fanDistance[i] <= end) {
                ++placed;
            }
            if (r.fanUsesFixedPressure[i] == 1 && r.fanUsesCurve[i] != 1 && r.fanSegment[i] <= k) {
                ++fixedCount;
                fixedPressure += doc.fanFixedPressure[i];
            }
        }
        w.placedUpTo[k] = placed;
        w.fixedCountUpTo[k] = fixedCount;
        w.fixedUpTo[k] = fixedPressure;
    }

    w.curveCount = 0;
    for (int segment = 1; segment <= w.n; ++segment) {
        for (int i = 1; i <= w.fans; ++i) {
            if (r.fanUsesCurve[i] != 1 || r.fanSegment[i] != segment) {
                continue;
            }
            WorkingCurve& curve = w.curves[w.curveCount++];
            curve.fan = i;
            curve.segment = segment;
            curve.count = std::clamp(doc.fanCurvePointCount[i], 0, kMaxCurvePoints);
            curve.interval = 1;
            // A curve without a density cannot be corrected: it is taken as measured at the
            // duct's air density.
            const double density = doc.fanCurveDensity[i];
            const double scale =
                std::isfinite(density) && density > 0 ? doc.airDensity / density : 1.0;
            for (int m = 1; m <= curve.count; ++m) {
                curve.q[m] = doc.fanCurveQuantity[m][i];
                curve.p[m] = doc.fanCurvePressure[m][i] * scale;
                curve.e[m] = doc.fanCurveEfficiency[m][i];
            }
            for (int m = 1; m < curve.count; ++m) {
                curve.slope[m] = (curve.p[m + 1] - curve.p[m]) / (curve.q[m + 1] - curve.q[m]);
            }
        }
        w.curvesUpTo[segment] = w.curveCount;
    }
}

// The fans' pressure G and slope sum F in mesh k. The last mesh of a sweep holds every fan, so it
// also records each fan's operating point: the last sweep's records are the reported ones.
void meshFans(FanModeWork& w, int k, double& g, double& f) {
    DuctResults& r = w.results;
    const auto& flow = r.branchFlow;
    const int n = w.n;
    g = 0;
    f = 0;
    const bool record = k == n;
    if (record) {
        for (int i = 1; i <= w.fans; ++i) {
            r.fanPressure[i] = 0;
            r.fanEfficiency[i] = 0;
            r.fanOffCurve[i] = 0;
        }
        r.fixedPressureFanCount = 0;
    }
    if (w.placedUpTo[k] == 0) {
        return;
    }
    g = w.fixedUpTo[k];
    const int curves = w.curvesUpTo[k];
    if (!record) {
        for (int c = 0; c < curves; ++c) {
            WorkingCurve& curve = w.curves[c];
            const OperatingPoint op = evaluate<false>(curve, flow[n + curve.segment]);
            g += op.pressure;
            f += op.slope;
        }
        return;
    }
    r.fixedPressureFanCount = w.fixedCountUpTo[k];
    for (int c = 0; c < curves; ++c) {
        WorkingCurve& curve = w.curves[c];
        const OperatingPoint op = evaluate<true>(curve, flow[n + curve.segment]);
        g += op.pressure;
        f += op.slope;
        r.fanPressure[curve.fan] = op.pressure;
        r.fanEfficiency[curve.fan] = std::clamp(op.efficiency, 0.0, 100.0);
        r.fanOffCurve[curve.fan] = op.offCurve ? 1 : 0;
    }
}

// One sweep over all meshes, each using the flows as corrected by the meshes before it. Returns
// the largest correction, or NaN when a correction is not a finite number.
double sweep(FanModeWork& w) {
    const int n = w.n;
    auto& flow = w.results.branchFlow;
    const auto& series = w.network.series;
    double largest = 0;
    for (int k = 1; k <= n; ++k) {
        double g = 0;
        double f = 0;
        meshFans(w, k, g, f);
        double s = 0;
        double d = 0;
        for (int j = 1; j <= k; ++j) {
            const double q = flow[n + j];
            const double rq = series[j] * std::abs(q);
            s += rq * q;
            d += rq;
        }
        const double leakage = w.network.leakage[k];
        const double leakageFlow = flow[k];
        const double rl = leakage * std::abs(leakageFlow);
        const double correction = -(s + rl * leakageFlow - g) / (2 * d + 2 * rl - f);
        if (!std::isfinite(correction)) {
            return std::nan("");
        }
        w.results.lastMeshCorrection = correction;
        largest = std::max(largest, std::abs(correction));
        flow[k] += correction;
        for (int j = 1; j <= k; ++j) {
            flow[n + j] += correction;
        }
    }
    return largest;
}

// Pressure profile and velocities from the solved flows.
void computeFanModeResults(const CFlowmarDoc& doc, FanModeWork& w) {
    const int n = w.n;
    DuctResults& r = w.results;
    const auto& flow = r.branchFlow;
    r.totalPressure[0] = 0;
    for (int j = 1; j <= n; ++j) {
        double fanPressure = 0;
        for (int i = 1; i <= w.fans; ++i) {
            if (r.fanSegment[i] != j) {
                continue;
            }
            if (r.fanUsesCurve[i] == 1) {
                fanPressure += r.fanPressure[i];
            } else if (r.fanUsesFixedPressure[i] == 1) {
                fanPressure += doc.fanFixedPressure[i];
            }
        }
        const double q = flow[n + j];
        r.totalPressure[j] = r.totalPressure[j - 1] - w.network.series[j] * q * q + fanPressure;
    }
    if (doc.ductType == kExhausting) {
        for (int j = 1; j <= n; ++j) {
            r.totalPressure[j] = -r.totalPressure[j];
        }
    }
    computeDuctVelocities(doc, n, r);
    computeZoneVelocities(doc, n, r);
}

// Flags each fan as running at a fixed pressure or on its curve, and checks that every fan lies
// within the duct. Returns false after showing the message for a fan outside it.
bool classifyFans(CFlowmarDoc& doc, FanModeWork& w, ExecuteResult& run, bool& usable,
                  bool& placed) {
    DuctResults& r = w.results;
    usable = false;
    placed = false;
    for (int i = 1; i <= w.fans; ++i) {
        const bool tagged = doc.fanFixedPressureFlag[i] == 1;
        r.fanUsesFixedPressure[i] = tagged && doc.fanFixedPressure[i] != 0 ? 1 : 0;
        r.fanUsesCurve[i] = !tagged && doc.fanCurvePressure[1][i] != 0 ? 1 : 0;
        usable = usable || r.fanUsesFixedPressure[i] == 1 || r.fanUsesCurve[i] == 1;
        placed = placed || doc.fanDistance[i] != 0;
        if (!(doc.fanDistance[i] >= 0 && doc.fanDistance[i] <= doc.ductLength)) {
            run.stop(messages::kFanDistanceOutsideDuct);
            return false;
        }
    }
    return true;
}

// A curve fan needs two points with rising quantities for its slopes to exist.
bool curvesAreUsable(const CFlowmarDoc& doc, const FanModeWork& w, ExecuteResult& run) {
    for (int i = 1; i <= w.fans; ++i) {
        if (w.results.fanUsesCurve[i] != 1) {
            continue;
        }
        const int count = doc.fanCurvePointCount[i];
        if (count < 2 || count > kMaxCurvePoints || !quantitiesRise(doc, i, count)) {
            run.stop(messages::fanCurveUnusable(i));
            return false;
        }
    }
    return true;
}

void storeResults(CFlowmarDoc& doc, const FanModeWork& w) {
    doc.results = w.results;
    for (int i = 1; i <= w.fans; ++i) {
        doc.fanFixedPressureTag[i] = doc.fanFixedPressureFlag[i] == 1 ? 1 : 0;
    }
}

} // namespace

void setStartingFlows(std::array<double, kBranchFlowSize>& branchFlow, int n) {
    for (int k = 1; k <= n; ++k) {
        branchFlow[k] = 0.001;
        branchFlow[n + k] = (n - k + 1) * 0.001;
    }
}

SolutionStatus solveFanMode(CFlowmarDoc& doc, ExecuteResult& run) {
    // The working copy is large; keep it off the stack.
    const auto work = std::make_unique<FanModeWork>();
    FanModeWork& w = *work;
    w.n = std::clamp(doc.segmentCount, 0, kMaxSegments);
    w.fans = std::clamp(doc.fanCount, 0, kMaxFans);
    w.results = doc.results;
    DuctResults& r = w.results;
    r.boosterPressure = 0;
    r.iterationCount = 0;
    r.reservedInt1 = 0;
    for (int i = 1; i <= kMaxFans; ++i) {
        r.fanSegment[i] = r.fanUsesFixedPressure[i] = r.fanUsesCurve[i] = 0;
    }
    setStartingFlows(r.branchFlow, w.n);

    bool usable = false;
    bool placed = false;
    if (!classifyFans(doc, w, run, usable, placed)) {
        return SolutionStatus::Stopped;
    }
    if (!(doc.ductLength > 0 && doc.ductDiameter > 0)) {
        run.stop(messages::kDuctDetailsIncomplete, InputSheet::DuctDetails);
        return SolutionStatus::Stopped;
    }
    if (!usable || !placed) {
        run.stop(messages::kNoFanDefined);
        return SolutionStatus::Stopped;
    }
    if (!curvesAreUsable(doc, w, run)) {
        return SolutionStatus::Stopped;
    }
    if (const auto fault = buildLadderNetwork(doc, w.network); !fault.empty()) {
        run.stop(fault);
        return SolutionStatus::Stopped;
    }
    if (doc.iterationLimit < 1) {
        run.stop(messages::kIterationLimitBelowOne, InputSheet::DuctDetails,
                 duct_details::kGeneralPage);
        return SolutionStatus::Stopped;
    }
    const SegmentGrid grid = SegmentGrid::fromDerived(doc);
    prepareFans(doc, grid, w);
    // Each segment holds its far end, not its start, so a curve fan at exactly 0 m lies in none
    // and takes no part; stored models give that result, but it must not pass unsaid.
    for (int i = 1; i <= w.fans; ++i) {
        if (r.fanUsesCurve[i] == 1 && r.fanSegment[i] == 0) {
            run.tell(messages::fanLeftOutAtDuctStart(i));
        }
    }

    bool converged = false;
    bool finite = true;
    for (int t = 1; t <= doc.iterationLimit; ++t) {
        const double largest = sweep(w);
        ++r.iterationCount;
        if (std::isnan(largest)) {
            finite = false;
            break;
        }
        if (largest <= doc.convergenceTolerance) {
            converged = true;
            break;
        }
    }
    if (finite) {
        computeFanModeResults(doc, w);
    }
    if (!finite || !resultsAreFinite(r, w.n, w.fans)) {
        run.stop(messages::kResultsNotFinite);
        return SolutionStatus::Stopped;
    }
    storeResults(doc, w);
    if (!converged) {
        run.tell(messages::kIterationLimitExceeded);
    }
    doc.updateAllViews();
    return converged ? SolutionStatus::Converged : SolutionStatus::IterationLimit;
}

} // namespace flowmar
