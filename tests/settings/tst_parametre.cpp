// The window parametre: its controls, typing into it, the firm list, saving
// through it, its messages, and the two ways the program opens it.
#include "common/storelock.h"
#include "common/verifyok.h"
#include "settingsfixture.h"

#include "demo/demofolder.h"
#include "dialogs/messagebox.h"
#include "foundation/erp/erpconnection.h"
#include "foundation/erp/erpsession.h"
#include "foundation/erp/tablenames.h"
#include "foundation/store/sharedsettings.h"
#include "mainwindow/baglan.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/startup.h"
#include "mainwindow/windowfactory.h"
#include "settings/ui/parametre.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

using namespace tarvel;
using namespace tarvel::test;

namespace {

struct Message {
    QString text;
    int caption, icon, buttons;
};

// Types text key by key, as a keyboard does (keyClicks takes ASCII only).
void typeText(QWidget *widget, const QString &text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

template <typename T> T *child(QWidget *window, const char *name)
{
    return window->findChild<T *>(QLatin1String(name));
}

// Sets a list's text as a user picks an entry: the entry becomes current and
// the list reports the choice.
void pick(QComboBox *combo, const QString &entry)
{
    const int index = combo->findText(entry);
    QVERIFY2(index >= 0, qPrintable(entry));
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

WindowFactory realWindows()
{
    WindowFactory windows;
    windows.setSettingsCreator([](const AppPaths &paths, QWidget *parent) {
        return new Parametre(paths, ErpSession::instance().primary(), parent);
    });
    return windows;
}

} // namespace

class TestParametre : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void controlsCarryTheirNames_data();
    void controlsCarryTheirNames();
    void captionsAndLists();
    void lgpassUpperCasedWhileTyped();
    void check1EnablesInstance();
    void typedValuesSavedExactly();
    void firmChosenTwice();
    void failedFirmChoiceKeepsWindowUsable();
    void lockedStoreSaidAndNotWrittenOver();
    void badPrintCountNamesTheField();
    void startupEntryButtons();
    void screenPictureChosen();

    void menuOpensItModally();
    void gateOpensItWithoutConnection();
    void secondFirmSavedIsReadByReports();

private:
    std::unique_ptr<Parametre> window();

    std::unique_ptr<SettingsFolder> m_folder;
    std::unique_ptr<ErpConnection> m_erp;
    QList<Message> m_messages;
};

void TestParametre::initTestCase()
{
    QApplication::setQuitOnLastWindowClosed(false);
}

void TestParametre::init()
{
    m_folder = std::make_unique<SettingsFolder>();
    QVERIFY2(m_folder->error().isEmpty(), qPrintable(m_folder->error()));
    m_folder->writeStore();
    QString openError;
    m_erp = m_folder->openErp(openError);
    QVERIFY2(m_erp->isOpen(), qPrintable(openError));
    m_messages.clear();
    setMessageResponder([this](const QString &text, Caption caption, Icon icon, Buttons buttons) {
        m_messages.append({text, int(caption), int(icon), int(buttons)});
        return 1;
    });
}

void TestParametre::cleanup()
{
    setMessageResponder({});
    // Windows the start-up opened without an owner: the gate, the settings.
    QList<QPointer<QWidget>> left;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QLatin1String("login") || w->objectName() == QLatin1String("parametre"))
            left << w;
    }
    qDeleteAll(left);
    m_erp.reset();
    m_folder.reset();
}

std::unique_ptr<Parametre> TestParametre::window()
{
    auto w = std::make_unique<Parametre>(m_folder->paths(), *m_erp);
    w->show();
    return w;
}

