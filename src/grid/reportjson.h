#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

namespace tarvel {

class DataGrid;

// What every report of tarvel-report prints: its lists and the screen's other
// fields, as one JSON document (UTF-8):
//   {"lists": {"l1": {"rows": [{field: text, ...}, ...],
//                     "footer": {field: text, ...},
//                     "groups": [{"heading": text, "totals": {field: text}}]},
//              ...},
//    "fields": {"unvn": text, ...}}
// Rows hold every field of the table with the text the list stores, in the
// order the list displays them (rows of a collapsed group too, only the rows
// a quick filter lets through); footer and
// group totals are those of the visible columns, as the grid shows them,
// keyed by the field they total (a fixed text or a row count by its column's
// field) and hold the text the grid shows. "groups" is empty
// when the list is not grouped. Keys keep the order given (fields in table
// order), so the output diffs well against golden files.
class ReportJson {
public:
    void addList(const QString &name, const DataGrid &grid);
    void addField(const QString &name, const QString &value);
    QByteArray toJson() const;

private:
    QList<QPair<QString, const DataGrid *>> m_lists;
    QList<QPair<QString, QString>> m_fields;
};

} // namespace tarvel
