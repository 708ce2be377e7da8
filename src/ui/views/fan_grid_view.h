// FanGridView: a read-only grid view of a duct model's fans (the Fan Input View and the Fan
// Results view). It shows the grid content the core fills from the model, refilled at every
// change, and prints the portrait pages the core lays out, as many as the fans need.
#pragma once

#include "core/views/drawing.h"
#include "core/views/grid_content.h"
#include "core/views/text_metrics.h"
#include "core/views/text_report.h"
#include "ui/views/duct_view.h"

#include <string_view>
#include <vector>

namespace flowmar {

class GridControl;

class FanGridView : public DuctView {
    Q_OBJECT
public:
    QString statusCaption() const override;
    bool canPrint() const override { return true; }
    bool portrait() const override { return true; }
    void print(QPrinter& printer) override;

    GridControl& grid() const { return *m_grid; }
    QSize sizeHint() const override;

protected:
    // The grid at the view's first display or after a change of the model.
    using Content = GridContent (*)(const CFlowmarDoc& doc, bool firstDisplay);
    // Every printed page, laid out in the printable area with the printer's metrics.
    using Pages = std::vector<Drawing> (*)(const CFlowmarDoc& doc, const PageRect& page,
                                           const TextMetrics& metrics);

    FanGridView(CFlowmarDoc& document, std::string_view statusText, Content content, Pages pages,
                QWidget* parent);

    void refill() override;

private:
    GridControl* m_grid;
    std::string_view m_statusText;
    Content m_content;
    Pages m_pages;
    bool m_shown = false; // whether the first display's fill has run
};

} // namespace flowmar
