#pragma once

#include "foundation/base/result.h"
#include "grid/datagrid.h"
#include "grid/griditemmodel.h"

#include <QWidget>

class QPrinter;
class QLabel;
class QLineEdit;

namespace tarvel {

class GridFooter;
class GridView;

// The data grid of every list: the search box "Ara" with the count of rows
// shown ("N / M satır") above a GridView over a DataGrid, the footer row
// under it. The DataGrid belongs to the screen's model (or to the widget when
// none is given); the widget shows it and writes back what the user changes:
// column widths, check boxes, the current row, open and closed groups.
//
// A click on a caption sorts by that column (ascending, descending, fill
// order; an arrow shows it). The search box filters as it is typed, Ctrl+F
// goes to it (in a window of several lists, to the one holding the focus, else
// the first) and Esc empties it. Both only arrange the view (DataGrid): the
// table keeps every row.
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
    QLineEdit *searchBox() const { return m_search; }
    QLabel *shownLabel() const { return m_shown; }

    // Background of displayed data rows, asked per displayed position.
    void setRowShader(GridItemModel::RowShader shader);
    // The lists' usual shading: odd displayed positions (the second, fourth, ...
    // row) in this colour, the others on the view's white base.
    void shadeOddRows(const QColor &color);
    // Data rows whose field reads as a number below zero (a loss) in this
    // colour, over the odd-row shading.
    void tintNegativeRows(const QString &field, const QColor &color);
    // Displayed position of the view's current row, -1 when none.
    int currentPosition() const;

    // A modal print preview of the grid as displayed, from which the user prints.
    void printPreview();
    // What the preview's printing paints: the pages on the printer, or, when
    // it prints to a PDF file, that file whole or not at all (a failure is
    // said in the message dialog over messageParent).
    void printOn(QPrinter *target, QWidget *messageParent);
    // The list as displayed, as .xlsx or .xls by the name's extension (saveGridFile).
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
    void applyShading();
    void showSort();
    void showShownRows();
    void focusSearch();
    bool eventFilter(QObject *watched, QEvent *event) override;

    DataGrid *m_grid;
    GridItemModel *m_model = nullptr;
    GridView *m_view = nullptr;
    GridFooter *m_footer = nullptr;
    QLineEdit *m_search = nullptr;
    QLabel *m_shown = nullptr;
    QColor m_oddRows;
    QString m_negativeField;
    QColor m_negativeRows;
    bool m_syncing = false;
};

} // namespace tarvel
