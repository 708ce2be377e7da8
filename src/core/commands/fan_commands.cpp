#include "core/commands/fan_commands.h"

#include "core/fans/add_fan_dialog.h"
#include "core/fans/duct_fan.h"
#include "core/fans/fan_curve_units.h"
#include "core/model/flowmar_doc.h"
#include "core/model/messages.h"
#include "core/model/units.h"
#include "core/ui_port.h"

#include <algorithm>
#include <string_view>
#include <utility>

namespace flowmar {

namespace {

int storedFanCount(const CFlowmarDoc& doc) {
    return std::clamp(doc.fanCount, 0, kMaxFans);
}

AddFanValues addFanValuesOf(const CFlowmarDoc& doc, int fan) {
    const int units = doc.unitSystem;
    AddFanValues v;
    v.unitSystem = units;
    v.curve = curveToShown(fanCurveOf(doc, fan), units);
    v.distance = toShown(Quantity::Length, doc.fanDistance[fan], units);
    v.fixedPressure = toShown(Quantity::FanPressure, doc.fanFixedPressure[fan], units);
    v.useFixedPressure = doc.fanFixedPressureTag[fan];
    return v;
}

// Stores what the dialog hands back in SI. shown is what it was handed: a value that came back as
// it was keeps the stored value with all its digits.
void storeAddFanValues(CFlowmarDoc& doc, int fan, const AddFanValues& shown,
                       const AddFanValues& v) {
    const int units = doc.unitSystem;
    FanCurve curve = storedCurveFromShown(fanCurveOf(doc, fan), v.curve, units);
    curve.pointCount = std::clamp(v.curve.pointCount, 0, kFanCurvePoints);
    storeFanCurve(doc, fan, curve);
    const double distance =
        storedFromShown(Quantity::Length, doc.fanDistance[fan], shown.distance, v.distance, units);
    doc.fanDistance[fan] = distance <= 0 ? kFanAtDuctStart : distance;
    doc.fanFixedPressure[fan] = storedFromShown(Quantity::FanPressure, doc.fanFixedPressure[fan],
                                                shown.fixedPressure, v.fixedPressure, units);
    doc.fanFixedPressureTag[fan] = v.useFixedPressure;
    if (doc.fanCurvePressure[1][fan] != 0) {
        doc.fanHasCurve[fan] = 1;
    }
    doc.fanFixedPressureFlag[fan] = v.useFixedPressure == 1 ? 1 : 0;
}

std::string_view entryFault(const CFlowmarDoc& doc, int fan) {
    if (doc.fanFixedPressureFlag[fan] == 1 && doc.fanFixedPressure[fan] == 0) {
        return messages::kFixedPressureWithoutValue;
    }
    if (doc.fanFixedPressureFlag[fan] == 0 && doc.fanCurvePressure[1][fan] == 0) {
        return messages::kCurveFanWithoutCurve;
    }
    return {};
}

// A fan's operating point moves with it, so every result row still pairs a fan with its own.
void swapFanResults(DuctResults& r, int a, int b) {
    std::swap(r.fanSegment[a], r.fanSegment[b]);
    std::swap(r.fanUsesFixedPressure[a], r.fanUsesFixedPressure[b]);
    std::swap(r.fanUsesCurve[a], r.fanUsesCurve[b]);
    std::swap(r.fanPressure[a], r.fanPressure[b]);
    std::swap(r.fanEfficiency[a], r.fanEfficiency[b]);
    std::swap(r.fanOffCurve[a], r.fanOffCurve[b]);
}

} // namespace

void runAddFanCommand(CFlowmarDoc& doc, UiPort& port) {
    // An edit mode left in a damaged file must not send a new fan over an existing one.
    if (doc.fanEditMode == 1 && (doc.fanEditIndex < 1 || doc.fanEditIndex > storedFanCount(doc))) {
        doc.fanEditMode = 0;
    }
    doc.fanCount = storedFanCount(doc);
    for (;;) {
        doc.setModifiedFlag();
        const bool adding = doc.fanEditMode != 1;
        const int fan = adding ? ++doc.fanCount : doc.fanEditIndex;
        if (fan > kMaxFans) {
            port.showMessage(messages::kTooManyFans, MessageIcon::Warning);
            doc.fanCount = kMaxFans;
            return;
        }
        const AddFanValues shown = addFanValuesOf(doc, fan);
        AddFanValues values = shown;
        if (!port.runAddEditFan(values)) {
            if (adding) {
                doc.fanCount = std::max(doc.fanCount - 1, 0);
            }
            doc.fanEditMode = 0;
            doc.updateAllViews();
            return;
        }
        storeAddFanValues(doc, fan, shown, values);
        if (const auto fault = entryFault(doc, fan); !fault.empty()) {
            port.showMessage(fault, MessageIcon::Warning);
            if (adding) {
                --doc.fanCount;
            }
            continue;
        }
        doc.fanEditMode = 0;
        doc.updateAllViews();
        return;
    }
}

void runEditFanCommand(CFlowmarDoc& doc, UiPort& port) {
    doc.setModifiedFlag();
    doc.fanEditMode = 0;
    doc.fanEditIndex = 0;
    int number = 0;
    if (!port.runFanNumber(FanNumberDialog::EditFan, number)) {
        doc.updateAllViews();
        return;
    }
    doc.fanEditIndex = number;
    if (doc.fanCount == 0) {
        doc.updateAllViews();
        return;
    }
    if (number < 1 || number > storedFanCount(doc)) {
        port.showMessage(messages::kFanNumberDoesNotExist, MessageIcon::Warning);
        return;
    }
    doc.fanEditMode = 1;
    runAddFanCommand(doc, port);
    doc.updateAllViews();
}

void runDeleteFanCommand(CFlowmarDoc& doc, UiPort& port) {
    doc.setModifiedFlag();
    int number = 0;
    const int count = storedFanCount(doc);
    if (!port.runFanNumber(FanNumberDialog::DeleteFan, number)) {
        doc.updateAllViews();
        return;
    }
    if (number < 1 || number > count) {
        port.showMessage(messages::noSuchFan(number, count), MessageIcon::Warning);
    } else {
        // The place after the last fan moves down too: it may hold an abandoned entry.
        for (int place = number; place < kMaxFans && place <= count; ++place) {
            storeDuctFan(doc, place, ductFanOf(doc, place + 1));
        }
        if (count == kMaxFans) {
            storeDuctFan(doc, kMaxFans, DuctFan{});
        }
        doc.fanCount = count - 1;
    }
    doc.updateAllViews();
}

void sortFans(CFlowmarDoc& doc) {
    const int count = storedFanCount(doc);
    for (int k = 1; k < count; ++k) {
        int nearest = k;
        for (int i = k + 1; i <= count; ++i) {
            if (doc.fanDistance[i] < doc.fanDistance[nearest]) {
                nearest = i;
            }
        }
        if (nearest != k) {
            DuctFan a = ductFanOf(doc, k);
            DuctFan b = ductFanOf(doc, nearest);
            storeDuctFan(doc, k, b);
            storeDuctFan(doc, nearest, a);
            swapFanResults(doc.results, k, nearest);
        }
    }
    doc.updateAllViews();
}

} // namespace flowmar
