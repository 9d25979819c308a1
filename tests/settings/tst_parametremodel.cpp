// The parameters window's model: loading from data.dbs and the side files, the
// firm choice, the save, and what each does when a step fails.
#include "settingsfixture.h"

#include "common/storedamage.h"
#include "common/storelock.h"
#include "common/verifyok.h"

#include "foundation/base/errors.h"
#include "foundation/erp/erpconnection.h"
#include "foundation/store/sidefiles.h"
#include "settings/parametremodel.h"

#include <QTest>

#include <optional>

using namespace tarvel;
using namespace tarvel::test;

namespace {

QByteArray cp1254Lines(const QStringList &lines)
{
    QByteArray out;
    for (const QString &line : lines)
        out += toCp1254(line) + "\r\n";
    return out;
}

const QStringList fytParSample{QStringLiteral("1"),
                               QStringLiteral("2"),
                               QStringLiteral("İST- İSTANBUL"),
                               QString(),
                               QStringLiteral("ANK- ANKARA"),
                               QStringLiteral("Ç- ÇORUM"),
                               QStringLiteral("Ş- ŞIRNAK"),
                               QStringLiteral("TPT- TOPTANCI"),
                               QStringLiteral("MEHMET'İN GIDA"),
                               QStringLiteral("2"),
                               QStringLiteral("C:\\Resimler\\ekran ğüş.jpg")};

} // namespace

class TestParametreModel : public QObject {
    Q_OBJECT
private slots:
    void init();

    void loadReadsStoreAndSideFiles();
    void saveRoundTrip();
    void fytParWrittenBackUnchanged_data();
    void fytParWrittenBackUnchanged();
    void optionFromLineTen_data();
    void optionFromLineTen();
    void firmChosenTwice();
    void failedFirmChoiceChangesNothing();
    void firmListFailureKeepsStoredChoices();
    void printCounts_data();
    void printCounts();
    void missingStoreStillWritesSideFiles();
    void missingRowIsAFailure_data();
    void missingRowIsAFailure();
    void unreadStoreNeverWrittenOver_data();
    void unreadStoreNeverWrittenOver();
    void lockedStoreAtSave();
    void untouchedNullStaysNull_data();
    void untouchedNullStaysNull();
    void periodMustBeTheFirms_data();
    void periodMustBeTheFirms();

private:
    std::unique_ptr<SettingsFolder> m_folder;
    std::unique_ptr<ErpConnection> m_erp;
};

void TestParametreModel::init()
{
    m_folder = std::make_unique<SettingsFolder>();
    QVERIFY2(m_folder->error().isEmpty(), qPrintable(m_folder->error()));
    m_folder->writeStore();
    QString openError;
    m_erp = m_folder->openErp(openError);
    QVERIFY2(m_erp->isOpen(), qPrintable(openError));
}

void TestParametreModel::loadReadsStoreAndSideFiles()
{
    StoreContents contents = storedSettings();
    contents.loginPassword = QStringLiteral("gizli şifre"); // typed before upper-casing existed
    contents.instanceUsed = QStringLiteral("1");
    m_folder->writeStore(contents);
    m_folder->writeBytes(QStringLiteral("fytPar.velmor"), cp1254Lines(fytParSample));
    m_folder->writeBytes(QStringLiteral("irssatir.velmor"), "12\r\n3\r\n");

    ParametreModel model(m_folder->paths(), *m_erp);
    model.load();
    const ParametreFields &f = model.fields();
    QCOMPARE(f.lgpass, QStringLiteral("GİZLİ ŞİFRE"));
    QCOMPARE(f.srvadi, contents.server);
    QCOMPARE(f.sqladi, contents.database);
    QCOMPARE(f.kladi, contents.user);
    QCOMPARE(f.pass, contents.password);
    QCOMPARE(f.instance, contents.instanceName);
    QVERIFY(f.check1);
    QCOMPARE(f.fir, contents.fir);
    QCOMPARE(f.don, contents.don);
    QCOMPARE(f.dov1, contents.fiyat1);
    QCOMPARE(f.stkartipi, contents.stkartipi);
    // The fields never shown start from what is stored.
    QCOMPARE(f.dov2, contents.fiyat2);
    QCOMPARE(f.brset, contents.brset);
    QCOMPARE(f.br1, contents.birim1);
    QCOMPARE(f.br2, contents.birim2);

    QCOMPARE(f.text1, fytParSample[0]);
    QCOMPARE(f.ch[0], fytParSample[2]);
    QCOMPARE(f.ch[1], QString());
    QCOMPARE(f.grp, fytParSample[7]);
    QCOMPARE(f.firadi, fytParSample[8]);
    QCOMPARE(f.option, QStringLiteral("2"));
    QCOMPARE(f.ekresmi, fytParSample[10]);
    QCOMPARE(f.rowsPerForm, QStringLiteral("12"));
    QCOMPARE(f.copies, QStringLiteral("3"));

    QCOMPARE(model.choices().fir,
             QStringList({QStringLiteral("1- ÖRNEK GIDA A.Ş."), QStringLiteral("3- MEHMET'İN GIDA"),
                          QStringLiteral("4- EKSİK FİRMA")}));
    QVERIFY(model.firmListError().isEmpty());
    // The stored firm's periods are offered at once.
    QCOMPARE(model.choices().don, QStringList({QStringLiteral("1- 1-(01.01.2025)  (31.12.2025)"),
                                               QStringLiteral("2- 1-(01.01.2026)  (31.12.2026)")}));
}

