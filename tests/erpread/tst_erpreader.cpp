// The reading layer: every question answered in sets gives the rows its
// per-row statement gives (cards, a document's lines in order, the last
// purchase up to a date, a line read again), with far fewer statements; a set
// that fails fails each question it would have answered.
#include "common/erpfixture.h"
#include "erpread/erpreader.h"
#include "erpread/sharedreads.h"
#include "foundation/base/sqlvalue.h"

#include <QTemporaryDir>
#include <QTest>

using namespace tarvel;
using tarvel::test::ErpFixture;

Q_DECLARE_METATYPE(tarvel::ReadMode)

namespace {

// Purchases of item 1 (LINENET tells them apart): 201 on 05.01; 202 and 203
// on 10.01, 203 entered later (FTIME and reference); 204 on 10.01 at 10:00,
// after the midnight a date key means; 206 a return. Item 2 is bought only
// on 20.01, item 3 never.
ErpFixture purchasesAndSales()
{
    ErpFixture erp;
    erp.item({.ref = 1, .code = QStringLiteral("M001"), .name = QStringLiteral("ELMA")});
    erp.item({.ref = 2, .code = QStringLiteral("M002"), .name = QStringLiteral("ARMUT")});
    erp.item({.ref = 3, .code = QStringLiteral("M003"), .name = QStringLiteral("KİRAZ")});
    const auto purchase = [&erp](int ref, int item, const char *date, int ftime, double net, int trcode = 1) {
        erp.add(QStringLiteral("STLINE"), {{QStringLiteral("LOGICALREF"), ref},
                                           {QStringLiteral("STOCKREF"), item},
                                           {QStringLiteral("IOCODE"), 1},
                                           {QStringLiteral("TRCODE"), trcode},
                                           {QStringLiteral("DATE_"), QString::fromLatin1(date)},
                                           {QStringLiteral("FTIME"), ftime},
                                           {QStringLiteral("AMOUNT"), 1.0},
                                           {QStringLiteral("LINENET"), net}});
    };
    purchase(201, 1, "20240105", 36000, 5);
    purchase(202, 1, "20240110", 30000, 6);
    purchase(203, 1, "20240110", 40000, 7);
    purchase(204, 1, "20240110 10:00:00", 50000, 8);
    purchase(205, 2, "20240120", 30000, 9);
    purchase(206, 1, "20240108", 30000, 99, 2);
    // Sales lines of invoices 10 (lines keyed out of order) and 11; 12 has none.
    const auto sale = [&erp](int ref, int invoice, int item) {
        erp.add(QStringLiteral("STLINE"), {{QStringLiteral("LOGICALREF"), ref},
                                           {QStringLiteral("INVOICEREF"), invoice},
                                           {QStringLiteral("STOCKREF"), item},
                                           {QStringLiteral("IOCODE"), 4},
                                           {QStringLiteral("TRCODE"), 8},
                                           {QStringLiteral("DATE_"), QStringLiteral("20240115")},
                                           {QStringLiteral("AMOUNT"), double(ref)},
                                           {QStringLiteral("LINENET"), ref * 10.0}});
    };
    sale(303, 10, 1);
    sale(301, 10, 3);
    sale(302, 10, 2);
    sale(311, 11, 1);
    return erp;
}

} // namespace

class TestErpReader : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void lastPurchase_data();
    void lastPurchase();
    void documentLinesAndTheirCards();
    void boundedSets();
    void failingSet();
    void rereadFromTheRow();
    void dateOnOrBefore_data();
    void dateOnOrBefore();

private:
    // A reader sending on the fixture's connection; every statement lands in m_sent.
    ErpReader reader(ReadMode mode, int chunk = ErpReader::defaultChunk);
    QString table(const char *word) const { return m_erp.tableName(QString::fromLatin1(word)); }
    QStringList lineRefs(const ErpRows &rows) const;

    QTemporaryDir m_dir;
    ErpFixture m_erp = purchasesAndSales();
    ErpConnection m_connection;
    QStringList m_sent;
};

