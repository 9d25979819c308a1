#pragma once

#include "designer/ui/pageitemhost.h"
#include "printing/reportlayout.h"

#include <QGraphicsRectItem>

namespace tarvel {

// The edge of a section band that sets its height: the page header's and
// the detail's bottom edge, the page footer's top edge. Dragged up or down,
// it shows the new edge and hands it to the page when let go.
class SectionHandle : public QGraphicsRectItem {
public:
    SectionHandle(PageItemHost &page, ReportLayout::Section section, double boundaryMm, double leftMm,
                  double widthMm);

    ReportLayout::Section section() const { return m_section; }
    double boundary() const { return pos().y(); }

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;

private:
    PageItemHost &m_page;
    ReportLayout::Section m_section;
    double m_start;
};

} // namespace tarvel
