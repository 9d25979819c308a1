// Sorting a list by a column: numbers, dates and Turkish texts in their own
// order, empty cells last, grouped lists sorted inside and between groups,
// and totals that sorting never moves.
#include "grid/gridtestlist.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace tarvel;
using gridtest::shape;

namespace {

QStringList groupTotals(const DataGrid &grid)
{
    QStringList totals;
    for (int g = 0; g < grid.groupCount(); ++g)
        totals << grid.groupKey(g) + QLatin1Char('=') + grid.groupTotalText(g, gridtest::Amount) +
                      QLatin1Char('/') + grid.groupTotalText(g, gridtest::Quantity);
    totals.sort();
    return totals;
}

QStringList footer(const DataGrid &grid)
{
    QStringList texts;
    for (int c = 0; c < grid.columnCount(); ++c)
        texts << grid.footerText(c);
    return texts;
}

} // namespace

class TestGridSort : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cellOrder_data();
    void cellOrder();
    void captionClicksCycle();
    void equalCellsKeepFillOrder();
    void editsMoveTheRow();
    void groupedSort_data();
    void groupedSort();
    void unboundColumnDoesNotSort();

private:
    std::unique_ptr<DataGrid> m_grid;
};

void TestGridSort::init()
{
    m_grid = std::make_unique<DataGrid>();
    gridtest::designList(*m_grid);
    gridtest::fillThreeInvoices(*m_grid); // F1: A C, F2: B E, F3: D
}

void TestGridSort::cellOrder_data()
{
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<Qt::SortOrder>("order");
    QTest::addColumn<QStringList>("expected");

    const auto up = Qt::AscendingOrder;
    const auto down = Qt::DescendingOrder;
    const QStringList numbers{"1.234,50", "-3", "12", "0,50", "-1.000,00", "999"};
    QTest::newRow("numbers with separators and signs")
        << numbers << up << QStringList{"-1.000,00", "-3", "0,50", "12", "999", "1.234,50"};
    QTest::newRow("numbers, descending")
        << numbers << down << QStringList{"1.234,50", "999", "12", "0,50", "-3", "-1.000,00"};
    QTest::newRow("percentages") << QStringList{"%12,30", "%-5,00", "%100,00", "%9,99"} << up
                                 << QStringList{"%-5,00", "%9,99", "%12,30", "%100,00"};
    QTest::newRow("dates") << QStringList{"01.02.2024", "15.01.2024", "31.12.2023", "02.01.2024"} << up
                           << QStringList{"31.12.2023", "02.01.2024", "15.01.2024", "01.02.2024"};
    const QStringList words{"ŞEKER", "SU",  "ÇAY",  "CAM",   "İZMİR", "IĞDIR", "ıspanak",
                            "ilaç",  "DAM", "ÖRGÜ", "OLİVA", "ÜZÜM",  "UN"};
    QTest::newRow("Turkish letters") << words << up
                                     << QStringList{"CAM",   "ÇAY",   "DAM",   "IĞDIR", "ıspanak",
                                                    "ilaç",  "İZMİR", "OLİVA", "ÖRGÜ",  "SU",
                                                    "ŞEKER", "UN",    "ÜZÜM"};
    QTest::newRow("empty cells last, ascending")
        << QStringList{"", "5", " ", "-1", "2"} << up << QStringList{"-1", "2", "5", "", " "};
    QTest::newRow("empty cells last, descending")
        << QStringList{"", "5", " ", "-1", "2"} << down << QStringList{"5", "2", "-1", "", " "};
    QTest::newRow("numbers before texts")
        << QStringList{"ELMA", "10", "2", "armut"} << up << QStringList{"2", "10", "armut", "ELMA"};
    QTest::newRow("texts before numbers, descending")
        << QStringList{"ELMA", "10", "2", "armut"} << down << QStringList{"ELMA", "armut", "10", "2"};
    QTest::newRow("codes with leading zeros are texts")
        << QStringList{"012", "0012", "12", "0,5"} << up << QStringList{"0,5", "12", "0012", "012"};
    QTest::newRow("dates after numbers")
        << QStringList{"05.01.2024", "7", "ABC"} << up << QStringList{"7", "05.01.2024", "ABC"};
}

void TestGridSort::cellOrder()
{
    QFETCH(QStringList, cells);
    QFETCH(Qt::SortOrder, order);
    QFETCH(QStringList, expected);

    DataGrid grid;
    grid.table().addField(QStringLiteral("v"), 50);
    const int column = grid.addColumn({.caption = QStringLiteral("DEĞER"), .field = QStringLiteral("v")});
    for (const QString &cell : cells) {
        grid.table().append();
        grid.table().setField(0, cell);
        grid.table().post();
    }
    grid.setSort(column, order);
    QStringList shown;
    for (int p = 0; p < grid.displayedRowCount(); ++p)
        shown << grid.displayText(p, column);
    QCOMPARE(shown, expected);
    // The table keeps its fill order.
    QCOMPARE(grid.table().value(0, 0), cells.first());
}

