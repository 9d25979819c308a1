// The quick filter: Turkish case-insensitive search over the visible columns
// (and group headings), totals of the rows shown, and a view that never
// removes a row from the list.
#include "grid/datagrid.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace tarvel;

namespace {

enum Column { Check, Code, Name, City, Amount, Profit, Cost, Secret, Invoice };

// kod, ack, shr, tutar, kar, maliyet, gizli, fatbilgi
const QList<QStringList> rows{
    {"001", "ISPANAK 1 KG", "İZMİR", "10,00", "2,00", "8,00", "gizlimetin", "F1 - OLİVA GIDA"},
    {"002", "ıspanak dondurulmuş", "izmir", "5,50", "0,50", "5,00", "", "F1 - OLİVA GIDA"},
    {"003", "ŞEKER", "ISPARTA", "-2,25", "-1,00", "1,00", "", "F2 - ŞAHİN TOPTAN"},
    {"004", "Çay", "İSTANBUL", "100,00", "20,00", "80,00", "", "F2 - ŞAHİN TOPTAN"},
    {"005", "", "", "", "", "", "", "F3 - MEHMET"},
};
const QStringList fields{"kod", "ack", "shr", "tutar", "kar", "maliyet", "gizli", "fatbilgi"};

void design(DataGrid &grid)
{
    MemTable &t = grid.table();
    t.addField(QStringLiteral("sec"), 5);
    for (const QString &f : fields)
        t.addField(f, 50);
    const QString pattern = QStringLiteral("#0.00");
    grid.addColumn({.field = QStringLiteral("sec"), .checkBox = true});
    grid.addColumn(
        {.caption = QStringLiteral("KOD"), .field = QStringLiteral("kod"), .footer = GridTotal::rowCount()});
    grid.addColumn({.caption = QStringLiteral("AÇIKLAMA"), .field = QStringLiteral("ack")});
    grid.addColumn({.caption = QStringLiteral("ŞEHİR"), .field = QStringLiteral("shr")});
    grid.addColumn({.caption = QStringLiteral("TUTAR"),
                    .field = QStringLiteral("tutar"),
                    .footer = GridTotal::sumOf(QStringLiteral("tutar"), pattern),
                    .groupTotal = GridTotal::sumOf(QStringLiteral("tutar"), pattern)});
    // A run's profitability is written once; filtered, the rows' own ratio replaces it.
    grid.addColumn({.caption = QStringLiteral("KARLILIK"),
                    .field = QStringLiteral("kar"),
                    .footer = GridTotal::fixedText(QStringLiteral("%99,99")),
                    .footerFiltered = GridTotal::percentOf(QStringLiteral("kar"), QStringLiteral("maliyet"),
                                                           QStringLiteral("%#0.00")),
                    .groupTotalFiltered = GridTotal::percentOf(
                        QStringLiteral("kar"), QStringLiteral("maliyet"), QStringLiteral("%#0.00"))});
    grid.addColumn({.caption = QStringLiteral("MALİYET"), .field = QStringLiteral("maliyet")});
    grid.addColumn({.caption = QStringLiteral("GİZLİ"), .field = QStringLiteral("gizli"), .visible = false});
    grid.addColumn(
        {.caption = QStringLiteral("FATURA"), .field = QStringLiteral("fatbilgi"), .visible = false});
}

void addRow(DataGrid &grid, const QStringList &values)
{
    MemTable &t = grid.table();
    t.append();
    t.setField(QStringLiteral("sec"), QStringLiteral("True"));
    for (int i = 0; i < values.size(); ++i)
        t.setField(fields.at(i), values.at(i));
    t.post();
}

// The codes of the displayed data rows, "|" for a group's end.
QString shown(const DataGrid &grid)
{
    QStringList codes;
    for (int p = 0; p < grid.displayedRowCount(); ++p) {
        const DisplayedRow n = grid.displayedRow(p);
        if (n.kind == DisplayedRow::Data)
            codes << grid.displayText(p, Code);
        else if (n.kind == DisplayedRow::GroupTotal)
            codes << QStringLiteral("|");
    }
    return codes.join(QLatin1Char(' '));
}

} // namespace