void TestParametreModel::saveRoundTrip()
{
    ParametreModel model(m_folder->paths(), *m_erp);
    model.load();
    ParametreFields &f = model.fields();
    f.lgpass = QStringLiteral("O'NEİL ŞĞÜ");
    f.srvadi = QStringLiteral("sunucu\\ÖRNEK");
    f.sqladi = QStringLiteral("ERP'DB");
    f.kladi = QStringLiteral("kullanıcı'");
    f.pass = QStringLiteral("p'a;ss=ş'");
    f.instance = QStringLiteral("İNS'TANCE");
    f.check1 = true;
    f.fir = QStringLiteral("3- MEHMET'İN GIDA");
    f.don = QStringLiteral("1- 3-(01.01.2026)  (31.12.2026)");
    f.dov1 = QStringLiteral("20- EUR");
    f.stkartipi = ParametreModel::cardTypes().last();
    f.text1 = QStringLiteral("Öncelik'");
    f.ch[4] = QStringLiteral("Ş'- ŞİLE");
    f.firadi = QStringLiteral("ÇAĞRI'NIN ĞIDA");
    f.option = QStringLiteral("2");
    f.ekresmi = QStringLiteral("/resimler/fiyat ekranı.png");
    f.rowsPerForm = QStringLiteral("15");
    f.copies = QStringLiteral("2");
    const ParametreFields saved = f;

    const SaveOutcome outcome = model.serverkaydet();
    QVERIFY2(outcome.ok(), qPrintable(outcome.failures.join(QLatin1Char('\n'))));

    // Stored exactly as typed, and the columns the window does not write kept.
    QCOMPARE(m_folder->stored("login", "sifre"), saved.lgpass);
    QCOMPARE(m_folder->stored("server", "server"), saved.srvadi);
    QCOMPARE(m_folder->stored("server", "sql"), saved.sqladi);
    QCOMPARE(m_folder->stored("server", "kuladi"), saved.kladi);
    QCOMPARE(m_folder->stored("server", "sifre"), saved.pass);
    QCOMPARE(m_folder->stored("instan", "insname"), saved.instance);
    QCOMPARE(m_folder->stored("instan", "inskullan"), QStringLiteral("1"));
    QCOMPARE(m_folder->stored("veritabani", "fir"), saved.fir);
    QCOMPARE(m_folder->stored("veritabani", "don"), saved.don);
    QCOMPARE(m_folder->stored("veritabani", "fiyat1"), saved.dov1);
    QCOMPARE(m_folder->stored("veritabani", "stkartipi"), saved.stkartipi);
    QCOMPARE(m_folder->stored("veritabani", "fiyat2"), storedSettings().fiyat2);
    QCOMPARE(m_folder->stored("veritabani", "brset"), storedSettings().brset);
    QCOMPARE(m_folder->stored("veritabani", "birim1"), storedSettings().birim1);
    QCOMPARE(m_folder->stored("veritabani", "birim2"), storedSettings().birim2);
    QCOMPARE(m_folder->stored("veritabani", "sateleman"), storedSettings().sateleman);
    QCOMPARE(m_folder->stored("veritabani", "genkdv"), storedSettings().genkdv);

    QCOMPARE(m_folder->bytes("fytPar.velmor"),
             cp1254Lines({saved.text1, saved.text2, saved.ch[0], saved.ch[1], saved.ch[2], saved.ch[3],
                          saved.ch[4], saved.grp, saved.firadi, saved.option, saved.ekresmi}));
    QCOMPARE(m_folder->bytes("irssatir.velmor"), QByteArray("15\r\n2\r\n"));

    // A new window reads back what was saved.
    ParametreModel again(m_folder->paths(), *m_erp);
    again.load();
    const ParametreFields &g = again.fields();
    QCOMPARE(g.lgpass, saved.lgpass);
    QCOMPARE(g.srvadi, saved.srvadi);
    QCOMPARE(g.pass, saved.pass);
    QCOMPARE(g.instance, saved.instance);
    QCOMPARE(g.check1, true);
    QCOMPARE(g.fir, saved.fir);
    QCOMPARE(g.stkartipi, saved.stkartipi);
    QCOMPARE(g.ch[4], saved.ch[4]);
    QCOMPARE(g.firadi, saved.firadi);
    QCOMPARE(g.option, saved.option);
    QCOMPARE(g.ekresmi, saved.ekresmi);
}

