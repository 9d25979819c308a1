// tarvel-report's picker and analysis commands (invoices, invoice-analysis,
// item-analysis, orders, order-analysis, material-analysis) on the fixture
// ERP: the same documents from the SQLite file and through SQL Server (the TDS
// test server over ODBC and FreeTDS), the options reaching the runs, the files.
#include "analysisfixture.h"
#include "common/needs.h"
#include "common/programrun.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using namespace tarvel;
using test::TdsServer;

namespace {

using Run = test::ProgramRun;

QJsonObject list(const QString &json)
{
    return QJsonDocument::fromJson(json.toUtf8())
        .object()
        .value(QStringLiteral("lists"))
        .toObject()
        .value(QStringLiteral("l1"))
        .toObject();
}

const QList<QStringList> commands{
    {"invoices", "--from", "20240101", "--to", "20240131", "--salesman", "1", "--salesman", "2"},
    {"invoices", "--from", "20240101", "--to", "20240131", "--customer-code", "*01", "--by-entry-date"},
    {"invoice-analysis", "--refs", "10,11,14"},
    {"invoice-analysis", "--refs", "11,10", "--vat-included", "--extra-tax"},
    {"item-analysis", "--from", "20240101", "--to", "20240131"},
    {"item-analysis", "--from", "20240101", "--to", "20240131", "--name", "ANNE'NİN"},
    {"orders", "--from", "20240101", "--to", "20240131", "--salesman", "1", "--salesman", "4"},
    {"orders", "--from", "20240101", "--to", "20240131", "--customer-ref", "5", "--payment", "0"},
    {"order-analysis", "--refs", "31,30"},
    {"material-analysis", "--from", "20231201", "--to", "20240131", "--grouped"},
    {"material-analysis", "--from", "20231201", "--to", "20240131", "--special-code", "MEY", "--salesman",
     "1", "--salesman", "2", "--vat-included", "--extra-tax"},
};

// One field of the rows, in the order the document lists them.
QStringList column(const QJsonObject &l1, const QString &field)
{
    QStringList values;
    for (const QJsonValue &row : l1.value(QStringLiteral("rows")).toArray())
        values << row.toObject().value(field).toString();
    return values;
}

const QStringList january{"item-analysis", "--from", "20240101", "--to", "20240131"};

} // namespace

class TestAnalysisCommands : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void sameThroughSqlServer();
    void optionsReachTheRun();
    void orderAndMaterialOptions();
    void files();
    void arrangedList_data();
    void arrangedList();
    void xlsxHoldsNumbers();
    void chartPicture();
    void refusals_data();
    void refusals();
    void fullDiskKeepsFile_data();
    void fullDiskKeepsFile();
    void serverStopsAnswering_data();
    void serverStopsAnswering();

private:
    AnalysisErp m_erp;
    QString m_folder;
};

void TestAnalysisCommands::initTestCase()
{
    QVERIFY2(QFile::exists(QStringLiteral(TARVEL_BIN_DIR "/tarvel-report")), "tarvel-report is not built");
    const QString error = m_erp.open();
    QVERIFY2(error.isEmpty(), qPrintable(error));
    m_folder = m_erp.programFolder();
}

void TestAnalysisCommands::sameThroughSqlServer()
{
    if (!TdsServer::freeTdsInstalled())
        NEEDS_OR_SKIP("the FreeTDS ODBC driver is not installed (odbcinst -q -d lists no [FreeTDS])");
    TdsServer server(
        {m_erp.path(), QStringLiteral("tarvel"), QStringLiteral("Şifre'1"), QStringLiteral("ERPDB"), {}});
    QVERIFY2(server.start(), qPrintable(server.errorText()));
    const QString sqlServer =
        m_erp.programFolder(server.serverValue(), QStringLiteral("tarvel"), QStringLiteral("Şifre'1"));
    for (const QStringList &args : commands) {
        const Run local = test::runReport(m_folder, args);
        const Run remote = test::runReport(sqlServer, args);
        QVERIFY2(local.exitCode == 0, qPrintable(local.err));
        QVERIFY2(remote.exitCode == 0, qPrintable(remote.err));
        QVERIFY2(!list(local.out).value(QStringLiteral("rows")).toArray().isEmpty(),
                 qPrintable(args.join(' ')));
        QCOMPARE(remote.out, local.out);
    }
}

