#pragma once

#include "designer/ui/pageitemhost.h"
#include "printing/reportlayout.h"

#include <QGraphicsItem>

namespace tarvel {

// One control on the designer's page, drawn by the forms' own painting (a
// text box shows its field's name). Selected, it shows handles; the mouse
// moves every selected control, or resizes this one by a handle, and the
// page turns the end of the drag into one edit. How it is taken hold of
// comes from its kind's row in the table of control kinds.
class ControlItem : public QGraphicsItem {
public:
    ControlItem(PageItemHost &page, int id);

    int id() const { return m_id; }
    // The control and its box on the page (mm).
    void show(const ReportControl &control, const QRectF &pageRect);
    const QRectF &pageRect() const { return m_pageRect; }

    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

    // Handles by the corner or side they move: 0 top left, then clockwise to 7 left.
    int handleAt(const QPointF &local) const;
    QPointF handleCentre(int handle) const;

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;
    void hoverMoveEvent(QGraphicsSceneHoverEvent *event) override;

private:
    QList<int> handles() const;
    QPainterPath withHandles(QPainterPath path) const;
    double handleSize() const;
    QRectF resized(const QPointF &pageMm) const;
    bool isLine() const;
    int selectedCount() const;

    PageItemHost &m_page;
    int m_id;
    ReportControl m_control;
    QRectF m_pageRect;
    enum class Drag { None, Move, Resize };
    Drag m_drag = Drag::None;
    int m_handle = -1;
    QPointF m_pressMm;
    QPointF m_delta;
};

} // namespace tarvel
