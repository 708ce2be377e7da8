// CSplitFrame: the frame of the Fan Curve View. Instead of one view it holds two panes side by
// side, the fan curve data form on the left and the chart on the right, each starting at half the
// frame's width; the pane last clicked or typed in is the active one, which Print prints.
#pragma once

#include "ui/app/child_frame.h"

class QSplitter;

namespace flowmar {

class CFanCurveFormView;
class CFanCurveView;

class CSplitFrame : public CChildFrame {
    Q_OBJECT
public:
    explicit CSplitFrame(CFlowmarDoc& document, QWidget* parent = nullptr);
    ~CSplitFrame() override;

    CFanCurveFormView* formPane() const { return m_form; }
    CFanCurveView* chartPane() const { return m_chart; }
    QSplitter* splitter() const { return m_splitter; }
    // The chart stands for the frame when its template is named.
    DuctView* templateView() const override;

    QSize sizeHint() const override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    CSplitFrame(CFanCurveFormView* form, CFanCurveView* chart, QWidget* parent);
    void focusMoved(QWidget* now);

    QSplitter* m_splitter;
    CFanCurveFormView* m_form;
    CFanCurveView* m_chart;
    bool m_halved = false;
    QMetaObject::Connection m_focusWatch;
};

} // namespace flowmar
