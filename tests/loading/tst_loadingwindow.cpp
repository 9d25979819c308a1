// The loading report through the real windows on a fixture program folder:
// the main window opens tarvelfatura, F5 opens irsaliyeform, "Göster", two
// rows ticked, "İrsaliye Görüntüle"; then the screen's texts, "Satır Sil",
// the context menu, the spreadsheet export and the appearance saved on close.
#include "common/gridvalues.h"
#include "common/modals.h"
#include "common/verifyok.h"
#include "common/waybillfixture.h"
#include "dialogs/messagebox.h"
#include "dialogs/plainmessage.h"
#include "foundation/erp/erpsession.h"
#include "foundation/store/localstore.h"
#include "foundation/store/sharedsettings.h"
#include "foundation/store/sidefiles.h"
#include "loading/loadingreport.h"
#include "loading/ui/loadingwindow.h"
#include "mainwindow/mainwindow.h"
#include "pickers/documentpicker.h"
#include "pickers/ui/waybillpickerwindow.h"
#include "widgets/gridview.h"
#include "widgets/gridwidget.h"
#include "widgets/xpprogressbar.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace tarvel;
using test::ErpFixture;
using test::onNextModal;

namespace {

void doubleClickRow(GridWidget *grid, int row)
{
    GridView *view = grid->view();
    const int fisno = grid->grid()->columnOfField(QStringLiteral("fisno"));
    const QRect cell = view->visualRect(view->model()->index(row, fisno));
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, cell.center());
}

} // namespace

class TestLoadingWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void pickAndShow();
    void startUpTexts();
    void settingsUnreadable();
    void deleteRow();
    void printAsksFirst_data();
    void printAsksFirst();
    void menuOnlyWithRows();
    void spreadsheetExport();
    void appearanceSavedOnClose();
    void savedSettingsReachOpenWindow();

private:
    LoadingWindow *loadingWindow() const
    {
        return qobject_cast<LoadingWindow *>(m_main->report(ReportKind::Loading));
    }
    template <typename T> T *child(const char *name) const
    {
        T *found = loadingWindow()->findChild<T *>(QString::fromUtf8(name));
        if (!found)
            qFatal("no %s", name);
        return found;
    }
    // "İrsaliyeler" through F5 on the list, and the picker driven as a user would.
    void pickWaybills(const QList<int> &rows);

    QTemporaryDir m_dir;
    ErpFixture m_erp;
    WindowFactory m_windows;
    std::unique_ptr<MainWindow> m_main;
    QList<QStringList> m_messages; // text, caption, icon, buttons
    int m_answer = 1;
    QList<PrintMode> m_printed; // the modes the printing was called with
    QString m_lastFirmName;
};

void TestLoadingWindow::initTestCase()
{
    test::addWaybillFixture(m_erp);
    const QString error = m_erp.write(m_dir.filePath(QStringLiteral("erp.sqlite")));
    QVERIFY2(error.isEmpty(), qPrintable(error));
    m_erp.writeStore(m_dir.path());
    QStringList fytPar(8, QStringLiteral("0"));
    QVERIFY(writeLineFile(m_dir.filePath(QStringLiteral("fytPar.velmor")),
                          fytPar << QStringLiteral("FİKSTÜR GIDA")));
    // The firm name of the caption is kept across the windows, as the program does.
    m_windows.setReportCreator(ReportKind::Loading, [this](const AppPaths &paths) {
        return new LoadingWindow(
            paths, ErpSession::instance().primary(),
            [this](const LoadingReport &, PrintMode mode, QWidget *) { m_printed << mode; }, &m_lastFirmName);
    });
    setMessageResponder([this](const QString &text, Caption caption, Icon icon, Buttons buttons) {
        m_messages.append(
            {text, QString::number(int(caption)), QString::number(int(icon)), QString::number(int(buttons))});
        return m_answer;
    });
    setPlainMessageSink([](const QString &text) { QFAIL(qPrintable(text)); });
}

void TestLoadingWindow::init()
{
    m_messages.clear();
    m_answer = 1;
    m_printed.clear();
    QVERIFY(ErpSession::instance().connect(m_dir.path()));
    const AppPaths paths{m_dir.path(), m_dir.path()};
    m_main = std::make_unique<MainWindow>(paths, m_windows, [] {});
    m_main->resize(1100, 800);
    m_main->show();
    QVERIFY(m_main->load());
    QVERIFY(QTest::qWaitForWindowActive(m_main.get()));
    QVERIFY(loadingWindow());
}

