// The generated demo company, read through the program's own ERP connection
// and its screens: the screens find documents in their default ranges, the
// books add up, every reference resolves, and every path a screen can take has
// its record.
#include "analysis/materialanalysis.h"
#include "common/needs.h"
#include "common/programrun.h"
#include "common/tdsserver.h"
#include "common/verifyok.h"
#include "demo/demofolder.h"
#include "demo/demogenerator.h"
#include "foundation/base/errors.h"
#include "foundation/erp/erpconnection.h"
#include "foundation/store/localstore.h"
#include "pickers/customerpicker.h"
#include "settings/parametremodel.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QTest>

using namespace tarvel;

namespace {

// The reference date of the fixture: a Saturday in March of the second period.
const QDate today(2025, 3, 15);

QString key(QDate date)
{
    return date.toString(QStringLiteral("yyyyMMdd"));
}

QByteArray fileHash(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

} // namespace

class TestDemoErp : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void screens_data();
    void screens();
    void openingLists();
    void headerTotalsAreLineSums_data();
    void headerTotalsAreLineSums();
    void referencesResolve_data();
    void referencesResolve();
    void notableRecords_data();
    void notableRecords();
    void largeTaxOfficeFillsItsColumn();
    void costOfTheShowcaseSale();
    void servedAsSqlServer();
    void sameDateSameBytes();
    void otherReferenceDates_data();
    void otherReferenceDates();
    void sizeOption_data();
    void sizeOption();
    void largeCompany();

private:
    qlonglong count(ErpConnection &erp, const QString &statement);
    qlonglong count(const QString &statement) { return count(m_erp, statement); }
    void open(ErpConnection &erp, const QString &path);

    QTemporaryDir m_dir;
    QString m_path;
    QString m_folder; // a demo program folder of the same date
    demo::DemoSummary m_summary;
    ErpConnection m_erp;
};

void TestDemoErp::open(ErpConnection &erp, const QString &path)
{
    ErpServerSettings settings;
    settings.server = QStringLiteral("sqlite:") + path;
    QVERIFY_OK(erp.open(settings));
}

qlonglong TestDemoErp::count(ErpConnection &erp, const QString &statement)
{
    try {
        ErpRows rows = erp.query(QStringLiteral("select count(*) AS N from ") + statement);
        return rows.value(QStringLiteral("N")).toLongLong();
    } catch (const ErpError &e) {
        qWarning("%s: %s", qPrintable(statement), qPrintable(e.description()));
        return -1;
    }
}

void TestDemoErp::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_path = m_dir.filePath(QStringLiteral("demo-erp.sqlite"));
    m_summary = demo::writeDemoErp(m_path, {1, today});
    open(m_erp, m_path);

    m_folder = m_dir.filePath(QStringLiteral("demo"));
    const test::ProgramRun made =
        test::runReport(m_dir.path(), {"demo", m_folder, "--date", today.toString(Qt::ISODate)});
    QVERIFY2(made.exitCode == 0, qPrintable(made.err));
    // The same ERP with the second firm chosen.
    QVERIFY(QDir(m_folder).mkdir(QStringLiteral("firm2")));
    StoreContents second;
    second.server = QStringLiteral("sqlite:../") + demo::demoErpFileName;
    second.fir = QStringLiteral("2- İKİNCİ FİRMA");
    second.don = QStringLiteral("1- 2");
    createStore(storePath(QDir(m_folder).filePath(QStringLiteral("firm2"))), second);
}

// The screens' lists with their default choices, plus the filters a tester
// tries first, as tarvel-report shows them on a demo folder of that date.
void TestDemoErp::screens_data()
{
    QTest::addColumn<QString>("folder"); // "firm2": a store that chose the second firm
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("atLeast");
    QTest::addColumn<int>("atMost");

    const QStringList week{"--from", key(today.addDays(-7)), "--to", key(today)};
    const QStringList sixtyDays{"--from", key(today.addDays(-60)), "--to", key(today)};
    const QStringList year{"--from", "20250101", "--to", key(today)};
    const QStringList waybills = QStringList{"waybills"} + week;
    const QStringList invoices = QStringList{"invoices"} + sixtyDays;
    const QStringList orders = QStringList{"orders"} + sixtyDays;

    QTest::newRow("waybill picker") << "" << waybills << 8 << 1000;
    QTest::newRow("retail waybills") << "" << waybills + QStringList{"--type", "7"} << 2 << 1000;
    QTest::newRow("wholesale waybills") << "" << waybills + QStringList{"--type", "8"} << 2 << 1000;
    QTest::newRow("waybills of MEHMET'İN")
        << "" << waybills + QStringList{"--customer", "MEHMET'İN GIDA PAZARLAMA LTD. ŞTİ."} << 2 << 1000;
    QTest::newRow("waybill special code with an apostrophe")
        << "" << waybills + QStringList{"--special-code", "MÜŞTERİ'DE"} << 1 << 1000;
    QTest::newRow("invoice picker") << "" << invoices << 30 << 100000;
    QTest::newRow("invoices by entry date")
        << "" << invoices + QStringList{"--by-entry-date"} << 30 << 100000;
    QTest::newRow("invoices of two salesmen")
        << "" << invoices + QStringList{"--salesman", "1", "--salesman", "2"} << 5 << 100000;
    QTest::newRow("invoices of customer codes 120*")
        << "" << invoices + QStringList{"--customer-code", "120*"} << 30 << 100000;
    QTest::newRow("orders") << "" << orders << 10 << 100000;
    QTest::newRow("orders without payment plan")
        << "" << orders + QStringList{"--payment", "0"} << 1 << 100000;
    QTest::newRow("orders with payment plan") << "" << orders + QStringList{"--payment", "1"} << 1 << 100000;
    QTest::newRow("material analysis") << "" << QStringList{"material-analysis"} + year << 200 << 1000000;
    QTest::newRow("material analysis of special code GIDA")
        << "" << QStringList{"material-analysis"} + year + QStringList{"--special-code", "GIDA"} << 10
        << 1000000;
    QTest::newRow("item analysis") << "" << QStringList{"item-analysis"} + year << 50 << 1000000;
    QTest::newRow("second firm's invoices") << "firm2" << invoices << 3 << 100000;
}

