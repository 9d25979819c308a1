// The SQL Server path for real: ODBC + FreeTDS against the TDS test server,
// which serves a small SQLite ERP with the declared types of the real one.
#include "common/browserresponder.h"
#include "common/needs.h"
#include "common/tcprelay.h"
#include "common/tdsserver.h"
#include "common/verifyok.h"
#include "foundation/base/errors.h"
#include "foundation/base/sqlvalue.h"
#include "foundation/erp/erpconnection.h"

#include <QElapsedTimer>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

using namespace tarvel;
using test::BrowserResponder;
using test::LoopbackPort;
using test::TdsServer;

namespace {

const QString user = QStringLiteral("tarvel");
const QString password = QStringLiteral("Gizli'Şifre1");
const QString database = QStringLiteral("ERPDB");

// Text that fills its column: more UTF-8 bytes than the column has characters.
const QString taxOffice = QStringLiteral("BÜYÜK MÜKELLEFLER VERGİ DAİRESİ"); // 31 letters in VARCHAR(31)
const QString tenG = QString(10, QChar(0x011E)); // ĞĞĞĞĞĞĞĞĞĞ in VARCHAR(10)
const QString allLetters = QStringLiteral("ÇĞİÖŞÜçğıöşü");

QString erpScript()
{
    return QStringLiteral(R"sql(
CREATE TABLE L_CAPIFIRM (NR SMALLINT, NAME VARCHAR(61));
INSERT INTO L_CAPIFIRM VALUES (1, 'ÖRNEK GIDA A.Ş.'), (12, 'MEHMET''İN GIDA'), (1234, '%100 DOĞAL');
CREATE TABLE LG_001_CLCARD (LOGICALREF INTEGER, CODE VARCHAR(17), DEFINITION_ VARCHAR(201),
  TAXOFFICE VARCHAR(31), CITY VARCHAR(21), TELNRS1 VARCHAR(10), NOTES TEXT);
INSERT INTO LG_001_CLCARD VALUES
  (1, '120.01', 'MEHMET''İN GIDA', '{TAXOFFICE}', 'ŞĞİıçöü', '{TENG}', '{NOTES}'),
  (2, '120.02', '%100 DOĞAL', 'ŞİŞLİ', 'İSTANBUL', '', NULL),
  (3, '120.03', 'MEHMET', NULL, NULL, NULL, '');
CREATE TABLE LG_001_01_STLINE (LOGICALREF INTEGER, DATE_ DATETIME_TEXT, AMOUNT FLOAT, PRICE FLOAT,
  LINETYPE SMALLINT);
INSERT INTO LG_001_01_STLINE VALUES
  (1, '20240108', 12.5, 3, 0),
  (2, '20240108 10:05:30', 0.1, 1234567.891, 1),
  (3, NULL, NULL, NULL, NULL),
  (4, '19991231 23:59:59', -2.25, 1e15, 4);
)sql")
        .replace(QStringLiteral("{TAXOFFICE}"), taxOffice)
        .replace(QStringLiteral("{TENG}"), tenG)
        .replace(QStringLiteral("{NOTES}"), allLetters.repeated(800)); // 9600 letters: sent as varchar(max)
}

QStringList firmLines(ErpRows rows)
{
    QStringList lines;
    for (rows.first(); !rows.eof(); rows.next())
        lines << rows.text(QStringLiteral("NR")) + QStringLiteral("- ") + rows.text(QStringLiteral("name"));
    return lines;
}

QString readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

class TestTds : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();

    void firmList();
    void turkishText_data();
    void turkishText();
    void sameValuesAsSqlite_data();
    void sameValuesAsSqlite();
    void apostropheSearch();
    void likeAsOnServer_data();
    void likeAsOnServer();
    void nonSelectNeverSent();
    void statementTimeout();
    void serverStopsAnswering();
    void failingStatementKeepsConnection();
    void connectionDropped();

