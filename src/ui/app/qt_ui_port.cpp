#include "ui/app/qt_ui_port.h"

#include "core/input/duct_details_values.h"
#include "core/input/fixed_quantity_values.h"
#include "core/model/string_table.h"
#include "ui/core_text.h"
#include "ui/dialogs/dialog_add_fan.h"
#include "ui/dialogs/dialog_fan_database.h"
#include "ui/dialogs/dialog_fan_number.h"
#include "ui/dialogs/dialog_select_fan.h"
#include "ui/dialogs/fixed_quantity_dialog.h"
#include "ui/dialogs/graph_trends_dialog.h"
#include "ui/dialogs/notepad_dialog.h"
#include "ui/dialogs/select_units_dialog.h"
#include "ui/sheets/duct_prop_sheet.h"
#include "ui/sheets/shock_loss_sheet.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

#include <utility>

namespace flowmar {

QtUiPort::QtUiPort(QWidget* parent, std::function<void(const QString&)> notAvailable)
    : m_parent(parent), m_notAvailable(std::move(notAvailable)) {}

void QtUiPort::showMessage(std::string_view text, MessageIcon icon) {
    QMessageBox box(icon == MessageIcon::Warning ? QMessageBox::Warning : QMessageBox::NoIcon,
                    coreText(labels::kProgramName), coreText(text), QMessageBox::Ok, m_parent);
    box.exec();
}

void QtUiPort::dialogDeclined(Dialog dialog) {
    if (m_notAvailable) {
        m_notAvailable(coreText(dialogName(dialog)));
    }
}

bool QtUiPort::runGraphOptions(GraphOptions& options) {
    CGraphDlg dialog(options, m_parent);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    options = dialog.options();
    return true;
}

bool QtUiPort::runShockLosses(ShockLossValues& values) {
    CShockLossSheet sheet(values, m_parent, this);
    if (sheet.exec() != QDialog::Accepted) {
        return false;
    }
    values = sheet.values();
    return true;
}

bool QtUiPort::runFixedQuantity(FixedQuantityValues& values) {
    FixedQuantityDialog dialog(values, *this, m_parent);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    values = dialog.values();
    return true;
}

bool QtUiPort::runDuctDetails(DuctDetailsValues& values) {
    CDuctPropSheet sheet(values, *this, m_parent);
    if (sheet.exec() != QDialog::Accepted) {
        return false;
    }
    values = sheet.values();
    return true;
}

bool QtUiPort::runFanNumber(FanNumberDialog kind, int& number) {
    const QString caption =
        coreText(kind == FanNumberDialog::EditFan ? labels::kEditFan : labels::kDeleteFan);
    CDialogFanNumber dialog(caption, number, *this, m_parent);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    number = dialog.number();
    return true;
}

bool QtUiPort::runAddEditFan(AddFanValues& values) {
    CDialogAddFan dialog(values, *this, m_parent);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    values = dialog.values();
    return true;
}

bool QtUiPort::runCurveEditor(CurveEditorValues& values) {
    CDialogFanDatabase dialog(values, *this, m_parent);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    values = dialog.values();
    return true;
}

bool QtUiPort::runSelectFan(SelectFanValues& values) {
    CDialogSelectFan dialog(values, *this, m_parent);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    values = dialog.values();
    return true;
}

bool QtUiPort::runNotepad(std::string& text) {
    NotepadDialog dialog(QString::fromStdString(text), *this, m_parent);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    text = dialog.text().toStdString();
    return true;
}

int QtUiPort::runSelectUnits(int unitSystem) {
    SelectUnitsDialog dialog(unitSystem, m_parent);
    dialog.exec();
    return dialog.unitSystem();
}

std::optional<std::string> QtUiPort::chooseFileToOpen(const OpenFileRequest& request) {
    // "Fan Files (*.fdb)|*.fdb||": the part before the first bar is the Qt filter.
    QString filter = QString::fromStdString(request.filter);
    filter = filter.left(filter.indexOf(QLatin1Char('|')));
    const QString path = QFileDialog::getOpenFileName(
        m_parent, QString::fromStdString(request.title), QString(), filter);
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return path.toStdString();
}

void QtUiPort::beginWaitCursor() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}
void QtUiPort::endWaitCursor() {
    QApplication::restoreOverrideCursor();
}

} // namespace flowmar