void TestAnalysisCommands::optionsReachTheRun()
{
    // Invoice 11 first, as ticked; both modes on.
    const Run run = test::runReport(m_folder, commands.at(3));
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    const QJsonObject document = QJsonDocument::fromJson(run.out.toUtf8()).object();
    QCOMPARE(document.value(QStringLiteral("fields")).toObject().value(QStringLiteral("Label3")).toString(),
             QStringLiteral("Kdv Dahil"));
    const QJsonObject l1 = list(run.out);
    const QJsonArray groups = l1.value(QStringLiteral("groups")).toArray();
    QCOMPARE(groups.size(), 2);
    QVERIFY(groups.at(0)
                .toObject()
                .value(QStringLiteral("heading"))
                .toString()
                .startsWith(QStringLiteral("FATURA: 11 - ")));
    // ELMA with VAT and its additional tax: 95 x 1,08 + 2.
    const QJsonArray rows = l1.value(QStringLiteral("rows")).toArray();
    QCOMPARE(rows.at(4).toObject().value(QStringLiteral("tutar")).toString(), QStringLiteral("104,60"));
    // Footer and group totals of the visible columns only: KARLILIK is the overall profitability.
    const QJsonObject footer = l1.value(QStringLiteral("footer")).toObject();
    QVERIFY(footer.value(QStringLiteral("geneltoporan")).toString().startsWith(QLatin1Char('%')));
    QVERIFY(!footer.contains(QStringLiteral("kartop")));
}

void TestAnalysisCommands::orderAndMaterialOptions()
{
    // Order 31 first, as ticked; the label of the order window.
    Run run = test::runReport(m_folder, commands.at(8));
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QJsonObject document = QJsonDocument::fromJson(run.out.toUtf8()).object();
    QCOMPARE(document.value(QStringLiteral("fields")).toObject().value(QStringLiteral("Label1")).toString(),
             QStringLiteral("Kdv Hariç"));
    QJsonArray groups = list(run.out).value(QStringLiteral("groups")).toArray();
    QCOMPARE(groups.size(), 2);
    QCOMPARE(groups.at(0).toObject().value(QStringLiteral("heading")).toString(),
             QStringLiteral("SİPARİŞ: 31 - 20.01.2024 - S-31 - AYŞE TİCARET - ()"));
    QCOMPARE(
        groups.at(1).toObject().value(QStringLiteral("totals")).toObject().value(QStringLiteral("nettutar")),
        QJsonValue(QStringLiteral("195,00")));

    // Only costless orders: the list all the same, the division's failure said on stderr.
    run = test::runReport(m_folder, {"order-analysis", "--refs", "31,33"});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QVERIFY2(run.err.contains(QStringLiteral("Sıfıra bölme")), qPrintable(run.err));
    QCOMPARE(list(run.out).value(QStringLiteral("rows")).toArray().size(), 2);

    // The material run in its window's label, grouped by sales date.
    run = test::runReport(m_folder, commands.at(9));
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    document = QJsonDocument::fromJson(run.out.toUtf8()).object();
    QCOMPARE(document.value(QStringLiteral("fields")).toObject().value(QStringLiteral("Label3")).toString(),
             QStringLiteral("Kdv Hariç"));
    groups = list(run.out).value(QStringLiteral("groups")).toArray();
    QCOMPARE(groups.size(), 3);
    QCOMPARE(groups.at(1).toObject().value(QStringLiteral("heading")).toString(),
             QStringLiteral("FATURA:  - 30.12.2023 -  -  - ()"));
}

void TestAnalysisCommands::files()
{
    const QString xls = m_erp.filePath(QStringLiteral("analiz.xls"));
    const QString pdf = m_erp.filePath(QStringLiteral("analiz.pdf"));
    QStringList args = commands.at(2);
    args << QStringLiteral("--xls") << xls << QStringLiteral("--pdf") << pdf;
    const Run run = test::runReport(m_folder, args);
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QFile printout(pdf);
    QVERIFY(printout.open(QIODevice::ReadOnly));
    QVERIFY(printout.read(5) == "%PDF-");
    QVERIFY(QFileInfo(xls).size() > 0);
}

