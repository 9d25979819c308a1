// The material profit analysis: its filter lists, the run with its filters
// (name, any of five special codes, group code, salesmen, dates, modes), the
// run totals, grouping by sales date, and the stop request.
#include "analysis/materialanalysis.h"
#include "analysisfixture.h"

#include <QTemporaryDir>
#include <QTest>

using namespace tarvel;

Q_DECLARE_METATYPE(tarvel::ReadMode)

namespace {

struct Filters {
    QString name{}, specialCode{}, groupCode{};
    QStringList salesmen{};
    bool vatIncluded = false;
};

const QDate december(2023, 12, 1);
const QDate january(2024, 1, 1);
const QDate endOfJanuary(2024, 1, 31);

} // namespace

class TestMaterialAnalysis : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void filterLists();
    void run_data();
    void run();
    void groupedBySalesDate();
    void stop_data();
    void stop();
    void oneRunAtATime();

private:
    // A material run over the range with the filters, as "Bul" starts it.
    void find(MaterialAnalysis &analysis, const Filters &filters, const QDate &from = december,
              const QDate &to = endOfJanuary);
    static QStringList rows(const DataGrid &grid);

    AnalysisErp m_erp;
    ReportContext m_context = m_erp.context();
    QString m_trace;
};

void TestMaterialAnalysis::initTestCase()
{
    const QString error = m_erp.open();
    QVERIFY2(error.isEmpty(), qPrintable(error));
    m_context = m_erp.context();
    m_trace = m_erp.filePath(QStringLiteral("trace.sql"));
    QVERIFY_OK(m_erp.connection().setTraceFile(m_trace));
}

void TestMaterialAnalysis::find(MaterialAnalysis &analysis, const Filters &filters, const QDate &from,
                                const QDate &to)
{
    analysis.elemanekle();
    QCOMPARE(analysis.satel().selectRefs(filters.salesmen), QStringList());
    analysis.setDates({from, to});
    analysis.setText1(filters.name);
    analysis.setOzkod(filters.specialCode);
    analysis.setGrp(filters.groupCode);
    analysis.setVatIncluded(filters.vatIncluded);
    QVERIFY(analysis.run());
    QCOMPARE(analysis.failures().count, 0);
}

QStringList TestMaterialAnalysis::rows(const DataGrid &grid)
{
    QStringList shown;
    for (int row = 0; row < grid.table().rowCount(); ++row) {
        QStringList cells;
        for (const char *name : {"kod", "miktar", "tutar", "maliyet", "fark", "kar"})
            cells << cellOf(grid, row, QString::fromLatin1(name));
        shown << cells.join(QLatin1Char(' '));
    }
    return shown;
}

void TestMaterialAnalysis::filterLists()
{
    MaterialAnalysis analysis(m_context);
    analysis.ozkodyukle();
    analysis.grupkodyukle();
    analysis.elemanekle();
    QCOMPARE(analysis.specialCodes(), (QStringList{"", "MEYVE", "KAMPANYA"}));
    QCOMPARE(analysis.groupCodes(), (QStringList{"", "GIDA", "İÇECEK"}));
    // Every salesman record, of every firm, active or not; no code in the entry.
    QCOMPARE(analysis.satel().entries(),
             (QStringList{"1-ALİ YILMAZ", "2-VELİ KAYA", "3-PASİF ELEMAN", "4-DİĞER FİRMA"}));
}

