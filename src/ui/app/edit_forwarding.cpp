#include "ui/app/edit_forwarding.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>

namespace flowmar {

namespace {

// The control that last had the focus outside the menus: reached from the keyboard through the
// menu bar, the Edit menu's commands would otherwise go to the menu bar itself.
QPointer<QWidget>& editTarget() {
    static QPointer<QWidget> target;
    return target;
}

} // namespace

void followEditTarget(QWidget* now) {
    if (now != nullptr && qobject_cast<QMenuBar*>(now) == nullptr &&
        qobject_cast<QMenu*>(now) == nullptr) {
        editTarget() = now;
    }
}

void forwardToFocus(const char* slot) {
    QPointer<QWidget> target = QApplication::focusWidget();
    if (target == nullptr || qobject_cast<QMenuBar*>(target) != nullptr ||
        qobject_cast<QMenu*>(target) != nullptr) {
        target = editTarget();
    }
    // A box left for the menu bar loses its selection: Copy then takes the box's whole value.
    auto* box = qobject_cast<QLineEdit*>(target.data());
    if (box != nullptr && qstrcmp(slot, "copy") == 0 && !box->hasSelectedText() &&
        box->echoMode() == QLineEdit::Normal) {
        QApplication::clipboard()->setText(box->text());
        return;
    }
    const QByteArray signature = QByteArray(slot) + "()";
    if (target != nullptr && target->metaObject()->indexOfSlot(signature.constData()) >= 0) {
        QMetaObject::invokeMethod(target, slot);
    }
}

} // namespace flowmar