void TestDemoErp::screens()
{
    QFETCH(QString, folder);
    QFETCH(QStringList, args);
    QFETCH(int, atLeast);
    QFETCH(int, atMost);
    const test::ProgramRun run = test::runReport(QDir(m_folder).filePath(folder), args);
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    const QJsonArray rows =
        QJsonDocument::fromJson(
            run.out.toUtf8())[QLatin1String("lists")][QLatin1String("l1")][QLatin1String("rows")]
            .toArray();
    QVERIFY2(rows.size() >= atLeast && rows.size() <= atMost,
             qPrintable(QStringLiteral("%1 rows").arg(rows.size())));
}

// The lists the settings window, the customer picker and the material
// analysis fill when they open.
void TestDemoErp::openingLists()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const AppPaths paths{folder.path(), folder.path()};
    try {
        ParametreModel settings(paths, m_erp);
        QVERIFY2(settings.sqloku(), qPrintable(settings.firmListError()));
        const QStringList firms = settings.choices().fir;
        QCOMPARE(firms.size(), 2);
        QVERIFY_OK(settings.firChosen(firms.at(1)));
        QCOMPARE(settings.choices().don.size(), 1);
        QVERIFY_OK(settings.firChosen(firms.at(0)));
        const ParametreChoices &choices = settings.choices();
        QCOMPARE(choices.don.size(), 2);
        QVERIFY(choices.dov1.size() >= 3 && choices.dov1.size() <= 10);
        QVERIFY(choices.brset.size() >= 3 && choices.brset.size() <= 100);
        QVERIFY(choices.ch.size() >= 5 && choices.ch.size() <= 100);
        QVERIFY(!choices.grp.isEmpty() && choices.grp.size() <= 100);

        const ReportContext context{paths, m_summary.firmChoice, m_summary.periodChoice, m_erp};
        CustomerPicker customers(context);
        customers.cariyukle(QString());
        MemTable &cards = customers.l1().table();
        QVERIFY(cards.rowCount() >= 40);
        int mehmet = 0;
        for (cards.first(); !cards.eof(); cards.next())
            mehmet += customers.choice().name == QStringLiteral("MEHMET'İN GIDA PAZARLAMA LTD. ŞTİ.");
        QCOMPARE(mehmet, 1); // a title the pickers look up names one card

        MaterialAnalysis material(context);
        material.ozkodyukle();
        material.grupkodyukle();
        material.elemanekle();
        // Each code list starts with an empty entry.
        QVERIFY(material.specialCodes().size() > 4 && material.specialCodes().size() <= 101);
        QVERIFY(material.groupCodes().size() > 4 && material.groupCodes().size() <= 101);
        QVERIFY(material.satel().count() >= 2 && material.satel().count() <= 10);
    } catch (const Error &e) {
        QFAIL(qPrintable(e.description()));
    }
}

void TestDemoErp::headerTotalsAreLineSums_data()
{
    QTest::addColumn<QString>("headers");
    QTest::addColumn<QString>("lines");
    QTest::addColumn<QString>("reference");

    for (const QString &period :
         {QStringLiteral("LG_001_01_"), QStringLiteral("LG_001_02_"), QStringLiteral("LG_002_01_")}) {
        QTest::newRow(qPrintable(period + QStringLiteral("STFICHE")))
            << period + QStringLiteral("STFICHE") << period + QStringLiteral("STLINE")
            << QStringLiteral("STFICHEREF");
        QTest::newRow(qPrintable(period + QStringLiteral("INVOICE")))
            << period + QStringLiteral("INVOICE") << period + QStringLiteral("STLINE")
            << QStringLiteral("INVOICEREF");
        QTest::newRow(qPrintable(period + QStringLiteral("ORFICHE")))
            << period + QStringLiteral("ORFICHE") << period + QStringLiteral("ORFLINE")
            << QStringLiteral("ORDFICHEREF");
    }
}

