#pragma once

#include <QGraphicsView>

namespace tarvel {

class PageScene;

// The view of the designer's page: to scale (100 % is the paper's real size
// on the screen), zoomed with Ctrl and the wheel or the window's actions, a
// rubber band over empty paper selects. The arrow keys move the selection
// (0.5 mm, with Shift 0.1 mm), Delete removes it. A field carried from the
// field list lands where the mouse lets it go.
class PageView : public QGraphicsView {
    Q_OBJECT
public:
    explicit PageView(PageScene &scene, QWidget *parent = nullptr);

    double zoom() const { return m_zoom; }
    void setZoom(double zoom);
    void zoomIn() { setZoom(m_zoom * 1.25); }
    void zoomOut() { setZoom(m_zoom / 1.25); }
    // The whole paper's width in the view.
    void fitWidth();

    // The page point under a point of the screen; none when it is outside the view.
    std::optional<QPointF> pageAt(const QPoint &globalPos) const;
    // A field carried over the view: where it would land.
    void carryField(const QPoint &globalPos);
    // The field let go: a text box where it was let go; false outside the sections.
    bool dropField(const QString &tag, const QPoint &globalPos);

signals:
    // The mouse over the page, mm.
    void pointed(const QPointF &pageMm);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    PageScene &m_scene;
    double m_zoom = 1.0;
};

} // namespace tarvel
