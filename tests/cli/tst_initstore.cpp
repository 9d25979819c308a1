// tarvel-report init-store: a new data.dbs that the program can open, and an
// existing one never overwritten.
#include "common/programrun.h"
#include "common/verifyok.h"
#include "foundation/store/localstore.h"
#include "foundation/store/sharedsettings.h"

#include <QDir>
#include <QFile>
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
    void storeOption_data();
    void storeOption();
    void badArguments_data();
    void badArguments();

private:
    int run(const QStringList &args, const QString &workDir, QByteArray *err = nullptr);
};

void TestInitStore::initTestCase()
{
    QVERIFY2(QFile::exists(QStringLiteral(TARVEL_BIN_DIR "/tarvel-report")), "tarvel-report is not built");
}

int TestInitStore::run(const QStringList &args, const QString &workDir, QByteArray *err)
{
    const test::ProgramRun result = test::runReport(workDir, args);
    if (err)
        *err = result.err.toUtf8();
    return result.exitCode;
}

void TestInitStore::createsStoreInWorkingDirectory()
{
    QTemporaryDir dir;
    QCOMPARE(run({QStringLiteral("init-store")}, dir.path()), 0);
    // What every report window does first must succeed on the new store.
    SharedSettings settings;
    settings.fir = QStringLiteral("eski");
    QVERIFY_OK(oku(dir.path(), settings));
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

void TestInitStore::storeOption_data()
{
    QTest::addColumn<QString>("option"); // relative to the working directory
    QTest::addColumn<QString>("folder"); // where data.dbs must appear

    QTest::newRow("existing folder") << "sub"
                                     << "sub";
    QTest::newRow("folder not made yet") << "sub/new"
                                         << "sub/new";
    QTest::newRow("its data.dbs") << "sub/new/data.dbs"
                                  << "sub/new";
}

// --store names where data.dbs is; a folder that does not exist yet is never
// mistaken for a file in its parent.
void TestInitStore::storeOption()
{
    QFETCH(QString, option);
    QFETCH(QString, folder);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("sub")));
    QByteArray err;
    QCOMPARE(run({QStringLiteral("--store"), option, QStringLiteral("init-store")}, dir.path(), &err), 0);
    QVERIFY2(QFile::exists(storePath(QDir(dir.path()).filePath(folder))), err.constData());
    for (const QString &other : {dir.path(), dir.filePath(QStringLiteral("sub"))}) {
        if (QDir(other) != QDir(dir.filePath(folder)))
            QVERIFY2(!QFile::exists(storePath(other)), qPrintable(other));
    }
}

void TestInitStore::badArguments_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("--store without value")
        << QStringList{QStringLiteral("init-store"), QStringLiteral("--store")};
    QTest::newRow("--trace-sql without value")
        << QStringList{QStringLiteral("init-store"), QStringLiteral("--trace-sql")};
    QTest::newRow("--store naming another file")
        << QStringList{QStringLiteral("--store"), QStringLiteral("other.dbs"), QStringLiteral("init-store")};
    QTest::newRow("firms with an argument") << QStringList{QStringLiteral("firms"), QStringLiteral("extra")};
    // Neither may become a folder named after an option.
    QTest::newRow("init-store with an unknown option")
        << QStringList{QStringLiteral("init-store"), QStringLiteral("--x")};
    QTest::newRow("--store followed by an option")
        << QStringList{QStringLiteral("--store"), QStringLiteral("--x"), QStringLiteral("init-store")};
}

// Refused with the usage, before anything is read or written.
void TestInitStore::badArguments()
{
    QFETCH(QStringList, args);
    QTemporaryDir dir;
    {
        QFile other(dir.filePath(QStringLiteral("other.dbs")));
        QVERIFY(other.open(QIODevice::WriteOnly));
    }
    QByteArray err;
    QCOMPARE(run(args, dir.path(), &err), 2);
    QVERIFY2(err.contains("usage") || err.contains("--store names"), err.constData());
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("other.dbs")});
}

QTEST_GUILESS_MAIN(TestInitStore)
#include "tst_initstore.moc"