// Goods and service lines make the totals; promotions are free and the
// discount line repeats the lines' DISTCOST. Header VAT is the sum of the
// lines' rounded VAT, so it may differ from the unrounded sum by half a kuruş a line.
void TestDemoErp::headerTotalsAreLineSums()
{
    QFETCH(QString, headers);
    QFETCH(QString, lines);
    QFETCH(QString, reference);
    const bool orders = headers.endsWith(QLatin1String("ORFICHE"));
    const QString sums =
        QStringLiteral(
            "(select %1 AS REF, sum(TOTAL) AS GROSS, sum(DISTCOST) AS DISC, sum(LINENET*VAT/100) AS VAT, "
            "count(*) AS N from %2 where LINETYPE IN (0,4) group by %1) s")
            .arg(reference, lines);
    const QString wrong =
        orders ? QStringLiteral("abs(h.TOTALDISCOUNTS-s.DISC)>0.005 OR "
                                "abs(h.TOTALDISCOUNTED-(s.GROSS-s.DISC))>0.005 OR "
                                "abs(h.NETTOTAL-(s.GROSS-s.DISC+s.VAT))>0.006*s.N")
               : QStringLiteral("abs(h.GROSSTOTAL-s.GROSS)>0.005 OR abs(h.TOTALDISCOUNTS-s.DISC)>0.005 "
                                "OR abs(h.TOTALDISCOUNTED-(h.GROSSTOTAL-h.TOTALDISCOUNTS))>0.005 OR "
                                "abs(h.TOTALVAT-s.VAT)>0.006*s.N OR "
                                "abs(h.NETTOTAL-(h.GROSSTOTAL-h.TOTALDISCOUNTS+h.TOTALVAT))>0.005");
    QCOMPARE(count(QStringLiteral("%1 h join %2 on s.REF=h.LOGICALREF where %3").arg(headers, sums, wrong)),
             0);
    // Every header has lines, and the books are not trivially empty.
    QCOMPARE(count(QStringLiteral("%1 h where not exists (select 1 from %2 l where l.%3=h.LOGICALREF)")
                       .arg(headers, lines, reference)),
             0);
    QVERIFY(count(headers + QStringLiteral(" where TOTALDISCOUNTS>0")) > 0);
    // The discount line holds the sum of its document's DISTCOST (a waybill's
    // discount line stays the waybill's when the waybill is invoiced).
    const QString sameDocument = orders ? QString() : QStringLiteral(" AND l.STFICHEREF=d.STFICHEREF");
    QCOMPARE(count(QStringLiteral(
                       "%1 d where d.LINETYPE=2 AND d.%2<>0 AND abs(d.TOTAL-(select sum(l.DISTCOST) from %1 "
                       "l where l.%2=d.%2%3 AND l.LINETYPE IN (0,4)))>0.005")
                       .arg(lines, reference, sameDocument)),
             0);
}

