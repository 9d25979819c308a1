#pragma once

#include "designer/ui/pageitemhost.h"
#include "printing/layoutdoc/layoutdocument.h"

#include <QGraphicsScene>
#include <QHash>
#include <QPixmap>

class QGraphicsPixmapItem;
class QGraphicsRectItem;

namespace tarvel {

class ControlItem;
class SectionHandle;

// The page of the layout being designed, one scene unit a millimetre: the
// paper with its margins, the background picture under it, the three
// section bands (the detail's later rows as faint lines) and a control
// item for each control. It shows the document and turns what the mouse
// does into the document's edits; it keeps no state of its own beyond the
// drag in progress.
class PageScene : public QGraphicsScene, public PageItemHost {
    Q_OBJECT
public:
    explicit PageScene(LayoutDocument &document, QObject *parent = nullptr);
    ~PageScene() override;

    LayoutDocument &document() { return m_document; }

    // Snapping to the 0.5 mm grid while dragging.
    bool snapping() const { return m_snapping; }
    void setSnapping(bool on) { m_snapping = on; }
    static constexpr double gridStep = 0.5;
    double snapped(double mm) const override;
    using PageItemHost::snapped;

    // The background picture shown or hidden (it stays in the layout).
    void setBackgroundVisible(bool visible);
    bool backgroundVisible() const { return m_backgroundVisible; }

    double pixelMm() const override { return m_pixelMm; }
    void setPixelMm(double mm);

    // The field being carried from the field list: a dashed box where it
    // would land; an invalid point hides it.
    void showDropPlace(const QPointF &pageMm);

    // ---- Used by the items while the mouse drags ------------------------------------
    void dragSelection(const QPointF &deltaMm) override;
    void finishDrag(const QPointF &deltaMm) override;
    void finishResize(int id, const QRectF &pageRect) override;
    void finishSectionDrag(LayoutDocument::Section section, double boundaryMm) override;

    ControlItem *item(int id) const { return m_items.value(id); }

private:
    void sync();
    void syncSelection();
    void takeSelection();
    void syncBackground();

    LayoutDocument &m_document;
    QHash<int, ControlItem *> m_items;
    QGraphicsRectItem *m_paper = nullptr;
    QGraphicsRectItem *m_margins = nullptr;
    QGraphicsPixmapItem *m_background = nullptr;
    QGraphicsRectItem *m_dropPlace = nullptr;
    QList<QGraphicsItem *> m_bands; // section bands, their names, the detail's later rows
    QList<SectionHandle *> m_handles;
    QString m_backgroundPath;
    QPixmap m_backgroundPixmap;
    bool m_backgroundVisible = true;
    bool m_snapping = true;
    bool m_syncing = false;
    double m_pixelMm = 0.25;
};

} // namespace tarvel
