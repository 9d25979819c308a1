// tarvel-report waybills and loading on the fixture program folder: the
// picker's list for the filter options, the loading report's document, the
// .xls beside it, the failures with their messages, and the same documents
// through SQL Server (the TDS test server) as from the SQLite file.
#include "common/needs.h"
#include "common/programrun.h"
#include "common/waybillfixture.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using namespace tarvel;
using test::ErpFixture;
using test::ProgramRun;
using test::TdsServer;

namespace {

QJsonObject parse(const ProgramRun &run)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(run.out.toUtf8(), &error);
    if (error.error != QJsonParseError::NoError)
        qWarning("not JSON: %s\n%s", qPrintable(error.errorString()), qPrintable(run.out.left(500)));
    return document.object();
}

QStringList rowValues(const QJsonObject &document, const QString &list, const QString &field)
{
    QStringList values;
    for (const QJsonValue &row : document[QStringLiteral("lists")][list][QStringLiteral("rows")].toArray())
        values << row[field].toString();
    return values;
}

} // namespace

class TestLoadingCommands : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void waybills_data();
    void waybills();
    void loading();
    void loadingWritesXls();
    void failures_data();
    void failures();
    void mixedCustomers_data();
    void mixedCustomers();
    void sameThroughSqlServer();
    void serverStopsAnswering();

private:
    QTemporaryDir m_dir;
    ErpFixture m_erp;
    QString m_folder;
};

void TestLoadingCommands::initTestCase()
{
    QVERIFY2(QFile::exists(QStringLiteral(TARVEL_BIN_DIR "/tarvel-report")), "tarvel-report is not built");
    test::addWaybillFixture(m_erp);
    const QString error = m_erp.write(m_dir.filePath(QStringLiteral("erp.sqlite")));
    QVERIFY2(error.isEmpty(), qPrintable(error));
    m_folder = m_dir.filePath(QStringLiteral("program"));
    QVERIFY(QDir().mkpath(m_folder));
    m_erp.writeStore(m_folder);
}

void TestLoadingCommands::waybills_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QStringList>("fisnos");
    QTest::addColumn<QString>("crref");

    const QStringList week{QStringLiteral("--from"), QStringLiteral("20240101"), QStringLiteral("--to"),
                           QStringLiteral("20240108")};
    QTest::newRow("no filter") << week << QStringList{"IRS-101", "IRS-102", "IRS-104", "IRS-108", "IRS-109"}
                               << QString();
    QTest::newRow("retail") << week + QStringList{"--type", "7"} << QStringList{"IRS-102"} << QString();
    QTest::newRow("whole name with an apostrophe") << week + QStringList{"--customer", "MEHMET'İN GIDA"}
                                                   << QStringList{"IRS-101"} << QStringLiteral("1");
    QTest::newRow("special code") << week + QStringList{"--special-code", "S2"} << QStringList{"IRS-104"}
                                  << QString();
    QTest::newRow("start after end") << QStringList{"--from", "20240108", "--to", "20240101"} << QStringList()
                                     << QString();
}

void TestLoadingCommands::waybills()
{
    QFETCH(QStringList, options);
    QFETCH(QStringList, fisnos);
    QFETCH(QString, crref);
    const ProgramRun run = test::runReport(m_folder, QStringList{QStringLiteral("waybills")} + options);
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    const QJsonObject document = parse(run);
    QCOMPARE(rowValues(document, QStringLiteral("l1"), QStringLiteral("fisno")), fisnos);
    QCOMPARE(document[QStringLiteral("fields")][QStringLiteral("crref")].toString(), crref);
}

