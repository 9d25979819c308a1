// The order picker (its filters, its customer restriction, its appearance
// section) and the order profit analysis driven by its hand-over: the order
// lines, their costs, the order totals and the overall profitability that
// needs a cost.
#include "analysis/orderanalysis.h"
#include "analysisfixture.h"
#include "common/verifyok.h"
#include "foundation/store/sidefiles.h"
#include "pickers/orderpicker.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace tarvel;

Q_DECLARE_METATYPE(tarvel::ReadMode)

class TestOrderAnalysis : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void search_data();
    void search();
    void customerHoldsForFurtherSearches();
    void appearanceInItsOwnSection();
    void orderRun_data();
    void orderRun();
    void zeroCostReportsTheDivision();
    void stopKeepsDocumentsDone_data();
    void stopKeepsDocumentsDone();

private:
    // The hand-over of these orders, ticked in this order, as the picker makes it.
    void runOrders(OrderAnalysis &analysis, const QStringList &refs);
    static QStringList fisnos(const OrderPicker &picker);

    AnalysisErp m_erp;
    ReportContext m_context = m_erp.context();
    QString m_trace;
};

void TestOrderAnalysis::initTestCase()
{
    const QString error = m_erp.open();
    QVERIFY2(error.isEmpty(), qPrintable(error));
    m_context = m_erp.context();
    m_trace = m_erp.filePath(QStringLiteral("trace.sql"));
    QVERIFY_OK(m_erp.connection().setTraceFile(m_trace));
}

void TestOrderAnalysis::runOrders(OrderAnalysis &analysis, const QStringList &refs)
{
    OrderPicker picker(analysis.context());
    picker.open(QDate(2024, 1, 31));
    QCOMPARE(picker.listDocuments(refs), QStringList());
    analysis.handOver(picker.picked(), picker.options());
}

QStringList TestOrderAnalysis::fisnos(const OrderPicker &picker)
{
    QStringList numbers;
    for (int row = 0; row < picker.l1().table().rowCount(); ++row)
        numbers << cellOf(picker.l1(), row, QStringLiteral("fisno"));
    return numbers;
}

// ---- The picker --------------------------------------------------------------------------------------

void TestOrderAnalysis::search_data()
{
    QTest::addColumn<QString>("customer");     // typed into cr
    QTest::addColumn<QString>("chosenRef");    // then chosen through "Cari Kartlar"
    QTest::addColumn<QStringList>("salesmen"); // refs ticked in satel
    QTest::addColumn<int>("payment");          // siptip entry
    QTest::addColumn<QStringList>("orders");

    // Order 32 is a purchase order: never listed.
    QTest::newRow("Tümü") << QString() << QString() << QStringList() << 0
                          << QStringList{"S-30", "S-31", "S-33"};
    QTest::newRow("0-Ödemesiz") << QString() << QString() << QStringList() << 1
                                << QStringList{"S-30", "S-33"};
    QTest::newRow("1-Ödemeli") << QString() << QString() << QStringList() << 2 << QStringList{"S-31"};
    QTest::newRow("two salesmen") << QString() << QString() << QStringList{"1", "2"} << 0
                                  << QStringList{"S-30", "S-31"};
    // Every salesman record is offered, also one of another firm.
    QTest::newRow("other firm's salesman")
        << QString() << QString() << QStringList{"4"} << 0 << QStringList{"S-33"};
    // Two cards share the name: typed, the first card's reference is taken ...
    QTest::newRow("typed name") << QStringLiteral("AYŞE TİCARET") << QString() << QStringList() << 0
                                << QStringList{"S-31"};
    // ... chosen through the customer picker, the chosen card wins.
    QTest::newRow("chosen card") << QStringLiteral("AYŞE TİCARET") << QStringLiteral("5") << QStringList()
                                 << 0 << QStringList{"S-33"};
    QTest::newRow("apostrophe") << QStringLiteral("MEHMET'İN GIDA LTD. ŞTİ.") << QString() << QStringList()
                                << 0 << QStringList{"S-30"};
    QTest::newRow("all together") << QStringLiteral("AYŞE TİCARET") << QStringLiteral("5") << QStringList{"4"}
                                  << 1 << QStringList{"S-33"};
}