void TestParametre::controlsCarryTheirNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("tab");

    const struct {
        const char *name, *kind;
        int tab;
    } controls[] = {
        {"srvadi", "QLineEdit", 0},
        {"sqladi", "QLineEdit", 0},
        {"kladi", "QLineEdit", 0},
        {"pass", "QLineEdit", 0},
        {"lgpass", "QLineEdit", 0},
        {"instance", "QLineEdit", 0},
        {"Check1", "QCheckBox", 0},
        {"fir", "QComboBox", 1},
        {"don", "QComboBox", 1},
        {"dov1", "QComboBox", 1},
        {"stkartipi", "QComboBox", 1},
        {"Text3", "QLineEdit", 1},
        {"Text4", "QLineEdit", 1},
        {"Option1", "QRadioButton", 1},
        {"Option2", "QRadioButton", 1},
        {"ekresmi", "QLabel", 1},
        {"chameleonButton7", "QPushButton", 1},
        {"chameleonButton8", "QPushButton", 1},
        {"dov2", "QComboBox", 2},
        {"brset", "QComboBox", 2},
        {"br1", "QComboBox", 2},
        {"br2", "QComboBox", 2},
        {"Text1", "QLineEdit", 2},
        {"Text2", "QLineEdit", 2},
        {"ch1", "QComboBox", 2},
        {"ch5", "QComboBox", 2},
        {"grp", "QComboBox", 2},
        {"firadi", "QLineEdit", 2},
    };
    for (const auto &c : controls)
        QTest::newRow(c.name) << QString::fromLatin1(c.name) << QString::fromLatin1(c.kind) << c.tab;
}

void TestParametre::controlsCarryTheirNames()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(int, tab);
    const auto w = window();
    QWidget *control = w->findChild<QWidget *>(name);
    QVERIFY(control);
    QVERIFY(control->inherits(kind.toLatin1().constData()));
    QVERIFY(w->tabs()->widget(tab)->isAncestorOf(control));
}

void TestParametre::captionsAndLists()
{
    const auto w = window();
    QCOMPARE(w->objectName(), QStringLiteral("parametre"));
    QCOMPARE(w->windowTitle(), QStringLiteral("PARAMETRELER"));
    QCOMPARE(w->tabs()->count(), 3);
    QCOMPARE(w->tabs()->tabText(0), QStringLiteral("   Sql Server Bağlantısı    "));
    QCOMPARE(w->tabs()->tabText(1), QStringLiteral("   Program Parametreleri   "));
    QCOMPARE(w->tabs()->tabText(2), QString());
    QVERIFY(!w->tabs()->isTabEnabled(2));
    QVERIFY(!w->tabs()->isTabVisible(2));

    QStringList labels;
    for (const QLabel *label : w->findChildren<QLabel *>())
        labels << label->text();
    for (const char *text : {"PARAMETRELER", "Server Name:", "Veritabanı Adı:", "Kullanıcı Adı:", "Şifre:",
                             "İnstance Name:", "FİRMA", "Çalışma Dönemi", "DÖVİZ 1", "Malzeme Kart Tipi",
                             "İrsaliye Satır Sayısı", "İrsaliye Kopya Sayısı"})
        QVERIFY2(labels.contains(QString::fromUtf8(text)), text);
    QStringList buttons;
    for (const QPushButton *button : w->findChildren<QPushButton *>())
        buttons << button->text();
    for (const char *text : {"Kaydet", "İptal", "Windows Açılışa Ekle", "Windows Açılıştan Kaldır",
                             "Ekran Resmi Seç", "Bağlantıyı Dene"})
        QVERIFY2(buttons.contains(QString::fromUtf8(text)), text);
    QCOMPARE(child<QCheckBox>(w.get(), "Check1")->text(), QStringLiteral("İnstance Name Kullan"));
    QCOMPARE(child<QRadioButton>(w.get(), "Option1")->text(), QStringLiteral("Barkod Etiket Yazıcı"));
    QCOMPARE(child<QRadioButton>(w.get(), "Option2")->text(), QStringLiteral("Fiyat Okuma Ekranı"));
    for (const char *password : {"pass", "lgpass"})
        QCOMPARE(child<QLineEdit>(w.get(), password)->echoMode(), QLineEdit::Password);

    auto *types = child<QComboBox>(w.get(), "stkartipi");
    QCOMPARE(types->count(), 11);
    QCOMPARE(types->itemText(0), QStringLiteral("1-Ticari mal"));
    QCOMPARE(types->itemText(10),
             QStringLiteral("22-Firma dosyaları oluşturulurken default olarak eklenen malzeme "));
    QCOMPARE(types->currentText(), storedSettings().stkartipi);
    auto *firms = child<QComboBox>(w.get(), "fir");
    QCOMPARE(firms->count(), 3);
    QCOMPARE(firms->itemText(1), QStringLiteral("3- MEHMET'İN GIDA"));
    QCOMPARE(firms->currentText(), storedSettings().fir);
    QVERIFY(child<QLabel>(w.get(), "firdurum")->isHidden());
    // No fytPar.velmor: the barcode label printer.
    QVERIFY(child<QRadioButton>(w.get(), "Option1")->isChecked());
}

