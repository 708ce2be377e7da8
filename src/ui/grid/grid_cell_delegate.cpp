#include "ui/grid/grid_cell_delegate.h"

#include "ui/grid/grid_model.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPainter>

namespace flowmar {

namespace {

constexpr int kArrowWidth = 12;

QStringList choicesOf(const QModelIndex& index) {
    return index.data(GridModel::ChoicesRole).toStringList();
}

bool isDropDown(const QModelIndex& index) {
    return index.data(GridModel::ChoicesRole).isValid();
}

} // namespace

QWidget* GridCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const {
    if (!isDropDown(index)) {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            // A number typed in a right-aligned column stays where it will be shown.
            line->setAlignment(Qt::Alignment(index.data(Qt::TextAlignmentRole).toInt()));
        }
        return editor;
    }
    // Not editable: typing only moves through the choices, so no other text can be entered.
    auto* combo = new QComboBox(parent);
    combo->setEditable(false);
    combo->addItems(choicesOf(index));
    // A pick is the end of the edit, as Return is in a line edit. Qt declares createEditor const
    // and the signals that end an edit not.
    connect(combo, &QComboBox::activated, this, [this, combo] {
        auto* self = const_cast<GridCellDelegate*>(this);
        emit self->commitData(combo);
        emit self->closeEditor(combo);
    });
    return combo;
}

void GridCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        combo->setCurrentIndex(combo->findText(index.data(Qt::EditRole).toString(),
                                               Qt::MatchExactly | Qt::MatchCaseSensitive));
        return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
}

void GridCellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                    const QModelIndex& index) const {
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        // Nothing picked leaves the cell as it was.
        if (combo->currentIndex() >= 0) {
            model->setData(index, combo->currentText(), Qt::EditRole);
        }
        return;
    }
    QStyledItemDelegate::setModelData(editor, model, index);
}

void GridCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    if (!isDropDown(index) || !(index.flags() & Qt::ItemIsEditable) ||
        option.rect.width() <= 2 * kArrowWidth) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    // The text keeps clear of the arrow; the strip under the arrow gets the cell's background.
    QStyleOptionViewItem textPart = option;
    textPart.rect.setRight(option.rect.right() - kArrowWidth);
    QStyledItemDelegate::paint(painter, textPart, index);

    QStyleOptionViewItem arrowPart = option;
    initStyleOption(&arrowPart, index);
    arrowPart.rect = option.rect;
    arrowPart.rect.setLeft(option.rect.right() - kArrowWidth + 1);
    arrowPart.text.clear();
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &arrowPart, painter, widget);
    arrowPart.rect.adjust(2, 0, -2, 0);
    style->drawPrimitive(QStyle::PE_IndicatorArrowDown, &arrowPart, painter, widget);
}

} // namespace flowmar
