// The ERP connection without a server: the read-only guard, value escaping,
// how fields become text, and the embedded demo ERP in SQLite.
#include "common/tdsserver.h"
#include "common/verifyok.h"
#include "foundation/base/errors.h"
#include "foundation/base/sqlvalue.h"
#include "foundation/erp/erpconnection.h"
#include "foundation/erp/erpsession.h"
#include "foundation/erp/openfailure.h"
#include "foundation/erp/serverstop.h"
#include "foundation/erp/sqlbrowser.h"
#include "foundation/store/localstore.h"

#include <QCryptographicHash>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace tarvel;

Q_DECLARE_METATYPE(tarvel::ErpDiagnostic)
Q_DECLARE_METATYPE(tarvel::OpenFailure)

namespace {

// A small ERP with the declared types of the real one (datetimes as text).
const char *const erpScript = R"sql(
CREATE TABLE L_CAPIFIRM (NR SMALLINT, NAME VARCHAR(61));
INSERT INTO L_CAPIFIRM VALUES (1, 'ÖRNEK GIDA A.Ş.'), (12, 'MEHMET''İN GIDA');
CREATE TABLE LG_001_CLCARD (LOGICALREF INTEGER, CODE VARCHAR(17), DEFINITION_ VARCHAR(201), TAXOFFICE VARCHAR(31));
INSERT INTO LG_001_CLCARD VALUES
  (1, '120.01', 'MEHMET''İN GIDA', 'BÜYÜK MÜKELLEFLER VERGİ DAİRESİ'),
  (2, '120.02', '%100 DOĞAL', 'ŞĞİıçöü'),
  (3, '120.03', 'MEHMET', '');
CREATE TABLE LG_001_01_STLINE (LOGICALREF INTEGER, DATE_ DATETIME_TEXT, AMOUNT FLOAT, PRICE FLOAT, LINETYPE SMALLINT);
INSERT INTO LG_001_01_STLINE VALUES
  (1, '20240108', 12.5, 3, 0),
  (2, '20240108 10:05:30', 0.1, 1234567.891, 1),
  (3, NULL, NULL, NULL, NULL);
)sql";

QByteArray fileHash(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

QStringList readLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace

class TestErpConnection : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();

    void readOnlyStatement_data();
    void readOnlyStatement();
    void sqlValue_data();
    void sqlValue();

    void connectionString_data();
    void connectionString();
    void browserAnswer_data();
    void browserAnswer();

    void classifyOpenFailure_data();
    void classifyOpenFailure();
    void describeOpenFailure_data();
    void describeOpenFailure();
    void portThatIsNoPort_data();
    void portThatIsNoPort();
    void serverStop_data();
    void serverStop();

    void fieldValues_data();
    void fieldValues();
    void columnsByName();

    void sqliteTypes_data();
    void sqliteTypes();
    void apostropheSearch_data();
    void apostropheSearch();
    void sqliteOpenFails_data();
    void sqliteOpenFails();
    void sqliteNeverWrites();
    void traceAndRefusal();

    void sessionFromStore();
    void sessionWithoutStore();

private:
    QTemporaryDir m_dir;
    QString m_erp;
    QString m_fifo;
};

void TestErpConnection::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_erp = m_dir.filePath(QStringLiteral("erp.sqlite"));
    const QString error = test::writeSqliteFile(m_erp, QString::fromUtf8(erpScript));
    QVERIFY2(error.isEmpty(), qPrintable(error));
    m_fifo = m_dir.filePath(QStringLiteral("erp.fifo"));
    QCOMPARE(::mkfifo(QFile::encodeName(m_fifo).constData(), 0600), 0);
}