void TestParametre::lgpassUpperCasedWhileTyped()
{
    const auto w = window();
    auto *lgpass = child<QLineEdit>(w.get(), "lgpass");
    QCOMPARE(lgpass->text(), storedSettings().loginPassword);
    lgpass->clear();
    typeText(lgpass, QStringLiteral("iıç"));
    QCOMPARE(lgpass->text(), QStringLiteral("İIÇ"));
    lgpass->setCursorPosition(0);
    typeText(lgpass, QStringLiteral("ş"));
    QCOMPARE(lgpass->text(), QStringLiteral("ŞİIÇ"));
    QCOMPARE(lgpass->cursorPosition(), 4);

    child<QPushButton>(w.get(), "kaydet")->click();
    QCOMPARE(w->result(), int(QDialog::Accepted));
    QCOMPARE(m_folder->stored("login", "sifre"), QStringLiteral("ŞİIÇ"));
}

void TestParametre::check1EnablesInstance()
{
    const auto w = window();
    auto *check1 = child<QCheckBox>(w.get(), "Check1");
    auto *instance = child<QLineEdit>(w.get(), "instance");
    QVERIFY(!check1->isChecked());
    QVERIFY(!instance->isEnabled());
    check1->click();
    QVERIFY(instance->isEnabled());
    child<QPushButton>(w.get(), "kaydet")->click();
    QCOMPARE(m_folder->stored("instan", "inskullan"), QStringLiteral("1"));
    QCOMPARE(m_folder->stored("instan", "insname"), storedSettings().instanceName);
}

void TestParametre::typedValuesSavedExactly()
{
    const auto w = window();
    const std::pair<const char *, QString> typed[] = {{"srvadi", QStringLiteral("SUNUCU\\ÖRNEK")},
                                                      {"sqladi", QStringLiteral("ERP'DB")},
                                                      {"kladi", QStringLiteral("o'neil")},
                                                      {"pass", QStringLiteral("p'a;ss=ğ")},
                                                      {"Text3", QStringLiteral("15")},
                                                      {"Text4", QStringLiteral("2")}};
    for (const auto &[name, text] : typed) {
        auto *edit = child<QLineEdit>(w.get(), name);
        edit->selectAll();
        typeText(edit, text);
    }
    auto *dov1 = child<QComboBox>(w.get(), "dov1");
    dov1->setEditText(QStringLiteral("9- YEN'İ"));
    child<QPushButton>(w.get(), "kaydet")->click();
    QVERIFY(!w->isVisible());
    QVERIFY(m_messages.isEmpty());

    QCOMPARE(m_folder->stored("server", "server"), QStringLiteral("SUNUCU\\ÖRNEK"));
    QCOMPARE(m_folder->stored("server", "sql"), QStringLiteral("ERP'DB"));
    QCOMPARE(m_folder->stored("server", "kuladi"), QStringLiteral("o'neil"));
    QCOMPARE(m_folder->stored("server", "sifre"), QStringLiteral("p'a;ss=ğ"));
    QCOMPARE(m_folder->stored("veritabani", "fiyat1"), QStringLiteral("9- YEN'İ"));
    // The fields the window keeps without showing them go back as they were stored.
    QCOMPARE(m_folder->stored("veritabani", "fiyat2"), storedSettings().fiyat2);
    QCOMPARE(m_folder->stored("veritabani", "birim2"), storedSettings().birim2);
    QCOMPARE(m_folder->bytes("irssatir.velmor"), QByteArray("15\r\n2\r\n"));
}

