#include "grid/datagrid.h"

#include "foundation/base/numbers.h"
#include "foundation/base/turkishtext.h"
#include "grid/suspendedredraw.h"

namespace tarvel {

DataGrid::DataGrid(QObject *parent)
    : QObject(parent), m_table(new MemTable(this)), m_font(QStringLiteral("DejaVu Sans"), 9)
{
    connect(m_table, &MemTable::rowAppended, this, &DataGrid::onRowAppended);
    connect(m_table, &MemTable::rowChanged, this, &DataGrid::onRowChanged);
    connect(m_table, &MemTable::rowRemoved, this, &DataGrid::onRowRemoved);
    connect(m_table, &MemTable::tableReset, this, &DataGrid::publishReset);
}

// ---- Columns -------------------------------------------------------------------------------

int DataGrid::addColumn(GridColumn column)
{
    const bool groups = column.groupIndex == 0;
    column.groupIndex = -1;
    m_columns.push_back(std::move(column));
    const int position = columnCount() - 1;
    columnsTouched();
    emit columnsChanged();
    if (groups)
        setGroupIndex(position, 0);
    return position;
}

int DataGrid::columnOfField(const QString &field) const
{
    for (int i = 0; i < columnCount(); ++i) {
        if (!m_columns[size_t(i)].field.isEmpty() &&
            m_columns[size_t(i)].field.compare(field, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

int DataGrid::columnOfName(const QString &objectName) const
{
    for (int i = 0; i < columnCount(); ++i) {
        if (m_columns[size_t(i)].objectName.compare(objectName, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

int DataGrid::firstVisibleColumn() const
{
    for (int i = 0; i < columnCount(); ++i) {
        if (m_columns[size_t(i)].visible)
            return i;
    }
    return -1;
}

QList<int> DataGrid::visibleColumns() const
{
    QList<int> result;
    for (int i = 0; i < columnCount(); ++i) {
        if (m_columns[size_t(i)].visible)
            result.append(i);
    }
    return result;
}

void DataGrid::setColumnWidth(int position, int width)
{
    if (position < 0 || position >= columnCount())
        return;
    width = std::max(0, width);
    if (m_columns[size_t(position)].width == width)
        return;
    m_columns[size_t(position)].width = width;
    emit columnWidthChanged(position);
}

void DataGrid::setColumnVisible(int position, bool visible)
{
    if (position < 0 || position >= columnCount() || m_columns[size_t(position)].visible == visible)
        return;
    m_columns[size_t(position)].visible = visible;
    columnsTouched();
    emit columnsChanged();
    if (isFiltered()) {
        publishReset(); // the filter searches visible columns only
        return;
    }
    // Heading texts sit in the first visible column.
    emit displayDataChanged();
    emit contentChanged();
}

void DataGrid::setColumnCaption(int position, const QString &caption)
{
    if (position < 0 || position >= columnCount())
        return;
    m_columns[size_t(position)].caption = caption;
    columnsTouched();
    emit columnsChanged();
    if (isFiltered() && isGrouped())
        publishReset(); // headings are searched too
}

void DataGrid::setColumnReadOnly(int position, bool readOnly)
{
    if (position < 0 || position >= columnCount())
        return;
    m_columns[size_t(position)].readOnly = readOnly;
    emit columnsChanged();
}

void DataGrid::setReadOnlyExcept(int position)
{
    for (int i = 0; i < columnCount(); ++i)
        m_columns[size_t(i)].readOnly = i != position;
    emit columnsChanged();
}

void DataGrid::setColumnFooter(int position, const GridTotal &total)
{
    if (position < 0 || position >= columnCount())
        return;
    m_columns[size_t(position)].footer = total;
    columnsTouched();
    emit columnsChanged();
    emit contentChanged();
}

void DataGrid::setColumnGroupTotal(int position, const GridTotal &total)
{
    if (position < 0 || position >= columnCount())
        return;
    m_columns[size_t(position)].groupTotal = total;
    columnsTouched();
    emit columnsChanged();
    if (isGrouped() && m_sortColumn == position) {
        publishReset(); // the groups are ordered by this total
        return;
    }
    emit displayDataChanged();
    emit contentChanged();
}

// ---- Grouping -------------------------------------------------------------------------------

void DataGrid::setGroupIndex(int position, int groupIndex)
{
    if (position < 0 || position >= columnCount())
        return;
    int newColumn = m_groupColumn;
    if (groupIndex == 0)
        newColumn = position;
    else if (position == m_groupColumn)
        newColumn = -1;
    if (newColumn == m_groupColumn)
        return;
    for (auto &c : m_columns)
        c.groupIndex = -1;
    if (newColumn >= 0)
        m_columns[size_t(newColumn)].groupIndex = 0;
    m_groupColumn = newColumn;
    m_collapsedKeys.clear();
    ++m_collapseGeneration;
    publishReset();
    emit groupingChanged();
}

int DataGrid::columnField(int column) const
{
    // Fields are only ever added, so their count tells whether a name still
    // resolves the same way.
    if (m_columnFieldsFor != m_table->fieldCount() || m_columnFields.size() != m_columns.size()) {
        m_columnFields.clear();
        for (const GridColumn &c : m_columns)
            m_columnFields.push_back(c.field.isEmpty() ? -1 : m_table->fieldIndex(c.field));
        m_columnFieldsFor = m_table->fieldCount();
    }
    return m_columnFields[size_t(column)];
}

int DataGrid::groupField() const
{
    return m_groupColumn < 0 ? -1 : columnField(m_groupColumn);
}

void DataGrid::columnsTouched()
{
    ++m_columnsGeneration;
}

// ---- Sort and quick filter ----------------------------------------------------------------------

void DataGrid::setSort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= columnCount() || columnField(column) < 0) {
        clearSort();
        return;
    }
    if (m_sortColumn == column && m_sortOrder == order)
        return;
    m_sortColumn = column;
    m_sortOrder = order;
    publishReset();
    emit sortChanged();
}

void DataGrid::clearSort()
{
    if (m_sortColumn < 0)
        return;
    m_sortColumn = -1;
    m_sortOrder = Qt::AscendingOrder;
    publishReset();
    emit sortChanged();
}

void DataGrid::cycleSort(int column)
{
    if (column != m_sortColumn)
        setSort(column, Qt::AscendingOrder);
    else if (m_sortOrder == Qt::AscendingOrder)
        setSort(column, Qt::DescendingOrder);
    else
        clearSort();
}

void DataGrid::setFilterText(const QString &text)
{
    if (text == m_filterText)
        return;
    m_filterText = text;
    const QString needle = turkishFold(text.trimmed());
    if (needle == m_filterNeedle) {
        emit filterChanged();
        return;
    }
    m_filterNeedle = needle;
    if (m_filterNeedle.isEmpty()) {
        // Kept only while filtering: the folded texts are a copy of the list.
        m_searchTexts = {};
        m_lastMask = {};
    }
    publishReset();
    emit filterChanged();
}

int DataGrid::shownRowCount() const
{
    if (!isFiltered())
        return m_table->rowCount();
    ensureLayout();
    return m_shownRows;
}

QString DataGrid::shownRowsText() const
{
    return turkishLocale().toString(shownRowCount()) + QStringLiteral(" / ") +
           turkishLocale().toString(m_table->rowCount());
}

int DataGrid::groupCount() const
{
    if (!isGrouped())
        return 0;
    ensureLayout();
    return int(m_groups.size());
}

QString DataGrid::groupKey(int group) const
{
    if (group < 0 || group >= groupCount())
        return {};
    return m_groups[size_t(group)].key;
}

QString DataGrid::groupHeading(int group) const
{
    if (group < 0 || group >= groupCount())
        return {};
    const GridColumn &c = m_columns[size_t(m_groupColumn)];
    const QString shown = c.displayed(m_groups[size_t(group)].key);
    return c.caption.isEmpty() ? shown : c.caption + QStringLiteral(": ") + shown;
}

int DataGrid::groupRowCount(int group) const
{
    if (group < 0 || group >= groupCount())
        return 0;
    return int(m_groups[size_t(group)].rows.size());
}

int DataGrid::groupFirstRow(int group) const
{
    if (group < 0 || group >= groupCount() || m_groups[size_t(group)].rows.empty())
        return -1;
    return m_groups[size_t(group)].rows.front();
}

std::vector<int> DataGrid::groupRows(int group) const
{
    if (group < 0 || group >= groupCount())
        return {};
    return m_groups[size_t(group)].rows;
}

bool DataGrid::isGroupExpanded(int group) const
{
    if (group < 0 || group >= groupCount())
        return false;
    return m_groups[size_t(group)].expanded;
}

void DataGrid::setGroupExpanded(int group, bool expanded)
{
    if (group < 0 || group >= groupCount() || m_groups[size_t(group)].expanded == expanded)
        return;
    const QString &key = m_groups[size_t(group)].key;
    if (expanded)
        m_collapsedKeys.remove(key);
    else
        m_collapsedKeys.insert(key);
    ++m_collapseGeneration;
    publishReset();
}

void DataGrid::expandAll()
{
    if (m_collapsedKeys.isEmpty())
        return;
    m_collapsedKeys.clear();
    ++m_collapseGeneration;
    publishReset();
}

void DataGrid::collapseAll()
{
    const int groups = groupCount();
    if (groups == 0)
        return;
    for (int g = 0; g < groups; ++g)
        m_collapsedKeys.insert(m_groups[size_t(g)].key);
    ++m_collapseGeneration;
    publishReset();
}

// ---- Displayed rows ----------------------------------------------------------------------------

int DataGrid::displayedRowCount() const
{
    if (!isArranged())
        return m_table->rowCount();
    ensureLayout();
    return int(m_nodes.size());
}

DisplayedRow DataGrid::displayedRow(int position) const
{
    if (position < 0 || position >= displayedRowCount())
        return {DisplayedRow::Data, -1, -1};
    if (!isArranged())
        return {DisplayedRow::Data, position, -1};
    return m_nodes[size_t(position)];
}

int DataGrid::displayedPosition(int tableRow) const
{
    if (tableRow < 0 || tableRow >= m_table->rowCount())
        return -1;
    if (!isArranged())
        return tableRow;
    ensureLayout();
    return m_positionOfRow[size_t(tableRow)];
}

QString DataGrid::displayText(int position, int column) const
{
    if (column < 0 || column >= columnCount())
        return {};
    const DisplayedRow node = displayedRow(position);
    const GridColumn &c = m_columns[size_t(column)];
    switch (node.kind) {
    case DisplayedRow::Data: {
        const int field = columnField(column);
        if (node.row < 0 || field < 0)
            return {};
        const QString &value = m_table->value(node.row, field);
        return c.displayMap.isEmpty() ? value : c.displayed(value);
    }
    case DisplayedRow::GroupHeading:
        return column == firstVisibleColumn() ? groupHeading(node.group) : QString();
    case DisplayedRow::GroupTotal:
        return groupTotalText(node.group, column);
    }
    return {};
}

bool DataGrid::makeCurrent(int position)
{
    const DisplayedRow node = displayedRow(position);
    if (node.kind != DisplayedRow::Data || node.row < 0)
        return false;
    return m_table->setCurrentRow(node.row);
}

void DataGrid::setAllChecked(int column, bool checked)
{
    const int field = column >= 0 && column < columnCount() ? columnField(column) : -1;
    if (field < 0)
        return;
    const QString value = checked ? QStringLiteral("True") : QStringLiteral("False");
    MemTable &table = *m_table;
    const SuspendedRedraw suspended(table, [&table] { table.first(); });
    table.first();
    const int rows = displayedRowCount();
    for (int p = 0; p < rows; ++p) {
        if (!makeCurrent(p))
            continue;
        table.edit();
        table.setField(field, value);
        table.post();
    }
}

// ---- Look ----------------------------------------------------------------------------------------

void DataGrid::setFont(const QFont &font)
{
    if (font == m_font)
        return;
    m_font = font;
    emit fontChanged();
}

void DataGrid::setGroupTotalColors(const QColor &background, const QColor &text)
{
    m_totalBackground = background;
    m_totalText = text;
}

// ---- Table notifications -------------------------------------------------------------------------

void DataGrid::publishReset()
{
    m_publishedFields = layoutInputs().fields;
    emit displayReset();
    emit contentChanged();
}

void DataGrid::onRowAppended(int row)
{
    if (isArranged()) {
        publishReset();
        return;
    }
    emit displayRowsInserted(row, row);
    emit contentChanged();
}

void DataGrid::onRowChanged(int)
{
    if (isArranged() && layoutInputs().fields != m_publishedFields) {
        publishReset(); // the row may have moved to another group or place, or out of the filter
        return;
    }
    emit displayDataChanged();
    emit contentChanged();
}

void DataGrid::onRowRemoved(int row)
{
    if (isArranged()) {
        publishReset();
        return;
    }
    emit displayRowsRemoved(row, row);
    emit contentChanged();
}

} // namespace tarvel
