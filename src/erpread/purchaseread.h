#pragma once

#include "erpread/keyedread.h"

namespace tarvel {

// The purchase lines of items up to a date key (the latest date a run asks
// about), read in sets and asked with ErpReader::lastUpTo: the set twin of the
// analyses' per-line purchase statement, with the same conditions.
KeyedRead purchaseRead(const QString &stockLineTable, const QString &upToKey);

} // namespace tarvel
