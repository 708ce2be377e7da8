#include "core/views/fan_input.h"

#include "core/model/flowmar_doc.h"
#include "core/model/number_text.h"
#include "core/model/units.h"

#include <algorithm>
#include <array>

namespace flowmar {

namespace {

constexpr int kLeftX = 100;
constexpr int kCurveX = 200;

using Headers = std::array<std::string_view, fan_input::kColumnCount + 1>;

constexpr Headers kSIHeaders{"No.",
                             "Manufacturer",
                             "Model",
                             "Setting",
                             "Distance (m)",
                             "Density (kg/m³)",
                             "Fixed Press (Pa)",
                             "Apply Fixed P?",
                             "Fan Curve Exists?"};
constexpr Headers kImperialHeaders{"No.",
                                   "Manufacturer",
                                   "Model",
                                   "Setting",
                                   "Distance (ft)",
                                   "Density (lb/ft³)",
                                   "Fixed Press (in.w.g.)",
                                   "Apply Fixed P?",
                                   "Fan Curve Exists?"};

constexpr std::string_view kYes = "YES";
constexpr std::string_view kNo = "NO";

struct LineFormats {
    const char* density;
    const char* distance;
    const char* fixedPressure;
    const char* pointPressure;
    const char* pointQuantity;
};

constexpr LineFormats kSIFormats{
    "Fan Curve Density = %.3f (kg/m³)", "Distance along Duct = %.1f (m)",
    "Specified Fixed Pressure = %.0f (Pa)", "%.0f (Pa)", "%.2f (m³/s)"};
constexpr LineFormats kImperialFormats{
    "Fan Curve Density = %.3f (lb/ft³)", "Distance along Duct = %.1f (ft)",
    "Specified Fixed Pressure = %.2f (in.w.g.)", "%.2f (in.w.g.)", "%.2f (kcfm)"};

int fanRows(const CFlowmarDoc& doc) {
    return std::clamp(doc.fanCount, 0, kMaxFans);
}

std::string orDefault(const std::string& text, std::string_view fallback) {
    return text.empty() ? std::string(fallback) : text;
}

void fillRow(GridContent& grid, const CFlowmarDoc& doc, int i) {
    const auto f = static_cast<std::size_t>(i);
    const int units = doc.unitSystem;
    grid.setValue(i, 1, doc.fanManufacturer[f]);
    grid.setValue(i, 2, doc.fanModel[f]);
    grid.setValue(i, 3, doc.fanSetting[f]);
    grid.setValue(i, 4, toShown(Quantity::Length, doc.fanDistance[f], units));
    if (doc.fanCurveDensity[f] == 0) {
        grid.setValue(i, 5, std::string("NA"));
    } else {
        grid.setValue(i, 5, toShown(Quantity::Density, doc.fanCurveDensity[f], units));
    }
    grid.setValue(i, 6, toShown(Quantity::FanPressure, doc.fanFixedPressure[f], units));
    const bool applied = doc.fanFixedPressureFlag[f] == 1 && doc.fanFixedPressure[f] != 0;
    grid.setValue(i, 7, std::string(applied ? kYes : kNo));
    grid.setValue(i, 8, std::string(doc.fanHasCurve[f] == 1 ? kYes : kNo));
}

FanReportBlock fanBlock(const CFlowmarDoc& doc, int i, int pageWidth, int h) {
    const auto f = static_cast<std::size_t>(i);
    const int units = doc.unitSystem;
    const LineFormats& formats = isImperial(units) ? kImperialFormats : kSIFormats;
    const int lineStep = 5 * h / 4;
    const int gap = 3 * h / 2;
    const int rightX = pageWidth / 2;
    const int points = std::clamp(doc.fanCurvePointCount[f], 0, kMaxCurvePoints);

    const std::array<std::string, 4> left{
        formatInt("Fan Number = %.i", i),
        orDefault(doc.fanManufacturer[f], "No Fan Manufacturer Given"),
        orDefault(doc.fanModel[f], "No Fan Model Given"),
        orDefault(doc.fanSetting[f], "No Fan Setting Given"),
    };
    const std::array<std::string, 4> right{
        doc.fanCurveDensity[f] > 0
            ? formatDouble(formats.density,
                           toShown(Quantity::Density, doc.fanCurveDensity[f], units))
            : std::string("No Fan Curve Density Input."),
        formatDouble(formats.distance, toShown(Quantity::Length, doc.fanDistance[f], units)),
        doc.fanFixedPressure[f] > 0
            ? formatDouble(formats.fixedPressure,
                           toShown(Quantity::FanPressure, doc.fanFixedPressure[f], units))
            : std::string("No Fixed Pressure Input."),
        doc.fanHasCurve[f] == 1 ? std::string("Fan Curve Exists.")
                                : std::string("No Fan Curve Input."),
    };

    FanReportBlock block;
    block.fan = i;
    for (std::size_t k = 0; k < left.size(); ++k) {
        block.rows.push_back(
            {-static_cast<double>(k) * lineStep, {{kLeftX, left[k]}, {rightX, right[k]}}});
    }
    double y = -3.0 * lineStep - 2.0 * h;
    if (points > 0) {
        block.rows.push_back({y, {{kCurveX, "FAN CURVE."}}});
        for (int m = 1; m <= points; ++m) {
            const auto p = static_cast<std::size_t>(m);
            y -= lineStep;
            block.rows.push_back(
                {y,
                 {{kCurveX,
                   formatDouble(formats.pointPressure,
                                toShown(Quantity::FanPressure, doc.fanCurvePressure[p][f], units))},
                  {kCurveX + pageWidth / 5,
                   formatDouble(formats.pointQuantity,
                                toShown(Quantity::AirQuantity, doc.fanCurveQuantity[p][f], units))},
                  {kCurveX + 2 * pageWidth / 5,
                   formatDouble("%.1f Pct", doc.fanCurveEfficiency[p][f])}}});
        }
    }
    y -= gap;
    block.rules.push_back(y);
    y -= gap;
    block.advance = -y;
    block.reserved = 5.0 * lineStep + 2.0 * gap + static_cast<double>(points) * lineStep;
    return block;
}

} // namespace

GridContent fanInputGrid(const CFlowmarDoc& doc) {
    using fan_input::kColumnCount;
    const bool imp = isImperial(doc.unitSystem);
    const int rows = fanRows(doc);
    GridContent grid;
    if (rows == 0) {
        grid.setColumnCount(kColumnCount + 1);
    } else {
        grid.setColumnCount(kColumnCount);
        grid.setRowCount(rows);
        grid.setReadOnlyLock(false);
        grid.applyStyle(1, 1, rows, kColumnCount, GridStyle().setReadOnly());
        grid.applyStyle(1, 4, rows, 4, GridStyle().setDecimals(imp ? 2 : 1));
        grid.applyStyle(1, 5, rows, 5, GridStyle().setDecimals(3));
        grid.applyStyle(1, 6, rows, 6, GridStyle().setDecimals(imp ? 2 : 0));
        grid.applyStyle(1, 1, rows, kColumnCount, GridStyle().setAlignment(GridAlignment::Right));
        for (int i = 1; i <= rows; ++i) {
            fillRow(grid, doc, i);
        }
        grid.setReadOnlyLock(true);
    }
    const Headers& headers = imp ? kImperialHeaders : kSIHeaders;
    for (int c = 0; c <= kColumnCount; ++c) {
        grid.setHeaderText(c, std::string(headers[static_cast<std::size_t>(c)]));
    }
    grid.applyStyle(0, 1, 0, kColumnCount, GridStyle().setAlignment(GridAlignment::Centre));
    grid.setColumnWidths(1, kColumnCount, 100);
    grid.setColumnWidth(6, imp ? 120 : 100);
    return grid;
}

FanReport fanInputReport(const CFlowmarDoc& doc, int pageWidth, int h) {
    FanReport report;
    report.heading = std::string(fan_input::kHeading);
    report.top = -100;
    report.bottomGap = 200;
    for (int i = 1; i <= fanRows(doc); ++i) {
        report.blocks.push_back(fanBlock(doc, i, pageWidth, h));
    }
    return report;
}

std::vector<Drawing> fanInputPages(const CFlowmarDoc& doc, const PageRect& page,
                                   const TextMetrics& metrics) {
    const int h = reportTextHeight(metrics);
    return drawFanReportPages(fanInputReport(doc, static_cast<int>(page.right - page.left), h),
                              page, h);
}

std::vector<std::string> fanInputLines(const CFlowmarDoc& doc) {
    const int pageWidth = static_cast<int>(kA4Portrait.right - kA4Portrait.left);
    return fanReportLines(fanInputReport(doc, pageWidth, reportTextHeight(defaultTextMetrics())));
}

} // namespace flowmar
