// The printout of a grid as displayed, written as PDF without any widget.
#include "common/verifyok.h"
#include "grid/gridprinter.h"
#include "grid/gridtestlist.h"

#include <QFile>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace tarvel;

namespace {

int pdfPages(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"));
    return int(QString::fromLatin1(file.readAll()).count(page));
}

void fill(DataGrid &grid, int rows)
{
    MemTable &t = grid.table();
    t.suspendRedraw();
    for (int i = 0; i < rows; ++i)
        gridtest::addRow(grid, {"True", QStringLiteral("F%1").arg(i / 10), QStringLiteral("K%1").arg(i), "7",
                                "1", "1,25", "", ""});
    t.resumeRedraw();
}

} // namespace

class TestGridPrinter : public QObject {
    Q_OBJECT
private slots:
    void pages_data();
    void pages();
    void printsWhatIsDisplayed();
    void orientationFollowsWidth();
    void unwritablePath();

private:
    QTemporaryDir m_dir;
};

void TestGridPrinter::pages_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<bool>("grouped");
    QTest::addColumn<bool>("manyPages");

    QTest::newRow("empty list: captions and footer") << 0 << false << false;
    QTest::newRow("a few rows") << 5 << false << false;
    QTest::newRow("many rows") << 400 << false << true;
    QTest::newRow("many rows, grouped") << 400 << true << true;
}

void TestGridPrinter::pages()
{
    QFETCH(int, rows);
    QFETCH(bool, grouped);
    QFETCH(bool, manyPages);

    DataGrid grid;
    gridtest::designList(grid);
    fill(grid, rows);
    grid.setGroupIndex(gridtest::Heading, grouped ? 0 : -1);

    const QString path = m_dir.filePath(QStringLiteral("%1.pdf").arg(QTest::currentDataTag()));
    QVERIFY_OK(GridPrinter(grid).savePdf(path));
    const int pages = pdfPages(path);
    QCOMPARE(pages > 1, manyPages);
    QVERIFY(pages >= 1);

    // The count the painter reports is the count in the file.
    QPdfWriter writer(m_dir.filePath(QStringLiteral("again.pdf")));
    writer.setPageLayout(GridPrinter(grid).pageLayout());
    QCOMPARE(GridPrinter(grid).paint(&writer), pages);
}

void TestGridPrinter::printsWhatIsDisplayed()
{
    DataGrid grid;
    gridtest::designList(grid);
    fill(grid, 400);
    grid.setGroupIndex(gridtest::Heading, 0);
    const QString open = m_dir.filePath(QStringLiteral("open.pdf"));
    const QString closed = m_dir.filePath(QStringLiteral("closed.pdf"));
    QVERIFY_OK(GridPrinter(grid).savePdf(open));
    grid.collapseAll(); // 40 headings and 40 totals remain
    QVERIFY_OK(GridPrinter(grid).savePdf(closed));
    QVERIFY(pdfPages(closed) >= 1);
    QVERIFY(pdfPages(closed) < pdfPages(open));
}

void TestGridPrinter::orientationFollowsWidth()
{
    DataGrid grid;
    gridtest::designList(grid); // 510 pixels visible: fits a portrait page
    QCOMPARE(GridPrinter(grid).pageLayout().orientation(), QPageLayout::Portrait);
    QCOMPARE(GridPrinter(grid).pageLayout().pageSize().id(), QPageSize::A4);
    grid.setColumnWidth(gridtest::Code, 600);
    QCOMPARE(GridPrinter(grid).pageLayout().orientation(), QPageLayout::Landscape);
    // Hidden columns take no room.
    grid.setColumnVisible(gridtest::Code, false);
    QCOMPARE(GridPrinter(grid).pageLayout().orientation(), QPageLayout::Portrait);
}

void TestGridPrinter::unwritablePath()
{
    DataGrid grid;
    gridtest::designList(grid);
    const Result<void> saved = GridPrinter(grid).savePdf(m_dir.filePath(QStringLiteral("yok/list.pdf")));
    QVERIFY(!saved);
    QVERIFY(!saved.errorText().isEmpty());
}

QTEST_MAIN(TestGridPrinter)
#include "tst_gridprinter.moc"