void TestParametreModel::fytParWrittenBackUnchanged_data()
{
    QTest::addColumn<QByteArray>("file");

    QTest::newRow("price reading screen") << cp1254Lines(fytParSample);
    QStringList first = fytParSample;
    first[9] = QStringLiteral("1");
    first[10].clear();
    QTest::newRow("label printer, no picture") << cp1254Lines(first);
    QStringList other = fytParSample;
    other[9] = QStringLiteral("3");
    QTest::newRow("an option this program does not know") << cp1254Lines(other);
    // Lines another program keeps after the window's eleven.
    QTest::newRow("lines after the eleventh") << cp1254Lines(
        fytParSample + QStringList{QStringLiteral("ÖZEL AYAR"), QString(), QStringLiteral("3")});
}

void TestParametreModel::fytParWrittenBackUnchanged()
{
    QFETCH(QByteArray, file);
    m_folder->writeBytes(QStringLiteral("fytPar.velmor"), file);
    ParametreModel model(m_folder->paths(), *m_erp);
    model.load();
    QVERIFY(model.serverkaydet().ok());
    QCOMPARE(m_folder->bytes("fytPar.velmor"), file);
}

void TestParametreModel::optionFromLineTen_data()
{
    QTest::addColumn<QByteArray>("file"); // empty: no file
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("firadi");

    QTest::newRow("no file") << QByteArray() << "1"
                             << "";
    QTest::newRow("nine lines") << QByteArray("1\r\n1\r\n\r\n\r\n\r\n\r\n\r\n\r\nFIRMA\r\n") << "1"
                                << "FIRMA";
    QTest::newRow("empty line ten") << QByteArray("1\r\n1\r\n\r\n\r\n\r\n\r\n\r\n\r\nFIRMA\r\n\r\nx.png\r\n")
                                    << "1"
                                    << "FIRMA";
    QTest::newRow("two, LF ends") << QByteArray("1\n1\n\n\n\n\n\n\nFIRMA\n2\n") << "2"
                                  << "FIRMA";
}

void TestParametreModel::optionFromLineTen()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, option);
    QFETCH(QString, firadi);
    if (!file.isEmpty())
        m_folder->writeBytes(QStringLiteral("fytPar.velmor"), file);
    ParametreModel model(m_folder->paths(), *m_erp);
    model.fytparyukle();
    QCOMPARE(model.fields().option, option);
    QCOMPARE(model.fields().firadi, firadi);
}

