// FormControls: the widgets of a read-only summary form by control id, so that a fill the core
// computed goes straight into them. It also builds the form's pieces (value boxes, labels, the
// grids of label and box inside group boxes) so the two summary forms look alike.
#pragma once

#include "core/views/form_fill.h"

#include <QString>

#include <map>

class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace flowmar {

class FormControls {
public:
    // A read-only value box, registered under id.
    QLineEdit* addBox(int id);
    // A label whose text the fills write, registered under id; it starts empty.
    QLabel* addLabel(int id);
    // A label with its own fixed text; registered under id unless id is 0.
    QLabel* addStaticLabel(const QString& text, int id = 0);

    // The control registered under id, or null.
    QWidget* control(int id) const;
    // The text of the value box or label registered under id; empty when there is none.
    QString text(int id) const;

    // Writes the fill's texts, then its visibility, into the registered controls; a control the
    // fill names but the form lacks is passed over. Value boxes widen to keep their text whole.
    void apply(const FormFill& fill);

private:
    std::map<int, QWidget*> m_controls;
};

// A group box holding a grid whose rows are a label (or any widget) and a value box, with an
// optional third widget after the box. Other layouts may use the grid as they please.
class FormGroup {
public:
    explicit FormGroup(const QString& title);

    QGroupBox* box() const { return m_box; }
    QGridLayout* grid() const { return m_grid; }
    void addRow(QWidget* label, QWidget* value, QWidget* after = nullptr);

    // The first column right of the rows, which takes any spare width.
    static constexpr int kSpareColumn = 3;

private:
    QGroupBox* m_box;
    QGridLayout* m_grid;
    int m_rows = 0;
};

// Puts the form into the view at its natural size, top left, with scroll bars when the view is
// smaller than the form.
void setScrollingForm(QWidget& view, QWidget* form);

} // namespace flowmar