void TestErpReader::initTestCase()
{
    QVERIFY(m_dir.isValid());
    const QString error = m_erp.write(m_dir.filePath(QStringLiteral("erp.sqlite")));
    QVERIFY2(error.isEmpty(), qPrintable(error));
    const Result<void> opened = m_erp.open(m_connection);
    QVERIFY2(opened, qPrintable(opened.errorText()));
}

ErpReader TestErpReader::reader(ReadMode mode, int chunk)
{
    return ErpReader(
        mode,
        [this](const QString &statement) {
            m_sent << statement;
            return m_connection.query(statement);
        },
        chunk);
}

QStringList TestErpReader::lineRefs(const ErpRows &rows) const
{
    QStringList refs;
    ErpRows walk = rows;
    for (walk.first(); !walk.eof(); walk.next())
        refs << walk.text(QStringLiteral("LOGICALREF"));
    return refs;
}

void TestErpReader::lastPurchase_data()
{
    QTest::addColumn<ReadMode>("mode");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("dateKey");
    QTest::addColumn<QString>("cost"); // LINENET of the purchase that counts; empty for none

    for (const ReadMode mode : {ReadMode::Verbatim, ReadMode::Sets}) {
        const char *name = mode == ReadMode::Sets ? "sets" : "verbatim";
        const auto row = [&](const char *what) -> QTestData & {
            return QTest::addRow("%s: %s", name, what) << mode;
        };
        row("two on one day: the later") << "1"
                                         << "20240110"
                                         << "7";
        row("before that day") << "1"
                               << "20240109"
                               << "5";
        row("the day after: a time of day counts") << "1"
                                                   << "20240111"
                                                   << "8";
        row("before the first") << "1"
                                << "20240104"
                                << "";
        row("bought after the sale") << "2"
                                     << "20240115"
                                     << "";
        row("never bought") << "3"
                            << "20240131"
                            << "";
        row("a date that is none") << "1"
                                   << ""
                                   << "";
    }
}

void TestErpReader::lastPurchase()
{
    QFETCH(ReadMode, mode);
    QFETCH(QString, item);
    QFETCH(QString, dateKey);
    QFETCH(QString, cost);

    ErpReader erp = reader(mode);
    const ErpReader::Read purchases =
        erp.define(purchaseRead(table("STLINE"), QStringLiteral("20240131"), PurchaseStatement::Plain));
    for (const char *ref : {"1", "2", "3"})
        erp.want(purchases, QString::fromLatin1(ref));
    const QString today = QStringLiteral("select PRICE,VAT,VATINC,DISTCOST,LINENET,AMOUNT from ") +
                          table("STLINE") +
                          QStringLiteral(" where IOCODE='1' AND LINETYPE='0' AND TRCODE<>'2' AND TRCODE<>'3' "
                                         "AND TRCODE<>'13' AND STOCKREF=") +
                          sqlValue(item) + QStringLiteral(" AND DATE_<=") + sqlValue(dateKey);
    m_sent.clear();
    ErpRows last = erp.lastUpTo(purchases, item, dateKey);
    last.last();
    QCOMPARE(last.eof() ? QString() : last.text(QStringLiteral("LINENET")), cost);
    if (mode == ReadMode::Verbatim) {
        QCOMPARE(m_sent, QStringList{today});
        return;
    }
    // The three items in one statement (after asking the table for FTIME once);
    // a second question on them sends nothing.
    QCOMPARE(m_sent.size(), 2);
    for (const char *ref : {"'1'", "'2'", "'3'"})
        QVERIFY2(m_sent.last().contains(QString::fromLatin1(ref)), qPrintable(m_sent.last()));
    QVERIFY2(m_sent.last().contains(QStringLiteral(",FTIME from")), qPrintable(m_sent.last()));
    erp.lastUpTo(purchases, QStringLiteral("3"), dateKey);
    QCOMPARE(m_sent.size(), 2);
}