void TestParametre::firmChosenTwice()
{
    const auto w = window();
    w->tabs()->setCurrentIndex(1);
    auto *fir = child<QComboBox>(w.get(), "fir");
    auto *don = child<QComboBox>(w.get(), "don");
    pick(fir, QStringLiteral("3- MEHMET'İN GIDA"));
    pick(fir, QStringLiteral("3- MEHMET'İN GIDA"));

    QCOMPARE(don->count(), 1);
    QCOMPARE(don->itemText(0), QStringLiteral("1- 3-(01.01.2026)  (31.12.2026)"));
    QCOMPARE(don->currentText(), storedSettings().don); // until the user picks
    QCOMPARE(child<QComboBox>(w.get(), "dov1")->count(), 2);
    QCOMPARE(child<QComboBox>(w.get(), "dov2")->count(), 2);
    QCOMPARE(child<QComboBox>(w.get(), "brset")->count(), 2);
    QCOMPARE(child<QComboBox>(w.get(), "ch3")->count(), 2);
    QCOMPARE(child<QComboBox>(w.get(), "grp")->count(), 1);
    auto *hint = child<QLabel>(w.get(), "firdurum");
    QVERIFY(hint->isVisible());

    pick(don, QStringLiteral("1- 3-(01.01.2026)  (31.12.2026)"));
    QVERIFY(!hint->isVisible());
    pick(child<QComboBox>(w.get(), "dov1"), QStringLiteral("20- EUR"));
    child<QPushButton>(w.get(), "kaydet")->click();
    QCOMPARE(m_folder->stored("veritabani", "fir"), QStringLiteral("3- MEHMET'İN GIDA"));
    QCOMPARE(m_folder->stored("veritabani", "don"), QStringLiteral("1- 3-(01.01.2026)  (31.12.2026)"));
    QCOMPARE(m_folder->stored("veritabani", "fiyat1"), QStringLiteral("20- EUR"));
    QCOMPARE(m_folder->stored("veritabani", "brset"), storedSettings().brset);
}

void TestParametre::failedFirmChoiceKeepsWindowUsable()
{
    const auto w = window();
    auto *fir = child<QComboBox>(w.get(), "fir");
    auto *don = child<QComboBox>(w.get(), "don");
    const int periods = don->count(); // the stored firm's, filled at load
    QCOMPARE(periods, 2);
    m_erp->close(); // the connection is lost while the window is open
    pick(fir, QStringLiteral("3- MEHMET'İN GIDA"));
    QCOMPARE(m_messages.size(), 1);
    QVERIFY2(m_messages[0].text.contains(QStringLiteral("bağlantısı açık değil")),
             qPrintable(m_messages[0].text));
    QCOMPARE(m_messages[0].caption, int(Caption::Dikkat));
    QCOMPARE(don->count(), periods);
    QCOMPARE(don->currentText(), storedSettings().don);

    // The period shown is the first firm's: "Kaydet" asks for the new firm's
    // period at the period list and stores nothing.
    m_messages.clear();
    child<QPushButton>(w.get(), "kaydet")->click();
    QVERIFY(w->isVisible());
    QCOMPARE(m_messages.size(), 1);
    QVERIFY2(m_messages[0].text.contains(QStringLiteral("\"3- MEHMET'İN GIDA\" firmasının çalışma dönemini")),
             qPrintable(m_messages[0].text));
    QCOMPARE(w->focusWidget(), don);
    QCOMPARE(m_folder->stored("veritabani", "fir"), storedSettings().fir);
    QCOMPARE(m_folder->stored("veritabani", "don"), storedSettings().don);
}