void TestErpConnection::readOnlyStatement_data()
{
    QTest::addColumn<QString>("statement");
    QTest::addColumn<bool>("readOnly");

    QTest::newRow("select") << "select * from L_CAPIFIRM" << true;
    QTest::newRow("upper case, trailing blank") << "SELECT NR FROM L_CAPIFIRM " << true;
    QTest::newRow("leading blanks and newline") << "  \n\tselect 1" << true;
    QTest::newRow("one trailing ;") << "select 1;  " << true;
    QTest::newRow("; inside a literal") << "select * from LG_001_CLCARD where CODE='a;b'" << true;
    QTest::newRow("doubled apostrophe then ;") << "select * from X where A='O''; delete from x'" << true;
    QTest::newRow("writing word inside a literal") << "select * from X where A='delete from x'" << true;
    QTest::newRow("column names holding words") << "select UPDATEDATE, INSERTED_BY from X" << true;
    QTest::newRow("; in a comment") << "select 1 -- ; delete from x" << true;
    QTest::newRow("next and value apart") << "select NEXT, VALUE from X" << true;
    QTest::newRow("locking hint in a literal") << "select * from X where A='holdlock'" << true;

    QTest::newRow("update") << "update LG_001_CLCARD set CODE='x'" << false;
    QTest::newRow("delete") << "delete from LG_001_CLCARD" << false;
    QTest::newRow("insert") << "insert into L_CAPIFIRM values (1,'x')" << false;
    QTest::newRow("exec") << "exec sp_who" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("select as a later word") << "with x as (select 1) select * from x" << false;
    QTest::newRow("second statement after ;") << "select 1; delete from x" << false;
    QTest::newRow("second statement after ; and comment")
        << "select 1 /* a */ ; -- b\n delete from x" << false;
    QTest::newRow("second select after ;") << "select 1; select 2" << false;
    // T-SQL runs "select 1 delete from x" as two statements.
    QTest::newRow("second statement without ;") << "select 1 delete from x" << false;
    QTest::newRow("select into") << "select * into COPY from L_CAPIFIRM" << false;
    QTest::newRow("exec after a select") << "select 1 exec('delete from x')" << false;
    QTest::newRow("writetext after a select") << "select 1 writetext X.NOTE 0x0102 'yeni'" << false;
    QTest::newRow("updatetext after a select") << "select 1 updatetext X.NOTE 0x0102 0 null 'x'" << false;
    QTest::newRow("trigger switched off") << "select 1 disable trigger all on LG_001_CLCARD" << false;
    QTest::newRow("queue read empties it") << "select 1 receive * from Q" << false;
    QTest::newRow("sequence advanced") << "select next value for dbo.SEQ" << false;
    QTest::newRow("sequence advanced, comment between") << "select NEXT /* x */ VALUE for S" << false;
    QTest::newRow("transaction opened") << "select 1 begin tran" << false;
    QTest::newRow("transaction committed") << "select 1 commit transaction" << false;
    QTest::newRow("conversation ended") << "select 1 end conversation @h" << false;
    QTest::newRow("exclusive table lock") << "select * from X with (tablockx)" << false;
    QTest::newRow("lock held to the end") << "select * from X with (HOLDLOCK)" << false;
    QTest::newRow("update lock") << "select * from X with (updlock, rowlock)" << false;
    QTest::newRow("exclusive lock") << "select * from X (xlock)" << false;
    QTest::newRow("unbalanced apostrophe") << "select * from X where A='MEHMET'İN GIDA'" << false;
    QTest::newRow("open comment") << "select 1 /* delete" << false;
}

void TestErpConnection::readOnlyStatement()
{
    QFETCH(QString, statement);
    QFETCH(bool, readOnly);
    QCOMPARE(isReadOnlyStatement(statement), readOnly);
}

void TestErpConnection::sqlValue_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("literal");

    QTest::newRow("plain") << "120.01"
                           << "'120.01'";
    QTest::newRow("empty") << ""
                           << "''";
    QTest::newRow("apostrophe") << "MEHMET'İN GIDA"
                                << "'MEHMET''İN GIDA'";
    QTest::newRow("apostrophes only") << "''"
                                      << "''''''";
    QTest::newRow("statement end attempt") << "x'; delete from y; --"
                                           << "'x''; delete from y; --'";
}

void TestErpConnection::sqlValue()
{
    QFETCH(QString, value);
    QFETCH(QString, literal);
    QCOMPARE(tarvel::sqlValue(value), literal);
    QCOMPARE(sqlEscaped(value), literal.mid(1, literal.size() - 2));
}

