// The invoice profit analysis: the rows, sums and profitabilities of the
// invoice run (driven through the invoice picker's hand-over, as in the
// window) and of the item run, on a fixture whose every line shows one rule.
#include "analysis/analysisnumbers.h"
#include "analysis/invoiceanalysis.h"
#include "analysisfixture.h"
#include "pickers/invoicepicker.h"

#include <QTest>

using namespace tarvel;

namespace {

struct Row {
    QString kod, ack, tutar, maliyet, fark, kar, toptutar;
};

} // namespace

class TestInvoiceAnalysis : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void vatFactor_data();
    void vatFactor();
    void documentProfitability_data();
    void documentProfitability();
    void invoiceLines_data();
    void invoiceLines();
    void invoiceRunTotals();
    void zeroCostsGiveZeroProfitability();
    void itemRun_data();
    void itemRun();
    void itemRunEnd();
    void oneRunAtATime();
    void failingStatementsAreCounted();

private:
    // The hand-over of these invoices, ticked in this order, as the picker makes it.
    void runInvoices(InvoiceAnalysis &analysis, const QStringList &refs, bool vatIncluded = false,
                     bool extraTax = false);
    static QString field(const DataGrid &grid, int row, const QString &name);
    // The first row with this kod (and ack, when given) of one invoice.
    static int rowOf(const DataGrid &grid, const QString &ref, const QString &kod, const QString &ack = {});

    AnalysisErp m_erp;
    ReportContext m_context = m_erp.context();
};

void TestInvoiceAnalysis::initTestCase()
{
    const QString error = m_erp.open();
    QVERIFY2(error.isEmpty(), qPrintable(error));
    m_context = m_erp.context();
}

void TestInvoiceAnalysis::runInvoices(InvoiceAnalysis &analysis, const QStringList &refs, bool vatIncluded,
                                      bool extraTax)
{
    InvoicePicker picker(m_context);
    picker.open(QDate(2024, 1, 31));
    QCOMPARE(picker.listDocuments(refs), QStringList());
    picker.setVatIncluded(vatIncluded);
    picker.setExtraTax(extraTax);
    analysis.handOver(picker.picked(), picker.options());
}

QString TestInvoiceAnalysis::field(const DataGrid &grid, int row, const QString &name)
{
    const MemTable &table = grid.table();
    return table.value(row, table.fieldIndex(name));
}

int TestInvoiceAnalysis::rowOf(const DataGrid &grid, const QString &ref, const QString &kod,
                               const QString &ack)
{
    for (int row = 0; row < grid.table().rowCount(); ++row) {
        if (field(grid, row, QStringLiteral("fatrefno")) == ref &&
            field(grid, row, QStringLiteral("kod")) == kod &&
            (ack.isEmpty() || field(grid, row, QStringLiteral("ack")) == ack))
            return row;
    }
    return -1;
}

// ---- Numbers ---------------------------------------------------------------------------------------

void TestInvoiceAnalysis::vatFactor_data()
{
    QTest::addColumn<float>("rate");
    QTest::addColumn<double>("factor");
    QTest::newRow("18") << 18.0f << 1.18;
    QTest::newRow("8") << 8.0f << 1.08;
    QTest::newRow("1") << 1.0f << 1.01;
    QTest::newRow("0") << 0.0f << 1.0;
    QTest::newRow("20") << 20.0f << 1.20;
    // The text would read "1,08,5" and "1,100": such rates get their real factor.
    QTest::newRow("8,5") << 8.5f << 1.085;
    QTest::newRow("100") << 100.0f << 2.0;
}

void TestInvoiceAnalysis::vatFactor()
{
    QFETCH(float, rate);
    QFETCH(double, factor);
    QCOMPARE(tarvel::vatFactor(rate), factor);
}

void TestInvoiceAnalysis::documentProfitability_data()
{
    QTest::addColumn<float>("sales");
    QTest::addColumn<float>("cost");
    QTest::addColumn<QString>("kartop");
    QTest::newRow("two decimals") << 295.0f << 112.0f << "163,39";
    QTest::newRow("plain number") << 112.3f << 100.0f << "12,3";
    QTest::newRow("whole") << 332.0f << 200.0f << "66";
    QTest::newRow("loss") << 50.0f << 100.0f << "-50";
    QTest::newRow("no cost") << 30.0f << 0.0f << "0";
}

void TestInvoiceAnalysis::documentProfitability()
{
    QFETCH(float, sales);
    QFETCH(float, cost);
    QFETCH(QString, kartop);
    QCOMPARE(tarvel::documentProfitability(sales, cost), kartop);
}

// ---- Invoice run -------------------------------------------------------------------------------------