void TestMaterialAnalysis::run_data()
{
    QTest::addColumn<ReadMode>("mode");
    QTest::addColumn<Filters>("filters");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QStringList>("rows"); // kod miktar tutar maliyet fark kar
    QTest::addColumn<QString>(
        "kartop"); // on the last row (as the footer: the promotion sold nothing); empty: no run totals
    QTest::addColumn<QString>("karlilik");  // the KARLILIK footer
    QTest::addColumn<QString>("statement"); // one statement the run must send

    const QStringList all{"M001 10,00 95,00 60,00 35,00 58,33",  "M001 2,00 0 12,00 -12 ",
                          "M001 1,00 12,00 5,00 7,00 140,00",    "M002 5,00 50,00 0,00 50,00 0,00",
                          "M003 4,00 100,00 40,00 60,00 150,00", "M004 3,00 30,00 0,00 30,00 0,00",
                          "M006 1,00 12,00 0,00 12,00 0,00",     "M007 2,00 250,00 200,00 50,00 25,00",
                          "M008 1,00 40,00 0,00 40,00 0,00"};
    QStringList withoutDecember = all;
    withoutDecember.removeAt(2);

    // Read in sets and verbatim, every run gives the same rows.
    for (const ReadMode mode : {ReadMode::Sets, ReadMode::Verbatim}) {
        const auto row = [mode](const char *name) -> QTestData & {
            return QTest::addRow("%s, %s", name, mode == ReadMode::Sets ? "sets" : "verbatim") << mode;
        };
        row("everything") << Filters{} << december << all << "85,80"
                          << "%85,80"
                          << "select LOGICALREF,CODE,NAME from LG_001_ITEMS Where NAME LIKE '%%' AND "
                             "(SPECODE LIKE '%%' OR SPECODE2 LIKE '%%' OR SPECODE3 LIKE '%%' OR SPECODE4 "
                             "LIKE '%%' OR SPECODE5 LIKE '%%') AND STGRPCODE LIKE '%%'";
        row("January") << Filters{} << january << withoutDecember << "84,94"
                       << "%84,94"
                       << "select AMOUNT AS miktar1,LINENET AS tutar1, ADDTAXAMOUNT AS EKVERGITUTAR, TOTAL "
                          "AS toptutar1,LINETYPE AS linetip ,DISTCOST from LG_001_01_STLINE where "
                          "LOGICALREF='101' AND (DATE_>='20240101' AND DATE_<='20240131')";
        // Invoice 12's line belongs to the salesman of another firm.
        row("two salesmen") << Filters{.salesmen = {"1", "2"}} << december << withoutDecember << "84,94"
                            << "%84,94"
                            << "select * from LG_001_01_STLINE Where TRCODE IN(7,8) AND STOCKREF='1' AND "
                               "(DATE_>='20231201' AND DATE_<='20240131') AND (SALESMANREF='1' OR "
                               "SALESMANREF='2')";
        row("special code in the fifth field")
            << Filters{.specialCode = "KAMPANYA"} << december
            << QStringList{"M003 4,00 100,00 40,00 60,00 150,00"} << "150,00"
            << "%150,00"
            << "select PRICE,VAT,VATINC,DISTCOST,LINENET,AMOUNT from LG_001_01_STLINE where IOCODE='1' AND "
               "LINETYPE='0' AND TRCODE<>'2' AND TRCODE<>'3' AND TRCODE<>'13' AND STOCKREF='3' AND "
               "DATE_<='20240110'";
        row("part of a special code")
            << Filters{.specialCode = "MEY"} << december << all.mid(0, 5) << "119,66"
            << "%119,66" << QString();
        // No cost: neither run totals nor an overall profitability, and no infinity anywhere.
        row("group code") << Filters{.groupCode = "İÇECEK"} << december
                          << QStringList{"M004 3,00 30,00 0,00 30,00 0,00"} << ""
                          << "%0,00" << QString();
        row("apostrophe")
            << Filters{.name = "ANNE'NİN"} << december << QStringList{"M008 1,00 40,00 0,00 40,00 0,00"} << ""
            << "%0,00"
            << "select LOGICALREF,CODE,NAME from LG_001_ITEMS Where NAME LIKE '%ANNE''NİN%' AND "
               "(SPECODE LIKE '%%' OR SPECODE2 LIKE '%%' OR SPECODE3 LIKE '%%' OR SPECODE4 "
               "LIKE '%%' OR SPECODE5 LIKE '%%') AND STGRPCODE LIKE '%%'";
        // The user's pattern characters keep their meaning.
        row("percent typed") << Filters{.name = "ŞE%ER"} << december
                             << QStringList{"M006 1,00 12,00 0,00 12,00 0,00"} << ""
                             << "%0,00" << QString();
        row("Kdv Dahil") << Filters{.name = "SÜT", .vatIncluded = true} << december
                         << QStringList{"M007 2,00 295,00 236,00 59,00 25,00"} << "25,00"
                         << "%25,00" << QString();
        row("nothing found") << Filters{.name = "YOK"} << december << QStringList{} << ""
                             << "%0,00" << QString();
    }
}

void TestMaterialAnalysis::run()
{
    QFETCH(ReadMode, mode);
    QFETCH(Filters, filters);
    QFETCH(QDate, from);
    QFETCH(QStringList, rows);
    QFETCH(QString, kartop);
    QFETCH(QString, karlilik);
    QFETCH(QString, statement);

    ReportContext context = m_context;
    context.readMode = mode;
    MaterialAnalysis analysis(context);
    tracedStatements(m_trace);
    find(analysis, filters, from);
    const QStringList sent = tracedStatements(m_trace);
    QCOMPARE(analysis.statementCount(), sent.size() - 1); // elemanekle is no statement of the run
    // The statements as the screen has always sent them.
    if (mode == ReadMode::Verbatim && !statement.isEmpty())
        QVERIFY2(sent.contains(statement), qPrintable(sent.join(QLatin1Char('\n'))));

    const DataGrid &l1 = analysis.l1();
    QCOMPARE(TestMaterialAnalysis::rows(l1), rows);
    QCOMPARE(analysis.l1().table().rowCount(), rows.size());
    QVERIFY(!analysis.wasStopped());
    const int last = int(rows.size()) - 1;
    for (int row = 0; row < last; ++row)
        QCOMPARE(cellOf(l1, row, QStringLiteral("kartop")), QString());
    if (last >= 0) {
        QCOMPARE(cellOf(l1, last, QStringLiteral("kartop")), kartop);
        QCOMPARE(cellOf(l1, 0, QStringLiteral("geneltoporan")).isEmpty(), kartop.isEmpty());
    }
    QCOMPARE(l1.footerText(AnalysisColumn::toptutar + 1), karlilik);
    QCOMPARE(analysis.vatLabel(),
             filters.vatIncluded ? QStringLiteral("Kdv Dahil") : QStringLiteral("Kdv Hariç"));
    QCOMPARE(l1.table().currentRow(), rows.isEmpty() ? -1 : 0);
    QCOMPARE(analysis.pr1().value(), 0);
    QVERIFY(!analysis.pr1().showText());
}

