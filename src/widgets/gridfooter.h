#pragma once

#include <QWidget>

namespace tarvel {

class DataGrid;
class GridView;

// The footer row under a GridView: each column's footer total in a cell
// exactly under its column, following column resizes and horizontal
// scrolling. A total wider than its cell is drawn smaller until it fits (down
// to two thirds of the font; beyond that cut with "…"); its full text is the
// cell's tooltip, so no figure is ever cut without a sign.
class GridFooter : public QWidget {
    Q_OBJECT
public:
    GridFooter(DataGrid *grid, GridView *view, QWidget *parent = nullptr);

    // Where a column's footer cell is painted (footer coordinates); empty for
    // hidden columns.
    QRect cellRect(int column) const;
    QSize sizeHint() const override;

    // How a cell's text is drawn: the font and the text shown in it.
    struct Fit {
        QFont font;
        QString text;
        bool whole = true; // at the footer's own font, uncut
    };
    Fit fit(int column) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    int viewportOffset() const;
    QFont boldFont() const;

    DataGrid *m_grid;
    GridView *m_view;
};

} // namespace tarvel
