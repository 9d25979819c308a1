#include "analysis/materialanalysis.h"

#include "analysis/analysisnumbers.h"
#include "foundation/base/errors.h"
#include "foundation/base/numbers.h"
#include "foundation/base/sqlvalue.h"

namespace tarvel {

namespace {

AnalysisDesign materialDesign()
{
    return {.appearanceFile = QStringLiteral("malzemekarlist.velmor"),
            .documentCaption = QStringLiteral("FATURA"),
            .groupTotalText = QStringLiteral("FATURA TOPLAMLARI"),
            .groupingCaption = QStringLiteral("Fatura Başlıklarını Göster"),
            .heading = QStringLiteral("MALZEME KARLILIK ANALİZİ"),
            .vatLabelName = QStringLiteral("Label3"),
            .documentNumbers = false,
            .datedRows = true};
}

} // namespace

MaterialAnalysis::MaterialAnalysis(const ReportContext &context, QObject *parent)
    : ProfitAnalysis(materialDesign(), context, parent), m_dates(AnalysisDates::opening(QDate::currentDate()))
{
    setListsItems(true);
}

// ---- Filter lists ------------------------------------------------------------------------------

QStringList MaterialAnalysis::codes(const QString &condition)
{
    QStringList entries{QString()};
    try {
        ErpRows rows = context().query(QStringLiteral("Select * from ") +
                                       context().firmTable(QStringLiteral("SPECODES")) + condition);
        for (rows.first(); !rows.eof(); rows.next())
            entries << rows.text(QStringLiteral("SPECODE"));
    } catch (const ErpError &) {
        // Only a help for typing: the box still takes any text.
    }
    return entries;
}

void MaterialAnalysis::ozkodyukle()
{
    m_specialCodes = codes(QStringLiteral(" where CODETYPE='1' AND SPECODETYPE='1'"));
}

void MaterialAnalysis::grupkodyukle()
{
    m_groupCodes = codes(QStringLiteral(" where CODETYPE='4' AND SPECODETYPE='0'"));
}

void MaterialAnalysis::elemanekle()
{
    m_satel.fill(context(), SalesmanList::allStatement(), SalesmanList::Entries::WithoutCode);
}

// ---- Statements -----------------------------------------------------------------------------------

QString MaterialAnalysis::itemsStatement() const
{
    const QString special = sqlEscaped(m_ozkod);
    QString specialCodes;
    for (const char *column : {"SPECODE", "SPECODE2", "SPECODE3", "SPECODE4", "SPECODE5"}) {
        specialCodes += (specialCodes.isEmpty() ? QString() : QStringLiteral(" OR ")) +
                        QString::fromLatin1(column) + QStringLiteral(" LIKE '%") + special +
                        QStringLiteral("%'");
    }
    return QStringLiteral("select LOGICALREF,CODE,NAME from ") + itemTable() +
           QStringLiteral(" Where NAME LIKE '%") + sqlEscaped(m_text1) + QStringLiteral("%' AND (") +
           specialCodes + QStringLiteral(") AND STGRPCODE LIKE '%") + sqlEscaped(m_grp) +
           QStringLiteral("%'");
}

QString MaterialAnalysis::salesLinesStatement(const QString &itemRef, const QString &salesmen) const
{
    return QStringLiteral("select * from ") + stockLineTable() +
           QStringLiteral(" Where TRCODE IN(7,8) AND STOCKREF=") + sqlValue(itemRef) + m_range + salesmen;
}

// ---- The run ------------------------------------------------------------------------------------

bool MaterialAnalysis::run()
{
    bool totals = false;
    const bool started = fillRun([this, &totals] {
        const AnalysisModes modes = m_modes;
        m_range = QStringLiteral(" AND (DATE_>=") + sqlValue(m_dates.startKey()) +
                  QStringLiteral(" AND DATE_<=") + sqlValue(m_dates.endKey()) + QLatin1Char(')');
        const QString salesmen = m_satel.filterFragment();
        setVatLabel(modes.vatIncluded);
        Sums sums;
        totals = addRows(modes, salesmen, sums) == Step::Go && writeRunTotals(sums);
    });
    if (!started)
        return false;
    if (totals)
        faturagenelmaliyethesapla();
    endRun();
    return true;
}

namespace {

// Items per set of the run's reads: small enough that "Durdur" is answered
// between two sets within half a second on a large company.
constexpr int itemsPerSet = 100;

} // namespace

MaterialAnalysis::Step MaterialAnalysis::addRows(const AnalysisModes &modes, const QString &salesmen,
                                                 Sums &sums)
{
    ErpRows items = runQuery(itemsStatement());
    ErpReader reader = runReader(itemsPerSet);
    const Reads reads{
        reader.define({.columns = QStringLiteral("*"),
                       .table = stockLineTable(),
                       .key = QStringLiteral("STOCKREF"),
                       .condition = QStringLiteral(" AND TRCODE IN(7,8)") + m_range + salesmen}),
        reader.define(purchaseRead(stockLineTable(), m_dates.endKey()))};
    // Only the items that sold are costed.
    reader.onRead(reads.lines, [&reader, &reads](const ErpRows &lines) {
        const int item = columnIndex(lines.columns(), QStringLiteral("STOCKREF"));
        for (int row = 0; row < lines.rowCount(); ++row)
            reader.want(reads.purchases, referenceKey(lines.rowValues(row).at(item)));
    });
    for (items.first(); !items.eof(); items.next())
        reader.want(reads.lines, items.text(QStringLiteral("LOGICALREF")));

    pr1().setMax(items.rowCount());
    int counter = 0;
    for (items.first(); !items.eof(); items.next()) {
        betweenItems();
        pr1().setValue(++counter);
        if (stopping())
            return Step::Stop;
        const QString itemRef = items.text(QStringLiteral("LOGICALREF"));
        try {
            ErpRows lines = ask(
                [&] { return reader.rows(reads.lines, itemRef, salesLinesStatement(itemRef, salesmen)); });
            for (lines.first(); !lines.eof(); lines.next()) {
                betweenItems();
                if (stopping())
                    return Step::Stop;
                addLineRow(reader, reads, items, lines, modes, sums);
            }
        } catch (const Error &e) {
            noteFailure(e);
        }
        reader.release(reads.lines, itemRef);
        reader.release(reads.purchases, itemRef);
    }
    return stopping() ? Step::Stop : Step::Go;
}

void MaterialAnalysis::addLineRow(ErpReader &reader, const Reads &reads, const ErpRows &item,
                                  const ErpRows &line, const AnalysisModes &modes, Sums &sums)
{
    const QString itemRef = item.text(QStringLiteral("LOGICALREF"));
    const QString dateKey = datekey(line.dateTime(QStringLiteral("DATE_")).date());
    const double u = unitCost(ask([&] {
                                  return reader.lastUpTo(reads.purchases, itemRef, dateKey,
                                                         purchaseLinesStatement(itemRef, dateKey));
                              }),
                              modes.vatIncluded);
    const ErpRows reread = ask([&] {
        return reader.reread(line, saleLineColumns(false),
                             QStringLiteral("select AMOUNT AS miktar1,LINENET AS tutar1, ADDTAXAMOUNT AS "
                                            "EKVERGITUTAR, TOTAL AS toptutar1,LINETYPE AS linetip ,DISTCOST "
                                            "from ") +
                                 stockLineTable() + QStringLiteral(" where LOGICALREF=") +
                                 sqlValue(line.text(QStringLiteral("LOGICALREF"))) + m_range);
    });
    std::optional<SaleLine> sale = readSaleLine(reread);
    if (!sale)
        return;
    // The re-read leaves the VAT out: the sales line's own rate counts.
    sale->vat = float(line.number(QStringLiteral("VAT")));
    const RowDocument row{QStringLiteral("1"),
                          {},
                          {},
                          {},
                          {},
                          {},
                          documentHeading({}, line.text(QStringLiteral("DATE_")), {}, {}, {})};
    const RowAmounts amounts = appendSaleRow(l1().table(), item.text(QStringLiteral("CODE")),
                                             item.text(QStringLiteral("NAME")), *sale, u, modes, row);
    sums.sales = float(double(sums.sales) + amounts.sales);
    sums.cost = float(double(sums.cost) + amounts.cost);
    // TOP. TUTAR as the row shows it: 0 for a promotion line.
    if (!sale->promotion)
        sums.gross = float(double(sums.gross) + fmtValue(sale->distCost + amounts.sales));
}

bool MaterialAnalysis::writeRunTotals(const Sums &sums)
{
    MemTable &list = l1().table();
    // With no row there is nothing to write on, with no cost no profitability:
    // the run then ends as a stopped one does.
    if (list.rowCount() == 0 || sums.cost == 0)
        return false;
    list.setCurrentRow(list.rowCount() - 1);
    list.edit();
    list.setField(AnalysisField::nettutar, formatPlainSingle(sums.gross));
    list.setField(AnalysisField::kartop, fmt(double((sums.sales - sums.cost) / sums.cost * 100.0f)));
    list.post();
    return true;
}

void MaterialAnalysis::faturagenelmaliyethesapla()
{
    writeCostedOverall();
}

} // namespace tarvel
