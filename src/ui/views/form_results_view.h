// CFormResults: the Summary of Results of a duct model's last Execute. A form of read-only boxes
// with the duct's general data, its resistances, the fan or fixed-quantity results and its first
// five zones; printed, the one-page Summary of Results report.
#pragma once

#include "core/views/form_results.h"
#include "ui/views/form_view.h"

namespace flowmar {

class CFormResults final : public FormView {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 107;

    // Builds the form and fills it from the document at once (the form's first display), then
    // follows the document's changes.
    explicit CFormResults(CFlowmarDoc& document, QWidget* parent = nullptr);

    int templateId() const override { return kTemplateId; }

private:
    FormFill fill(bool firstDisplay) override;

    FormResultsState m_state;
};

} // namespace flowmar