void TestGridSort::captionClicksCycle()
{
    QSignalSpy sorted(m_grid.get(), &DataGrid::sortChanged);
    const QStringList totals = footer(*m_grid);
    // Amounts: A 10,50  B 1000,00  C 0,25  D 2,00  E x (a text)
    m_grid->cycleSort(gridtest::Amount);
    QCOMPARE(m_grid->sortColumn(), int(gridtest::Amount));
    QCOMPARE(m_grid->sortOrder(), Qt::AscendingOrder);
    QCOMPARE(shape(*m_grid), QStringLiteral("CDABE"));
    QCOMPARE(footer(*m_grid), totals);
    QVERIFY(m_grid->makeCurrent(0));
    QCOMPARE(m_grid->table().field(QStringLiteral("kod")), QStringLiteral("C"));
    QCOMPARE(m_grid->displayedPosition(2), 0);

    m_grid->cycleSort(gridtest::Amount);
    QCOMPARE(m_grid->sortOrder(), Qt::DescendingOrder);
    QCOMPARE(shape(*m_grid), QStringLiteral("EBADC"));
    QCOMPARE(footer(*m_grid), totals);

    m_grid->cycleSort(gridtest::Amount);
    QCOMPARE(m_grid->sortColumn(), -1);
    QCOMPARE(shape(*m_grid), QStringLiteral("ABCDE"));
    QVERIFY(!m_grid->isArranged());
    QCOMPARE(sorted.count(), 3);

    // Another column starts ascending again.
    m_grid->cycleSort(gridtest::Amount);
    m_grid->cycleSort(gridtest::Quantity);
    QCOMPARE(m_grid->sortOrder(), Qt::AscendingOrder);
    QCOMPARE(shape(*m_grid), QStringLiteral("BACED")); // 1 2 3 4 abc
}

void TestGridSort::equalCellsKeepFillOrder()
{
    // The type column shows PARAKENDE for A C E and TOPTAN for B D.
    m_grid->setSort(gridtest::Type, Qt::AscendingOrder);
    QCOMPARE(shape(*m_grid), QStringLiteral("ACEBD"));
    m_grid->setSort(gridtest::Type, Qt::DescendingOrder);
    QCOMPARE(shape(*m_grid), QStringLiteral("BDACE"));
}

void TestGridSort::editsMoveTheRow()
{
    m_grid->setSort(gridtest::Amount, Qt::AscendingOrder);
    QSignalSpy reset(m_grid.get(), &DataGrid::displayReset);
    MemTable &t = m_grid->table();
    t.setCurrentRow(2); // C, 0,25
    t.edit();
    t.setField(QStringLiteral("tutar"), QStringLiteral("5000"));
    t.post();
    QCOMPARE(reset.count(), 1);
    QCOMPARE(shape(*m_grid), QStringLiteral("DABCE"));

    // A field the sort does not read leaves the order and the views alone.
    t.edit();
    t.setField(QStringLiteral("miktar"), QStringLiteral("9"));
    t.post();
    QCOMPARE(reset.count(), 1);

    // Rows appended and deleted land where the sort puts them.
    gridtest::addRow(*m_grid, {"", "F4", "F", "7", "1", "-1"});
    QCOMPARE(shape(*m_grid), QStringLiteral("FDABCE"));
    t.setCurrentRow(0);
    t.deleteCurrent(); // A
    QCOMPARE(shape(*m_grid), QStringLiteral("FDBCE"));
}

void TestGridSort::groupedSort_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<Qt::SortOrder>("order");
    QTest::addColumn<QString>("expected");

    // Group totals of the amounts: F1 10,75 (A 10,50, C 0,25), F2 1000,00
    // (B 1000,00, E x), F3 2,00 (D). Codes total a fixed text: by heading.
    QTest::newRow("amounts up: groups by total")
        << int(gridtest::Amount) << Qt::AscendingOrder << QStringLiteral("HDTHCATHBET");
    QTest::newRow("amounts down") << int(gridtest::Amount) << Qt::DescendingOrder
                                  << QStringLiteral("HEBTHACTHDT");
    QTest::newRow("codes down: groups by heading")
        << int(gridtest::Code) << Qt::DescendingOrder << QStringLiteral("HDTHEBTHCAT");
    // F1 and F2 both total 5: F2 holds the smallest quantity (B 1) and comes first.
    QTest::newRow("quantities up: equal totals by their rows")
        << int(gridtest::Quantity) << Qt::AscendingOrder << QStringLiteral("HDTHBETHACT");
}

void TestGridSort::groupedSort()
{
    QFETCH(int, column);
    QFETCH(Qt::SortOrder, order);
    QFETCH(QString, expected);

    m_grid->setGroupIndex(gridtest::Heading, 0);
    const QStringList totals = groupTotals(*m_grid);
    const QStringList footerTexts = footer(*m_grid);
    m_grid->setSort(column, order);
    QCOMPARE(shape(*m_grid), expected);
    QCOMPARE(groupTotals(*m_grid), totals);
    QCOMPARE(footer(*m_grid), footerTexts);
    // The rows each group reports are those it displays, in that order.
    const DisplayedRow first = m_grid->displayedRow(1);
    QCOMPARE(m_grid->groupRows(first.group).front(), first.row);
}

void TestGridSort::unboundColumnDoesNotSort()
{
    m_grid->cycleSort(gridtest::Hidden);
    QCOMPARE(m_grid->sortColumn(), -1);
    QCOMPARE(shape(*m_grid), QStringLiteral("ABCDE"));
}

QTEST_GUILESS_MAIN(TestGridSort)
#include "tst_gridsort.moc"
