// "Bağlantıyı Dene": the typed settings against the TDS test server (the real
// ODBC and FreeTDS path), a silent and a closed port, and the demo ERP file.
#include "common/needs.h"
#include "settingsfixture.h"

#include "settings/connectiontest.h"

#include <QElapsedTimer>
#include <QTest>

using namespace tarvel;
using namespace tarvel::test;
using Outcome = ConnectionCheck::Outcome;

Q_DECLARE_METATYPE(ConnectionCheck::Outcome)

namespace {
const QString database = QStringLiteral("TARVELDB");
const QString user = QStringLiteral("tarvel");
const QString password = QStringLiteral("Gizli'Şifre;1");
} // namespace

class TestConnectionTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();

    void againstServer_data();
    void againstServer();
    void silentPortAnswersInTime();
    void demoErpFile_data();
    void demoErpFile();

private:
    std::unique_ptr<TdsServer> m_server;
    QTemporaryDir m_dir;
};

void TestConnectionTest::initTestCase()
{
    QVERIFY2(!settingsErpFile().isEmpty(), qPrintable(settingsErpError()));
    if (!TdsServer::freeTdsInstalled())
        return; // the server cases skip themselves
    m_server =
        std::make_unique<TdsServer>(TdsServer::Options{settingsErpFile(), user, password, database, {}});
    QVERIFY2(m_server->start(), qPrintable(m_server->errorText()));
}

void TestConnectionTest::againstServer_data()
{
    QTest::addColumn<QString>("server"); // empty: the test server
    QTest::addColumn<QString>("database");
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("password");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QString>("says");

    QTest::newRow("right settings") << "" << database << user << password << Outcome::Connected << "3 firma";
    QTest::newRow("wrong password") << "" << database << user << "Gizli'Şifre;2" << Outcome::LoginRefused
                                    << "şifre yanlış";
    // Found in any Turkish sentence: only the driver's words may be masked.
    QTest::newRow("wrong one-letter password")
        << "" << database << user << "a" << Outcome::LoginRefused << "(\"tarvel\") veya şifre yanlış.";
    QTest::newRow("wrong login") << "" << database << "sa" << password << Outcome::LoginRefused << "\"sa\"";
    QTest::newRow("wrong database") << ""
                                    << "BASKA" << user << password << Outcome::DatabaseUnavailable
                                    << "\"BASKA\" veritabanı açılamadı";
    const QString closed = QStringLiteral("127.0.0.1,%1").arg(LoopbackPort(false).port());
    QTest::newRow("closed port") << closed << database << user << password << Outcome::NoAnswer
                                 << "Sunucu yanıt vermedi";
    QTest::newRow("unknown host") << "tarvel-yok.invalid" << database << user << password << Outcome::NoAnswer
                                  << "Sunucu bulunamadı";
}

void TestConnectionTest::againstServer()
{
    QFETCH(QString, server);
    QFETCH(QString, database);
    QFETCH(QString, user);
    QFETCH(QString, password);
    QFETCH(Outcome, outcome);
    QFETCH(QString, says);
    if (!m_server)
        NEEDS_OR_SKIP("the FreeTDS ODBC driver (tdsodbc) is not installed");

    const ConnectionCheck check = checkConnection(
        {server.isEmpty() ? m_server->serverValue() : server, database, user, password}, m_dir.path());
    QCOMPARE(check.outcome, outcome);
    QVERIFY2(check.text.contains(says), qPrintable(check.text));
    if (password.size() > 1) // one letter is in every sentence
        QVERIFY2(!check.text.contains(password), qPrintable(check.text));
}

void TestConnectionTest::silentPortAnswersInTime()
{
    if (!m_server)
        NEEDS_OR_SKIP("the FreeTDS ODBC driver (tdsodbc) is not installed");
    LoopbackPort silent(true);
    QVERIFY(silent.port() > 0);
    QElapsedTimer clock;
    clock.start();
    const ConnectionCheck check = checkConnection(
        {QStringLiteral("127.0.0.1,%1").arg(silent.port()), database, user, password}, m_dir.path());
    const qint64 took = clock.elapsed();
    QCOMPARE(check.outcome, Outcome::NoAnswer);
    QVERIFY2(took < 5500, qPrintable(QStringLiteral("the test took %1 ms").arg(took)));
}

void TestConnectionTest::demoErpFile_data()
{
    QTest::addColumn<QString>("file"); // relative to the working directory, or absolute
    QTest::addColumn<Outcome>("outcome");

    QTest::newRow("ERP file") << settingsErpFile() << Outcome::Connected;
    QTest::newRow("missing file") << "yok.sqlite" << Outcome::DatabaseUnavailable;
    QTest::newRow("a file without the firm list") << "bos.sqlite" << Outcome::NotAnErpDatabase;
}

void TestConnectionTest::demoErpFile()
{
    QFETCH(QString, file);
    QFETCH(Outcome, outcome);
    const QString empty = m_dir.filePath(QStringLiteral("bos.sqlite"));
    if (!QFile::exists(empty))
        QCOMPARE(writeSqliteFile(empty, QStringLiteral("CREATE TABLE X (A INTEGER);")), QString());

    const ConnectionCheck check =
        checkConnection({QStringLiteral("sqlite:") + file, {}, {}, {}}, m_dir.path());
    QCOMPARE(check.outcome, outcome);
}

QTEST_GUILESS_MAIN(TestConnectionTest)
#include "tst_connectiontest.moc"