void TestInvoiceAnalysis::invoiceLines_data()
{
    QTest::addColumn<bool>("vatIncluded");
    QTest::addColumn<bool>("extraTax");
    QTest::addColumn<QList<Row>>("rows");
    QTest::addColumn<QString>("kartop");

    // kod, ack, tutar, maliyet, fark, kar, toptutar
    const Row promotionNet{"M001", "ELMA (Promosyon)", "0", "12,00", "-12", "", "0"};
    QTest::newRow("without VAT") << false << false
                                 << QList<Row>{{"M001", "ELMA", "95,00", "60,00", "35,00", "58,33", "100,00"},
                                               promotionNet,
                                               {"M002", "ARMUT", "50,00", "0,00", "50,00", "0,00", "50,00"},
                                               {"H001", "NAKLİYE", "30,00", "0,00", "30,00", "0,00", "30,00"},
                                               {"M003", "KİRAZ", "100,00", "40,00", "60,00", "150,00",
                                                "100,00"}}
                                 << "145,54";
    QTest::newRow("Kdv Dahil") << true << false
                               << QList<Row>{{"M001", "ELMA", "102,60", "64,80", "37,80", "58,33", "107,60"},
                                             {"M001", "ELMA (Promosyon)", "0", "12,96", "-12,96", "", "0"},
                                             {"M002", "ARMUT", "54,00", "0,00", "54,00", "0,00", "54,00"},
                                             {"H001", "NAKLİYE", "36,00", "0,00", "36,00", "0,00", "36,00"},
                                             {"M003", "KİRAZ", "108,00", "43,20", "64,80", "150,00",
                                              "108,00"}}
                               << "148,51";
    QTest::newRow("Ek Vergi") << false << true
                              << QList<Row>{{"M001", "ELMA", "97,00", "60,00", "37,00", "61,67", "102,00"},
                                            promotionNet,
                                            {"M003", "KİRAZ", "100,00", "40,00", "60,00", "150,00", "100,00"}}
                              << "147,32";
}

void TestInvoiceAnalysis::invoiceLines()
{
    QFETCH(bool, vatIncluded);
    QFETCH(bool, extraTax);
    QFETCH(QList<Row>, rows);
    QFETCH(QString, kartop);

    InvoiceAnalysis analysis(m_context);
    runInvoices(analysis, {QStringLiteral("10")}, vatIncluded, extraTax);
    const DataGrid &l1 = analysis.l1();
    // The discount line 105 has no card: five rows, numbered 1 to 4 and 6.
    QCOMPARE(l1.table().rowCount(), 5);
    for (const Row &expected : rows) {
        const int row = rowOf(l1, QStringLiteral("10"), expected.kod, expected.ack);
        QVERIFY2(row >= 0, qPrintable(expected.ack));
        QCOMPARE(field(l1, row, QStringLiteral("tutar")), expected.tutar);
        QCOMPARE(field(l1, row, QStringLiteral("maliyet")), expected.maliyet);
        QCOMPARE(field(l1, row, QStringLiteral("fark")), expected.fark);
        QCOMPARE(field(l1, row, QStringLiteral("kar")), expected.kar);
        QCOMPARE(field(l1, row, QStringLiteral("toptutar")), expected.toptutar);
    }
    QCOMPARE(field(l1, 4, QStringLiteral("fatsirano")), QStringLiteral("6"));
    QCOMPARE(field(l1, 4, QStringLiteral("kartop")), kartop);
    QCOMPARE(field(l1, 4, QStringLiteral("nettutar")), QStringLiteral("290,00"));
    QCOMPARE(analysis.vatLabel(), vatIncluded ? QStringLiteral("Kdv Dahil") : QStringLiteral("Kdv Hariç"));
}