    void loginFails_data();
    void loginFails();
    void passwordWithSeparators_data();
    void passwordWithSeparators();
    void silentServer();
    void closedPort();
    void namedInstance_data();
    void namedInstance();

private:
    ErpServerSettings settings() const { return {m_server->serverValue(), database, user, password}; }

    QTemporaryDir m_dir;
    QString m_erp;
    QString m_log;
    std::unique_ptr<TdsServer> m_server;
    ErpConnection m_conn;
};

void TestTds::initTestCase()
{
    if (!TdsServer::freeTdsInstalled())
        NEEDS_OR_SKIP("the FreeTDS ODBC driver is not installed (odbcinst -q -d lists no [FreeTDS])");
    QVERIFY(m_dir.isValid());
    m_erp = m_dir.filePath(QStringLiteral("erp.sqlite"));
    const QString error = test::writeSqliteFile(m_erp, erpScript());
    QVERIFY2(error.isEmpty(), qPrintable(error));
    m_log = m_dir.filePath(QStringLiteral("server.log"));
    m_server = std::make_unique<TdsServer>(TdsServer::Options{
        m_erp,
        user,
        password,
        database,
        {QStringLiteral("--delay"), QStringLiteral("SLOWMARK=10"), QStringLiteral("--log"), m_log}});
    QVERIFY2(m_server->start(), qPrintable(m_server->errorText()));
    QVERIFY_OK(m_conn.open(settings()));
}

void TestTds::firmList()
{
    QCOMPARE(firmLines(m_conn.query(QStringLiteral("select * from L_CAPIFIRM"))),
             (QStringList{QStringLiteral("1- ÖRNEK GIDA A.Ş."), QStringLiteral("12- MEHMET'İN GIDA"),
                          QStringLiteral("1234- %100 DOĞAL")}));
}

void TestTds::turkishText_data()
{
    QTest::addColumn<int>("ref");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QVariant>("value");

    QTest::newRow("VARCHAR(31) filled") << 1 << "TAXOFFICE" << QVariant(taxOffice);
    QTest::newRow("ten Ğ in VARCHAR(10)") << 1 << "TELNRS1" << QVariant(tenG);
    QTest::newRow("every Turkish letter") << 1 << "CITY" << QVariant(QStringLiteral("ŞĞİıçöü"));
    QTest::newRow("apostrophe") << 1 << "DEFINITION_" << QVariant(QStringLiteral("MEHMET'İN GIDA"));
    QTest::newRow("longer than one piece") << 1 << "NOTES" << QVariant(allLetters.repeated(800));
    QTest::newRow("empty stays empty") << 2 << "TELNRS1" << QVariant(QString());
    QTest::newRow("NULL") << 3 << "TAXOFFICE" << QVariant();
}

void TestTds::turkishText()
{
    QFETCH(int, ref);
    QFETCH(QString, column);
    QFETCH(QVariant, value);

    ErpRows rows = m_conn.query(QStringLiteral("select * from LG_001_CLCARD where LOGICALREF=") +
                                sqlValue(QString::number(ref)));
    QCOMPARE(rows.rowCount(), 1);
    QCOMPARE(rows.isNull(column), !value.isValid());
    QCOMPARE(rows.text(column), value.toString());
}

void TestTds::sameValuesAsSqlite_data()
{
    QTest::addColumn<QString>("table");
    QTest::newRow("L_CAPIFIRM") << "L_CAPIFIRM";
    QTest::newRow("LG_001_CLCARD") << "LG_001_CLCARD";
    QTest::newRow("LG_001_01_STLINE") << "LG_001_01_STLINE";
}

