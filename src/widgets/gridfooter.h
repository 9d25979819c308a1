#pragma once

#include <QWidget>

namespace tarvel {

class DataGrid;
class GridView;

// The footer row under a GridView: each column's footer total in a cell
// exactly under its column, following column resizes and horizontal
// scrolling.
class GridFooter : public QWidget {
    Q_OBJECT
public:
    GridFooter(DataGrid *grid, GridView *view, QWidget *parent = nullptr);

    // Where a column's footer cell is painted (footer coordinates); empty for
    // hidden columns.
    QRect cellRect(int column) const;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int viewportOffset() const;

    DataGrid *m_grid;
    GridView *m_view;
};

} // namespace tarvel
