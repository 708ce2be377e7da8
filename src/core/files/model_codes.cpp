#include "core/files/model_codes.h"

#include "core/model/flowmar_doc.h"
#include "core/model/messages.h"

namespace flowmar {

std::string refusedCode(const CFlowmarDoc& doc) {
    if (doc.ductType != kForcing && doc.ductType != kExhausting) {
        return messages::codeRefused(messages::kDuctTypeCode, doc.ductType,
                                     messages::kDuctTypeCodes);
    }
    if (doc.solutionMode != kFixedQuantityMode && doc.solutionMode != kFanMode) {
        return messages::codeRefused(messages::kSolutionModeCode, doc.solutionMode,
                                     messages::kSolutionModeCodes);
    }
    if (doc.fixedQuantityLocation != kLocationFace &&
        doc.fixedQuantityLocation != kLocationFanSource) {
        return messages::codeRefused(messages::kFixedQuantityLocationCode,
                                     doc.fixedQuantityLocation,
                                     messages::kFixedQuantityLocationCodes);
    }
    return {};
}

} // namespace flowmar
