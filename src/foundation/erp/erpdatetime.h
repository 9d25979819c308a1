#pragma once

// Internal to the foundation: datetimes stored as text, read by ErpRows and by
// the SQLite backend.

#include <QDateTime>
#include <QString>

namespace tarvel {

// The demo ERP keeps datetimes as 'yyyyMMdd' or 'yyyyMMdd hh:mm:ss' so that they
// compare as text exactly as SQL Server compares datetimes. ISO texts are taken
// too. Anything else gives an invalid QDateTime.
QDateTime parseErpDateTime(const QString &raw);

} // namespace tarvel