void TestLoadingWindow::cleanup()
{
    m_main.reset();
    ErpSession::instance().reset();
    sharedSettings() = SharedSettings{};
    QFile::remove(m_dir.filePath(QStringLiteral("list.velmor")));
}

void TestLoadingWindow::pickWaybills(const QList<int> &rows)
{
    bool driven = false;
    onNextModal<WaybillPickerWindow>(this, [&](WaybillPickerWindow *picker) {
        picker->findChild<QDateEdit *>(QStringLiteral("tr1"))->setDate(QDate(2024, 1, 1));
        picker->findChild<QDateEdit *>(QStringLiteral("tr2"))->setDate(QDate(2024, 1, 8));
        QTest::mouseClick(picker->findChild<QPushButton *>(QStringLiteral("chameleonButton2")),
                          Qt::LeftButton);
        for (int row : rows)
            doubleClickRow(picker->list(), row);
        QTest::mouseClick(picker->findChild<QPushButton *>(QStringLiteral("chameleonButton1")),
                          Qt::LeftButton);
        driven = !picker->isVisible();
        if (!driven) // a failed step must not leave the test waiting
            picker->reject();
    });
    GridWidget *l1 = child<GridWidget>("l1");
    l1->view()->setFocus();
    QTest::keyClick(l1->view(), Qt::Key_F5);
    QVERIFY(driven);
}

void TestLoadingWindow::pickAndShow()
{
    pickWaybills({0, 1});
    const LoadingReport &report = loadingWindow()->report();
    QCOMPARE(test::fieldValues(report.l2(), QStringLiteral("fisno")), QStringList({"IRS-101", "IRS-102"}));

    GridWidget *l1 = child<GridWidget>("l1");
    QCOMPARE(l1->model()->rowCount(), 4);
    QCOMPARE(l1->model()->index(3, 1).data().toString(), QStringLiteral("A001"));
    QCOMPARE(l1->model()->index(3, 3).data().toString(), QStringLiteral("KOLİ"));
    QCOMPARE(l1->currentPosition(), 0);
    const QList<QPair<const char *, QString>> totals{{"topl", QStringLiteral("2,00")},
                                                     {"topi", QStringLiteral("0,50")},
                                                     {"topk", QStringLiteral("0,10")},
                                                     {"gtop", QStringLiteral("1,60")}};
    for (const auto &[name, text] : totals)
        QCOMPARE(child<QLabel>(name)->text(), text);
    QCOMPARE(child<QLineEdit>("unvn")->text(), QStringLiteral("MEHMET'İN GIDA"));
    QCOMPARE(child<QPlainTextEdit>("adr")->toPlainText(), QStringLiteral("ATATÜRK CAD. NO:5 KAT:2"));
    auto *pr1 = child<XpProgressBar>("pr1");
    QCOMPARE(pr1->value(), 0);
    QVERIFY(!pr1->showText());
    QCOMPARE(child<GridWidget>("l2")->model()->rowCount(), 2);
    // The picker is gone and kept its appearance.
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(
        !iniread(QStringLiteral("l1"), QStringLiteral("l1-0"), m_dir.filePath(QStringLiteral("list.velmor")))
             .isEmpty());

    // The user's correction of a customer field is what printing reads.
    QLineEdit *unvn = child<QLineEdit>("unvn");
    unvn->setFocus();
    QTest::keyClicks(unvn, QStringLiteral(" (MERKEZ)"));
    QCOMPARE(report.customer().unvn, QStringLiteral("MEHMET'İN GIDA (MERKEZ)"));
}