void TestInvoiceAnalysis::invoiceRunTotals()
{
    InvoiceAnalysis analysis(m_context);
    // Invoice 14 has no lines: its totals must not land on invoice 11's last row.
    runInvoices(analysis, {QStringLiteral("10"), QStringLiteral("11"), QStringLiteral("14")});
    const DataGrid &l1 = analysis.l1();
    const MemTable &table = l1.table();
    QCOMPARE(table.rowCount(), 9);
    QCOMPARE(field(l1, 8, QStringLiteral("ack")), QStringLiteral("ANNE'NİN REÇELİ"));
    QCOMPARE(field(l1, 8, QStringLiteral("nettutar")), QStringLiteral("332,00"));
    QCOMPARE(field(l1, 8, QStringLiteral("kartop")), QStringLiteral("66"));
    // Only the last row of an invoice carries its totals, only the first row of the list the overall.
    QCOMPARE(field(l1, 3, QStringLiteral("kartop")), QString());
    QCOMPARE(field(l1, 0, QStringLiteral("geneltoporan")), QStringLiteral("94,551282051282"));
    QCOMPARE(field(l1, 1, QStringLiteral("geneltoporan")), QString());
    // ŞEKER was bought with quantity 0 (no unit price), SÜT with VAT in the price.
    QCOMPARE(field(l1, rowOf(l1, QStringLiteral("11"), QStringLiteral("M006")), QStringLiteral("maliyet")),
             QStringLiteral("0,00"));
    QCOMPARE(field(l1, rowOf(l1, QStringLiteral("11"), QStringLiteral("M007")), QStringLiteral("maliyet")),
             QStringLiteral("200,00"));
    QCOMPARE(field(l1, 0, QStringLiteral("satici")), QStringLiteral("S01"));
    QCOMPARE(field(l1, 8, QStringLiteral("satici")), QStringLiteral("S02"));

    // Grouped by invoice, the document columns shown, every group open.
    QVERIFY(l1.isGrouped());
    QCOMPARE(l1.groupCount(), 2);
    QCOMPARE(l1.groupHeading(0),
             QStringLiteral("FATURA: 10 - 10.01.2024 - F-10 - MEHMET'İN GIDA LTD. ŞTİ. - (Toptan Fatura)"));
    QCOMPARE(l1.groupHeading(1),
             QStringLiteral("FATURA: 11 - 15.01.2024 - F-11 - AYŞE TİCARET - (Parakende Fatura)"));
    QVERIFY(l1.isGroupExpanded(0) && l1.isGroupExpanded(1));
    QVERIFY(l1.column(AnalysisColumn::toptutar).visible && l1.column(AnalysisColumn::indirimtop).visible);

    const auto column = [&l1](const char *caption) {
        for (int c = 0; c < l1.columnCount(); ++c) {
            if (l1.column(c).caption == QString::fromUtf8(caption))
                return c;
        }
        return -1;
    };
    const QList<QPair<const char *, QStringList>> totals{
        // caption: footer, group 10, group 11
        {"MALZEME CİNSİ", {"GENEL TOPLAMLAR", "FATURA TOPLAMLARI", "FATURA TOPLAMLARI"}},
        {"SATIŞ TUTARI", {"607", "275", "332"}},
        {"SATIŞ MALİYETİ", {"312", "112", "200"}},
        {"KAR TUTARI", {"295", "163", "132"}},
        {"İND.TOP.", {"5,00", "5,00", "0,00"}},
        {"TOP. TUTAR", {"612,00", "280,00", "332,00"}},
        // The promotion line sold nothing: its invoice's profitability is
        // its shown sales against its costs, as the footer's is.
        {"KARLILIK", {"%94,55", "%145,54", "%66,00"}},
    };
    for (const auto &[caption, texts] : totals) {
        const int c = column(caption);
        QVERIFY2(c >= 0, caption);
        QCOMPARE(l1.footerText(c), texts.at(0));
        QCOMPARE(l1.groupTotalText(0, c), texts.at(1));
        QCOMPARE(l1.groupTotalText(1, c), texts.at(2));
    }
}

void TestInvoiceAnalysis::zeroCostsGiveZeroProfitability()
{
    // Dated before every purchase: no line has a cost.
    InvoiceAnalysis analysis(m_context);
    const PickedDocument invoice{.ref = QStringLiteral("11"),
                                 .tarih = QStringLiteral("01.11.2023"),
                                 .tutar = QStringLiteral("332,00"),
                                 .tip = QStringLiteral("7")};
    analysis.handOver({invoice}, {});

    const DataGrid &l1 = analysis.l1();
    QCOMPARE(l1.table().rowCount(), 4);
    QCOMPARE(field(l1, 3, QStringLiteral("kartop")), QStringLiteral("0"));
    QCOMPARE(field(l1, 0, QStringLiteral("geneltoporan")), QStringLiteral("0"));
    const QString bad = nonFiniteCell(l1, {"kar", "kartop", "geneltoporan", "fark"});
    QVERIFY2(bad.isEmpty(), qPrintable(bad));
    QCOMPARE(l1.footerText(AnalysisColumn::toptutar + 1), QStringLiteral("%0,00"));
}

// ---- Item run ----------------------------------------------------------------------------------------

void TestInvoiceAnalysis::itemRun_data()
{
    QTest::addColumn<QString>("search"); // none: "Tüm Ürünler"
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<QStringList>("rows"); // kod miktar tutar maliyet fark kar

    const QDate first(2024, 1, 1);
    const QDate january(2024, 1, 31);
    // Sales lines only: ELMA's scrap line 131 is no sale.
    QTest::newRow("Tüm Ürünler") << QString() << first << january
                                 << QStringList{"M001 12,00 120,00 72,00 48,00 66,67",
                                                "M002 5,00 50,00 0,00 50,00 0,00",
                                                "M003 4,00 100,00 40,00 60,00 150,00",
                                                "M004 3,00 30,00 0,00 30,00 0,00",
                                                "M006 1,00 12,00 10,00 2,00 20,00",
                                                "M007 2,00 250,00 200,00 50,00 25,00",
                                                "M008 1,00 40,00 0,00 40,00 0,00"};
    QTest::newRow("apostrophe") << QStringLiteral("ANNE'NİN") << first << january
                                << QStringList{"M008 1,00 40,00 0,00 40,00 0,00"};
    // The purchase of 01.02.2024 does not make KİRAZ a sold item.
    QTest::newRow("nothing sold") << QString() << QDate(2024, 2, 1) << QDate(2024, 2, 29) << QStringList{};
}

