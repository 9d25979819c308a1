// Start-up against real connections: erpconnect leading to the main window or
// to the connection-failure window, the retry and the settings path of that
// window, one window of each kind however often erpconnect runs, the second
// instance, and the real program started in a prepared folder.
#include "common/needs.h"
#include "common/storedamage.h"
#include "common/tdsserver.h"
#include "dialogs/logingate.h"
#include "dialogs/messagebox.h"
#include "foundation/erp/erpsession.h"
#include "foundation/store/localstore.h"
#include "mainwindow/baglan.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/singleinstance.h"
#include "mainwindow/startup.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>

using namespace tarvel;
using test::TdsServer;

namespace {

const QString user = QStringLiteral("u");
const QString password = QStringLiteral("p");
const QString database = QStringLiteral("demo");

// A port on which nothing listens.
int closedPort()
{
    return test::LoopbackPort(false).port(); // free again when the socket goes
}

template <typename T> QList<T *> visibleTopLevels()
{
    QList<T *> found;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *t = qobject_cast<T *>(w); t && t->isVisible())
            found << t;
    }
    return found;
}

QWidget *visibleTopLevel(const QString &objectName)
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == objectName && w->isVisible())
            return w;
    }
    return nullptr;
}

} // namespace

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void reachableErpOpensMainWindow();
    void unreachableErpOpensBaglan_data();
    void unreachableErpOpensBaglan();
    void unreadableStoreSaysWhy_data();
    void unreadableStoreSaysWhy();
    void baglanGreysButtonForTheAttempt();
    void failedRetryEnablesBaglanAgain();
    void retryAfterServerIsBackOpensMainWindow();
    void baglanClosesItselfOnceConnected();
    void ayarlarOpensGateAndClosesBaglan();
    void failingReconnectKeepsOneOfEach();
    void secondInstanceEndsWithoutWindow();
    void closingMainWindowEndsProgram();

    void realProgram_data();
    void realProgram();

private:
    void writeStore(const QString &server, const QString &dir = QString());
    AppPaths paths() const { return {m_dir->path(), m_dir->path()}; }

    QString m_erp;          // the ERP fixture, shared by every test
    QStringList m_messages; // what showmessage was asked to show
    QTemporaryDir m_fixtures;
    std::unique_ptr<QTemporaryDir> m_dir; // program and working folder of one test
};

void TestStartup::initTestCase()
{
    // Nothing may end the test run when the last window of a test closes.
    QApplication::setQuitOnLastWindowClosed(false);
    m_erp = m_fixtures.filePath(QStringLiteral("erp.sqlite"));
    const QString error = test::writeSqliteFile(
        m_erp, QStringLiteral("CREATE TABLE L_CAPIFIRM (NR SMALLINT, NAME VARCHAR(51));"
                              "INSERT INTO L_CAPIFIRM VALUES (1, 'DEMO TİCARET A.Ş.');"));
    QVERIFY2(error.isEmpty(), qPrintable(error));
}

void TestStartup::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_messages.clear();
    setMessageResponder([this](const QString &text, Caption, Icon, Buttons) {
        m_messages << text;
        return 1;
    });
    // Every test starts from closed connections, whatever the one before left.
    writeStore(QStringLiteral("sqlite:") + m_dir->filePath("no-such-erp.sqlite"));
    QVERIFY(!ErpSession::instance().connect(m_dir->path()));
}

void TestStartup::cleanup()
{
    // Windows the start-up opened without an owner: the gate, the settings.
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QLatin1String("login") || w->objectName() == QLatin1String("parametre"))
            delete w;
    }
    m_dir.reset();
    setMessageResponder({});
}

void TestStartup::writeStore(const QString &server, const QString &dir)
{
    const QString path = storePath(dir.isEmpty() ? m_dir->path() : dir);
    QFile::remove(path);
    StoreContents contents;
    contents.server = server;
    contents.database = database;
    contents.user = user;
    contents.password = password;
    contents.loginPassword = QStringLiteral("1234");
    createStore(path, contents);
}

