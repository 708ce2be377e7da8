// CFanCurveView: the right pane of the Fan Curve View. It paints the core's fan-curve chart of the
// fan and kind the document has selected, at its own size in device-independent pixels whatever
// the pane's size, and prints the pane's landscape page: header, fan-curve summary and chart.
#pragma once

#include "ui/views/duct_view.h"

namespace flowmar {

class Drawing;

class CFanCurveView : public DuctView {
    Q_OBJECT
public:
    explicit CFanCurveView(CFlowmarDoc& document, QWidget* parent = nullptr);

    int templateId() const override;
    QString statusCaption() const override;
    bool canPrint() const override { return true; }
    bool portrait() const override { return false; }
    void print(QPrinter& printer) override;

    // The chart as the view paints it now.
    Drawing chart() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void refill() override;
};

} // namespace flowmar
