// Execute on documents full of random and extreme values, as a damaged or hand-made file could
// hold them: it must never crash or trip a sanitizer, and it either reports a message or leaves
// only finite results.
#include "core/commands/execute_command.h"
#include "core/engine/ladder_network.h"
#include "core/model/flowmar_doc.h"
#include "support/fake_ui_port.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <random>

namespace flowmar {
namespace {

class RandomModels {
public:
    explicit RandomModels(unsigned seed) : m_random(seed) {}

    // A typical value, or with the model's rate of extremes one of 0, its negative, a huge
    // value, NaN or infinity.
    double value(double typical) {
        if (!extreme()) {
            return std::uniform_real_distribution<double>(0.5 * typical, 1.5 * typical)(m_random);
        }
        switch (pick(5)) {
        case 0:
            return 0;
        case 1:
            return -typical;
        case 2:
            return typical * 1e12;
        case 3:
            return std::numeric_limits<double>::quiet_NaN();
        default:
            return std::numeric_limits<double>::infinity();
        }
    }

    int count(int low, int high) {
        if (extreme()) {
            switch (pick(3)) {
            case 0:
                return std::numeric_limits<int>::max();
            case 1:
                return std::numeric_limits<int>::min();
            default:
                return std::uniform_int_distribution<int>(-1000, 1000)(m_random);
            }
        }
        return std::uniform_int_distribution<int>(low, high)(m_random);
    }

    CFlowmarDoc model() {
        // Sane models, models with the odd bad value and models full of them.
        const double rates[] = {0.0, 0.02, 0.1, 0.5};
        m_extremeRate = rates[pick(4)];
        CFlowmarDoc doc;
        doc.ductLength = value(1000);
        doc.ductDiameter = value(0.9);
        doc.frictionFactor = value(0.002);
        doc.airDensity = value(1.2);
        doc.ductType = count(1, 2);
        doc.leakagePathCount = count(0, 99);
        doc.leakageResistance100 = count(100, 150000);
        doc.executionMode = count(0, 2);
        doc.iterationLimit = std::min(count(1, 60), 60);
        doc.solutionMode = count(0, 1);
        doc.fixedQuantity = value(10);
        doc.fixedQuantityLocation = count(0, 1);
        doc.zonesOff = count(0, 1);
        doc.autoTransitionOff = count(0, 1);
        doc.zoneCount = count(0, 10);
        const int zones = pick(4);
        for (int z = 1; z <= zones; ++z) {
            doc.zoneStart[z] = value(250.0 * (z - 1));
            doc.zoneEnd[z] = value(250.0 * z);
            doc.zoneDiameter[z] = value(0.9);
            doc.zoneFrictionFactor[z] = value(0.002);
            doc.zoneLeakageResistance100[z] = value(10000);
            doc.zoneArea[z] = value(0.6);
        }
        for (int r = 1; r <= 3; ++r) {
            doc.smoothElbowDistance[r] = value(500);
            doc.smoothElbowFactor[r] = value(0.3);
            doc.screenDistance[r] = value(500);
            doc.fixedResistanceDistance[r] = value(500);
            doc.fixedResistanceValue[r] = value(50);
        }
        doc.entryShockFactor = value(0.5);
        doc.exitShockFactor = value(1);
        doc.fanCount = count(1, 4);
        const int fans = std::clamp(doc.fanCount, 0, 4);
        for (int i = 1; i <= fans; ++i) {
            doc.fanDistance[i] = value(300);
            doc.fanCurveDensity[i] = value(1.2);
            doc.fanFixedPressure[i] = value(1000);
            doc.fanFixedPressureFlag[i] = count(0, 1);
            doc.fanCurvePointCount[i] = count(2, 4);
            for (int m = 1; m <= 4; ++m) {
                doc.fanCurvePressure[m][i] = value(3000.0 - 600 * m);
                doc.fanCurveQuantity[m][i] = value(5.0 * m);
                doc.fanCurveEfficiency[m][i] = value(70);
            }
        }
        return doc;
    }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    bool extreme() {
        return std::uniform_real_distribution<double>(0, 1)(m_random) < m_extremeRate;
    }
    std::mt19937 m_random;
    double m_extremeRate = 0;
};

TEST(ExecuteRobustness, RandomAndExtremeModelsGiveAMessageOrFiniteResults) {
    RandomModels random(20261210);
    int solved = 0;
    for (int run = 0; run < 400; ++run) {
        CFlowmarDoc doc = random.model();
        testing::FakeUiPort port;
        const bool stored = static_cast<bool>(Execute(doc, port));
        if (stored) {
            ++solved;
            const int n = std::clamp(doc.segmentCount, 0, kMaxSegments);
            EXPECT_TRUE(resultsAreFinite(doc.results, n, std::clamp(doc.fanCount, 0, kMaxFans)))
                << "run " << run;
        } else {
            EXPECT_FALSE(port.messages.empty()) << "run " << run << ": a silent stop";
        }
        EXPECT_EQ(port.waitCursorDepth, 0) << "run " << run;
    }
    EXPECT_GT(solved, 40) << "the generator should also make solvable models";
}

} // namespace
} // namespace flowmar