void TestStartup::reachableErpOpensMainWindow()
{
    writeStore(QStringLiteral("sqlite:") + m_erp);
    Startup startup(paths(), WindowFactory());
    QVERIFY(startup.erpconnect());

    MainWindow *main = startup.mainWindow();
    QVERIFY(main);
    QVERIFY(main->isVisible());
    QCOMPARE(main->objectName(), QStringLiteral("MDIForm1"));
    QCOMPARE(main->tabStrip()->currentIndex(), 0);
    QCOMPARE(main->mdiArea()->activeSubWindow()->widget()->objectName(), QStringLiteral("tarvelfatura"));
    QVERIFY(!startup.baglan());
    QVERIFY(ErpSession::instance().watch().isOpen());

    // Running erpconnect again only shows the same window.
    QVERIFY(startup.erpconnect());
    QCOMPARE(startup.mainWindow(), main);
    QCOMPARE(visibleTopLevels<MainWindow>().size(), 1);
    QCOMPARE(main->mdiArea()->subWindowList().size(), 1);
}

void TestStartup::unreachableErpOpensBaglan_data()
{
    QTest::addColumn<QString>("server");
    QTest::addColumn<bool>("silent"); // a server that takes the connection and never answers

    QTest::newRow("closed port") << QStringLiteral("127.0.0.1,%1").arg(closedPort()) << false;
    QTest::newRow("server that never answers") << QString() << true;
    QTest::newRow("missing ERP file")
        << QStringLiteral("sqlite:") + QDir::tempPath() + "/no/such.sqlite" << false;
}

void TestStartup::unreachableErpOpensBaglan()
{
    QFETCH(QString, server);
    QFETCH(bool, silent);

    test::LoopbackPort mute(silent);
    if (silent) {
        QVERIFY(mute.port() > 0);
        server = QStringLiteral("127.0.0.1,%1").arg(mute.port());
    }
    writeStore(server);
    Startup startup(paths(), WindowFactory());
    QElapsedTimer clock;
    clock.start();
    QVERIFY(!startup.erpconnect());
    const qint64 took = clock.elapsed();

    QVERIFY(!startup.mainWindow());
    QVERIFY(visibleTopLevels<MainWindow>().isEmpty());
    Baglan *baglan = startup.baglan();
    QVERIFY(baglan);
    QVERIFY(baglan->isVisible());
    QCOMPARE(baglan->objectName(), QStringLiteral("baglan"));
    QCOMPARE(baglan->windowTitle(), QStringLiteral("VELMOR (TARVEL SQL BAĞLANTI)"));
    QCOMPARE(baglan->ayarlarButton()->text(), QStringLiteral("Ayarlar"));
    QCOMPARE(baglan->baglanButton()->text(), QStringLiteral("Bağlan"));
    QVERIFY(baglan->ayarlarButton()->x() < baglan->baglanButton()->x());
    QVERIFY2(took < 5000, qPrintable(QStringLiteral("erpconnect took %1 ms").arg(took)));
    QCOMPARE(m_messages, QStringList()); // the settings were read: nothing to check there
}

void TestStartup::unreadableStoreSaysWhy_data()
{
    QTest::addColumn<QString>("damage"); // as test::damageStore() takes it
    QTest::addColumn<QString>("cause");

    QTest::newRow("no data.dbs") << "<none>"
                                 << "bulunamadı";
    QTest::newRow("not a database") << "<garbage>"
                                    << "bir veritabanı değil";
    QTest::newRow("server table missing") << "drop table server"
                                          << "\"server\" tablosu yok";
    QTest::newRow("server row missing") << "delete from server"
                                        << "\"server\" tablosunda aranan satır yok";
}

