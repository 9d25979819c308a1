#include "widgets/gridfooter.h"

#include "grid/datagrid.h"
#include "widgets/gridview.h"

#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>

namespace tarvel {

GridFooter::GridFooter(DataGrid *grid, GridView *view, QWidget *parent)
    : QWidget(parent), m_grid(grid), m_view(view)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    const auto repaint = [this] { update(); };
    connect(view->horizontalHeader(), &QHeaderView::sectionResized, this, repaint);
    connect(view->horizontalHeader(), &QHeaderView::geometriesChanged, this, repaint);
    connect(view->horizontalScrollBar(), &QScrollBar::valueChanged, this, repaint);
    connect(grid, &DataGrid::contentChanged, this, repaint);
    connect(grid, &DataGrid::columnsChanged, this, repaint);
    connect(grid, &DataGrid::fontChanged, this, [this] {
        updateGeometry();
        update();
    });
}

QSize GridFooter::sizeHint() const
{
    QFont bold = m_grid->font();
    bold.setBold(true);
    return {0, QFontMetrics(bold).height() + 8};
}

int GridFooter::viewportOffset() const
{
    // The footer is the view's sibling: line its cells up with the viewport.
    const QWidget *viewport = m_view->viewport();
    return viewport->mapTo(window(), QPoint(0, 0)).x() - mapTo(window(), QPoint(0, 0)).x();
}

QRect GridFooter::cellRect(int column) const
{
    const QHeaderView *header = m_view->horizontalHeader();
    if (column < 0 || column >= header->count() || header->isSectionHidden(column))
        return {};
    return QRect(viewportOffset() + header->sectionViewportPosition(column), 0, header->sectionSize(column),
                 height());
}

void GridFooter::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().brush(QPalette::Button));
    const int left = viewportOffset();
    painter.setClipRect(QRect(left, 0, m_view->viewport()->width(), height()));

    QFont bold = m_grid->font();
    bold.setBold(true);
    painter.setFont(bold);
    for (int c = 0; c < m_grid->columnCount(); ++c) {
        const QRect cell = cellRect(c);
        if (cell.isEmpty())
            continue;
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawRect(cell.adjusted(0, 0, -1, -1));
        painter.setPen(palette().color(QPalette::ButtonText));
        painter.drawText(cell.adjusted(3, 0, -3, 0), int(m_grid->column(c).alignment | Qt::AlignVCenter),
                         m_grid->footerText(c));
    }
}

} // namespace tarvel
