// "Recover Unsaved Work": at start-up, the copies a program that did not exit normally left, one
// row each (document, kind, folder, when the copy was made) with what to do with it: restore it,
// keep it for the next start, or discard it. Closing the dialog keeps them all.
#pragma once

#include "core/commands/recovery_list.h"

#include <QDialog>

#include <vector>

class QComboBox;
class QTableWidget;

namespace flowmar {

class DialogRecovery : public QDialog {
    Q_OBJECT
public:
    explicit DialogRecovery(const std::vector<RecoveryRow>& rows, QWidget* parent = nullptr);

    // The choice of each row, in the rows' order; Keep for every row when the dialog was closed.
    std::vector<RecoveryChoice> choices() const;

    QTableWidget* table() const { return m_table; }
    QComboBox* actionBox(int row) const;

private:
    QTableWidget* m_table;
};

} // namespace flowmar
