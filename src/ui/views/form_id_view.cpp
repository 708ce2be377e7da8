#include "ui/views/form_id_view.h"

#include "core/views/summary_input_report.h"

namespace flowmar {

CFormID::CFormID(CFlowmarDoc& document, QWidget* parent)
    : FormView(document, formIdLayout(), summaryInputPage, parent) {
    followDocument();
}

FormFill CFormID::fill(bool firstDisplay) {
    return firstDisplay ? formIdInitialUpdate(document(), m_state)
                        : formIdUpdate(document(), m_state);
}

} // namespace flowmar
