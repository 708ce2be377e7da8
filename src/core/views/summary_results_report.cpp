#include "core/views/summary_results_report.h"

#include "core/model/flowmar_doc.h"
#include "core/model/number_text.h"
#include "core/model/units.h"
#include "core/views/summary_conditions.h"

#include <array>

namespace flowmar {

namespace {

constexpr int kBodyX = 100;
constexpr int kPerimeterX = 300;
constexpr int kSegmentResistanceX = 500;
constexpr int kLeakResistanceX = 800;

struct LineFormats {
    const char* area;
    const char* perimeter;
    const char* segmentLength;
    const char* totalResistance;
    const char* segmentResistance;
    const char* leakPathResistance;
    const char* furthestQuantity;
    const char* faceQuantity;
    const char* booster;
    std::array<const char*, 4> zoneUnits;
};

constexpr LineFormats kSIFormats{
    "Cross Sectional Area of Duct = %.2f (m²)",
    "Perimeter of Duct = %.2f (m)",
    "Length of Each Segment of Duct = %.1f (m)",
    "Total Resistance of Duct = %.4f (Ns²/m^8)",
    "Resistance per Segment of Duct = %.4f (Ns²/m^8)",
    "Resistance of Each Leakage Path = %.1f (Ns²/m^8)",
    "Quantity in section of duct furthest from face = %.2f (m³/s)",
    "Quantity at the Face = %.2f (m³/s) ",
    "Booster Pressure for Fixed Quantity = %.3f (kPa) ",
    {"(m²)", "(m)", "(Ns²/m^8)", "(Ns²/m^8)"},
};

constexpr LineFormats kImperialFormats{
    "Cross Sectional Area of Duct = %.2f (ft²)",
    "Perimeter of Duct = %.2f (ft)",
    "Length of Each Segment of Duct = %.1f (ft)",
    "Total Resistance of Duct = %.4f (P.U.)",
    "Resistance per Segment of Duct = %.4f (P.U.)",
    "Resistance of Each Leakage Path = %.1f (P.U.)",
    "Quantity in section of duct furthest from face = %.2f (kcfm)",
    "Quantity at the Face = %.2f (kcfm) ",
    "Booster Pressure for Fixed Quantity = %.3f (in.w.g.) ",
    {"(ft²)", "(ft)", "(P.U.)", "(P.U.)"},
};

constexpr std::array<int, 4> kZoneColumns{kBodyX, kPerimeterX, kSegmentResistanceX,
                                          kLeakResistanceX};

ReportRow line(std::string text) {
    return {ReportCell{kBodyX, std::move(text)}};
}

ReportRow columns(const std::array<std::string, 4>& texts) {
    ReportRow row;
    for (std::size_t c = 0; c < texts.size(); ++c) {
        row.push_back({kZoneColumns[c], texts[c]});
    }
    return row;
}

void addZonesTable(const CFlowmarDoc& doc, const LineFormats& f, std::vector<ReportRow>& rows) {
    const int units = doc.unitSystem;
    rows.push_back(line("ZONES"));
    rows.push_back(columns({"Area", "Per", "R/seg", "R/leak"}));
    rows.push_back(columns({f.zoneUnits[0], f.zoneUnits[1], f.zoneUnits[2], f.zoneUnits[3]}));
    for (int i = 1; i <= zoneRowCount(doc); ++i) {
        const auto z = static_cast<std::size_t>(i);
        rows.push_back(columns({
            formatDouble("%.2f", toShown(Quantity::Area, doc.zoneArea[z], units)),
            formatDouble("%.2f", toShown(Quantity::Length, doc.zonePerimeter[z], units)),
            formatDouble("%.4f",
                         toShown(Quantity::Resistance, doc.zoneResistancePerSegment[z], units)),
            formatDouble("%.0f",
                         toShown(Quantity::Resistance, doc.zoneLeakagePathResistance[z], units)),
        }));
    }
    rows.push_back(line(doc.zonesOff == 0 ? "Zones ARE active." : "Zones are NOT active."));
}

} // namespace

TextReport summaryResultsReport(const CFlowmarDoc& doc) {
    TextReport report{
        std::string(kSummaryOfResultsHeading), std::string(kSummaryOfResultsTitle), {}};
    if (!hasResults(doc)) {
        return report;
    }
    const int units = doc.unitSystem;
    const LineFormats& f = isImperial(units) ? kImperialFormats : kSIFormats;
    const auto shown = [units](Quantity q, double si) { return toShown(q, si, units); };
    std::vector<ReportRow>& rows = report.rows;
    rows.push_back(line(formatDouble(f.area, shown(Quantity::Area, doc.ductArea))));
    rows.push_back(line(formatDouble(f.perimeter, shown(Quantity::Length, doc.ductPerimeter))));
    rows.push_back(line(formatDouble(f.segmentLength, shown(Quantity::Length, doc.segmentLength))));
    rows.push_back(line(
        formatDouble(f.totalResistance, shown(Quantity::Resistance, doc.totalDuctResistance))));
    rows.push_back(line(
        formatDouble(f.segmentResistance, shown(Quantity::Resistance, doc.segmentResistance))));
    rows.push_back(line(formatDouble(f.leakPathResistance,
                                     shown(Quantity::Resistance, doc.leakagePathResistance))));
    rows.push_back(line(formatDouble("Total Shock Loss Factor (C) = %.2f", doc.totalShockFactor)));
    rows.push_back(line(formatCount("Number of Meshes = %.i (Fixed)", doc.segmentCount)));
    if (doc.results.iterationCount >= 1) {
        rows.push_back(line(formatInt("Number of Iterations = %.i", doc.results.iterationCount)));
    } else {
        rows.push_back(line("No iterations required - fixed quantity uses Series/Parallel Method"));
    }
    rows.push_back(line(
        formatDouble(f.furthestQuantity, shown(Quantity::AirQuantity, furthestSegmentFlow(doc)))));
    rows.push_back(
        line(formatDouble(f.faceQuantity, shown(Quantity::AirQuantity, faceSegmentFlow(doc)))));
    rows.push_back(line(withText("Method of Execution = %s", doc.methodText)));
    if (doc.results.boosterPressure != 0) {
        rows.push_back(line(formatDouble(
            f.booster, shown(Quantity::BoosterPressure, doc.results.boosterPressure))));
    }
    if (showsZones(doc)) {
        rows.emplace_back();
        addZonesTable(doc, f, rows);
    }
    return report;
}

Drawing summaryResultsPage(const CFlowmarDoc& doc, const PageRect& page,
                           const TextMetrics& metrics) {
    return drawTextReport(summaryResultsReport(doc), page, metrics);
}

std::vector<std::string> summaryResultsLines(const CFlowmarDoc& doc) {
    return textReportLines(summaryResultsReport(doc));
}

} // namespace flowmar
