// The fan curve data form: the left pane of the Fan Curve View. Its controls and where they sit
// (in dialog units of a form 203 x 278), and what it shows for a model: the fan list, the curve
// kinds, the selected fan's data and operating point in the model's units, and the unit labels.
#pragma once

#include <array>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace flowmar {

class CFlowmarDoc;

namespace fan_curve_form {
inline constexpr int kFanList = 1161;
inline constexpr int kKindList = 1162;
inline constexpr int kManufacturer = 1159;
inline constexpr int kModel = 1093;
inline constexpr int kSetting = 1092;
inline constexpr int kDistance = 1094;
inline constexpr int kCurveDensity = 1095;
inline constexpr int kAirDensity = 1096;
inline constexpr int kQuantity = 1097;
inline constexpr int kPressure = 1098;
inline constexpr int kEfficiency = 1099;
inline constexpr int kInputPower = 1101;
// The unit labels the fills write.
inline constexpr int kDistanceUnit = 1234;
inline constexpr int kCurveDensityUnit = 1235;
inline constexpr int kAirDensityUnit = 1236;
inline constexpr int kQuantityUnit = 1238;
inline constexpr int kPressureUnit = 1240;
inline constexpr int kPowerUnit = 1242;

// The form's size in dialog units.
inline constexpr int kWidth = 203;
inline constexpr int kHeight = 278;

inline constexpr std::string_view kNotAvailable = "NA";
} // namespace fan_curve_form

// A rectangle in dialog units.
struct DialogRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// One control of the form: a list box or a read-only value box with its caption, and the label
// after it (a unit label the fills write, or a fixed text) when it has one.
struct FanCurveFormControl {
    enum class Kind { List, Box };
    int id = 0;
    Kind kind = Kind::Box;
    DialogRect rect;
    std::string_view caption;
    int captionX = 0;
    int captionY = 0;
    int unitId = 0;             // 0: no unit label the fills write
    std::string_view fixedUnit; // a unit that never changes, "(%)"
};

// The controls in tab order, and the three untitled group boxes around the fan's identity, its
// densities and its operating point.
const std::vector<FanCurveFormControl>& fanCurveFormControls();
const std::array<DialogRect, 3>& fanCurveFormGroups();

// What the form shows for a model.
struct FanCurveFormContent {
    // "Fan Number 1" .. "Fan Number n"; empty without fans or after a fixed-quantity solution.
    std::vector<std::string> fans;
    int fanSelection = -1; // the list's selected row, -1 for none
    int kindSelection = 0;
    // The value boxes' and unit labels' texts by control id; boxes are empty while the list is.
    std::map<int, std::string> texts;
};

FanCurveFormContent fanCurveFormContent(const CFlowmarDoc& doc);

} // namespace flowmar