void TestLoadingWindow::startUpTexts()
{
    LoadingWindow *w = loadingWindow();
    QCOMPARE(w->objectName(), QStringLiteral("tarvelfatura"));
    QCOMPARE(w->windowTitle(), QStringLiteral("ARAÇ YÜKLEME RAPORU   FİKSTÜR GIDA"));
    QVERIFY(m_messages.isEmpty());
    const QList<QPair<const char *, QString>> buttons{{"chameleonButton12", QStringLiteral("İrsaliyeler")},
                                                      {"chameleonButton14", QStringLiteral("Yazdır")},
                                                      {"chameleonButton15", QStringLiteral("Satır Sil")}};
    for (const auto &[name, caption] : buttons)
        QCOMPARE(child<QPushButton>(name)->text(), caption);
    for (const char *name : {"topl", "topi", "topk", "gtop"})
        QCOMPARE(child<QLabel>(name)->text(), QStringLiteral("0,00"));
    QVERIFY(child<QLabel>("topl")->alignment() & Qt::AlignRight);

    const QList<QLabel *> panels = child<QStatusBar>("sb1")->findChildren<QLabel *>();
    QCOMPARE(panels.size(), 6);
    QCOMPARE(panels.at(0)->text(), QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")));
    QCOMPARE(panels.at(3)->text(), LoadingReport::statusText(m_erp.fir(), m_erp.don()));
    QVERIFY(panels.at(3)->text().contains(QStringLiteral("FİKSTÜR GIDA A.Ş.  01  (01.01.2024)")));
    // Odd rows shaded, the selection keeps its colours.
    pickWaybills({0});
    GridWidget *l1 = child<GridWidget>("l1");
    QCOMPARE(l1->model()->index(1, 2).data(Qt::BackgroundRole).value<QColor>(), QColor(234, 240, 242));
}

void TestLoadingWindow::settingsUnreadable()
{
    // A folder without data.dbs: the message, and the screen opens all the same.
    QTemporaryDir empty;
    LoadingWindow window({empty.path(), empty.path()}, ErpSession::instance().primary(), {}, &m_lastFirmName);
    QCOMPARE(m_messages.size(), 1);
    QStringList message = m_messages.first();
    const QStringList lines = message.first().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 2); // the second line names the cause
    message.first() = lines.first();
    QCOMPARE(message, QStringList({"Ayarları Kontrol Ediniz...", "2", "1", "1"}));
    QCOMPARE(window.findChild<QLabel *>(QStringLiteral("topl"))->text(), QStringLiteral("0,00"));
    QCOMPARE(window.windowTitle(), QStringLiteral("ARAÇ YÜKLEME RAPORU   FİKSTÜR GIDA")); // as last read
}

void TestLoadingWindow::deleteRow()
{
    auto *satirSil = child<QPushButton>("chameleonButton15");
    QTest::mouseClick(satirSil, Qt::LeftButton);
    QVERIFY(m_messages.isEmpty()); // empty list: no question

    pickWaybills({0});
    GridWidget *l1 = child<GridWidget>("l1");
    l1->view()->setCurrentIndex(l1->model()->index(1, 2));
    m_answer = 0; // HAYIR
    QTest::mouseClick(satirSil, Qt::LeftButton);
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(m_messages.first(), QStringList({"Satırı Silmek İstediğinize Eminmisiniz...?", "2", "1", "2"}));
    QCOMPARE(l1->model()->rowCount(), 3);

    l1->view()->setCurrentIndex(l1->model()->index(1, 2));
    m_answer = 1; // EVET
    QTest::mouseClick(satirSil, Qt::LeftButton);
    QCOMPARE(l1->model()->rowCount(), 2);
    QCOMPARE(l1->model()->index(1, 0).data().toString(), QStringLiteral("2"));
    QCOMPARE(l1->model()->index(1, 1).data().toString(), QStringLiteral("B002"));
}

void TestLoadingWindow::printAsksFirst_data()
{
    QTest::addColumn<QList<int>>("rows"); // ticked in the picker: 0 IRS-101, 4 IRS-109
    QTest::addColumn<bool>("deleteOne");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QStringList>("asked"); // the start of each question
    QTest::addColumn<bool>("printed");

    const QString mixed = QStringLiteral("Listede birden fazla carinin irsaliyesi var: MEHMET'İN GIDA, AYŞE "
                                         "TİCARET\nFormlar AYŞE TİCARET adına basılacak. Devam edilsin mi?");
    const QString deleted = QStringLiteral("Listeden 1 satır silindi. Formlardaki toplamlar");
    QTest::newRow("one customer's waybill as loaded") << QList<int>{0} << false << 1 << QStringList() << true;
    QTest::newRow("two customers, HAYIR") << QList<int>{0, 4} << false << 0 << QStringList{mixed} << false;
    QTest::newRow("two customers, EVET") << QList<int>{0, 4} << false << 1 << QStringList{mixed} << true;
    QTest::newRow("a row deleted, HAYIR") << QList<int>{0} << true << 0 << QStringList{deleted} << false;
    QTest::newRow("both, EVET to each")
        << QList<int>{0, 4} << true << 1 << QStringList{mixed, deleted} << true;
}

