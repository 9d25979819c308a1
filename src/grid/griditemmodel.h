#pragma once

#include "grid/datagrid.h"

#include <QAbstractTableModel>
#include <QPointer>
#include <functional>
#include <vector>

namespace tarvel {

// Qt's view of a DataGrid: one model row per displayed row, one model column
// per grid column in collection order (hidden columns stay in the model; the
// view hides them). The model keeps its own copy of the displayed rows and
// renews it only when the grid announces a change, so the rows a view holds
// stay consistent while the table is being filled with redrawing suspended.
class GridItemModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Role {
        KindRole = Qt::UserRole + 1, // DisplayedRow::Kind
        TableRowRole,                // table row of a data row, -1 otherwise
        GroupRole,                   // group of the row, -1 when not grouped
    };
    // Background of a displayed data row; an invalid colour leaves the column's tint.
    using RowShader = std::function<QColor(int position)>;

    explicit GridItemModel(DataGrid *grid, QObject *parent = nullptr);

    DataGrid *grid() const { return m_grid; }
    void setRowShader(RowShader shader);
    // The displayed row the model shows at a model row (its own copy).
    DisplayedRow node(int modelRow) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    void takeSnapshot();
    void reset();
    void rowsInserted(int first, int last);
    void rowsRemoved(int first, int last);
    void valuesChanged();
    void columnsChanged();
    bool isUsable(const DisplayedRow &node) const;

    QPointer<DataGrid> m_grid;
    RowShader m_shader;
    int m_rows = 0;
    int m_columns = 0;
    bool m_arranged = false;
    std::vector<DisplayedRow> m_nodes; // arranged grids only; otherwise row i is table row i
};

} // namespace tarvel
