#include "listview.h"

#include "foundation/base/oneline.h"
#include "grid/datagrid.h"

#include <QStringList>

#include <algorithm>

namespace tarvel::cli {

namespace {

// Visible columns bound to a field of the rows: what a caption click sorts.
QList<int> sortableColumns(const DataGrid &list)
{
    QList<int> columns = list.visibleColumns();
    columns.removeIf([&list](int column) { return list.columnField(column) < 0; });
    return columns;
}

} // namespace

Result<void> arrangeList(DataGrid &list, const QString &sort, const QString &filter)
{
    if (!sort.isEmpty()) {
        const qsizetype colon = sort.lastIndexOf(QLatin1Char(':'));
        const QString field = colon < 0 ? sort : sort.left(colon);
        const QString order = colon < 0 ? QString() : sort.mid(colon + 1);
        if (!order.isEmpty() && order != QLatin1String("asc") && order != QLatin1String("desc"))
            return Error(QStringLiteral("--sort sıralamayı \"asc\" ya da \"desc\" ile alır, \"%1\" değil")
                             .arg(escapedControls(order)));
        const QList<int> columns = sortableColumns(list);
        const auto column = std::find_if(columns.begin(), columns.end(),
                                         [&](int c) { return list.column(c).field == field; });
        if (column == columns.end()) {
            QStringList fields;
            for (const int c : columns)
                fields << list.column(c).field;
            return Error(QStringLiteral("--sort: listede \"%1\" alanı yok; sıralanabilen alanlar: %2")
                             .arg(escapedControls(field), fields.join(QStringLiteral(", "))));
        }
        list.setSort(*column, order == QLatin1String("desc") ? Qt::DescendingOrder : Qt::AscendingOrder);
    }
    list.setFilterText(filter);
    return {};
}

} // namespace tarvel::cli