// Both backends must give every field the same type and text, so the demo
// company and a real server fill the lists alike.
void TestTds::sameValuesAsSqlite()
{
    QFETCH(QString, table);

    ErpConnection demo;
    QVERIFY(demo.open({QLatin1String("sqlite:") + m_erp, {}, {}, {}}));
    const QString statement = QStringLiteral("select * from ") + table + QStringLiteral(" order by 1");
    ErpRows expected = demo.query(statement);
    ErpRows actual = m_conn.query(statement);
    QCOMPARE(actual.columns(), expected.columns());
    QCOMPARE(actual.rowCount(), expected.rowCount());
    QVERIFY(expected.rowCount() > 0);
    for (; !expected.eof(); expected.next(), actual.next()) {
        for (const QString &column : expected.columns()) {
            const QString where = table + QLatin1Char('.') + column + QStringLiteral(" row ") +
                                  QString::number(expected.position());
            QVERIFY2(actual.value(column).typeId() == expected.value(column).typeId(), qPrintable(where));
            QVERIFY2(actual.text(column) == expected.text(column),
                     qPrintable(where + QStringLiteral(": ") + actual.text(column) + QStringLiteral(" != ") +
                                expected.text(column)));
        }
    }
}

void TestTds::apostropheSearch()
{
    ErpRows rows = m_conn.query(QStringLiteral("select CODE from LG_001_CLCARD where DEFINITION_=") +
                                sqlValue(QStringLiteral("MEHMET'İN GIDA")));
    QCOMPARE(rows.rowCount(), 1);
    QCOMPARE(rows.text(QStringLiteral("code")), QStringLiteral("120.01"));
}

void TestTds::likeAsOnServer_data()
{
    QTest::addColumn<QString>("condition");
    QTest::addColumn<QStringList>("codes");

    const auto codes = [](std::initializer_list<const char *> list) {
        QStringList out;
        for (const char *code : list)
            out << QString::fromLatin1(code);
        return out;
    };
    QTest::newRow("lower case finds capitals, i pairs with İ")
        << "DEFINITION_ like 'mehmet''in%'" << codes({"120.01"});
    QTest::newRow("dotless I is no pair of İ") << "DEFINITION_ like 'MEHMET''IN%'" << codes({});
    QTest::newRow("Turkish letters without case") << "TAXOFFICE like '%şişli%'" << codes({"120.02"});
    QTest::newRow("Ş is no S") << "TAXOFFICE like '%SISLI%'" << codes({});
    QTest::newRow("without wildcards the whole text") << "DEFINITION_ like 'mehmet'" << codes({"120.03"});
    QTest::newRow("one character") << "DEFINITION_ like '_EHMET'" << codes({"120.03"});
    QTest::newRow("set holding %") << "DEFINITION_ like '[%]100%'" << codes({"120.02"});
    QTest::newRow("negated set") << "DEFINITION_ like '[^m]%'" << codes({"120.02"});
    QTest::newRow("escape") << "DEFINITION_ like '!%100 d%' escape '!'" << codes({"120.02"});
    QTest::newRow("NULL never matches") << "TAXOFFICE like '%'" << codes({"120.01", "120.02"});
    QTest::newRow("long typed text") << "DEFINITION_ like '%" + QString(20000, u'a') + "%'" << codes({});
}

// The embedded ERP's LIKE finds what the real server finds, so a search
// typed in lower case on the demo behaves as in an office.
void TestTds::likeAsOnServer()
{
    QFETCH(QString, condition);
    QFETCH(QStringList, codes);

    ErpConnection demo;
    QVERIFY(demo.open({QLatin1String("sqlite:") + m_erp, {}, {}, {}}));
    const QString statement = QStringLiteral("select CODE from LG_001_CLCARD where ") + condition +
                              QStringLiteral(" order by CODE");
    for (ErpConnection *connection : {&demo, &m_conn}) {
        QStringList found;
        ErpRows rows = connection->query(statement);
        for (rows.first(); !rows.eof(); rows.next())
            found << rows.text(QStringLiteral("CODE"));
        QCOMPARE(found, codes);
    }
}