// --sort and --filter give what the window shows after the same caption
// clicks and typing into "Ara": the rows in that order, the totals of the
// rows shown, and how many are shown out of all.
void TestAnalysisCommands::arrangedList_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QString>("footer"); // KAR TUTARI's total
    QTest::addColumn<QString>("shown");  // "shown" among the fields, absent when empty
    const QStringList ascending{"2,00", "30,00", "40,00", "48,00", "50,00", "50,00", "60,00"};
    QTest::newRow("amount ascending")
        << january + QStringList{"--sort", "fark"} << "fark" << ascending << "280"
        << "";
    QTest::newRow("amount descending") << january + QStringList{"--sort", "fark:desc"} << "fark"
                                       << QStringList(ascending.crbegin(), ascending.crend()) << "280"
                                       << "";
    QTest::newRow("Turkish text order")
        << january + QStringList{"--sort", "ack"} << "ack"
        << QStringList{"ANNE'NİN REÇELİ", "ARMUT", "ÇAY", "ELMA", "KİRAZ", "SÜT", "ŞEKER"} << "280"
        << "";
    QTest::newRow("dotted capital found by small i")
        << january + QStringList{"--filter", "kiraz"} << "ack" << QStringList{"KİRAZ"} << "60"
        << "1 / 7";
    QTest::newRow("filter and sort") << january + QStringList{"--filter", "e", "--sort", "tutar:desc"}
                                     << "tutar" << QStringList{"120,00", "40,00", "12,00"} << "90"
                                     << "3 / 7";
    // Inside each invoice, and the invoices by their totals (132 before 163).
    QTest::newRow("grouped list sorted inside its groups")
        << QStringList{"invoice-analysis", "--refs", "10,11", "--sort", "fark"} << "fark"
        << QStringList{"12,00", "30,00", "40,00", "50,00", "-12", "30,00", "35,00", "50,00", "60,00"} << "295"
        << "";
    QTest::newRow("nothing matches") << january + QStringList{"--filter", "yok böyle"} << "ack"
                                     << QStringList{} << "0"
                                     << "0 / 7";
}

void TestAnalysisCommands::arrangedList()
{
    QFETCH(QStringList, args);
    QFETCH(QString, field);
    QFETCH(QStringList, values);
    QFETCH(QString, footer);
    QFETCH(QString, shown);
    const Run run = test::runReport(m_folder, args);
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    const QJsonObject document = QJsonDocument::fromJson(run.out.toUtf8()).object();
    const QJsonObject l1 = list(run.out);
    QCOMPARE(column(l1, field), values);
    QCOMPARE(l1.value(QStringLiteral("footer")).toObject().value(QStringLiteral("fark")).toString(), footer);
    const QJsonObject fields = document.value(QStringLiteral("fields")).toObject();
    QCOMPARE(fields.contains(QStringLiteral("shown")), !shown.isEmpty());
    QCOMPARE(fields.value(QStringLiteral("shown")).toString(), shown);
}

// The workbook read back by an independent reader: KAR TUTARI's cells are
// numbers with the amounts the list shows, item codes stay texts.
void TestAnalysisCommands::xlsxHoldsNumbers()
{
    if (!QFile::exists(QStringLiteral("/usr/bin/python3")))
        NEEDS_OR_SKIP("/usr/bin/python3 is not installed");
    const QString xlsx = m_erp.filePath(QStringLiteral("urunler.xlsx"));
    const Run run = test::runReport(m_folder, january + QStringList{"--xlsx", xlsx, "--sort", "fark:desc"});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    const char script[] = R"PY(
import json, sys, openpyxl
sh = openpyxl.load_workbook(sys.argv[1]).worksheets[0]
heads = [c.value for c in sh[1]]
cells = lambda name: [[c.value, c.data_type] for c in list(sh.columns)[heads.index(name)][1:]]
print(json.dumps({'profit': cells('KAR TUTARI'), 'code': cells('MALZEME KODU')}))
)PY";
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral("-c"), QString::fromLatin1(script), xlsx});
    QVERIFY(python.waitForFinished(30000));
    if (python.exitCode() != 0 && python.readAllStandardError().contains("No module named 'openpyxl'"))
        NEEDS_OR_SKIP("python3-openpyxl is not installed");
    QCOMPARE(python.exitCode(), 0);
    const QJsonObject book = QJsonDocument::fromJson(python.readAllStandardOutput()).object();
    const QStringList shown = column(list(run.out), QStringLiteral("fark"));
    const QJsonArray profit = book.value(QStringLiteral("profit")).toArray();
    // The footer follows the rows.
    QCOMPARE(profit.size(), shown.size() + 1);
    for (int i = 0; i < shown.size(); ++i) {
        const QJsonArray cell = profit.at(i).toArray();
        QCOMPARE(cell.at(1).toString(), QStringLiteral("n"));
        QCOMPARE(cell.at(0).toDouble(), QString(shown.at(i)).remove(u'.').replace(u',', u'.').toDouble());
    }
    QCOMPARE(book.value(QStringLiteral("code")).toArray().at(0).toArray().at(1).toString(),
             QStringLiteral("s"));
}

