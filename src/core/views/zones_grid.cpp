#include "core/views/zones_grid.h"

#include "core/model/messages.h"
#include "core/model/string_table.h"
#include "core/model/units.h"

#include <array>
#include <string>

namespace flowmar {

namespace {

using zones_page::kColumns;
using zones_page::kShownRows;

constexpr std::string_view kFrictionFactorHeading = "k Fac";
constexpr std::string_view kLeakageHeadingSI = "Rl/100m";
constexpr std::string_view kLeakageHeadingImperial = "Rl/100ft";

// Grid units: the header column, start, end, then diameter, friction factor and leakage.
constexpr int kHeaderWidth = 20;
constexpr int kStartWidth = 55;
constexpr int kEndWidth = 50;
constexpr std::array<int, 3> kSIWidths{50, 50, 50};
constexpr std::array<int, 3> kImperialWidths{60, 60, 70};

} // namespace

GridContent zonesGridContent(const ZoneRows& rows, int unitSystem) {
    const bool imperial = isImperial(unitSystem);
    GridContent grid(kShownRows, kColumns);
    const auto numbers = [&](int left, int right, int decimals) {
        grid.applyStyle(1, left, kShownRows, right,
                        GridStyle().setAlignment(GridAlignment::Right).setDecimals(decimals));
    };
    numbers(1, 2, 1);
    numbers(3, 4, 3);
    numbers(5, 5, imperial ? 2 : 0);

    grid.setColumnWidth(0, kHeaderWidth);
    grid.setColumnWidth(1, kStartWidth);
    grid.setColumnWidth(2, kEndWidth);
    const std::array<int, 3>& widths = imperial ? kImperialWidths : kSIWidths;
    for (int c = 3; c <= kColumns; ++c) {
        grid.setColumnWidth(c, widths[std::size_t(c - 3)]);
    }

    const std::string length(unitLabel(strings::kLength, unitSystem));
    grid.setHeaderText(1, std::string(loadString(strings::kZoneStartCaption)) + length);
    grid.setHeaderText(2, std::string(loadString(strings::kZoneEndCaption)) + length);
    grid.setHeaderText(3, std::string(loadString(strings::kZoneDiameterCaption)) +
                              std::string(diameterLabel(unitSystem)));
    grid.setHeaderText(4, std::string(kFrictionFactorHeading));
    grid.setHeaderText(5, std::string(imperial ? kLeakageHeadingImperial : kLeakageHeadingSI));

    for (int i = 1; i <= kShownRows; ++i) {
        for (int j = 1; j <= kColumns; ++j) {
            grid.setValue(i, j, zoneCell(rows[std::size_t(i)], j));
        }
    }
    return grid;
}

std::optional<PageFault> readZonesGrid(const GridContent& grid, ZoneRows& rows) {
    for (int i = 1; i <= kShownRows; ++i) {
        ZoneRowValues& row = rows[std::size_t(i)];
        for (int j = 1; j <= kColumns; ++j) {
            const std::optional<double> value = grid.enteredNumber(i, j, zoneCell(row, j));
            if (!value) {
                return PageFault{messages::cellNumberNeeded(grid.valueText(0, j), i),
                                 zones_page::kGrid, i, j};
            }
            setZoneCell(row, j, *value);
        }
    }
    return std::nullopt;
}

} // namespace flowmar