class TestGridFilter : public QObject {
    Q_OBJECT
private slots:
    void init();
    void matches_data();
    void matches();
    void totalsOfTheRowsShown();
    void typingOnAndBack();
    void aViewNeverADeletion();
    void sortedAndFiltered();

private:
    std::unique_ptr<DataGrid> m_grid;
};

void TestGridFilter::init()
{
    m_grid = std::make_unique<DataGrid>();
    design(*m_grid);
    for (const QStringList &row : rows)
        addRow(*m_grid, row);
}

void TestGridFilter::matches_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("grouped");
    QTest::addColumn<QString>("expected");

    const QString all = QStringLiteral("001 002 003 004 005");
    QTest::newRow("nothing typed") << "" << false << all;
    QTest::newRow("blanks only") << "   " << false << all;
    QTest::newRow("izmir finds İZMİR") << "izmir" << false << "001 002";
    QTest::newRow("İZMİR finds izmir") << "İZMİR" << false << "001 002";
    QTest::newRow("ıspanak finds ISPANAK") << "ıspanak" << false << "001 002";
    QTest::newRow("ISPANAK finds ıspanak") << "ISPANAK" << false << "001 002";
    QTest::newRow("ispanak is another word") << "ispanak" << false << "";
    QTest::newRow("part of a word, any column") << "ıspa" << false << "001 002 003";
    QTest::newRow("blanks around ignored") << "  çay " << false << "004";
    QTest::newRow("blank inside kept") << "1 kg" << false << "001";
    QTest::newRow("not across two cells") << "kg izmir" << false << "";
    QTest::newRow("a number as shown") << "-2,25" << false << "003";
    QTest::newRow("hidden column not searched") << "gizli" << false << "";
    QTest::newRow("check column not searched") << "true" << false << "";
    QTest::newRow("heading of an ungrouped list not searched") << "toptan" << false << "";
    QTest::newRow("grouped: heading finds its rows") << "şahin" << true << "003 004 |";
    QTest::newRow("grouped: groups without rows shown go") << "izmir" << true << "001 002 |";
    QTest::newRow("grouped: nothing found") << "yok" << true << "";
}

void TestGridFilter::matches()
{
    QFETCH(QString, text);
    QFETCH(bool, grouped);
    QFETCH(QString, expected);

    if (grouped)
        m_grid->setGroupIndex(Invoice, 0);
    QSignalSpy changed(m_grid.get(), &DataGrid::filterChanged);
    m_grid->setFilterText(text);
    QCOMPARE(shown(*m_grid), expected);
    QCOMPARE(m_grid->filterText(), text);
    QCOMPARE(changed.count(), text.isEmpty() ? 0 : 1);
    QCOMPARE(m_grid->table().rowCount(), 5);
}

void TestGridFilter::totalsOfTheRowsShown()
{
    QCOMPARE(m_grid->footerText(Amount), QStringLiteral("113,25"));
    QCOMPARE(m_grid->footerText(Code), QStringLiteral("5"));
    QCOMPARE(m_grid->footerText(Profit), QStringLiteral("%99,99"));
    QCOMPARE(m_grid->shownRowsText(), QStringLiteral("5 / 5"));

    m_grid->setFilterText(QStringLiteral("ıspa"));
    QCOMPARE(m_grid->footerText(Amount), QStringLiteral("13,25"));
    QCOMPARE(m_grid->footerText(Code), QStringLiteral("3"));
    // (2,00 + 0,50 - 1,00) / (8,00 + 5,00 + 1,00)
    QCOMPARE(m_grid->footerText(Profit), QStringLiteral("%10,71"));
    QCOMPARE(m_grid->shownRowCount(), 3);
    QCOMPARE(m_grid->shownRowsText(), QStringLiteral("3 / 5"));

    m_grid->setGroupIndex(Invoice, 0);
    QCOMPARE(m_grid->groupCount(), 2);
    QCOMPARE(m_grid->groupKey(1), QStringLiteral("F2 - ŞAHİN TOPTAN"));
    QCOMPARE(m_grid->groupRowCount(1), 1);
    QCOMPARE(m_grid->groupTotalText(0, Amount), QStringLiteral("15,50"));
    QCOMPARE(m_grid->groupTotalText(1, Amount), QStringLiteral("-2,25"));
    QCOMPARE(m_grid->groupTotalText(1, Profit), QStringLiteral("%-100,00"));

    // Found nothing: zero totals, no division by zero.
    m_grid->setFilterText(QStringLiteral("yok"));
    QCOMPARE(m_grid->footerText(Amount), QStringLiteral("0,00"));
    QCOMPARE(m_grid->footerText(Profit), QStringLiteral("%0,00"));
    QCOMPARE(m_grid->shownRowsText(), QStringLiteral("0 / 5"));

    m_grid->setFilterText(QString());
    QCOMPARE(m_grid->footerText(Amount), QStringLiteral("113,25"));
    QCOMPARE(m_grid->footerText(Profit), QStringLiteral("%99,99"));
}

