#include "core/input/zones_page.h"
#include "support/page_fault_print.h"

#include <gtest/gtest.h>

#include <cctype>
#include <optional>
#include <string>
#include <vector>

namespace flowmar {
namespace {

// A zone row with distinct values in the columns the sort must carry along.
ZoneRowValues zone(double start, double end, double diameter = 0.8) {
    return {start, end, diameter, 0.003, 20000};
}

// The (start, end) pairs of rows 0 to 10.
std::vector<std::pair<double, double>> ends(const ZoneRows& rows) {
    std::vector<std::pair<double, double>> out;
    for (const ZoneRowValues& r : rows) {
        out.emplace_back(r.start, r.end);
    }
    return out;
}

struct SortCase {
    const char* why;
    ZoneRows before;
    std::vector<std::pair<double, double>> after; // rows 0 to 10
};

ZoneRows rowsWith(std::initializer_list<std::pair<int, ZoneRowValues>> filled) {
    ZoneRows rows{};
    for (const auto& [row, values] : filled) {
        rows[std::size_t(row)] = values;
    }
    return rows;
}

class ZoneSort : public ::testing::TestWithParam<SortCase> {};

TEST_P(ZoneSort, SortsByEndAndMovesEmptyRowsDown) {
    ZoneRows rows = GetParam().before;
    sortZoneRows(rows);
    EXPECT_EQ(ends(rows), GetParam().after) << GetParam().why;
}

using P = std::pair<double, double>;
const P e{0, 0};

INSTANTIATE_TEST_SUITE_P(
    Cases, ZoneSort,
    ::testing::Values(
        SortCase{"zones in rows 1, 3 and 5 come back in order in rows 1 to 3",
                 rowsWith({{1, zone(100, 250)}, {3, zone(0, 100)}, {5, zone(250, 400)}}),
                 {e, {0, 100}, {100, 250}, {250, 400}, e, e, e, e, e, e, e}},
        SortCase{"a full table of ten zones is sorted and nothing moves up",
                 rowsWith({{1, zone(900, 1000)},
                           {2, zone(0, 100)},
                           {3, zone(800, 900)},
                           {4, zone(100, 200)},
                           {5, zone(700, 800)},
                           {6, zone(200, 300)},
                           {7, zone(600, 700)},
                           {8, zone(300, 400)},
                           {9, zone(500, 600)},
                           {10, zone(400, 500)}}),
                 {e,
                  {0, 100},
                  {100, 200},
                  {200, 300},
                  {300, 400},
                  {400, 500},
                  {500, 600},
                  {600, 700},
                  {700, 800},
                  {800, 900},
                  {900, 1000}}},
        SortCase{"no zone at all: nothing moves", rowsWith({}), {e, e, e, e, e, e, e, e, e, e, e}},
        SortCase{"a negative end sorts into row 0, which is not a zone row",
                 rowsWith({{1, zone(0, 100)}, {2, zone(-50, -10)}, {3, zone(100, 200)}}),
                 {{-50, -10}, {0, 100}, {100, 200}, e, e, e, e, e, e, e, e}},
        SortCase{"the held tenth zone takes part and moves up",
                 rowsWith({{10, zone(0, 500)}, {2, zone(500, 900)}}),
                 {e, {0, 500}, {500, 900}, e, e, e, e, e, e, e, e}},
        SortCase{"equal ends keep the earlier row first (strictly smaller displaces)",
                 rowsWith({{1, zone(10, 100, 0.5)}, {2, zone(20, 100, 0.6)}}),
                 {e, {10, 100}, {20, 100}, e, e, e, e, e, e, e, e}}));

TEST(ZoneSort, AnEmptyRowWithADiameterIsOverwrittenWhenRowsMoveUp) {
    ZoneRows rows = rowsWith({{1, zone(0, 0, 1.5)}, {2, zone(0, 300)}});
    sortZoneRows(rows);
    EXPECT_EQ(rows[1].end, 300);
    EXPECT_EQ(rows[1].diameter, 0.8) << "the whole row moves with its end";
    for (std::size_t z = 2; z <= 10; ++z) {
        EXPECT_EQ(rows[z].diameter, 0) << "row " << z << " is vacated in every column";
    }
}

TEST(ZoneSort, ClearFormThenOkLeavesOnlyTheTenthZoneInRowOne) {
    DuctDetailsValues values;
    values.zones[1] = zone(0, 100);
    values.zones[9] = zone(100, 200);
    values.zones[10] = zone(200, 300, 1.1);
    ZonesPage page(values);
    page.open();
    page.clearForm();
    EXPECT_EQ(page.rows()[10].end, 300) << "Clear Form leaves the row the grid does not show";
    page.accept();
    DuctDetailsValues back;
    page.storeInto(back);
    EXPECT_EQ(back.zones[1].start, 200);
    EXPECT_EQ(back.zones[1].diameter, 1.1);
    for (std::size_t z = 2; z <= 10; ++z) {
        EXPECT_TRUE(isEmptyZoneRow(back.zones[z])) << z;
    }
}

TEST(ZonesPage, NeverOpenedHandsBackTheRowsAsGiven) {
    DuctDetailsValues values;
    values.zones[1] = zone(100, 250);
    values.zones[2] = zone(0, 100);
    values.applyZones = 1;
    ZonesPage page(values);
    page.accept();
    DuctDetailsValues back;
    page.storeInto(back);
    EXPECT_EQ(back.zones[1].end, 250) << "an unopened page does not sort";
    EXPECT_EQ(back.zones[2].end, 100);
    EXPECT_EQ(back.applyZones, 1);
}

TEST(ZonesPage, CellsMapToTheFiveColumns) {
    ZoneRowValues row;
    for (int c = 1; c <= 5; ++c) {
        setZoneCell(row, c, c * 10);
    }
    EXPECT_EQ(row.start, 10);
    EXPECT_EQ(row.end, 20);
    EXPECT_EQ(row.diameter, 30);
    EXPECT_EQ(row.frictionFactor, 40);
    EXPECT_EQ(row.leakageResistance100, 50);
    EXPECT_EQ(zoneCell(row, 4), 40);
}

// OK refuses, naming the row, every typed row the sort would lose or Execute would stumble on;
// valid rows and empty rows pass and are sorted as before.
struct RowRefusalCase {
    const char* why;
    std::vector<ZoneRowValues> rows; // rows 1.. of the grid
    std::optional<PageFault> fault;
};

class ZoneRowRefusal : public ::testing::TestWithParam<RowRefusalCase> {};

TEST_P(ZoneRowRefusal, NamesTheFirstRowItCannotKeep) {
    const RowRefusalCase& c = GetParam();
    DuctDetailsValues values;
    for (std::size_t i = 0; i < c.rows.size(); ++i) {
        values.zones[i + 1] = c.rows[i];
    }
    ZonesPage page(values);
    page.open();
    EXPECT_EQ(page.accept(), c.fault) << c.why;
    DuctDetailsValues back;
    page.storeInto(back);
    if (c.fault) {
        for (std::size_t i = 0; i < c.rows.size(); ++i) {
            EXPECT_EQ(back.zones[i + 1].end, c.rows[i].end) << "a refused page sorts nothing";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ZoneRowRefusal,
    ::testing::Values(RowRefusalCase{"valid zones pass",
                                     {{0, 100, 1, 0.003, 20000}, {100, 400, 1, 0.003, 20000}},
                                     std::nullopt},
                      RowRefusalCase{"a negative end",
                                     {{0, 100, 1, 0.003, 20000}, {100, -5, 1, 0.003, 20000}},
                                     PageFault{"Zone row 2: the end is less than zero.",
                                               zones_page::kGrid, 2, 2}},
                      RowRefusalCase{"an end before its start",
                                     {{0, 100, 1, 0.003, 20000}, {100, 0, 1, 0.003, 20000}},
                                     PageFault{"Zone row 2: the end must lie beyond the start.",
                                               zones_page::kGrid, 2, 2}},
                      RowRefusalCase{"an end at its start",
                                     {{50, 50, 1, 0.003, 20000}},
                                     PageFault{"Zone row 1: the end must lie beyond the start.",
                                               zones_page::kGrid, 1, 2}},
                      RowRefusalCase{"values in a row with no start or end",
                                     {{0, 100, 1, 0.003, 20000}, {}, {0, 0, 0.8, 0, 0}},
                                     PageFault{"Zone row 3 holds values but no start or end.",
                                               zones_page::kGrid, 3, 1}}),
    [](const ::testing::TestParamInfo<RowRefusalCase>& param) {
        std::string name = param.param.why;
        for (char& ch : name) {
            if (!std::isalnum(static_cast<unsigned char>(ch))) {
                ch = '_';
            }
        }
        return name;
    });

TEST(ZonesPage, AnEntryTheGridRefusedComesFirst) {
    ZonesPage page(DuctDetailsValues{});
    page.open();
    const PageFault typed{"Enter a number for End (m) in row 1.", zones_page::kGrid, 1, 2};
    page.setEntryFault(typed);
    EXPECT_EQ(page.accept(), typed);
    page.setEntryFault(std::nullopt);
    EXPECT_EQ(page.accept(), std::nullopt);
}

} // namespace
} // namespace flowmar
