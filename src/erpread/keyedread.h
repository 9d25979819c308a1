#pragma once

#include <QString>
#include <QStringList>

namespace tarvel {

// How sets mode reads one kind of per-row read of a run (the sets half of an
// ErpRead), described so that it can be sent for many references at once:
// the rows of a table whose key column equals a reference (a card by its
// LOGICALREF, a document's lines by INVOICEREF).
// The statement for a set of references is
//   "select " + columns [+ optional] + " from " + table
//       + " where " + key + " IN (...)" + condition + tail
struct KeyedRead {
    QString columns; // "*" or "LOGICALREF,CODE,NAME"
    QString table;   // "LG_001_ITEMS"
    QString key;     // the column the references are values of; the result must hold it
    // Columns read too when the table has them (not every ERP's table does).
    QStringList optional{};
    QString condition{}; // what else the rows meet, as appended: " AND LINETYPE='0'"; empty for nothing
    QString tail{};      // after the conditions: " group by STOCKREF"
    // The order of one reference's rows (a column the result lacks is left
    // out). Empty keeps the order of the set's statement, which reaches each
    // reference's rows the way that reference's own statement does (through
    // the same index, or none), so they come in the order it gives them.
    QStringList order{};
    // For ErpReader::lastUpTo: the latest date key (yyyyMMdd) the condition
    // reads up to; a question about a later date gets its own statement.
    QString upTo{};
};

} // namespace tarvel
