// Grouping: displayed order of headings, rows and group totals, the totals per
// group, collapsing, parity, making a displayed row current, and ungrouping
// back to table order.
#include "grid/gridtestlist.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace tarvel;
using gridtest::shape;

class TestGridGrouping : public QObject {
    Q_OBJECT
private slots:
    void init();
    void groupedDisplayOrder();
    void groupTotals_data();
    void groupTotals();
    void headingAndTotalTexts();
    void ungroupRestoresTableOrder();
    void parityFollowsDisplayedPosition();
    void makeCurrent_data();
    void makeCurrent();
    void collapseAndExpand();
    void rowChangingGroup();
    void emptyKeysFormOneGroup();
    void groupingChangedSignal();
    void checkAllInDisplayOrder();

private:
    std::unique_ptr<DataGrid> m_grid; // a fresh list for every test, freed after the last
};

void TestGridGrouping::init()
{
    m_grid = std::make_unique<DataGrid>();
    gridtest::designList(*m_grid);
    gridtest::fillThreeInvoices(*m_grid); // F1: A C, F2: B E, F3: D
}

void TestGridGrouping::groupedDisplayOrder()
{
    QCOMPARE(shape(*m_grid), QStringLiteral("ABCDE"));
    m_grid->setGroupIndex(gridtest::Heading, 0);
    QVERIFY(m_grid->isGrouped());
    QCOMPARE(m_grid->column(gridtest::Heading).groupIndex, 0);
    // Groups in the order of their first row, rows in table order inside.
    QCOMPARE(shape(*m_grid), QStringLiteral("HACTHBETHDT"));
    QCOMPARE(m_grid->groupCount(), 3);
    QCOMPARE(m_grid->groupKey(0), QStringLiteral("F1"));
    QCOMPARE(m_grid->groupKey(1), QStringLiteral("F2"));
    QCOMPARE(m_grid->groupKey(2), QStringLiteral("F3"));
    QCOMPARE(m_grid->displayedPosition(4), 6); // row E
    QCOMPARE(m_grid->displayedRow(6).group, 1);
    // Footer totals do not depend on the grouping.
    QCOMPARE(m_grid->footerText(gridtest::Amount), QStringLiteral("1.012,75"));
}

void TestGridGrouping::groupTotals_data()
{
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("column");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("F1 quantity") << 0 << int(gridtest::Quantity) << 5.0 << "5";
    QTest::newRow("F1 amount") << 0 << int(gridtest::Amount) << 10.75 << "10,75";
    QTest::newRow("F1 profit: sum of kartop") << 0 << int(gridtest::Profit) << 20.0 << "%20,00";
    QTest::newRow("F2 amount, non-numeric counts 0") << 1 << int(gridtest::Amount) << 1000.0 << "1000,00";
    QTest::newRow("F2 profit") << 1 << int(gridtest::Profit) << 10.0 << "%10,00";
    QTest::newRow("F3 quantity, non-numeric") << 2 << int(gridtest::Quantity) << 0.0 << "0";
    QTest::newRow("F3 text total") << 2 << int(gridtest::Code) << 0.0 << "FATURA TOPLAMLARI";
    QTest::newRow("no group total") << 2 << int(gridtest::Type) << 0.0 << "";
    QTest::newRow("no such group") << 3 << int(gridtest::Amount) << 0.0 << "";
}

void TestGridGrouping::groupTotals()
{
    QFETCH(int, group);
    QFETCH(int, column);
    QFETCH(double, value);
    QFETCH(QString, text);

    m_grid->setGroupIndex(gridtest::Heading, 0);
    QCOMPARE(m_grid->groupTotalValue(group, column), value);
    QCOMPARE(m_grid->groupTotalText(group, column), text);
}