void TestOrderAnalysis::search()
{
    QFETCH(QString, customer);
    QFETCH(QString, chosenRef);
    QFETCH(QStringList, salesmen);
    QFETCH(int, payment);
    QFETCH(QStringList, orders);

    OrderPicker picker(m_context);
    picker.open(QDate(2024, 1, 31));
    QCOMPARE(picker.siptip(), QStringLiteral("Tümü"));
    QCOMPARE(picker.satel().count(), 4);
    QCOMPARE(picker.satel().entries().at(2), QStringLiteral("3-S03-PASİF ELEMAN"));
    if (!customer.isEmpty())
        picker.setCr(customer);
    if (!chosenRef.isEmpty())
        picker.setCrref(chosenRef);
    QCOMPARE(picker.satel().selectRefs(salesmen), QStringList());
    picker.setSiptip(OrderPicker::paymentTypes().at(payment));
    QVERIFY_OK(picker.gosterbul(SearchMode::NewList));
    QCOMPARE(fisnos(picker), orders);
}

void TestOrderAnalysis::customerHoldsForFurtherSearches()
{
    OrderPicker picker(m_context);
    picker.open(QDate(2024, 1, 31));
    picker.setCr(QStringLiteral("AYŞE TİCARET"));
    picker.setCrref(QStringLiteral("5"));
    // What the status bar says; a failure shows as its error.
    const auto says = [&picker](SearchMode mode) {
        const Result<QString> found = picker.gosterbul(mode);
        return found ? *found : found.errorText();
    };
    QVERIFY_OK(picker.gosterbul(SearchMode::NewList));
    // Unlike the invoice picker's, the restriction holds until cr changes;
    // the order already listed is not listed again.
    QCOMPARE(says(SearchMode::AddToList), QStringLiteral("Listeye eklenecek yeni kayıt yok"));
    QCOMPARE(fisnos(picker), (QStringList{"S-33"}));
    const MemTable &list = picker.l1().table();
    QCOMPARE(cellOf(picker.l1(), 0, QStringLiteral("sira")), QStringLiteral("1"));
    QCOMPARE(cellOf(picker.l1(), 0, QStringLiteral("tutar")), QStringLiteral("20,00"));
    QCOMPARE(cellOf(picker.l1(), 0, QStringLiteral("nettutar")), QStringLiteral("23,60"));
    QCOMPARE(cellOf(picker.l1(), 0, QStringLiteral("tip")), QStringLiteral("1"));
    QCOMPARE(list.fieldIndex(QStringLiteral("satici")), -1);
    // Part of a name is no customer: nothing is listed, and said so.
    picker.setCr(QStringLiteral("AYŞE"));
    QCOMPARE(says(SearchMode::NewList), QStringLiteral("Cari bulunamadı: AYŞE"));
    QCOMPARE(fisnos(picker), QStringList());
    picker.setCr(QString());
    QCOMPARE(says(SearchMode::NewList), QString());
    QCOMPARE(fisnos(picker), (QStringList{"S-30", "S-31", "S-33"}));
}

void TestOrderAnalysis::appearanceInItsOwnSection()
{
    const QString file = m_erp.filePath(QStringLiteral("list.velmor"));
    QFile::remove(file);
    {
        OrderPicker picker(m_context);
        picker.open(QDate(2024, 1, 31));
        picker.l1().setColumnWidth(13, 140);
        picker.saveAppearance();
    }
    QCOMPARE(iniread(QStringLiteral("sip2"), QStringLiteral("l1-13"), file), QStringLiteral("140"));
    // The invoice and waybill pickers' section, whose columns differ, is left alone.
    QCOMPARE(iniread(QStringLiteral("l1"), QStringLiteral("l1-13"), file), QString());
    OrderPicker picker(m_context);
    picker.open(QDate(2024, 1, 31));
    QCOMPARE(picker.l1().columnWidth(13), 140);
}