void TestParametreModel::firmChosenTwice()
{
    ParametreModel model(m_folder->paths(), *m_erp);
    model.load();
    const ParametreFields before = model.fields();
    const QString firm = QStringLiteral("3- MEHMET'İN GIDA");
    QVERIFY(model.firChosen(QStringLiteral("1- ÖRNEK GIDA A.Ş."))); // nothing of firm 1 may stay
    QVERIFY(model.firChosen(firm));
    QVERIFY(model.firChosen(firm));

    const ParametreChoices &c = model.choices();
    QCOMPARE(c.don, QStringList{QStringLiteral("1- 3-(01.01.2026)  (31.12.2026)")});
    const QStringList currencies{QStringLiteral("0- TL"), QStringLiteral("20- EUR")};
    QCOMPARE(c.dov1, currencies);
    QCOMPARE(c.dov2, currencies);
    QCOMPARE(c.brset, QStringList({QStringLiteral("5- ADET"), QStringLiteral("6- KİLOGRAM")}));
    QCOMPARE(c.ch, QStringList({QStringLiteral("İST- İSTANBUL"), QStringLiteral("ANK- ANKARA")}));
    QCOMPARE(c.grp, QStringList{QStringLiteral("TPT- TOPTANCI")});
    QCOMPARE(c.fir.size(), 3);
    // The user picks period and currency next; the texts stay until then.
    QCOMPARE(model.fields().don, before.don);
    QCOMPARE(model.fields().dov1, before.dov1);
    QCOMPARE(model.fields().brset, before.brset);
}

void TestParametreModel::failedFirmChoiceChangesNothing()
{
    ParametreModel model(m_folder->paths(), *m_erp);
    model.load();
    QVERIFY(model.firChosen(QStringLiteral("1- ÖRNEK GIDA A.Ş.")));
    const ParametreChoices before = model.choices();
    QCOMPARE(before.brset, QStringList{QStringLiteral("1- ADET")});

    // Firm 4 has periods and currencies but no firm tables: the third statement fails.
    const Result<void> chosen = model.firChosen(QStringLiteral("4- EKSİK FİRMA"));
    QVERIFY(!chosen);
    QVERIFY2(chosen.errorText().contains(QStringLiteral("LG_004_UNITSETF")), qPrintable(chosen.errorText()));
    QCOMPARE(model.choices().don, before.don);
    QCOMPARE(model.choices().dov1, before.dov1);
    QCOMPARE(model.choices().brset, before.brset);
    QCOMPARE(model.choices().ch, before.ch);

    // The connection is lost.
    m_erp->close();
    QVERIFY(!model.firChosen(QStringLiteral("3- MEHMET'İN GIDA")));
    QCOMPARE(model.choices().don, before.don);
}

void TestParametreModel::firmListFailureKeepsStoredChoices()
{
    m_erp->close(); // as after the password gate: the ERP connection failed
    ParametreModel model(m_folder->paths(), *m_erp);
    model.load();
    QVERIFY(model.choices().fir.isEmpty());
    QVERIFY(!model.firmListError().isEmpty());
    QCOMPARE(model.fields().fir, storedSettings().fir);

    model.fields().srvadi = QStringLiteral("yeni-sunucu");
    QVERIFY(model.serverkaydet().ok());
    QCOMPARE(m_folder->stored("server", "server"), QStringLiteral("yeni-sunucu"));
    const StoreContents stored = storedSettings();
    const std::pair<const char *, QString> kept[] = {
        {"fir", stored.fir},       {"don", stored.don},
        {"fiyat1", stored.fiyat1}, {"fiyat2", stored.fiyat2},
        {"brset", stored.brset},   {"birim1", stored.birim1},
        {"birim2", stored.birim2}, {"stkartipi", stored.stkartipi}};
    for (const auto &[column, value] : kept)
        QCOMPARE(m_folder->stored("veritabani", QLatin1String(column)), value);
}

void TestParametreModel::printCounts_data()
{
    QTest::addColumn<QString>("rows");
    QTest::addColumn<QString>("copies");
    QTest::addColumn<QString>("refusedField"); // empty: saved
    QTest::addColumn<QByteArray>("written");

    QTest::newRow("whole numbers") << "10"
                                   << "1"
                                   << "" << QByteArray("10\r\n1\r\n");
    QTest::newRow("blanks around") << " 12 "
                                   << "2"
                                   << "" << QByteArray("12\r\n2\r\n");
    QTest::newRow("zero rows") << "0"
                               << "1"
                               << "Text3" << QByteArray();
    QTest::newRow("empty rows") << ""
                                << "1"
                                << "Text3" << QByteArray();
    QTest::newRow("letters") << "on"
                             << "1"
                             << "Text3" << QByteArray();
    QTest::newRow("negative copies") << "10"
                                     << "-1"
                                     << "Text4" << QByteArray();
    QTest::newRow("decimal copies") << "10"
                                    << "1,5"
                                    << "Text4" << QByteArray();
    QTest::newRow("too large") << "99999999999"
                               << "1"
                               << "Text3" << QByteArray();
}

