// CFormResults: the Summary of Results of a duct model's last Execute. A form of read-only boxes
// with the duct's general data, its resistances, the fan or fixed-quantity results and its first
// five zones; printed, the one-page Summary of Results report.
#pragma once

#include "core/views/form_results.h"
#include "ui/views/duct_view.h"
#include "ui/views/form_controls.h"

namespace flowmar {

class CFormResults : public DuctView {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 107;

    // Builds the form and fills it from the document at once (the form's first display), then
    // follows the document's changes.
    explicit CFormResults(CFlowmarDoc& document, QWidget* parent = nullptr);

    int templateId() const override { return kTemplateId; }
    QString statusCaption() const override;

    bool canPrint() const override { return true; }
    bool portrait() const override { return true; }
    void print(QPrinter& printer) override;

    // The value box or label with a control id of the form, or null.
    QWidget* control(int id) const { return m_controls.control(id); }
    QString controlText(int id) const { return m_controls.text(id); }

protected:
    void refill() override;

private:
    QWidget* buildForm();
    QWidget* buildGeneralData();
    QWidget* buildResistanceData();
    QWidget* buildFanOrFixedQuantityData();
    QWidget* buildZones();

    FormControls m_controls;
    FormResultsState m_state;
    bool m_shown = false; // whether the first display's fill has run
};

} // namespace flowmar
