#pragma once

#include <QTableView>

namespace tarvel {

class GridItemModel;

// The table of a GridWidget. Paints group headings across the whole row with
// their open/closed mark, opens and closes groups (click on the mark, double
// click, Left/Right or -/+ on a heading), and reports the mouse and key
// events the screens handle. A cell whose text the view cuts ("…") shows the
// whole text as its tooltip.
class GridView : public QTableView {
    Q_OBJECT
public:
    explicit GridView(QWidget *parent = nullptr);

    void setGridModel(GridItemModel *model);
    GridItemModel *gridModel() const { return m_model; }
    // The rectangle a heading row is painted in (viewport coordinates), empty
    // for other rows and rows out of sight.
    QRect headingRect(int row) const;

signals:
    void rowDoubleClicked(int position);
    void keyDown(int key, Qt::KeyboardModifiers modifiers);
    void keyPressed(int charCode);
    // Left, right or middle; any other button comes as Qt::NoButton.
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, const QPoint &globalPosition);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool viewportEvent(QEvent *event) override;

private:
    bool isHeading(int row) const;
    void toggleGroup(int row);
    void setGroupOpen(int row, bool open);
    int markWidth() const;

    GridItemModel *m_model = nullptr;
};

} // namespace tarvel