void TestParametreModel::printCounts()
{
    QFETCH(QString, rows);
    QFETCH(QString, copies);
    QFETCH(QString, refusedField);
    QFETCH(QByteArray, written);

    ParametreModel model(m_folder->paths(), *m_erp);
    model.load();
    model.fields().rowsPerForm = rows;
    model.fields().copies = copies;
    model.fields().srvadi = QStringLiteral("yeni-sunucu");
    const SaveOutcome outcome = model.serverkaydet();
    if (refusedField.isEmpty()) {
        QVERIFY(outcome.ok());
        QCOMPARE(m_folder->bytes("irssatir.velmor"), written);
        return;
    }
    QVERIFY(outcome.refused);
    QCOMPARE(outcome.refused->field, refusedField);
    const QString label = refusedField == QLatin1String("Text3") ? QStringLiteral("İrsaliye Satır Sayısı")
                                                                 : QStringLiteral("İrsaliye Kopya Sayısı");
    QVERIFY2(outcome.refused->message.contains(label), qPrintable(outcome.refused->message));
    // Nothing was written.
    QCOMPARE(m_folder->stored("server", "server"), storedSettings().server);
    QVERIFY(!QFile::exists(m_folder->filePath("irssatir.velmor")));
    QVERIFY(!QFile::exists(m_folder->filePath("fytPar.velmor")));
}

void TestParametreModel::missingStoreStillWritesSideFiles()
{
    QVERIFY(QFile::remove(storePath(m_folder->path())));
    ParametreModel model(m_folder->paths(), *m_erp);
    model.load();
    QCOMPARE(model.fields().srvadi, QString());
    QCOMPARE(model.fields().rowsPerForm, QStringLiteral("10"));
    QCOMPARE(model.fields().copies, QStringLiteral("10"));
    QCOMPARE(model.fields().option, QStringLiteral("1"));

    const SaveOutcome outcome = model.serverkaydet();
    QCOMPARE(outcome.failures.size(), 1);
    QVERIFY2(outcome.failures.first().contains(QStringLiteral("data.dbs")),
             qPrintable(outcome.failures.first()));
    QVERIFY(!QFile::exists(storePath(m_folder->path()))); // never created by a save
    QCOMPARE(m_folder->bytes("irssatir.velmor"), QByteArray("10\r\n10\r\n"));
    QCOMPARE(m_folder->bytes("fytPar.velmor"), QByteArray("\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n1\r\n\r\n"));
}

void TestParametreModel::missingRowIsAFailure_data()
{
    QTest::addColumn<QString>("table");
    for (const char *table : {"login", "server", "instan", "veritabani"})
        QTest::newRow(table) << QString::fromLatin1(table);
}

// An update that finds no row stores nothing: the save must say so for that
// table and still write the others.
void TestParametreModel::missingRowIsAFailure()
{
    QFETCH(QString, table);
    ParametreModel model(m_folder->paths(), *m_erp);
    model.load();
    QVERIFY(damageStore(storePath(m_folder->path()), QStringLiteral("delete from ") + table));
    model.fields().lgpass = QStringLiteral("YENİ");
    model.fields().srvadi = QStringLiteral("yeni-sunucu");

    const SaveOutcome outcome = model.serverkaydet();
    QCOMPARE(outcome.failures.size(), 1);
    const QString failure = outcome.failures.first();
    QVERIFY2(failure.contains(QStringLiteral("\"%1\" tablosunda id='1' satırı yok").arg(table)),
             qPrintable(failure));
    QVERIFY2(failure.contains(storePath(m_folder->path())), qPrintable(failure));

    StoreSession session(storePath(m_folder->path()));
    if (table != QLatin1String("server"))
        QCOMPARE(session.store().query(selectRow(QStringLiteral("server"))).value(QStringLiteral("server")),
                 QStringLiteral("yeni-sunucu"));
    if (table != QLatin1String("login"))
        QCOMPARE(session.store().query(selectRow(QStringLiteral("login"))).value(QStringLiteral("sifre")),
                 QStringLiteral("YENİ"));
}

