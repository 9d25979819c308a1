#pragma once

// What a list holds, for comparisons in tests: one field of every row in
// stored order.
//
//   QCOMPARE(test::fieldValues(report.l2(), "fisno"), QStringList({"IRS-101", "IRS-102"}));

#include "grid/datagrid.h"

#include <QStringList>

namespace tarvel::test {

inline QStringList fieldValues(const DataGrid &grid, const QString &field)
{
    QStringList values;
    const MemTable &t = grid.table();
    const int f = t.fieldIndex(field);
    for (int r = 0; r < t.rowCount(); ++r)
        values << t.value(r, f);
    return values;
}

} // namespace tarvel::test