void TestDemoErp::referencesResolve_data()
{
    QTest::addColumn<QString>("broken");

    const QStringList periods{QStringLiteral("LG_001_01_"), QStringLiteral("LG_001_02_"),
                              QStringLiteral("LG_002_01_")};
    const QVector<QPair<const char *, QString>> checks{
        {"goods line without item",
         QStringLiteral(
             "{P}STLINE l where LINETYPE IN (0,1) AND STOCKREF NOT IN (select LOGICALREF from {F}ITEMS)")},
        {"service line without service card",
         QStringLiteral(
             "{P}STLINE l where LINETYPE=4 AND STOCKREF NOT IN (select LOGICALREF from {F}SRVCARD)")},
        {"discount line with a card", QStringLiteral("{P}STLINE l where LINETYPE=2 AND STOCKREF<>0")},
        {"line of no document", QStringLiteral("{P}STLINE l where STFICHEREF=0 AND INVOICEREF=0")},
        {"line of a missing waybill",
         QStringLiteral(
             "{P}STLINE l where STFICHEREF<>0 AND STFICHEREF NOT IN (select LOGICALREF from {P}STFICHE)")},
        {"line of a missing invoice",
         QStringLiteral(
             "{P}STLINE l where INVOICEREF<>0 AND INVOICEREF NOT IN (select LOGICALREF from {P}INVOICE)")},
        {"waybill line unlike its waybill",
         QStringLiteral(
             "{P}STLINE l join {P}STFICHE f on f.LOGICALREF=l.STFICHEREF where l.TRCODE<>f.TRCODE OR "
             "l.DATE_<>f.DATE_ OR l.CLIENTREF<>f.CLIENTREF OR (f.IOCODE=1)<>(l.IOCODE=1) OR "
             "l.INVOICEREF<>f.INVOICEREF")},
        {"invoice line unlike its invoice",
         QStringLiteral(
             "{P}STLINE l join {P}INVOICE i on i.LOGICALREF=l.INVOICEREF where l.TRCODE<>i.TRCODE OR "
             "l.CLIENTREF<>i.CLIENTREF OR l.DATE_>i.DATE_")},
        {"unit of another set",
         QStringLiteral(
             "{P}STLINE l join {F}ITEMS i on i.LOGICALREF=l.STOCKREF where l.LINETYPE IN (0,1) AND "
             "l.UOMREF NOT IN (select LOGICALREF from {F}UNITSETL u where u.UNITSETREF=i.UNITSETREF)")},
        {"salesman missing",
         QStringLiteral(
             "{P}STLINE l where SALESMANREF<>0 AND SALESMANREF NOT IN (select LOGICALREF from LG_SLSMAN)")},
        {"waybill of a missing account",
         QStringLiteral(
             "{P}STFICHE f where (CLIENTREF<>0 OR TRCODE<>13) AND CLIENTREF NOT IN (select LOGICALREF "
             "from {F}CLCARD)")},
        {"ship-to card missing",
         QStringLiteral(
             "{P}STFICHE f where RECVREF<>0 AND RECVREF NOT IN (select LOGICALREF from {F}CLCARD)")},
        {"invoice of a missing account",
         QStringLiteral("{P}INVOICE i where CLIENTREF NOT IN (select LOGICALREF from {F}CLCARD)")},
        {"order of a missing account",
         QStringLiteral("{P}ORFICHE o where CLIENTREF NOT IN (select LOGICALREF from {F}CLCARD)")},
        {"order line of a missing order",
         QStringLiteral("{P}ORFLINE l where ORDFICHEREF NOT IN (select LOGICALREF from {P}ORFICHE)")},
        {"order line without card",
         QStringLiteral(
             "{P}ORFLINE l where (LINETYPE IN (0,1) AND STOCKREF NOT IN (select LOGICALREF from "
             "{F}ITEMS)) OR (LINETYPE=4 AND STOCKREF NOT IN (select LOGICALREF from {F}SRVCARD))")},
        {"item of a missing unit set",
         QStringLiteral("{F}ITEMS i where UNITSETREF NOT IN (select LOGICALREF from {F}UNITSETF)")},
        {"item special code not in SPECODES",
         QStringLiteral(
             "{F}ITEMS i where SPECODE NOT IN (select SPECODE from {F}SPECODES where CODETYPE=1 AND "
             "SPECODETYPE=1) OR STGRPCODE NOT IN (select SPECODE from {F}SPECODES where CODETYPE=4 AND "
             "SPECODETYPE=0)")},
        {"waybill special code not in SPECODES",
         QStringLiteral(
             "{P}STFICHE f where SPECODE<>'' AND SPECODE NOT IN (select SPECODE from {F}SPECODES where "
             "CODETYPE=1 AND SPECODETYPE=19)")},
        {"sales document after the reference date",
         QStringLiteral("{P}STFICHE f where DATE_>'%1 23:59:59'").arg(key(today))},
        {"invoice entered after the reference date or before its date",
         QStringLiteral(
             "{P}INVOICE i where CAPIBLOCK_CREADEDDATE>'%1 23:59:59' OR CAPIBLOCK_CREADEDDATE<DATE_")
             .arg(key(today))},
    };
    for (const QString &period : periods) {
        const QString firm = period.left(7);
        for (const auto &[name, statement] : checks) {
            QString s = statement;
            s.replace(QStringLiteral("{P}"), period).replace(QStringLiteral("{F}"), firm);
            QTest::newRow(qPrintable(period + QLatin1String(name))) << s;
        }
    }
}

void TestDemoErp::referencesResolve()
{
    QFETCH(QString, broken);
    QCOMPARE(count(broken), 0);
}