void TestErpConnection::connectionString_data()
{
    QTest::addColumn<QString>("server");
    QTest::addColumn<QString>("serverKeys");

#ifdef Q_OS_WIN
    QSKIP("the system's driver takes the server value as it is");
#endif
    QTest::newRow("host") << "erp-sunucu"
                          << "SERVER=erp-sunucu;PORT=1433";
    QTest::newRow("host,port") << "10.0.0.5,1500"
                               << "SERVER=10.0.0.5;PORT=1500";
    QTest::newRow("blanks") << " 10.0.0.5 , 1500 "
                            << "SERVER=10.0.0.5;PORT=1500";
    // Without a port the instance's port comes from the server's browser service.
    QTest::newRow("host\\instance") << "erp\\SQLEXPRESS"
                                    << "SERVER=erp\\SQLEXPRESS";
    QTest::newRow("host\\instance,port") << "erp\\SQLEXPRESS,1500"
                                         << "SERVER=erp;PORT=1500";
    QTest::newRow("this machine") << "."
                                  << "SERVER=localhost;PORT=1433";
    QTest::newRow("tcp: and (local) with a port") << "tcp:(local),1500"
                                                  << "SERVER=localhost;PORT=1500";
}

void TestErpConnection::connectionString()
{
    QFETCH(QString, server);
    QFETCH(QString, serverKeys);
    QCOMPARE(
        odbcConnectionString({server, QStringLiteral("ERPDB"), QStringLiteral("sa"), QStringLiteral("p;w")}),
        QStringLiteral("DRIVER={FreeTDS};") + serverKeys +
            QStringLiteral(";DATABASE=ERPDB;UID=sa;PWD={p;w};TDS_Version=7.4;ClientCharset=UTF-8;Timeout=4"));
}

void TestErpConnection::browserAnswer_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<QString>("instance");
    QTest::addColumn<int>("port"); // 0: none

    const QByteArray record =
        "ServerName;ERP;InstanceName;SQLEXPRESS;IsClustered;No;Version;15.0;tcp;49172;;";
    const auto answer = [](const QByteArray &text, int length = -1) {
        const int n = length < 0 ? int(text.size()) : length;
        return QByteArray(1, char(0x05)) + char(n & 0xff) + char(n >> 8) + text;
    };
    QTest::newRow("one instance") << answer(record) << "SQLEXPRESS" << 49172;
    QTest::newRow("instance name in other case") << answer(record) << "sqlexpress" << 49172;
    QTest::newRow("second of two records")
        << answer("ServerName;ERP;InstanceName;MUHASEBE;tcp;1500;;" + record) << "SQLEXPRESS" << 49172;
    QTest::newRow("record of another instance") << answer(record) << "MUHASEBE" << 0;
    QTest::newRow("no tcp entry") << answer("ServerName;ERP;InstanceName;SQLEXPRESS;np;\\\\ERP\\pipe;;")
                                  << "SQLEXPRESS" << 0;
    QTest::newRow("tcp entry that is no port")
        << answer("InstanceName;SQLEXPRESS;tcp;x;;") << "SQLEXPRESS" << 0;
    QTest::newRow("text cut short by its length") << answer(record, 40) << "SQLEXPRESS" << 0;
    QTest::newRow("not an answer") << QByteArray("\x04SQLEXPRESS") << "SQLEXPRESS" << 0;
    QTest::newRow("three bytes") << QByteArray("\x05\x00\x00") << "SQLEXPRESS" << 0;
}

void TestErpConnection::browserAnswer()
{
    QFETCH(QByteArray, answer);
    QFETCH(QString, instance);
    QFETCH(int, port);
    QCOMPARE(portFromSqlBrowserAnswer(answer, instance).value_or(0), port);
}

void TestErpConnection::classifyOpenFailure_data()
{
    QTest::addColumn<QVector<ErpDiagnostic>>("records");
    QTest::addColumn<OpenFailure>("failure");

    const ErpDiagnostic unable{QStringLiteral("08001"), 0,
                               QStringLiteral("Unable to connect to data source")};
    const ErpDiagnostic login{QStringLiteral("42000"), 18456, QStringLiteral("Login failed for user 'sa'.")};
    QTest::newRow("login failed") << QVector<ErpDiagnostic>{login, unable} << OpenFailure::LoginRefused;
    QTest::newRow("login failed, system driver")
        << QVector<ErpDiagnostic>{{QStringLiteral("28000"), 18456,
                                   QStringLiteral("Kullanıcı girişi başarısız.")}}
        << OpenFailure::LoginRefused;
    QTest::newRow("cannot open database")
        << QVector<ErpDiagnostic>{login,
                                  {QStringLiteral("42000"), 4060, QStringLiteral("Cannot open database")},
                                  unable}
        << OpenFailure::DatabaseUnavailable;
    QTest::newRow("timeout") << QVector<ErpDiagnostic>{{QStringLiteral("HYT00"), 0,
                                                        QStringLiteral("Timeout expired")},
                                                       unable}
                             << OpenFailure::NoAnswer;
    QTest::newRow("refused") << QVector<ErpDiagnostic>{{QStringLiteral("08S01"), 20009,
                                                        QStringLiteral("unavailable")}}
                             << OpenFailure::NoAnswer;
    QTest::newRow("nothing known") << QVector<ErpDiagnostic>{{QStringLiteral("IM002"), 0,
                                                              QStringLiteral("no driver")}}
                                   << OpenFailure::Failed;
    QTest::newRow("no records") << QVector<ErpDiagnostic>{} << OpenFailure::Failed;
}

