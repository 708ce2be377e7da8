// FormView: a summary form of a duct model. It builds its read-only boxes and labels from the core
// form's layout, fills them from the core at its first display and at every change of the model,
// and prints one portrait page that the core lays out. A summary only says which form and which
// page it shows.
#pragma once

#include "core/views/drawing.h"
#include "core/views/form_fill.h"
#include "core/views/form_layout.h"
#include "core/views/text_metrics.h"
#include "core/views/text_report.h"
#include "ui/views/duct_view.h"
#include "ui/views/form_controls.h"

#include <string_view>
#include <vector>

namespace flowmar {

class FormView : public DuctView {
    Q_OBJECT
public:
    QString statusCaption() const override;

    bool canPrint() const override { return true; }
    bool portrait() const override { return true; }
    void print(QPrinter& printer) override;

    // The value box or label with a control id of the form, or null.
    QWidget* control(int id) const { return m_controls.control(id); }
    QString controlText(int id) const { return m_controls.text(id); }

protected:
    // The one page the form prints, laid out in the printable area with the printer's metrics.
    using PrintedPage = Drawing (*)(const CFlowmarDoc& doc, const PageRect& page,
                                    const TextMetrics& metrics);

    // Builds the form's controls; the derived class calls followDocument once it can fill them.
    FormView(CFlowmarDoc& document, const FormLayout& layout, PrintedPage page, QWidget* parent);

    // What the form writes into its controls: at its first display, or after a change.
    virtual FormFill fill(bool firstDisplay) = 0;

    void refill() override;

private:
    QWidget* buildForm(const FormLayout& layout);
    QWidget* buildRows(const FormLayout::Group& group);
    QWidget* buildZones(const FormLayout::Group& group);
    QWidget* buildCaption(const std::vector<FormLayout::Label>& caption);
    QLabel* addLabel(const FormLayout::Label& label);

    FormControls m_controls;
    std::string_view m_statusText;
    PrintedPage m_page;
    bool m_shown = false; // whether the first display's fill has run
};

} // namespace flowmar
