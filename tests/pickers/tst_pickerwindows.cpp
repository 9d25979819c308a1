// The picker windows over the fixture ERP: what irsaliyeform shows, its keys,
// mouse and menu, the hand-over with its messages, the appearance saved on
// every close; cariform's search and choice, and a choice reaching a picker's
// customer through setCustomer as the order picker hands it over.
#include "common/gridvalues.h"
#include "common/waybillfixture.h"
#include "dialogs/messagebox.h"
#include "dialogs/plainmessage.h"
#include "foundation/store/sidefiles.h"
#include "loading/loadingreport.h"
#include "pickers/ui/customerpickerwindow.h"
#include "pickers/ui/waybillpickerwindow.h"
#include "pickers/waybillpicker.h"
#include "widgets/gridview.h"
#include "widgets/gridwidget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

using namespace tarvel;
using test::ErpFixture;

namespace {

struct Message {
    QString text;
    int caption, icon, buttons;
};

} // namespace

class TestPickerWindows : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void waybillPickerShows();
    void customerTypingSetsCrref();
    void completedNameFiltersSearch();
    void statusSaysWhatFoundNothing_data();
    void statusSaysWhatFoundNothing();
    void searchAndSelectWithMouse();
    void handOverMessages();
    void handOverFillsReportAndCloses();
    void failingHandOverIsShownOverCaller();
    void failingSearchKeepsListUsable();
    void escClosesAndSavesAppearance();
    void fitsTheScreen();

    void customerPickerSearches();
    void customerPickerChoice();
    void choiceReachesPicker();

private:
    ReportContext context() const { return m_erp.context({m_dir.path(), m_dir.path()}, *m_connection); }
    template <typename T> T *child(QWidget *window, const char *name)
    {
        T *found = window->findChild<T *>(QString::fromUtf8(name));
        if (!found)
            qFatal("no %s", name);
        return found;
    }
    void doubleClickRow(GridWidget *grid, int row);

    QTemporaryDir m_dir;
    ErpFixture m_erp;
    std::unique_ptr<ErpConnection> m_connection;
    std::unique_ptr<LoadingReport> m_report;
    std::unique_ptr<WaybillPickerWindow> m_window;
    QList<Message> m_messages;
    QStringList m_plain;
};

void TestPickerWindows::initTestCase()
{
    test::addWaybillFixture(m_erp);
    const QString error = m_erp.write(m_dir.filePath(QStringLiteral("erp.sqlite")));
    QVERIFY2(error.isEmpty(), qPrintable(error));
    setMessageResponder([this](const QString &text, Caption caption, Icon icon, Buttons buttons) {
        m_messages.append({text, int(caption), int(icon), int(buttons)});
        return 1;
    });
    setPlainMessageSink([this](const QString &text) { m_plain << text; });
}

void TestPickerWindows::init()
{
    m_messages.clear();
    m_plain.clear();
    m_connection = std::make_unique<ErpConnection>();
    QVERIFY(m_erp.open(*m_connection));
    m_report = std::make_unique<LoadingReport>(context());
    m_window = std::make_unique<WaybillPickerWindow>(
        context(), std::bind_front(&LoadingReport::handOver, m_report.get()));
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestPickerWindows::cleanup()
{
    m_window.reset();
    m_report.reset();
    m_connection.reset();
    QFile::remove(m_dir.filePath(QStringLiteral("list.velmor")));
}

void TestPickerWindows::doubleClickRow(GridWidget *grid, int row)
{
    GridView *view = grid->view();
    const int column = grid->grid()->columnOfField(QStringLiteral("fisno")) >= 0
                           ? grid->grid()->columnOfField(QStringLiteral("fisno"))
                           : grid->grid()->firstVisibleColumn();
    const QRect cell = view->visualRect(view->model()->index(row, column));
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, cell.center());
}

