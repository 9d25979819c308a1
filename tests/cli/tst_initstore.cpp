// tarvel-report init-store: a new data.dbs that the program can open, and an
// existing one never overwritten.
#include "foundation/localstore.h"
#include "foundation/sharedsettings.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace tarvel;

class TestInitStore : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void createsStoreInWorkingDirectory();
    void createsStoreInNamedDirectory();
    void refusesExistingStore();

private:
    int run(const QStringList &args, const QString &workDir, QByteArray *err = nullptr);
};

void TestInitStore::initTestCase()
{
    QVERIFY2(QFile::exists(QStringLiteral(TARVEL_BIN_DIR "/tarvel-report")), "tarvel-report is not built");
}

int TestInitStore::run(const QStringList &args, const QString &workDir, QByteArray *err)
{
    QProcess p;
    p.setWorkingDirectory(workDir);
    p.start(QStringLiteral(TARVEL_BIN_DIR "/tarvel-report"), args);
    if (!p.waitForFinished(60000))
        return -1;
    if (err)
        *err = p.readAllStandardError();
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

void TestInitStore::createsStoreInWorkingDirectory()
{
    QTemporaryDir dir;
    QCOMPARE(run({QStringLiteral("init-store")}, dir.path()), 0);
    // What every report window does first must succeed on the new store.
    SharedSettings settings;
    settings.fir = QStringLiteral("eski");
    QVERIFY(oku(dir.path(), settings));
    QCOMPARE(settings.fir, QString());
    StoreSession session(storePath(dir.path()));
    for (const char *table : {"login", "server", "instan", "veritabani", "ses"})
        QCOMPARE(session.store().query(selectRow(QLatin1String(table))).value(QStringLiteral("id")),
                 QStringLiteral("1"));
}

void TestInitStore::createsStoreInNamedDirectory()
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("yeni klasör"));
    QCOMPARE(run({QStringLiteral("init-store"), target}, dir.path()), 0);
    QVERIFY(QFile::exists(storePath(target)));
    QVERIFY(!QFile::exists(storePath(dir.path())));
}

void TestInitStore::refusesExistingStore()
{
    QTemporaryDir dir;
    StoreContents contents;
    contents.loginPassword = QStringLiteral("GİZLİ");
    createStore(storePath(dir.path()), contents);

    QByteArray err;
    QVERIFY(run({QStringLiteral("init-store"), dir.path()}, dir.path(), &err) != 0);
    QVERIFY(err.contains("already exists"));
    StoreSession session(storePath(dir.path()));
    QCOMPARE(session.store().query(selectRow(QStringLiteral("login"))).value(QStringLiteral("sifre")),
             QStringLiteral("GİZLİ"));
}

QTEST_GUILESS_MAIN(TestInitStore)
#include "tst_initstore.moc"
