// The .xlsx of a list, read back by an independent reader (python3-openpyxl):
// numbers are numbers with their look, texts stay texts, dates are dates,
// groups fold on outline levels, the caption row is frozen and filtered, and a
// failed write leaves nothing behind.
#include "grid/gridexport.h"
#include "grid/gridtestlist.h"
#include "grid/gridxlsx.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace tarvel;

namespace {

// {"sheets": n, "freeze": "A2", "filter": "A1:F6", "widths": [...],
//  "rows": [{"level": 0, "hidden": false, "cells": [{"v": ..., "t": "n", "f": "#,##0.00", "b": true}]}]}
QJsonObject readXlsx(const QString &path)
{
    const char script[] = R"PY(
import json, sys, openpyxl
book = openpyxl.load_workbook(sys.argv[1])
sh = book.worksheets[0]
rows = []
for r in range(1, sh.max_row + 1):
    dim = sh.row_dimensions[r]
    cells = []
    for c in range(1, sh.max_column + 1):
        cell = sh.cell(row=r, column=c)
        v = cell.value
        if hasattr(v, 'strftime'):
            v = v.strftime('%d.%m.%Y')
        cells.append({'v': v, 't': cell.data_type, 'f': cell.number_format, 'b': bool(cell.font.b)})
    rows.append({'level': dim.outline_level, 'hidden': bool(dim.hidden), 'cells': cells})
widths = [sh.column_dimensions[openpyxl.utils.get_column_letter(c)].width for c in range(1, sh.max_column + 1)]
print(json.dumps({'sheets': len(book.worksheets), 'freeze': sh.freeze_panes, 'filter': sh.auto_filter.ref,
                  'widths': widths, 'rows': rows}))
)PY";
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral("-c"), QString::fromLatin1(script), path});
    if (!python.waitForFinished(30000) || python.exitCode() != 0) {
        qWarning().noquote() << python.readAllStandardError();
        return {};
    }
    return QJsonDocument::fromJson(python.readAllStandardOutput()).object();
}

QJsonObject cellAt(const QJsonObject &book, int row, int column)
{
    return book[QStringLiteral("rows")]
        .toArray()[row]
        .toObject()[QStringLiteral("cells")]
        .toArray()[column]
        .toObject();
}

// The rows as "level:hidden:first cell" for a quick look at the outline.
QStringList outline(const QJsonObject &book)
{
    QStringList rows;
    for (const QJsonValue &row : book[QStringLiteral("rows")].toArray()) {
        const QJsonObject r = row.toObject();
        const QJsonArray cells = r[QStringLiteral("cells")].toArray();
        const QJsonValue first = cells[0].toObject()[QStringLiteral("v")];
        const QJsonValue code = cells.size() > 1 ? cells[1].toObject()[QStringLiteral("v")] : QJsonValue();
        rows << QStringLiteral("%1%2 %3")
                    .arg(r[QStringLiteral("level")].toInt())
                    .arg(r[QStringLiteral("hidden")].toBool() ? QStringLiteral("h") : QString())
                    .arg(first.isString() && !first.toString().isEmpty() &&
                                 first.toString() != QLatin1String("True") &&
                                 first.toString() != QLatin1String("False")
                             ? first.toString()
                             : code.toVariant().toString());
    }
    return rows;
}

// A list with one column of each kind.
void kindsList(DataGrid &grid)
{
    const QStringList fields{"kod", "tutar", "kar", "tarih", "miktar", "not", "tip"};
    for (const QString &f : fields)
        grid.table().addField(f, 50);
    grid.addColumn({.caption = "KOD", .field = "kod", .width = 70, .footer = GridTotal::fixedText("TOPLAM")});
    grid.addColumn({.caption = "TUTAR",
                    .field = "tutar",
                    .width = 100,
                    .alignment = Qt::AlignRight,
                    .footer = GridTotal::sumOf("tutar", "###,###0.00")});
    grid.addColumn({.caption = "KARLILIK",
                    .field = "kar",
                    .width = 80,
                    .alignment = Qt::AlignRight,
                    .footer = GridTotal::fixedText("%7,50")});
    grid.addColumn({.caption = "TARİH", .field = "tarih", .width = 80, .alignment = Qt::AlignCenter});
    grid.addColumn({.caption = "MİKTAR",
                    .field = "miktar",
                    .width = 60,
                    .alignment = Qt::AlignRight,
                    .footer = GridTotal::sumOf("miktar")});
    // Right-aligned, but not every cell is a number: the column stays text.
    grid.addColumn({.caption = "NOT", .field = "not", .width = 60, .alignment = Qt::AlignRight});
    grid.addColumn({.caption = "TİP", .field = "tip", .width = 60, .displayMap = {{"7", "PARAKENDE"}}});
    const QList<QStringList> rows{
        {"0012", "1.234,50", "%12,30", "05.03.2024", "2", "10", "7"},
        {"A-7", "-3", "-5,5", "29.02.2024", "1.000", "yok", "8"},
        {"130", "", "", "", "", "", ""},
    };
    for (const QStringList &row : rows) {
        grid.table().append();
        for (int i = 0; i < row.size(); ++i)
            grid.table().setField(fields.at(i), row.at(i));
        grid.table().post();
    }
}

} // namespace

