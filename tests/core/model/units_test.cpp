#include "core/model/string_table.h"
#include "core/model/units.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

namespace flowmar {
namespace {

struct ShownCase {
    const char* why;
    friend void PrintTo(const ShownCase& c, std::ostream* os) { *os << c.why; }
    Quantity quantity;
    double si;
    double imperial;
};

class ImperialConversion : public ::testing::TestWithParam<ShownCase> {};

TEST_P(ImperialConversion, ShowsAndTakesBack) {
    const ShownCase& c = GetParam();
    EXPECT_NEAR(toShown(c.quantity, c.si, kImperial), c.imperial, 1e-9 * std::abs(c.imperial))
        << c.why;
    EXPECT_NEAR(fromShown(c.quantity, c.imperial, kImperial), c.si, 1e-12 * std::abs(c.si) + 1e-15)
        << c.why;
    EXPECT_EQ(toShown(c.quantity, c.si, kSI), c.si) << "SI shows the stored value";
}

INSTANTIATE_TEST_SUITE_P(
    Units, ImperialConversion,
    ::testing::Values(ShownCase{"100 ft of duct", Quantity::Length, 30.48, 100.0},
                      ShownCase{"the Imperial default friction factor", Quantity::FrictionFactor,
                                0.0018552875695732839, 10.0},
                      ShownCase{"quantity in kcfm", Quantity::AirQuantity, 10.0, 21.189},
                      ShownCase{"leakage per 100 ft", Quantity::LeakagePer100, 10000.0, 96250.0},
                      ShownCase{"diameter in inches", Quantity::Diameter, 0.6096, 24.0},
                      ShownCase{"area in square feet", Quantity::Area, 0.929, 10.0},
                      ShownCase{"fan pressure in in.w.g.", Quantity::FanPressure, 1000.0, 4.0147},
                      ShownCase{"booster pressure in in.w.g.", Quantity::BoosterPressure, 1.0,
                                4.0147},
                      ShownCase{"density in lb/ft³", Quantity::Density, 1.2, 0.074913552},
                      ShownCase{"resistance in P.U.", Quantity::Resistance, 10.0, 8.942},
                      ShownCase{"power in hp", Quantity::Power, 10.0, 13.41},
                      ShownCase{"efficiency never converts", Quantity::Dimensionless, 75.0, 75.0}));

TEST(Units, LengthRoundTripIsExactForWholeFeet) {
    EXPECT_EQ(toShown(Quantity::Length, 30.48, kImperial), 100.0);
    EXPECT_EQ(fromShown(Quantity::Length, 100.0, kImperial), 30.48);
}

TEST(Units, LeakageEntryIsTruncatedToAnInteger) {
    EXPECT_EQ(leakagePer100FromShown(2500, kImperial), 259); // 259.74...
    EXPECT_EQ(leakagePer100FromShown(-2500, kImperial), -259);
    EXPECT_EQ(leakagePer100FromShown(12345.9, kSI), 12345);
    EXPECT_EQ(leakagePer100FromShown(1e30, kSI), 2147483647);
    EXPECT_EQ(leakagePer100FromShown(std::nan(""), kSI), 0);
}

TEST(StringTable, UnitLabelsFollowThePairRule) {
    EXPECT_EQ(unitLabel(strings::kAirQuantity, kSI), "(m³/s)");
    EXPECT_EQ(unitLabel(strings::kAirQuantity, kImperial), "(kcfm)");
    EXPECT_EQ(unitLabel(strings::kLeakagePer100, kImperial), "(P.U. per 100 ft)");
    EXPECT_EQ(unitLabel(strings::kFrictionFactor, kImperial), "(lbf min²/ft^4)");
    // The pressures and the diameter do not follow the pair rule.
    EXPECT_EQ(fanPressureLabel(kSI), "(Pa)");
    EXPECT_EQ(fanPressureLabel(kImperial), "(in.w.g.)");
    EXPECT_EQ(loadString(606), "(m.in.wg)");
    EXPECT_EQ(boosterPressureLabel(kSI), "(kPa)");
    EXPECT_EQ(boosterPressureLabel(kImperial), "(in.w.g.)");
    EXPECT_EQ(diameterLabel(kSI), "(m)");
    EXPECT_EQ(diameterLabel(kImperial), "(in)");
}

TEST(Units, SymbolsOfEachSystemAndLabelsWithThem) {
    EXPECT_EQ(unitSymbol(Quantity::AirQuantity, kSI), "m³/s");
    EXPECT_EQ(unitSymbol(Quantity::AirQuantity, kImperial), "kcfm");
    EXPECT_EQ(unitSymbol(Quantity::FanPressure, kSI), "Pa");
    EXPECT_EQ(unitSymbol(Quantity::BoosterPressure, kSI), "kPa");
    EXPECT_EQ(unitSymbol(Quantity::BoosterPressure, kImperial), "in.w.g.");
    EXPECT_EQ(unitSymbol(Quantity::Power, kImperial), "hp");
    EXPECT_EQ(unitSymbol(Quantity::LeakagePer100, kImperial), "P.U. per 100 ft");
    EXPECT_EQ(unitSymbol(Quantity::Dimensionless, kSI), "");
    EXPECT_EQ(withUnit("Q", Quantity::AirQuantity, kSI), "Q (m³/s)");
    EXPECT_EQ(withUnit("Distance", Quantity::Length, kImperial), "Distance (ft)");
}

TEST(Units, TheHorsepowerFactorIs52Over3300) {
    EXPECT_EQ(imperial::kHorsepowerFactor, 52.0 / 3300.0);
}

TEST(StringTable, HoldsTheMessagesLoadedByNumber) {
    EXPECT_EQ(loadString(strings::kUnitsChangedDuct),
              "The units have been changed and the input data have been converted.\n\nYou must "
              "execute the simulation to update the results.");
    EXPECT_EQ(loadString(strings::kUnitsChangedDatabase),
              "The units have been changed and the input data have been converted.");
    EXPECT_EQ(loadString(608), "") << "an id the table does not hold";
}

} // namespace
} // namespace flowmar
