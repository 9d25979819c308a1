#include "erpread/sharedreads.h"

#include "foundation/base/sqlvalue.h"

namespace tarvel {

ErpRead activeCardRead(const QString &cardTable)
{
    return {.sets = {.columns = QStringLiteral("*"),
                     .table = cardTable,
                     .key = QStringLiteral("LOGICALREF"),
                     .condition = QStringLiteral(" AND ACTIVE='0'")},
            .verbatim = [cardTable](const QString &ref) -> QString {
                return QStringLiteral("select * from ") + cardTable +
                       QStringLiteral(" where ACTIVE='0' and LOGICALREF=") + sqlValue(ref);
            }};
}

ErpRead purchaseRead(const QString &stockLineTable, const QString &upToKey, PurchaseStatement statement)
{
    // Ordered by DATE_, FTIME, LOGICALREF: the order in which the per-line
    // statement returns an item's purchases on the demo company and on a
    // server that reads them through the ERP's index on item and date, so the
    // last one on or before a date is the one that statement ends with, also
    // for two purchases of one day.
    return {
        .sets = {.columns =
                     QStringLiteral("STOCKREF,DATE_,LOGICALREF,PRICE,VAT,VATINC,DISTCOST,LINENET,AMOUNT"),
                 .table = stockLineTable,
                 .key = QStringLiteral("STOCKREF"),
                 .optional = {QStringLiteral("FTIME")},
                 .condition = QStringLiteral(" AND IOCODE='1' AND LINETYPE='0' AND TRCODE<>'2' AND "
                                             "TRCODE<>'3' AND TRCODE<>'13' AND DATE_<=") +
                              sqlValue(upToKey),
                 .order = {QStringLiteral("DATE_"), QStringLiteral("FTIME"), QStringLiteral("LOGICALREF")},
                 .upTo = upToKey},
        .verbatimUpTo = [stockLineTable, statement](const QString &ref, const QString &dateKey) -> QString {
            const QString select =
                QStringLiteral("select PRICE,VAT,VATINC,DISTCOST,LINENET,AMOUNT from ") + stockLineTable;
            if (statement == PurchaseStatement::Bracketed)
                return select +
                       QStringLiteral(" where (IOCODE='1' AND LINETYPE='0') AND (TRCODE<>'2' AND "
                                      "TRCODE<>'3' AND TRCODE<>'13') AND (STOCKREF=") +
                       sqlValue(ref) + QStringLiteral(" AND DATE_<=") + sqlValue(dateKey) + QLatin1Char(')');
            return select +
                   QStringLiteral(" where IOCODE='1' AND LINETYPE='0' AND TRCODE<>'2' AND TRCODE<>'3' AND "
                                  "TRCODE<>'13' AND STOCKREF=") +
                   sqlValue(ref) + QStringLiteral(" AND DATE_<=") + sqlValue(dateKey);
        }};
}

} // namespace tarvel