class TestGridXlsx : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cellsKeepTheirKind_data();
    void cellsKeepTheirKind();
    void sheetLayout();
    void groupsOnOutlineLevels_data();
    void groupsOnOutlineLevels();
    void rowsTheFilterShows();
    void failedWriteLeavesNothing_data();
    void failedWriteLeavesNothing();
    void typeByExtension();

private:
    QString save(const DataGrid &grid, const QString &name)
    {
        const QString path = m_dir.filePath(name);
        if (const Result<void> saved = saveGridXlsx(grid, path); !saved)
            qWarning().noquote() << saved.errorText();
        return path;
    }

    QTemporaryDir m_dir;
    QJsonObject m_kinds; // kindsList() as read back
};

void TestGridXlsx::initTestCase()
{
    QVERIFY(m_dir.isValid());
    DataGrid grid;
    kindsList(grid);
    m_kinds = readXlsx(save(grid, QStringLiteral("kinds.xlsx")));
    QVERIFY(!m_kinds.isEmpty());
}

void TestGridXlsx::cellsKeepTheirKind_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("format");

    QTest::newRow("caption") << 0 << 1 << QVariant("TUTAR") << "s"
                             << "General";
    QTest::newRow("code with leading zeros stays text") << 1 << 0 << QVariant("0012") << "s"
                                                        << "General";
    QTest::newRow("digits in a left-aligned column stay text") << 3 << 0 << QVariant("130") << "s"
                                                               << "General";
    QTest::newRow("amount, grouped") << 1 << 1 << QVariant(1234.5) << "n"
                                     << "#,##0.00";
    QTest::newRow("negative amount") << 2 << 1 << QVariant(-3) << "n"
                                     << "#,##0.00";
    QTest::newRow("profitability") << 1 << 2 << QVariant(12.3) << "n"
                                   << "\"%\"#,##0.00";
    QTest::newRow("profitability without its sign") << 2 << 2 << QVariant(-5.5) << "n"
                                                    << "\"%\"#,##0.00";
    QTest::newRow("date") << 2 << 3 << QVariant("29.02.2024") << "d"
                          << "dd.mm.yyyy";
    QTest::newRow("whole numbers") << 2 << 4 << QVariant(1000) << "n"
                                   << "#,##0";
    QTest::newRow("column with a word stays text") << 1 << 5 << QVariant("10") << "s"
                                                   << "General";
    QTest::newRow("mapped text") << 1 << 6 << QVariant("PARAKENDE") << "s"
                                 << "General";
    QTest::newRow("footer text") << 4 << 0 << QVariant("TOPLAM") << "s"
                                 << "General";
    QTest::newRow("footer sum") << 4 << 1 << QVariant(1231.5) << "n"
                                << "#,##0.00";
    QTest::newRow("footer percent") << 4 << 2 << QVariant(7.5) << "n"
                                    << "\"%\"#,##0.00";
    QTest::newRow("footer count") << 4 << 4 << QVariant(1002) << "n"
                                  << "#,##0";
}

void TestGridXlsx::cellsKeepTheirKind()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QVariant, value);
    QFETCH(QString, type);
    QFETCH(QString, format);

    const QJsonObject cell = cellAt(m_kinds, row, column);
    QCOMPARE(cell[QStringLiteral("t")].toString(), type);
    QCOMPARE(cell[QStringLiteral("f")].toString(), format);
    if (type == QLatin1String("n"))
        QCOMPARE(cell[QStringLiteral("v")].toDouble(), value.toDouble());
    else
        QCOMPARE(cell[QStringLiteral("v")].toString(), value.toString());
}

void TestGridXlsx::sheetLayout()
{
    const QJsonObject &book = m_kinds;
    QCOMPARE(book[QStringLiteral("sheets")].toInt(), 1);
    QCOMPARE(book[QStringLiteral("freeze")].toString(), QStringLiteral("A2"));
    // The filter covers the caption and the rows, not the footer.
    QCOMPARE(book[QStringLiteral("filter")].toString(), QStringLiteral("A1:G4"));
    for (int c = 0; c < 7; ++c)
        QVERIFY(cellAt(book, 0, c)[QStringLiteral("b")].toBool());
    QVERIFY(!cellAt(book, 1, 0)[QStringLiteral("b")].toBool());
    QVERIFY(cellAt(book, 4, 1)[QStringLiteral("b")].toBool());
    // Widths in characters follow the grid's pixels: the 100-pixel column is wider than the 60-pixel one.
    const QJsonArray widths = book[QStringLiteral("widths")].toArray();
    QVERIFY(widths[1].toDouble() > widths[4].toDouble() + 4);
}