// The chart of the rows shown, headless, as a PNG of the size the usage names.
void TestAnalysisCommands::chartPicture()
{
    QTemporaryDir dir;
    for (const QStringList &args : {commands.at(2), commands.at(9)}) {
        const QString png = dir.filePath(args.constFirst() + QStringLiteral(".png"));
        const Run run = test::runReport(m_folder, args + QStringList{"--chart", png, "--filter", "kiraz"});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        const QImage image(png);
        QCOMPARE(image.size(), QSize(1000, 600));
    }
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

void TestAnalysisCommands::refusals_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("says");
    QTest::newRow("unknown invoice") << QStringList{"invoice-analysis", "--refs", "10,999"} << 1 << "999";
    QTest::newRow("purchase invoice") << QStringList{"invoice-analysis", "--refs", "13"} << 1 << "13";
    QTest::newRow("inactive salesman")
        << QStringList{"invoices", "--from", "20240101", "--to", "20240131", "--salesman", "3"} << 1
        << "Satış elemanı";
    QTest::newRow("unknown customer")
        << QStringList{"invoices", "--from", "20240101", "--to", "20240131", "--customer", "YOK A.Ş."} << 1
        << "YOK A.Ş.";
    QTest::newRow("type") << QStringList{"invoices", "--from", "20240101", "--to", "20240131", "--type", "1"}
                          << 2 << "--type";
    QTest::newRow("purchase order") << QStringList{"order-analysis", "--refs", "30,32"} << 1 << "32";
    QTest::newRow("inactive card") << QStringList{"orders",   "--from",         "20240101", "--to",
                                                  "20240131", "--customer-ref", "4"}
                                   << 1 << "4";
    QTest::newRow("both customers") << QStringList{"orders",       "--from",         "20240101",
                                                   "--to",         "20240131",       "--customer",
                                                   "AYŞE TİCARET", "--customer-ref", "5"}
                                    << 2 << "--customer-ref";
    QTest::newRow("payment") << QStringList{"orders",   "--from",    "20240101", "--to",
                                            "20240131", "--payment", "2"}
                             << 2 << "--payment";
    QTest::newRow("material salesman")
        << QStringList{"material-analysis", "--from", "20240101", "--to", "20240131", "--salesman", "9"} << 1
        << "9";
    QTest::newRow("date") << QStringList{"item-analysis", "--from", "2024-01-01", "--to", "20240131"} << 2
                          << "--from";
    // A valid date that makes no four-digit date key, or one the ERP never holds.
    QTest::newRow("year before 1900")
        << QStringList{"material-analysis", "--from", "09990101", "--to", "20240131"} << 2 << "1900 ile 9999";
    QTest::newRow("PDF on a device") << QStringList{"invoice-analysis", "--refs", "10", "--pdf", "/dev/full"}
                                     << 1 << "normal bir dosya değil";
    QTest::newRow("empty .xls name") << QStringList{"invoice-analysis", "--refs", "10", "--xls", ""} << 2
                                     << "--xls bir dosya adı ister";
    QTest::newRow("unknown option") << QStringList{"item-analysis", "--from",   "20240101",
                                                   "--to",          "20240131", "--x"}
                                    << 2 << "bilinmeyen seçenek (unknown option): --x";
    QTest::newRow("option where a value belongs")
        << QStringList{"item-analysis", "--from", "20240101", "--to", "20240131", "--name", "--x"} << 2
        << "--name bir değer ister";
    QTest::newRow("name longer than the box")
        << QStringList{"item-analysis", "--from", "20240101",           "--to",
                       "20240131",      "--name", QString(100000, u'A')}
        << 2 << "--name en çok 51 karakter alır, 100000 karakter verildi";
    QTest::newRow("control characters shown escaped")
        << QStringList{"invoices", "--from", "20240101", "--to", "20240131", "--customer", "YOK\x1b[2J\x07"}
        << 1 << "YOK\\x1b[2J\\x07";
    QTest::newRow("sort by a field the list lacks")
        << january + QStringList{"--sort", "yok"} << 2
        << "--sort: listede \"yok\" alanı yok; sıralanabilen alanlar: fatsirano, kod, ack,";
    QTest::newRow("sort by a hidden column")
        << january + QStringList{"--sort", "fatbilgi"} << 2 << "\"fatbilgi\" alanı yok";
    QTest::newRow("sort order") << january + QStringList{"--sort", "fark:down"} << 2 << "\"down\"";
    QTest::newRow("empty .xlsx name")
        << january + QStringList{"--xlsx", ""} << 2 << "--xlsx bir dosya adı ister";
    QTest::newRow(".xlsx into a missing folder")
        << january + QStringList{"--xlsx", "/yok/klasor/a.xlsx"} << 1 << "/yok/klasor/a.xlsx";
    QTest::newRow("chart of a picker list")
        << QStringList{"invoices", "--from", "20240101", "--to", "20240131", "--chart", "a.png"} << 2
        << "bilinmeyen seçenek (unknown option): --chart";
    QTest::newRow("year 1899") << QStringList{"invoices", "--from", "20240101", "--to", "18991231"} << 2
                               << "--to 1900 ile 9999";
}