void TestErpReader::documentLinesAndTheirCards()
{
    const QStringList invoices{QStringLiteral("10"), QStringLiteral("11"), QStringLiteral("12")};
    QList<QStringList> lines[2];
    QStringList names[2];
    int statements[2] = {};
    for (const ReadMode mode : {ReadMode::Verbatim, ReadMode::Sets}) {
        const int m = int(mode == ReadMode::Sets);
        m_sent.clear();
        ErpReader erp = reader(mode, 2);
        const ErpReader::Read lineRead =
            erp.define({.sets = {.columns = QStringLiteral("*"),
                                 .table = table("STLINE"),
                                 .key = QStringLiteral("INVOICEREF"),
                                 .order = {QStringLiteral("LOGICALREF")}},
                        .verbatim = [this](const QString &invoice) -> QString {
                            return QStringLiteral("select * from ") + table("STLINE") +
                                   QStringLiteral(" Where INVOICEREF=") + sqlValue(invoice);
                        }});
        const ErpReader::Read cardRead =
            erp.define({.sets = {.columns = QStringLiteral("LOGICALREF,CODE,NAME"),
                                 .table = table("ITEMS"),
                                 .key = QStringLiteral("LOGICALREF")},
                        .verbatim = [this](const QString &item) -> QString {
                            return QStringLiteral("select LOGICALREF,CODE,NAME from ") + table("ITEMS") +
                                   QStringLiteral(" Where LOGICALREF=") + sqlValue(item);
                        }});
        erp.onRead(lineRead, [&](const ErpRows &set) {
            for (int row = 0; row < set.rowCount(); ++row)
                erp.want(cardRead, referenceKey(set.rowValues(row).at(
                                       columnIndex(set.columns(), QStringLiteral("STOCKREF")))));
        });
        for (const QString &invoice : invoices)
            erp.want(lineRead, invoice);
        for (const QString &invoice : invoices) {
            ErpRows rows = erp.rows(lineRead, invoice);
            lines[m] << lineRefs(rows);
            for (rows.first(); !rows.eof(); rows.next()) {
                const QString item = rows.text(QStringLiteral("STOCKREF"));
                const ErpRows card = erp.rows(cardRead, item);
                names[m] << (card.eof() ? QStringLiteral("-") : card.text(QStringLiteral("NAME")));
            }
        }
        statements[m] = int(m_sent.size());
    }
    QCOMPARE(lines[1], lines[0]);
    QCOMPARE(lines[0], (QList<QStringList>{{"301", "302", "303"}, {"311"}, {}}));
    QCOMPARE(names[1], names[0]);
    QCOMPARE(names[0], (QStringList{"KİRAZ", "ARMUT", "ELMA", "ELMA"}));
    QCOMPARE(statements[0], 3 + 4);
    // Lines in sets of two invoices, the cards of each set's lines as they arrive.
    QCOMPARE(statements[1], 2 + 2);
}

void TestErpReader::boundedSets()
{
    ErpReader erp = reader(ReadMode::Sets);
    const ErpReader::Read cards = erp.define({.sets = {.columns = QStringLiteral("LOGICALREF"),
                                                       .table = table("ITEMS"),
                                                       .key = QStringLiteral("LOGICALREF")}});
    for (int ref = 1; ref <= 450; ++ref)
        erp.want(cards, QString::number(ref));
    m_sent.clear();
    int found = 0;
    for (int ref = 1; ref <= 450; ++ref)
        found += erp.rows(cards, QString::number(ref)).rowCount();
    QCOMPARE(found, 3);
    QCOMPARE(m_sent.size(), 3);
    for (const QString &statement : std::as_const(m_sent))
        QVERIFY(statement.count(QLatin1Char(',')) < ErpReader::defaultChunk);
}

