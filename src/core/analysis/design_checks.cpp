#include "core/analysis/design_checks.h"

#include "core/model/design_check_texts.h"
#include "core/model/flowmar_doc.h"
#include "core/model/number_text.h"
#include "core/model/units.h"
#include "core/views/fan_results.h"
#include "core/views/segment_profile.h"
#include "core/views/summary_conditions.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace flowmar {

namespace texts = design_check_texts;

namespace {

// The static pressure at the open end of a forcing duct dips below atmospheric by the velocity
// pressure of the discharge; a little more than that is the exit loss model's rounding, not a
// fault of the design.
constexpr double kDischargeAllowance = 1.05;
constexpr double kDischargeAllowancePa = 1.0;

// Every quantity a finding names, in the model's units.
class Shown {
public:
    explicit Shown(int unitSystem) : m_units(unitSystem), m_imperial(isImperial(unitSystem)) {}

    std::string distance(double metres) const {
        return groupedNumber(toShown(Quantity::Length, metres, m_units), 0) +
               unit(Quantity::Length);
    }
    std::string staticPressure(double pascals) const {
        return (m_imperial ? groupedNumber(toShown(Quantity::FanPressure, pascals, m_units), 2)
                           : groupedNumber(pascals, 0)) +
               unit(Quantity::FanPressure);
    }
    std::string quantity(double cubicMetresPerSecond) const {
        return groupedNumber(toShown(Quantity::AirQuantity, cubicMetresPerSecond, m_units), 2) +
               unit(Quantity::AirQuantity);
    }
    std::string velocity(double metresPerSecond) const {
        return m_imperial
                   ? groupedNumber(metresPerSecond * imperial::kFeetPerMinutePerMetrePerSecond, 0) +
                         " fpm"
                   : groupedNumber(metresPerSecond, 1) + " m/s";
    }
    std::string fanPressure(double pascals) const {
        return (m_imperial ? groupedNumber(toShown(Quantity::FanPressure, pascals, m_units), 2)
                           : groupedNumber(pascals / 1000, 2)) +
               unit(Quantity::BoosterPressure);
    }
    // Quantity lost per 100 m (or 100 ft) of duct.
    std::string lossPer100(double lost, double ductLength) const {
        const double per100 = toShown(Quantity::AirQuantity, lost, m_units) /
                              toShown(Quantity::Length, ductLength, m_units) * 100;
        return groupedNumber(per100, 3) + unit(Quantity::AirQuantity) + " per 100" +
               unit(Quantity::Length);
    }
    static std::string percent(double value) { return groupedNumber(value, 0) + " %"; }

private:
    // A space and the unit's symbol, to follow a number.
    std::string unit(Quantity quantity) const {
        return " " + std::string(unitSymbol(quantity, m_units));
    }