// Forms that could be read wrongly (one customer's name over several
// customers' goods; totals that still count deleted rows) are printed only
// after the user agreed.
void TestLoadingWindow::printAsksFirst()
{
    QFETCH(QList<int>, rows);
    QFETCH(bool, deleteOne);
    QFETCH(int, answer);
    QFETCH(QStringList, asked);
    QFETCH(bool, printed);

    pickWaybills(rows);
    QLabel *panel3 = child<QStatusBar>("sb1")->findChildren<QLabel *>().at(2);
    QCOMPARE(panel3->text(), QString());
    if (deleteOne) {
        QTest::mouseClick(child<QPushButton>("chameleonButton15"), Qt::LeftButton);
        QCOMPARE(panel3->text(), QStringLiteral("1 satır silindi; toplamlar silinenleri de içerir"));
    }
    m_messages.clear();
    m_answer = answer;
    loadingWindow()->printloadinglist(PrintMode::Preview);
    QCOMPARE(m_messages.size(), asked.size());
    for (int i = 0; i < asked.size(); ++i) {
        QVERIFY2(m_messages.at(i).first().startsWith(asked.at(i)), qPrintable(m_messages.at(i).first()));
        QCOMPARE(m_messages.at(i).mid(1), QStringList({"2", "2", "2"})); // DİKKAT, warning, EVET/HAYIR
    }
    QCOMPARE(m_printed, printed ? QList<PrintMode>{PrintMode::Preview} : QList<PrintMode>{});

    // A new hand-over counts from nothing again.
    QVERIFY_OK(loadingWindow()->report().handOver({{.ref = QStringLiteral("101")}}, Merge::None));
    QCOMPARE(panel3->text(), QString());
}

void TestLoadingWindow::menuOnlyWithRows()
{
    QMenu *aracyuk = m_main->contextMenu(ContextMenu::Aracyuk);
    GridWidget *l1 = child<GridWidget>("l1");
    QTest::mouseClick(l1->view()->viewport(), Qt::RightButton, {}, QPoint(30, 10));
    QTest::mouseClick(child<QPushButton>("chameleonButton14"), Qt::LeftButton);
    QVERIFY(!aracyuk->isVisible());

    pickWaybills({0});
    QTest::mouseClick(l1->view()->viewport(), Qt::RightButton, {}, QPoint(30, 10));
    QTRY_VERIFY(aracyuk->isVisible());
    aracyuk->hide();
    QTest::mouseClick(child<QPushButton>("chameleonButton14"), Qt::LeftButton);
    QTRY_VERIFY(aracyuk->isVisible());
    aracyuk->hide();
}

void TestLoadingWindow::spreadsheetExport()
{
    pickWaybills({0});
    QAction *exportItem =
        m_main->contextMenu(ContextMenu::Aracyuk)->findChild<QAction *>(QStringLiteral("lstexelkayit"));
    QVERIFY(exportItem);

    // A name typed without extension gets the chosen type's: .xlsx first, .xls second.
    const QString typed = m_dir.filePath(QStringLiteral("yukleme listesi"));
    QString title, filter;
    onNextModal<QFileDialog>(this, [&](QFileDialog *dialog) {
        title = dialog->windowTitle();
        filter = dialog->nameFilters().join(QLatin1Char(';'));
        test::chooseFile(dialog, typed);
    });
    exportItem->trigger();
    QCOMPARE(title, QStringLiteral("Dosya Kaydetme Yeri"));
    QCOMPARE(filter, QStringLiteral("Excel Çalışma Kitabı (*.xlsx);Exel Dosyaları (xls) (*.xls)"));
    QVERIFY(!QFile::exists(typed));
    QFile workbook(typed + QStringLiteral(".xlsx"));
    QVERIFY(workbook.open(QIODevice::ReadOnly));
    QCOMPARE(workbook.read(2), QByteArray("PK")); // a zip container, as .xlsx are

    onNextModal<QFileDialog>(this, [&](QFileDialog *dialog) {
        // The second type, chosen in the type list as a user would.
        if (auto *types = dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo")))
            QTest::keyClick(types, Qt::Key_Down);
        filter = dialog->selectedNameFilter();
        test::chooseFile(dialog, typed);
    });
    exportItem->trigger();
    QCOMPARE(filter, QStringLiteral("Exel Dosyaları (xls) (*.xls)"));
    QFile written(typed + QStringLiteral(".xls"));
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.read(4), QByteArray("\xD0\xCF\x11\xE0", 4)); // a compound file, as .xls are
    QVERIFY(!QFile::exists(typed));

    // A failed write names its cause.
    onNextModal<QFileDialog>(this, [&](QFileDialog *dialog) {
        dialog->setDirectory(m_dir.path());
        dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))
            ->setText(QStringLiteral("yok/liste.xlsx"));
        QMetaObject::invokeMethod(dialog, "accept");
    });
    exportItem->trigger();
    QCOMPARE(m_messages.size(), 1);
    QVERIFY2(m_messages.first().first().contains(QStringLiteral("Klasör bulunamadı")),
             qPrintable(m_messages.first().first()));
    m_messages.clear();

    // Cancel writes nothing, also after an earlier export chose a name.
    QVERIFY(QFile::remove(typed + QStringLiteral(".xlsx")));
    onNextModal<QFileDialog>(this, [](QFileDialog *dialog) { dialog->reject(); });
    exportItem->trigger();
    QVERIFY(!QFile::exists(typed + QStringLiteral(".xlsx")));
    QVERIFY(m_messages.isEmpty());
}

