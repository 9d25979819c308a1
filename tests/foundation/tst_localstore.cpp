// The local store data.dbs: the handle, the program's statements, the store
// builder and the report windows' shared-settings loader.
#include "common/storedamage.h"
#include "common/storelock.h"
#include "common/verifyok.h"
#include "foundation/base/errors.h"
#include "foundation/store/localstore.h"
#include "foundation/store/sharedsettings.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <optional>
#include <thread>

#include <unistd.h>

using namespace tarvel;

namespace {

QStringList sharedValues(const SharedSettings &s)
{
    return {s.bulses, s.bulmases, s.sateleman, s.genkdv, s.fir,       s.don,
            s.fiyat1, s.fiyat2,   s.birim1,    s.birim2, s.stkartipi, s.brset};
}

// Every value different, so a field copied from the wrong column shows.
StoreContents distinctContents()
{
    StoreContents c;
    c.loginPassword = QStringLiteral("GİZLİ");
    c.server = QStringLiteral("sunucu\\SQL");
    c.database = QStringLiteral("ERP");
    c.user = QStringLiteral("sa");
    c.password = QStringLiteral("parola");
    c.instanceName = QStringLiteral("SQLEXPRESS");
    c.instanceUsed = QStringLiteral("1");
    c.fir = QStringLiteral("12- ÖRNEK TİCARET");
    c.don = QStringLiteral("1- 12-(01.01.2024)  (31.12.2024)");
    c.fiyat1 = QStringLiteral("1- USD");
    c.fiyat2 = QStringLiteral("20- EUR");
    c.brset = QStringLiteral("5- ADET");
    c.birim1 = QStringLiteral("6- ADET");
    c.birim2 = QStringLiteral("7- KOLİ");
    c.stkartipi = QStringLiteral("1-Ticari mal");
    c.sateleman = QStringLiteral("SATICI");
    c.genkdv = QStringLiteral("20");
    c.bulses = QStringLiteral("1");
    c.bulmases = QStringLiteral("0");
    return c;
}

QStringList distinctShared()
{
    const StoreContents c = distinctContents();
    return {c.bulses, c.bulmases, c.sateleman, c.genkdv, c.fir,       c.don,
            c.fiyat1, c.fiyat2,   c.birim1,    c.birim2, c.stkartipi, c.brset};
}

SharedSettings oldSettings()
{
    SharedSettings s;
    for (QString *f : {&s.bulses, &s.bulmases, &s.sateleman, &s.genkdv, &s.fir, &s.don, &s.fiyat1, &s.fiyat2,
                       &s.birim1, &s.birim2, &s.stkartipi, &s.brset})
        *f = QStringLiteral("eski");
    return s;
}

} // namespace

class TestLocalStore : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void openMissingFileCreatesNothing();
    void createStoreRows();
    void createStoreRefusesExistingFile();
    void queryErrors();
    void nullsAndColumnCase();
    void sessionClosesOnError();

    void updatesStoreValuesAsTyped_data();
    void updatesStoreValuesAsTyped();

    void okuLoads();
    void okuEmptyRowLoads();
    void okuFailures_data();
    void okuFailures();
    void okuChecksFirmAndPeriod_data();
    void okuChecksFirmAndPeriod();
    void lockedWriteWaitsBounded();

private:
    QStringList readRow(const QString &table, const QStringList &columns);
    void addRowTwoFirst(const QString &table);
    QTemporaryDir m_dir;
    QString m_path;
};

void TestLocalStore::init()
{
    QVERIFY(m_dir.isValid());
    m_path = storePath(m_dir.path());
    QFile::remove(m_path);
}

void TestLocalStore::cleanup()
{
    QVERIFY(!LocalStore::handle().isOpen()); // every user closes what it opened
}

QStringList TestLocalStore::readRow(const QString &table, const QStringList &columns)
{
    StoreSession session(m_path);
    const StoreRow row = session.store().query(selectRow(table));
    QStringList values;
    for (const QString &c : columns)
        values << row.value(c);
    return values;
}