    int m_units;
    bool m_imperial;
};

DesignFinding finding(FindingSeverity severity, FindingCode code, std::string_view title,
                      std::string text) {
    DesignFinding f;
    f.severity = severity;
    f.code = code;
    f.title = std::string(title);
    f.text = std::move(text);
    return f;
}

int fanRows(const CFlowmarDoc& doc) {
    return std::clamp(doc.fanCount, 0, kMaxFans);
}

// The first fan the solution placed in segment (1-based), or 0.
int fanInSegment(const CFlowmarDoc& doc, int segment) {
    for (int i = 1; i <= fanRows(doc); ++i) {
        if (doc.results.fanSegment[static_cast<std::size_t>(i)] == segment) {
            return i;
        }
    }
    return 0;
}

// Where the static pressure crosses zero between the ends of two neighbouring segments.
double zeroCrossing(const SegmentProfileRow& before, const SegmentProfileRow& after) {
    const double drop = before.staticPressure - after.staticPressure;
    if (drop == 0) {
        return after.start;
    }
    const double share = std::clamp(before.staticPressure / drop, 0.0, 1.0);
    return before.end + share * (after.end - before.end);
}

// Stretches where the static pressure has the sign that harms the duct: below atmospheric in a
// forcing duct (it collapses and draws air in), above it in an exhausting one (it blows
// contaminated air out). Values lie at segment ends; a stretch begins where the pressure crosses
// zero within a segment, or at a fan whose pressure jump brings it there, and ends likewise.
void checkPressureSign(const CFlowmarDoc& doc, bool fansRan, const Shown& shown,
                       std::vector<DesignFinding>& out) {
    const std::vector<SegmentProfileRow> rows = segmentProfile(doc);
    const bool forcing = doc.ductType != kExhausting;
    auto harmful = [forcing](double p) { return forcing ? p < 0 : p > 0; };
    const std::size_t n = rows.size();
    std::size_t a = 0;
    while (a < n) {
        if (!harmful(rows[a].staticPressure)) {
            ++a;
            continue;
        }
        std::size_t b = a;
        while (b + 1 < n && harmful(rows[b + 1].staticPressure)) {
            ++b;
        }
        const SegmentProfileRow* extreme = &rows[a];
        for (std::size_t k = a; k <= b; ++k) {
            if (std::abs(rows[k].staticPressure) > std::abs(extreme->staticPressure)) {
                extreme = &rows[k];
            }
        }
        const int fanAtStart = fansRan ? fanInSegment(doc, rows[a].segment) : 0;
        double from = rows[a].start;
        if (a > 0 && fanAtStart == 0) {
            from = zeroCrossing(rows[a - 1], rows[a]);
        } else if (fanAtStart != 0) {
            from = doc.fanDistance[static_cast<std::size_t>(fanAtStart)];
        }
        // A fan in the segment after the stretch ends it with its pressure jump: its inlet side
        // (forcing) or outlet side (exhausting, where the air flows towards distance 0).
        const int fanAtEnd = fansRan && b + 1 < n ? fanInSegment(doc, rows[b + 1].segment) : 0;
        double to = rows[b].end;
        if (fanAtEnd != 0) {
            to = doc.fanDistance[static_cast<std::size_t>(fanAtEnd)];
        } else if (b + 1 < n) {
            to = zeroCrossing(rows[b], rows[b + 1]);
        }

        const std::string fromText = shown.distance(from);
        const std::string toText = shown.distance(to);
        const std::string extremeText = shown.staticPressure(extreme->staticPressure);
        const std::string extremeAt = shown.distance(extreme->end);
        DesignFinding f;
        if (fanAtEnd != 0) {
            f = forcing
                    ? finding(
                          FindingSeverity::Warning, FindingCode::Suction, texts::kSuctionAtFanTitle,
                          texts::suctionAtFan(fanAtEnd, fromText, toText, extremeText, extremeAt))
                    : finding(
                          FindingSeverity::Warning, FindingCode::Suction,
                          texts::kPressureAtFanTitle,
                          texts::pressureAtFan(fanAtEnd, fromText, toText, extremeText, extremeAt));
            f.fan = fanAtEnd;
        } else {
            const bool atOpenEnd = b + 1 == n;
            const SegmentProfileRow& last = rows[n - 1];
            const double dischargeVelocityPressure = last.totalPressure - last.staticPressure;
            const bool onlyDischarge =
                forcing && atOpenEnd &&
                -extreme->staticPressure <=
                    dischargeVelocityPressure * kDischargeAllowance + kDischargeAllowancePa;
            if (onlyDischarge) {
                a = b + 1;
                continue;
            }
            f = forcing
                    ? finding(FindingSeverity::Note, FindingCode::Suction, texts::kSuctionTitle,
                              texts::suctionRange(fromText, toText, extremeText, extremeAt))
                    : finding(FindingSeverity::Note, FindingCode::Suction, texts::kPressureTitle,
                              texts::pressureRange(fromText, toText, extremeText, extremeAt));
        }
        f.from = from;
        f.to = to;
        out.push_back(std::move(f));
        a = b + 1;
    }
}

void checkFans(const CFlowmarDoc& doc, const DesignCriteria& criteria, const Shown& shown,
               std::vector<DesignFinding>& out) {
    std::vector<DesignFinding> offCurve;
    std::vector<DesignFinding> efficiency;
    for (int i = 1; i <= fanRows(doc); ++i) {
        const auto f = static_cast<std::size_t>(i);
        const FanOperatingPoint point = fanOperatingPoint(doc, i);
        const int points = std::clamp(doc.fanCurvePointCount[f], 0, kMaxCurvePoints);
        if (!point.onCurve || points < 1) {
            continue;
        }
        const double first = doc.fanCurveQuantity[1][f];
        const double last = doc.fanCurveQuantity[static_cast<std::size_t>(points)][f];
        if (point.offCurve && point.quantity < first) {
            DesignFinding finding_ = finding(
                FindingSeverity::Warning, FindingCode::OffCurveLow, texts::kOffCurveLowTitle,
                texts::offCurveLow(i, shown.quantity(point.quantity), shown.quantity(first)));
            finding_.fan = i;
            offCurve.push_back(std::move(finding_));
        } else if (point.offCurve) {
            DesignFinding finding_ = finding(
                FindingSeverity::Note, FindingCode::OffCurveHigh, texts::kOffCurveHighTitle,
                texts::offCurveHigh(i, shown.quantity(point.quantity), shown.quantity(last)));
            finding_.fan = i;
            offCurve.push_back(std::move(finding_));
        }
        double best = 0;
        for (int m = 1; m <= points; ++m) {
            best = std::max(best, doc.fanCurveEfficiency[static_cast<std::size_t>(m)][f]);
        }
        const double fraction = criteria.efficiencyFraction();
        if (best > 0 && point.efficiency < fraction * best) {
            DesignFinding finding_ = finding(
                FindingSeverity::Note, FindingCode::LowEfficiency, texts::kLowEfficiencyTitle,
                texts::lowEfficiency(i, Shown::percent(point.efficiency), Shown::percent(best),
                                     Shown::percent(fraction * 100)));
            finding_.fan = i;
            efficiency.push_back(std::move(finding_));
        }
    }
    // Off-curve findings come first, then efficiency: the order of the codes.
    std::ranges::move(offCurve, std::back_inserter(out));
    std::ranges::move(efficiency, std::back_inserter(out));
}

void checkLeakage(const CFlowmarDoc& doc, const DesignCriteria& criteria, const Shown& shown,
                  std::vector<DesignFinding>& out) {
    const double fanEnd = furthestSegmentFlow(doc);
    const double face = faceSegmentFlow(doc);
    if (!(fanEnd > 0) || !std::isfinite(face) || !(doc.ductLength > 0)) {
        return;
    }
    const double lost = fanEnd - face;
    const double share = lost / fanEnd;
    const bool high = share > criteria.leakageShare();
    DesignFinding f =
        finding(high ? FindingSeverity::Warning : FindingSeverity::Note, FindingCode::Leakage,
                high ? texts::kHighLeakageTitle : texts::kLeakageTitle,
                texts::leakage(Shown::percent(share * 100), shown.quantity(lost),
                               shown.quantity(fanEnd), shown.lossPer100(lost, doc.ductLength)));
    f.from = 0.0;
    f.to = doc.ductLength;
    out.push_back(std::move(f));
}

void checkRequirements(const CFlowmarDoc& doc, const DesignCriteria& criteria, const Shown& shown,
                       std::vector<DesignFinding>& out) {
    const double face = faceSegmentFlow(doc);
    if (criteria.requiredFaceQuantity && face < *criteria.requiredFaceQuantity) {
        out.push_back(
            finding(FindingSeverity::Warning, FindingCode::FaceBelowRequired,
                    texts::kFaceBelowRequiredTitle,
                    texts::faceBelowRequired(shown.quantity(face),
                                             shown.quantity(*criteria.requiredFaceQuantity))));
    }
    if (!criteria.velocityMin && !criteria.velocityMax) {
        return;
    }
    const std::vector<SegmentProfileRow> rows = segmentProfile(doc);
    if (rows.empty()) {
        return;
    }
    // Segments are of equal length, so the plain mean is the mean along the duct.
    double sum = 0;
    for (const SegmentProfileRow& row : rows) {
        sum += row.velocity;
    }
    const double mean = sum / static_cast<double>(rows.size());
    const bool below = criteria.velocityMin && mean < *criteria.velocityMin;
    const bool above = criteria.velocityMax && mean > *criteria.velocityMax;
    if (!below && !above) {
        return;
    }
    std::string range;
    if (criteria.velocityMin && criteria.velocityMax) {
        range =
            shown.velocity(*criteria.velocityMin) + " to " + shown.velocity(*criteria.velocityMax);
    } else if (criteria.velocityMin) {
        range = "from " + shown.velocity(*criteria.velocityMin);
    } else {
        range = "up to " + shown.velocity(*criteria.velocityMax);
    }
    DesignFinding f =
        finding(FindingSeverity::Warning, FindingCode::Velocity, texts::kVelocityTitle,
                texts::velocityOutside(shown.velocity(mean), range));
    f.from = 0.0;
    f.to = doc.ductLength;
    out.push_back(std::move(f));
}

// The pressure a fixed quantity needs, against the best any of the model's curves offers at the
// duct's air density (a fan's pressure scales with the density it moves).
void checkBoosterPressure(const CFlowmarDoc& doc, const Shown& shown,
                          std::vector<DesignFinding>& out) {
    const double needed = doc.results.boosterPressure * 1000;
    double highest = 0;
    int highestFan = 0;
    for (int i = 1; i <= fanRows(doc); ++i) {
        const auto f = static_cast<std::size_t>(i);
        if (doc.fanCurvePointCount[f] < 1) {
            continue;
        }
        const double density = doc.fanCurveDensity[f];
        const double shutOff =
            doc.fanCurvePressure[1][f] * (density > 0 ? doc.airDensity / density : 1.0);
        if (shutOff > highest) {
            highest = shutOff;
            highestFan = i;
        }
    }
    if (highestFan == 0 || !(needed > highest)) {
        return;
    }
    out.push_back(finding(
        FindingSeverity::Note, FindingCode::BoosterPressure, texts::kBoosterPressureTitle,
        texts::boosterPressure(shown.fanPressure(needed), shown.fanPressure(highest), highestFan)));
}

} // namespace