void TestGridFilter::typingOnAndBack()
{
    // Each keystroke narrows what the one before found, and taking letters
    // back widens it again.
    const QList<QPair<QString, QString>> keystrokes{
        {"i", "001 002 004"},  {"is", "004"},          {"i", "001 002 004"}, {"ı", "001 002 003"},
        {"ıs", "001 002 003"}, {"ısp", "001 002 003"}, {"ıspan", "001 002"}, {"", "001 002 003 004 005"},
    };
    for (const auto &[text, expected] : keystrokes) {
        m_grid->setFilterText(text);
        QVERIFY2(shown(*m_grid) == expected, qPrintable(text + QStringLiteral(": ") + shown(*m_grid)));
    }
    // A change of a searched cell is searched again.
    m_grid->setFilterText(QStringLiteral("ıspan"));
    MemTable &t = m_grid->table();
    t.setCurrentRow(0);
    t.edit();
    t.setField(QStringLiteral("ack"), QStringLiteral("PIRASA"));
    t.post();
    QCOMPARE(shown(*m_grid), QStringLiteral("002"));
    m_grid->setFilterText(QStringLiteral("ıspana"));
    QCOMPARE(shown(*m_grid), QStringLiteral("002"));
    // So is a column shown or hidden.
    m_grid->setFilterText(QStringLiteral("gizli"));
    QCOMPARE(shown(*m_grid), QString());
    m_grid->setColumnVisible(Secret, true);
    QCOMPARE(shown(*m_grid), QStringLiteral("001"));
}

void TestGridFilter::aViewNeverADeletion()
{
    m_grid->setFilterText(QStringLiteral("izmir"));
    MemTable &t = m_grid->table();
    // Whoever reads the whole list reads every row.
    QCOMPARE(t.rowCount(), 5);
    // A row deleted through the view goes from the table, the others stay.
    QVERIFY(m_grid->makeCurrent(1));
    QCOMPARE(t.currentRow(), 1);
    t.deleteCurrent();
    QCOMPARE(t.rowCount(), 4);
    QCOMPARE(shown(*m_grid), QStringLiteral("001"));
    QCOMPARE(t.value(1, t.fieldIndex(QStringLiteral("kod"))), QStringLiteral("003"));
    // New rows show when they match.
    addRow(*m_grid, {"006", "ELMA", "İzmir", "1,00"});
    addRow(*m_grid, {"007", "ARMUT", "Bursa", "1,00"});
    QCOMPARE(shown(*m_grid), QStringLiteral("001 006"));
    QCOMPARE(m_grid->shownRowsText(), QStringLiteral("2 / 6"));
    QCOMPARE(m_grid->displayedPosition(4), 1);  // 006
    QCOMPARE(m_grid->displayedPosition(1), -1); // 003, filtered out
}

void TestGridFilter::sortedAndFiltered()
{
    m_grid->setFilterText(QStringLiteral("ıspa"));
    m_grid->setSort(Amount, Qt::DescendingOrder);
    QCOMPARE(shown(*m_grid), QStringLiteral("001 002 003"));
    m_grid->setSort(Amount, Qt::AscendingOrder);
    QCOMPARE(shown(*m_grid), QStringLiteral("003 002 001"));
    QCOMPARE(m_grid->footerText(Amount), QStringLiteral("13,25"));
    const std::vector<int> rowsShown = m_grid->shownRows();
    QCOMPARE(rowsShown, (std::vector<int>{2, 1, 0}));
}

QTEST_GUILESS_MAIN(TestGridFilter)
#include "tst_gridfilter.moc"
