// Footer and group totals of a DataGrid.
#include "grid/datagrid.h"

#include "foundation/base/numbers.h"
#include "grid/cellvalue.h"

#include <cmath>

namespace tarvel {

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
    int decimals = 0;
    for (int r = 0; r < rows; ++r) {
        const QString &text = m_table->value(r, field);
        const std::optional<double> v = parseNumber(text);
        n.values[size_t(r)] = v.value_or(0.0);
        if (!v)
            continue;
        sum += *v;
        const int d = decimalsOf(text);
        decimals = d < 0 || decimals < 0 ? -1 : std::max(decimals, d);
    }
    n.sum = sum;
    n.decimals = decimals;
    n.structure = m_table->structureGeneration();
    n.generation = generation;
    return n;
}

const DataGrid::ShownSums &DataGrid::shownSums(int field) const
{
    ensureLayout();
    const NumericColumn &n = numbers(field);
    ShownSums &s = m_shownSums[field];
    if (s.layout == m_layoutGeneration && s.generation == n.generation && s.groups.size() == m_groups.size())
        return s;
    // In table order whatever the display order, so that sorting leaves every
    // total as it was to the last bit.
    s.footer = 0;
    s.groups.assign(m_groups.size(), 0.0);
    const bool grouped = isGrouped();
    const bool filtered = !m_shownMask.empty();
    for (size_t r = 0; r < n.values.size(); ++r) {
        if (filtered && !m_shownMask[r])
            continue;
        s.footer += n.values[r];
        if (grouped && m_groupOfRow[r] >= 0)
            s.groups[size_t(m_groupOfRow[r])] += n.values[r];
    }
    s.layout = m_layoutGeneration;
    s.generation = n.generation;
    return s;
}

double DataGrid::sumOf(const QString &name, int group) const
{
    const int field = m_table->fieldIndex(name);
    if (field < 0)
        return 0;
    if (group < 0)
        return isFiltered() ? shownSums(field).footer : numbers(field).sum;
    const std::vector<double> &sums = shownSums(field).groups;
    return group < int(sums.size()) ? sums[size_t(group)] : 0;
}

double DataGrid::totalValue(const GridTotal &total, int group) const
{
    switch (total.kind) {
    case TotalKind::Sum:
        return sumOf(total.field, group);
    case TotalKind::RowCount:
        return group < 0 ? shownRowCount() : groupRowCount(group);
    case TotalKind::Ratio: {
        const double divisor = sumOf(total.divisor, group);
        const double ratio = divisor == 0 ? 0 : sumOf(total.field, group) / divisor * 100;
        return std::isfinite(ratio) ? ratio : 0;
    }
    case TotalKind::Text:
    case TotalKind::None:
        break;
    }
    return 0;
}

QString DataGrid::totalText(const GridTotal &total, int group) const
{
    switch (total.kind) {
    case TotalKind::Sum: {
        // A sum of cells with two decimals has two decimals: what doubles
        // add beyond them is noise, not part of the total.
        const int field = m_table->fieldIndex(total.field);
        const int decimals = field < 0 ? -1 : numbers(field).decimals;
        return formatTotal(roundToDecimals(totalValue(total, group), decimals), total.pattern);
    }
    case TotalKind::RowCount:
    case TotalKind::Ratio:
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

const GridTotal &DataGrid::footerOf(int column) const
{
    const GridColumn &c = m_columns[size_t(column)];
    return isFiltered() && c.footerFiltered.kind != TotalKind::None ? c.footerFiltered : c.footer;
}

const GridTotal &DataGrid::groupTotalOf(int column) const
{
    const GridColumn &c = m_columns[size_t(column)];
    return isFiltered() && c.groupTotalFiltered.kind != TotalKind::None ? c.groupTotalFiltered : c.groupTotal;
}

double DataGrid::footerValue(int column) const
{
    if (column < 0 || column >= columnCount())
        return 0;
    return totalValue(footerOf(column), -1);
}

QString DataGrid::footerText(int column) const
{
    if (column < 0 || column >= columnCount())
        return {};
    return totalText(footerOf(column), -1);
}

double DataGrid::groupTotalValue(int group, int column) const
{
    if (column < 0 || column >= columnCount() || group < 0 || group >= groupCount())
        return 0;
    return totalValue(groupTotalOf(column), group);
}

QString DataGrid::groupTotalText(int group, int column) const
{
    if (column < 0 || column >= columnCount() || group < 0 || group >= groupCount())
        return {};
    return totalText(groupTotalOf(column), group);
}

} // namespace tarvel
