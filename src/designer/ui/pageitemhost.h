#pragma once

#include "printing/reportlayout.h"

#include <QPointF>
#include <QRectF>

namespace tarvel {

// What the page's items (the controls, the section edges) ask of the page
// while the mouse drags them: the grid, the size of a pixel, and the edit
// that ends the drag. The page scene is one; the items know no more of it.
class PageItemHost {
public:
    virtual ~PageItemHost() = default;

    // Millimetres of one screen pixel, for handles of a constant size.
    virtual double pixelMm() const = 0;
    // A position on the grid when snapping is on.
    virtual double snapped(double mm) const = 0;
    QPointF snapped(const QPointF &mm) const { return {snapped(mm.x()), snapped(mm.y())}; }

    // The selection shown moved by a distance, not yet an edit.
    virtual void dragSelection(const QPointF &deltaMm) = 0;
    // The drags let go: each one edit of the document.
    virtual void finishDrag(const QPointF &deltaMm) = 0;
    virtual void finishResize(int id, const QRectF &pageRect) = 0;
    virtual void finishSectionDrag(ReportLayout::Section section, double boundaryMm) = 0;
};

} // namespace tarvel
