#pragma once

#include "foundation/base/result.h"
#include "grid/datagrid.h"
#include "grid/griditemmodel.h"

#include <QWidget>

namespace tarvel {

class GridFooter;
class GridView;

// The data grid of every list: a GridView over a DataGrid with the footer row
// under it. The DataGrid belongs to the screen's model (or to the widget when
// none is given); the widget shows it and writes back what the user changes:
// column widths, check boxes, the current row, open and closed groups.
//
// Selection keeps the style's colours; setRowShader paints other rows.
class GridWidget : public QWidget {
    Q_OBJECT
public:
    explicit GridWidget(QWidget *parent = nullptr);
    explicit GridWidget(DataGrid *grid, QWidget *parent = nullptr);

    DataGrid *grid() const { return m_grid; }
    MemTable &table() const { return m_grid->table(); }
    GridView *view() const { return m_view; }
    GridFooter *footer() const { return m_footer; }
    GridItemModel *model() const { return m_model; }

    // Background of displayed data rows, asked per displayed position.
    void setRowShader(GridItemModel::RowShader shader);
    // The lists' usual shading: odd displayed positions (the second, fourth, ...
    // row) in this colour, the others on the view's white base.
    void shadeOddRows(const QColor &color);
    // Displayed position of the view's current row, -1 when none.
    int currentPosition() const;

    // A modal print preview of the grid as displayed, from which the user prints.
    void printPreview();
    Result<void> saveXls(const QString &path);

signals:
    void rowDoubleClicked(int position);
    void keyDown(int key, Qt::KeyboardModifiers modifiers);
    void keyPressed(int charCode);
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, const QPoint &globalPosition);
    void groupingChanged();

private:
    void build();
    void applyColumns();
    void applyWidth(int column);
    void applyFont();
    void syncCurrentFromTable();
    void syncTableFromView(const QModelIndex &current);
    void suspendChanged(bool suspended);

    DataGrid *m_grid;
    GridItemModel *m_model = nullptr;
    GridView *m_view = nullptr;
    GridFooter *m_footer = nullptr;
    bool m_syncing = false;
};

} // namespace tarvel