void TestErpConnection::classifyOpenFailure()
{
    QFETCH(QVector<ErpDiagnostic>, records);
    QFETCH(OpenFailure, failure);
    QCOMPARE(tarvel::classifyOpenFailure(records), failure);
}

void TestErpConnection::describeOpenFailure_data()
{
    QTest::addColumn<QString>("server");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("lastError");
    QTest::addColumn<QVector<ErpDiagnostic>>("records");
    QTest::addColumn<QString>("says"); // the whole text

    const QVector<ErpDiagnostic> login{{QStringLiteral("42000"), 18456, QStringLiteral("Login failed")}};
    // A one-letter password is found in any Turkish sentence: only the
    // driver's text may be masked, never our words or the names in them.
    QTest::newRow("login refused, password a")
        << "sunucu,1433"
        << "a"
        << "Login failed" << login
        << "Sunucu yanıt verdi, ancak girişi reddetti: kullanıcı adı (\"tarvel\") veya şifre yanlış.";
    QTest::newRow("database, password a")
        << "sunucu,1433"
        << "a"
        << "x" << QVector<ErpDiagnostic>{{QStringLiteral("42000"), 4060, QStringLiteral("Cannot open")}}
        << "Sunucu yanıt verdi, ancak \"ERPDB\" veritabanı açılamadı: veritabanı adı yanlış ya da "
           "kullanıcının (\"tarvel\") bu veritabanına erişim izni yok.";
    QTest::newRow("no answer, password a")
        << "sunucu,1433"
        << "a"
        << "x" << QVector<ErpDiagnostic>{{QStringLiteral("HYT00"), 0, QStringLiteral("Timeout expired")}}
        << "Sunucu yanıt vermedi: \"sunucu,1433\". Sunucu adını ve bağlantı noktasını, sunucunun "
           "çalıştığını ve ağ bağlantısını kontrol ediniz.";
    QTest::newRow("unknown host")
        << "yok.invalid"
        << "gizli"
        << "x" << QVector<ErpDiagnostic>{{QStringLiteral("08001"), 20013, QStringLiteral("Unknown host")}}
        << "Sunucu bulunamadı: \"yok.invalid\" adında bir bilgisayar yok. Sunucu adını kontrol ediniz.";
    QTest::newRow("driver echoes the password") << "sunucu,1433"
                                                << "gizli"
                                                << "bad value 'gizli' in PWD" << QVector<ErpDiagnostic>{}
                                                << "Bağlantı kurulamadı: bad value '****' in PWD";
    QTest::newRow("demo file missing") << "sqlite:/yok/erp.sqlite"
                                       << "a"
                                       << "/yok/erp.sqlite: no such file" << QVector<ErpDiagnostic>{}
                                       << "Veritabanı açılamadı: /yok/erp.sqlite: no such file";
}

void TestErpConnection::describeOpenFailure()
{
    QFETCH(QString, server);
    QFETCH(QString, password);
    QFETCH(QString, lastError);
    QFETCH(QVector<ErpDiagnostic>, records);
    QFETCH(QString, says);
    const ErpServerSettings settings{server, QStringLiteral("ERPDB"), QStringLiteral("tarvel"), password};
    QCOMPARE(tarvel::describeOpenFailure(settings, lastError, records).text, says);
}

// Refused before the driver is asked: it would try another port and say
// only that no server answered.
void TestErpConnection::portThatIsNoPort_data()
{
    QTest::addColumn<QString>("server");
    QTest::addColumn<QString>("port");
    QTest::newRow("letters") << "127.0.0.1,abc"
                             << "abc";
    QTest::newRow("zero") << "127.0.0.1,0"
                          << "0";
    QTest::newRow("beyond 65535") << "127.0.0.1,65536"
                                  << "65536";
    QTest::newRow("negative") << "127.0.0.1,-1433"
                              << "-1433";
    QTest::newRow("sign") << "127.0.0.1,+1433"
                          << "+1433";
    QTest::newRow("blank inside") << "127.0.0.1,14 33"
                                  << "14 33";
    QTest::newRow("with an instance") << "127.0.0.1\\ERP,x1"
                                      << "x1";
}

