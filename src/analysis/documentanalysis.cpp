#include "analysis/documentanalysis.h"

#include "analysis/analysisnumbers.h"
#include "analysis/analysisrow.h"
#include "documents/handover.h"
#include "erpread/purchaseread.h"
#include "foundation/base/errors.h"
#include "foundation/base/numbers.h"
#include "foundation/base/sqlvalue.h"

#include <QDate>
#include <QScopeGuard>
#include <optional>

namespace tarvel {

namespace {

// The picker shows dates as dd.MM.yyyy, with the time of day when it is not midnight.
QString dateKeyOfText(const QString &text)
{
    const QDate date = QDate::fromString(text.left(10), QStringLiteral("dd.MM.yyyy"));
    return date.isValid() ? datekey(date) : QString();
}

// The type name in a document's heading, from a table of 21 types: the
// invoice analysis names types 7 and 8, every other entry (and every entry
// of the order analysis) is empty. Nothing for a type outside 0 to 20 or no
// number: the heading then stays empty.
std::optional<QString> typeName(const QString &tip, bool namesTypes)
{
    bool ok = false;
    const int index = tip.trimmed().toInt(&ok);
    if (!ok || index < 0 || index > 20)
        return std::nullopt;
    if (namesTypes && index == 7)
        return QStringLiteral("Parakende Fatura");
    if (namesTypes && index == 8)
        return QStringLiteral("Toptan Fatura");
    return QString();
}

} // namespace

DocumentAnalysis::DocumentAnalysis(AnalysisDesign design, const ReportContext &context, QObject *parent)
    : ProfitAnalysis(std::move(design), context, parent)
{
}

void DocumentAnalysis::expectDocuments(const PickedDocuments &documents)
{
    m_reads = std::make_unique<Reads>(runReader());
    ErpReader &reader = m_reads->reader;
    // Purchases are read up to the latest document's date.
    QString latest;
    for (const PickedDocument &document : documents)
        latest = qMax(latest, dateKeyOfText(document.tarih));
    Reads &reads = *m_reads;
    reads.lines = reader.define(linesRead());
    reads.items = reader.define({.columns = QStringLiteral("LOGICALREF,CODE,NAME"),
                                 .table = itemTable(),
                                 .key = QStringLiteral("LOGICALREF")});
    reads.services = reader.define({.columns = QStringLiteral("LOGICALREF,CODE,DEFINITION_"),
                                    .table = context().firmTable(QStringLiteral("SRVCARD")),
                                    .key = QStringLiteral("LOGICALREF")});
    reads.purchases = reader.define(purchaseRead(stockLineTable(), latest));
    reader.onRead(reads.lines, [&reads](const ErpRows &lines) {
        const int card = columnIndex(lines.columns(), QStringLiteral("STOCKREF"));
        const int type = columnIndex(lines.columns(), QStringLiteral("LINETYPE"));
        for (int row = 0; row < lines.rowCount(); ++row) {
            const QVector<QVariant> &line = lines.rowValues(row);
            const QString ref = referenceKey(line.at(card));
            const bool service = type >= 0 && referenceKey(line.at(type)) == QLatin1String("4");
            reads.reader.want(service ? reads.services : reads.items, ref);
            reads.reader.want(reads.purchases, ref);
        }
    });
    for (const PickedDocument &document : documents)
        reader.want(reads.lines, document.ref);
}

void DocumentAnalysis::handOver(const PickedDocuments &documents, const AnalysisOptions &options)
{
    if (documents.isEmpty() || !beginRun())
        return;
    // A run that cannot finish still ends: the window's buttons come back.
    const auto ended = qScopeGuard([this] { endRun(); });
    setListsItems(false);
    const AnalysisModes modes{options.kdvdahilsec == VatMode::Included,
                              options.ekvergisec == ExtraTax::Counted};
    // What the run read goes with it: the next reads the ERP again.
    const auto readsGone = qScopeGuard([this] { m_reads.reset(); });
    expectDocuments(documents);
    handEach(documents, l1().table(), pr1(),
             [this, &modes](const PickedDocument &document) { faturabulanalizyukle(document, modes); });
    setGrouped(true);
    setColumnsVisible({AnalysisColumn::toptutar, AnalysisColumn::indirimtop}, true);
    l1().table().first();
    // A stopped run writes no overall profitability, as a stopped material run writes none.
    if (!stopping())
        faturagenelmaliyethesapla();
}

ErpRows DocumentAnalysis::cardOf(const ErpRows &line)
{
    const QString ref = line.text(QStringLiteral("STOCKREF"));
    const QString stockRef = sqlValue(ref);
    if (line.text(QStringLiteral("LINETYPE")) == QLatin1String("4"))
        return ask([&] {
            return m_reads->reader.rows(m_reads->services, ref,
                                        QStringLiteral("select LOGICALREF,CODE,DEFINITION_ from ") +
                                            context().firmTable(QStringLiteral("SRVCARD")) +
                                            QStringLiteral(" Where LOGICALREF=") + stockRef);
        });
    return ask([&] {
        return m_reads->reader.rows(m_reads->items, ref,
                                    QStringLiteral("select LOGICALREF,CODE,NAME from ") + itemTable() +
                                        QStringLiteral(" Where LOGICALREF=") + stockRef);
    });
}

void DocumentAnalysis::faturabulanalizyukle(const PickedDocument &document, const AnalysisModes &modes)
{
    if (stopping())
        return;
    const QString dateKey = dateKeyOfText(document.tarih);
    setVatLabel(modes.vatIncluded);
    const std::optional<QString> type = typeName(document.tip, design().documentTypeNames);

    MemTable &list = l1().table();
    int n = 0;
    float sales = 0;
    float cost = 0;
    bool added = false;
    ErpReader &reader = m_reads->reader;
    ErpRows lines =
        ask([&] { return reader.rows(m_reads->lines, document.ref, linesStatement(document.ref)); });
    for (lines.first(); !lines.eof(); lines.next()) {
        betweenItems();
        if (stopping())
            break;
        ++n;
        try {
            const bool service = lines.text(QStringLiteral("LINETYPE")) == QLatin1String("4");
            ErpRows cards = cardOf(lines);
            for (cards.first(); !cards.eof(); cards.next()) {
                const QString card = cards.text(QStringLiteral("LOGICALREF"));
                const double u = unitCost(ask([&] {
                                              return reader.lastUpTo(m_reads->purchases, card, dateKey,
                                                                     purchaseStatement(card, dateKey));
                                          }),
                                          modes.vatIncluded);
                const std::optional<SaleLine> sale = readSaleLine(ask([&] {
                    return reader.reread(lines, saleLineColumns(true),
                                         rereadStatement(lines.text(QStringLiteral("LOGICALREF"))));
                }));
                if (!sale)
                    continue;
                const RowDocument row{QString::number(n),
                                      document.ref,
                                      document.fisno,
                                      document.belno,
                                      document.unvani,
                                      document.satici,
                                      type
                                          ? documentHeading(document.ref, lines.text(QStringLiteral("DATE_")),
                                                            document.fisno, document.unvani, *type)
                                          : QString()};
                const QString name =
                    cards.text(service ? QStringLiteral("DEFINITION_") : QStringLiteral("NAME"));
                const RowAmounts amounts =
                    appendSaleRow(list, cards.text(QStringLiteral("CODE")), name, *sale, u, modes, row);
                sales = float(double(sales) + amounts.sales);
                cost = float(double(cost) + amounts.cost);
                added = true;
            }
        } catch (const Error &e) {
            noteFailure(e);
        }
    }
    // A document without rows has no last row: its totals would land on the
    // previous document's. One cut short by a stop has no totals either.
    if (!added || stopping())
        return;
    list.edit();
    list.setField(AnalysisField::nettutar, document.tutar);
    list.setField(AnalysisField::kartop, documentProfitability(sales, cost));
    list.post();
}

} // namespace tarvel