std::string_view severityName(FindingSeverity severity) {
    return severity == FindingSeverity::Warning ? "warning" : "note";
}

std::string_view findingCodeName(FindingCode code) {
    switch (code) {
    case FindingCode::Suction:
        return "suction";
    case FindingCode::OffCurveLow:
        return "off-curve-low";
    case FindingCode::OffCurveHigh:
        return "off-curve-high";
    case FindingCode::LowEfficiency:
        return "low-efficiency";
    case FindingCode::Leakage:
        return "leakage";
    case FindingCode::FaceBelowRequired:
        return "face-below-required";
    case FindingCode::Velocity:
        return "velocity";
    case FindingCode::BoosterPressure:
        return "booster-pressure";
    }
    return "unknown";
}

std::vector<DesignFinding> designChecks(const CFlowmarDoc& doc, SolutionStatus lastRun,
                                        const DesignCriteria& criteria) {
    std::vector<DesignFinding> findings;
    if (lastRun == SolutionStatus::Stopped || doc.ductArea == 0 || doc.segmentCount < 1) {
        return findings;
    }
    const Shown shown(doc.unitSystem);
    const bool fansRan = lastRun != SolutionStatus::FixedQuantity;
    checkPressureSign(doc, fansRan, shown, findings);
    if (fansRan) {
        checkFans(doc, criteria, shown, findings);
    }
    checkLeakage(doc, criteria, shown, findings);
    checkRequirements(doc, criteria, shown, findings);
    if (lastRun == SolutionStatus::FixedQuantity) {
        checkBoosterPressure(doc, shown, findings);
    }
    return findings;
}

std::vector<DesignFinding> designChecks(const CFlowmarDoc& doc, const DesignCriteria& criteria) {
    return designChecks(doc, doc.lastRun, criteria);
}

std::vector<ShadedRange> pressureSignRanges(const std::vector<DesignFinding>& findings) {
    std::vector<ShadedRange> ranges;
    for (const DesignFinding& f : findings) {
        if (f.code == FindingCode::Suction && f.from && f.to) {
            ranges.push_back({*f.from, *f.to});
        }
    }
    return ranges;
}

} // namespace flowmar
