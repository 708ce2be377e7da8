#include "ui/views/form_controls.h"

#include <QEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QScrollArea>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QVBoxLayout>

#include <algorithm>

namespace flowmar {

namespace {

// Every box is at least as wide as a typical value, so the columns of a form line up before and
// after a fill; a longer text widens its box.
const QString kTypicalValue = QStringLiteral("000000.0000");
constexpr int kLineEditHorizontalMargin = 2; // QLineEdit's own margin on each side of its text

QString toQString(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The width a box needs to show text whole, frame and margins included.
int boxWidthFor(const QLineEdit& box, const QString& text) {
    QStyleOptionFrame option;
    option.initFrom(&box);
    option.lineWidth =
        box.hasFrame() ? box.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &box) : 0;
    option.state |= QStyle::State_Sunken;
    const QMargins margins = box.textMargins();
    const int textWidth = box.fontMetrics().horizontalAdvance(text) +
                          2 * kLineEditHorizontalMargin + margins.left() + margins.right();
    return box.style()
        ->sizeFromContents(QStyle::CT_LineEdit, &option,
                           QSize(textWidth, box.fontMetrics().height()), &box)
        .width();
}

// A scroll area that asks for room for its whole form, so a window opens showing all of it, and
// asks again whenever a fill changes what the form needs.
class FormScrollArea final : public QScrollArea {
public:
    QSize sizeHint() const override {
        const int frame = 2 * frameWidth();
        return widget() ? widget()->sizeHint() + QSize(frame, frame) : QScrollArea::sizeHint();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == widget() && event->type() == QEvent::LayoutRequest) {
            updateGeometry();
        }
        return QScrollArea::eventFilter(watched, event);
    }
};

// A longer text keeps a blank's room on either side, so it does not touch the frame.
void fitToText(QLineEdit& box) {
    const QString padded = QStringLiteral(" %1 ").arg(box.text());
    box.setFixedWidth(std::max(boxWidthFor(box, kTypicalValue), boxWidthFor(box, padded)));
}

// A read-only value box that keeps its width fitted to its text when its font or style changes
// (as they may when it is first polished).
class ValueBox final : public QLineEdit {
protected:
    void changeEvent(QEvent* event) override {
        QLineEdit::changeEvent(event);
        if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
            fitToText(*this);
        }
    }
};

} // namespace

QLineEdit* FormControls::addBox(int id) {
    auto* box = new ValueBox;
    box->setReadOnly(true);
    box->setAlignment(Qt::AlignRight);
    // Read-only boxes take the window's colour, as a person expects of a box they cannot edit.
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    box->setPalette(palette);
    box->setObjectName(QString::number(id));
    fitToText(*box);
    m_controls[id] = box;
    return box;
}

QLabel* FormControls::addLabel(int id) {
    return addStaticLabel(QString(), id);
}

QLabel* FormControls::addStaticLabel(const QString& text, int id) {
    auto* label = new QLabel(text);
    if (id != 0) {
        label->setObjectName(QString::number(id));
        m_controls[id] = label;
    }
    return label;
}

QWidget* FormControls::control(int id) const {
    const auto found = m_controls.find(id);
    return found == m_controls.end() ? nullptr : found->second;
}

QString FormControls::text(int id) const {
    QWidget* widget = control(id);
    if (auto* box = qobject_cast<QLineEdit*>(widget)) {
        return box->text();
    }
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        return label->text();
    }
    return QString();
}

void FormControls::apply(const FormFill& fill) {
    for (const ControlText& written : fill.texts) {
        QWidget* widget = control(written.id);
        if (auto* box = qobject_cast<QLineEdit*>(widget)) {
            box->setText(toQString(written.text));
            box->setCursorPosition(0);
            fitToText(*box);
        } else if (auto* label = qobject_cast<QLabel*>(widget)) {
            label->setText(toQString(written.text));
        }
    }
    for (const ControlVisibility& visibility : fill.visibility) {
        if (QWidget* widget = control(visibility.id)) {
            widget->setVisible(visibility.shown);
        }
    }
}

FormGroup::FormGroup(const QString& title) : m_box(new QGroupBox(title)), m_grid(new QGridLayout) {
    m_box->setLayout(m_grid);
    // Spare width goes after the rows, so boxes stay beside their labels.
    m_grid->setColumnStretch(kSpareColumn, 1);
}

void FormGroup::addRow(QWidget* label, QWidget* value, QWidget* after) {
    m_grid->addWidget(label, m_rows, 0, Qt::AlignLeft | Qt::AlignVCenter);
    m_grid->addWidget(value, m_rows, 1);
    if (after != nullptr) {
        m_grid->addWidget(after, m_rows, 2, Qt::AlignLeft | Qt::AlignVCenter);
    }
    // Spare height goes below the last row, so a short group keeps its rows together at the top.
    m_grid->setRowStretch(m_rows, 0);
    ++m_rows;
    m_grid->setRowStretch(m_rows, 1);
}

void setScrollingForm(QWidget& view, QWidget* form) {
    auto* scroller = new FormScrollArea;
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    scroller->setWidget(form);
    auto* layout = new QVBoxLayout(&view);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroller);
}

} // namespace flowmar