void TestErpConnection::portThatIsNoPort()
{
    QFETCH(QString, server);
    QFETCH(QString, port);
    const ErpServerSettings settings{server, QStringLiteral("ERPDB"), QStringLiteral("tarvel"),
                                     QStringLiteral("gizli")};
    ErpConnection erp;
    const Result<void> opened = erp.open(settings);
    QVERIFY(!opened);
    const QString text =
        tarvel::describeOpenFailure(settings, opened.errorText(), erp.lastDiagnostics()).text;
    QVERIFY2(text.contains(QStringLiteral("bağlantı noktası (port) geçersiz: \"%1\"").arg(port)) &&
                 text.contains(QStringLiteral("1 ile 65535")),
             qPrintable(text));
}

// When a run stops: the steps of its statements, a answered, s failed with
// the server's answer, n no answer, l connection lost.
void TestErpConnection::serverStop_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<int>("stopsAt"); // -1: never
    QTest::addColumn<QString>("says");
    QTest::newRow("one slow statement") << "anaan" << -1 << "";
    QTest::newRow("two in a row") << "aann" << 3 << "Sunucu yanıt vermiyor: ";
    QTest::newRow("an answer between") << "nanan" << -1 << "";
    QTest::newRow("a refusal is an answer") << "nsn" << -1 << "";
    QTest::newRow("connection lost") << "al" << 1 << "Sunucu bağlantısı koptu. ";
}

void TestErpConnection::serverStop()
{
    QFETCH(QString, steps);
    QFETCH(int, stopsAt);
    QFETCH(QString, says);
    ServerStop stop;
    int stoppedAt = -1;
    for (int i = 0; i < steps.size() && stoppedAt < 0; ++i) {
        const QChar step = steps.at(i);
        if (step == QLatin1Char('a')) {
            stop.answered();
            continue;
        }
        const ErpError::Cause cause = step == QLatin1Char('s')   ? ErpError::Cause::Statement
                                      : step == QLatin1Char('n') ? ErpError::Cause::NoAnswer
                                                                 : ErpError::Cause::ConnectionLost;
        if (stop.failed(ErpError(QStringLiteral("neden"), cause)))
            stoppedAt = i;
    }
    QCOMPARE(stoppedAt, stopsAt);
    QCOMPARE(stop.stopped(), stopsAt >= 0);
    if (stopsAt >= 0)
        QVERIFY2(stop.text().startsWith(says) && stop.text().contains(QStringLiteral("Çalışma durduruldu")),
                 qPrintable(stop.text()));
}

void TestErpConnection::fieldValues_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("number");
    QTest::addColumn<QDateTime>("dateTime");

    const QDateTime midnight(QDate(2024, 1, 8), QTime(0, 0));
    const QDateTime morning(QDate(2024, 1, 8), QTime(10, 5, 30));
    QTest::newRow("NULL") << QVariant() << "" << 0.0 << QDateTime();
    QTest::newRow("integer") << QVariant(qlonglong(-1234)) << "-1234" << -1234.0 << QDateTime();
    QTest::newRow("float") << QVariant(12.5) << "12,5" << 12.5 << QDateTime();
    QTest::newRow("whole float") << QVariant(18.0) << "18" << 18.0 << QDateTime();
    QTest::newRow("float noise") << QVariant(0.1 + 0.2) << "0,3" << 0.1 + 0.2 << QDateTime();
    QTest::newRow("midnight") << QVariant(midnight) << "08.01.2024" << 0.0 << midnight;
    QTest::newRow("time of day") << QVariant(morning) << "08.01.2024 10:05:30" << 0.0 << morning;
    QTest::newRow("text") << QVariant(QStringLiteral("ŞĞİıçöü")) << "ŞĞİıçöü" << 0.0 << QDateTime();
    QTest::newRow("empty text") << QVariant(QString()) << "" << 0.0 << QDateTime();
    QTest::newRow("date key text") << QVariant(QStringLiteral("20240108")) << "20240108" << 20240108.0
                                   << midnight;
    QTest::newRow("date and time text")
        << QVariant(QStringLiteral("20240108 10:05:30")) << "20240108 10:05:30" << 0.0 << morning;
    QTest::newRow("no such day") << QVariant(QStringLiteral("20240231")) << "20240231" << 20240231.0
                                 << QDateTime();
    QTest::newRow("number text, point") << QVariant(QStringLiteral("12.5")) << "12.5" << 12.5 << QDateTime();
    QTest::newRow("number text, comma") << QVariant(QStringLiteral("12,5")) << "12,5" << 12.5 << QDateTime();
    // No amount at all: they would spread through every total.
    QTest::newRow("infinite float") << QVariant(qInf()) << "inf" << 0.0 << QDateTime();
    QTest::newRow("not a number float") << QVariant(qQNaN()) << "nan" << 0.0 << QDateTime();
    QTest::newRow("inf text") << QVariant(QStringLiteral("inf")) << "inf" << 0.0 << QDateTime();
    QTest::newRow("-infinity text") << QVariant(QStringLiteral("-infinity")) << "-infinity" << 0.0
                                    << QDateTime();
    QTest::newRow("nan text") << QVariant(QStringLiteral("nan")) << "nan" << 0.0 << QDateTime();
    QTest::newRow("overflowing text") << QVariant(QStringLiteral("1e999")) << "1e999" << 0.0 << QDateTime();
}