void TestPickerWindows::waybillPickerShows()
{
    QWidget *w = m_window.get();
    QCOMPARE(w->windowTitle(), QStringLiteral("Velmor"));
    QCOMPARE(child<QLabel>(w, "baslik1")->text(), QStringLiteral("İRSALİYELER"));
    const QList<QPair<const char *, QString>> buttons{
        {"chameleonButton2", QStringLiteral("Göster")},
        {"chameleonButton3", QStringLiteral("Listeye Ekle")},
        {"chameleonButton4", QStringLiteral("Listeyi Temizle")},
        {"chameleonButton12", QStringLiteral("Kapat")},
        {"chameleonButton1", QStringLiteral("İrsaliye Görüntüle")}};
    for (const auto &[name, caption] : buttons) {
        auto *button = child<QPushButton>(w, name);
        QCOMPARE(button->text(), caption);
        QVERIFY2(!button->autoDefault(), name); // Enter belongs to the field it is pressed in
    }
    QCOMPARE(child<QCheckBox>(w, "Check1")->text(), QStringLiteral("Aynı Ürünleri Birleştir"));
    QCOMPARE(child<QComboBox>(w, "irstip")->currentText(), QStringLiteral("Tümü"));
    QCOMPARE(child<QComboBox>(w, "irstip")->count(), 3);
    QCOMPARE(child<QComboBox>(w, "ozkod")->currentText(), QStringLiteral("Tümü"));
    QCOMPARE(child<QComboBox>(w, "ozkod")->itemText(1), QStringLiteral("S1 --> SOĞUK ZİNCİR"));
    QCOMPARE(child<QComboBox>(w, "cr")->count(), 6);
    QCOMPARE(child<QComboBox>(w, "cr")->currentText(), QString());
    QCOMPARE(child<QDateEdit>(w, "tr2")->date(), QDate::currentDate());
    QCOMPARE(child<QDateEdit>(w, "tr1")->date(), QDate::currentDate().addDays(-7));

    QMenu *men = child<QMenu>(w, "men");
    QStringList items;
    for (const QAction *a : men->actions()) {
        if (!a->isSeparator())
            items << a->objectName() + QLatin1Char('=') + a->text();
    }
    QCOMPARE(items,
             QStringList({QStringLiteral("tumsec=Tümünü Seç"), QStringLiteral("seckaldır=Tüm Seçimi Kaldır"),
                          QStringLiteral("irsgornt=İrsaliye Görüntüle")}));
}

void TestPickerWindows::customerTypingSetsCrref()
{
    auto *cr = child<QComboBox>(m_window.get(), "cr");
    auto *crref = child<QLineEdit>(m_window.get(), "crref");
    cr->setFocus();
    QTest::keyClicks(cr, QStringLiteral("mehm"));
    QCOMPARE(cr->currentText(), QStringLiteral("mehmET'İN GIDA"));
    // Enter takes the entry's letter case; the card is then found by its name
    // whatever the database's collation.
    QTest::keyClick(cr, Qt::Key_Return);
    QCOMPARE(cr->currentText(), QStringLiteral("MEHMET'İN GIDA"));
    QCOMPARE(crref->text(), QStringLiteral("1"));
    QCOMPARE(m_window->picker().crref(), QStringLiteral("1"));
    // A part of a name is no customer: no reference (the search says so).
    QTest::keyClick(cr, Qt::Key_Backspace);
    QCOMPARE(cr->currentText(), QStringLiteral("MEHMET'İN GID"));
    QCOMPARE(crref->text(), QString());
}

void TestPickerWindows::completedNameFiltersSearch()
{
    // A completing keystroke reports the completed name and then the typed
    // prefix; the model must keep the name the box shows, without Enter.
    QWidget *w = m_window.get();
    child<QDateEdit>(w, "tr1")->setDate(QDate(2024, 1, 1));
    child<QDateEdit>(w, "tr2")->setDate(QDate(2024, 1, 8));
    auto *cr = child<QComboBox>(w, "cr");
    cr->setFocus();
    QTest::keyClicks(cr, QStringLiteral("MEHM"));
    QCOMPARE(cr->currentText(), QStringLiteral("MEHMET'İN GIDA"));
    QCOMPARE(m_window->picker().cr(), QStringLiteral("MEHMET'İN GIDA"));
    QCOMPARE(m_window->picker().crref(), QStringLiteral("1"));
    QCOMPARE(child<QLineEdit>(w, "crref")->text(), QStringLiteral("1"));
    QTest::mouseClick(child<QPushButton>(w, "chameleonButton2"), Qt::LeftButton);
    QCOMPARE(test::fieldValues(m_window->picker().l1(), QStringLiteral("fisno")),
             QStringList{QStringLiteral("IRS-101")});
}

