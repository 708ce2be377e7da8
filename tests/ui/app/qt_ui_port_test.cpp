// The Qt port opens a real dialog for each fan question: none is named to the main window as
// missing from this version, and Cancel in the dialog is the port's Cancel.
#include "core/fans/add_fan_dialog.h"
#include "core/fans/curve_editor.h"
#include "core/fans/select_fan.h"
#include "ui/app/qt_ui_port.h"
#include "ui/dialogs/dialog_add_fan.h"
#include "ui/dialogs/dialog_fan_database.h"
#include "ui/dialogs/dialog_select_fan.h"

#include <QApplication>
#include <QDialog>
#include <QStringList>
#include <QTimer>
#include <gtest/gtest.h>

namespace flowmar {
namespace {

// Cancels the modal dialog that opens next and tells its class.
void cancelNextDialog(QString& opened) {
    QTimer::singleShot(0, [&opened] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            opened = QString::fromLatin1(dialog->metaObject()->className());
            dialog->reject();
        }
    });
}

TEST(QtUiPort, OpensEachFanDialogAndCancelIsCancel) {
    QStringList named;
    QtUiPort port(nullptr, [&named](const QString& what) { named << what; });
    QString opened;

    AddFanValues fan;
    cancelNextDialog(opened);
    EXPECT_FALSE(port.runAddEditFan(fan));
    EXPECT_EQ(opened, QString::fromLatin1(CDialogAddFan::staticMetaObject.className()));

    CurveEditorValues curve;
    cancelNextDialog(opened);
    EXPECT_FALSE(port.runCurveEditor(curve));
    EXPECT_EQ(opened, QString::fromLatin1(CDialogFanDatabase::staticMetaObject.className()));

    SelectFanValues select;
    cancelNextDialog(opened);
    EXPECT_FALSE(port.runSelectFan(select));
    EXPECT_EQ(opened, QString::fromLatin1(CDialogSelectFan::staticMetaObject.className()));

    EXPECT_TRUE(named.isEmpty()) << named.join(QStringLiteral(", ")).toStdString();
}

} // namespace
} // namespace flowmar