void TestErpConnection::fieldValues()
{
    QFETCH(QVariant, value);
    QFETCH(QString, text);
    QFETCH(double, number);
    QFETCH(QDateTime, dateTime);

    const ErpRows rows({QStringLiteral("F")}, {{value}});
    QCOMPARE(rows.text(QStringLiteral("F")), text);
    QCOMPARE(rows.number(QStringLiteral("F")), number);
    QCOMPARE(rows.dateTime(QStringLiteral("F")), dateTime);
    QCOMPARE(rows.isNull(QStringLiteral("F")), !value.isValid());
}

void TestErpConnection::columnsByName()
{
    ErpRows rows({QStringLiteral("NR"), QStringLiteral("NAME")},
                 {{qlonglong(1), QStringLiteral("A")}, {qlonglong(2), QStringLiteral("B")}});
    QCOMPARE(rows.text(QStringLiteral("name")), QStringLiteral("A"));
    QVERIFY(rows.hasColumn(QStringLiteral("Nr")));
    QVERIFY_THROWS_EXCEPTION(ErpError, rows.value(QStringLiteral("CODE")));
    rows.next();
    QCOMPARE(rows.text(QStringLiteral("nAmE")), QStringLiteral("B"));
    rows.next();
    QVERIFY(rows.eof());
    QVERIFY_THROWS_EXCEPTION(ErpError, rows.value(QStringLiteral("NR")));
    rows.last(); // the "last purchase" of a result is read this way
    QCOMPARE(rows.text(QStringLiteral("NR")), QStringLiteral("2"));
    ErpRows empty;
    QVERIFY(empty.eof());
    QCOMPARE(empty.rowCount(), 0);
    empty.last(); // no row: still at the end, never before the first row
    QVERIFY(empty.eof());
}

void TestErpConnection::sqliteTypes_data()
{
    QTest::addColumn<int>("ref");
    QTest::addColumn<QString>("column");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("text");

    QTest::newRow("INTEGER") << 1 << "LOGICALREF" << int(QMetaType::LongLong) << "1";
    QTest::newRow("SMALLINT") << 2 << "LINETYPE" << int(QMetaType::LongLong) << "1";
    QTest::newRow("FLOAT") << 1 << "AMOUNT" << int(QMetaType::Double) << "12,5";
    QTest::newRow("FLOAT holding a whole number") << 1 << "PRICE" << int(QMetaType::Double) << "3";
    QTest::newRow("FLOAT with decimals") << 2 << "PRICE" << int(QMetaType::Double) << "1234567,891";
    QTest::newRow("datetime midnight") << 1 << "DATE_" << int(QMetaType::QDateTime) << "08.01.2024";
    QTest::newRow("datetime with time") << 2 << "DATE_" << int(QMetaType::QDateTime) << "08.01.2024 10:05:30";
    QTest::newRow("NULL datetime") << 3 << "DATE_" << int(QMetaType::UnknownType) << "";
    QTest::newRow("NULL float") << 3 << "AMOUNT" << int(QMetaType::UnknownType) << "";
    QTest::newRow("NULL integer") << 3 << "LINETYPE" << int(QMetaType::UnknownType) << "";
}

