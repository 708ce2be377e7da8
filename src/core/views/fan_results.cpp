#include "core/views/fan_results.h"

#include "core/model/flowmar_doc.h"
#include "core/model/number_text.h"
#include "core/model/units.h"
#include "core/views/fan_results_chart.h"

#include <algorithm>
#include <array>

namespace flowmar {

namespace {

constexpr int kLeftX = 100;
constexpr int kChartReserve = 2000; // the page room a chart is given
constexpr int kChartDrop = 950;     // how far below its reference the next block starts

// The grid's column headers, "No." above the row numbers.
std::array<std::string, fan_results::kColumnCount + 1> headers(int unitSystem) {
    return {"No.",
            withUnit("Distance", Quantity::Length, unitSystem),
            "Manufacturer",
            "Model",
            "Fan Curve",
            withUnit("Pressure", Quantity::BoosterPressure, unitSystem),
            withUnit("Quantity", Quantity::AirQuantity, unitSystem),
            "Efficiency (%)",
            withUnit("Air Power", Quantity::Power, unitSystem),
            withUnit("Input Power", Quantity::Power, unitSystem),
            "On Curve?"};
}

constexpr std::string_view kNotApplicable = "NA";
constexpr std::string_view kZeroEfficiency = "Zero Efficiency";
constexpr std::string_view kOn = "ON";
constexpr std::string_view kOff = "OFF";

struct LineFormats {
    const char* density;
    const char* distance;
    const char* airflow;
    const char* curvePressure;
    const char* fixedPressure;
    const char* inputPower;
};

constexpr LineFormats kSIFormats{
    "Fan Curve Density = %.3f (kg/m³)", "Distance along Duct = %.1f (m)",
    "Fan Airflow : %.2f (m³/s)",        "Fan Pressure = %.2f (kPa)",
    "Fan Pressure = %.2f kPa",          "Fan Input Power = %.2f (kW)",
};
constexpr LineFormats kImperialFormats{
    "Fan Curve Density = %.3f (lb/ft³)", "Distance along Duct = %.1f (ft)",
    "Fan Airflow : %.2f (kcfm)",         "Fan Pressure = %.2f (in.w.g.)",
    "Fan Pressure = %.2f in.w.g.",       "Fan Input Power :  %.2f (hp)",
};

int fanRows(const CFlowmarDoc& doc) {
    return std::clamp(doc.fanCount, 0, kMaxFans);
}

std::string orDefault(const std::string& text, std::string_view fallback) {
    return text.empty() ? std::string(fallback) : text;
}

// Pa as kPa, or as inches of water in Imperial.
double shownPressure(double pascals, bool imperialUnits) {
    return imperialUnits ? pascals * imperial::kInWgPerPascal : pascals / 1000;
}

double shownQuantity(double cubicMetresPerSecond, bool imperialUnits) {
    return imperialUnits ? cubicMetresPerSecond * imperial::kKcfmPerCubicMetrePerSecond
                         : cubicMetresPerSecond;
}

double shownPower(double kilowatts, bool imperialUnits) {
    return imperialUnits ? kilowatts * imperial::kHorsepowerPerKilowatt : kilowatts;
}

void fillRow(GridContent& grid, const CFlowmarDoc& doc, int i) {
    const auto f = static_cast<std::size_t>(i);
    const bool imp = isImperial(doc.unitSystem);
    const FanOperatingPoint point = fanOperatingPoint(doc, i);
    grid.setValue(i, 1, toShown(Quantity::Length, doc.fanDistance[f], doc.unitSystem));
    grid.setValue(i, 2, doc.fanManufacturer[f]);
    grid.setValue(i, 3, doc.fanModel[f]);
    grid.setValue(i, 4, doc.fanSetting[f]);
    grid.setValue(i, 5, shownPressure(point.pressure, imp));
    grid.setValue(i, 6, shownQuantity(point.quantity, imp));
    grid.setValue(i, 8, shownPower(point.airPower, imp));
    if (point.onCurve) {
        grid.setValue(i, 7, point.efficiency);
        if (point.efficiency == 0) {
            grid.setValue(i, 9, std::string(kZeroEfficiency));
        } else {
            grid.setValue(i, 9, shownPower(point.inputPower, imp));
        }
        grid.setValue(i, 10, std::string(point.offCurve ? kOff : kOn));
    } else {
        for (const int column : {7, 9, 10}) {
            grid.setValue(i, column, std::string(kNotApplicable));
        }
    }
}

FanReportBlock fanBlock(const CFlowmarDoc& doc, int i, int pageWidth, int h) {
    const auto f = static_cast<std::size_t>(i);
    const bool imp = isImperial(doc.unitSystem);
    const LineFormats& formats = imp ? kImperialFormats : kSIFormats;
    const FanOperatingPoint point = fanOperatingPoint(doc, i);
    const int lineStep = 5 * h / 4;
    const int rightX = pageWidth / 2;

    std::array<std::string, 6> left{
        formatInt("Fan Number = %.i", i),
        orDefault(doc.fanManufacturer[f], "No Fan Manufacturer Given"),
        orDefault(doc.fanModel[f], "No Fan Model Given"),
        orDefault(doc.fanSetting[f], "No Fan Setting Given"),
        doc.fanCurveDensity[f] > 0
            ? formatDouble(formats.density,
                           toShown(Quantity::Density, doc.fanCurveDensity[f], doc.unitSystem))
            : std::string("No Fan Curve Density Input."),
        formatDouble(formats.distance,
                     toShown(Quantity::Length, doc.fanDistance[f], doc.unitSystem)),
    };
    std::array<std::string, 4> right{
        formatDouble(formats.airflow, shownQuantity(point.quantity, imp)),
    };
    if (point.onCurve) {
        right[1] = formatDouble(formats.curvePressure, shownPressure(point.pressure, imp));
        right[2] = formatDouble("Fan Efficiency = %.2f (percent)", point.efficiency);
        right[3] = point.efficiency == 0
                       ? std::string(kZeroEfficiency)
                       : formatDouble(formats.inputPower, shownPower(point.inputPower, imp));
    } else {
        right[1] = formatDouble(formats.fixedPressure, shownPressure(point.pressure, imp));
    }

    FanReportBlock block;
    block.fan = i;
    for (std::size_t k = 0; k < left.size(); ++k) {
        FanReportRow& row = block.rows.emplace_back();
        row.y = -static_cast<double>(k) * lineStep;
        row.cells.push_back({kLeftX, std::move(left[k])});
        if (k < right.size() && !right[k].empty()) {
            row.cells.push_back({rightX, std::move(right[k])});
        }
    }
    const double afterLines = -(static_cast<double>(left.size()) - 1 + 2) * lineStep;
    block.reserved = 7.0 * lineStep + (point.onCurve ? kChartReserve : 0);
    block.advance = -afterLines + (point.onCurve ? kChartDrop : 0);
    if (point.onCurve) {
        block.chartTop = afterLines;
    }
    return block;
}

} // namespace

bool hasFanModeResults(const CFlowmarDoc& doc) {
    return fanRows(doc) > 0 && doc.results.boosterPressure == 0;
}

GridContent fanResultsGrid(const CFlowmarDoc& doc, bool firstDisplay) {
    using fan_results::kColumnCount;
    const bool imp = isImperial(doc.unitSystem);
    GridContent grid;
    grid.setColumnCount(kColumnCount);
    if (hasFanModeResults(doc)) {
        const int rows = fanRows(doc);
        grid.setRowCount(rows);
        grid.setReadOnlyLock(false);
        grid.applyStyle(1, 1, rows, kColumnCount,
                        GridStyle().setReadOnly().setAlignment(GridAlignment::Right));
        grid.applyStyle(1, 1, rows, 1, GridStyle().setDecimals(1));
        grid.applyStyle(1, 5, rows, 9, GridStyle().setDecimals(2));
        for (int i = 1; i <= rows; ++i) {
            fillRow(grid, doc, i);
        }
        grid.setReadOnlyLock(true);
    }
    const auto texts = headers(doc.unitSystem);
    for (int c = 0; c <= kColumnCount; ++c) {
        grid.setHeaderText(c, texts[static_cast<std::size_t>(c)]);
    }
    grid.applyStyle(0, 1, 0, kColumnCount, GridStyle().setAlignment(GridAlignment::Centre));
    grid.setColumnWidths(1, kColumnCount, 100);
    grid.setColumnWidth(4, 80);
    grid.setColumnWidth(10, 70);
    grid.setColumnWidth(5, firstDisplay ? (imp ? 140 : 100) : (imp ? 110 : 100));
    return grid;
}

FanReport fanResultsReport(const CFlowmarDoc& doc, int pageWidth, int h) {
    FanReport report;
    report.heading = std::string(fan_results::kHeading);
    report.top = -50;
    report.bottomGap = 150;
    if (hasFanModeResults(doc)) {
        for (int i = 1; i <= fanRows(doc); ++i) {
            report.blocks.push_back(fanBlock(doc, i, pageWidth, h));
        }
    }
    return report;
}

std::vector<Drawing> fanResultsPages(const CFlowmarDoc& doc, const PageRect& page,
                                     const TextMetrics& metrics) {
    const int h = reportTextHeight(metrics);
    const FanReport report = fanResultsReport(doc, static_cast<int>(page.right - page.left), h);
    return drawFanReportPages(report, page, h, [&doc](Drawing& drawing, int fan, Point reference) {
        drawFanResultsChart(drawing, doc, fan, reference);
    });
}

std::vector<std::string> fanResultsLines(const CFlowmarDoc& doc) {
    const int pageWidth = static_cast<int>(kA4Portrait.right - kA4Portrait.left);
    return fanReportLines(fanResultsReport(doc, pageWidth, reportTextHeight(defaultTextMetrics())));
}

} // namespace flowmar