void TestTds::nonSelectNeverSent()
{
    const QString trace = m_dir.filePath(QStringLiteral("trace.sql"));
    QVERIFY_OK(m_conn.setTraceFile(trace));
    const QString sent = QStringLiteral("select NAME from L_CAPIFIRM where NR='12'");
    const QStringList refused{
        QStringLiteral("delete from L_CAPIFIRM"),
        QStringLiteral("select 1; delete from L_CAPIFIRM"),
        QStringLiteral("update L_CAPIFIRM set NAME='x'"),
    };
    for (const QString &statement : refused)
        QVERIFY_THROWS_EXCEPTION(ErpError, m_conn.query(statement));
    m_conn.query(sent);
    QVERIFY_OK(m_conn.setTraceFile(QString()));

    QCOMPARE(readFile(trace), sent + QLatin1Char('\n'));
    const QString log = readFile(m_log);
    QVERIFY2(log.contains(sent), "the server log should show what was sent");
    QVERIFY(!log.contains(QStringLiteral("delete"), Qt::CaseInsensitive));
    QVERIFY(!log.contains(QStringLiteral("update"), Qt::CaseInsensitive));
}

void TestTds::statementTimeout()
{
    QElapsedTimer clock;
    clock.start();
    // The server holds this statement for 10 s; the 4-second timeout cuts it
    // off, and says so in Turkish as the server's failure, not the statement's.
    try {
        m_conn.query(QStringLiteral("select NR as SLOWMARK from L_CAPIFIRM"));
        QFAIL("a statement held past the timeout must fail");
    } catch (const ErpError &e) {
        QCOMPARE(e.cause(), ErpError::Cause::NoAnswer);
        QVERIFY2(e.description().contains(QStringLiteral("yanıt vermedi")) &&
                     !e.description().contains(QStringLiteral("HYT00")),
                 qPrintable(e.description()));
    }
    QVERIFY2(clock.elapsed() < 6000, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(m_conn.isOpen());
    QCOMPARE(m_conn.query(QStringLiteral("select * from L_CAPIFIRM")).rowCount(), 3);
}

// The server falls silent in the middle of a session: the statement's timeout
// comes, and the cancel it sends is never answered either. The whole
// statement still ends within about the timeout, and a new connection works.
void TestTds::serverStopsAnswering()
{
    test::TcpRelay relay(m_server->port());
    QVERIFY(relay.port() > 0);
    const ErpServerSettings viaRelay{QStringLiteral("127.0.0.1,%1").arg(relay.port()), database, user,
                                     password};
    ErpConnection erp;
    QVERIFY_OK(erp.open(viaRelay));
    QCOMPARE(erp.query(QStringLiteral("select * from L_CAPIFIRM")).rowCount(), 3);

    relay.setSilent(true);
    QElapsedTimer clock;
    clock.start();
    try {
        erp.query(QStringLiteral("select * from LG_001_CLCARD"));
        QFAIL("a server that does not answer must fail the statement");
    } catch (const ErpError &e) {
        QVERIFY2(clock.elapsed() < 6000, qPrintable(QStringLiteral("%1 ms").arg(clock.elapsed())));
        QVERIFY2(e.description().contains(QStringLiteral("yanıt vermedi")), qPrintable(e.description()));
    }
    // The connection is gone, and says so at once, with the cause it had.
    QVERIFY(!erp.isOpen());
    clock.restart();
    try {
        erp.query(QStringLiteral("select * from L_CAPIFIRM"));
        QFAIL("a lost connection must fail every statement");
    } catch (const ErpError &e) {
        QVERIFY2(e.description().contains(QStringLiteral("açık değil")) &&
                     e.description().contains(QStringLiteral("yanıt vermedi")),
                 qPrintable(e.description()));
    }
    QVERIFY(clock.elapsed() < 1000);

    relay.setSilent(false);
    ErpConnection again;
    QVERIFY_OK(again.open(viaRelay));
    QCOMPARE(again.query(QStringLiteral("select * from L_CAPIFIRM")).rowCount(), 3);
}

void TestTds::failingStatementKeepsConnection()
{
    try {
        m_conn.query(QStringLiteral("select * from LG_009_CLCARD"));
        QFAIL("a missing table must raise ErpError");
    } catch (const ErpError &e) {
        QVERIFY2(e.description().contains(QStringLiteral("LG_009_CLCARD")), qPrintable(e.description()));
    }
    QCOMPARE(m_conn.query(QStringLiteral("select * from L_CAPIFIRM")).rowCount(), 3);
}

// The server goes away in the middle of a session: said in Turkish, not in
// the driver's words, and every later statement fails the same way at once.
void TestTds::connectionDropped()
{
    TdsServer server({m_erp, user, password, database, {}});
    QVERIFY2(server.start(), qPrintable(server.errorText()));
    ErpConnection erp;
    QVERIFY_OK(erp.open({server.serverValue(), database, user, password}));
    QCOMPARE(erp.query(QStringLiteral("select * from L_CAPIFIRM")).rowCount(), 3);
    server.stop();
    for (int i = 0; i < 2; ++i) {
        try {
            erp.query(QStringLiteral("select * from L_CAPIFIRM"));
            QFAIL("a statement on a dropped connection must fail");
        } catch (const ErpError &e) {
            QCOMPARE(e.cause(), ErpError::Cause::ConnectionLost);
            QVERIFY2(e.description().contains(QStringLiteral("Sunucu bağlantısı koptu")),
                     qPrintable(e.description()));
        }
    }
    QVERIFY(!erp.isOpen());
}

void TestTds::loginFails_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("database");

    QTest::newRow("wrong password") << user << "yanlis" << database;
    QTest::newRow("wrong login") << "sa" << password << database;
    QTest::newRow("unknown database") << user << password << "YOKDB";
}