void TestErpConnection::sqliteTypes()
{
    QFETCH(int, ref);
    QFETCH(QString, column);
    QFETCH(int, type);
    QFETCH(QString, text);

    ErpConnection erp;
    QVERIFY_OK(erp.open({QLatin1String("sqlite:") + m_erp, {}, {}, {}}));
    ErpRows rows = erp.query(QStringLiteral("select * from LG_001_01_STLINE where LOGICALREF=") +
                             tarvel::sqlValue(QString::number(ref)));
    QCOMPARE(rows.rowCount(), 1);
    QCOMPARE(rows.value(column).typeId(), type);
    QCOMPARE(rows.text(column), text);
}

void TestErpConnection::apostropheSearch_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("codes");

    QTest::newRow("apostrophe") << "MEHMET'İN GIDA" << QStringList{QStringLiteral("120.01")};
    QTest::newRow("percent sign") << "%100 DOĞAL" << QStringList{QStringLiteral("120.02")};
    QTest::newRow("text that tries to end the statement") << "MEHMET' or '1'='1" << QStringList{};
    QTest::newRow("text that tries a second statement")
        << "x'; delete from LG_001_CLCARD; --" << QStringList{};
}

void TestErpConnection::apostropheSearch()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, codes);

    ErpConnection erp;
    QVERIFY_OK(erp.open({QLatin1String("sqlite:") + m_erp, {}, {}, {}}));
    ErpRows rows = erp.query(QStringLiteral("select CODE from LG_001_CLCARD where DEFINITION_=") +
                             tarvel::sqlValue(typed));
    QStringList found;
    for (; !rows.eof(); rows.next())
        found << rows.text(QStringLiteral("CODE"));
    QCOMPARE(found, codes);
    // and the statement was read as one value, so nothing was touched
    QCOMPARE(erp.query(QStringLiteral("select * from LG_001_CLCARD")).rowCount(), 3);
}

void TestErpConnection::sqliteOpenFails_data()
{
    QTest::addColumn<QString>("server");
    QTest::addColumn<QString>("mustNotExist");

    const QString missing = m_dir.filePath(QStringLiteral("missing.sqlite"));
    QTest::newRow("missing file") << "sqlite:" + missing << missing;
    QTest::newRow("missing folder") << "sqlite:" + m_dir.filePath(QStringLiteral("no/erp.sqlite"))
                                    << m_dir.filePath(QStringLiteral("no"));
    QTest::newRow("no path") << "sqlite:" << QString();
    QTest::newRow("not a database") << "sqlite:" + QStringLiteral(TARVEL_SOURCE_DIR "/CMakeLists.txt")
                                    << QString();
    QTest::newRow("no server at all") << "" << QString();
    // Opening these would wait for ever (a FIFO waits for a writer) or read a device.
    QTest::newRow("FIFO") << "sqlite:" + m_fifo << QString();
    QTest::newRow("folder") << "sqlite:" + m_dir.path() << QString();
    QTest::newRow("device") << QStringLiteral("sqlite:/dev/zero") << QString();
}

void TestErpConnection::sqliteOpenFails()
{
    QFETCH(QString, server);
    QFETCH(QString, mustNotExist);

    ErpConnection erp;
    const Result<void> opened = erp.open({server, {}, {}, {}});
    QVERIFY(!opened);
    QVERIFY(!erp.isOpen());
    QVERIFY(!opened.errorText().isEmpty());
    if (!mustNotExist.isEmpty())
        QVERIFY(!QFileInfo::exists(mustNotExist));
    QVERIFY_THROWS_EXCEPTION(ErpError, erp.query(QStringLiteral("select * from L_CAPIFIRM")));
}

void TestErpConnection::sqliteNeverWrites()
{
    const QByteArray before = fileHash(m_erp);
    const QStringList filesBefore = QDir(m_dir.path()).entryList(QDir::Files);
    {
        ErpConnection erp;
        QVERIFY(erp.open({QLatin1String("sqlite:") + m_erp, {}, {}, {}}));
        const QStringList writes{
            QStringLiteral("delete from LG_001_CLCARD"),
            QStringLiteral("update L_CAPIFIRM set NAME='x'"),
            QStringLiteral("insert into L_CAPIFIRM values (2, 'x')"),
            QStringLiteral("create table T (A INTEGER)"),
            QStringLiteral("select 1; delete from LG_001_CLCARD"),
        };
        for (const QString &statement : writes)
            QVERIFY_THROWS_EXCEPTION(ErpError, erp.query(statement));
        // A failing select leaves the connection usable.
        QVERIFY_THROWS_EXCEPTION(ErpError, erp.query(QStringLiteral("select * from LG_009_CLCARD")));
        QCOMPARE(erp.query(QStringLiteral("select * from LG_001_CLCARD")).rowCount(), 3);
    }
    QCOMPARE(fileHash(m_erp), before);
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files), filesBefore);
}