void TestParametre::lockedStoreSaidAndNotWrittenOver()
{
    std::unique_ptr<Parametre> w;
    {
        StoreLock lock(storePath(m_folder->path()));
        QVERIFY(lock.held());
        w = window();
    }
    QCOMPARE(m_messages.size(), 1);
    QVERIFY2(m_messages[0].text.contains(storePath(m_folder->path())) &&
                 m_messages[0].text.contains(QStringLiteral("kilitli")),
             qPrintable(m_messages[0].text));
    QCOMPARE(child<QLineEdit>(w.get(), "srvadi")->text(), QString());

    // The lock is gone; the empty fields are never written over the store.
    m_messages.clear();
    child<QPushButton>(w.get(), "kaydet")->click();
    QVERIFY(w->isVisible());
    QCOMPARE(m_messages.size(), 1);
    QVERIFY2(m_messages[0].text.contains(QStringLiteral("okunamamıştı")), qPrintable(m_messages[0].text));
    QCOMPARE(m_folder->stored("server", "server"), storedSettings().server);
    QCOMPARE(m_folder->stored("login", "sifre"), storedSettings().loginPassword);
}

void TestParametre::badPrintCountNamesTheField()
{
    const auto w = window();
    auto *text4 = child<QLineEdit>(w.get(), "Text4");
    text4->setText(QStringLiteral("iki"));
    child<QLineEdit>(w.get(), "srvadi")->setText(QStringLiteral("yeni"));
    child<QPushButton>(w.get(), "kaydet")->click();

    QCOMPARE(m_messages.size(), 1);
    QVERIFY2(m_messages[0].text.contains(QStringLiteral("İrsaliye Kopya Sayısı")),
             qPrintable(m_messages[0].text));
    QVERIFY(w->isVisible());
    QCOMPARE(w->tabs()->currentIndex(), 1);
    QCOMPARE(w->focusWidget(), text4);
    QCOMPARE(m_folder->stored("server", "server"), storedSettings().server);
    QVERIFY(!QFile::exists(m_folder->filePath("irssatir.velmor")));
}

void TestParametre::startupEntryButtons()
{
    const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", m_folder->filePath(QStringLiteral("config")).toUtf8());
    const QString entry = m_folder->filePath(QStringLiteral("config/autostart/TARVELSATIS.desktop"));
    const auto w = window();

    child<QPushButton>(w.get(), "chameleonButton7")->click();
    QVERIFY(QFile::exists(entry));
    child<QPushButton>(w.get(), "chameleonButton8")->click();
    QVERIFY(!QFile::exists(entry));
    qputenv("XDG_CONFIG_HOME", oldConfig);

    QCOMPARE(m_messages.size(), 2);
    QCOMPARE(m_messages[0].text,
             QStringLiteral("Program Windows Açılışında Otomatik Olarak Çalışacaktır..."));
    QCOMPARE(m_messages[1].text, QStringLiteral("Program Windows Açılışından Kaldırılmıştır..."));
    for (const Message &m : std::as_const(m_messages)) {
        QCOMPARE(m.caption, int(Caption::Tamam));
        QCOMPARE(m.icon, int(Icon::Check));
        QCOMPARE(m.buttons, int(Buttons::Tamam));
    }
}

void TestParametre::screenPictureChosen()
{
    const auto w = window();
    const QString picture = m_folder->filePath(QStringLiteral("fiyat ekranı.png"));
    w->setPictureChooser([&](QWidget *, const QString &) { return picture; });
    child<QRadioButton>(w.get(), "Option2")->click();
    child<QPushButton>(w.get(), "ekresmisec")->click();
    QCOMPARE(child<QLabel>(w.get(), "ekresmi")->text(), picture);

    child<QPushButton>(w.get(), "kaydet")->click();
    const QStringList lines = readLineFile(m_folder->filePath(QStringLiteral("fytPar.velmor")), 20);
    QCOMPARE(lines.size(), 11);
    QCOMPARE(lines[9], QStringLiteral("2"));
    QCOMPARE(lines[10], picture);
}

