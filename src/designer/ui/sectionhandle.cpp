#include "designer/ui/sectionhandle.h"

#include <QCursor>
#include <QGraphicsSceneMouseEvent>
#include <QPen>

namespace tarvel {

namespace {
constexpr double grabPixels = 6;
}

SectionHandle::SectionHandle(PageItemHost &page, ReportLayout::Section section, double boundaryMm,
                             double leftMm, double widthMm)
    : m_page(page), m_section(section), m_start(boundaryMm)
{
    const double half = grabPixels * page.pixelMm() / 2;
    setRect(QRectF(leftMm, -half, widthMm, 2 * half));
    setPos(0, boundaryMm);
    setPen(Qt::NoPen);
    setBrush(QColor(40, 90, 170, 40));
    setCursor(Qt::SplitVCursor);
    setToolTip(QStringLiteral("Bölüm yüksekliği: sürükleyin"));
    setZValue(1e6); // above the controls, so an edge under a box can still be taken
}

void SectionHandle::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    m_start = pos().y();
    setBrush(QColor(40, 90, 170, 120));
    event->accept();
}

void SectionHandle::mouseMoveEvent(QGraphicsSceneMouseEvent *event)
{
    setPos(0, m_page.snapped(event->scenePos().y()));
}

void SectionHandle::mouseReleaseEvent(QGraphicsSceneMouseEvent *)
{
    setBrush(QColor(40, 90, 170, 40));
    if (pos().y() != m_start)
        m_page.finishSectionDrag(m_section, pos().y());
}

} // namespace tarvel