void TestErpConnection::traceAndRefusal()
{
    const QString trace = m_dir.filePath(QStringLiteral("trace.sql"));
    ErpConnection erp;
    QVERIFY_OK(erp.setTraceFile(trace));
    // Nothing reaches the trace while the connection is closed.
    QVERIFY_THROWS_EXCEPTION(ErpError, erp.query(QStringLiteral("select * from L_CAPIFIRM")));
    QVERIFY(erp.open({QLatin1String("sqlite:") + m_erp, {}, {}, {}}));

    const QString first = QStringLiteral("select * from L_CAPIFIRM");
    const QString second =
        QStringLiteral("select CODE from LG_001_CLCARD where DEFINITION_='MEHMET''İN GIDA'");
    erp.query(first);
    QVERIFY_THROWS_EXCEPTION(ErpError, erp.query(QStringLiteral("delete from L_CAPIFIRM")));
    erp.query(second);
    QCOMPARE(readLines(trace), (QStringList{first, second}));
}

void TestErpConnection::sessionFromStore()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QVERIFY(QFile::copy(m_erp, folder.filePath(QStringLiteral("demo.sqlite"))));
    StoreContents contents;
    // Relative: the demo ERP beside data.dbs, wherever the process was started.
    contents.server = QStringLiteral("sqlite:demo.sqlite");
    contents.database = QStringLiteral("DEMO");
    contents.user = QStringLiteral("sa");
    contents.password = QStringLiteral("gizli'şifre");
    createStore(storePath(folder.path()), contents);

    const ErpServerSettings read = ErpSession::readserversettings(folder.path());
    QCOMPARE(read.server, contents.server);
    QCOMPARE(read.database, contents.database);
    QCOMPARE(read.user, contents.user);
    QCOMPARE(read.password, contents.password);

    ErpSession &session = ErpSession::instance();
    const QString trace = folder.filePath(QStringLiteral("trace.sql"));
    QVERIFY_OK(session.setTraceFile(trace));
    QVERIFY_OK(session.connect(folder.path()));
    QVERIFY(session.watch().isOpen());
    QCOMPARE(session.settings().server, contents.server);
    ErpConnection *const first = &session.primary();
    QCOMPARE(erp().query(QStringLiteral("select * from L_CAPIFIRM")).rowCount(), 2);
    QCOMPARE(readLines(trace), QStringList{QStringLiteral("select * from L_CAPIFIRM")});

    // Every connect reopens the connections in place from the store as it is
    // now: a model given the primary connection before reads on through it.
    QVERIFY(session.connect(folder.path()));
    QCOMPARE(&session.primary(), first);
    QCOMPARE(first->query(QStringLiteral("select * from L_CAPIFIRM")).rowCount(), 2);
    // A command line run logs in once: no watch connection beside the primary.
    QVERIFY(session.connect(folder.path(), false));
    QVERIFY(!session.watch().isOpen());
    QVERIFY(QFile::remove(folder.filePath(QStringLiteral("demo.sqlite"))));
    QVERIFY(!session.connect(folder.path()));
    QVERIFY(!session.primary().isOpen());
    QVERIFY(!session.watch().isOpen());
    QVERIFY_OK(session.setTraceFile(QString()));
}

void TestErpConnection::sessionWithoutStore()
{
    QTemporaryDir empty;
    const ErpServerSettings read = ErpSession::readserversettings(empty.path());
    QVERIFY(read.server.isEmpty() && read.database.isEmpty() && read.user.isEmpty() &&
            read.password.isEmpty());
    const Result<void> connected = ErpSession::instance().connect(empty.path());
    QVERIFY(!connected);
    QVERIFY(!connected.errorText().isEmpty());
    QVERIFY(!QFileInfo::exists(storePath(empty.path())));
}

QTEST_GUILESS_MAIN(TestErpConnection)
#include "tst_erpconnection.moc"
