#include "core/views/summary_input_report.h"

#include "core/model/flowmar_doc.h"
#include "core/model/number_text.h"
#include "core/model/units.h"
#include "core/views/summary_conditions.h"

#include <array>

namespace flowmar {

namespace {

constexpr std::array<int, 5> kZoneColumns{100, 300, 500, 700, 1000};
constexpr int kNotGivenLeakage = -1;
constexpr double kImperialLeakageShown = 2500; // P.U. per 100 ft shown for the marker

ReportRow line(std::string text) {
    return {ReportCell{kZoneColumns[0], std::move(text)}};
}

ReportRow columns(const std::array<std::string, 5>& texts) {
    ReportRow row;
    for (std::size_t c = 0; c < texts.size(); ++c) {
        row.push_back({kZoneColumns[c], texts[c]});
    }
    return row;
}

void addInputLines(const CFlowmarDoc& doc, std::vector<ReportRow>& rows) {
    const int units = doc.unitSystem;
    const bool imperial = isImperial(units);
    // Both lengths print in metres or feet; the report, unlike the form, has no inches.
    const double length = toShown(Quantity::Length, doc.ductLength, units);
    const double diameter = toShown(Quantity::Length, doc.ductDiameter, units);
    const double k = toShown(Quantity::FrictionFactor, doc.frictionFactorUsed, units);
    if (imperial) {
        rows.push_back(line(formatDouble("Length of Duct = %.1f (ft)", length)));
        rows.push_back(line(formatDouble("Diameter of Duct = %.1f (ft)", diameter)));
        rows.push_back(
            line(withText("Atkinson Friction Factor of Duct = %s x 10^-10 (lbf min²/ft^4)",
                          formatDouble("%6.3f", k))));
        // The marker of a value not yet given reads as the value the Leakage page offers for it,
        // as on the form, rather than as a negative resistance.
        const double leakage =
            doc.leakageResistance100 == kNotGivenLeakage
                ? kImperialLeakageShown
                : toShown(Quantity::LeakagePer100, doc.leakageResistance100, units);
        rows.push_back(line(withText("Resistance Leakage Paths per 100 ft Duct = %s (P.U.)",
                                     formatDouble("%.5f", leakage))));
    } else {
        rows.push_back(line(formatDouble("Length of Duct = %.1f (m)", length)));
        rows.push_back(line(formatDouble("Diameter of Duct = %.1f (m)", diameter)));
        rows.push_back(line(
            withText("Atkinson Friction Factor of Duct = %s (Ns²/m^4)", formatDouble("%0.4f", k))));
        rows.push_back(line(withText("Resistance Leakage Paths per 100 m Duct = %s ",
                                     formatDouble("%.0f", doc.leakageResistance100)) +
                            "(Ns²/m^8)"));
    }
    rows.push_back(
        line(formatCount("Number of Leakage Paths = %.i (Fixed)", doc.leakagePathCount)));
    rows.push_back(line(imperial
                            ? formatDouble("Duct Air Density = %.3f (lb/ft³)",
                                           toShown(Quantity::Density, doc.airDensity, units))
                            : formatDouble("Duct Air Density = %.1f (kg/m³)", doc.airDensity)));
    rows.push_back(line(formatCount("Total Number of Fans = %.i", doc.fanCount)));
    rows.push_back(line(formatCount("Number of Fans at a Fixed Pressure = %.i",
                                    doc.results.fixedPressureFanCount)));
    rows.push_back(
        line(formatCount("Number of Fans Operating on a Curve = %.i", curveFanCount(doc))));
    rows.push_back(line(doc.ductType == kForcing ? "Type of Duct = Forcing/Blowing"
                                                 : "Type of Duct = Exhausting"));
}

void addZonesTable(const CFlowmarDoc& doc, std::vector<ReportRow>& rows) {
    const int units = doc.unitSystem;
    const bool imperial = isImperial(units);
    const std::string length = imperial ? "(ft)" : "(m)";
    rows.push_back(line("ZONES"));
    rows.push_back(columns(
        {"Start", "End", "Dia", "k Fact", std::string("RL per 100 ") + (imperial ? "ft" : "m")}));
    rows.push_back(columns({length, length, length, imperial ? "(lbf/min²/ft^4)" : "(Ns²/m^4)",
                            imperial ? "(P.U.)" : "(Ns²/m^8)"}));
    for (int i = 1; i <= zoneRowCount(doc); ++i) {
        const auto z = static_cast<std::size_t>(i);
        rows.push_back(columns({
            formatDouble("%.1f", toShown(Quantity::Length, doc.zoneStart[z], units)),
            formatDouble("%.1f", toShown(Quantity::Length, doc.zoneEnd[z], units)),
            formatDouble("%.2f", toShown(Quantity::Length, doc.zoneDiameter[z], units)),
            formatDouble(imperial ? "%.3f" : "%.4f",
                         toShown(Quantity::FrictionFactor, doc.zoneFrictionFactor[z], units)),
            formatDouble(imperial ? "%.2f" : "%.0f",
                         toShown(Quantity::LeakagePer100, doc.zoneLeakageResistance100[z], units)),
        }));
    }
    rows.push_back(line(doc.zonesOff == 0 ? "Zones ARE active." : "Zones are NOT active."));
}

} // namespace

TextReport summaryInputReport(const CFlowmarDoc& doc) {
    TextReport report{std::string(kSummaryOfInputHeading), std::string(kSummaryOfInputTitle), {}};
    if (!hasResults(doc)) {
        return report;
    }
    addInputLines(doc, report.rows);
    if (showsZones(doc)) {
        report.rows.emplace_back();
        addZonesTable(doc, report.rows);
    }
    return report;
}

Drawing summaryInputPage(const CFlowmarDoc& doc, const PageRect& page, const TextMetrics& metrics) {
    return drawTextReport(summaryInputReport(doc), page, metrics);
}

std::vector<std::string> summaryInputLines(const CFlowmarDoc& doc) {
    return textReportLines(summaryInputReport(doc));
}

} // namespace flowmar
