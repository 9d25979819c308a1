// grid-bench [--rows N] [--xls FILE] [--xlsx FILE] [--pdf FILE]
//
// Fills a list shaped like the profit analyses (20 text fields, Turkish
// captions, amounts with the decimal comma) and times what the screens do with
// it: the fill with redrawing suspended, the footer totals, grouping by the
// document heading (one group per 50 rows), opening every group, the
// spreadsheets (.xls and .xlsx), the printout, ungrouping, sorting by an
// amount and by a text, typing into the search box, and reading and saving the
// list's appearance in a large appearance file. Each figure is printed as
// "name: milliseconds". A Qt item model is attached, as a grid window would be.

#include "foundation/base/numbers.h"
#include "grid/datagrid.h"
#include "grid/gridappearance.h"
#include "grid/gridexport.h"
#include "grid/griditemmodel.h"
#include "grid/gridprinter.h"
#include "grid/suspendedredraw.h"

#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdint>

using namespace tarvel;

namespace {

struct FieldDef {
    const char *field;
    int maxLength;
    const char *caption;
    int width;
    bool visible;
};

// The analysis list's fields and columns, without the two window-specific ones.
const FieldDef fields[] = {
    {"fatsirano", 50, "", 30, true},
    {"sira", 20, "SIRA", 30, false},
    {"fisno", 50, "FİS NO", 80, false},
    {"belgeno", 50, "BELGE NO", 80, false},
    {"unvan", 500, "UNVAN", 200, false},
    {"kod", 200, "MALZEME KODU", 100, true},
    {"ack", 500, "MALZEME CİNSİ", 200, true},
    {"birim", 50, "BİRİM", 70, false},
    {"miktar", 50, "SATIŞ MİKTARI", 100, true},
    {"tutar", 50, "SATIŞ TUTARI", 100, true},
    {"maliyet", 50, "SATIŞ MALİYETİ", 100, true},
    {"fark", 50, "KAR TUTARI", 100, true},
    {"kartop", 50, "TOPNET", 64, false},
    {"fatrefno", 100, "FATREFNO", 64, false},
    {"fatbilgi", 1000, "FATURA", 64, false},
    {"nettutar", 50, "NETTUTAR", 64, false},
    {"geneltoporan", 50, "GENEL KARLILIK", 100, false},
    {"genelnettuar", 50, "", 64, false},
    {"indirimtop", 50, "İND.TOP.", 100, true},
    {"kar", 50, "KARLILIK", 100, true},
};
constexpr int fieldCount = int(std::size(fields));
constexpr int rowsPerGroup = 50;
constexpr int poolSize = 4096;

class Random {
public:
    std::uint32_t next()
    {
        m_state = m_state * 6364136223846793005ULL + 1442695040888963407ULL;
        return std::uint32_t(m_state >> 33);
    }
    double amount(double max) { return double(next() % std::uint32_t(max * 100)) / 100.0; }

private:
    std::uint64_t m_state = 20240101;
};

void design(DataGrid &grid)
{
    for (const FieldDef &f : fields)
        grid.table().addField(QString::fromUtf8(f.field), f.maxLength);
    grid.table().setKeyField(QStringLiteral("sira"));
    for (int i = 0; i < fieldCount; ++i) {
        GridColumn c;
        c.objectName = QStringLiteral("DBGridColumn%1").arg(i + 1);
        c.caption = QString::fromUtf8(fields[i].caption);
        c.field = QString::fromUtf8(fields[i].field);
        c.width = fields[i].width;
        c.visible = fields[i].visible;
        if (i >= 8 && i != 13 && i != 14)
            c.alignment = Qt::AlignRight; // amounts
        grid.addColumn(c);
    }
    const auto sum = [&](const char *column, const char *field, const QString &pattern = {}) {
        const int at = grid.columnOfField(QString::fromUtf8(column));
        grid.setColumnFooter(at, GridTotal::sumOf(QString::fromUtf8(field), pattern));
        grid.setColumnGroupTotal(at, GridTotal::sumOf(QString::fromUtf8(field), pattern));
    };
    for (const char *f : {"miktar", "tutar", "maliyet", "fark"})
        sum(f, f);
    sum("indirimtop", "indirimtop", QStringLiteral("#0.00"));
    sum("kar", "geneltoporan", QStringLiteral("%#0.00"));
    grid.setColumnGroupTotal(grid.columnOfField(QStringLiteral("kar")),
                             GridTotal::sumOf(QStringLiteral("kartop"), QStringLiteral("%#0.00")));
    const int ack = grid.columnOfField(QStringLiteral("ack"));
    grid.setColumnFooter(ack, GridTotal::fixedText(QStringLiteral("GENEL TOPLAMLAR")));
    grid.setColumnGroupTotal(ack, GridTotal::fixedText(QStringLiteral("FATURA TOPLAMLARI")));
}

// Texts are made before the clock starts, from pools of distinct values, so
// the fill measures the list and not the number formatting.
std::vector<std::vector<QString>> makePools(Random &random)
{
    static const char *const items[] = {"KARADENİZ RİZE ÇAYI 1000 GR", "ŞEKER KÜP 750 GR",
                                        "GÜNEŞLİ GOFRET 36'LI",        "YAYLA SÜT 1 LT",
                                        "ÇİFTLİK PEYNİR 500 GR",       "ŞAFAK ÇAY 500 GR"};
    static const char *const titles[] = {"ÖZGÜR GIDA TİC. LTD. ŞTİ.", "GÜNEŞ MARKET", "ŞAHİN TOPTAN GIDA",
                                         "ÇİFTÇİ KARDEŞLER A.Ş.", "İLKER BAKKALİYE"};
    std::vector<std::vector<QString>> pools(fieldCount);
    for (int i = 0; i < poolSize; ++i) {
        const QString item = QString::fromUtf8(items[i % std::size(items)]);
        pools[1].push_back(QString::number(i + 1));
        pools[2].push_back(QStringLiteral("SF%1").arg(100000 + i));
        pools[3].push_back(QStringLiteral("BLG-%1").arg(i));
        pools[4].push_back(QString::fromUtf8(titles[i % std::size(titles)]));
        pools[5].push_back(QStringLiteral("STK.%1").arg(i, 5, 10, QLatin1Char('0')));
        pools[6].push_back(item + QStringLiteral(" %1").arg(i)); // as many names as the pool
        pools[7].push_back(QStringLiteral("ADET"));
        pools[8].push_back(formatPlain(double(random.next() % 200 + 1)));
        for (int f : {9, 10, 11, 12, 15, 16, 18, 19})
            pools[size_t(f)].push_back(formatFixed2(random.amount(5000) - (f == 11 ? 1000 : 0)));
        pools[13].push_back(QString::number(50000 + i));
        pools[0].push_back(QString::number(i % rowsPerGroup + 1));
        pools[17].push_back(QString());
        pools[14].push_back(QString()); // fatbilgi: one per group, made below
    }
    return pools;
}

double footerCheck(const DataGrid &grid)
{
    double check = 0;
    for (int c = 0; c < grid.columnCount(); ++c)
        check += grid.footerText(c).size();
    return check;
}

void report(QTextStream &out, const char *name, qint64 ms)
{
    out << name << ": " << ms << '\n';
    out.flush();
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    QCommandLineOption rowsOption(QStringLiteral("rows"), QStringLiteral("rows in the list"),
                                  QStringLiteral("N"), QStringLiteral("100000"));
    QCommandLineOption xlsOption(QStringLiteral("xls"), QStringLiteral("keep the spreadsheet in FILE"),
                                 QStringLiteral("FILE"));
    QCommandLineOption xlsxOption(QStringLiteral("xlsx"), QStringLiteral("keep the workbook in FILE"),
                                  QStringLiteral("FILE"));
    QCommandLineOption pdfOption(QStringLiteral("pdf"), QStringLiteral("print the list to FILE"),
                                 QStringLiteral("FILE"));
    parser.addOptions({rowsOption, xlsOption, xlsxOption, pdfOption});
    parser.process(app);
    QTextStream out(stdout);
    QTextStream err(stderr);
    bool ok = false;
    const int rows = parser.value(rowsOption).toInt(&ok);
    if (!ok || rows < 0) {
        err << "--rows: not a row count\n";
        return 2;
    }

    DataGrid grid;
    design(grid);
    GridItemModel model(&grid); // a window's view model follows every change
    MemTable &table = grid.table();

    Random random;
    const std::vector<std::vector<QString>> pools = makePools(random);
    std::vector<QString> headings;
    for (int g = 0; g * rowsPerGroup < rows; ++g)
        headings.push_back(QStringLiteral("%1 - 0%2.03.2024 - SF%3 - ŞAHİN TOPTAN GIDA - (%4)")
                               .arg(50000 + g)
                               .arg(g % 9 + 1)
                               .arg(100000 + g)
                               .arg(g % 7));
    std::vector<QString> names;
    for (const FieldDef &f : fields)
        names.push_back(QString::fromUtf8(f.field));

    QElapsedTimer timer;
    timer.start();
    table.close();
    {
        const SuspendedRedraw suspended(table, [&table] { table.first(); });
        for (int r = 0; r < rows; ++r) {
            table.append();
            const size_t pick = size_t(r) % poolSize;
            for (int f = 0; f < fieldCount; ++f)
                table.setField(names[size_t(f)],
                               f == 14 ? headings[size_t(r / rowsPerGroup)] : pools[size_t(f)][pick]);
            table.post();
        }
    }
    report(out, "append", timer.restart());

    double check = 0;
    for (int c = 0; c < grid.columnCount(); ++c)
        check += grid.footerValue(c) + grid.footerText(c).size();
    report(out, "footer", timer.restart());

    table.edit();
    table.setField(QStringLiteral("tutar"), QStringLiteral("1234,56"));
    table.post();
    for (int c = 0; c < grid.columnCount(); ++c)
        check += grid.footerValue(c);
    report(out, "footer-after-edit", timer.restart());

    const int heading = grid.columnOfField(QStringLiteral("fatbilgi"));
    grid.setGroupIndex(heading, 0);
    check += grid.displayedRowCount();
    report(out, "group", timer.restart());
    for (int g = 0; g < grid.groupCount(); ++g) {
        for (int c = 0; c < grid.columnCount(); ++c)
            check += grid.groupTotalText(g, c).size();
    }
    report(out, "group-totals", timer.restart());

    grid.collapseAll();
    timer.restart();
    grid.expandAll();
    check += grid.displayedRowCount();
    report(out, "expand-all", timer.restart());

    QTemporaryDir scratch;
    const QString xlsPath =
        parser.isSet(xlsOption) ? parser.value(xlsOption) : scratch.filePath(QStringLiteral("bench.xls"));
    timer.restart();
    if (const Result<void> saved = saveGridXls(grid, xlsPath); !saved)
        err << "xls: " << saved.errorText() << '\n';
    report(out, "xls", timer.restart());

    const QString xlsxPath =
        parser.isSet(xlsxOption) ? parser.value(xlsxOption) : scratch.filePath(QStringLiteral("bench.xlsx"));
    timer.restart();
    if (const Result<void> saved = saveGridFile(grid, xlsxPath); !saved)
        err << "xlsx: " << saved.errorText() << '\n';
    report(out, "xlsx-ms", timer.restart());

    if (parser.isSet(pdfOption)) {
        timer.restart();
        if (const Result<void> saved = GridPrinter(grid).savePdf(parser.value(pdfOption)); !saved)
            err << "pdf: " << saved.errorText() << '\n';
        report(out, "pdf", timer.restart());
    }

    timer.restart();
    grid.setGroupIndex(heading, -1);
    check += grid.displayedRowCount();
    report(out, "ungroup", timer.restart());

    // A caption click: the rows in their new order and the footer, as the window redraws them.
    const auto sortBy = [&](const char *field) {
        timer.restart();
        grid.setSort(grid.columnOfField(QString::fromUtf8(field)), Qt::DescendingOrder);
        check += grid.displayedRow(0).row + footerCheck(grid);
        return timer.restart();
    };
    report(out, "sort-ms", sortBy("fark"));
    report(out, "sort-text-ms", sortBy("ack"));
    grid.clearSort();

    // Typing a word into the search box and taking it back, letter by letter:
    // the slowest keystroke counts.
    const QString word = QStringLiteral("şafak");
    qint64 slowest = 0;
    for (qsizetype typed = 1; typed <= 2 * word.size(); ++typed) {
        const qsizetype length = typed <= word.size() ? typed : 2 * word.size() - typed;
        timer.restart();
        grid.setFilterText(word.left(length));
        check += grid.displayedRowCount() + footerCheck(grid);
        slowest = std::max(slowest, timer.elapsed());
    }
    report(out, "filter-ms", slowest);

    // A list.velmor grown over years of other lists' sections (about 480 KB),
    // the list's own section last: reading and saving its appearance.
    const QString appearance = scratch.filePath(QStringLiteral("list.velmor"));
    {
        QFile file(appearance);
        if (file.open(QIODevice::WriteOnly)) {
            for (int section = 0; section < 80; ++section) {
                QByteArray bytes = "[S" + QByteArray::number(section) + "]\r\n";
                for (int key = 0; key <= 500; ++key)
                    bytes +=
                        "l1-" + QByteArray::number(key) + '=' + QByteArray::number(60 + key % 90) + "\r\n";
                file.write(bytes);
            }
            file.write("[Fl1]\r\nl1-5=120\r\nFontSize=9\r\n");
        }
    }
    timer.restart();
    loadGridAppearance(grid, appearance, QStringLiteral("Fl1"));
    report(out, "appearance-load", timer.restart());
    saveGridAppearance(grid, appearance, QStringLiteral("Fl1"));
    report(out, "appearance-save", timer.restart());

    err << "rows " << table.rowCount() << ", displayed model rows " << model.rowCount() << ", checksum "
        << qint64(check) << '\n';
    return 0;
}
