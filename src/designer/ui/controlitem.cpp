#include "designer/ui/controlitem.h"

#include "printing/waybillreport.h"

#include <QCursor>
#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QPainter>
#include <QPainterPathStroker>
#include <QStyleOptionGraphicsItem>

namespace tarvel {

namespace {

const QColor selectionColour(30, 110, 220);
const QColor boundFill(225, 238, 255, 150);
constexpr double handlePixels = 7;

Qt::CursorShape handleCursor(int handle)
{
    switch (handle) {
    case 0:
    case 4:
        return Qt::SizeFDiagCursor;
    case 2:
    case 6:
        return Qt::SizeBDiagCursor;
    case 1:
    case 5:
        return Qt::SizeVerCursor;
    case 3:
    case 7:
        return Qt::SizeHorCursor;
    default:
        return Qt::SizeAllCursor;
    }
}

} // namespace

ControlItem::ControlItem(PageItemHost &page, int id) : m_page(page), m_id(id)
{
    setFlag(ItemIsSelectable);
    setAcceptHoverEvents(true);
    setCursor(Qt::SizeAllCursor);
}

void ControlItem::show(const ReportControl &control, const QRectF &pageRect)
{
    prepareGeometryChange();
    m_control = control;
    m_pageRect = pageRect;
    setPos(pageRect.topLeft());
    QString tip = control.name;
    if (!control.tag.isEmpty())
        tip += QStringLiteral(" [%1]").arg(control.tag);
    setToolTip(tip.trimmed());
    update();
}

bool ControlItem::isLine() const
{
    return controlKind(m_control.kind).shape == ControlShape::Line;
}

int ControlItem::selectedCount() const
{
    return scene() ? int(scene()->selectedItems().size()) : 0;
}

double ControlItem::handleSize() const
{
    return handlePixels * m_page.pixelMm();
}

QRectF ControlItem::boundingRect() const
{
    const double margin = handleSize();
    return QRectF(QPointF(0, 0), m_pageRect.size()).adjusted(-margin, -margin, margin, margin);
}

QPainterPath ControlItem::shape() const
{
    QPainterPath path;
    const QRectF box(QPointF(0, 0), m_pageRect.size());
    // A line, and a frame with nothing inside it (the item table's frame and
    // column rules), are taken by their lines: a click inside the frame
    // reaches what lies there, or starts a rubber band.
    const ControlKindInfo &kind = controlKind(m_control.kind);
    const bool hollow = kind.outline || (kind.has(ControlAttribute::Caption) && m_control.caption.isEmpty() &&
                                         m_control.tag.isEmpty());
    if (isLine()) {
        path.moveTo(box.topLeft());
        path.lineTo(box.bottomRight());
    } else if (hollow && !m_control.background.isValid()) {
        path.addRect(box);
    } else {
        path.addRect(box);
        return withHandles(path);
    }
    QPainterPathStroker stroker;
    stroker.setWidth(std::max(1.0, 2 * handleSize()));
    return withHandles(stroker.createStroke(path));
}

QPainterPath ControlItem::withHandles(QPainterPath path) const
{
    path.setFillRule(Qt::WindingFill); // a handle over the box is still inside
    if (isSelected()) {
        for (int handle : handles()) {
            const QPointF c = handleCentre(handle);
            path.addRect(
                QRectF(c.x() - handleSize() / 2, c.y() - handleSize() / 2, handleSize(), handleSize()));
        }
    }
    return path;
}

QList<int> ControlItem::handles() const
{
    // A line is stretched by its two ends; a box by its corners and sides.
    if (isLine())
        return {0, 4};
    return {0, 1, 2, 3, 4, 5, 6, 7};
}

QPointF ControlItem::handleCentre(int handle) const
{
    const double w = m_pageRect.width();
    const double h = m_pageRect.height();
    const QPointF points[] = {{0, 0}, {w / 2, 0}, {w, 0}, {w, h / 2}, {w, h}, {w / 2, h}, {0, h}, {0, h / 2}};
    return points[handle];
}

int ControlItem::handleAt(const QPointF &local) const
{
    // Only one control at a time is resized: several selected move.
    if (!isSelected() || selectedCount() != 1)
        return -1;
    // Outside the box a handle is easy to catch; inside, it keeps to its
    // corner or side, so a box a few pixels high at a small zoom is still
    // moved by its middle rather than resized.
    const QRectF box(QPointF(0, 0), m_pageRect.size());
    const bool inside = box.contains(local);
    const double reachX = inside ? std::min(handleSize() / 2, box.width() / 4) : handleSize();
    const double reachY = inside ? std::min(handleSize() / 2, box.height() / 4) : handleSize();
    for (int handle : handles()) {
        const QPointF d = local - handleCentre(handle);
        if (std::abs(d.x()) <= reachX && std::abs(d.y()) <= reachY)
            return handle;
    }
    return -1;
}

void ControlItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    const QRectF box(QPointF(0, 0), m_pageRect.size());
    ReportControl shown = m_control;
    const ControlKindInfo &kind = controlKind(shown.kind);
    if (kind.showsTag && !shown.tag.isEmpty()) {
        // A bound box shows which field it prints, tinted so it stands out from fixed texts.
        shown.caption = shown.tag;
        if (!shown.background.isValid())
            painter->fillRect(box, boundFill);
    }
    painter->setRenderHint(QPainter::Antialiasing);
    WaybillReport::paintControl(*painter, shown, -shown.rect.topLeft());

