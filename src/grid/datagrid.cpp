#include "grid/datagrid.h"

#include "foundation/base/numbers.h"
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
    emit columnsChanged();
    // Heading texts sit in the first visible column.
    emit displayDataChanged();
    emit contentChanged();
}

void DataGrid::setColumnCaption(int position, const QString &caption)
{
    if (position < 0 || position >= columnCount())
        return;
    m_columns[size_t(position)].caption = caption;
    emit columnsChanged();
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
    emit columnsChanged();
    emit contentChanged();
}

void DataGrid::setColumnGroupTotal(int position, const GridTotal &total)
{
    if (position < 0 || position >= columnCount())
        return;
    m_columns[size_t(position)].groupTotal = total;
    emit columnsChanged();
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

void DataGrid::ensureLayout() const
{
    if (m_groupColumn < 0) {
        m_layoutValid = false;
        return;
    }
    const int keyField = groupField();
    const quint64 keys = keyField >= 0 ? m_table->fieldGeneration(keyField) : 0;
    if (m_layoutValid && m_layoutColumn == m_groupColumn &&
        m_layoutStructure == m_table->structureGeneration() && m_layoutKeys == keys &&
        m_layoutCollapse == m_collapseGeneration)
        return;

    const int rows = m_table->rowCount();
    m_groups.clear();
    QHash<QString, int> groupOfKey;
    for (int r = 0; r < rows; ++r) {
        const QString key = keyField >= 0 ? m_table->value(r, keyField) : QString();
        auto it = groupOfKey.find(key);
        if (it == groupOfKey.end()) {
            it = groupOfKey.insert(key, int(m_groups.size()));
            m_groups.push_back({key, {}, !m_collapsedKeys.contains(key), 0});
        }
        m_groups[size_t(it.value())].rows.push_back(r);
    }

    m_nodes.clear();
    m_nodes.reserve(size_t(rows) + 2 * m_groups.size());
    m_positionOfRow.assign(size_t(rows), -1);
    for (int g = 0; g < int(m_groups.size()); ++g) {
        Group &group = m_groups[size_t(g)];
        group.headingPosition = int(m_nodes.size());
        m_nodes.push_back({DisplayedRow::GroupHeading, -1, g});
        if (group.expanded) {
            for (int r : group.rows) {
                m_positionOfRow[size_t(r)] = int(m_nodes.size());
                m_nodes.push_back({DisplayedRow::Data, r, g});
            }
        }
        m_nodes.push_back({DisplayedRow::GroupTotal, -1, g});
    }

    m_layoutValid = true;
    m_layoutColumn = m_groupColumn;
    m_layoutStructure = m_table->structureGeneration();
    m_layoutKeys = keys;
    m_layoutCollapse = m_collapseGeneration;
    ++m_layoutGeneration;
}

int DataGrid::groupCount() const
{
    ensureLayout();
    return isGrouped() ? int(m_groups.size()) : 0;
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
    if (!isGrouped())
        return m_table->rowCount();
    ensureLayout();
    return int(m_nodes.size());
}

DisplayedRow DataGrid::displayedRow(int position) const
{
    if (position < 0 || position >= displayedRowCount())
        return {DisplayedRow::Data, -1, -1};
    if (!isGrouped())
        return {DisplayedRow::Data, position, -1};
    return m_nodes[size_t(position)];
}

int DataGrid::displayedPosition(int tableRow) const
{
    if (tableRow < 0 || tableRow >= m_table->rowCount())
        return -1;
    if (!isGrouped())
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

// ---- Totals --------------------------------------------------------------------------------------

const DataGrid::NumericColumn &DataGrid::numbers(int field) const
{
    NumericColumn &n = m_numbers[field];
    const quint64 generation = m_table->fieldGeneration(field);
    if (n.structure == m_table->structureGeneration() && n.generation == generation)
        return n;
    // Cells are parsed once per change of the field; sums then add doubles.
    const int rows = m_table->rowCount();
    n.values.resize(size_t(rows));
    double sum = 0;
    for (int r = 0; r < rows; ++r) {
        const double v = numberOrZero(m_table->value(r, field));
        n.values[size_t(r)] = v;
        sum += v;
    }
    n.sum = sum;
    n.structure = m_table->structureGeneration();
    n.generation = generation;
    return n;
}

const std::vector<double> &DataGrid::groupSums(int field) const
{
    ensureLayout();
    const NumericColumn &n = numbers(field);
    GroupSums &s = m_groupSums[field];
    if (s.layout == m_layoutGeneration && s.generation == n.generation && s.sums.size() == m_groups.size())
        return s.sums;
    s.sums.assign(m_groups.size(), 0.0);
    for (size_t g = 0; g < m_groups.size(); ++g) {
        double sum = 0;
        for (int r : m_groups[g].rows)
            sum += n.values[size_t(r)];
        s.sums[g] = sum;
    }
    s.layout = m_layoutGeneration;
    s.generation = n.generation;
    return s.sums;
}

double DataGrid::totalValue(const GridTotal &total, int group) const
{
    switch (total.kind) {
    case TotalKind::Sum: {
        const int field = m_table->fieldIndex(total.field);
        if (field < 0)
            return 0;
        if (group < 0)
            return numbers(field).sum;
        const std::vector<double> &sums = groupSums(field);
        return group < int(sums.size()) ? sums[size_t(group)] : 0;
    }
    case TotalKind::RowCount:
        return group < 0 ? m_table->rowCount() : groupRowCount(group);
    case TotalKind::Text:
    case TotalKind::None:
        break;
    }
    return 0;
}

QString DataGrid::totalText(const GridTotal &total, int group) const
{
    switch (total.kind) {
    case TotalKind::Sum:
    case TotalKind::RowCount:
        return formatTotal(totalValue(total, group), total.pattern);
    case TotalKind::Text:
        return total.text;
    case TotalKind::None:
        break;
    }
    return {};
}

bool DataGrid::hasFooter() const
{
    for (const auto &c : m_columns) {
        if (c.footer.kind != TotalKind::None)
            return true;
    }
    return false;
}

double DataGrid::footerValue(int column) const
{
    if (column < 0 || column >= columnCount())
        return 0;
    return totalValue(m_columns[size_t(column)].footer, -1);
}

QString DataGrid::footerText(int column) const
{
    if (column < 0 || column >= columnCount())
        return {};
    return totalText(m_columns[size_t(column)].footer, -1);
}

double DataGrid::groupTotalValue(int group, int column) const
{
    if (column < 0 || column >= columnCount() || group < 0 || group >= groupCount())
        return 0;
    return totalValue(m_columns[size_t(column)].groupTotal, group);
}

QString DataGrid::groupTotalText(int group, int column) const
{
    if (column < 0 || column >= columnCount() || group < 0 || group >= groupCount())
        return {};
    return totalText(m_columns[size_t(column)].groupTotal, group);
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
    const int keyField = groupField();
    m_publishedKeys = keyField >= 0 ? m_table->fieldGeneration(keyField) : 0;
    emit displayReset();
    emit contentChanged();
}

void DataGrid::onRowAppended(int row)
{
    if (isGrouped()) {
        publishReset();
        return;
    }
    emit displayRowsInserted(row, row);
    emit contentChanged();
}

void DataGrid::onRowChanged(int)
{
    const int keyField = groupField();
    if (keyField >= 0 && m_table->fieldGeneration(keyField) != m_publishedKeys) {
        publishReset(); // the row may have moved to another group
        return;
    }
    emit displayDataChanged();
    emit contentChanged();
}

void DataGrid::onRowRemoved(int row)
{
    if (isGrouped()) {
        publishReset();
        return;
    }
    emit displayRowsRemoved(row, row);
    emit contentChanged();
}

} // namespace tarvel
