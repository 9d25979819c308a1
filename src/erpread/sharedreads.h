#pragma once

#include "erpread/erpread.h"

namespace tarvel {

// The reads several reports share, each declared once for both reading modes.

// An active customer card (CLCARD, ACTIVE 0) by its LOGICALREF: the customer
// of a waybill the loading report adds, of a document a picker lists.
ErpRead activeCardRead(const QString &cardTable);

// The analyses' purchase lines of an item up to a date key, asked with
// ErpReader::lastUpTo: read in sets up to upToKey (the latest date a run asks
// about); the last line counts.
enum class PurchaseStatement {
    Plain,     // the order and material analyses' statement
    Bracketed, // the invoice analysis's, its conditions in brackets
};
ErpRead purchaseRead(const QString &stockLineTable, const QString &upToKey, PurchaseStatement statement);

} // namespace tarvel