// ---- The order run ---------------------------------------------------------------------------------

void TestOrderAnalysis::orderRun_data()
{
    QTest::addColumn<ReadMode>("mode");
    QTest::newRow("sets") << ReadMode::Sets;
    QTest::newRow("verbatim") << ReadMode::Verbatim;
}

void TestOrderAnalysis::orderRun()
{
    QFETCH(ReadMode, mode);
    ReportContext context = m_context;
    context.readMode = mode;
    OrderAnalysis analysis(context);
    QSignalSpy failed(&analysis, &OrderAnalysis::overallProfitabilityFailed);
    tracedStatements(m_trace);
    runOrders(analysis, {QStringLiteral("30"), QStringLiteral("31")});
    const QStringList sent = tracedStatements(m_trace);
    // Lines and their re-read from the order lines, costs without parentheses.
    for (const char *statement :
         {"select * from LG_001_01_ORFLINE Where ORDFICHEREF='30'",
          "select PRICE,VAT,VATINC,DISTCOST,LINENET,AMOUNT from LG_001_01_STLINE where IOCODE='1' AND "
          "LINETYPE='0' "
          "AND TRCODE<>'2' AND TRCODE<>'3' AND TRCODE<>'13' AND STOCKREF='1' AND DATE_<='20240112'",
          "select VATINC,VAT,AMOUNT AS miktar1,LINENET AS tutar1,ADDTAXAMOUNT AS EKVERGITUTAR,TOTAL AS "
          "toptutar1 "
          ",LINETYPE AS linetip,DISTCOST from LG_001_01_ORFLINE where LOGICALREF='301'"})
        QVERIFY2(mode == ReadMode::Sets || sent.contains(QString::fromUtf8(statement)), statement);

    const DataGrid &l1 = analysis.l1();
    QStringList rows;
    for (int row = 0; row < l1.table().rowCount(); ++row) {
        QStringList cells;
        for (const char *name : {"fatsirano", "kod", "tutar", "maliyet", "fark", "kar", "nettutar", "kartop"})
            cells << cellOf(l1, row, QString::fromLatin1(name));
        rows << cells.join(QLatin1Char(' '));
    }
    QCOMPARE(rows,
             (QStringList{"1 M001 95,00 60,00 35,00 58,33  ", "2 M003 100,00 40,00 60,00 150,00 195,00 95",
                          "1 M008 40,00 0,00 40,00 0,00 40,00 0"}));
    QCOMPARE(l1.table().fieldIndex(QStringLiteral("toptutar")), -1);
    QCOMPARE(analysis.vatLabel(), QStringLiteral("Kdv Hariç"));
    QCOMPARE(analysis.design().vatLabelName, QStringLiteral("Label1"));

    QVERIFY(l1.isGrouped());
    QCOMPARE(l1.groupHeading(0),
             QStringLiteral("SİPARİŞ: 30 - 12.01.2024 - S-30 - MEHMET'İN GIDA LTD. ŞTİ. - ()"));
    QCOMPARE(l1.groupHeading(1), QStringLiteral("SİPARİŞ: 31 - 20.01.2024 - S-31 - AYŞE TİCARET - ()"));
    // TOP. TUTAR sums nettutar: an order's group total is its TOTALDISCOUNTED.
    QVERIFY(l1.column(AnalysisColumn::toptutar).visible);
    QCOMPARE(l1.groupTotalText(0, AnalysisColumn::toptutar), QStringLiteral("195,00"));
    QCOMPARE(l1.footerText(AnalysisColumn::toptutar), QStringLiteral("235,00"));
    QCOMPARE(l1.groupTotalText(0, AnalysisColumn::toptutar - 13), QStringLiteral("SİPARİŞ TOPLAMLARI"));
    const int karlilik = AnalysisColumn::toptutar + 1;
    QCOMPARE(l1.groupTotalText(0, karlilik), QStringLiteral("%95,00"));
    QCOMPARE(l1.footerText(karlilik), QStringLiteral("%135,00"));
    QCOMPARE(failed.count(), 0);
    QVERIFY(analysis.overall().ok());
    QVERIFY(!analysis.isRunning());
}

