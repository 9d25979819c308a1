#include "widgets/gridview.h"

#include "grid/griditemmodel.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>
#include <QToolTip>

namespace tarvel {

namespace {

// The screens know three buttons; any other is no button to them.
Qt::MouseButton knownButton(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
    case Qt::RightButton:
    case Qt::MiddleButton:
        return button;
    default:
        return Qt::NoButton;
    }
}

} // namespace

GridView::GridView(QWidget *parent) : QTableView(parent)
{
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Double click belongs to the screens (the pickers tick with it); F2 edits.
    setEditTriggers(QAbstractItemView::EditKeyPressed);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionsMovable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    // Lists are white paper with black text whatever the desktop's colours;
    // row shading and tints are chosen against that.
    QPalette pal = palette();
    pal.setColor(QPalette::Base, Qt::white);
    pal.setColor(QPalette::Text, Qt::black);
    setPalette(pal);
}

void GridView::setGridModel(GridItemModel *model)
{
    m_model = model;
    setModel(model);
}

bool GridView::isHeading(int row) const
{
    return m_model && row >= 0 && row < m_model->rowCount() &&
           m_model->node(row).kind == DisplayedRow::GroupHeading;
}

int GridView::markWidth() const
{
    return fontMetrics().height() + 4;
}

QRect GridView::headingRect(int row) const
{
    if (!isHeading(row) || !m_model->grid())
        return {};
    const QList<int> visible = m_model->grid()->visibleColumns();
    if (visible.isEmpty())
        return {};
    const int left = columnViewportPosition(visible.first());
    // The heading names the document: let it run on to the viewport's right
    // edge instead of cutting it at the last column.
    const int right =
        std::max(columnViewportPosition(visible.last()) + columnWidth(visible.last()), viewport()->width());
    return QRect(left, rowViewportPosition(row), right - left, rowHeight(row));
}

void GridView::paintEvent(QPaintEvent *event)
{
    QTableView::paintEvent(event);
    if (!m_model || !m_model->grid() || !m_model->grid()->isGrouped())
        return;

    // Headings span every column: painted over the cells Qt drew.
    QPainter painter(viewport());
    const int first = std::max(0, rowAt(0));
    int last = rowAt(viewport()->height() - 1);
    if (last < 0)
        last = m_model->rowCount() - 1;
    for (int row = first; row <= last; ++row) {
        const QRect rect = headingRect(row);
        if (rect.isEmpty())
            continue;
        const bool selected = selectionModel() && selectionModel()->isRowSelected(row, QModelIndex());
        const QPalette &pal = palette();
        painter.fillRect(rect, selected ? pal.brush(QPalette::Highlight)
                                        : QBrush(m_model->grid()->groupHeadingColor()));
        painter.setPen(pal.color(QPalette::Mid));
        painter.drawLine(rect.bottomLeft(), rect.bottomRight());

        const int mark = markWidth();
        QStyleOption arrow;
        arrow.initFrom(this);
        arrow.rect = QRect(rect.left(), rect.top(), mark, rect.height()).adjusted(3, 3, -3, -3);
        arrow.palette.setColor(QPalette::ButtonText,
                               selected ? pal.color(QPalette::HighlightedText) : Qt::black);
        const int group = m_model->node(row).group;
        const bool open = m_model->grid()->isGroupExpanded(group);
        style()->drawPrimitive(open ? QStyle::PE_IndicatorArrowDown : QStyle::PE_IndicatorArrowRight, &arrow,
                               &painter, this);

        QFont bold = font();
        bold.setBold(true);
        painter.setFont(bold);
        painter.setPen(selected ? pal.color(QPalette::HighlightedText) : QColor(Qt::black));
        painter.drawText(rect.adjusted(mark + 2, 0, -3, 0), Qt::AlignLeft | Qt::AlignVCenter,
                         m_model->grid()->groupHeading(group));
    }
}

void GridView::toggleGroup(int row)
{
    const int group = m_model->node(row).group;
    setGroupOpen(row, !m_model->grid()->isGroupExpanded(group));
}

void GridView::setGroupOpen(int row, bool open)
{
    const int group = m_model->node(row).group;
    if (m_model->grid()->isGroupExpanded(group) == open)
        return;
    m_model->grid()->setGroupExpanded(group, open);
    // Groups before it keep their rows, so the heading keeps its position.
    const QList<int> visible = m_model->grid()->visibleColumns();
    if (row < model()->rowCount() && !visible.isEmpty())
        setCurrentIndex(model()->index(row, visible.first()));
}

void GridView::mousePressEvent(QMouseEvent *event)
{
    emit mouseDown(knownButton(event->button()), event->modifiers(), event->globalPosition().toPoint());
    const int row = rowAt(event->position().toPoint().y());
    if (event->button() == Qt::LeftButton && isHeading(row)) {
        const QRect rect = headingRect(row);
        if (event->position().x() < rect.left() + markWidth()) {
            toggleGroup(row);
            return;
        }
    }
    QTableView::mousePressEvent(event);
}

void GridView::mouseDoubleClickEvent(QMouseEvent *event)
{
    const int row = rowAt(event->position().toPoint().y());
    if (event->button() == Qt::LeftButton && isHeading(row)) {
        toggleGroup(row);
        return;
    }
    QTableView::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton && row >= 0)
        emit rowDoubleClicked(row);
}

void GridView::keyPressEvent(QKeyEvent *event)
{
    emit keyDown(event->key(), event->modifiers());
    if (!event->text().isEmpty())
        emit keyPressed(event->text().at(0).unicode());

    const int row = currentIndex().row();
    if (isHeading(row)) {
        switch (event->key()) {
        case Qt::Key_Left:
        case Qt::Key_Minus:
            setGroupOpen(row, false);
            return;
        case Qt::Key_Right:
        case Qt::Key_Plus:
            setGroupOpen(row, true);
            return;
        default:
            break;
        }
    }
    QTableView::keyPressEvent(event);
}

bool GridView::viewportEvent(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QTableView::viewportEvent(event);
    const auto *help = static_cast<QHelpEvent *>(event);
    const QModelIndex index = indexAt(help->pos());
    if (index.isValid() && !isHeading(index.row())) {
        const QString text = index.data(Qt::DisplayRole).toString();
        const QVariant font = index.data(Qt::FontRole);
        const QFontMetrics metrics(font.isValid() ? font.value<QFont>() : this->font());
        const QRect cell = visualRect(index);
        // The item delegate's text margin on either side.
        const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
        if (metrics.horizontalAdvance(text) > cell.width() - 2 * margin) {
            QToolTip::showText(help->globalPos(), text, viewport(), cell);
            return true;
        }
    }
    QToolTip::hideText();
    event->ignore();
    return true;
}

} // namespace tarvel
