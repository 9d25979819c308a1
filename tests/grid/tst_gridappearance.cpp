// Column widths and font of a list in its INI side file: the round trip, the
// keys written, and the values that must leave the design as it was.
#include "foundation/store/sidefiles.h"
#include "grid/gridappearance.h"
#include "grid/gridtestlist.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace tarvel;

class TestGridAppearance : public QObject {
    Q_OBJECT
private slots:
    void init();
    void roundTrip();
    void keysWritten();
    void badOrMissingValues_data();
    void badOrMissingValues();
    void missingFile();

private:
    QString file() const { return m_dir.filePath(QStringLiteral("list.velmor")); }

    QTemporaryDir m_dir;
};

void TestGridAppearance::init()
{
    QFile::remove(file());
}

void TestGridAppearance::roundTrip()
{
    DataGrid saved;
    gridtest::designList(saved);
    saved.setColumnWidth(gridtest::Code, 180);
    saved.setColumnWidth(gridtest::Hidden, 0);
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPointSizeF(8.25);
    font.setBold(true);
    saved.setFont(font);
    saveGridAppearance(saved, file(), QStringLiteral("Fl1"));

    DataGrid loaded;
    gridtest::designList(loaded);
    loadGridAppearance(loaded, file(), QStringLiteral("Fl1"));
    for (int c = 0; c < saved.columnCount(); ++c)
        QCOMPARE(loaded.columnWidth(c), saved.columnWidth(c));
    QCOMPARE(loaded.font().family(), QStringLiteral("DejaVu Serif"));
    QCOMPARE(loaded.font().pointSizeF(), 8.25);
    QVERIFY(loaded.font().bold());

    // Another section of the same file is another list.
    DataGrid other;
    gridtest::designList(other);
    loadGridAppearance(other, file(), QStringLiteral("l1"));
    QCOMPARE(other.columnWidth(gridtest::Code), 100);
}

void TestGridAppearance::keysWritten()
{
    iniwrite(QStringLiteral("l1"), QStringLiteral("l1-0"), QStringLiteral("77"), file());
    DataGrid grid;
    gridtest::designList(grid);
    QFont font = grid.font();
    font.setPointSizeF(9.5);
    font.setBold(false);
    grid.setFont(font);
    saveGridAppearance(grid, file(), QStringLiteral("Fl1"));

    for (int c = 0; c < grid.columnCount(); ++c)
        QCOMPARE(iniread("Fl1", QStringLiteral("l1-%1").arg(c), file()),
                 QString::number(grid.columnWidth(c)));
    QCOMPARE(iniread("Fl1", QStringLiteral("l1-%1").arg(grid.columnCount()), file()), QString());
    QCOMPARE(iniread("Fl1", "FontSize", file()), QStringLiteral("9,5"));
    QCOMPARE(iniread("Fl1", "FontBold", file()), QStringLiteral("False"));
    QCOMPARE(iniread("Fl1", "Font", file()), grid.font().family());
    QCOMPARE(iniread("l1", "l1-0", file()), QStringLiteral("77")); // the pickers' section untouched
}

void TestGridAppearance::badOrMissingValues_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("codeWidth"); // width of column 2 after loading
    QTest::addColumn<double>("fontSize");
    QTest::addColumn<bool>("bold");

    // Design: column 2 is 100 wide, the font 9 points, not bold.
    QTest::newRow("width") << "l1-2"
                           << "150" << 150 << 9.0 << false;
    QTest::newRow("width with decimals") << "l1-2"
                                         << "150,6" << 151 << 9.0 << false;
    QTest::newRow("width not a number") << "l1-2"
                                        << "abc" << 100 << 9.0 << false;
    QTest::newRow("width negative") << "l1-2"
                                    << "-5" << 100 << 9.0 << false;
    QTest::newRow("width beyond 16 bits") << "l1-2"
                                          << "40000" << 100 << 9.0 << false;
    QTest::newRow("width of no column") << "l1-40"
                                        << "150" << 100 << 9.0 << false;
    QTest::newRow("size") << "FontSize"
                          << "10,25" << 100 << 10.25 << false;
    QTest::newRow("size abc") << "FontSize"
                              << "abc" << 100 << 9.0 << false;
    QTest::newRow("size zero") << "FontSize"
                               << "0" << 100 << 9.0 << false;
    QTest::newRow("size with a dot") << "FontSize"
                                     << "8.25" << 100 << 9.0 << false;
    QTest::newRow("bold") << "FontBold"
                          << "True" << 100 << 9.0 << true;
    QTest::newRow("bold, other case") << "FontBold"
                                      << "true" << 100 << 9.0 << true;
    QTest::newRow("bold unusable") << "FontBold"
                                   << "Evet" << 100 << 9.0 << false;
}

void TestGridAppearance::badOrMissingValues()
{
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(int, codeWidth);
    QFETCH(double, fontSize);
    QFETCH(bool, bold);

    iniwrite(QStringLiteral("Fl1"), key, value, file());
    DataGrid grid;
    gridtest::designList(grid);
    const QString family = grid.font().family();
    loadGridAppearance(grid, file(), QStringLiteral("Fl1"));

    QCOMPARE(grid.columnWidth(gridtest::Code), codeWidth);
    QCOMPARE(grid.columnWidth(gridtest::Amount), 100); // keys missing: design width
    QCOMPARE(grid.font().pointSizeF(), fontSize);
    QCOMPARE(grid.font().bold(), bold);
    QCOMPARE(grid.font().family(), family);
}

void TestGridAppearance::missingFile()
{
    DataGrid grid;
    gridtest::designList(grid);
    const QFont design = grid.font();
    loadGridAppearance(grid, m_dir.filePath(QStringLiteral("yok/list.velmor")), QStringLiteral("Fl1"));
    QCOMPARE(grid.columnWidth(gridtest::Check), 30);
    QCOMPARE(grid.font(), design);
}

QTEST_GUILESS_MAIN(TestGridAppearance)
#include "tst_gridappearance.moc"
