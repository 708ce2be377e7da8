#include "ui/dialogs/dialog_recovery.h"

#include "core/model/string_table.h"
#include "ui/core_text.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace flowmar {

namespace {

enum Column { kDocument, kKind, kFolder, kSaved, kAction, kColumns };

} // namespace

DialogRecovery::DialogRecovery(const std::vector<RecoveryRow>& rows, QWidget* parent)
    : QDialog(parent), m_table(new QTableWidget(static_cast<int>(rows.size()), kColumns)) {
    setWindowTitle(coreText(labels::kRecoveryTitle));
    auto* intro = new QLabel(coreText(labels::kRecoveryIntro));
    intro->setWordWrap(true);
    m_table->setHorizontalHeaderLabels(
        {coreText(labels::kRecoveryDocument), coreText(labels::kRecoveryKind),
         coreText(labels::kRecoveryFolder), coreText(labels::kRecoverySaved),
         coreText(labels::kRecoveryAction)});
    m_table->verticalHeader()->hide();
    m_table->setSelectionMode(QAbstractItemView::NoSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Only the action boxes take the focus: the texts are there to be read.
    m_table->setFocusPolicy(Qt::NoFocus);
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        const RecoveryRow& shown = rows[static_cast<std::size_t>(row)];
        const std::pair<Column, const std::string*> cells[] = {{kDocument, &shown.name},
                                                               {kKind, &shown.kind},
                                                               {kFolder, &shown.folder},
                                                               {kSaved, &shown.time}};
        for (const auto& [column, text] : cells) {
            auto* item = new QTableWidgetItem(QString::fromStdString(*text));
            item->setToolTip(item->text());
            m_table->setItem(row, column, item);
        }
        // A note that cannot be read offers no Restore, and is kept unless the person says.
        auto* action = new QComboBox;
        if (shown.restorable) {
            action->addItem(coreText(labels::kRecoveryRestore),
                            static_cast<int>(RecoveryChoice::Restore));
        }
        action->addItem(coreText(labels::kRecoveryKeep), static_cast<int>(RecoveryChoice::Keep));
        action->addItem(coreText(labels::kRecoveryDiscard),
                        static_cast<int>(RecoveryChoice::Discard));
        m_table->setCellWidget(row, kAction, action);
    }
    m_table->resizeColumnsToContents();
    m_table->horizontalHeader()->setStretchLastSection(true);
    auto* hint = new QLabel(coreText(labels::kRecoveryHint));
    hint->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(m_table);
    layout->addWidget(hint);
    layout->addWidget(buttons);
    // Wide enough for the table's columns without a scroll bar, where the screen allows.
    int width = m_table->verticalScrollBar()->sizeHint().width() + 4;
    for (int column = 0; column < kColumns; ++column) {
        width += m_table->columnWidth(column);
    }
    resize(std::max(width + 40, 560), 320);
}

std::vector<RecoveryChoice> DialogRecovery::choices() const {
    std::vector<RecoveryChoice> chosen;
    for (int row = 0; row < m_table->rowCount(); ++row) {
        chosen.push_back(result() == QDialog::Accepted
                             ? static_cast<RecoveryChoice>(actionBox(row)->currentData().toInt())
                             : RecoveryChoice::Keep);
    }
    return chosen;
}

QComboBox* DialogRecovery::actionBox(int row) const {
    return qobject_cast<QComboBox*>(m_table->cellWidget(row, kAction));
}

} // namespace flowmar
