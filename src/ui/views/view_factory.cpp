#include "ui/views/view_factory.h"

#include "core/model/document_templates.h"
#include "ui/views/design_checks_view.h"
#include "ui/views/fan_input_view.h"
#include "ui/views/fan_view.h"
#include "ui/views/form_id_view.h"
#include "ui/views/form_results_view.h"
#include "ui/views/graph_view.h"

namespace flowmar {

DuctView* createDuctView(int templateId, CFlowmarDoc& document) {
    switch (templateId) {
    case templates::kSummaryOfInput:
        return new CFormID(document);
    case templates::kSummaryOfResults:
        return new CFormResults(document);
    case templates::kGraph:
        return new CGraphView(document);
    case templates::kFanInput:
        return new CFanInputView(document);
    case templates::kFanResults:
        return new CFanView(document);
    case templates::kDesignChecks:
        return new CDesignChecksView(document);
    default:
        return nullptr;
    }
}

} // namespace flowmar
