#include "widgets/griddelegate.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace tarvel {

namespace {

bool isCheckCell(const QModelIndex &index)
{
    return index.data(Qt::CheckStateRole).isValid();
}

} // namespace

void GridDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                         const QModelIndex &index) const
{
    if (!isCheckCell(index)) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem panel = option;
    initStyleOption(&panel, index);
    const QWidget *widget = option.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    // Background and selection as for any cell, without the box at the left.
    panel.features &= ~QStyleOptionViewItem::HasCheckIndicator;
    panel.text.clear();
    style->drawControl(QStyle::CE_ItemViewItem, &panel, painter, widget);

    QStyleOptionViewItem box = option;
    const int w = style->pixelMetric(QStyle::PM_IndicatorWidth, &option, widget);
    const int h = style->pixelMetric(QStyle::PM_IndicatorHeight, &option, widget);
    box.rect = QRect(option.rect.center().x() - w / 2, option.rect.center().y() - h / 2, w, h);
    box.state = option.state & ~QStyle::State_HasFocus;
    box.state |= index.data(Qt::CheckStateRole).toInt() == Qt::Checked ? QStyle::State_On : QStyle::State_Off;
    style->drawPrimitive(QStyle::PE_IndicatorItemViewItemCheck, &box, painter, widget);
}

bool GridDelegate::editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                               const QModelIndex &index)
{
    if (!isCheckCell(index))
        return QStyledItemDelegate::editorEvent(event, model, option, index);
    if (!(index.flags() & Qt::ItemIsUserCheckable) || !(index.flags() & Qt::ItemIsEnabled))
        return false;

    switch (event->type()) {
    case QEvent::MouseButtonRelease: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::LeftButton || !option.rect.contains(mouse->position().toPoint()))
            return false;
        break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        return false; // let the view select the row and report the double click
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key != Qt::Key_Space && key != Qt::Key_Select)
            return false;
        break;
    }
    default:
        return false;
    }
    const bool checked = index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
    return model->setData(index, checked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
}

} // namespace tarvel