// One row for every path a screen can take; each must have its record, most of
// them within the default date ranges of the reference date.
void TestDemoErp::notableRecords_data()
{
    QTest::addColumn<QString>("records");

    const QString week =
        QStringLiteral("DATE_>='%1' AND DATE_<='%2'").arg(key(today.addDays(-7)), key(today));
    const QString sixtyDays =
        QStringLiteral("DATE_>='%1' AND DATE_<='%2'").arg(key(today.addDays(-60)), key(today));
    const QString sales = QStringLiteral("LG_001_02_STLINE l where l.IOCODE=4 AND l.TRCODE IN (7,8) AND ");

    QTest::newRow("inactive customer with a waybill this week")
        << QStringLiteral(
               "LG_001_02_STFICHE f join LG_001_CLCARD c on c.LOGICALREF=f.CLIENTREF where c.ACTIVE=1 "
               "AND f.IOCODE=3 AND f.TRCODE IN (7,8) AND f.") +
               week;
    QTest::newRow("ship-to card is the customer")
        << QStringLiteral("LG_001_02_STFICHE where IOCODE=3 AND RECVREF=CLIENTREF AND ") + week;
    QTest::newRow("no ship-to card") << QStringLiteral(
                                            "LG_001_02_STFICHE where IOCODE=3 AND RECVREF=0 AND ") +
                                            week;
    QTest::newRow("ship-to card of a branch")
        << QStringLiteral(
               "LG_001_02_STFICHE f join LG_001_CLCARD c on c.LOGICALREF=f.RECVREF where c.ACTIVE=0 AND "
               "f.RECVREF<>f.CLIENTREF AND f.") +
               week;
    QTest::newRow("inactive ship-to card")
        << QStringLiteral(
               "LG_001_02_STFICHE f join LG_001_CLCARD c on c.LOGICALREF=f.RECVREF where c.ACTIVE=1 AND "
               "f.RECVREF<>f.CLIENTREF AND f.") +
               week;
    QTest::newRow("promotion line on an invoice")
        << sales + QStringLiteral("LINETYPE=1 AND INVOICEREF<>0 AND ") + sixtyDays;
    QTest::newRow("promotion line on an order")
        << QStringLiteral("LG_001_02_ORFLINE where LINETYPE=1 AND ") + sixtyDays;
    QTest::newRow("service line whose reference is also an item's")
        << sales + QStringLiteral("LINETYPE=4 AND STOCKREF IN (select LOGICALREF from LG_001_ITEMS) AND ") +
               sixtyDays;
    QTest::newRow("service line on an order") << QStringLiteral("LG_001_02_ORFLINE where LINETYPE=4");
    QTest::newRow("discount line on a waybill")
        << sales + QStringLiteral("LINETYPE=2 AND STFICHEREF<>0 AND ") + week;
    QTest::newRow("invoice made from a waybill")
        << sales + QStringLiteral("STFICHEREF<>0 AND INVOICEREF<>0 AND ") + sixtyDays;
    QTest::newRow("invoice made from two waybills")
        << QStringLiteral(
               "LG_001_02_INVOICE i where (select count(distinct STFICHEREF) from LG_001_02_STLINE l "
               "where l.INVOICEREF=i.LOGICALREF AND l.STFICHEREF<>0)>1 AND i.") +
               sixtyDays;
    QTest::newRow("invoice without waybill")
        << sales + QStringLiteral("STFICHEREF=0 AND INVOICEREF<>0 AND LINETYPE=0 AND ") + sixtyDays;
    QTest::newRow("waybill not invoiced")
        << QStringLiteral("LG_001_02_STFICHE where IOCODE=3 AND TRCODE IN (7,8) AND INVOICEREF=0 AND ") +
               week;
    QTest::newRow("same item twice on one waybill") << QStringLiteral(
        "(select STFICHEREF from LG_001_02_STLINE where LINETYPE=0 AND STFICHEREF<>0 AND TRCODE IN "
        "(7,8) group by STFICHEREF, STOCKREF having count(*)>1)");
    QTest::newRow("same item in two units on two waybills")
        << QStringLiteral(
               "(select STOCKREF from LG_001_02_STLINE where LINETYPE=0 AND TRCODE IN (7,8) AND %1 group "
               "by STOCKREF having count(distinct UOMREF)>1 AND count(distinct STFICHEREF)>1)")
               .arg(week);
    QTest::newRow("purchase before and after a sale")
        << sales +
               QStringLiteral(
                   "l.LINETYPE=0 AND exists (select 1 from LG_001_02_STLINE p where p.STOCKREF=l.STOCKREF "
                   "AND p.IOCODE=1 AND p.TRCODE=1 AND p.DATE_<l.DATE_) AND exists (select 1 from "
                   "LG_001_02_STLINE p where p.STOCKREF=l.STOCKREF AND p.IOCODE=1 AND p.TRCODE=1 AND "
                   "p.DATE_>l.DATE_)");
    QTest::newRow("item sold, never bought")
        << sales + QStringLiteral(
                       "l.LINETYPE=0 AND l.STOCKREF NOT IN (select STOCKREF from LG_001_02_STLINE where "
                       "IOCODE=1 AND TRCODE=1) AND l.STOCKREF NOT IN (select STOCKREF from "
                       "LG_001_01_STLINE where IOCODE=1 AND TRCODE=1)");
    QTest::newRow("sales return (TRCODE 3, in)")
        << QStringLiteral("LG_001_02_STLINE where TRCODE=3 AND IOCODE=1");
    QTest::newRow("purchase return (TRCODE 6, out)")
        << QStringLiteral("LG_001_02_STLINE where TRCODE=6 AND IOCODE=4");
    QTest::newRow("production receipt (TRCODE 13, in)")
        << QStringLiteral("LG_001_02_STLINE where TRCODE=13 AND IOCODE=1");
    for (int rate : {0, 1, 8, 10, 18, 20})
        QTest::newRow(qPrintable(QStringLiteral("VAT %1").arg(rate)))
            << sales + QStringLiteral("LINETYPE=0 AND VAT=%1").arg(rate);
    QTest::newRow("price with VAT") << sales + QStringLiteral("VATINC=1 AND ") + week;
    QTest::newRow("additional tax") << sales + QStringLiteral("ADDTAXAMOUNT>0 AND ") + week;
    QTest::newRow("distributed discount") << sales + QStringLiteral("DISTCOST>0 AND ") + week;
    QTest::newRow("unit price finer than a kuruş")
        << QStringLiteral("LG_001_02_STLINE where PRICE<>round(PRICE,2)");
    QTest::newRow("unit with a conversion factor") << QStringLiteral("LG_001_UNITSETL where CONVFACT2>1");
    QTest::newRow("item sold in a second unit")
        << sales + QStringLiteral("UOMREF IN (select LOGICALREF from LG_001_UNITSETL where MAINUNIT=0)");
    QTest::newRow("default card (CARDTYPE 22)") << QStringLiteral("LG_001_CLCARD where CARDTYPE=22");
    QTest::newRow("group card (CARDTYPE 4)") << QStringLiteral("LG_001_CLCARD where CARDTYPE=4");
    QTest::newRow("inactive salesman of the firm") << QStringLiteral("LG_SLSMAN where ACTIVE=1 AND FIRMNR=1");
    QTest::newRow("salesman of the other firm") << QStringLiteral("LG_SLSMAN where FIRMNR=2");
    QTest::newRow("invoice of an inactive salesman")
        << QStringLiteral(
               "LG_001_02_INVOICE where TRCODE IN (7,8) AND SALESMANREF IN (select LOGICALREF from "
               "LG_SLSMAN where ACTIVE=1) AND ") +
               sixtyDays;
    QTest::newRow("invoice of the other firm's salesman")
        << QStringLiteral(
               "LG_001_02_INVOICE where TRCODE IN (7,8) AND SALESMANREF IN (select LOGICALREF from "
               "LG_SLSMAN where FIRMNR<>1) AND ") +
               sixtyDays;
    QTest::newRow("invoice without salesman")
        << QStringLiteral("LG_001_02_INVOICE where TRCODE IN (7,8) AND SALESMANREF=0 AND ") + sixtyDays;
    QTest::newRow("purchase order") << QStringLiteral("LG_001_02_ORFICHE where TRCODE=2 AND ") + sixtyDays;
    QTest::newRow("invoice entered on a later day")
        << QStringLiteral(
               "LG_001_02_INVOICE where substr(CAPIBLOCK_CREADEDDATE,1,8)>DATE_ AND TRCODE IN (7,8) AND ") +
               sixtyDays;
    QTest::newRow("invoice dated before the range, entered within it")
        << QStringLiteral(
               "LG_001_02_INVOICE where TRCODE IN (7,8) AND DATE_<'%1' AND CAPIBLOCK_CREADEDDATE>='%1'")
               .arg(key(today.addDays(-60)));
    QTest::newRow("cancelled waybill") << QStringLiteral("LG_001_02_STFICHE where CANCELLED=1 AND ") + week;
    QTest::newRow("cancelled invoice")
        << QStringLiteral("LG_001_02_INVOICE where CANCELLED=1 AND ") + sixtyDays;
    QTest::newRow("waybill dated with a time of day")
        << QStringLiteral("LG_001_02_STFICHE where length(DATE_)=17 AND DATE_>='%1'")
               .arg(key(today.addDays(-7)));
    QTest::newRow("title with an apostrophe")
        << QStringLiteral("LG_001_CLCARD where DEFINITION_ LIKE '%''%'");
    QTest::newRow("title with a percent sign")
        << QStringLiteral("LG_001_CLCARD where instr(DEFINITION_,'%')>0");
    QTest::newRow("two cards, one title")
        << QStringLiteral("(select DEFINITION_ from LG_001_CLCARD where ACTIVE=0 group by DEFINITION_ having "
                          "count(*)>1)");
    QTest::newRow("item name with an apostrophe") << QStringLiteral("LG_001_ITEMS where NAME LIKE '%''%'");
    QTest::newRow("item name with a percent sign") << QStringLiteral("LG_001_ITEMS where instr(NAME,'%')>0");
    QTest::newRow("item name fills VARCHAR(51)") << QStringLiteral("LG_001_ITEMS where length(NAME)=51");
    QTest::newRow("inactive item") << QStringLiteral("LG_001_ITEMS where ACTIVE=1");
    QTest::newRow("finished product (CARDTYPE 12)") << QStringLiteral("LG_001_ITEMS where CARDTYPE=12");
    for (const QString &letter : QStringLiteral("ÇĞİÖŞÜçğıöşü").split(QString(), Qt::SkipEmptyParts)) {
        QTest::newRow(qPrintable(QStringLiteral("letter %1").arg(letter)))
            << QStringLiteral(
                   "LG_001_CLCARD c where instr(DEFINITION_||ADDR1||ADDR2,'%1')>0 OR exists (select 1 from "
                   "LG_001_ITEMS where instr(NAME,'%1')>0)")
                   .arg(letter);
    }
}