// A second row, id '2', placed before row '1': a statement that misses "id='1'"
// reads it first or changes it too.
void TestLocalStore::addRowTwoFirst(const QString &table)
{
    StoreSession session(m_path);
    session.store().execute(QStringLiteral("insert into %1 select * from %1").arg(table));
    session.store().execute(
        QStringLiteral("update %1 set id='2' where rowid=(select min(rowid) from %1)").arg(table));
}

void TestLocalStore::openMissingFileCreatesNothing()
{
    QVERIFY_THROWS_EXCEPTION(StoreError, LocalStore::handle().open(m_path));
    QVERIFY(!QFile::exists(m_path));
    QVERIFY(!LocalStore::handle().isOpen());
    QVERIFY_THROWS_EXCEPTION(StoreError, LocalStore::handle().open(m_dir.path())); // a directory
}

void TestLocalStore::createStoreRows()
{
    createStore(m_path, distinctContents());
    QCOMPARE(readRow("login", {"id", "sifre"}), QStringList({"1", "GİZLİ"}));
    QCOMPARE(readRow("server", {"id", "server", "sql", "kuladi", "sifre"}),
             QStringList({"1", "sunucu\\SQL", "ERP", "sa", "parola"}));
    QCOMPARE(readRow("instan", {"id", "insname", "inskullan"}), QStringList({"1", "SQLEXPRESS", "1"}));
    QCOMPARE(readRow("veritabani", {"fir", "don", "fiyat1", "fiyat2", "brset", "birim1", "birim2",
                                    "stkartipi", "sateleman", "genkdv"}),
             QStringList({"12- ÖRNEK TİCARET", "1- 12-(01.01.2024)  (31.12.2024)", "1- USD", "20- EUR",
                          "5- ADET", "6- ADET", "7- KOLİ", "1-Ticari mal", "SATICI", "20"}));
    QCOMPARE(readRow("ses", {"id", "bulses", "bulmases"}), QStringList({"1", "1", "0"}));

    // Defaults: empty texts (never NULL) and the flags "0".
    QFile::remove(m_path);
    createStore(m_path, StoreContents());
    QCOMPARE(readRow("login", {"sifre"}), QStringList({""}));
    QCOMPARE(readRow("instan", {"insname", "inskullan"}), QStringList({"", "0"}));
    QCOMPARE(readRow("ses", {"bulses", "bulmases"}), QStringList({"0", "0"}));
}

