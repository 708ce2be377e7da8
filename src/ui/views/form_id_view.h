// CFormID: the Summary of Input Data, the first view of every duct model. A form of read-only
// boxes with the duct's physical data, its default resistance data, its fan counts and its first
// five zones; printed, the one-page Summary of Input Data report.
#pragma once

#include "core/views/form_id.h"
#include "ui/views/duct_view.h"
#include "ui/views/form_controls.h"

namespace flowmar {

class CFormID : public DuctView {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 103;

    // Builds the form and fills it from the document at once (the form's first display), then
    // follows the document's changes.
    explicit CFormID(CFlowmarDoc& document, QWidget* parent = nullptr);

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
    QWidget* buildPhysicalData();
    QWidget* buildFanData();
    QWidget* buildDefaultResistanceData();
    QWidget* buildZones();

    FormControls m_controls;
    FormIdState m_state;
    bool m_shown = false; // whether the first display's fill has run
};

} // namespace flowmar