void TestPickerWindows::statusSaysWhatFoundNothing_data()
{
    QTest::addColumn<QString>("typed"); // into cr
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QStringList>("fisnos");

    const QDate week(2024, 1, 1);
    const QStringList all{"IRS-101", "IRS-102", "IRS-104", "IRS-108", "IRS-109"};
    QTest::newRow("rows found: nothing to say")
        << QString() << week << "chameleonButton2" << QString() << all;
    QTest::newRow("no waybill in the dates") << QString() << QDate(2023, 1, 1) << "chameleonButton2"
                                             << "Kayıt bulunamadı" << QStringList();
    // Not every customer's waybills in place of that one's: none at all.
    QTest::newRow("part of a name") << "MEHMET" << week << "chameleonButton2"
                                    << "Cari bulunamadı: MEHMET" << QStringList();
    QTest::newRow("an inactive customer's name") << "ESKİ ÇARŞI ŞEKERCİSİ" << week << "chameleonButton2"
                                                 << "Cari bulunamadı: ESKİ ÇARŞI ŞEKERCİSİ" << QStringList();
    QTest::newRow("appending what is listed") << QString() << week << "chameleonButton3"
                                              << "Listeye eklenecek yeni kayıt yok" << all;
    QTest::newRow("appending with part of a name") << "AYŞE" << week << "chameleonButton3"
                                                   << "Cari bulunamadı: AYŞE" << all;
}

void TestPickerWindows::statusSaysWhatFoundNothing()
{
    QFETCH(QString, typed);
    QFETCH(QDate, from);
    QFETCH(QString, button);
    QFETCH(QString, status);
    QFETCH(QStringList, fisnos);
    QWidget *w = m_window.get();
    child<QDateEdit>(w, "tr1")->setDate(QDate(2024, 1, 1));
    child<QDateEdit>(w, "tr2")->setDate(QDate(2024, 1, 8));
    QTest::mouseClick(child<QPushButton>(w, "chameleonButton2"), Qt::LeftButton);
    child<QDateEdit>(w, "tr1")->setDate(from);
    child<QDateEdit>(w, "tr2")->setDate(from.addDays(7));
    child<QComboBox>(w, "cr")->setEditText(typed);
    QTest::mouseClick(child<QPushButton>(w, qPrintable(button)), Qt::LeftButton);
    QCOMPARE(child<QStatusBar>(w, "sb1")->currentMessage(), status);
    QCOMPARE(test::fieldValues(m_window->picker().l1(), QStringLiteral("fisno")), fisnos);
    QVERIFY(m_plain.isEmpty());
}

void TestPickerWindows::searchAndSelectWithMouse()
{
    QWidget *w = m_window.get();
    child<QDateEdit>(w, "tr1")->setDate(QDate(2024, 1, 1));
    child<QDateEdit>(w, "tr2")->setDate(QDate(2024, 1, 8));
    QCOMPARE(m_window->picker().endKey(), QStringLiteral("20240108"));
    auto *list = child<GridWidget>(w, "l1");
    QMenu *men = child<QMenu>(w, "men");

    // No menu on an empty list.
    QTest::mouseClick(list->view()->viewport(), Qt::RightButton, {}, QPoint(20, 20));
    QVERIFY(!men->isVisible());

    QTest::mouseClick(child<QPushButton>(w, "chameleonButton2"), Qt::LeftButton);
    QCOMPARE(m_window->picker().l1().table().rowCount(), 5);
    doubleClickRow(list, 2);
    QCOMPARE(m_window->picker().tickedCount(), 1);
    QCOMPARE(m_window->picker().l1().table().value(2, 0), QStringLiteral("True"));
    doubleClickRow(list, 2);
    QCOMPARE(m_window->picker().tickedCount(), 0);

    QTest::mouseClick(list->view()->viewport(), Qt::RightButton, {}, QPoint(20, 20));
    QTRY_VERIFY(men->isVisible());
    men->findChild<QAction *>(QStringLiteral("tumsec"))->trigger();
    men->hide();
    QCOMPARE(m_window->picker().tickedCount(), 5);
    men->findChild<QAction *>(QStringLiteral("seckaldır"))->trigger();
    QCOMPARE(m_window->picker().tickedCount(), 0);

    // Shading: odd displayed positions only.
    const QModelIndex odd = list->model()->index(1, 2);
    const QModelIndex even = list->model()->index(2, 2);
    QCOMPARE(odd.data(Qt::BackgroundRole).value<QColor>(), QColor(234, 240, 242));
    QVERIFY(!even.data(Qt::BackgroundRole).value<QColor>().isValid() ||
            even.data(Qt::BackgroundRole).value<QColor>() == QColor(Qt::white));

    QTest::mouseClick(child<QPushButton>(w, "chameleonButton4"), Qt::LeftButton);
    QCOMPARE(m_window->picker().l1().table().rowCount(), 0);
}