void TestGridGrouping::headingAndTotalTexts()
{
    m_grid->setGroupIndex(gridtest::Heading, 0);
    // The heading shows in the first visible column only.
    QCOMPARE(m_grid->displayText(0, gridtest::Check), QStringLiteral("FATURA: F1"));
    QCOMPARE(m_grid->displayText(0, gridtest::Code), QString());
    QCOMPARE(m_grid->displayText(3, gridtest::Code), QStringLiteral("FATURA TOPLAMLARI"));
    QCOMPARE(m_grid->displayText(3, gridtest::Amount), QStringLiteral("10,75"));
    QCOMPARE(m_grid->displayText(1, gridtest::Type), QStringLiteral("PARAKENDE"));
    QCOMPARE(m_grid->displayText(5, gridtest::Type), QStringLiteral("TOPTAN"));

    // Grouped by a mapped column, the heading shows the mapped text.
    m_grid->setGroupIndex(gridtest::Type, 0);
    QCOMPARE(m_grid->column(gridtest::Heading).groupIndex, -1);
    QCOMPARE(m_grid->groupHeading(0), QStringLiteral("TİP: PARAKENDE"));
    QCOMPARE(shape(*m_grid), QStringLiteral("HACETHBDT"));

    // Hiding the first column moves the heading to the next visible one.
    m_grid->setColumnVisible(gridtest::Check, false);
    QCOMPARE(m_grid->displayText(0, gridtest::Code), QStringLiteral("TİP: PARAKENDE"));
}

void TestGridGrouping::ungroupRestoresTableOrder()
{
    m_grid->setGroupIndex(gridtest::Heading, 0);
    m_grid->setGroupIndex(gridtest::Code, -1); // not the grouping column: no change
    QVERIFY(m_grid->isGrouped());
    m_grid->setGroupIndex(gridtest::Heading, -1);
    QVERIFY(!m_grid->isGrouped());
    QCOMPARE(shape(*m_grid), QStringLiteral("ABCDE"));
    QCOMPARE(m_grid->groupCount(), 0);
    QCOMPARE(m_grid->displayedPosition(4), 4);
    QCOMPARE(m_grid->footerValue(gridtest::Amount), 1012.75);
}

void TestGridGrouping::parityFollowsDisplayedPosition()
{
    m_grid->setGroupIndex(gridtest::Heading, 0);
    // Row C is the table's third row (even) but displayed at position 2.
    QCOMPARE(m_grid->displayedPosition(2), 2);
    QVERIFY(!DataGrid::isOddPosition(m_grid->displayedPosition(2)));
    // Row B: table row 1 (odd), displayed at 5 (odd); row E: table row 4, displayed at 6.
    QVERIFY(DataGrid::isOddPosition(m_grid->displayedPosition(1)));
    QVERIFY(!DataGrid::isOddPosition(m_grid->displayedPosition(4)));
}

void TestGridGrouping::makeCurrent_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("made");
    QTest::addColumn<int>("current");

    QTest::newRow("data row") << 6 << true << 4;
    QTest::newRow("heading") << 4 << false << 0;
    QTest::newRow("total") << 3 << false << 0;
    QTest::newRow("past the end") << 11 << false << 0;
}

void TestGridGrouping::makeCurrent()
{
    QFETCH(int, position);
    QFETCH(bool, made);
    QFETCH(int, current);

    m_grid->setGroupIndex(gridtest::Heading, 0);
    m_grid->table().first();
    QCOMPARE(m_grid->makeCurrent(position), made);
    QCOMPARE(m_grid->table().currentRow(), current);
}

void TestGridGrouping::collapseAndExpand()
{
    m_grid->setGroupIndex(gridtest::Heading, 0);
    m_grid->setGroupExpanded(1, false);
    // A closed group keeps its heading and its total row.
    QCOMPARE(shape(*m_grid), QStringLiteral("HACTHTHDT"));
    QVERIFY(!m_grid->isGroupExpanded(1));
    QCOMPARE(m_grid->displayedPosition(1), -1);
    QCOMPARE(m_grid->displayedPosition(3), 7);
    QCOMPARE(m_grid->groupTotalValue(1, gridtest::Amount), 1000.0);

    // The group stays closed when rows are added to another group...
    gridtest::addRow(*m_grid, {"", "F1", "G", "7", "1", "1,00"});
    QCOMPARE(shape(*m_grid), QStringLiteral("HACGTHTHDT"));
    // ...and opens again with expandAll.
    m_grid->expandAll();
    QCOMPARE(shape(*m_grid), QStringLiteral("HACGTHBETHDT"));

    m_grid->collapseAll();
    QCOMPARE(shape(*m_grid), QStringLiteral("HTHTHT"));
    // A new grouping starts open.
    m_grid->setGroupIndex(gridtest::Heading, -1);
    m_grid->setGroupIndex(gridtest::Heading, 0);
    QCOMPARE(shape(*m_grid), QStringLiteral("HACGTHBETHDT"));
}

