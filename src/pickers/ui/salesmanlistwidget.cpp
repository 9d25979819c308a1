#include "pickers/ui/salesmanlistwidget.h"

#include "documents/salesmanlist.h"

#include <QSignalBlocker>

namespace tarvel {

SalesmanListWidget::SalesmanListWidget(SalesmanList &list, QWidget *parent)
    : QListWidget(parent), m_list(list)
{
    setObjectName(QStringLiteral("satel"));
    setSelectionMode(QAbstractItemView::MultiSelection);
    setMaximumHeight(fontMetrics().height() * 5);
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        for (int i = 0; i < count(); ++i)
            m_list.setSelected(i, item(i)->isSelected());
    });
}

void SalesmanListWidget::showEntries()
{
    const QSignalBlocker block(this);
    clear();
    addItems(m_list.entries());
    for (int i = 0; i < count(); ++i)
        item(i)->setSelected(m_list.isSelected(i));
}

} // namespace tarvel
