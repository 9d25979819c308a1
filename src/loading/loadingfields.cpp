#include "loading/loadingfields.h"

#include "grid/datagrid.h"

namespace tarvel {

int loadingColumnIndex(const QString &field)
{
    const QList<LoadingColumn> &columns = loadingColumns();
    int index = 0;
    while (index < columns.size() && columns.at(index).field != field)
        ++index;
    Q_ASSERT_X(index < columns.size(), "loadingColumnIndex", "no such field of the loading list");
    return index;
}

void buildLoadingList(DataGrid &grid)
{
    MemTable &t = grid.table();
    const QList<LoadingColumn> &columns = loadingColumns();
    for (const LoadingColumn &column : columns)
        t.addField(column.field, column.maxLength);
    t.setKeyField(LoadingField::sira);
    for (int c = 0; c < columns.size(); ++c) {
        const LoadingColumn &column = columns.at(c);
        grid.addColumn({.objectName = QStringLiteral("DBGridColumn%1").arg(c + 1),
                        .caption = column.caption,
                        .field = column.field,
                        .width = column.width,
                        .alignment = column.alignment,
                        .footer = column.footer,
                        .readOnly = true});
    }
}

LoadingRow::LoadingRow() : m_values(loadingColumns().size()) {}

LoadingRow::LoadingRow(std::initializer_list<QPair<QString, QString>> texts) : LoadingRow()
{
    for (const auto &[field, text] : texts)
        set(field, text);
}

QList<QPair<QString, QString>> boxFieldValues(const LoadingCustomer &customer, const LoadingTotals &totals)
{
    QList<QPair<QString, QString>> values;
    for (const auto &field : customerFields())
        values.append({field.name, customer.*field.member});
    for (const auto &field : totalFields())
        values.append({field.name, totals.*field.member});
    return values;
}

} // namespace tarvel