void TestPickerWindows::handOverMessages()
{
    auto *button = child<QPushButton>(m_window.get(), "chameleonButton1");
    // Empty list: nothing at all.
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(m_messages.isEmpty());
    QVERIFY(m_window->isVisible());

    m_window->picker().setTr1(QDate(2024, 1, 1));
    m_window->picker().setTr2(QDate(2024, 1, 8));
    m_window->gosterbul(SearchMode::NewList);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(m_messages.first().text, QStringLiteral("Listeden Seçim Yapmalısınız..."));
    QCOMPARE(m_messages.first().caption, 2);
    QCOMPARE(m_messages.first().icon, 2);
    QCOMPARE(m_messages.first().buttons, 1);
    QVERIFY(m_window->isVisible());
    QCOMPARE(m_report->l2().table().rowCount(), 0);
}

void TestPickerWindows::handOverFillsReportAndCloses()
{
    WaybillPicker &picker = m_window->waybills();
    picker.setTr1(QDate(2024, 1, 1));
    picker.setTr2(QDate(2024, 1, 8));
    m_window->gosterbul(SearchMode::NewList);
    picker.toggle(0);
    picker.toggle(4);
    child<QCheckBox>(m_window.get(), "Check1")->setChecked(true);
    picker.l1().setColumnWidth(3, 123);

    m_window->menu()->findChild<QAction *>(QStringLiteral("irsgornt"))->trigger();
    QVERIFY(!m_window->isVisible());
    QCOMPARE(m_window->result(), int(QDialog::Accepted));
    QCOMPARE(m_report->l2().table().rowCount(), 2);
    QCOMPARE(m_report->l1().table().rowCount(), 2); // A001 merged over both, B002
    QCOMPARE(
        iniread(QStringLiteral("l1"), QStringLiteral("l1-3"), m_dir.filePath(QStringLiteral("list.velmor"))),
        QStringLiteral("123"));
}

void TestPickerWindows::failingHandOverIsShownOverCaller()
{
    WaybillPicker &picker = m_window->waybills();
    picker.setTr1(QDate(2024, 1, 1));
    picker.setTr2(QDate(2024, 1, 8));
    m_window->gosterbul(SearchMode::NewList);
    picker.toggle(3); // IRS-108: its second line names a missing item card
    QTest::mouseClick(child<QPushButton>(m_window.get(), "chameleonButton1"), Qt::LeftButton);
    QCOMPARE(m_plain.size(), 1);
    QVERIFY2(m_plain.first().contains(QLatin1String("999")), qPrintable(m_plain.first()));
    QVERIFY(!m_window->isVisible());
    QCOMPARE(m_report->pr1().value(), 0);
    QVERIFY(!m_report->l1().table().isRedrawSuspended());
}

void TestPickerWindows::failingSearchKeepsListUsable()
{
    m_connection->close();
    QTest::mouseClick(child<QPushButton>(m_window.get(), "chameleonButton2"), Qt::LeftButton);
    QCOMPARE(m_plain.size(), 1);
    QVERIFY(!m_window->picker().l1().table().isRedrawSuspended());
    QVERIFY(m_window->isVisible());
}

void TestPickerWindows::escClosesAndSavesAppearance()
{
    m_window->picker().l1().setColumnWidth(6, 222);
    QTest::keyClick(child<GridWidget>(m_window.get(), "l1")->view(), Qt::Key_Escape);
    QVERIFY(!m_window->isVisible());
    QCOMPARE(m_window->result(), int(QDialog::Rejected));
    QCOMPARE(
        iniread(QStringLiteral("l1"), QStringLiteral("l1-6"), m_dir.filePath(QStringLiteral("list.velmor"))),
        QStringLiteral("222"));
    QVERIFY(m_report->l2().table().rowCount() == 0);
}

// A picker wider than the screen would cut its buttons off: it takes the
// screen's available size, and every button stays whole inside it.
void TestPickerWindows::fitsTheScreen()
{
    CustomerPickerWindow cariform(context(), m_window.get());
    cariform.show();
    QVERIFY(QTest::qWaitForWindowExposed(&cariform));
    for (QWidget *window : QList<QWidget *>{m_window.get(), &cariform}) {
        const QRect available = window->screen()->availableGeometry();
        QVERIFY2(available.contains(window->geometry()), qPrintable(window->objectName()));
        for (const QPushButton *button : window->findChildren<QPushButton *>()) {
            const QRect shown(button->mapTo(window, QPoint(0, 0)), button->size());
            QVERIFY2(window->rect().contains(shown), qPrintable(button->text()));
            QVERIFY2(button->width() >= button->minimumSizeHint().width(), qPrintable(button->text()));
        }
    }
}

