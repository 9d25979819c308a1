#include "analysis/invoiceanalysis.h"

#include "analysis/analysisnumbers.h"
#include "foundation/base/errors.h"
#include "foundation/base/sqlvalue.h"

namespace tarvel {

namespace {

AnalysisDesign invoiceDesign()
{
    return {.appearanceFile = QStringLiteral("satkarlist.velmor"),
            .documentCaption = QStringLiteral("FATURA"),
            .groupTotalText = QStringLiteral("FATURA TOPLAMLARI"),
            .groupingCaption = QStringLiteral("Fatura Başlıklarını Göster"),
            .heading = QStringLiteral("SATIŞ FATURALARI KARLILIK ANALİZİ"),
            .vatLabelName = QStringLiteral("Label3"),
            .salesman = true,
            .documentTypeNames = true};
}

} // namespace

InvoiceAnalysis::InvoiceAnalysis(const ReportContext &context, QObject *parent)
    : DocumentAnalysis(invoiceDesign(), context, parent),
      m_dates(AnalysisDates::opening(QDate::currentDate()))
{
}

QString InvoiceAnalysis::linesStatement(const QString &ref) const
{
    return QStringLiteral("select * from ") + stockLineTable() + QStringLiteral(" Where INVOICEREF=") +
           sqlValue(ref);
}

KeyedRead InvoiceAnalysis::linesRead() const
{
    return {.columns = QStringLiteral("*"), .table = stockLineTable(), .key = QStringLiteral("INVOICEREF")};
}

QString InvoiceAnalysis::purchaseStatement(const QString &cardRef, const QString &dateKey) const
{
    return QStringLiteral("select PRICE,VAT,VATINC,DISTCOST,LINENET,AMOUNT from ") + stockLineTable() +
           QStringLiteral(" where (IOCODE='1' AND LINETYPE='0') AND (TRCODE<>'2' AND TRCODE<>'3' AND "
                          "TRCODE<>'13') AND (STOCKREF=") +
           sqlValue(cardRef) + QStringLiteral(" AND DATE_<=") + sqlValue(dateKey) + QLatin1Char(')');
}

QString InvoiceAnalysis::rereadStatement(const QString &lineRef) const
{
    return QStringLiteral(
               "select VATINC,VAT,AMOUNT AS miktar1,LINENET AS tutar1, ADDTAXAMOUNT AS EKVERGITUTAR, "
               "TOTAL AS toptutar1,LINETYPE AS linetip ,DISTCOST from ") +
           stockLineTable() + QStringLiteral(" where LOGICALREF=") + sqlValue(lineRef);
}

// ---- Item run ----------------------------------------------------------------------------------

namespace {
// The outgoing lines the item run counts as sold: retail and wholesale sales.
const QString salesLines = QStringLiteral("IOCODE='4' AND TRCODE IN(7,8)");
} // namespace

bool InvoiceAnalysis::analizyukle()
{
    return itemRun(QStringLiteral("select LOGICALREF,CODE,NAME from ") + itemTable());
}

bool InvoiceAnalysis::analizurunara(const QString &text)
{
    return itemRun(QStringLiteral("select LOGICALREF,CODE,NAME from ") + itemTable() +
                   QStringLiteral(" Where NAME LIKE '%") + sqlEscaped(text) + QStringLiteral("%'"));
}

bool InvoiceAnalysis::itemRun(const QString &itemsStatement)
{
    const bool started = fillRun([this, &itemsStatement] {
        // The dates may change while the run goes on: it keeps those it began with.
        const QString range = QStringLiteral(" AND DATE_>=") + sqlValue(m_dates.startKey()) +
                              QStringLiteral(" AND DATE_<=") + sqlValue(m_dates.endKey());
        ErpRows items = runQuery(itemsStatement);
        ErpReader reader = runReader();
        const ItemReads reads{
            reader.define({.columns = QStringLiteral("STOCKREF,PRICE,VAT,VATINC"),
                           .table = stockLineTable(),
                           .key = QStringLiteral("STOCKREF"),
                           .condition = QStringLiteral(" AND IOCODE='1'") + range}),
            reader.define({.columns = QStringLiteral("STOCKREF,sum(AMOUNT) AS miktar1,sum(TOTAL) AS tutar1"),
                           .table = stockLineTable(),
                           .key = QStringLiteral("STOCKREF"),
                           .condition = QStringLiteral(" AND ") + salesLines + range,
                           .tail = QStringLiteral(" group by STOCKREF")})};
        for (items.first(); !items.eof(); items.next()) {
            reader.want(reads.prices, items.text(QStringLiteral("LOGICALREF")));
            reader.want(reads.sold, items.text(QStringLiteral("LOGICALREF")));
        }
        pr1().setMax(items.rowCount());
        int ordinal = 0;
        for (items.first(); !items.eof(); items.next()) {
            betweenItems();
            if (stopping())
                break;
            pr1().setValue(++ordinal);
            try {
                addItemRow(reader, reads, items, range);
            } catch (const Error &e) {
                noteFailure(e);
            }
            reader.release(reads.prices, items.text(QStringLiteral("LOGICALREF")));
            reader.release(reads.sold, items.text(QStringLiteral("LOGICALREF")));
        }
    });
    if (!started)
        return false;
    setListsItems(true);
    setGrouped(false);
    setColumnsVisible({AnalysisColumn::toptutar, AnalysisColumn::fatbilgi, AnalysisColumn::indirimtop},
                      false);
    endRun();
    return true;
}

void InvoiceAnalysis::addItemRow(ErpReader &reader, const ItemReads &reads, const ErpRows &item,
                                 const QString &range)
{
    const QString itemRef = item.text(QStringLiteral("LOGICALREF"));
    const QString ref = sqlValue(itemRef);

    ErpRows price = ask([&] {
        return reader.rows(reads.prices, itemRef,
                           QStringLiteral("select PRICE,VAT,VATINC from ") + stockLineTable() +
                               QStringLiteral(" where IOCODE='1'") + range +
                               QStringLiteral(" AND STOCKREF=") + ref);
    });
    double netPrice = 0;
    price.last();
    if (!price.eof()) {
        const double p = price.number(QStringLiteral("PRICE"));
        const bool withVat = price.text(QStringLiteral("VATINC")) == QLatin1String("1");
        netPrice = withVat ? p / vatFactor(float(price.number(QStringLiteral("VAT")))) : p;
    }

    // Sales lines only, as the material run counts them: scrap, transfers and
    // other outgoing lines sold nothing. Sets hold no row for an item that
    // did not sell; its own statement gives a row of NULLs.
    const ErpRows sold = ask([&] {
        return reader.rows(reads.sold, itemRef,
                           QStringLiteral("select sum(AMOUNT) AS miktar1,sum(TOTAL) AS tutar1 from ") +
                               stockLineTable() + QStringLiteral(" where ") + salesLines + range +
                               QStringLiteral(" AND STOCKREF=") + ref);
    });
    if (sold.eof() || sold.isNull(QStringLiteral("tutar1")))
        return; // did not sell in the range
    const double quantity = sold.number(QStringLiteral("miktar1"));
    const double amount = fmtValue(sold.number(QStringLiteral("tutar1")));
    const double cost = fmtValue(quantity * netPrice);
    const double profit = fmtValue(amount - cost);

    MemTable &list = l1().table();
    list.append();
    list.setField(AnalysisField::sira, QString::number(list.rowCount()));
    list.setField(AnalysisField::kod, item.text(QStringLiteral("CODE")));
    list.setField(AnalysisField::ack, item.text(QStringLiteral("NAME")));
    list.setField(AnalysisField::miktar, fmt(quantity));
    list.setField(AnalysisField::tutar, fmt(amount));
    list.setField(AnalysisField::maliyet, fmt(cost));
    list.setField(AnalysisField::fark, fmt(profit));
    list.setField(AnalysisField::kar, fmt(profitability(profit, cost)));
    list.post();
}

} // namespace tarvel
