#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

namespace tarvel {

// A reference as a key of memory: blanks trimmed, a whole number in its plain
// digits, as the server compares "12", " 12" and 12 alike.
QString referenceKey(const QString &reference);
QString referenceKey(const QVariant &value);

// Orders values as the server's ORDER BY does: NULL first, numbers by value,
// datetimes by time, other values as text (the demo ERP's datetimes are text
// that compares as the datetimes do). Negative, 0 or positive.
int compareValues(const QVariant &a, const QVariant &b);

// Whether a DATE_ value is on or before the midnight of a date key
// (yyyyMMdd), as the statement's "DATE_<='yyyyMMdd'" decides: NULL is not.
bool onOrBefore(const QVariant &date, const QString &dateKey);

// The index of a column found by name without regard to case; -1 when missing.
int columnIndex(const QStringList &columns, const QString &name);

using ValueRows = QVector<QVector<QVariant>>;

// Sorts rows stably by the columns at the given indexes (-1 entries skipped).
void sortRows(ValueRows &rows, const QVector<int> &columns);

} // namespace tarvel
