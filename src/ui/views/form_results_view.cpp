#include "ui/views/form_results_view.h"

#include "core/views/summary_results_report.h"

namespace flowmar {

CFormResults::CFormResults(CFlowmarDoc& document, QWidget* parent)
    : FormView(document, formResultsLayout(), summaryResultsPage, parent) {
    followDocument();
}

FormFill CFormResults::fill(bool firstDisplay) {
    return firstDisplay ? formResultsInitialUpdate(document(), m_state)
                        : formResultsUpdate(document(), m_state);
}

} // namespace flowmar
