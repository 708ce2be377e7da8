#include "core/engine/input_checks.h"

#include "core/input/duct_details_sheet.h"
#include "core/model/flowmar_doc.h"
#include "core/model/input_limits.h"
#include "core/model/messages.h"

#include <cmath>

namespace flowmar {

namespace {

bool within(double value, double low, double high) {
    return value >= low && value <= high; // false for NaN
}

} // namespace

bool checkPhysicalInput(const CFlowmarDoc& doc, ExecuteResult& run) {
    if (!(doc.airDensity > 0) || !std::isfinite(doc.airDensity)) {
        run.stop(messages::airDensityRefused(doc.airDensity), InputSheet::DuctDetails,
                 duct_details::kGeneralPage);
        return false;
    }
    if (!within(doc.entryShockFactor, 0, limits::kMaxShockFactor)) {
        run.stop(messages::shockFactorRefused(messages::kEntryShockFactor, doc.entryShockFactor),
                 InputSheet::ShockLosses);
        return false;
    }
    if (!within(doc.exitShockFactor, 0, limits::kMaxShockFactor)) {
        run.stop(messages::shockFactorRefused(messages::kExitShockFactor, doc.exitShockFactor),
                 InputSheet::ShockLosses);
        return false;
    }
    // Only the fixed-quantity solution reads the quantity; a fan model keeps whatever it holds.
    if (doc.solutionMode == kFixedQuantityMode &&
        !within(doc.fixedQuantity, 0, limits::kMaxFixedQuantity)) {
        run.stop(messages::fixedQuantityRefused(doc.fixedQuantity));
        return false;
    }
    return true;
}

} // namespace flowmar
