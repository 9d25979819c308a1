// The spreadsheet of a grid: the visible columns under their captions and the
// displayed rows, read back with an independent reader (python3-xlrd).
#include "common/verifyok.h"
#include "grid/gridexport.h"
#include "grid/gridtestlist.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace tarvel;

namespace {

using Sheet = QList<QStringList>;

// Every sheet's rows, sheet after sheet.
Sheet readXls(const QString &path)
{
    const char script[] = R"PY(
import json, sys, xlrd
book = xlrd.open_workbook(sys.argv[1])
rows = []
for sh in book.sheets():
    for r in range(sh.nrows):
        rows.append([str(sh.cell_value(r, c)) for c in range(sh.ncols)])
print(json.dumps(rows))
)PY";
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral("-c"), QString::fromLatin1(script), path});
    if (!python.waitForFinished(30000) || python.exitCode() != 0)
        return {};
    Sheet sheet;
    for (const QJsonValue &row : QJsonDocument::fromJson(python.readAllStandardOutput()).array()) {
        QStringList cells;
        for (const QJsonValue &cell : row.toArray())
            cells << cell.toString();
        sheet << cells;
    }
    return sheet;
}

} // namespace

class TestGridExport : public QObject {
    Q_OBJECT
private slots:
    void sheetRows_data();
    void sheetRows();
    void unwritablePath();

private:
    QTemporaryDir m_dir;
};

void TestGridExport::sheetRows_data()
{
    QTest::addColumn<bool>("grouped");
    QTest::addColumn<bool>("secondGroupClosed");
    QTest::addColumn<Sheet>("expected");

    // Visible columns: check, code, type (mapped), quantity, amount, profit.
    const QStringList captions{"", "MALZEME KODU", "TİP", "SATIŞ MİKTARI", "SATIŞ TUTARI", "KARLILIK"};
    const QStringList totalF1{"", "FATURA TOPLAMLARI", "", "5", "10,75", "%20,00"};
    const QStringList totalF2{"", "FATURA TOPLAMLARI", "", "5", "1000,00", "%10,00"};
    const QStringList totalF3{"", "FATURA TOPLAMLARI", "", "0", "2,00", "%1,00"};
    const QStringList a{"False", "A", "PARAKENDE", "2", "10,50", ""};
    const QStringList b{"True", "B", "TOPTAN", "1", "1000,00", ""};
    const QStringList c{"False", "C", "PARAKENDE", "3", "0,25", ""};
    const QStringList d{"", "D", "TOPTAN", "abc", "2,00", ""};
    const QStringList e{"False", "E", "PARAKENDE", "4", "x", ""};
    const auto heading = [](const char *key) {
        return QStringList{QStringLiteral("FATURA: ") + QLatin1String(key), "", "", "", "", ""};
    };

    QTest::newRow("table order") << false << false << Sheet{captions, a, b, c, d, e};
    QTest::newRow("grouped") << true << false
                             << Sheet{captions, heading("F1"), a, c,      totalF1, heading("F2"), b, e,
                                      totalF2,  heading("F3"), d, totalF3};
    QTest::newRow("grouped, one group closed")
        << true << true
        << Sheet{captions, heading("F1"), a, c, totalF1, heading("F2"), totalF2, heading("F3"), d, totalF3};
}

void TestGridExport::sheetRows()
{
    QFETCH(bool, grouped);
    QFETCH(bool, secondGroupClosed);
    QFETCH(Sheet, expected);

    DataGrid grid;
    gridtest::designList(grid);
    gridtest::fillThreeInvoices(grid);
    if (grouped)
        grid.setGroupIndex(gridtest::Heading, 0);
    if (secondGroupClosed)
        grid.setGroupExpanded(1, false);

    const QString path = m_dir.filePath(QStringLiteral("liste")); // no extension added
    QVERIFY_OK(saveGridXls(grid, path));
    QCOMPARE(readXls(path), expected);
}

void TestGridExport::unwritablePath()
{
    DataGrid grid;
    gridtest::designList(grid);
    gridtest::fillThreeInvoices(grid);
    const Result<void> saved = saveGridXls(grid, m_dir.filePath(QStringLiteral("yok/liste.xls")));
    QVERIFY(!saved);
    QVERIFY(!saved.errorText().isEmpty());
}

QTEST_GUILESS_MAIN(TestGridExport)
#include "tst_gridexport.moc"