    const double pixel = m_page.pixelMm();
    // A box whose frame is not drawn shows its edges in the designer.
    if (kind.has(ControlAttribute::Frame) && !shown.frame && !isSelected()) {
        painter->setPen(QPen(QColor(160, 160, 160), pixel, Qt::DotLine));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(box);
    }
    if (!isSelected())
        return;
    painter->setPen(QPen(selectionColour, pixel * 1.5, Qt::DashLine));
    painter->setBrush(Qt::NoBrush);
    if (isLine())
        painter->drawLine(box.topLeft(), box.bottomRight());
    else
        painter->drawRect(box);
    if (selectedCount() != 1)
        return;
    painter->setPen(QPen(selectionColour, pixel));
    painter->setBrush(Qt::white);
    for (int handle : handles()) {
        const QPointF c = handleCentre(handle);
        const double s = handleSize() * 0.8;
        painter->drawRect(QRectF(c.x() - s / 2, c.y() - s / 2, s, s));
    }
}

void ControlItem::hoverMoveEvent(QGraphicsSceneHoverEvent *event)
{
    setCursor(handleCursor(handleAt(event->pos())));
    QGraphicsItem::hoverMoveEvent(event);
}

void ControlItem::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    const int handle = handleAt(event->pos());
    // Selection as usual: a click selects, Ctrl adds or takes away.
    QGraphicsItem::mousePressEvent(event);
    m_pressMm = event->scenePos();
    m_delta = QPointF();
    m_handle = handle;
    m_drag = handle >= 0 ? Drag::Resize : isSelected() ? Drag::Move : Drag::None;
    event->accept();
}

QRectF ControlItem::resized(const QPointF &pageMm) const
{
    const QPointF p = m_page.snapped(pageMm);
    QRectF r = m_pageRect;
    if (isLine()) {
        // A line keeps its other end; it runs down and to the right.
        if (m_handle == 0)
            r.setTopLeft(QPointF(std::min(p.x(), r.right()), std::min(p.y(), r.bottom())));
        else
            r.setBottomRight(QPointF(std::max(p.x(), r.left()), std::max(p.y(), r.top())));
        return r;
    }
    switch (m_handle) {
    case 0:
        r.setTopLeft(p);
        break;
    case 1:
        r.setTop(p.y());
        break;
    case 2:
        r.setTopRight(p);
        break;
    case 3:
        r.setRight(p.x());
        break;
    case 4:
        r.setBottomRight(p);
        break;
    case 5:
        r.setBottom(p.y());
        break;
    case 6:
        r.setBottomLeft(p);
        break;
    case 7:
        r.setLeft(p.x());
        break;
    }
    return r.normalized();
}

void ControlItem::mouseMoveEvent(QGraphicsSceneMouseEvent *event)
{
    if (m_drag == Drag::Move) {
        // The grabbed control lands on the grid; the others keep their distance to it.
        const QPointF target = m_page.snapped(m_pageRect.topLeft() + event->scenePos() - m_pressMm);
        m_delta = target - m_pageRect.topLeft();
        m_page.dragSelection(m_delta);
    } else if (m_drag == Drag::Resize) {
        // Shown as it will be; the document learns it when the button is let go.
        const QRectF r = resized(event->scenePos());
        m_control.rect.setSize(r.size());
        show(m_control, r);
    }
}

void ControlItem::mouseReleaseEvent(QGraphicsSceneMouseEvent *event)
{
    const Drag drag = m_drag;
    m_drag = Drag::None;
    if (drag == Drag::Move && !m_delta.isNull()) {
        m_page.finishDrag(m_delta);
        return;
    }
    if (drag == Drag::Resize && event->scenePos() != m_pressMm) {
        m_page.finishResize(m_id, m_pageRect);
        return;
    }
    QGraphicsItem::mouseReleaseEvent(event);
}

} // namespace tarvel