void TestAnalysisCommands::refusals()
{
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QString, says);
    const Run run = test::runReport(m_folder, args);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.err.contains(says), qPrintable(run.err));
    QVERIFY2(!run.err.contains(QLatin1Char('\x1b')), qPrintable(run.err));
    QVERIFY(run.out.isEmpty());
}

void TestAnalysisCommands::fullDiskKeepsFile_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("says");
    QTest::newRow("printout") << "--pdf"
                              << "analiz.pdf"
                              << "PDF dosyası yazılamadı: ";
    QTest::newRow("workbook") << "--xlsx"
                              << "analiz.xlsx"
                              << "Dosya yazılamadı: ";
    QTest::newRow("chart") << "--chart"
                           << "analiz.png"
                           << "Dosya yazılamadı: ";
}

// On a full disk the file cannot be written, the command says so and exits
// 1, and the good file already there stays byte for byte, with no temporary
// file beside it.
void TestAnalysisCommands::fullDiskKeepsFile()
{
    QFETCH(QString, option);
    QFETCH(QString, name);
    QFETCH(QString, says);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(name);
    QStringList args = commands.at(2);
    QVERIFY2(test::runReport(m_folder, args + QStringList{option, pdf}).exitCode == 0, "the first file");
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray good = file.readAll();
    file.close();

    // Every file the command writes may not grow past 4 KB.
    const Run run = test::runReport(m_folder, commands.at(9) + QStringList{option, pdf}, [] {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit small{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &small);
    });
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(says + pdf), qPrintable(run.err));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll() == good);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{name});
}

void TestAnalysisCommands::serverStopsAnswering_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("held"); // the statements the server holds past the timeout
    QTest::addColumn<int>("heldSent"); // how many of them the run sends before it stops
    const QStringList verbatim{QStringLiteral("--verbatim-sql")};
    QTest::newRow("material run") << verbatim + commands.at(9) << "STOCKREF=" << 2;
    QTest::newRow("item run") << verbatim + commands.at(4) << "STLINE" << 2;
    QTest::newRow("invoice analysis") << verbatim + commands.at(2) << "STLINE" << 2;
    // Read in sets, one set that gets no answer leaves two questions unanswered.
    QTest::newRow("material run in sets") << commands.at(9) << "STLINE" << 1;
    QTest::newRow("item run in sets") << commands.at(4) << "STLINE" << 2;
    QTest::newRow("invoice analysis in sets") << commands.at(2) << "STLINE" << 1;
}

// Every statement of the run gets no answer: two questions time out, the run
// stops and sends nothing more, rather than wait four seconds for each one left.
void TestAnalysisCommands::serverStopsAnswering()
{
    QFETCH(QStringList, args);
    QFETCH(QString, held);
    QFETCH(int, heldSent);
    if (!TdsServer::freeTdsInstalled())
        QSKIP("the FreeTDS ODBC driver is not installed (odbcinst -q -d lists no [FreeTDS])");
    TdsServer server({m_erp.path(),
                      QStringLiteral("tarvel"),
                      QStringLiteral("Şifre'1"),
                      QStringLiteral("ERPDB"),
                      {QStringLiteral("--delay"), held + QStringLiteral("=10")}});
    QVERIFY2(server.start(), qPrintable(server.errorText()));
    const QString folder =
        m_erp.programFolder(server.serverValue(), QStringLiteral("tarvel"), QStringLiteral("Şifre'1"));
    const QString trace = QDir(folder).filePath(QStringLiteral("trace.sql"));

    const Run run = test::runReport(folder, QStringList{QStringLiteral("--trace-sql"), trace} + args);
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.startsWith(QStringLiteral("Sunucu yanıt vermiyor: ")) &&
                 run.err.contains(QStringLiteral("Çalışma durduruldu")) &&
                 !run.err.contains(QStringLiteral("HYT")),
             qPrintable(run.err));
    QFile sent(trace);
    QVERIFY(sent.open(QIODevice::ReadOnly));
    const QStringList statements = QString::fromUtf8(sent.readAll()).split(QLatin1Char('\n'));
    QCOMPARE(statements.filter(held).size(), heldSent);
}

QTEST_GUILESS_MAIN(TestAnalysisCommands)
#include "tst_analysiscommands.moc"
