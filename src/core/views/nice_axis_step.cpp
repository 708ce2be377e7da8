#include "core/views/nice_axis_step.h"

#include <array>
#include <cmath>

namespace flowmar {

namespace {

constexpr std::array<double, 40> kNiceValues{
    5,    10,    20,    30,    40,    50,    60,    80,    100,   120,   150,   200,    250,  300,
    400,  500,   600,   800,   1000,  1200,  1500,  2000,  2500,  3000,  4000,  5000,   6000, 7000,
    8000, 10000, 12000, 15000, 20000, 25000, 30000, 40000, 50000, 60000, 80000, 100000,
};
constexpr double kBeyondTheList = 200000;

// Where the rule's largest value stops holding the span, the span is brought into the list by a
// power of ten and the rule's step scaled back by it; the list's values are all multiples of ten
// from 10 on, so a scaled step keeps whole numbers.
double continuedStep(double span, int divisions) {
    if (!(span > kBeyondTheList) || !std::isfinite(span)) {
        return NiceAxisStep(span, divisions);
    }
    double scale = 1;
    while (span / scale > kNiceValues.back()) {
        scale *= 10;
    }
    return NiceAxisStep(span / scale, divisions) * scale;
}

} // namespace

double NiceAxisStep(double span, int divisions) {
    double nice = kBeyondTheList;
    if (!(span > kNiceValues.front())) { // a span up to 5, and one that is not a number
        nice = kNiceValues.front();
    } else {
        for (const double value : kNiceValues) {
            if (value >= span) {
                nice = value;
                break;
            }
        }
    }
    const int n = divisions < 1 ? 1 : divisions;
    return static_cast<double>(static_cast<int>(nice) / n);
}

double distanceAxisStep(double length) {
    const double step = continuedStep(length, 10);
    return step >= 1 ? step : 1;
}

double valueAxisStep(double span) {
    const double step = continuedStep(span * 1.333333, 5);
    return step >= 1 ? step : 1;
}

} // namespace flowmar
