// The printout of a grid as displayed, written as PDF without any widget.
#include "common/verifyok.h"
#include "grid/gridprinter.h"
#include "grid/gridtestlist.h"

#include <QDir>
#include <QFile>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

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
    void failedWriteKeepsTarget_data();
    void failedWriteKeepsTarget();

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

void TestGridPrinter::failedWriteKeepsTarget_data()
{
    QTest::addColumn<QString>("target"); // "<full disk>", "<read-only folder>", "<folder>" or a path
    QTest::addColumn<QString>("cause");
    QTest::newRow("full disk") << "<full disk>"
                               << "PDF dosyası yazılamadı";
    QTest::newRow("read-only folder") << "<read-only folder>"
                                      << "PDF dosyası yazılamadı";
    QTest::newRow("a folder") << "<folder>"
                              << "klasör";
    QTest::newRow("/dev/full") << "/dev/full"
                               << "normal bir dosya değil";
    QTest::newRow("empty name") << ""
                                << "dosya adı boş";
}

// A PDF that cannot be written whole leaves the target as it was (a good
// existing PDF byte for byte), no temporary file beside it, and says why.
void TestGridPrinter::failedWriteKeepsTarget()
{
    QFETCH(QString, target);
    QFETCH(QString, cause);
    DataGrid grid;
    gridtest::designList(grid);
    fill(grid, 2000);
    QTemporaryDir dir;
    QString path = target;
    QByteArray good;
    if (target.startsWith(QLatin1Char('<'))) {
        path = dir.filePath(QStringLiteral("liste.pdf"));
        if (target == QLatin1String("<folder>")) {
            QVERIFY(QDir().mkdir(path));
        } else {
            DataGrid small;
            gridtest::designList(small);
            fill(small, 3);
            QVERIFY_OK(GridPrinter(small).savePdf(path));
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            good = file.readAll();
        }
    }
    if (target == QLatin1String("<read-only folder>")) {
        if (::geteuid() == 0)
            QSKIP("root writes into every folder");
        QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
    }

    Result<void> saved;
    if (target == QLatin1String("<full disk>")) {
        // A file may not grow past 16 KB: every write after that fails as on a full disk.
        rlimit old{};
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &old), 0);
        const auto previous = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = old;
        small.rlim_cur = 16 * 1024;
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
        saved = GridPrinter(grid).savePdf(path);
        ::setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, previous);
    } else {
        saved = GridPrinter(grid).savePdf(path);
    }
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(!saved);
    QVERIFY2(saved.errorText().contains(cause), qPrintable(saved.errorText()));
    if (!path.isEmpty())
        QVERIFY2(saved.errorText().contains(path), qPrintable(saved.errorText()));
    if (!good.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll() == good);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"liste.pdf"});
    }
}

QTEST_MAIN(TestGridPrinter)
#include "tst_gridprinter.moc"