void TestDemoErp::notableRecords()
{
    QFETCH(QString, records);
    QVERIFY(count(records) > 0);
}

// The one value that shows whether a varchar(31) survives the SQL Server path:
// read back exactly, with all 31 characters.
void TestDemoErp::largeTaxOfficeFillsItsColumn()
{
    ErpRows rows = m_erp.query(QStringLiteral("select * from LG_001_CLCARD where ACTIVE='0' and "
                                              "TAXOFFICE='BÜYÜK MÜKELLEFLER VERGİ DAİRESİ'"));
    QCOMPARE(rows.rowCount(), 1);
    QCOMPARE(rows.text(QStringLiteral("TAXOFFICE")), QStringLiteral("BÜYÜK MÜKELLEFLER VERGİ DAİRESİ"));
    QCOMPARE(rows.text(QStringLiteral("TAXOFFICE")).size(), 31);
    // And it has a waybill the picker shows.
    const QString ref = rows.text(QStringLiteral("LOGICALREF"));
    QVERIFY(count(QStringLiteral("LG_001_02_STFICHE where IOCODE='3' AND DATE_>='%1' AND DATE_<='%2' AND "
                                 "CLIENTREF='%3'")
                      .arg(key(today.addDays(-7)), key(today), ref)) > 0);
}

