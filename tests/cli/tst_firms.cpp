// tarvel-report firms: the firm list from the demo ERP and from SQL Server
// must be the same lines, and a server that cannot be reached must be said so.
#include "common/browserresponder.h"
#include "common/needs.h"
#include "common/programrun.h"
#include "common/storedamage.h"
#include "common/tdsserver.h"
#include "foundation/store/localstore.h"

#include <QElapsedTimer>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

using namespace tarvel;
using test::BrowserResponder;
using test::LoopbackPort;
using test::TdsServer;

namespace {

const QString password = QStringLiteral("Gizli'Şifre1");

const char *const erpScript = R"sql(
CREATE TABLE L_CAPIFIRM (NR SMALLINT, NAME VARCHAR(61));
INSERT INTO L_CAPIFIRM VALUES (1, 'ÖRNEK GIDA A.Ş.'), (12, 'MEHMET''İN GIDA'), (1234, '%100 DOĞAL ŞĞİıçöü'),
  (7, 'İKİ' || char(13) || char(10) || 'SATIR' || char(10) || 'AD');
)sql";

// One line per firm: line breaks inside a name show as blanks.
const QStringList expectedFirms{QStringLiteral("1- ÖRNEK GIDA A.Ş."), QStringLiteral("12- MEHMET'İN GIDA"),
                                QStringLiteral("1234- %100 DOĞAL ŞĞİıçöü"),
                                QStringLiteral("7- İKİ  SATIR AD")};

using Run = test::ProgramRun;

QString readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

class TestFirms : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void firmsFromDemoErp();
    void firmsThroughSqlServer();
    void unreachable_data();
    void unreachable();
    void damagedStore_data();
    void damagedStore();
    void traceNotWritable_data();
    void traceNotWritable();

private:
    // A program folder with a data.dbs naming the given server.
    QString folderWith(const QString &server, const QString &database, const QString &user);

    QTemporaryDir m_dir;
    QString m_erp;
    int m_folders = 0;
};

void TestFirms::initTestCase()
{
    QVERIFY2(QFile::exists(QStringLiteral(TARVEL_BIN_DIR "/tarvel-report")),
             "tarvel-report is not built (target tarvel-report)");
    QVERIFY(m_dir.isValid());
    m_erp = m_dir.filePath(QStringLiteral("erp.sqlite"));
    const QString error = test::writeSqliteFile(m_erp, QString::fromUtf8(erpScript));
    QVERIFY2(error.isEmpty(), qPrintable(error));
}

QString TestFirms::folderWith(const QString &server, const QString &database, const QString &user)
{
    const QString folder = m_dir.filePath(QStringLiteral("folder%1").arg(++m_folders));
    QDir().mkpath(folder);
    StoreContents contents;
    contents.server = server;
    contents.database = database;
    contents.user = user;
    contents.password = password;
    createStore(storePath(folder), contents);
    return folder;
}

void TestFirms::firmsFromDemoErp()
{
    const QString folder = folderWith(QLatin1String("sqlite:") + m_erp, QStringLiteral("DEMO"), {});
    const QString trace = m_dir.filePath(QStringLiteral("trace.sql"));
    const Run run = test::runReport(folder, {QStringLiteral("--trace-sql"), trace, QStringLiteral("firms")});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QCOMPARE(run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts), expectedFirms);
    QCOMPARE(readFile(trace), QStringLiteral("select * from L_CAPIFIRM\n"));
    QVERIFY2(!run.err.contains(QStringLiteral("Ayarları")), qPrintable(run.err)); // the store was read
}

void TestFirms::firmsThroughSqlServer()
{
    if (!TdsServer::freeTdsInstalled())
        NEEDS_OR_SKIP("the FreeTDS ODBC driver is not installed (odbcinst -q -d lists no [FreeTDS])");
    TdsServer server({m_erp, QStringLiteral("tarvel"), password, QStringLiteral("ERPDB"), {}});
    QVERIFY2(server.start(), qPrintable(server.errorText()));
    const QString folder =
        folderWith(server.serverValue(), QStringLiteral("ERPDB"), QStringLiteral("tarvel"));
    const Run run = test::runReport(folder, {QStringLiteral("firms")});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QCOMPARE(run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts), expectedFirms);
}

void TestFirms::unreachable_data()
{
    QTest::addColumn<QString>("server"); // "" for a folder without data.dbs
    QTest::addColumn<int>("port");       // replaces PORT in server; -2: a browser service that never answers
    QTest::addColumn<QString>("cause");  // the cause, in Turkish

    QTest::newRow("nobody listens") << "127.0.0.1,PORT" << 0 << "Sunucu yanıt vermedi";
    QTest::newRow("never answers") << "127.0.0.1,PORT" << 1 << "Sunucu yanıt vermedi";
    QTest::newRow("demo ERP file missing") << "sqlite:/yok/erp.sqlite" << -1 << "Veritabanı açılamadı";
    QTest::newRow("no data.dbs") << "" << -1 << "Ayarları Kontrol Ediniz";
    QTest::newRow("named instance, browser never answers")
        << "127.0.0.1\\ERPINST" << -2 << "\"127.0.0.1\\ERPINST\" örneği bulunamadı";
}