void TestErpReader::failingSet()
{
    for (const ReadMode mode : {ReadMode::Verbatim, ReadMode::Sets}) {
        ErpReader erp = reader(mode);
        const ErpReader::Read cards = erp.define(
            {.sets = {.columns = QStringLiteral("*"),
                      .table = QStringLiteral("LG_001_NOTABLE"),
                      .key = QStringLiteral("LOGICALREF")},
             .verbatim = [](const QString &ref) -> QString {
                 return QStringLiteral("select * from LG_001_NOTABLE where LOGICALREF=") + sqlValue(ref);
             }});
        erp.want(cards, QStringLiteral("1"));
        erp.want(cards, QStringLiteral("2"));
        m_sent.clear();
        QStringList errors;
        for (const char *ref : {"1", "2"}) {
            try {
                erp.rows(cards, QString::fromLatin1(ref));
                QFAIL("a missing table gave rows");
            } catch (const ErpError &e) {
                errors << e.description();
            }
        }
        QCOMPARE(errors.size(), 2);
        QVERIFY2(errors.first().contains(QStringLiteral("LG_001_NOTABLE")), qPrintable(errors.first()));
        // One statement for the set; its failure is each question's.
        QCOMPARE(m_sent.size(), mode == ReadMode::Sets ? 1 : 2);
        if (mode == ReadMode::Sets)
            QCOMPARE(errors.last(), errors.first());
    }
}

void TestErpReader::rereadFromTheRow()
{
    const ErpReread read{
        .sets = {{QStringLiteral("AMOUNT"), QStringLiteral("miktar1")},
                 {QStringLiteral("LINENET"), QStringLiteral("tutar1")},
                 {QStringLiteral("LINETYPE"), QStringLiteral("linetip")}},
        .verbatim = [this](const QString &ref) -> QString {
            return QStringLiteral("select AMOUNT AS miktar1,LINENET AS tutar1,LINETYPE AS linetip from ") +
                   table("STLINE") + QStringLiteral(" where LOGICALREF=") + sqlValue(ref);
        }};
    ErpRows line = m_connection.query(QStringLiteral("select * from ") + table("STLINE") +
                                      QStringLiteral(" where LOGICALREF=302"));
    const QString today =
        QStringLiteral("select AMOUNT AS miktar1,LINENET AS tutar1,LINETYPE AS linetip from ") +
        table("STLINE") + QStringLiteral(" where LOGICALREF='302'");
    ErpReader verbatim = reader(ReadMode::Verbatim);
    ErpReader sets = reader(ReadMode::Sets);
    m_sent.clear();
    const ErpRows fromServer = verbatim.reread(read, line, QStringLiteral("302"));
    const ErpRows fromRow = sets.reread(read, line, QStringLiteral("302"));
    QCOMPARE(m_sent, QStringList{today});
    QCOMPARE(fromRow.columns(), fromServer.columns());
    QCOMPARE(fromRow.rowValues(0), fromServer.rowValues(0));
}

// DATE_ as a server's datetime or as the demo ERP's text, against "DATE_<='yyyyMMdd'".
void TestErpReader::dateOnOrBefore_data()
{
    QTest::addColumn<QVariant>("date");
    QTest::addColumn<bool>("expected");

    const QDate day(2024, 3, 31); // the last Sunday of March: the clocks move that night in Europe
    QTest::newRow("datetime, the day before") << QVariant(QDateTime(day.addDays(-1), QTime(23, 59))) << true;
    QTest::newRow("datetime, the day's midnight") << QVariant(QDateTime(day, QTime(0, 0))) << true;
    QTest::newRow("datetime, later that day") << QVariant(QDateTime(day, QTime(0, 0, 1))) << false;
    QTest::newRow("datetime, the day after") << QVariant(QDateTime(day.addDays(1), QTime(0, 0))) << false;
    QTest::newRow("text, the day") << QVariant(QStringLiteral("20240331")) << true;
    QTest::newRow("text, the day after") << QVariant(QStringLiteral("20240401")) << false;
    QTest::newRow("null") << QVariant() << false;
}

void TestErpReader::dateOnOrBefore()
{
    QFETCH(QVariant, date);
    QFETCH(bool, expected);
    QCOMPARE(onOrBefore(date, QStringLiteral("20240331")), expected);
}

QTEST_GUILESS_MAIN(TestErpReader)
#include "tst_erpreader.moc"