void TestLoadingCommands::loading()
{
    // 101 named twice is loaded once.
    const ProgramRun run =
        test::runReport(m_folder, {QStringLiteral("loading"), QStringLiteral("--refs"),
                                   QStringLiteral("101,102,101"), QStringLiteral("--merge")});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    const QJsonObject document = parse(run);
    const QJsonObject l1 = document[QStringLiteral("lists")][QStringLiteral("l1")].toObject();
    QCOMPARE(l1[QStringLiteral("rows")].toArray().size(), 2);
    QCOMPARE(l1[QStringLiteral("rows")][0].toObject(), QJsonObject({{"sira", "1"},
                                                                    {"stokkod", "A001"},
                                                                    {"ack", "ELMA"},
                                                                    {"birim", "ADET"},
                                                                    {"birimfiyat", "10,00"},
                                                                    {"kdv", "18"},
                                                                    {"miktar", "9"},
                                                                    {"tutar", "450,00"}}));
    QCOMPARE(l1[QStringLiteral("footer")].toObject(),
             QJsonObject({{"sira", "2"}, {"miktar", "10"}, {"tutar", "457,50"}}));
    QCOMPARE(l1[QStringLiteral("groups")].toArray().size(), 0);
    QCOMPARE(rowValues(document, QStringLiteral("l2"), QStringLiteral("tarih")),
             QStringList({"05.01.2024", "08.01.2024"}));
    const QJsonObject fields = document[QStringLiteral("fields")].toObject();
    QCOMPARE(fields[QStringLiteral("unvn")].toString(), QStringLiteral("MEHMET'İN GIDA"));
    QCOMPARE(fields[QStringLiteral("topl")].toString(), QStringLiteral("2,00"));
    QCOMPARE(fields.keys().size(), 10);
}

void TestLoadingCommands::loadingWritesXls()
{
    const QString xls = m_dir.filePath(QStringLiteral("liste.xls"));
    const ProgramRun run = test::runReport(m_folder, {QStringLiteral("loading"), QStringLiteral("--refs"),
                                                      QStringLiteral("104"), QStringLiteral("--xls"), xls});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QFile file(xls);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.read(4), QByteArray("\xD0\xCF\x11\xE0", 4));
}

void TestLoadingCommands::failures_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    QTest::newRow("bad date") << QStringList{"waybills", "--from", "20240230", "--to", "20240301"} << 2
                              << QStringLiteral("20240230");
    QTest::newRow("unknown type") << QStringList{"waybills", "--from", "20240101", "--to",
                                                 "20240108", "--type", "3"}
                                  << 2 << QStringLiteral("--type");
    QTest::newRow("unknown special code")
        << QStringList{"waybills", "--from", "20240101", "--to", "20240108", "--special-code", "X1"} << 1
        << QStringLiteral("Özel kod bulunamadı: X1");
    QTest::newRow("partly typed customer")
        << QStringList{"waybills", "--from", "20240101", "--to", "20240108", "--customer", "AYŞE"} << 1
        << QStringLiteral("Cari bulunamadı: AYŞE");
    QTest::newRow("unknown waybill") << QStringList{"loading", "--refs", "101,777"} << 1
                                     << QStringLiteral("İrsaliye bulunamadı (LOGICALREF=777)");
    QTest::newRow("missing item card") << QStringList{"loading", "--refs", "108"} << 1
                                       << QStringLiteral("Malzeme kartı bulunamadı (LOGICALREF=999)");
    QTest::newRow("no refs") << QStringList{"loading"} << 2 << QStringLiteral("--refs");
    // A folder without data.dbs: no connection, said so.
    QTest::newRow("no data.dbs") << QStringList{"--store", "EMPTY", "loading", "--refs", "101"} << 1
                                 << QStringLiteral("bağlanılamadı");
}

void TestLoadingCommands::failures()
{
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    QTemporaryDir empty;
    args.replaceInStrings(QStringLiteral("EMPTY"), empty.path());
    const ProgramRun run = test::runReport(m_folder, args);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QVERIFY(run.out.isEmpty());
}

void TestLoadingCommands::mixedCustomers_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<bool>("refused");

    QTest::newRow("one customer") << QStringList{"--refs", "103,109"} << false;
    QTest::newRow("two customers") << QStringList{"--refs", "101,109"} << true;
    QTest::newRow("two customers, asked for")
        << QStringList{"--refs", "101,109", "--mixed-customers"} << false;
}

