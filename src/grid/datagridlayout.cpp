// The displayed rows of an arranged grid: sort, quick filter and grouping.
#include "grid/datagrid.h"

#include "foundation/base/turkishtext.h"
#include "grid/gridsort.h"

#include <numeric>

namespace tarvel {

namespace {

std::vector<int> tableOrder(int rows)
{
    std::vector<int> order(size_t(std::max(0, rows)));
    std::iota(order.begin(), order.end(), 0);
    return order;
}

} // namespace

std::vector<int> DataGrid::searchedColumns() const
{
    // What a person reads in the row: visible columns, check boxes aside.
    std::vector<int> columns;
    for (int c = 0; c < columnCount(); ++c) {
        const GridColumn &column = m_columns[size_t(c)];
        if (column.visible && !column.checkBox && columnField(c) >= 0)
            columns.push_back(c);
    }
    return columns;
}

quint64 DataGrid::latestWrite(const std::vector<int> &fields) const
{
    // Generations come from one counter: the latest of them moves whenever
    // any of the fields is written.
    quint64 latest = 0;
    for (int f : fields)
        latest = std::max(latest, m_table->fieldGeneration(f));
    return latest;
}

DataGrid::LayoutInputs DataGrid::layoutInputs() const
{
    std::vector<int> fields;
    if (groupField() >= 0)
        fields.push_back(groupField());
    if (m_sortColumn >= 0) {
        fields.push_back(columnField(m_sortColumn));
        if (isGrouped()) {
            for (const QString &name :
                 {groupTotalOf(m_sortColumn).field, groupTotalOf(m_sortColumn).divisor}) {
                if (const int f = name.isEmpty() ? -1 : m_table->fieldIndex(name); f >= 0)
                    fields.push_back(f);
            }
        }
    }
    if (isFiltered()) {
        for (int c : searchedColumns())
            fields.push_back(columnField(c));
    }
    return {m_table->structureGeneration(),
            latestWrite(fields),
            m_columnsGeneration,
            m_collapseGeneration,
            m_groupColumn,
            m_sortColumn,
            m_sortOrder,
            m_filterNeedle};
}

const std::vector<int> &DataGrid::sortedRows(const LayoutInputs &inputs) const
{
    const int field = columnField(m_sortColumn);
    LayoutInputs mine;
    mine.structure = inputs.structure;
    mine.fields = m_table->fieldGeneration(field);
    mine.columns = inputs.columns;
    mine.sortColumn = inputs.sortColumn;
    mine.sortOrder = inputs.sortOrder;
    if (!m_sorted.empty() && mine == m_sortedInputs)
        return m_sorted;
    const GridColumn &column = m_columns[size_t(m_sortColumn)];
    const int rows = m_table->rowCount();
    std::vector<QString> texts;
    texts.reserve(size_t(rows));
    for (int r = 0; r < rows; ++r)
        texts.push_back(column.displayed(m_table->value(r, field)));
    m_sorted = sortedPositions(texts, m_sortOrder);
    m_sortedInputs = mine;
    return m_sorted;
}

const std::vector<QString> &DataGrid::searchTexts(const LayoutInputs &inputs) const
{
    const std::vector<int> searched = searchedColumns();
    std::vector<int> fields;
    std::vector<const GridColumn *> columns;
    for (int c : searched) {
        fields.push_back(columnField(c));
        columns.push_back(&m_columns[size_t(c)]);
    }
    LayoutInputs mine;
    mine.structure = inputs.structure;
    mine.fields = latestWrite(fields);
    mine.columns = inputs.columns;
    if (m_searchTexts.size() == size_t(m_table->rowCount()) && mine == m_searchInputs)
        return m_searchTexts;
    const int rows = m_table->rowCount();
    m_searchTexts.assign(size_t(rows), QString());
    for (int r = 0; r < rows; ++r) {
        QString &line = m_searchTexts[size_t(r)];
        for (size_t i = 0; i < fields.size(); ++i) {
            // A line break keeps a search from running on from one cell into the next.
            if (i > 0)
                line += u'\n';
            appendTurkishFolded(line, columns[i]->displayed(m_table->value(r, fields[i])));
        }
        line.squeeze();
    }
    m_searchInputs = mine;
    m_lastMask = {};
    return m_searchTexts;
}

std::vector<char> DataGrid::filterMask(const LayoutInputs &inputs) const
{
    const std::vector<QString> &texts = searchTexts(inputs);
    const int rows = m_table->rowCount();
    const int keyField = groupField();
    // A group's heading names what its rows share (the customer of an
    // invoice, say) even where no column shows it.
    QHash<QString, bool> headingMatches;
    const auto headingMatch = [&](int row) {
        const QString &key = m_table->value(row, keyField);
        auto it = headingMatches.constFind(key);
        if (it == headingMatches.cend()) {
            const QString shown = turkishFold(m_columns[size_t(m_groupColumn)].displayed(key));
            it = headingMatches.insert(key, shown.contains(m_filterNeedle));
        }
        return it.value();
    };

    LayoutInputs mine = m_searchInputs;
    mine.groupColumn = inputs.groupColumn;
    mine.fields = std::max(mine.fields, keyField >= 0 ? m_table->fieldGeneration(keyField) : 0);
    // Typing on narrows the rows found so far: only those need searching.
    const bool narrowing =
        m_lastMask.size() == size_t(rows) && m_lastMaskInputs.structure == mine.structure &&
        m_lastMaskInputs.fields == mine.fields && m_lastMaskInputs.columns == mine.columns &&
        m_lastMaskInputs.groupColumn == mine.groupColumn && m_filterNeedle.contains(m_lastMaskInputs.needle);
    std::vector<char> mask(size_t(rows), 0);
    for (int r = 0; r < rows; ++r) {
        if (narrowing && !m_lastMask[size_t(r)])
            continue;
        mask[size_t(r)] = texts[size_t(r)].contains(m_filterNeedle) || (keyField >= 0 && headingMatch(r));
    }
    m_lastMask = mask;
    m_lastMaskInputs = mine;
    m_lastMaskInputs.needle = m_filterNeedle;
    return mask;
}

std::vector<DataGrid::Group> DataGrid::groupsOf(const std::vector<int> &order,
                                                const std::vector<char> &shown) const
{
    const int keyField = groupField();
    std::vector<Group> groups;
    QHash<QString, int> groupOfKey;
    for (int r : order) {
        const QString key = keyField >= 0 ? m_table->value(r, keyField) : QString();
        auto it = groupOfKey.find(key);
        if (it == groupOfKey.end()) {
            it = groupOfKey.insert(key, int(groups.size()));
            groups.push_back({key, {}, !m_collapsedKeys.contains(key), 0});
        }
        if (shown.empty() || shown[size_t(r)])
            groups[size_t(it.value())].rows.push_back(r);
    }
    // Groups keep the place of their first row in the whole list; those the
    // filter empties are not displayed.
    std::erase_if(groups, [](const Group &g) { return g.rows.empty(); });
    return groups;
}

double DataGrid::rowsTotal(const GridTotal &total, const std::vector<int> &rows) const
{
    const auto sum = [&](const QString &name) {
        const int field = m_table->fieldIndex(name);
        if (field < 0)
            return 0.0;
        const std::vector<double> &values = numbers(field).values;
        double s = 0;
        for (int r : rows)
            s += values[size_t(r)];
        return s;
    };
    switch (total.kind) {
    case TotalKind::Sum:
        return sum(total.field);
    case TotalKind::RowCount:
        return double(rows.size());
    case TotalKind::Ratio: {
        const double divisor = sum(total.divisor);
        return divisor == 0 ? 0 : sum(total.field) / divisor * 100;
    }
    case TotalKind::Text:
    case TotalKind::None:
        break;
    }
    return 0;
}

void DataGrid::orderGroups(std::vector<Group> &groups) const
{
    // By the sorted column's group total where it totals a number, else by heading.
    const GridTotal &total = groupTotalOf(m_sortColumn);
    std::vector<int> positions;
    if (total.isNumber()) {
        std::vector<double> values;
        values.reserve(groups.size());
        for (const Group &g : groups)
            values.push_back(rowsTotal(total, g.rows));
        positions = sortedPositions(values, m_sortOrder);
    } else {
        const GridColumn &column = m_columns[size_t(m_groupColumn)];
        std::vector<QString> headings;
        headings.reserve(groups.size());
        for (const Group &g : groups)
            headings.push_back(column.displayed(g.key));
        positions = sortedPositions(headings, m_sortOrder);
    }
    std::vector<Group> ordered;
    ordered.reserve(groups.size());
    for (int p : positions)
        ordered.push_back(std::move(groups[size_t(p)]));
    groups = std::move(ordered);
}

void DataGrid::ensureLayout() const
{
    if (!isArranged()) {
        m_layoutValid = false;
        return;
    }
    const LayoutInputs inputs = layoutInputs();
    if (m_layoutValid && inputs == m_layoutInputs)
        return;

    const int rows = m_table->rowCount();
    const std::vector<int> order = m_sortColumn >= 0 ? sortedRows(inputs) : tableOrder(rows);
    m_shownMask = isFiltered() ? filterMask(inputs) : std::vector<char>();
    m_nodes.clear();
    m_groups.clear();
    m_positionOfRow.assign(size_t(rows), -1);
    m_groupOfRow.assign(isGrouped() ? size_t(rows) : 0, -1);
    m_shownRows = 0;

    if (isGrouped()) {
        m_groups = groupsOf(order, m_shownMask);
        if (m_sortColumn >= 0)
            orderGroups(m_groups);
        m_nodes.reserve(size_t(rows) + 2 * m_groups.size());
        for (int g = 0; g < int(m_groups.size()); ++g) {
            Group &group = m_groups[size_t(g)];
            group.headingPosition = int(m_nodes.size());
            m_nodes.push_back({DisplayedRow::GroupHeading, -1, g});
            for (int r : group.rows) {
                m_groupOfRow[size_t(r)] = g;
                if (group.expanded) {
                    m_positionOfRow[size_t(r)] = int(m_nodes.size());
                    m_nodes.push_back({DisplayedRow::Data, r, g});
                }
            }
            m_shownRows += int(group.rows.size());
            m_nodes.push_back({DisplayedRow::GroupTotal, -1, g});
        }
    } else {
        m_nodes.reserve(size_t(rows));
        for (int r : order) {
            if (!m_shownMask.empty() && !m_shownMask[size_t(r)])
                continue;
            m_positionOfRow[size_t(r)] = int(m_nodes.size());
            m_nodes.push_back({DisplayedRow::Data, r, -1});
        }
        m_shownRows = int(m_nodes.size());
    }

    m_layoutValid = true;
    m_layoutInputs = inputs;
    ++m_layoutGeneration;
}

std::vector<int> DataGrid::shownRows() const
{
    if (!isArranged())
        return tableOrder(m_table->rowCount());
    ensureLayout();
    std::vector<int> rows;
    rows.reserve(size_t(m_shownRows));
    if (isGrouped()) {
        for (const Group &g : m_groups)
            rows.insert(rows.end(), g.rows.begin(), g.rows.end());
    } else {
        for (const DisplayedRow &n : m_nodes)
            rows.push_back(n.row);
    }
    return rows;
}

} // namespace tarvel