void TestGridXlsx::groupsOnOutlineLevels_data()
{
    QTest::addColumn<bool>("secondClosed");
    QTest::addColumn<QStringList>("expected");

    // Visible columns: check, code, type, quantity, amount, profit.
    QTest::newRow("all open") << false
                              << QStringList{
                                     "0 MALZEME KODU",      "0 FATURA: F1", "1 A", "1 C",
                                     "0 FATURA TOPLAMLARI", "0 FATURA: F2", "1 B", "1 E",
                                     "0 FATURA TOPLAMLARI", "0 FATURA: F3", "1 D", "0 FATURA TOPLAMLARI",
                                     "0 GENEL TOPLAMLAR"};
    QTest::newRow("second closed: rows kept, folded")
        << true << QStringList{"0 MALZEME KODU",      "0 FATURA: F1", "1 A",  "1 C",
                               "0 FATURA TOPLAMLARI", "0 FATURA: F2", "1h B", "1h E",
                               "0 FATURA TOPLAMLARI", "0 FATURA: F3", "1 D",  "0 FATURA TOPLAMLARI",
                               "0 GENEL TOPLAMLAR"};
}

void TestGridXlsx::groupsOnOutlineLevels()
{
    QFETCH(bool, secondClosed);
    QFETCH(QStringList, expected);

    DataGrid grid;
    gridtest::designList(grid);
    gridtest::fillThreeInvoices(grid);
    grid.setGroupIndex(gridtest::Heading, 0);
    if (secondClosed)
        grid.setGroupExpanded(1, false);
    const QJsonObject book = readXlsx(save(grid, QStringLiteral("groups.xlsx")));
    QCOMPARE(outline(book), expected);
    // Group totals are numbers: F1's amounts 10,50 + 0,25 and KARLILIK %20,00.
    QCOMPARE(cellAt(book, 4, 4)[QStringLiteral("v")].toDouble(), 10.75);
    QCOMPARE(cellAt(book, 4, 5)[QStringLiteral("v")].toDouble(), 20.0);
    QCOMPARE(cellAt(book, 4, 5)[QStringLiteral("f")].toString(), QStringLiteral("\"%\"#,##0.00"));
    // The heading is bold text in the first column.
    QVERIFY(cellAt(book, 1, 0)[QStringLiteral("b")].toBool());
}

void TestGridXlsx::rowsTheFilterShows()
{
    DataGrid grid;
    gridtest::designList(grid);
    gridtest::fillThreeInvoices(grid);
    grid.setFilterText(QStringLiteral("toptan")); // the type column shows TOPTAN for B and D
    grid.setSort(gridtest::Amount, Qt::AscendingOrder);
    const QJsonObject book = readXlsx(save(grid, QStringLiteral("filtered.xlsx")));
    QCOMPARE(outline(book), (QStringList{"0 MALZEME KODU", "0 D", "0 B", "0 GENEL TOPLAMLAR"}));
    QCOMPARE(cellAt(book, 3, 4)[QStringLiteral("v")].toDouble(), 1002.0);
}

void TestGridXlsx::failedWriteLeavesNothing_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("cause");
    QTest::newRow("folder missing") << "yok/liste.xlsx"
                                    << "Klasör bulunamadı";
    QTest::newRow("a folder by that name") << "klasor.xlsx"
                                           << "Bu adda bir klasör var";
}

void TestGridXlsx::failedWriteLeavesNothing()
{
    QFETCH(QString, target);
    QFETCH(QString, cause);

    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("klasor.xlsx")));
    DataGrid grid;
    kindsList(grid);
    const Result<void> saved = saveGridXlsx(grid, dir.filePath(target));
    QVERIFY(!saved);
    QVERIFY2(saved.errorText().startsWith(cause), qPrintable(saved.errorText()));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("klasor.xlsx")});
}

void TestGridXlsx::typeByExtension()
{
    DataGrid grid;
    kindsList(grid);
    const QString xlsx = m_dir.filePath(QStringLiteral("tur.XLSX"));
    const QString xls = m_dir.filePath(QStringLiteral("tur.xls"));
    QFile old(xlsx);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("eski");
    old.close();
    QVERIFY(saveGridFile(grid, xlsx).ok());
    QVERIFY(saveGridFile(grid, xls).ok());
    QFile a(xlsx), b(xls);
    QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    QCOMPARE(a.read(2), QByteArray("PK")); // a zip: the old file was replaced
    QCOMPARE(b.read(4), QByteArray("\xD0\xCF\x11\xE0", 4));
    // Nothing but the two files is left in the folder.
    const QStringList left =
        QDir(m_dir.path())
            .entryList({QStringLiteral("*.tmp"), QStringLiteral(".*")}, QDir::Files | QDir::Hidden);
    QVERIFY2(left.isEmpty(), qPrintable(left.join(u' ')));
}

QTEST_GUILESS_MAIN(TestGridXlsx)
#include "tst_gridxlsx.moc"
