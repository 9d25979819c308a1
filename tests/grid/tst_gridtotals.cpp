// Footer totals: what they add up, how they are shown, and that they follow
// every change of the rows (they are cached).
#include "grid/gridtestlist.h"

#include <QTest>

using namespace tarvel;

class TestGridTotals : public QObject {
    Q_OBJECT
private slots:
    void footer_data();
    void footer();
    void patterns_data();
    void patterns();
    void totalsFollowChanges();
};

void TestGridTotals::footer_data()
{
    QTest::addColumn<QStringList>("tutar");        // one row per value
    QTest::addColumn<QStringList>("geneltoporan"); // the same rows' other field
    QTest::addColumn<GridTotal>("total");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    const QStringList amounts{"10,50", "1.000,25", "-0,75"};
    QTest::newRow("sum, plain") << amounts << QStringList() << GridTotal::sumOf("tutar") << 1010.0 << "1010";
    QTest::newRow("sum, #0.00") << amounts << QStringList() << GridTotal::sumOf("tutar", "#0.00") << 1010.0
                                << "1010,00";
    QTest::newRow("sum, grouped") << QStringList{"1234,5", "1000"} << QStringList()
                                  << GridTotal::sumOf("tutar", "###,###0.00") << 2234.5 << "2.234,50";
    QTest::newRow("sum of another field, percent")
        << QStringList{"1", "2"} << QStringList{"12,345", ""} << GridTotal::sumOf("geneltoporan", "%#0.00")
        << 12.345 << "%12,35";
    QTest::newRow("percent of nothing")
        << QStringList{"1"} << QStringList() << GridTotal::sumOf("geneltoporan", "%#0.00") << 0.0 << "%0,00";
    QTest::newRow("non-numeric cells count 0") << QStringList{"abc", "", "3,5", "1.5", "2,25 TL"}
                                               << QStringList() << GridTotal::sumOf("tutar") << 3.5 << "3,5";
    // Doubles add noise below the cells' decimals; the total shows what the cells make.
    QTest::newRow("plain sum at the cells' decimals")
        << QStringList(100, QStringLiteral("0,10")) << QStringList() << GridTotal::sumOf("tutar") << 10.0
        << "10";
    QTest::newRow("plain sum of large amounts")
        << QStringList(1000, QStringLiteral("556420,98")) << QStringList() << GridTotal::sumOf("tutar")
        << 556420980.0 << "556420980";
    QTest::newRow("plain sum keeps the most decimals among the cells")
        << QStringList{"0,125", "0,1", "2"} << QStringList() << GridTotal::sumOf("tutar") << 2.225 << "2,225";
    QTest::newRow("fixed text") << amounts << QStringList() << GridTotal::fixedText("GENEL TOPLAMLAR") << 0.0
                                << "GENEL TOPLAMLAR";
    QTest::newRow("row count") << amounts << QStringList() << GridTotal::rowCount() << 3.0 << "3";
    QTest::newRow("no total") << amounts << QStringList() << GridTotal() << 0.0 << "";
    QTest::newRow("sum of a field the list lacks")
        << amounts << QStringList() << GridTotal::sumOf("yok", "#0.00") << 0.0 << "0,00";
    QTest::newRow("empty list, sum") << QStringList() << QStringList() << GridTotal::sumOf("tutar", "#0.00")
                                     << 0.0 << "0,00";
    QTest::newRow("empty list, plain sum")
        << QStringList() << QStringList() << GridTotal::sumOf("tutar") << 0.0 << "0";
    QTest::newRow("empty list, row count")
        << QStringList() << QStringList() << GridTotal::rowCount() << 0.0 << "0";
}

void TestGridTotals::footer()
{
    QFETCH(QStringList, tutar);
    QFETCH(QStringList, geneltoporan);
    QFETCH(GridTotal, total);
    QFETCH(double, value);
    QFETCH(QString, text);

    DataGrid grid;
    grid.table().addField("tutar", 50);
    grid.table().addField("geneltoporan", 50);
    // The total sits under a column bound to yet another field, as KARLILIK does.
    grid.table().addField("kar", 50);
    const int column = grid.addColumn({.caption = "KARLILIK", .field = "kar", .footer = total});
    for (int i = 0; i < tutar.size(); ++i) {
        grid.table().append();
        grid.table().setField("tutar", tutar.at(i));
        grid.table().setField("geneltoporan", geneltoporan.value(i));
        grid.table().setField("kar", "999");
        grid.table().post();
    }

    QCOMPARE(grid.footerValue(column), value);
    QCOMPARE(grid.footerText(column), text);
    QCOMPARE(grid.hasFooter(), total.kind != TotalKind::None);
}

void TestGridTotals::patterns_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("text");

    QTest::newRow("#0.00") << 1234.5 << "#0.00"
                           << "1234,50";
    QTest::newRow("#0.00 negative") << -0.5 << "#0.00"
                                    << "-0,50";
    QTest::newRow("%#0.00") << 7.0 << "%#0.00"
                            << "%7,00";
    QTest::newRow("###,###0.00") << 1234567.891 << "###,###0.00"
                                 << "1.234.567,89";
    QTest::newRow("#0.00######") << 0.123456789 << "#0.00######"
                                 << "0,12345679";
    QTest::newRow("plain") << 12.5 << ""
                           << "12,5";
    QTest::newRow("text after the number") << 3.0 << "#0.00 TL"
                                           << "3,00 TL";
    QTest::newRow("unknown number part: plain") << 2.25 << "0.0"
                                                << "2,25";
}

void TestGridTotals::patterns()
{
    QFETCH(double, value);
    QFETCH(QString, pattern);
    QFETCH(QString, text);
    QCOMPARE(formatTotal(value, pattern), text);
}

void TestGridTotals::totalsFollowChanges()
{
    DataGrid grid;
    gridtest::designList(grid);
    gridtest::fillThreeInvoices(grid);
    MemTable &t = grid.table();
    QCOMPARE(grid.footerText(gridtest::Amount), QStringLiteral("1.012,75"));
    QCOMPARE(grid.footerText(gridtest::Quantity), QStringLiteral("10"));
    QCOMPARE(grid.footerText(gridtest::Profit), QStringLiteral("%12,35"));
    QCOMPARE(grid.footerText(gridtest::Code), QStringLiteral("GENEL TOPLAMLAR"));

    // An edit of one cell.
    t.setCurrentRow(1);
    t.edit();
    t.setField("tutar", "999,00");
    t.post();
    QCOMPARE(grid.footerValue(gridtest::Amount), 1011.75);

    // A write seen before post, as the analyses read the footer mid-run.
    t.setField("miktar", "11");
    QCOMPARE(grid.footerValue(gridtest::Quantity), 20.0);

    // Rows deleted and added while redrawing is suspended.
    t.suspendRedraw();
    t.setCurrentRow(0);
    t.deleteCurrent();
    QCOMPARE(grid.footerValue(gridtest::Amount), 1001.25);
    gridtest::addRow(grid, {"", "F4", "F", "7", "1", "0,75", "", "-2,345"});
    QCOMPARE(grid.footerValue(gridtest::Amount), 1002.0);
    QCOMPARE(grid.footerText(gridtest::Profit), QStringLiteral("%-2,35"));
    t.resumeRedraw();

    t.close();
    QCOMPARE(grid.footerValue(gridtest::Amount), 0.0);
    QCOMPARE(grid.footerText(gridtest::Profit), QStringLiteral("%0,00"));
}

QTEST_GUILESS_MAIN(TestGridTotals)
#include "tst_gridtotals.moc"
