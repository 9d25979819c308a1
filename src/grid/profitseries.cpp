#include "grid/profitseries.h"

#include "grid/cellvalue.h"
#include "grid/datagrid.h"

#include <QHash>

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>

namespace tarvel {

namespace {

// A field's cell as the list shows it (through the mapping of its column, if one shows it).
class FieldReader {
public:
    FieldReader(const DataGrid &grid, const QString &name)
        : m_table(grid.table()), m_field(name.isEmpty() ? -1 : grid.table().fieldIndex(name))
    {
        const int column = grid.columnOfField(name);
        if (column >= 0)
            m_column = &grid.column(column);
    }
    bool exists() const { return m_field >= 0; }
    QString text(int row) const
    {
        if (m_field < 0)
            return {};
        const QString &value = m_table.value(row, m_field);
        return m_column ? m_column->displayed(value) : value;
    }
    double number(int row) const { return cellNumber(text(row)).value_or(0.0); }

private:
    const MemTable &m_table;
    int m_field;
    const GridColumn *m_column = nullptr;
};

// The date a cell holds: alone, or as one part of a " - " separated heading
// (the first such part).
std::optional<QDate> dayIn(const QString &text)
{
    if (const auto day = cellDate(text))
        return day;
    const QString separator = QStringLiteral(" - ");
    for (const QStringView part : QStringView(text).split(separator)) {
        if (const auto day = cellDate(part.toString()))
            return day;
    }
    return std::nullopt;
}

} // namespace

std::vector<ProfitBar> largestProfits(const DataGrid &grid, const ProfitFields &fields, int count)
{
    const FieldReader label(grid, fields.label);
    const FieldReader profit(grid, fields.profit);
    const FieldReader profitability(grid, fields.profitability);
    const FieldReader cost(grid, fields.cost);

    struct Sum {
        QString label;
        double profit = 0;
        double cost = 0;
        double profitability = 0;
        int order = 0;
    };
    std::vector<Sum> sums;
    QHash<QString, int> indexOf;
    // In table order, so that sums do not depend on the screen's sort.
    std::vector<int> rows = grid.shownRows();
    std::sort(rows.begin(), rows.end());
    for (int r : rows) {
        const QString name = label.text(r);
        auto it = indexOf.find(name);
        if (it == indexOf.end()) {
            it = indexOf.insert(name, int(sums.size()));
            sums.push_back({name, 0, 0, 0, int(sums.size())});
        }
        Sum &s = sums[size_t(it.value())];
        s.profit += profit.number(r);
        s.cost += cost.number(r);
        if (const auto p = cellNumber(profitability.text(r)))
            s.profitability = *p;
    }
    std::stable_sort(sums.begin(), sums.end(),
                     [](const Sum &a, const Sum &b) { return std::abs(a.profit) > std::abs(b.profit); });
    if (count >= 0 && sums.size() > size_t(count))
        sums.resize(size_t(count));

    std::vector<ProfitBar> bars;
    bars.reserve(sums.size());
    for (const Sum &s : sums) {
        double ratio = s.profitability;
        if (cost.exists())
            ratio = s.cost == 0 ? 0 : s.profit / s.cost * 100;
        bars.push_back({s.label, roundToDecimals(s.profit, 2), std::isfinite(ratio) ? ratio : 0});
    }
    return bars;
}

std::vector<DayProfit> profitPerDay(const DataGrid &grid, const ProfitFields &fields)
{
    const FieldReader date(grid, fields.date);
    const FieldReader profit(grid, fields.profit);
    std::map<QDate, double> days;
    std::vector<int> rows = grid.shownRows();
    std::sort(rows.begin(), rows.end());
    for (int r : rows) {
        if (const auto day = dayIn(date.text(r)))
            days[*day] += profit.number(r);
    }
    std::vector<DayProfit> result;
    result.reserve(days.size());
    for (const auto &[day, sum] : days)
        result.push_back({day, roundToDecimals(sum, 2)});
    return result;
}

} // namespace tarvel
