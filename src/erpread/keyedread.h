#pragma once

#include <QString>
#include <QStringList>

namespace tarvel {

// One kind of per-row read of a run, described so that it can be sent for
// many references at once: the rows of a table whose key column equals a
// reference (a card by its LOGICALREF, a document's lines by INVOICEREF).
// The statement for a set of references is
//   "select " + columns [+ optional] + " from " + table
//       + " where " + key + " IN (...)" [+ " AND " + condition] + tail
struct KeyedRead {
    QString columns; // "*" or "LOGICALREF,CODE,NAME"
    QString table;   // "LG_001_ITEMS"
    QString key;     // the column the references are values of; the result must hold it
    // Columns read too when the table has them (not every ERP's table does).
    QStringList optional{};
    QString condition{}; // what else the rows meet (joined with AND); empty for nothing
    QString tail{};      // after the conditions: " group by STOCKREF"
    // The order of one reference's rows, as its own statement gives them
    // (a column the result lacks is left out); empty keeps the result's order.
    QStringList order{};
};

} // namespace tarvel
