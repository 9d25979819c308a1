#pragma once

#include <QString>

namespace tarvel {

// The one place where a value goes into a statement: it is put between
// apostrophes and every apostrophe inside it is doubled, so O'Neil is stored and
// searched as typed and can never end the literal early.
//   "... where LOGICALREF=" + sqlValue(ref)   ->   ... where LOGICALREF='12'
QString sqlValue(const QString &value);

// The same doubling without the surrounding apostrophes, for values that sit
// inside a literal the statement writes itself (LIKE '%' + x + '%').
QString sqlEscaped(const QString &value);

} // namespace tarvel