void TestParametreModel::unreadStoreNeverWrittenOver_data()
{
    QTest::addColumn<QString>("damage");     // "<locked>" or a statement undone before the save
    QTest::addColumn<QString>("undo");       // brings the store back before "Kaydet"
    QTest::addColumn<QStringList>("unread"); // tables whose stored values must survive the save
    QTest::addColumn<QString>("cause");
    QTest::newRow("locked by another program")
        << "<locked>"
        << "" << QStringList{"login", "server", "instan", "veritabani"} << "kilitli";
    QTest::newRow("login row missing")
        << "update login set id = '2'"
        << "update login set id = '1'" << QStringList{"login"} << "\"login\" tablosunda aranan satır yok";
    QTest::newRow("server row missing")
        << "update server set id = '2'"
        << "update server set id = '1'" << QStringList{"server"} << "\"server\" tablosunda aranan satır yok";
}

// A load that could not read the store says so, and a later "Kaydet" writes
// none of what it never read: the connection and the password stay.
void TestParametreModel::unreadStoreNeverWrittenOver()
{
    QFETCH(QString, damage);
    QFETCH(QString, undo);
    QFETCH(QStringList, unread);
    QFETCH(QString, cause);
    const QString store = storePath(m_folder->path());
    ParametreModel model(m_folder->paths(), *m_erp);
    {
        std::optional<StoreLock> lock;
        if (damage == QLatin1String("<locked>")) {
            lock.emplace(store);
            QVERIFY(lock->held());
        } else {
            QVERIFY(damageStore(store, damage));
        }
        model.load();
    }
    if (!undo.isEmpty())
        QVERIFY(damageStore(store, undo));
    const QString error = model.storeLoadError();
    QVERIFY2(error.contains(store) && error.contains(cause), qPrintable(error));

    model.fields().lgpass = QStringLiteral("YENİ");
    model.fields().srvadi = QStringLiteral("yeni-sunucu");
    model.fields().instance = QStringLiteral("YENİ");
    model.fields().dov1 = QStringLiteral("9- YENİ");
    const SaveOutcome outcome = model.serverkaydet();
    QVERIFY(!outcome.failures.isEmpty());
    QVERIFY2(outcome.failures.join(QLatin1Char('\n')).contains(QStringLiteral("okunamamıştı")),
             qPrintable(outcome.failures.join(QLatin1Char('\n'))));
    const StoreContents before = storedSettings();
    const struct {
        const char *table, *column;
        QString old, typed;
    } columns[] = {{"login", "sifre", before.loginPassword, QStringLiteral("YENİ")},
                   {"server", "server", before.server, QStringLiteral("yeni-sunucu")},
                   {"server", "sifre", before.password, before.password},
                   {"instan", "insname", before.instanceName, QStringLiteral("YENİ")},
                   {"veritabani", "fiyat1", before.fiyat1, QStringLiteral("9- YENİ")},
                   {"veritabani", "fir", before.fir, before.fir}};
    for (const auto &c : columns) {
        const bool kept = unread.contains(QLatin1String(c.table));
        QCOMPARE(m_folder->stored(QLatin1String(c.table), QLatin1String(c.column)), kept ? c.old : c.typed);
    }
    // The side files were read and are written.
    QCOMPARE(m_folder->bytes("irssatir.velmor"), QByteArray("10\r\n10\r\n"));
}

// A store locked during the save: every update fails after a bounded wait,
// naming the file and the lock; no success is reported.
void TestParametreModel::lockedStoreAtSave()
{
    ParametreModel model(m_folder->paths(), *m_erp);
    model.load();
    QVERIFY(model.storeLoadError().isEmpty());
    model.fields().srvadi = QStringLiteral("yeni-sunucu");
    StoreLock lock(storePath(m_folder->path()));
    QVERIFY(lock.held());
    const SaveOutcome outcome = model.serverkaydet();
    lock.release();
    QVERIFY(!outcome.ok());
    const QString failures = outcome.failures.join(QLatin1Char('\n'));
    QVERIFY2(failures.contains(storePath(m_folder->path())) && failures.contains(QStringLiteral("kilitli")),
             qPrintable(failures));
    QCOMPARE(m_folder->stored("server", "server"), storedSettings().server);
}