void TestTds::loginFails()
{
    QFETCH(QString, user);
    QFETCH(QString, password);
    QFETCH(QString, database);

    ErpConnection erp;
    const Result<void> opened = erp.open({m_server->serverValue(), database, user, password});
    QVERIFY(!opened);
    QVERIFY(!erp.isOpen());
    QVERIFY(!opened.errorText().isEmpty());
    QVERIFY(!opened.errorText().contains(password));
    QVERIFY_THROWS_EXCEPTION(ErpError, erp.query(QStringLiteral("select * from L_CAPIFIRM")));
}

// ';' would end the value in the connection string and '}' would end a braced one.
void TestTds::passwordWithSeparators_data()
{
    QTest::addColumn<QString>("odd");
    QTest::addColumn<bool>("opens");
    QTest::newRow(";") << "a;DATABASE=x" << true;
    QTest::newRow("}") << "a}b" << true;
    QTest::newRow("{") << "{ab" << true;
    QTest::newRow("}}") << "a}}b" << true;
    QTest::newRow("} at the end") << "ab}" << true;
    QTest::newRow("blanks around") << " ab " << true;
    QTest::newRow("Turkish and apostrophe") << "Şifre'ğ" << true;
    // The driver ends a braced value at "};": refused, never cut short.
    QTest::newRow("} then ;") << "a};UID=sa" << false;
}

void TestTds::passwordWithSeparators()
{
    QFETCH(QString, odd);
    QFETCH(bool, opens);
    TdsServer server({m_erp, user, odd, database, {}});
    QVERIFY2(server.start(), qPrintable(server.errorText()));
    ErpConnection erp;
    if (!opens) {
        const Result<void> opened = erp.open({server.serverValue(), database, user, odd});
        QVERIFY(!opened);
        QVERIFY(!opened.errorText().isEmpty());
        QVERIFY(!opened.errorText().contains(odd));
        return;
    }
    QVERIFY_OK(erp.open({server.serverValue(), database, user, odd}));
    QCOMPARE(erp.query(QStringLiteral("select * from L_CAPIFIRM")).rowCount(), 3);
}