void TestLocalStore::createStoreRefusesExistingFile()
{
    {
        QFile f(m_path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("keep me");
    }
    QVERIFY_THROWS_EXCEPTION(StoreError, createStore(m_path, StoreContents()));
    QFile f(m_path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("keep me"));
}

void TestLocalStore::queryErrors()
{
    QVERIFY_THROWS_EXCEPTION(StoreError, LocalStore::handle().query(selectRow("login"))); // not open
    createStore(m_path, StoreContents());
    StoreSession session(m_path);
    LocalStore &store = session.store();
    QVERIFY(store.isOpen());
    QVERIFY_THROWS_EXCEPTION(StoreError, store.query("select * from yok where id='1'"));
    QVERIFY_THROWS_EXCEPTION(StoreError, store.query("select * from login where id='2'"));
    QVERIFY_THROWS_EXCEPTION(StoreError, store.execute("Update yok set a = '1'"));
    QVERIFY_THROWS_EXCEPTION(StoreError, store.query(selectRow("login")).value("kuladi"));
}

void TestLocalStore::nullsAndColumnCase()
{
    createStore(m_path, StoreContents());
    StoreSession session(m_path);
    session.store().execute("create table t (ID text, Ad text, Bos text)");
    session.store().execute("insert into t values ('1', 'Ayşe', NULL)");
    const StoreRow row = session.store().query("select * from t");
    QCOMPARE(row.value("id"), QStringLiteral("1"));
    QCOMPARE(row.value("AD"), QStringLiteral("Ayşe"));
    QVERIFY(row.has("ad"));
    QVERIFY(!row.has("bos"));
    QVERIFY_THROWS_EXCEPTION(StoreError, row.value("bos"));
}

void TestLocalStore::sessionClosesOnError()
{
    createStore(m_path, StoreContents());
    try {
        StoreSession session(m_path);
        session.store().query("select * from login where id='9'");
        QFAIL("no row must throw");
    } catch (const StoreError &) {
    }
    QVERIFY(!LocalStore::handle().isOpen());
}

void TestLocalStore::updatesStoreValuesAsTyped_data()
{
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QString>("table");
    QTest::addColumn<QStringList>("columns");
    QTest::addColumn<QStringList>("values");

    // Values that would end the literal early and rewrite another column if
    // they went in unescaped.
    QTest::newRow("login") << updateLogin("O'NEİL', sifre = 'X") << "login" << QStringList{"id", "sifre"}
                           << QStringList{"1", "O'NEİL', sifre = 'X"};
    QTest::newRow("server") << updateServer("sa'", "p',sql = 'hacked", "host\\inst", "ERP''DB") << "server"
                            << QStringList{"id", "kuladi", "sifre", "server", "sql"}
                            << QStringList{"1", "sa'", "p',sql = 'hacked", "host\\inst", "ERP''DB"};
    QTest::newRow("instan") << updateInstan("İNS'1", "0") << "instan"
                            << QStringList{"id", "insname", "inskullan"} << QStringList{"1", "İNS'1", "0"};
    const VeritabaniChoices choices{.fir = "1- O'NEİL",
                                    .don = "1- 1-(01.01.2024)  (31.12.2024)",
                                    .fiyat1 = "1- '",
                                    .fiyat2 = "",
                                    .brset = "2- K'",
                                    .birim1 = "3- A",
                                    .birim2 = "4- B' Where id ='1' --",
                                    .stkartipi = "2-Karma koli"};
    // sateleman and genkdv are never written: they keep the store's values.
    QTest::newRow("veritabani")
        << updateVeritabani(choices) << "veritabani"
        << QStringList{"fir",    "don",    "fiyat1",    "fiyat2",    "brset",
                       "birim1", "birim2", "stkartipi", "sateleman", "genkdv"}
        << (QStringList{choices.fir.text, choices.don.text, choices.fiyat1.text, choices.fiyat2.text}
            << choices.brset.text << choices.birim1.text << choices.birim2.text << choices.stkartipi.text
            << "SATICI"
            << "20");
}

void TestLocalStore::updatesStoreValuesAsTyped()
{
    QFETCH(QString, statement);
    QFETCH(QString, table);
    QFETCH(QStringList, columns);
    QFETCH(QStringList, values);
    createStore(m_path, distinctContents());
    QStringList rowTwo = readRow(table, columns);
    if (const qsizetype id = columns.indexOf("id"); id >= 0)
        rowTwo[id] = "2";
    addRowTwoFirst(table);
    {
        StoreSession session(m_path);
        session.store().execute(statement);
    }
    // Row '1' is read and written; the other row stays as it was.
    QCOMPARE(readRow(table, columns), values);
    {
        StoreSession session(m_path);
        const StoreRow other =
            session.store().query(QStringLiteral("select * from %1 where id='2'").arg(table));
        QStringList read;
        for (const QString &column : columns)
            read << other.value(column);
        QCOMPARE(read, rowTwo);
    }
    // The other tables are untouched.
    if (table != "login")
        QCOMPARE(readRow("login", {"sifre"}), QStringList({"GİZLİ"}));
    QCOMPARE(readRow("ses", {"bulses", "bulmases"}), QStringList({"1", "0"}));
}

void TestLocalStore::okuLoads()
{
    createStore(m_path, distinctContents());
    SharedSettings settings = oldSettings();
    QVERIFY_OK(oku(m_dir.path(), settings));
    QCOMPARE(sharedValues(settings), distinctShared());
    QCOMPARE(settings.fir, QStringLiteral("12- ÖRNEK TİCARET")); // the whole entry, not just the number
}

void TestLocalStore::okuEmptyRowLoads()
{
    createStore(m_path, StoreContents());
    SharedSettings settings = oldSettings();
    QVERIFY_OK(oku(m_dir.path(), settings));
    QCOMPARE(settings.fir, QString());
    QCOMPARE(settings.don, QString());
    QCOMPARE(settings.bulses, QStringLiteral("0"));
}

void TestLocalStore::okuFailures_data()
{
    QTest::addColumn<QString>("damage");   // as test::damageStore() takes it, or "<locked>", "<unreadable>"
    QTest::addColumn<int>("fieldsLoaded"); // fields copied in order before the failure
    QTest::addColumn<QString>("cause");    // what the error must say besides the file's path
    QTest::newRow("missing file") << "<none>" << 0 << "bulunamadı";
    QTest::newRow("not a database") << "<garbage>" << 0 << "bir veritabanı değil";
    QTest::newRow("a folder") << "<folder>" << 0 << "klasör";
    QTest::newRow("locked by another program") << "<locked>" << 0 << "kilitli";
    QTest::newRow("no read permission") << "<unreadable>" << 0 << "izni yok";
    QTest::newRow("missing ses table") << "drop table ses" << 0 << "\"ses\" tablosu yok";
    QTest::newRow("ses NULL") << "update ses set bulmases = NULL" << 1
                              << "\"ses\" tablosunda \"bulmases\" alanı boş (NULL)";
    QTest::newRow("missing veritabani row")
        << "delete from veritabani" << 2 << "\"veritabani\" tablosunda aranan satır yok";
    QTest::newRow("row of another id")
        << "update veritabani set id = '2'" << 2 << "\"veritabani\" tablosunda aranan satır yok";
    QTest::newRow("missing veritabani table") << "drop table veritabani" << 2 << "\"veritabani\" tablosu yok";
    QTest::newRow("fir NULL") << "update veritabani set fir = NULL" << 4
                              << "\"veritabani\" tablosunda \"fir\" alanı boş (NULL)";
    QTest::newRow("missing fiyat2 column") << "alter table veritabani drop column fiyat2" << 7
                                           << "\"veritabani\" tablosunda \"fiyat2\" alanı yok";
    QTest::newRow("missing brset column") << "alter table veritabani drop column brset" << 11
                                          << "\"veritabani\" tablosunda \"brset\" alanı yok";
}

// The loader stops at the failing step and says what is wrong and where.
void TestLocalStore::okuFailures()
{
    QFETCH(QString, damage);
    QFETCH(int, fieldsLoaded);
    QFETCH(QString, cause);
    createStore(m_path, distinctContents());
    std::optional<test::StoreLock> lock;
    if (damage == "<locked>") {
        lock.emplace(m_path);
        QVERIFY(lock->held());
    } else if (damage == "<unreadable>") {
        if (::geteuid() == 0)
            QSKIP("root reads every file");
        QVERIFY(QFile::setPermissions(m_path, QFile::WriteOwner));
    } else {
        QVERIFY(test::damageStore(m_path, damage));
    }

    SharedSettings settings = oldSettings();
    const Result<void> loaded = oku(m_dir.path(), settings);
    QVERIFY(!loaded);
    const QString error = loaded.errorText();
    const QStringList expected =
        distinctShared().mid(0, fieldsLoaded) + sharedValues(oldSettings()).mid(fieldsLoaded);
    QCOMPARE(sharedValues(settings), expected);
    QVERIFY2(error.contains(m_path) && error.contains(cause), qPrintable(error));
    if (damage == "<none>")
        QVERIFY(!QFile::exists(m_path));
    if (damage == "<folder>")
        QVERIFY(QDir().rmdir(m_path));
}

void TestLocalStore::okuChecksFirmAndPeriod_data()
{
    QTest::addColumn<QString>("fir");
    QTest::addColumn<QString>("don");
    QTest::addColumn<QString>("cause"); // "" when the pair is taken
    QTest::newRow("firm and its period") << "12- ÖRNEK"
                                         << "1- 12-(01.01.2024)  (31.12.2024)"
                                         << "";
    QTest::newRow("leading zeros") << "012- ÖRNEK"
                                   << "01- 12-(01.01.2024)  (31.12.2024)"
                                   << "";
    QTest::newRow("nothing chosen yet") << ""
                                        << ""
                                        << "";
    QTest::newRow("damaged firm") << "abc- X"
                                  << "1- 12-(01.01.2024)  (31.12.2024)"
                                  << "bir firma numarasıyla başlamıyor";
    QTest::newRow("damaged period") << "12- ÖRNEK"
                                    << "X"
                                    << "bir dönem numarasıyla başlamıyor";
    QTest::newRow("firm without period") << "12- ÖRNEK"
                                         << ""
                                         << "bir dönem numarasıyla başlamıyor";
    QTest::newRow("period of another firm") << "3- MEHMET"
                                            << "1- 12-(01.01.2024)  (31.12.2024)"
                                            << "12 numaralı firmanın dönemi";
}

// A damaged or mismatched firm and period would reach the ERP as a table
// that does not exist; the load names data.dbs and both values instead.
void TestLocalStore::okuChecksFirmAndPeriod()
{
    QFETCH(QString, fir);
    QFETCH(QString, don);
    QFETCH(QString, cause);
    StoreContents contents = distinctContents();
    contents.fir = fir;
    contents.don = don;
    createStore(m_path, contents);

    SharedSettings settings = oldSettings();
    const Result<void> loaded = oku(m_dir.path(), settings);
    QCOMPARE(settings.fir, fir);
    QCOMPARE(settings.brset, contents.brset); // every field loaded
    if (cause.isEmpty()) {
        QVERIFY_OK(loaded);
        return;
    }
    QVERIFY(!loaded);
    const QString error = loaded.errorText();
    QVERIFY2(error.contains(m_path) && error.contains(cause), qPrintable(error));
    QVERIFY2(error.contains(QLatin1Char('"') + fir + QLatin1Char('"')) &&
                 error.contains(QLatin1Char('"') + don + QLatin1Char('"')),
             qPrintable(error));
}

// A write to a store another program holds waits for the lock a bounded time:
// a short lock is outlasted, a long one fails naming the file and the lock.
void TestLocalStore::lockedWriteWaitsBounded()
{
    createStore(m_path, distinctContents());
    StoreSession session(m_path);
    {
        test::StoreLock lock(m_path);
        QVERIFY(lock.held());
        QElapsedTimer clock;
        clock.start();
        try {
            session.store().execute(updateLogin(QStringLiteral("YENİ")));
            QFAIL("the write went through a lock");
        } catch (const StoreError &e) {
            QVERIFY2(e.description().contains(m_path) && e.description().contains(QStringLiteral("kilitli")),
                     qPrintable(e.description()));
        }
        QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
    }
    test::StoreLock lock(m_path);
    QVERIFY(lock.held());
    std::thread releaser([&lock] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        lock.release();
    });
    const auto join = qScopeGuard([&releaser] { releaser.join(); });
    session.store().execute(updateLogin(QStringLiteral("YENİ")));
    QCOMPARE(session.store().query(selectRow(QStringLiteral("login"))).value(QStringLiteral("sifre")),
             QStringLiteral("YENİ"));
}

QTEST_GUILESS_MAIN(TestLocalStore)
#include "tst_localstore.moc"
