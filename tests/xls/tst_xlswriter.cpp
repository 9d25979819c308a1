// The .xls writer, checked by reading its files back with an independent reader
// (python3-xlrd) and by walking the records the way Excel locates them.
#include "common/verifyok.h"
#include "xls/xlswriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using namespace tarvel;

namespace {

const QString kPython = QStringLiteral("/usr/bin/python3");

// Prints the workbook as JSON: sheet names, cell texts, the rows holding bold
// cells, xlrd's complaints, and the record-level faults xlrd itself overlooks but
// Excel trips over (record sizes, the EXTSST, INDEX and DBCELL positions).
const char kReader[] = R"PY(
import io, json, struct, sys, xlrd, xlrd.compdoc
path = sys.argv[1]
log = io.StringIO()
book = xlrd.open_workbook(path, logfile=log, formatting_info=True, on_demand=True)
sheets = []
for sh in book.sheets():
    rows, bold, types = [], set(), set()
    for r in range(sh.nrows):
        row = []
        for c in range(sh.ncols):
            cell = sh.cell(r, c)
            row.append(cell.value if cell.ctype == xlrd.XL_CELL_TEXT else '')
            if cell.ctype not in (xlrd.XL_CELL_TEXT, xlrd.XL_CELL_EMPTY):
                types.add(cell.ctype)
            if cell.ctype == xlrd.XL_CELL_TEXT:
                font = book.font_list[book.xf_list[sh.cell_xf_index(r, c)].font_index]
                if font.bold:
                    bold.add(r)
        rows.append(row)
    sheets.append({'name': sh.name, 'rows': rows, 'boldRows': sorted(bold), 'otherTypes': sorted(types)})

data = xlrd.compdoc.CompDoc(open(path, 'rb').read(), logfile=log).get_named_stream('Workbook')
problems = []
if len(data) < 4096:
    problems.append('Workbook stream shorter than 4096 bytes')
records, pos = [], 0
while pos + 4 <= len(data):
    rid, size = struct.unpack_from('<HH', data, pos)
    if rid == 0:
        if any(data[pos:]):
            problems.append('data after the padding at %d' % pos)
        break
    if size > 8224:
        problems.append('record 0x%04X at %d has %d bytes' % (rid, pos, size))
    records.append((pos, rid, size))
    pos += 4 + size
at = {p: (rid, size) for p, rid, size in records}
def kind(p):
    return at.get(p, (None, 0))[0]

sst = book._sharedstrings
for p, rid, size in records:
    if rid != 0xFF:
        continue
    per = struct.unpack_from('<H', data, p + 4)[0]
    count = (size - 2) // 8
    if count != (len(sst) + per - 1) // per:
        problems.append('EXTSST has %d buckets for %d strings of %d' % (count, len(sst), per))
    for k in range(count):
        ib, cb = struct.unpack_from('<IH', data, p + 6 + 8 * k)
        home = [q for q, r2, s2 in records if q + 4 <= ib < q + 4 + s2]
        if not home or kind(home[0]) not in (0xFC, 0x3C) or ib - home[0] != cb:
            problems.append('EXTSST bucket %d points to %d/%d' % (k, ib, cb))
            continue
        cch = struct.unpack_from('<H', data, ib)[0]
        if k * per >= len(sst) or cch != len(sst[k * per].encode('utf-16-le')) // 2:
            problems.append('EXTSST bucket %d is not at string %d' % (k, k * per))

sheet_starts = [struct.unpack_from('<I', data, p + 4)[0] for p, rid, _ in records if rid == 0x85]
for n, start in enumerate(sheet_starts):
    own = []
    for p, rid, size in records:
        if p >= start:
            own.append((p, rid, size))
            if rid == 0x0A:
                break
    index = [r for r in own if r[1] == 0x20B]
    if not index:
        problems.append('sheet %d has no INDEX' % n)
        continue
    p, _, size = index[0]
    ibxf = struct.unpack_from('<I', data, p + 16)[0]
    if kind(ibxf) != 0x55:
        problems.append('sheet %d INDEX does not point to DEFCOLWIDTH' % n)
    dbcells = [struct.unpack_from('<I', data, p + 20 + 4 * i)[0] for i in range((size - 16) // 4)]
    if dbcells != [q for q, rid, _ in own if rid == 0xD7]:
        problems.append('sheet %d INDEX does not list its DBCELLs' % n)
    for d in dbcells:
        if kind(d) != 0xD7:
            continue
        size = at[d][1]
        first_row = d - struct.unpack_from('<I', data, d + 4)[0]
        offsets = struct.unpack_from('<%dH' % ((size - 4) // 2), data, d + 8)
        cell = first_row + 20
        for i, off in enumerate(offsets):
            row_pos = first_row + 20 * i
            cell += off
            if kind(row_pos) != 0x208 or kind(cell) != 0xFD:
                problems.append('sheet %d DBCELL at %d: row %d not found' % (n, d, i))
                break
            if struct.unpack_from('<H', data, row_pos + 4)[0] != struct.unpack_from('<H', data, cell + 4)[0]:
                problems.append('sheet %d DBCELL at %d: row %d points to another row' % (n, d, i))
                break

print(json.dumps({'sheets': sheets, 'problems': problems, 'log': log.getvalue()}))
)PY";

struct Workbook {
    QStringList sheetNames;
    QList<QList<QStringList>> sheets;
    QList<QList<int>> boldRows;
    QStringList problems;
    QString log;
    bool otherCellTypes = false;
};

Workbook readBack(const QString &path)
{
    QProcess python;
    python.start(kPython, {QStringLiteral("-c"), QString::fromUtf8(kReader), path});
    Workbook book;
    if (!python.waitForFinished(240000) || python.exitCode() != 0) {
        book.problems << QStringLiteral("reader failed: ") + QString::fromUtf8(python.readAllStandardError());
        return book;
    }
    const QJsonObject json = QJsonDocument::fromJson(python.readAllStandardOutput()).object();
    for (const QJsonValue &s : json.value(QLatin1String("sheets")).toArray()) {
        const QJsonObject sheet = s.toObject();
        book.sheetNames << sheet.value(QLatin1String("name")).toString();
        QList<QStringList> rows;
        for (const QJsonValue &r : sheet.value(QLatin1String("rows")).toArray()) {
            QStringList row;
            for (const QJsonValue &cell : r.toArray())
                row << cell.toString();
            rows << row;
        }
        book.sheets << rows;
        QList<int> bold;
        for (const QJsonValue &r : sheet.value(QLatin1String("boldRows")).toArray())
            bold << r.toInt();
        book.boldRows << bold;
        book.otherCellTypes =
            book.otherCellTypes || !sheet.value(QLatin1String("otherTypes")).toArray().isEmpty();
    }
    for (const QJsonValue &p : json.value(QLatin1String("problems")).toArray())
        book.problems << p.toString();
    book.log = json.value(QLatin1String("log")).toString();
    return book;
}

// Trailing empty cells and rows are not in the file, and a reader pads the rows it
// shows to the widest one: compare grids without them.
QList<QStringList> trimmed(QList<QStringList> rows)
{
    for (QStringList &row : rows) {
        while (!row.isEmpty() && row.constLast().isEmpty())
            row.removeLast();
    }
    while (!rows.isEmpty() && rows.constLast().isEmpty())
        rows.removeLast();
    return rows;
}

Result<void> write(const QString &path, const QStringList &captions, const QList<QStringList> &rows)
{
    return writeXls(path, captions, int(rows.size()), [&rows](int row) { return rows.at(row); });
}

QStringList entries(const QString &dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

// Data row r of the big sheets.
QStringList bigRow(int r)
{
    return {QString::number(r + 1), QStringLiteral("Ürün %1").arg(r % 500),
            r % 7 == 0 ? QString() : QStringLiteral("ŞIRA %1").arg(r)};
}

} // namespace

class TestXlsWriter : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void roundTrip_data();
    void roundTrip();
    void longTextIsCutAtCellLimit();
    void rowsContinueOnNextSheet_data();
    void rowsContinueOnNextSheet();

    void fileNameUsedAsGiven_data();
    void fileNameUsedAsGiven();
    void unwritablePath_data();
    void unwritablePath();
    void failedWriteKeepsOldFile();
    void moreColumnsThanASheetHoldsAreRefused();

private:
    QTemporaryDir m_dir;
};

void TestXlsWriter::initTestCase()
{
    QVERIFY(m_dir.isValid());
    if (!QFileInfo::exists(kPython))
        QSKIP("/usr/bin/python3 is missing");
    if (QProcess::execute(kPython, {QStringLiteral("-c"), QStringLiteral("import xlrd")}) != 0)
        QSKIP("python3-xlrd is missing");
}

void TestXlsWriter::roundTrip_data()
{
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QList<QStringList>>("rows");

    const QStringList loading = {"SIRA",        "KODU", "AÇIKLAMA", "BİRİM",
                                 "BİRİM FİYAT", "KDV",  "MİKTAR",   "TUTAR"};
    QTest::newRow("Turkish text")
        << loading
        << QList<QStringList>{
               {"1", "İĞD-01", "ÇĞİÖŞÜ çğıöşü", "ADET", "1.234,50", "%18", "2", "2.469,00"},
               {"2", "Ç'02", "O'NEIL'S KAHVE 100% ARABİCA", "KOLİ", "0,99", "% 8", "10", "9,90"},
               {"3", "", "Café au lait — ön ödemeli", "", "", "", "", ""},
           };
    QTest::newRow("empty cells and short rows")
        << QStringList{"A", "", "C"} << QList<QStringList>{{"", "orta", ""}, {},           {"yalnız ilk"},
                                                           {"", "", "son"},  {"", "", ""}, {"x", "y", "z"}};
    QTest::newRow("captions only") << loading << QList<QStringList>{};
    QTest::newRow("no columns") << QStringList{} << QList<QStringList>{{}, {}};

    // Texts longer than 255 characters and texts that on their own outgrow a record,
    // so their characters go on in CONTINUE records (which repeat the option flags).
    // "abc" first puts the emoji text's first break in the middle of a surrogate pair.
    QTest::newRow("long texts") << QStringList{"abc", QStringLiteral("😀").repeated(5000)}
                                << QList<QStringList>{
                                       {QString(300, QChar(u'Ş')) + "son", QString(256, 'a')},
                                       {QString(20000, QChar(u'ğ')), QString(20000, 'x') + "é"},
                                       {QStringLiteral("kısa"),
                                        QString(9000, 'y') + QString(9000, QChar(u'İ'))},
                                   };

    // Thousands of distinct texts of varying length: the table spreads over many
    // CONTINUE records, with strings starting and breaking at every kind of place.
    QList<QStringList> many;
    for (int i = 0; i < 6000; ++i) {
        many << QStringList{QStringLiteral("Ürün %1 açıklaması").arg(i) + QString(i % 37, QChar(u'ş')),
                            QStringLiteral("Müşteri %1").arg(i * 7) + QString(i % 11, 'k'),
                            QString::number(i)};
    }
    QTest::newRow("many distinct texts") << QStringList{"AÇIKLAMA", "CARİ", "NO"} << many;
}

void TestXlsWriter::roundTrip()
{
    QFETCH(QStringList, captions);
    QFETCH(QList<QStringList>, rows);

    const QString path = m_dir.filePath(QStringLiteral("roundtrip.xls"));
    QVERIFY_OK(write(path, captions, rows));

    const Workbook book = readBack(path);
    QVERIFY2(book.problems.isEmpty(), qPrintable(book.problems.join('\n')));
    QCOMPARE(book.log, QString());
    QCOMPARE(book.sheetNames, QStringList{"Sayfa1"});
    QVERIFY(!book.otherCellTypes);
    QCOMPARE(trimmed(book.sheets.at(0)), trimmed(QList<QStringList>{captions} + rows));
    if (!captions.join(QString()).isEmpty())
        QCOMPARE(book.boldRows.at(0), QList<int>{0});
}

void TestXlsWriter::longTextIsCutAtCellLimit()
{
    // A cell holds 32,767 characters; a surrogate pair on the limit is not split.
    const QString plain = QString(40000, 'a');
    const QString pairOnLimit = QString(32766, 'b') + QStringLiteral("😀😀");
    const QString path = m_dir.filePath(QStringLiteral("long.xls"));
    QVERIFY_OK(write(path, {"UZUN"}, {{plain}, {pairOnLimit}}));

    const Workbook book = readBack(path);
    QVERIFY2(book.problems.isEmpty(), qPrintable(book.problems.join('\n')));
    QCOMPARE(book.sheets.at(0).size(), 3);
    QCOMPARE(book.sheets.at(0).at(1).at(0), plain.left(32767));
    QCOMPARE(book.sheets.at(0).at(2).at(0), pairOnLimit.left(32766));
}

void TestXlsWriter::rowsContinueOnNextSheet_data()
{
    QTest::addColumn<int>("rowCount");
    QTest::addColumn<QList<int>>("rowsPerSheet"); // data rows, under each sheet's caption row

    QTest::newRow("a full sheet") << 65535 << QList<int>{65535};
    QTest::newRow("one row more") << 65536 << QList<int>{65535, 1};
    QTest::newRow("70,000 rows") << 70000 << QList<int>{65535, 4465};
}

void TestXlsWriter::rowsContinueOnNextSheet()
{
    QFETCH(int, rowCount);
    QFETCH(QList<int>, rowsPerSheet);

    const QStringList captions = {"SIRA", "AÇIKLAMA", "NOT"};
    const QString path = m_dir.filePath(QStringLiteral("big.xls"));
    QVERIFY_OK(writeXls(path, captions, rowCount, bigRow));

    const Workbook book = readBack(path);
    QVERIFY2(book.problems.isEmpty(), qPrintable(book.problems.join('\n')));
    QCOMPARE(book.log, QString());
    QCOMPARE(book.sheets.size(), rowsPerSheet.size());
    int next = 0;
    for (int s = 0; s < rowsPerSheet.size(); ++s) {
        QCOMPARE(book.sheetNames.at(s), QStringLiteral("Sayfa%1").arg(s + 1));
        const QList<QStringList> &rows = book.sheets.at(s);
        QCOMPARE(rows.size(), 1 + rowsPerSheet.at(s));
        QCOMPARE(rows.at(0), captions);
        QCOMPARE(book.boldRows.at(s), QList<int>{0});
        for (int r = 1; r < rows.size(); ++r, ++next) {
            if (rows.at(r) != bigRow(next))
                QFAIL(qPrintable(
                    QStringLiteral("sheet %1 row %2: %3").arg(s + 1).arg(r).arg(rows.at(r).join('|'))));
        }
    }
    QCOMPARE(next, rowCount);
}

void TestXlsWriter::fileNameUsedAsGiven_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("no extension") << QStringLiteral("yükleme listesi");
    QTest::newRow("another extension") << QStringLiteral("liste.txt");
    QTest::newRow("upper-case extension") << QStringLiteral("LİSTE.XLS");
}

void TestXlsWriter::fileNameUsedAsGiven()
{
    QFETCH(QString, name);
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    QVERIFY_OK(write(path, {"KODU"}, {{"A1"}}));
    QCOMPARE(entries(dir.path()), QStringList{name});
    QCOMPARE(readBack(path).sheets.value(0), (QList<QStringList>{{"KODU"}, {"A1"}}));
}

void TestXlsWriter::unwritablePath_data()
{
    QTest::addColumn<QString>("relativePath");
    QTest::newRow("missing folder") << QStringLiteral("yok/liste.xls");
    QTest::newRow("name of a folder") << QStringLiteral("klasör");
}

void TestXlsWriter::unwritablePath()
{
    QFETCH(QString, relativePath);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("klasör")));
    const QStringList before = entries(dir.path());