void TestTds::silentServer()
{
    const LoopbackPort silent(true);
    QVERIFY(silent.port() > 0);
    ErpConnection erp;
    QElapsedTimer clock;
    clock.start();
    const Result<void> opened =
        erp.open({QStringLiteral("127.0.0.1,%1").arg(silent.port()), database, user, password});
    QVERIFY(!opened);
    QVERIFY2(clock.elapsed() < 7000, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(!erp.isOpen());
    QVERIFY(!opened.errorText().isEmpty());
}

void TestTds::closedPort()
{
    const LoopbackPort closed(false); // bound, so no one else takes it, but not listening
    const int port = closed.port();
    QVERIFY(port > 0);

    ErpConnection erp;
    QElapsedTimer clock;
    clock.start();
    const Result<void> opened =
        erp.open({QStringLiteral("127.0.0.1,%1").arg(port), database, user, password});
    QVERIFY(!opened);
    QVERIFY2(clock.elapsed() < 4000, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(!opened.errorText().isEmpty());
}

void TestTds::namedInstance_data()
{
    QTest::addColumn<QString>("instance"); // as written after "127.0.0.1\\"
    QTest::addColumn<QString>("browser");  // "port": names the server's port; "silent", "closed", "no tcp"
    QTest::addColumn<QString>("error");    // "" when it opens, else what the error must say

    QTest::newRow("browser names the port") << "SQLEXPRESS"
                                            << "port"
                                            << "";
    QTest::newRow("instance name in other case") << "sqlexpress"
                                                 << "port"
                                                 << "";
    QTest::newRow("browser never answers") << "SQLEXPRESS"
                                           << "silent"
                                           << "yanıt vermedi";
    QTest::newRow("no browser service") << "SQLEXPRESS"
                                        << "closed"
                                        << "çalışmıyor";
    QTest::newRow("instance without TCP") << "SQLEXPRESS"
                                          << "no tcp"
                                          << "TCP";
}

// "host\instance" as the settings window writes it: the instance's port is
// asked for within the login timeout, never the driver's sixteen seconds.
void TestTds::namedInstance()
{
    QFETCH(QString, instance);
    QFETCH(QString, browser);
    QFETCH(QString, error);

    QByteArray answer;
    if (browser == QLatin1String("port"))
        answer = BrowserResponder::answerFor(QStringLiteral("SQLEXPRESS"), m_server->port());
    else if (browser == QLatin1String("no tcp"))
        answer = BrowserResponder::answerFor(QStringLiteral("SQLEXPRESS"), 0);
    BrowserResponder responder(answer);
    const int browserPort =
        browser == QLatin1String("closed") ? BrowserResponder::closedPort() : responder.port();
    QVERIFY(browserPort > 0);
    qputenv("TARVEL_SQL_BROWSER_PORT", QByteArray::number(browserPort));
    const auto unset = qScopeGuard([] { qunsetenv("TARVEL_SQL_BROWSER_PORT"); });

    ErpConnection erp;
    QElapsedTimer clock;
    clock.start();
    const Result<void> opened =
        erp.open({QStringLiteral("127.0.0.1\\") + instance, database, user, password});
    const qint64 took = clock.elapsed();
    if (error.isEmpty()) {
        QVERIFY_OK(opened);
        QCOMPARE(erp.query(QStringLiteral("select * from L_CAPIFIRM")).rowCount(), 3);
        QCOMPARE(responder.lastRequest(), QByteArray("\x04") + instance.toLatin1() + QByteArray(1, '\0'));
        return;
    }
    QVERIFY(!opened);
    QVERIFY2(took < 5500, qPrintable(QStringLiteral("%1 ms").arg(took)));
    QVERIFY2(opened.errorText().contains(instance) && opened.errorText().contains(error),
             qPrintable(opened.errorText()));
    if (browser == QLatin1String("silent"))
        QVERIFY2(responder.requests() >= 2, "a lost request is sent again"); // once a second
}

QTEST_GUILESS_MAIN(TestTds)
#include "tst_tds.moc"