void TestMaterialAnalysis::groupedBySalesDate()
{
    MaterialAnalysis analysis(m_context);
    find(analysis, {});
    const DataGrid &l1 = analysis.l1();
    // The run leaves the grouping as it was.
    QVERIFY(!l1.isGrouped());
    QCOMPARE(cellOf(l1, 8, QStringLiteral("nettutar")), QStringLiteral("594"));
    QCOMPARE(cellOf(l1, 0, QStringLiteral("geneltoporan")), QStringLiteral("85,8044164037855"));
    for (int row = 0; row < l1.table().rowCount(); ++row) {
        QCOMPARE(cellOf(l1, row, QStringLiteral("fatsirano")), QStringLiteral("1"));
        QCOMPARE(cellOf(l1, row, QStringLiteral("fisno")), QString());
        QCOMPARE(cellOf(l1, row, QStringLiteral("fatrefno")), QString());
    }

    analysis.setGrouped(true);
    find(analysis, {});
    QVERIFY(l1.isGrouped());
    // ELMA sold on two invoices of two days: its rows fall under two days.
    QCOMPARE(l1.groupCount(), 3);
    QCOMPARE(l1.groupHeading(0), QStringLiteral("FATURA:  - 10.01.2024 -  -  - ()"));
    QCOMPARE(l1.groupRowCount(0), 4);
    QCOMPARE(l1.groupKey(1), QStringLiteral(" - 30.12.2023 -  -  - ()"));
    QCOMPARE(l1.groupRowCount(1), 1);
    QCOMPARE(l1.groupRowCount(2), 4);
    QCOMPARE(l1.groupTotalText(2, AnalysisColumn::toptutar - 13), QStringLiteral("FATURA TOPLAMLARI"));
}

void TestMaterialAnalysis::stop_data()
{
    QTest::addColumn<int>("atPoll"); // the between-items call that presses "Durdur"
    QTest::addColumn<int>("rows");
    // Polls: item ELMA, its lines 101, 102, 121, item ARMUT, ...
    QTest::newRow("before the first item") << 1 << 0;
    QTest::newRow("before a sales line") << 3 << 1;
    QTest::newRow("before an item") << 5 << 3;
}

void TestMaterialAnalysis::stop()
{
    QFETCH(int, atPoll);
    QFETCH(int, rows);

    MaterialAnalysis analysis(m_context);
    int polls = 0;
    analysis.setBetweenItems([&] {
        if (++polls == atPoll)
            analysis.requestStop();
    });
    find(analysis, {});
    const DataGrid &l1 = analysis.l1();
    QVERIFY(analysis.wasStopped());
    QVERIFY(!analysis.isRunning());
    QCOMPARE(l1.table().rowCount(), rows);
    // The rows found so far stay, without any totals.
    for (int row = 0; row < rows; ++row) {
        for (const char *total : {"nettutar", "kartop", "geneltoporan"})
            QCOMPARE(cellOf(l1, row, QString::fromLatin1(total)), QString());
    }
    QCOMPARE(l1.footerText(AnalysisColumn::toptutar + 1), QStringLiteral("%0,00"));
    QCOMPARE(analysis.pr1().value(), 0);
    QVERIFY(!analysis.pr1().showText());

    // The next "Bul" starts afresh.
    analysis.setBetweenItems({});
    find(analysis, {});
    QVERIFY(!analysis.wasStopped());
    QCOMPARE(l1.table().rowCount(), 9);
}

void TestMaterialAnalysis::oneRunAtATime()
{
    MaterialAnalysis analysis(m_context);
    bool secondStarted = true;
    int rowsDuringRun = -1;
    int polls = 0;
    analysis.setBetweenItems([&] {
        if (++polls != 5)
            return;
        secondStarted = analysis.run();
        rowsDuringRun = analysis.l1().table().rowCount();
        analysis.clearList(); // "Listeyi Temizle" meanwhile: refused too
    });
    find(analysis, {});
    QVERIFY(!secondStarted);
    QCOMPARE(rowsDuringRun, 3);
    QCOMPARE(analysis.l1().table().rowCount(), 9);
    QCOMPARE(analysis.pr1().max(), 8);
}

QTEST_GUILESS_MAIN(TestMaterialAnalysis)
#include "tst_materialanalysis.moc"
