// CFormID: the Summary of Input Data, the first view of every duct model. A form of read-only
// boxes with the duct's physical data, its default resistance data, its fan counts and its first
// five zones; printed, the one-page Summary of Input Data report.
#pragma once

#include "core/views/form_id.h"
#include "ui/views/form_view.h"

namespace flowmar {

class CFormID final : public FormView {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 103;

    // Builds the form and fills it from the document at once (the form's first display), then
    // follows the document's changes.
    explicit CFormID(CFlowmarDoc& document, QWidget* parent = nullptr);

    int templateId() const override { return kTemplateId; }

private:
    FormFill fill(bool firstDisplay) override;

    FormIdState m_state;
};

} // namespace flowmar