void TestParametreModel::untouchedNullStaysNull_data()
{
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("typed"); // "" leaves the field as loaded
    QTest::newRow("sql untouched") << "sql"
                                   << "";
    QTest::newRow("kuladi untouched") << "kuladi"
                                      << "";
    QTest::newRow("sql typed") << "sql"
                               << "ERPDB";
    QTest::newRow("kuladi typed") << "kuladi"
                                  << "sa";
}

void TestParametreModel::untouchedNullStaysNull()
{
    QFETCH(QString, column);
    QFETCH(QString, typed);
    const QString store = storePath(m_folder->path());
    QVERIFY(damageStore(store, QStringLiteral("update server set %1 = NULL").arg(column)));
    ParametreModel model(m_folder->paths(), *m_erp);
    model.load();
    QString &field = column == QLatin1String("sql") ? model.fields().sqladi : model.fields().kladi;
    QCOMPARE(field, QString());
    field = typed;
    model.fields().srvadi = QStringLiteral("yeni-sunucu");
    const SaveOutcome outcome = model.serverkaydet();
    QVERIFY2(outcome.ok(), qPrintable(outcome.failures.join(QLatin1Char('\n'))));

    StoreSession session(store);
    const StoreRow row = session.store().query(selectRow(QStringLiteral("server")));
    QCOMPARE(row.value(QStringLiteral("server")), QStringLiteral("yeni-sunucu"));
    if (typed.isEmpty())
        QVERIFY(row.isNull(column));
    else
        QCOMPARE(row.value(column), typed);
}

void TestParametreModel::periodMustBeTheFirms_data()
{
    QTest::addColumn<QString>("chosenFirm"); // picked from the list ("" picks none)
    QTest::addColumn<QString>("fir");
    QTest::addColumn<QString>("don");
    QTest::addColumn<QString>("refusal"); // "" when the save goes through
    const QString firm1 = QStringLiteral("1- ÖRNEK GIDA A.Ş."), firm3 = QStringLiteral("3- MEHMET'İN GIDA");
    const QString period1 = QStringLiteral("2- 1-(01.01.2026)  (31.12.2026)");
    const QString period3 = QStringLiteral("1- 3-(01.01.2026)  (31.12.2026)");
    QTest::newRow("stored pair unchanged") << "" << firm1 << period1 << "";
    QTest::newRow("firm changed with its period") << firm3 << firm3 << period3 << "";
    QTest::newRow("firm changed, old period kept")
        << firm3 << firm3 << period1 << "1 numaralı firmanın dönemi";
    QTest::newRow("firm changed, no period") << firm3 << firm3 << ""
                                             << "firmasının çalışma dönemini seçiniz";
    QTest::newRow("period not in the firm's list") << firm3 << firm3 << "7- 3-(01.01.2030)  (31.12.2030)"
                                                   << "dönemleri arasında yok";
    QTest::newRow("typed firm, old period") << "" << firm3 << period1 << "1 numaralı firmanın dönemi";
    QTest::newRow("nothing chosen") << ""
                                    << ""
                                    << ""
                                    << "";
}

// "Kaydet" never stores a period that is not the chosen firm's: the save is
// refused at the period field, naming the firm, and nothing is written.
void TestParametreModel::periodMustBeTheFirms()
{
    QFETCH(QString, chosenFirm);
    QFETCH(QString, fir);
    QFETCH(QString, don);
    QFETCH(QString, refusal);
    ParametreModel model(m_folder->paths(), *m_erp);
    model.load();
    if (!chosenFirm.isEmpty())
        QVERIFY_OK(model.firChosen(chosenFirm));
    model.fields().fir = fir;
    model.fields().don = don;
    const SaveOutcome outcome = model.serverkaydet();
    if (refusal.isEmpty()) {
        QVERIFY2(outcome.ok(), qPrintable(outcome.failures.join(QLatin1Char('\n'))));
        QCOMPARE(m_folder->stored("veritabani", "don"), don);
        return;
    }
    QVERIFY(outcome.refused);
    QCOMPARE(outcome.refused->field, QStringLiteral("don"));
    QVERIFY2(outcome.refused->message.contains(refusal) && outcome.refused->message.contains(fir),
             qPrintable(outcome.refused->message));
    QCOMPARE(m_folder->stored("veritabani", "fir"), storedSettings().fir);
    QCOMPARE(m_folder->stored("veritabani", "don"), storedSettings().don);
}

QTEST_GUILESS_MAIN(TestParametreModel)
#include "tst_parametremodel.moc"
