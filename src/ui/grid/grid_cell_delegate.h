// GridCellDelegate: how a grid cell is edited and drawn. A drop-down list cell is edited with a
// combo box of its choices, so that a person can pick a choice and type nothing else, and shows a
// small arrow so that it can be told from an edit cell.
#pragma once

#include <QStyledItemDelegate>

namespace flowmar {

class GridCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

} // namespace flowmar