// The showcase item's sale: the invoice analysis's purchase statement must
// find the purchase before the sale (100,00), not the customer's return at
// 180,00, the return to the supplier, or the purchase after the sale at 125,00.
void TestDemoErp::costOfTheShowcaseSale()
{
    ErpRows item = m_erp.query(QStringLiteral("select LOGICALREF,CODE,NAME from LG_001_ITEMS Where NAME LIKE "
                                              "'%YEŞİL MERCİMEK 1 KG%'"));
    QCOMPARE(item.rowCount(), 1);
    const QString ref = item.text(QStringLiteral("LOGICALREF"));
    ErpRows sale =
        m_erp.query(QStringLiteral("select * from LG_001_02_STLINE where STOCKREF='%1' AND IOCODE='4' AND "
                                   "TRCODE IN (7,8) AND INVOICEREF<>0")
                        .arg(ref));
    QCOMPARE(sale.rowCount(), 1);
    const QString saleDate = key(sale.dateTime(QStringLiteral("DATE_")).date());

    const QString lastPurchase = QStringLiteral(
        "select PRICE,VAT,VATINC,DISTCOST,LINENET,AMOUNT from LG_001_02_STLINE where (IOCODE='1' AND "
        "LINETYPE='0') "
        "AND (TRCODE<>'2' AND TRCODE<>'3' AND TRCODE<>'13') AND (STOCKREF='%1' AND DATE_<='%2')");
    ErpRows purchases = m_erp.query(lastPurchase.arg(ref, saleDate));
    QVERIFY(purchases.rowCount() > 0);
    purchases.last();
    QCOMPARE(purchases.number(QStringLiteral("LINENET")) / purchases.number(QStringLiteral("AMOUNT")), 100.0);

    // Without the return exclusions the customer's return would be taken.
    ErpRows careless =
        m_erp.query(QStringLiteral("select LINENET,AMOUNT from LG_001_02_STLINE where IOCODE='1' AND "
                                   "STOCKREF='%1' AND DATE_<='%2'")
                        .arg(ref, saleDate));
    careless.last();
    QCOMPARE(careless.number(QStringLiteral("LINENET")) / careless.number(QStringLiteral("AMOUNT")), 180.0);
    // A later purchase exists; it must stay out of this sale's cost.
    QCOMPARE(count(QStringLiteral(
                       "LG_001_02_STLINE where STOCKREF='%1' AND IOCODE='1' AND TRCODE='1' AND DATE_>'%2' "
                       "AND PRICE=125")
                       .arg(ref, saleDate)),
             1);
}

// The declared types carry the demo ERP through the SQL Server stand-in as
// they would come from SQL Server: the same rows, texts that fill their
// varchar intact, datetimes with their time of day.
void TestDemoErp::servedAsSqlServer()
{
    if (!test::TdsServer::freeTdsInstalled())
        NEEDS_OR_SKIP("the FreeTDS ODBC driver is not installed (odbcinst -q -d lists no [FreeTDS])");
    test::TdsServer server(
        {m_path, QStringLiteral("demo"), QStringLiteral("demo"), QStringLiteral("DEMO"), {}});
    QVERIFY2(server.start(), qPrintable(server.errorText()));
    ErpConnection sqlServer;
    QVERIFY_OK(sqlServer.open(
        {server.serverValue(), QStringLiteral("DEMO"), QStringLiteral("demo"), QStringLiteral("demo")}));

    const QStringList statements{
        QStringLiteral("select * from LG_001_02_STFICHE where IOCODE='3' AND DATE_>='%1' AND DATE_<='%2' AND "
                       "(TRCODE='8' OR TRCODE='7')")
            .arg(key(today.addDays(-7)), key(today)),
        QStringLiteral("select * from LG_001_CLCARD where ACTIVE='0' AND CARDTYPE<>'22'"),
        QStringLiteral(
            "select * from LG_001_02_STLINE where INVOICEREF IN (select LOGICALREF from LG_001_02_INVOICE "
            "where DATE_>='%1')")
            .arg(key(today.addDays(-7))),
    };
    for (const QString &statement : statements) {
        ErpRows direct = m_erp.query(statement);
        ErpRows served = sqlServer.query(statement);
        QCOMPARE(served.rowCount(), direct.rowCount());
        QCOMPARE(served.columns(), direct.columns());
        for (direct.first(), served.first(); !direct.eof(); direct.next(), served.next()) {
            for (const QString &column : direct.columns())
                QCOMPARE(served.text(column), direct.text(column));
        }
    }
}

