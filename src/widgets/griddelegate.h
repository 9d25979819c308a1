#pragma once

#include <QStyledItemDelegate>

namespace tarvel {

// Draws a check column's box in the middle of its cell and ticks it on a
// click anywhere in the cell (or Space), so the narrow check column of the
// pickers is easy to hit. Other cells are drawn as Qt draws them.
class GridDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    bool editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                     const QModelIndex &index) override;
};

} // namespace tarvel
