// CFanCurveFormView: the left pane of the Fan Curve View. Two lists choose the fan and the curve
// kind that the chart pane draws (the choice lives in the document, so every view of it follows),
// and read-only boxes show the chosen fan's data and operating point in the model's units. It
// prints the same kind of page as the chart pane, with the form's variant of the summary.
#pragma once

#include "ui/views/duct_view.h"

#include <map>

class QLabel;
class QLineEdit;
class QListWidget;

namespace flowmar {

class CFanCurveFormView : public DuctView {
    Q_OBJECT
public:
    explicit CFanCurveFormView(CFlowmarDoc& document, QWidget* parent = nullptr);

    int templateId() const override;
    QString statusCaption() const override;
    bool canPrint() const override { return true; }
    bool portrait() const override { return false; }
    void print(QPrinter& printer) override;

    // The text a value box or a unit label shows, by control id.
    QString controlText(int id) const;
    QListWidget* fanList() const { return m_fanList; }
    QListWidget* kindList() const { return m_kindList; }
    QLineEdit* box(int id) const { return m_boxes.at(id); }

    QSize sizeHint() const override { return m_formSize; }
    QSize minimumSizeHint() const override { return m_formSize; }

protected:
    void refill() override;

private:
    void build();
    void fanChosen(int row);
    void kindChosen(int row);

    QListWidget* m_fanList = nullptr;
    QListWidget* m_kindList = nullptr;
    std::map<int, QLineEdit*> m_boxes;
    std::map<int, QLabel*> m_unitLabels;
    QSize m_formSize;
};

} // namespace flowmar