// Not "no server given": the message names data.dbs and what is wrong with it,
// then the connection-failure window opens as before.
void TestStartup::unreadableStoreSaysWhy()
{
    QFETCH(QString, damage);
    QFETCH(QString, cause);
    const QString path = storePath(m_dir->path());
    QVERIFY(test::damageStore(path, damage));
    Startup startup(paths(), WindowFactory());
    QVERIFY(!startup.erpconnect());
    QCOMPARE(m_messages.size(), 1);
    const QStringList lines = m_messages.first().split(QLatin1Char('\n'));
    QCOMPARE(lines.first(), QStringLiteral("Ayarları Kontrol Ediniz..."));
    QVERIFY2(lines.size() == 2 && lines.at(1).contains(path) && lines.at(1).contains(cause),
             qPrintable(m_messages.first()));
    QVERIFY(startup.baglan() && startup.baglan()->isVisible());
}

void TestStartup::baglanGreysButtonForTheAttempt()
{
    bool enabledDuringAttempt = true;
    int attempts = 0;
    Baglan *baglan = nullptr;
    Baglan window(
        paths(),
        [&] {
            ++attempts;
            enabledDuringAttempt = baglan->baglanButton()->isEnabled();
        },
        [] {});
    baglan = &window;
    window.show();
    QTRY_VERIFY(window.baglanButton()->isEnabled()); // the watch connection is closed

    window.baglanButton()->click();
    QCOMPARE(attempts, 1);
    QVERIFY(!enabledDuringAttempt);
    QVERIFY(!window.baglanButton()->isEnabled()); // until the next tick
    QTRY_VERIFY(window.baglanButton()->isEnabled());
    QVERIFY(window.isVisible());
}

void TestStartup::failedRetryEnablesBaglanAgain()
{
    writeStore(QStringLiteral("127.0.0.1,%1").arg(closedPort()));
    Startup startup(paths(), WindowFactory());
    QVERIFY(!startup.erpconnect());
    QPointer<Baglan> baglan = startup.baglan();
    QTRY_VERIFY(baglan->baglanButton()->isEnabled());

    baglan->baglanButton()->click();
    QVERIFY(!baglan->baglanButton()->isEnabled());
    QTRY_VERIFY(baglan->baglanButton()->isEnabled());
    QCOMPARE(startup.baglan(), baglan.data());
    QCOMPARE(visibleTopLevels<Baglan>().size(), 1);
    QVERIFY(!startup.mainWindow());
}

void TestStartup::retryAfterServerIsBackOpensMainWindow()
{
    if (!TdsServer::freeTdsInstalled())
        NEEDS_OR_SKIP("the FreeTDS ODBC driver (tdsodbc) is not installed");
    writeStore(QStringLiteral("127.0.0.1,%1").arg(closedPort()));
    Startup startup(paths(), WindowFactory());
    QVERIFY(!startup.erpconnect());
    QPointer<Baglan> baglan = startup.baglan();
    QVERIFY(baglan);

    // The server comes up; the settings now point at it.
    TdsServer server({m_erp, user, password, database, {}});
    QVERIFY2(server.start(), qPrintable(server.errorText()));
    writeStore(server.serverValue());

    baglan->baglanButton()->click();
    QVERIFY(startup.mainWindow());
    QVERIFY(startup.mainWindow()->isVisible());
    QCOMPARE(startup.mainWindow()->mdiArea()->activeSubWindow()->widget()->objectName(),
             QStringLiteral("tarvelfatura"));
    QTRY_VERIFY(!baglan); // closed itself on the next tick
    QVERIFY(visibleTopLevels<Baglan>().isEmpty());
}

void TestStartup::baglanClosesItselfOnceConnected()
{
    writeStore(QStringLiteral("sqlite:") + m_erp);
    QVERIFY(ErpSession::instance().connect(m_dir->path()));

    // Loaded while the watch connection is open: "Bağlan" starts greyed and
    // the first tick closes the window.
    QPointer<Baglan> baglan = new Baglan(
        paths(), [] {}, [] {});
    baglan->setAttribute(Qt::WA_DeleteOnClose);
    QVERIFY(!baglan->baglanButton()->isEnabled());
    baglan->show();
    QTRY_VERIFY(!baglan);
}

