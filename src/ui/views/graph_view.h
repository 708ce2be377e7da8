// CGraphView: the Graph View of a duct model. It paints the core's drawing of the last solution
// stretched onto its whole window, prints it on one landscape page with one-inch margins, and
// saves it as PNG, SVG or PDF.
#pragma once

#include "ui/views/duct_view.h"

namespace flowmar {

class CGraphView : public DuctView {
    Q_OBJECT
public:
    explicit CGraphView(CFlowmarDoc& document, QWidget* parent = nullptr);

    int templateId() const override;
    QString statusCaption() const override;
    bool canPrint() const override { return true; }
    bool portrait() const override { return false; }
    void print(QPrinter& printer) override;

    // Writes the picture to a ".png", ".svg" or ".pdf" file; false with the reason otherwise.
    bool saveGraphAs(const QString& path, QString* error = nullptr) const;

    QSize sizeHint() const override { return {800, 600}; }
    // The picture fills the window however small: the frame's smallest pane, not the picture,
    // sets the limit.
    QSize minimumSizeHint() const override { return {10, 10}; }
    bool fillsWindow() const override { return true; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void refill() override;
};

} // namespace flowmar