void TestInvoiceAnalysis::itemRun()
{
    QFETCH(QString, search);
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QFETCH(QStringList, rows);

    InvoiceAnalysis analysis(m_context);
    analysis.setDates({from, to});
    QVERIFY(search.isNull() ? analysis.analizyukle() : analysis.analizurunara(search));
    QCOMPARE(analysis.failures().count, 0);
    QStringList shown;
    const DataGrid &l1 = analysis.l1();
    for (int row = 0; row < l1.table().rowCount(); ++row) {
        QStringList cells;
        for (const char *name : {"kod", "miktar", "tutar", "maliyet", "fark", "kar"})
            cells << field(l1, row, QString::fromLatin1(name));
        shown << cells.join(QLatin1Char(' '));
        QCOMPARE(field(l1, row, QStringLiteral("sira")), QString::number(row + 1));
    }
    QCOMPARE(shown, rows);
}

void TestInvoiceAnalysis::itemRunEnd()
{
    InvoiceAnalysis analysis(m_context);
    runInvoices(analysis, {QStringLiteral("10")});
    analysis.setDates({QDate(2024, 1, 1), QDate(2024, 1, 31)});
    analysis.analizyukle();
    const DataGrid &l1 = analysis.l1();
    QVERIFY(!l1.isGrouped());
    for (const int c : {AnalysisColumn::toptutar, AnalysisColumn::fatbilgi, AnalysisColumn::indirimtop})
        QVERIFY(!l1.column(c).visible);
    QCOMPARE(l1.footerText(AnalysisColumn::toptutar + 1), QStringLiteral("%0,00"));
    QCOMPARE(analysis.pr1().value(), 0);
    QVERIFY(!analysis.pr1().showText());
    QCOMPARE(l1.table().currentRow(), 0);

    // Check1 groups an item run's rows under one empty heading, and back.
    analysis.setGrouped(true);
    QCOMPARE(l1.groupCount(), 1);
    QCOMPARE(l1.groupKey(0), QString());
    analysis.setGrouped(false);
    QVERIFY(!l1.isGrouped());
}

void TestInvoiceAnalysis::oneRunAtATime()
{
    InvoiceAnalysis analysis(m_context);
    analysis.setDates({QDate(2024, 1, 1), QDate(2024, 1, 31)});
    // Invoices ticked in the picker, handed over in the middle of the item run.
    InvoicePicker picker(m_context);
    picker.open(QDate(2024, 1, 31));
    QCOMPARE(picker.listDocuments({QStringLiteral("10"), QStringLiteral("11")}), QStringList());
    int calls = 0;
    bool secondStarted = true;
    int rowsDuringRun = -1;
    bool runningAfterHandOver = false;
    analysis.setBetweenItems([&] {
        if (++calls != 3)
            return;
        QVERIFY(analysis.isRunning());
        secondStarted = analysis.analizurunara(QStringLiteral("ELMA"));
        analysis.handOver(picker.picked(), picker.options()); // refused: the item run's rows stay
        runningAfterHandOver = analysis.isRunning();
        rowsDuringRun = analysis.l1().table().rowCount();
        analysis.clearList(); // "Listeyi Temizle" meanwhile: refused too
    });
    QVERIFY(analysis.analizyukle());
    QVERIFY(!secondStarted);
    QVERIFY(runningAfterHandOver);
    QCOMPARE(rowsDuringRun, 2);
    QCOMPARE(analysis.l1().table().rowCount(), 7);
    QVERIFY(!analysis.isRunning());
    QCOMPARE(analysis.pr1().max(), 8);
}

void TestInvoiceAnalysis::failingStatementsAreCounted()
{
    ReportContext otherFirm = m_context;
    otherFirm.fir = QStringLiteral("7- YOK");
    InvoiceAnalysis analysis(otherFirm);
    QVERIFY(analysis.analizyukle());
    QCOMPARE(analysis.failures().count, 1);
    QVERIFY2(analysis.failures().first.contains(QStringLiteral("LG_007_ITEMS")),
             qPrintable(analysis.failures().first));
    QCOMPARE(analysis.l1().table().rowCount(), 0);
    QVERIFY(!analysis.isRunning());
}

QTEST_GUILESS_MAIN(TestInvoiceAnalysis)
#include "tst_invoiceanalysis.moc"