void TestParametre::menuOpensItModally()
{
    QVERIFY(!ErpSession::instance().connect(m_folder->path())); // the store names no reachable server
    MainWindow main(m_folder->paths(), realWindows(), [] {});
    QVERIFY(main.load());
    main.show();

    QString seen;
    bool modal = false;
    QTimer::singleShot(50, this, [&] {
        // Whatever opened modally is closed, so a wrong window fails the
        // checks below instead of leaving the test waiting in its exec().
        QWidget *opened = QApplication::activeModalWidget();
        if (!opened)
            return;
        seen = opened->windowTitle();
        modal = opened->isModal();
        opened->close();
    });
    main.findChild<QAction *>(QStringLiteral("parame"))->trigger();
    QCOMPARE(seen, QStringLiteral("PARAMETRELER"));
    QVERIFY(modal);
    QVERIFY(!main.findChild<Parametre *>());
}

void TestParametre::gateOpensItWithoutConnection()
{
    StoreContents contents = storedSettings();
    contents.server = QStringLiteral("127.0.0.1,%1").arg(LoopbackPort(false).port());
    contents.loginPassword = QStringLiteral("1234");
    m_folder->writeStore(contents);
    Startup startup(m_folder->paths(), realWindows());
    QVERIFY(!startup.erpconnect());
    startup.baglan()->ayarlarButton()->click();

    QWidget *gate = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("login") && w->isVisible())
            gate = w;
    QVERIFY(gate);
    QTest::keyClicks(child<QLineEdit>(gate, "lgpass"), QStringLiteral("1234"));
    child<QPushButton>(gate, "tamam")->click();

    Parametre *settings = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *p = qobject_cast<Parametre *>(w); p && p->isVisible())
            settings = p;
    QVERIFY(settings);
    QVERIFY(!settings->isModal());
    QVERIFY(!child<QLabel>(settings, "firdurum")->isHidden());
    QCOMPARE(child<QComboBox>(settings, "fir")->currentText(), contents.fir);

    // Mend the server and save: the window goes, the stored firm stays.
    child<QLineEdit>(settings, "srvadi")->setText(QStringLiteral("sqlite:") + m_folder->erpFile());
    QPointer<Parametre> guard(settings);
    child<QPushButton>(settings, "kaydet")->click();
    QTRY_VERIFY(!guard);
    QCOMPARE(m_folder->stored("server", "server"), QStringLiteral("sqlite:") + m_folder->erpFile());
    QCOMPARE(m_folder->stored("veritabani", "fir"), contents.fir);
    QVERIFY(ErpSession::instance().connect(m_folder->path()));
}

void TestParametre::secondFirmSavedIsReadByReports()
{
    QTemporaryDir programs; // no programs to copy
    const demo::DemoFolder folder = demo::makeDemoFolder(m_folder->filePath(QStringLiteral("demo")),
                                                         programs.path(), {1, QDate(2026, 3, 10)});
    QVERIFY(ErpSession::instance().connect(folder.directory));
    const AppPaths paths{folder.directory, folder.directory};

    Parametre w(paths, ErpSession::instance().primary());
    w.show();
    auto *fir = child<QComboBox>(&w, "fir");
    QVERIFY(fir->count() >= 2);
    const QString secondFirm = fir->itemText(1);
    QVERIFY(secondFirm.startsWith(QStringLiteral("2- ")));
    pick(fir, secondFirm);
    auto *don = child<QComboBox>(&w, "don");
    QVERIFY(don->count() >= 1);
    const QString period = don->itemText(don->count() - 1);
    pick(don, period);
    child<QPushButton>(&w, "kaydet")->click();
    QVERIFY(m_messages.isEmpty());

    // A report window opened now loads these and names its tables from them.
    SharedSettings settings;
    QVERIFY_OK(oku(folder.directory, settings));
    QCOMPARE(settings.fir, secondFirm);
    QCOMPARE(settings.don, period);
    const QString customers = firmTable(settings.fir, QStringLiteral("CLCARD"));
    QCOMPARE(customers, QStringLiteral("LG_002_CLCARD"));
    QVERIFY(erp().query(QStringLiteral("select * from ") + customers).rowCount() > 0);
    QVERIFY(erp()
                .query(QStringLiteral("select * from ") +
                       periodTable(settings.fir, settings.don, QStringLiteral("STFICHE")))
                .rowCount() > 0);
}

QTEST_MAIN(TestParametre)
#include "tst_parametre.moc"