void TestPickerWindows::customerPickerSearches()
{
    CustomerPickerWindow cariform(context());
    cariform.show();
    QCOMPARE(cariform.windowTitle(), QStringLiteral("Form1"));
    // Every active card that is no group card.
    QCOMPARE(cariform.model().l1().table().rowCount(), 6);

    auto *text1 = child<QLineEdit>(&cariform, "Text1");
    text1->setFocus();
    QTest::keyClicks(text1, QStringLiteral("BAKKAL"));
    QTest::keyClick(text1, Qt::Key_Return);
    QVERIFY(cariform.isVisible()); // Enter searches, it does not choose
    const MemTable &t = cariform.model().l1().table();
    QCOMPARE(t.rowCount(), 1);
    QCOMPARE(t.value(0, t.fieldIndex(QStringLiteral("kod"))), QStringLiteral("120.12"));
    QCOMPARE(t.value(0, t.fieldIndex(QStringLiteral("sehir"))), QStringLiteral("MANİSA"));

    // A card is found by a part of its name or of its code; an apostrophe is
    // searched for and never breaks the statement.
    const struct {
        const char *text;
        QStringList names;
    } searches[] = {
        {"TİCARET", {"AYŞE TİCARET", "AYŞE TİCARET LTD"}},
        {"320.", {"SEVKİYAT DEPOSU", "DEPO 12"}},
        {"MEHMET'", {"MEHMET'İN GIDA"}},
        {"YOK BÖYLE", {}},
    };
    for (const auto &search : searches) {
        text1->setText(QString::fromUtf8(search.text));
        QTest::keyClick(text1, Qt::Key_Return);
        QVERIFY(m_plain.isEmpty());
        QCOMPARE(test::fieldValues(cariform.model().l1(), QStringLiteral("cari")), search.names);
    }
}

void TestPickerWindows::customerPickerChoice()
{
    {
        CustomerPickerWindow cariform(context());
        cariform.show();
        doubleClickRow(cariform.list(), 1);
        QCOMPARE(cariform.result(), int(QDialog::Accepted));
        QVERIFY(cariform.chosen());
        QCOMPARE(cariform.chosen()->name, QStringLiteral("AYŞE TİCARET"));
        QCOMPARE(cariform.chosen()->ref, QStringLiteral("3"));
    }
    {
        CustomerPickerWindow cariform(context());
        cariform.show();
        QTest::keyClick(&cariform, Qt::Key_Escape);
        QCOMPARE(cariform.result(), int(QDialog::Rejected));
        QVERIFY(!cariform.chosen());
    }
    {
        // "Tamam" on an empty list chooses empty texts.
        CustomerPickerWindow cariform(context());
        cariform.show();
        auto *text1 = child<QLineEdit>(&cariform, "Text1");
        text1->setText(QStringLiteral("YOK BÖYLE"));
        QTest::keyClick(text1, Qt::Key_Return);
        QTest::mouseClick(child<QPushButton>(&cariform, "chameleonButton1"), Qt::LeftButton);
        QCOMPARE(cariform.result(), int(QDialog::Accepted));
        QCOMPARE(cariform.chosen()->name, QString());
        QCOMPARE(cariform.chosen()->ref, QString());
    }
}

void TestPickerWindows::choiceReachesPicker()
{
    auto *cr = child<QComboBox>(m_window.get(), "cr");
    // Another card of this name is chosen: its reference wins over the
    // lookup by name, and the name is not completed to a longer one.
    m_window->setCustomer(QStringLiteral("AYŞE TİCARET"), QStringLiteral("4"));
    QCOMPARE(cr->currentText(), QStringLiteral("AYŞE TİCARET"));
    QCOMPARE(child<QLineEdit>(m_window.get(), "crref")->text(), QStringLiteral("4"));
    QCOMPARE(m_window->picker().crref(), QStringLiteral("4"));
    m_window->picker().setTr1(QDate(2024, 1, 1));
    m_window->picker().setTr2(QDate(2024, 1, 8));
    m_window->gosterbul(SearchMode::NewList);
    QCOMPARE(m_window->picker().l1().table().rowCount(), 1); // IRS-108 of card 4
}

QTEST_MAIN(TestPickerWindows)
#include "tst_pickerwindows.moc"