void TestStartup::ayarlarOpensGateAndClosesBaglan()
{
    writeStore(QStringLiteral("127.0.0.1,%1").arg(closedPort()));
    Startup startup(paths(), WindowFactory());
    QVERIFY(!startup.erpconnect());
    QPointer<Baglan> baglan = startup.baglan();

    baglan->ayarlarButton()->click();
    QWidget *gate = visibleTopLevel(QStringLiteral("login"));
    QVERIFY(gate);
    QVERIFY(qobject_cast<LoginGate *>(gate));
    QVERIFY(!gate->isModal());
    QTRY_VERIFY(!baglan);
    QVERIFY(!startup.mainWindow());
}

void TestStartup::failingReconnectKeepsOneOfEach()
{
    writeStore(QStringLiteral("sqlite:") + m_erp);
    Startup startup(paths(), WindowFactory());
    QVERIFY(startup.erpconnect());
    MainWindow *main = startup.mainWindow();

    // The server goes away: baglan opens over the main window, once however
    // often erpconnect fails.
    writeStore(QStringLiteral("127.0.0.1,%1").arg(closedPort()));
    QVERIFY(!startup.erpconnect());
    Baglan *baglan = startup.baglan();
    QVERIFY(baglan && baglan->isVisible());
    QVERIFY(!startup.erpconnect());
    QCOMPARE(startup.baglan(), baglan);
    QCOMPARE(startup.mainWindow(), main);
    QCOMPARE(visibleTopLevels<Baglan>().size(), 1);
    QCOMPARE(visibleTopLevels<MainWindow>().size(), 1);

    // And back: the same main window, baglan closes itself.
    writeStore(QStringLiteral("sqlite:") + m_erp);
    QPointer<Baglan> watched = baglan;
    baglan->baglanButton()->click();
    QCOMPARE(startup.mainWindow(), main);
    QTRY_VERIFY(!watched);
}

void TestStartup::secondInstanceEndsWithoutWindow()
{
    writeStore(QStringLiteral("sqlite:") + m_erp);
    SingleInstance running(m_dir->path());
    QVERIFY(running.tryLock());

    Startup startup(paths(), WindowFactory());
    QSignalSpy quit(&startup, &Startup::quitRequested);
    startup.erpconnect();
    QCOMPARE(quit.size(), 1);
    QVERIFY(!startup.mainWindow());
    QVERIFY(!startup.baglan());
    QVERIFY(visibleTopLevels<QWidget>().isEmpty());
}

void TestStartup::closingMainWindowEndsProgram()
{
    writeStore(QStringLiteral("sqlite:") + m_erp);
    Startup startup(paths(), WindowFactory());
    QSignalSpy quit(&startup, &Startup::quitRequested);
    QVERIFY(startup.erpconnect());
    QVERIFY(startup.mainWindow()->close());
    QCOMPARE(quit.size(), 1);
}

void TestStartup::realProgram_data()
{
    QTest::addColumn<bool>("reachable");
    QTest::newRow("main window") << true;
    QTest::newRow("connection-failure window") << false;
}

void TestStartup::realProgram()
{
    QFETCH(bool, reachable);

    const QString program = QStringLiteral(TARVEL_BIN_DIR "/tarvel");
    QVERIFY2(QFileInfo(program).isExecutable(), qPrintable(program));
    writeStore(reachable ? QStringLiteral("sqlite:") + m_erp
                         : QStringLiteral("127.0.0.1,%1").arg(closedPort()));

    const auto start = [&](QProcess &process) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(m_dir->path());
        process.setProcessChannelMode(QProcess::ForwardedChannels);
        process.start(program, {});
        return process.waitForStarted();
    };

    // It keeps running with its window until someone closes it.
    QProcess first;
    QVERIFY(start(first));
    QVERIFY(!first.waitForFinished(2000));

    if (reachable) {
        // A second start in the same program folder ends at once, quietly.
        QProcess second;
        QVERIFY(start(second));
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
    }
    QVERIFY(first.state() == QProcess::Running);

    // Killed, the first leaves its lock behind; the next start is not kept out.
    first.kill();
    QVERIFY(first.waitForFinished());
    QProcess again;
    QVERIFY(start(again));
    QVERIFY(!again.waitForFinished(2000));
    again.terminate();
    QVERIFY(again.waitForFinished());
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