void TestLoadingWindow::appearanceSavedOnClose()
{
    const QString file = m_dir.filePath(QStringLiteral("list.velmor"));
    iniwrite(QStringLiteral("l1"), QStringLiteral("l1-4"), QStringLiteral("150"), file);
    loadingWindow()->report().l1().setColumnWidth(2, 333);
    m_main->close();
    QCOMPARE(iniread(QStringLiteral("Fl1"), QStringLiteral("l1-2"), file), QStringLiteral("333"));
    QVERIFY(!iniread(QStringLiteral("Fl1"), QStringLiteral("l1-7"), file).isEmpty());
    QCOMPARE(iniread(QStringLiteral("l1"), QStringLiteral("l1-4"), file), QStringLiteral("150"));

    // The next start reads it back.
    LoadingWindow again({m_dir.path(), m_dir.path()}, ErpSession::instance().primary());
    QCOMPARE(again.report().l1().columnWidth(2), 333);
}

// "Kaydet" in Ayarlar → Parametreler: the open window takes the saved firm,
// period and caption firm name for its next action, without a restart.
void TestLoadingWindow::savedSettingsReachOpenWindow()
{
    const QString fytParFile = m_dir.filePath(QStringLiteral("fytPar.velmor"));
    const QString newFir = QStringLiteral("7- YENİ FİRMA"),
                  newDon = QStringLiteral("3- 7-(01.01.2026)  (31.12.2026)");
    // The firm and period as "Kaydet" stores them.
    const auto storeChoices = [this](const QString &fir, const QString &don) {
        StoreSession session(storePath(m_dir.path()));
        session.store().execute(updateVeritabani({.fir = fir,
                                                  .don = don,
                                                  .fiyat1 = QString(),
                                                  .fiyat2 = QString(),
                                                  .brset = QString(),
                                                  .birim1 = QString(),
                                                  .birim2 = QString(),
                                                  .stkartipi = QString()}));
    };
    const auto restore = qScopeGuard([&] {
        m_windows.setSettingsCreator({});
        QStringList fytPar(8, QStringLiteral("0"));
        (void)writeLineFile(fytParFile, fytPar << QStringLiteral("FİKSTÜR GIDA"));
        storeChoices(m_erp.fir(), m_erp.don());
    });
    // A settings window that saves as "Kaydet" does.
    m_windows.setSettingsCreator([&](const AppPaths &, QWidget *parent) {
        auto *dialog = new QDialog(parent);
        onNextModal<QDialog>(dialog, [&](QDialog *shown) {
            storeChoices(newFir, newDon);
            QStringList fytPar(8, QStringLiteral("0"));
            (void)writeLineFile(fytParFile, fytPar << QStringLiteral("YENİ FİRMA"));
            shown->accept();
        });
        return dialog;
    });
    // A new main window: the factory is copied when the frame is made.
    m_main = std::make_unique<MainWindow>(AppPaths{m_dir.path(), m_dir.path()}, m_windows, [] {});
    m_main->show();
    QVERIFY(m_main->load());
    LoadingWindow *w = loadingWindow();
    QVERIFY(w);
    QCOMPARE(w->report().context().fir, m_erp.fir());

    QAction *parame = m_main->findChild<QAction *>(QStringLiteral("parame"));
    QVERIFY(parame);
    parame->trigger();
    QCOMPARE(w->report().context().fir, newFir);
    QCOMPARE(w->report().context().don, newDon);
    QCOMPARE(w->windowTitle(), QStringLiteral("ARAÇ YÜKLEME RAPORU   YENİ FİRMA"));
    const QList<QLabel *> panels = child<QStatusBar>("sb1")->findChildren<QLabel *>();
    QCOMPARE(panels.at(3)->text(), QStringLiteral(" YENİ FİRMA  3  (01.01.2026)  (31.12.2026)"));
    QVERIFY(m_messages.isEmpty());
}

QTEST_MAIN(TestLoadingWindow)
#include "tst_loadingwindow.moc"
