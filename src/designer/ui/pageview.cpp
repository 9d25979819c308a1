#include "designer/ui/pageview.h"

#include "designer/ui/pagescene.h"

#include <QKeyEvent>
#include <QScrollBar>
#include <QWheelEvent>

namespace tarvel {

PageView::PageView(PageScene &scene, QWidget *parent) : QGraphicsView(&scene, parent), m_scene(scene)
{
    setObjectName(QStringLiteral("sayfa"));
    setDragMode(RubberBandDrag);
    setRubberBandSelectionMode(Qt::IntersectsItemShape);
    setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    setViewportUpdateMode(FullViewportUpdate);
    setTransformationAnchor(AnchorUnderMouse);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setZoom(1.0);
}

void PageView::setZoom(double zoom)
{
    m_zoom = std::clamp(zoom, 0.2, 8.0);
    const double pixelsPerMm = logicalDpiX() / 25.4 * m_zoom;
    setTransform(QTransform::fromScale(pixelsPerMm, logicalDpiY() / 25.4 * m_zoom));
    m_scene.setPixelMm(1 / pixelsPerMm);
}

void PageView::fitWidth()
{
    const QRectF page = m_scene.sceneRect();
    const double available = viewport()->width() - 4;
    if (page.width() <= 0 || available <= 0)
        return;
    setZoom(available / (page.width() * logicalDpiX() / 25.4));
    horizontalScrollBar()->setValue(horizontalScrollBar()->minimum());
    verticalScrollBar()->setValue(verticalScrollBar()->minimum());
}

std::optional<QPointF> PageView::pageAt(const QPoint &globalPos) const
{
    const QPoint local = viewport()->mapFromGlobal(globalPos);
    if (!viewport()->rect().contains(local))
        return std::nullopt;
    return mapToScene(local);
}

void PageView::carryField(const QPoint &globalPos)
{
    const std::optional<QPointF> at = pageAt(globalPos);
    m_scene.showDropPlace(at.value_or(QPointF(-1e6, -1e6)));
}

bool PageView::dropField(const QString &tag, const QPoint &globalPos)
{
    m_scene.showDropPlace(QPointF(-1e6, -1e6));
    const std::optional<QPointF> at = pageAt(globalPos);
    if (!at)
        return false;
    setFocus();
    return m_scene.document().addField(tag, m_scene.snapped(*at)) >= 0;
}

void PageView::keyPressEvent(QKeyEvent *event)
{
    LayoutDocument &document = m_scene.document();
    if (!document.selection().isEmpty() && document.nudgeSelection(event->key(), event->modifiers())) {
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Delete && document.removeSelection()) {
        event->accept();
        return;
    }
    QGraphicsView::keyPressEvent(event);
}

void PageView::wheelEvent(QWheelEvent *event)
{
    if (event->modifiers() & Qt::ControlModifier) {
        if (event->angleDelta().y() > 0)
            zoomIn();
        else if (event->angleDelta().y() < 0)
            zoomOut();
        event->accept();
        return;
    }
    QGraphicsView::wheelEvent(event);
}

void PageView::mouseMoveEvent(QMouseEvent *event)
{
    emit pointed(mapToScene(event->position().toPoint()));
    QGraphicsView::mouseMoveEvent(event);
}

} // namespace tarvel