// Forms carry one customer's name: a list of several customers' waybills is
// printed only when asked for. What follows the check (the layout) may fail
// in this folder; the check itself is what counts here.
void TestLoadingCommands::mixedCustomers()
{
    QFETCH(QStringList, args);
    QFETCH(bool, refused);
    const QString pdf = m_dir.filePath(QStringLiteral("karisik.pdf"));
    const ProgramRun run = test::runReport(m_folder, QStringList{QStringLiteral("print-loading")} + args +
                                                         QStringList{QStringLiteral("--pdf"), pdf});
    const QString note = QStringLiteral("Listede birden fazla carinin irsaliyesi var: MEHMET'İN GIDA, AYŞE "
                                        "TİCARET\nFormlar AYŞE TİCARET adına basılacak.");
    QCOMPARE(run.err.contains(note), refused);
    if (refused) {
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(QStringLiteral("--mixed-customers")), qPrintable(run.err));
        QVERIFY(!QFile::exists(pdf));
    }
}

void TestLoadingCommands::sameThroughSqlServer()
{
    if (!TdsServer::freeTdsInstalled())
        NEEDS_OR_SKIP("the FreeTDS ODBC driver is not installed (odbcinst -q -d lists no [FreeTDS])");
    TdsServer server({m_dir.filePath(QStringLiteral("erp.sqlite")),
                      QStringLiteral("tarvel"),
                      QStringLiteral("Şif're1"),
                      QStringLiteral("ERPDB"),
                      {}});
    QVERIFY2(server.start(), qPrintable(server.errorText()));
    const QString folder = m_dir.filePath(QStringLiteral("sqlserver"));
    QVERIFY(QDir().mkpath(folder));
    m_erp.writeStore(folder, {server.serverValue(), QStringLiteral("ERPDB"), QStringLiteral("tarvel"),
                              QStringLiteral("Şif're1")});

    const QList<QStringList> commands{
        {"waybills", "--from", "20240101", "--to", "20240109", "--customer", "MEHMET'İN GIDA"},
        {"waybills", "--from", "20240101", "--to", "20240109"},
        {"loading", "--refs", "101,102,103,104,109"},
        {"loading", "--refs", "101,102,103,104,109", "--merge"},
    };
    for (const QStringList &command : commands) {
        const ProgramRun sqlite = test::runReport(m_folder, command);
        const ProgramRun sqlServer = test::runReport(folder, command);
        QVERIFY2(sqlite.exitCode == 0, qPrintable(sqlite.err));
        QVERIFY2(sqlServer.exitCode == 0, qPrintable(sqlServer.err));
        QCOMPARE(sqlServer.out, sqlite.out);
    }
}

// The waybills' lines get no answer: the hand-over stops at the first and
// says, in Turkish, that the server does not answer.
void TestLoadingCommands::serverStopsAnswering()
{
    if (!TdsServer::freeTdsInstalled())
        QSKIP("the FreeTDS ODBC driver is not installed (odbcinst -q -d lists no [FreeTDS])");
    TdsServer server({m_dir.filePath(QStringLiteral("erp.sqlite")),
                      {},
                      {},
                      {},
                      {QStringLiteral("--delay"), QStringLiteral("STLINE=10")}});
    QVERIFY2(server.start(), qPrintable(server.errorText()));
    const QString folder = m_dir.filePath(QStringLiteral("silent"));
    QVERIFY(QDir().mkpath(folder));
    m_erp.writeStore(
        folder, {server.serverValue(), QStringLiteral("ERPDB"), QStringLiteral("u"), QStringLiteral("p")});
    const ProgramRun run = test::runReport(folder, {"loading", "--refs", "101,102,109"});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.startsWith(QStringLiteral("Sunucu yanıt vermiyor: ")) &&
                 run.err.contains(QStringLiteral("Çalışma durduruldu")) &&
                 !run.err.contains(QStringLiteral("HYT")),
             qPrintable(run.err));
    QVERIFY(run.out.isEmpty());
}

QTEST_GUILESS_MAIN(TestLoadingCommands)
#include "tst_loadingcommands.moc"
