// The Edit menu's Undo, Cut, Copy and Paste go to the control a person was working in: the one
// with the focus, or, when the menu bar took the focus (the menus reached from the keyboard), the
// one that last had it outside the menus.
#pragma once

class QWidget;

namespace flowmar {

// Notes the control that has the focus now (the application's focusChanged), unless it is the
// menu bar or a menu.
void followEditTarget(QWidget* now);

// Calls the slot ("undo", "cut", "copy", "paste") of that control when it has one (a box or a
// text does; a chart has nothing to copy). Copy in a box with nothing selected takes the box's
// whole value.
void forwardToFocus(const char* slot);

} // namespace flowmar
