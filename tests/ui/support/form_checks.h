// Checks shared by the tests of the summary forms: that a form shows what the core computed, and
// that every text it shows fits its control.
#pragma once

#include "core/views/form_fill.h"
#include "ui/views/form_view.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QWidget>
#include <gtest/gtest.h>

namespace flowmar::testing {

// Every control the fill writes is on the form and shows the fill's last text for it; every
// control whose visibility it sets is shown or hidden as it says.
inline void expectShowsFill(const FormView& view, const FormFill& fill) {
    for (const ControlText& written : fill.texts) {
        ASSERT_NE(view.control(written.id), nullptr) << "control " << written.id;
        EXPECT_EQ(view.controlText(written.id).toStdString(), fill.textOf(written.id).value())
            << "control " << written.id;
    }
    for (const ControlVisibility& set : fill.visibility) {
        ASSERT_NE(view.control(set.id), nullptr) << "control " << set.id;
        EXPECT_EQ(!view.control(set.id)->isHidden(), fill.shownOf(set.id).value())
            << "control " << set.id;
    }
}

// The room a line edit gives its text, inside its frame.
inline int textRoom(const QLineEdit& box) {
    QStyleOptionFrame option;
    option.initFrom(&box);
    option.rect = box.rect();
    option.lineWidth = box.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &box);
    const QRect contents = box.style()->subElementRect(QStyle::SE_LineEditContents, &option, &box);
    const QMargins margins = box.textMargins();
    return contents.width() - margins.left() - margins.right() - 4; // QLineEdit's own margins
}

// Every visible value box and label under form shows its whole text.
inline void expectTextsFit(const QWidget& form) {
    QApplication::processEvents();
    int boxes = 0;
    for (const QLineEdit* box : form.findChildren<QLineEdit*>()) {
        if (box->isVisible()) {
            ++boxes;
            EXPECT_LE(box->fontMetrics().horizontalAdvance(box->text()), textRoom(*box))
                << "box " << box->objectName().toStdString() << " \"" << box->text().toStdString()
                << "\"";
        }
    }
    EXPECT_GT(boxes, 0);
    for (const QLabel* label : form.findChildren<QLabel*>()) {
        if (label->isVisible()) {
            EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()))
                << "label \"" << label->text().toStdString() << "\"";
            EXPECT_GE(label->height(), label->fontMetrics().height())
                << "label \"" << label->text().toStdString() << "\"";
        }
    }
}

} // namespace flowmar::testing
