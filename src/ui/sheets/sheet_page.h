// SheetPage: a tab of a property sheet, a thin shell over its core page. It shows what the core
// page holds (showState), passes each typed text, click and selection in, and knows its controls
// by their ids so that the sheet can put the focus on the box a failed check names.
#pragma once

#include "core/input/page_fault.h"

#include <QWidget>

#include <functional>
#include <map>
#include <string>

class QLineEdit;
class QListWidget;

namespace flowmar {

class SheetPage : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    // The core page has just opened (its first time in front): fill the widgets from it.
    virtual void opened() { showState(); }
    // Rewrites every widget from the core page.
    virtual void showState() = 0;

    // The control with this id, or none.
    QWidget* control(int id) const;
    // The edit box with this id takes the focus with its whole text selected.
    bool focusEdit(int id);
    // The control a refused entry names takes the focus: an edit box with its text selected (a
    // page with a grid selects the fault's cell).
    virtual void focusFault(const PageFault& fault) { focusEdit(fault.control); }

protected:
    // Registers a control under its id.
    template <typename Widget>
    Widget* add(int id, Widget* widget) {
        m_controls[id] = widget;
        return widget;
    }
    // A line edit that passes every change of its text to `typed`, except the changes that
    // showState makes.
    QLineEdit* addEdit(int id, std::function<void(std::string)> typed);
    // A list whose entry applies something (a preset, a mode): `chosen` runs only when the person
    // chooses an entry (a click, even on the entry already selected, Enter, Space, the arrow
    // keys), never when the focus enters the list and Qt makes its first entry current, and never
    // for the selections showState makes.
    void onListChoice(QListWidget* list, std::function<void(int)> chosen);
    // Sets an edit box's text from the core without it counting as typed; the cursor stays put
    // when the text is unchanged.
    void showText(int id, const std::string& text);

    // True while showState writes the widgets: their change signals are not a person's.
    bool m_showing = false;

private:
    std::map<int, QWidget*> m_controls;
};

} // namespace flowmar