void TestFirms::unreachable()
{
    QFETCH(QString, server);
    QFETCH(int, port);
    QFETCH(QString, cause);

    const LoopbackPort loopback(port == 1);
    const BrowserResponder silentBrowser({});
    if (port == -2)
        qputenv("TARVEL_SQL_BROWSER_PORT", QByteArray::number(silentBrowser.port()));
    const auto unset = qScopeGuard([] { qunsetenv("TARVEL_SQL_BROWSER_PORT"); });
    if (port >= 0) {
        QVERIFY(loopback.port() > 0);
        server.replace(QStringLiteral("PORT"), QString::number(loopback.port()));
    }
    QString folder;
    if (server.isEmpty()) {
        folder = m_dir.filePath(QStringLiteral("empty%1").arg(++m_folders));
        QDir().mkpath(folder);
    } else {
        folder = folderWith(server, QStringLiteral("ERPDB"), QStringLiteral("tarvel"));
    }

    QElapsedTimer clock;
    clock.start();
    const Run run = test::runReport(folder, {QStringLiteral("firms")});
    // One login timeout at most, never one per connection.
    QVERIFY2(clock.elapsed() < 7500, qPrintable(QString::number(clock.elapsed())));
    QVERIFY2(run.exitCode > 0, qPrintable(run.err));
    QVERIFY(run.out.isEmpty());
    QVERIFY2(run.err.contains(QStringLiteral("bağlanılamadı")), qPrintable(run.err));
    if (!server.isEmpty()) {
        QVERIFY2(run.err.contains(server), qPrintable(run.err));
        QVERIFY2(run.err.contains(QStringLiteral("ERPDB")), qPrintable(run.err));
    }
    QVERIFY2(!run.err.contains(password), qPrintable(run.err));
    QVERIFY2(run.err.contains(cause), qPrintable(run.err));
}

void TestFirms::damagedStore_data()
{
    QTest::addColumn<QString>("damage"); // as test::damageStore() takes it
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("cause");

    QTest::newRow("not a database") << "<garbage>" << 1 << "bir veritabanı değil";
    QTest::newRow("server table missing") << "drop table server" << 1 << "\"server\" tablosu yok";
    QTest::newRow("server row missing")
        << "update server set id = '2'" << 1 << "\"server\" tablosunda aranan satır yok";
    // The server value was read and the demo ERP needs no password: the firms
    // are listed, and the damage is still said.
    QTest::newRow("password column missing")
        << "alter table server drop column sifre" << 0 << "\"server\" tablosunda \"sifre\" alanı yok";
}

// What is wrong with data.dbs and where, never "no server given".
void TestFirms::damagedStore()
{
    QFETCH(QString, damage);
    QFETCH(int, exitCode);
    QFETCH(QString, cause);
    const QString folder = folderWith(QLatin1String("sqlite:") + m_erp, QStringLiteral("DEMO"), {});
    const QString path = storePath(folder);
    QVERIFY(test::damageStore(path, damage));
    const Run run = test::runReport(folder, {QStringLiteral("firms")});
    QCOMPARE(run.exitCode, exitCode);
    // The message, then the cause on the next line.
    const qsizetype at = run.err.indexOf(QStringLiteral("Ayarları Kontrol Ediniz...\n"));
    QVERIFY2(at >= 0, qPrintable(run.err));
    const QString causeLine = run.err.mid(at).section(QLatin1Char('\n'), 1, 1);
    QVERIFY2(causeLine.contains(path) && causeLine.contains(cause), qPrintable(run.err));
    QVERIFY2(!run.err.contains(QStringLiteral("belirtilmemiş")), qPrintable(run.err));
    if (exitCode == 0)
        QCOMPARE(run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts), expectedFirms);
}

void TestFirms::traceNotWritable_data()
{
    QTest::addColumn<QString>("trace"); // relative to the test folder, or absolute
    QTest::newRow("a folder") << "";
    QTest::newRow("folder that does not exist") << "no/such/folder/trace.sql";
    QTest::newRow("full disk") << "/dev/full";
}

// Failing before the trace loses anything: no statement goes out untraced.
void TestFirms::traceNotWritable()
{
    QFETCH(QString, trace);
    const QString folder = folderWith(QLatin1String("sqlite:") + m_erp, QStringLiteral("DEMO"), {});
    const QString path = QDir(folder).absoluteFilePath(trace);
    const Run run = test::runReport(folder, {QStringLiteral("--trace-sql"), path, QStringLiteral("firms")});
    QVERIFY2(run.exitCode == 1, qPrintable(run.err));
    QVERIFY2(run.err.contains(QStringLiteral("izleme dosyası")) && run.err.contains(QDir::cleanPath(path)),
             qPrintable(run.err));
    QVERIFY(run.out.isEmpty());
}

QTEST_GUILESS_MAIN(TestFirms)
#include "tst_firms.moc"
