#include "widgets/gridfooter.h"

#include "grid/datagrid.h"
#include "widgets/gridview.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>

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

namespace {
constexpr int cellPadding = 3;
}

QFont GridFooter::boldFont() const
{
    QFont bold = m_grid->font();
    bold.setBold(true);
    return bold;
}

QSize GridFooter::sizeHint() const
{
    return {0, QFontMetrics(boldFont()).height() + 8};
}

GridFooter::Fit GridFooter::fit(int column) const
{
    Fit f{boldFont(), m_grid->footerText(column), true};
    const QRect cell = cellRect(column);
    const int room = cell.width() - 2 * cellPadding;
    const int natural = QFontMetrics(f.font).horizontalAdvance(f.text);
    if (cell.isEmpty() || natural <= room)
        return f;
    f.whole = false;
    // Glyph widths do not scale evenly with the size: step down until it fits.
    const bool points = f.font.pointSizeF() > 0;
    const qreal size = points ? f.font.pointSizeF() : qreal(f.font.pixelSize());
    for (qreal scale = std::min(1.0, qreal(room) / natural); scale >= 2.0 / 3.0; scale -= 0.02) {
        if (points)
            f.font.setPointSizeF(size * scale);
        else
            f.font.setPixelSize(std::max(1, int(size * scale)));
        if (QFontMetrics(f.font).horizontalAdvance(f.text) <= room)
            return f;
    }
    // Cut, if it must be, from the right: the leading digits tell the size.
    f.text = QFontMetrics(f.font).elidedText(f.text, Qt::ElideRight, room);
    return f;
}

bool GridFooter::event(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const auto *help = static_cast<QHelpEvent *>(event);
    for (int c = 0; c < m_grid->columnCount(); ++c) {
        if (cellRect(c).contains(help->pos()) && !fit(c).whole) {
            QToolTip::showText(help->globalPos(), m_grid->footerText(c), this, cellRect(c));
            return true;
        }
    }
    QToolTip::hideText();
    event->ignore();
    return true;
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

    for (int c = 0; c < m_grid->columnCount(); ++c) {
        const QRect cell = cellRect(c);
        if (cell.isEmpty())
            continue;
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawRect(cell.adjusted(0, 0, -1, -1));
        painter.setPen(palette().color(QPalette::ButtonText));
        const Fit f = fit(c);
        painter.setFont(f.font);
        painter.drawText(cell.adjusted(cellPadding, 0, -cellPadding, 0),
                         int(m_grid->column(c).alignment | Qt::AlignVCenter), f.text);
    }
}

} // namespace tarvel
