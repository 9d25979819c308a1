#include "grid/griditemmodel.h"

namespace tarvel {

namespace {
const QString checkedText = QStringLiteral("True");
const QString uncheckedText = QStringLiteral("False");
} // namespace

GridItemModel::GridItemModel(DataGrid *grid, QObject *parent) : QAbstractTableModel(parent), m_grid(grid)
{
    takeSnapshot();
    m_columns = grid->columnCount();
    connect(grid, &DataGrid::displayReset, this, &GridItemModel::reset);
    connect(grid, &DataGrid::displayRowsInserted, this, &GridItemModel::rowsInserted);
    connect(grid, &DataGrid::displayRowsRemoved, this, &GridItemModel::rowsRemoved);
    connect(grid, &DataGrid::displayDataChanged, this, &GridItemModel::valuesChanged);
    connect(grid, &DataGrid::columnsChanged, this, &GridItemModel::columnsChanged);
    connect(grid, &DataGrid::fontChanged, this, &GridItemModel::valuesChanged);
}

void GridItemModel::setRowShader(RowShader shader)
{
    m_shader = std::move(shader);
    valuesChanged();
}

void GridItemModel::takeSnapshot()
{
    m_arranged = m_grid && m_grid->isArranged();
    m_rows = m_grid ? m_grid->displayedRowCount() : 0;
    m_nodes.clear();
    if (m_arranged) {
        m_nodes.reserve(size_t(m_rows));
        for (int i = 0; i < m_rows; ++i)
            m_nodes.push_back(m_grid->displayedRow(i));
    }
}

void GridItemModel::reset()
{
    beginResetModel();
    takeSnapshot();
    m_columns = m_grid ? m_grid->columnCount() : 0;
    endResetModel();
}

void GridItemModel::rowsInserted(int first, int last)
{
    // The grid announces appends at the end of a list in table order; anything
    // else means this copy fell behind, and a reset puts it right.
    if (m_arranged || first != m_rows || last < first) {
        reset();
        return;
    }
    beginInsertRows({}, first, last);
    m_rows += last - first + 1;
    endInsertRows();
}

void GridItemModel::rowsRemoved(int first, int last)
{
    if (m_arranged || first < 0 || last >= m_rows || last < first) {
        reset();
        return;
    }
    beginRemoveRows({}, first, last);
    m_rows -= last - first + 1;
    endRemoveRows();
}

void GridItemModel::valuesChanged()
{
    if (m_rows > 0 && m_columns > 0)
        emit dataChanged(index(0, 0), index(m_rows - 1, m_columns - 1));
}

void GridItemModel::columnsChanged()
{
    if (!m_grid || m_grid->columnCount() != m_columns) {
        reset();
        return;
    }
    if (m_columns > 0) {
        emit headerDataChanged(Qt::Horizontal, 0, m_columns - 1);
        valuesChanged();
    }
}

DisplayedRow GridItemModel::node(int modelRow) const
{
    if (modelRow < 0 || modelRow >= m_rows)
        return {DisplayedRow::Data, -1, -1};
    if (m_arranged)
        return m_nodes[size_t(modelRow)];
    return {DisplayedRow::Data, modelRow, -1};
}

bool GridItemModel::isUsable(const DisplayedRow &n) const
{
    if (!m_grid)
        return false;
    if (n.kind == DisplayedRow::Data)
        return n.row >= 0 && n.row < m_grid->table().rowCount();
    return n.group >= 0 && n.group < m_grid->groupCount();
}

int GridItemModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int GridItemModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_columns;
}

QVariant GridItemModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const DisplayedRow n = node(index.row());
    if (role == KindRole)
        return int(n.kind);
    if (role == TableRowRole)
        return n.row;
    if (role == GroupRole)
        return n.group;
    if (!isUsable(n) || index.column() >= m_grid->columnCount())
        return {};
    const GridColumn &c = m_grid->column(index.column());

    switch (n.kind) {
    case DisplayedRow::Data: {
        const int field = m_grid->columnField(index.column());
        switch (role) {
        case Qt::DisplayRole:
            if (c.checkBox || field < 0)
                return {};
            return c.displayed(m_grid->table().value(n.row, field));
        case Qt::EditRole:
            return field < 0 ? QVariant() : QVariant(m_grid->table().value(n.row, field));
        case Qt::CheckStateRole:
            if (!c.checkBox || field < 0)
                return {};
            return m_grid->table().value(n.row, field) == checkedText ? Qt::Checked : Qt::Unchecked;
        case Qt::TextAlignmentRole:
            return int(c.alignment | Qt::AlignVCenter);
        case Qt::BackgroundRole: {
            const QColor shade = m_shader ? m_shader(index.row()) : QColor();
            if (shade.isValid())
                return shade;
            return c.tint.isValid() ? QVariant(c.tint) : QVariant();
        }
        default:
            return {};
        }
    }
    case DisplayedRow::GroupHeading:
        switch (role) {
        case Qt::DisplayRole: {
            // The view paints the heading across the row; the model gives it
            // in the first visible column, as the spreadsheet and the printout do.
            if (index.column() != m_grid->firstVisibleColumn())
                return {};
            return m_grid->groupHeading(n.group);
        }
        case Qt::BackgroundRole:
            return m_grid->groupHeadingColor();
        case Qt::FontRole: {
            QFont f = m_grid->font();
            f.setBold(true);
            return f;
        }
        default:
            return {};
        }
    case DisplayedRow::GroupTotal:
        switch (role) {
        case Qt::DisplayRole:
            return m_grid->groupTotalText(n.group, index.column());
        case Qt::TextAlignmentRole:
            return int(c.alignment | Qt::AlignVCenter);
        case Qt::BackgroundRole:
            return m_grid->groupTotalBackground();
        case Qt::ForegroundRole:
            return m_grid->groupTotalTextColor();
        default:
            return {};
        }
    }
    return {};
}

bool GridItemModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return false;
    // Until the resume this copy may name rows the table no longer has at
    // that place: an edit would land on a row the user never saw.
    if (!m_grid || m_grid->table().isRedrawSuspended())
        return false;
    const DisplayedRow n = node(index.row());
    if (n.kind != DisplayedRow::Data || !isUsable(n) || index.column() >= m_grid->columnCount())
        return false;
    const GridColumn &c = m_grid->column(index.column());
    const int field = m_grid->columnField(index.column());
    if (field < 0 || c.readOnly)
        return false;
    if (role == Qt::CheckStateRole && c.checkBox) {
        const bool checked = value.toInt() == Qt::Checked;
        m_grid->table().setValue(n.row, field, checked ? checkedText : uncheckedText);
        return true;
    }
    if (role == Qt::EditRole && !c.checkBox) {
        m_grid->table().setValue(n.row, field, value.toString());
        return true;
    }
    return false;
}

Qt::ItemFlags GridItemModel::flags(const QModelIndex &index) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    const DisplayedRow n = node(index.row());
    if (n.kind != DisplayedRow::Data || !m_grid || index.column() >= m_grid->columnCount())
        return f;
    const GridColumn &c = m_grid->column(index.column());
    if (c.readOnly || c.field.isEmpty())
        return f;
    return f | (c.checkBox ? Qt::ItemIsUserCheckable : Qt::ItemIsEditable);
}

QVariant GridItemModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || !m_grid || section < 0 || section >= m_grid->columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (role) {
    case Qt::DisplayRole:
        return m_grid->column(section).caption;
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    default:
        return {};
    }
}

} // namespace tarvel
