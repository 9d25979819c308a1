#include "erpread/purchaseread.h"

#include "foundation/base/sqlvalue.h"

namespace tarvel {

KeyedRead purchaseRead(const QString &stockLineTable, const QString &upToKey)
{
    // Ordered by DATE_, FTIME, LOGICALREF: the order in which the per-line
    // statement returns an item's purchases on the demo company and on a
    // server that reads them through the ERP's index on item and date, so the
    // last one on or before a date is the one that statement ends with, also
    // for two purchases of one day.
    return {.columns = QStringLiteral("STOCKREF,DATE_,LOGICALREF,PRICE,VAT,VATINC,DISTCOST,LINENET,AMOUNT"),
            .table = stockLineTable,
            .key = QStringLiteral("STOCKREF"),
            .optional = {QStringLiteral("FTIME")},
            .condition =
                QStringLiteral(" AND IOCODE='1' AND LINETYPE='0' AND TRCODE<>'2' AND TRCODE<>'3' AND "
                               "TRCODE<>'13' AND DATE_<=") +
                sqlValue(upToKey),
            .order = {QStringLiteral("DATE_"), QStringLiteral("FTIME"), QStringLiteral("LOGICALREF")},
            .upTo = upToKey};
}

} // namespace tarvel
