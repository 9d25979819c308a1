#pragma once

#include <QString>

struct sqlite3;

namespace tarvel {

// LIKE as the ERP's SQL Server compares it under its Turkish case-insensitive
// collation: no case, with the Turkish letter pairs I/ı and İ/i; % any run,
// _ one character, [set] and [^set] (with ranges a-z), and an optional escape
// character. A search typed in lower case finds what the ERP holds in capitals,
// as it does on the real server.
bool turkishLike(const QString &pattern, const QString &value, QChar escape = QChar());

// Registers turkishLike as like(pattern, value[, escape]) on an SQLite
// connection, so the statements' LIKE compares the same way on the embedded ERP.
bool registerTurkishLike(sqlite3 *db);

} // namespace tarvel