    const Result<void> written = write(dir.filePath(relativePath), {"KODU"}, {{"A1"}});
    QVERIFY(!written);
    const QString error = written.errorText();
    QVERIFY2(error.startsWith(dir.filePath(relativePath) + ": "), qPrintable(error));
    QVERIFY2(!error.contains(QLatin1String(".gsf")), qPrintable(error));
    QCOMPARE(entries(dir.path()), before);
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("klasör"))).isDir());
    QCOMPARE(entries(dir.filePath(QStringLiteral("klasör"))), QStringList{});
}

void TestXlsWriter::failedWriteKeepsOldFile()
{
    // The disk fills up half way: the file already there stays as it was and no
    // half-written file is left beside it.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("liste.xls"));
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("eski liste");
    }

    rlimit saved{};
    QVERIFY(getrlimit(RLIMIT_FSIZE, &saved) == 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 64 * 1024;
    QVERIFY(setrlimit(RLIMIT_FSIZE, &small) == 0);
    Result<void> written;
    {
        const auto restore = qScopeGuard([&] {
            setrlimit(RLIMIT_FSIZE, &saved);
            std::signal(SIGXFSZ, oldHandler);
        });
        written = writeXls(path, {"SIRA", "AÇIKLAMA", "NOT"}, 20000, bigRow);
    }

    QVERIFY(!written);
    QVERIFY(!written.errorText().isEmpty());
    QCOMPARE(entries(dir.path()), QStringList{"liste.xls"});
    QFile old(path);
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("eski liste"));
}

void TestXlsWriter::moreColumnsThanASheetHoldsAreRefused()
{
    QTemporaryDir dir;
    QStringList captions;
    for (int c = 0; c < 257; ++c)
        captions << QString::number(c);
    const Result<void> refused = write(dir.filePath(QStringLiteral("genis.xls")), captions, {captions});
    QVERIFY(!refused);
    QVERIFY(refused.errorText().contains(QLatin1String("256")));
    QCOMPARE(entries(dir.path()), QStringList{});

    captions.removeLast();
    const QString path = dir.filePath(QStringLiteral("tam.xls"));
    QVERIFY_OK(write(path, captions, {captions}));
    QCOMPARE(readBack(path).sheets.value(0), (QList<QStringList>{captions, captions}));
}

QTEST_GUILESS_MAIN(TestXlsWriter)
#include "tst_xlswriter.moc"