void TestDemoErp::sameDateSameBytes()
{
    const QString again = m_dir.filePath(QStringLiteral("again.sqlite"));
    demo::writeDemoErp(again, {1, today});
    QCOMPARE(fileHash(again), fileHash(m_path));
    const QString nextDay = m_dir.filePath(QStringLiteral("next-day.sqlite"));
    demo::writeDemoErp(nextDay, {1, today.addDays(1)});
    QVERIFY(fileHash(nextDay) != fileHash(m_path));
}

// Any reference date gives a current period whose waybill picker finds
// documents in its default week, the first day of a year included.
void TestDemoErp::otherReferenceDates_data()
{
    QTest::addColumn<QDate>("date");
    QTest::newRow("first day of the year") << QDate(2025, 1, 1);
    QTest::newRow("29 February") << QDate(2024, 2, 29);
    QTest::newRow("a Sunday") << QDate(2025, 3, 16);
    QTest::newRow("last day of the year") << QDate(2026, 12, 31);
}

void TestDemoErp::otherReferenceDates()
{
    QFETCH(QDate, date);
    const QString path =
        m_dir.filePath(date.toString(QStringLiteral("yyyyMMdd")) + QStringLiteral(".sqlite"));
    const demo::DemoSummary summary = demo::writeDemoErp(path, {1, date});
    QCOMPARE(summary.periodChoice, QStringLiteral("2- 1-(01.01.%1)  (31.12.%1)").arg(date.year()));
    QCOMPARE(summary.firmChoice, QStringLiteral("1- KARAÇAM GIDA DAĞITIM SAN. VE TİC. LTD. ŞTİ."));
    ErpConnection erp;
    open(erp, path);
    QVERIFY(
        count(erp, QStringLiteral("LG_001_02_STFICHE where IOCODE='3' AND DATE_>='%1' AND DATE_<='%2' AND "
                                  "(TRCODE='8' OR TRCODE='7')")
                       .arg(key(date.addDays(-7)), key(date))) >= 5);
    QCOMPARE(count(erp, QStringLiteral("LG_001_02_STFICHE where DATE_>'%1 23:59:59'").arg(key(date))), 0);
    QCOMPARE(count(erp, QStringLiteral("L_CAPIPERIOD where FIRMNR=1 AND ACTIVE=1 AND BEGDATE='%1'")
                            .arg(key(QDate(date.year(), 1, 1)))),
             1);
}

void TestDemoErp::sizeOption_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("scale"); // 0: refused
    QTest::newRow("small") << QStringLiteral("small") << 1;
    QTest::newRow("large") << QStringLiteral("large") << demo::largeScale;
    QTest::newRow("number") << QStringLiteral("7") << 7;
    QTest::newRow("zero") << QStringLiteral("0") << 0;
    QTest::newRow("negative") << QStringLiteral("-3") << 0;
    QTest::newRow("largest") << QStringLiteral("100") << 100;
    QTest::newRow("too big") << QStringLiteral("101") << 0;
    QTest::newRow("word") << QStringLiteral("huge") << 0;
    QTest::newRow("empty") << QString() << 0;
}

void TestDemoErp::sizeOption()
{
    QFETCH(QString, text);
    QFETCH(int, scale);
    QCOMPARE(demo::parseDemoSize(text).value_or(0), scale);
}

// The benchmark size promised in the usage text, on the reference date with
// the fewest documents (1 January: the current period has one day).
void TestDemoErp::largeCompany()
{
    const QString path = m_dir.filePath(QStringLiteral("large.sqlite"));
    const demo::DemoSummary summary = demo::writeDemoErp(path, {demo::largeScale, QDate(2025, 1, 1)});
    QVERIFY(summary.items >= 2000);
    ErpConnection erp;
    open(erp, path);
    QVERIFY(count(erp, QStringLiteral("LG_001_CLCARD where CARDTYPE IN (1,3)")) >= 500);
    QVERIFY(count(erp, QStringLiteral("LG_001_ITEMS")) >= 2000);
    QVERIFY(count(erp, QStringLiteral("LG_001_01_STLINE")) + count(erp, QStringLiteral("LG_001_02_STLINE")) >=
            200000);
    QVERIFY(count(erp, QStringLiteral("LG_001_02_STFICHE where IOCODE='3' AND DATE_='20250101'")) > 0);
}

QTEST_GUILESS_MAIN(TestDemoErp)
#include "tst_demoerp.moc"