void TestGridGrouping::rowChangingGroup()
{
    m_grid->setGroupIndex(gridtest::Heading, 0);
    QSignalSpy reset(m_grid.get(), &DataGrid::displayReset);
    m_grid->table().setCurrentRow(0); // A moves from F1 to F3
    m_grid->table().edit();
    m_grid->table().setField("fatbilgi", "F3");
    m_grid->table().post();
    QCOMPARE(reset.count(), 1);
    // Groups follow their first rows: row A, now in F3, puts F3 first.
    QCOMPARE(shape(*m_grid), QStringLiteral("HADTHBETHCT"));
    QCOMPARE(m_grid->groupKey(0), QStringLiteral("F3"));
    QCOMPARE(m_grid->groupTotalText(0, gridtest::Amount), QStringLiteral("12,50"));
    QCOMPARE(m_grid->groupTotalText(2, gridtest::Amount), QStringLiteral("0,25"));
}

void TestGridGrouping::emptyKeysFormOneGroup()
{
    // An item run leaves fatbilgi empty: grouping shows every row under one empty heading.
    DataGrid grid;
    gridtest::designList(grid);
    for (const char *code : {"A", "B"})
        gridtest::addRow(grid, {"", "", QString::fromLatin1(code), "7", "1", "1,00"});
    grid.setGroupIndex(gridtest::Heading, 0);
    QCOMPARE(shape(grid), QStringLiteral("HABT"));
    QCOMPARE(grid.groupHeading(0), QStringLiteral("FATURA: "));
    QCOMPARE(grid.groupTotalText(0, gridtest::Amount), QStringLiteral("2,00"));

    // A column bound to no field groups the same way.
    grid.setGroupIndex(gridtest::Hidden, 0);
    QCOMPARE(shape(grid), QStringLiteral("HABT"));
}

void TestGridGrouping::groupingChangedSignal()
{
    QSignalSpy changed(m_grid.get(), &DataGrid::groupingChanged);
    m_grid->setGroupIndex(gridtest::Heading, 0);
    m_grid->setGroupIndex(gridtest::Heading, 0);
    QCOMPARE(changed.count(), 1);
    m_grid->setGroupIndex(gridtest::Heading, -1);
    QCOMPARE(changed.count(), 2);
}

void TestGridGrouping::checkAllInDisplayOrder()
{
    QSignalSpy reset(m_grid.get(), &DataGrid::displayReset);
    m_grid->setAllChecked(gridtest::Check, true);
    for (int r = 0; r < m_grid->table().rowCount(); ++r)
        QCOMPARE(m_grid->table().value(r, 0), QStringLiteral("True"));
    QCOMPARE(m_grid->table().currentRow(), 0);
    QVERIFY(!m_grid->table().isRedrawSuspended());
    QCOMPARE(reset.count(), 1); // one redraw at the end

    // Grouped with a closed group: only what is displayed changes.
    m_grid->setGroupIndex(gridtest::Heading, 0);
    m_grid->setGroupExpanded(1, false);
    m_grid->setAllChecked(gridtest::Check, false);
    QStringList ticks;
    for (int r = 0; r < m_grid->table().rowCount(); ++r)
        ticks << m_grid->table().value(r, 0);
    QCOMPARE(ticks, QStringList({"False", "True", "False", "False", "True"}));
}

QTEST_GUILESS_MAIN(TestGridGrouping)
#include "tst_gridgrouping.moc"
