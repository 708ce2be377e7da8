#include "ui/views/fan_curve_form_view.h"

#include "core/model/document_templates.h"
#include "core/model/flowmar_doc.h"
#include "core/views/fan_curve_chart.h"
#include "core/views/fan_curve_form.h"
#include "core/views/fan_curve_page.h"
#include "ui/core_text.h"
#include "ui/views/page_printing.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QSignalBlocker>

#include <cmath>

namespace flowmar {

namespace {

// Dialog units in pixels of the form's font: a quarter of the average character width across,
// an eighth of the character height down, as a dialog resource is laid out.
class DialogUnits {
public:
    explicit DialogUnits(const QFontMetrics& metrics)
        : m_x(metrics.horizontalAdvance(
                  QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) /
              52.0 / 4.0),
          m_y(metrics.height() / 8.0) {}

    int x(int units) const { return static_cast<int>(std::lround(units * m_x)); }
    int y(int units) const { return static_cast<int>(std::lround(units * m_y)); }
    QRect rect(const DialogRect& r) const { return {x(r.x), y(r.y), x(r.width), y(r.height)}; }

private:
    double m_x;
    double m_y;
};

// Fills a list with the entries, keeping the selection at row (none for −1), without telling
// anyone: the rows are the document's own choice.
void setEntries(QListWidget& list, const QStringList& entries, int row) {
    const QSignalBlocker blocker(list);
    QStringList current;
    for (int i = 0; i < list.count(); ++i) {
        current << list.item(i)->text();
    }
    if (current != entries) {
        list.clear();
        list.addItems(entries);
    }
    list.setCurrentRow(row >= 0 && row < list.count() ? row : -1);
}

} // namespace

CFanCurveFormView::CFanCurveFormView(CFlowmarDoc& document, QWidget* parent)
    : DuctView(document, parent) {
    build();
    followDocument();
}

void CFanCurveFormView::build() {
    using namespace fan_curve_form;
    const DialogUnits du(fontMetrics());
    for (const DialogRect& group : fanCurveFormGroups()) {
        auto* box = new QGroupBox(this);
        box->setGeometry(du.rect(group));
    }
    for (const FanCurveFormControl& control : fanCurveFormControls()) {
        auto* caption = new QLabel(coreText(control.caption), this);
        caption->move(du.x(control.captionX), du.y(control.captionY));
        caption->adjustSize();
        QWidget* widget = nullptr;
        if (control.kind == FanCurveFormControl::Kind::List) {
            auto* list = new QListWidget(this);
            list->setSelectionMode(QAbstractItemView::SingleSelection);
            list->setSortingEnabled(false);
            widget = list;
            if (control.id == kFanList) {
                m_fanList = list;
                connect(list, &QListWidget::currentRowChanged, this, &CFanCurveFormView::fanChosen);
            } else {
                m_kindList = list;
                connect(list, &QListWidget::currentRowChanged, this,
                        &CFanCurveFormView::kindChosen);
            }
        } else {
            auto* edit = new QLineEdit(this);
            edit->setReadOnly(true);
            edit->setAlignment(Qt::AlignRight);
            widget = edit;
            m_boxes[control.id] = edit;
        }
        widget->setObjectName(QString::number(control.id));
        widget->setGeometry(du.rect(control.rect));
        caption->setBuddy(widget);
        const int afterX = du.x(control.rect.x + control.rect.width) + 4;
        if (control.unitId != 0 || !control.fixedUnit.empty()) {
            auto* unit = new QLabel(coreText(control.fixedUnit), this);
            unit->move(afterX, du.y(control.captionY));
            if (control.unitId != 0) {
                m_unitLabels[control.unitId] = unit;
            }
            unit->adjustSize();
        }
    }
    m_formSize = QSize(du.x(kWidth), du.y(kHeight));
    setMinimumSize(m_formSize);
}

int CFanCurveFormView::templateId() const {
    return templates::kFanCurve;
}

QString CFanCurveFormView::statusCaption() const {
    return coreText(fan_curve_view::kStatusText);
}

QString CFanCurveFormView::controlText(int id) const {
    if (const auto box = m_boxes.find(id); box != m_boxes.end()) {
        return box->second->text();
    }
    if (const auto label = m_unitLabels.find(id); label != m_unitLabels.end()) {
        return label->second->text();
    }
    return {};
}

void CFanCurveFormView::refill() {
    const FanCurveFormContent content = fanCurveFormContent(document());
    QStringList fans;
    for (const std::string& fan : content.fans) {
        fans << QString::fromStdString(fan);
    }
    setEntries(*m_fanList, fans, content.fanSelection);
    QStringList kinds;
    for (const std::string_view kind : fan_curve_view::kKindNames) {
        kinds << coreText(kind);
    }
    setEntries(*m_kindList, kinds, content.kindSelection);
    for (const auto& [id, box] : m_boxes) {
        const auto text = content.texts.find(id);
        box->setText(text == content.texts.end() ? QString()
                                                 : QString::fromStdString(text->second));
        box->setCursorPosition(0);
    }
    for (const auto& [id, label] : m_unitLabels) {
        const auto text = content.texts.find(id);
        label->setText(text == content.texts.end() ? QString()
                                                   : QString::fromStdString(text->second));
        label->adjustSize();
    }
}

void CFanCurveFormView::fanChosen(int row) {
    if (row < 0) {
        return;
    }
    document().curveViewFan = row;
    document().updateAllViews();
}

void CFanCurveFormView::kindChosen(int row) {
    if (row < 0) {
        return;
    }
    document().curveViewKind = row;
    document().updateAllViews();
}

void CFanCurveFormView::print(QPrinter& printer) {
    const CFlowmarDoc& doc = document();
    printOnePage(printer, QPageLayout::Landscape,
                 [&doc](const PageRect& page, const TextMetrics& metrics) {
                     return fanCurvePage(doc, FanCurvePane::Form, page, metrics);
                 });
}

} // namespace flowmar