void TestOrderAnalysis::zeroCostReportsTheDivision()
{
    OrderAnalysis analysis(m_context);
    QSignalSpy failed(&analysis, &OrderAnalysis::overallProfitabilityFailed);
    // REÇELİ was never bought, ÇAY bought for 0.
    runOrders(analysis, {QStringLiteral("31"), QStringLiteral("33")});
    const DataGrid &l1 = analysis.l1();
    QCOMPARE(l1.table().rowCount(), 2);
    QCOMPARE(failed.count(), 1);
    QVERIFY(!analysis.overall().ok());
    QVERIFY(analysis.overall().errorText().contains(QStringLiteral("Sıfıra bölme")));
    for (int row = 0; row < l1.table().rowCount(); ++row)
        QCOMPARE(cellOf(l1, row, QStringLiteral("geneltoporan")), QString());
    QCOMPARE(l1.footerText(AnalysisColumn::toptutar + 1), QStringLiteral("%0,00"));
    const QString bad = nonFiniteCell(l1, {"kar", "kartop", "geneltoporan", "fark"});
    QVERIFY2(bad.isEmpty(), qPrintable(bad));

    // The next run that can be computed clears the failure.
    runOrders(analysis, {QStringLiteral("30")});
    QVERIFY(analysis.overall().ok());
}

void TestOrderAnalysis::stopKeepsDocumentsDone_data()
{
    QTest::addColumn<int>("atPoll");       // the between-lines call that presses "Durdur"
    QTest::addColumn<QStringList>("rows"); // fatsirano kod kartop
    // Polls: order 30 M001, M003, order 31 M008.
    QTest::newRow("before the first line") << 1 << QStringList();
    QTest::newRow("inside the first order") << 2 << QStringList{"1 M001 "};
    QTest::newRow("between the orders") << 3 << QStringList{"1 M001 ", "2 M003 95"};
}

// The documents done keep their rows and their own profitability; the one
// cut short and the run as a whole get no totals.
void TestOrderAnalysis::stopKeepsDocumentsDone()
{
    QFETCH(int, atPoll);
    QFETCH(QStringList, rows);
    OrderAnalysis analysis(m_context);
    QSignalSpy failed(&analysis, &OrderAnalysis::overallProfitabilityFailed);
    int polls = 0;
    analysis.setBetweenItems([&] {
        if (++polls == atPoll)
            analysis.requestStop();
    });
    runOrders(analysis, {QStringLiteral("30"), QStringLiteral("31")});
    QVERIFY(analysis.wasStopped());
    QVERIFY(!analysis.isRunning());
    const DataGrid &l1 = analysis.l1();
    QStringList found;
    for (int row = 0; row < l1.table().rowCount(); ++row) {
        QStringList cells;
        for (const char *name : {"fatsirano", "kod", "kartop"})
            cells << cellOf(l1, row, QString::fromLatin1(name));
        found << cells.join(QLatin1Char(' '));
        QCOMPARE(cellOf(l1, row, QStringLiteral("geneltoporan")), QString());
    }
    QCOMPARE(found, rows);
    QCOMPARE(l1.footerText(AnalysisColumn::toptutar + 1), QStringLiteral("%0,00"));
    QCOMPARE(failed.count(), 0);
    QCOMPARE(analysis.pr1().value(), 0);

    // The next run goes to its end.
    analysis.setBetweenItems({});
    runOrders(analysis, {QStringLiteral("30"), QStringLiteral("31")});
    QVERIFY(!analysis.wasStopped());
    QCOMPARE(l1.footerText(AnalysisColumn::toptutar + 1), QStringLiteral("%135,00"));
}

QTEST_GUILESS_MAIN(TestOrderAnalysis)
#include "tst_orderanalysis.moc"
