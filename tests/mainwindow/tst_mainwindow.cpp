// The application frame on its own: names and texts, tabs and the windows they
// bring to front, the menu bar, the context menus' routing, the designer and
// the parameters items, and closing. The start-up's erpconnect is replaced by
// a counter; the connection paths are in tst_startup.
#include "mainwindow/mainwindow.h"
#include "mainwindow/reportwindow.h"
#include "mainwindow/windowfactory.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <csignal>

using namespace tarvel;

namespace {

// A report window that writes down which of its operations ran.
class RecordingReport : public ReportWindow {
public:
    RecordingReport(ReportKind kind, QStringList *calls) : m_calls(calls)
    {
        setObjectName(reportInfo(kind).objectName);
        setWindowTitle(reportInfo(kind).windowCaption);
    }
    void printloadinglist(PrintMode mode) override
    {
        record(QStringLiteral("printloadinglist(%1)").arg(int(mode)));
    }
    void listeexelkaydet() override { record(QStringLiteral("listeexelkaydet()")); }
    void listeyazdir(PrintMode mode) override { record(QStringLiteral("listeyazdir(%1)").arg(int(mode))); }
    void exelkaydet() override { record(QStringLiteral("exelkaydet()")); }

protected:
    void unload() override { record(QStringLiteral("unload()")); }

private:
    void record(const QString &call) { m_calls->append(objectName() + QLatin1Char('.') + call); }
    QStringList *m_calls;
};

// What a modal window showed before the watcher closed it.
struct SeenModal {
    QString objectName, caption, text;
};

// Closes the next modal window as soon as it appears (showmessage and the
// parameters window block until then) and remembers what it showed.
class ModalCloser : public QObject {
public:
    explicit ModalCloser(SeenModal *seen) : m_seen(seen)
    {
        m_timer.setInterval(20);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal)
                return;
            m_timer.stop();
            m_seen->objectName = modal->objectName();
            m_seen->caption = modal->windowTitle();
            const QList<QLabel *> labels = modal->findChildren<QLabel *>();
            for (const QLabel *label : labels)
                m_seen->text += label->text() + QLatin1Char('\n');
            modal->close();
        });
        m_timer.start();
    }

private:
    SeenModal *m_seen;
    QTimer m_timer;
};

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void texts_data();
    void texts();
    void contextMenusStayOutOfMenuBar();

    void loadBringsLoadingReportToFront();
    void tabsBringTheirWindows_data();
    void tabsBringTheirWindows();
    void placeholdersCarryNamesAndCaptions_data();
    void placeholdersCarryNamesAndCaptions();
    void tabWithOtherCaptionOpensNothing();
    void menuItemsKeepActiveTab_data();
    void menuItemsKeepActiveTab();

    void contextMenusReachActiveWindow_data();
    void contextMenusReachActiveWindow();
    void reportWindowPopsUpContextMenu_data();
    void reportWindowPopsUpContextMenu();

    void designerStartsDetached_data();
    void designerStartsDetached();
    void designerProblemsAreShown_data();
    void designerProblemsAreShown();
    void parametersOpenModally();

    void closingEndsChildrenFirst();
    void childClosedByItsBoxIsMadeAnew();

private:
    MainWindow &frame() { return *m_main; }
    QWidget *frontWindow() const;
    void trigger(const QString &actionName);

    std::unique_ptr<QTemporaryDir> m_dir;
    QStringList m_calls;
    QStringList m_created;
    int m_erpconnects = 0;
    std::unique_ptr<MainWindow> m_main;
};

void TestMainWindow::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_calls.clear();
    m_created.clear();
    m_erpconnects = 0;
    WindowFactory factory;
    for (const ReportInfo &info : reportCatalog()) {
        const ReportKind kind = info.kind;
        factory.setReportCreator(kind, [this, kind](const AppPaths &) {
            m_created << reportInfo(kind).objectName;
            return new RecordingReport(kind, &m_calls);
        });
    }
    factory.setSettingsCreator([](const AppPaths &, QWidget *parent) {
        auto *settings = new QDialog(parent);
        settings->setObjectName(QStringLiteral("parametre"));
        settings->setWindowTitle(QStringLiteral("PARAMETRELER"));
        return settings;
    });
    m_main = std::make_unique<MainWindow>(AppPaths{m_dir->path(), m_dir->path()}, factory,
                                          [this] { ++m_erpconnects; });
    QVERIFY(m_main->load());
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main.get()));
}

void TestMainWindow::cleanup()
{
    m_main.reset();
    m_dir.reset();
}

QWidget *TestMainWindow::frontWindow() const
{
    QMdiSubWindow *sub = m_main->mdiArea()->activeSubWindow();
    return sub ? sub->widget() : nullptr;
}

void TestMainWindow::trigger(const QString &actionName)
{
    auto *action = m_main->findChild<QAction *>(actionName);
    QVERIFY2(action, qPrintable(actionName));
    action->trigger();
}

void TestMainWindow::texts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");

    // Menus (their titles) and their items, by objectName, byte for byte.
    QTest::newRow("islm") << "islm"
                          << "İşlemler";
    QTest::newRow("arcyuk") << "arcyuk"
                            << "Araç Yükleme Raporu";
    QTest::newRow("karanalizmenu") << "karanalizmenu"
                                   << "Karlılık Analizi";
    QTest::newRow("sipkaranalizmenu") << "sipkaranalizmenu"
                                      << "Sipariş Karlılık Analizi";
    QTest::newRow("ayaarlr") << "ayaarlr"
                             << "Ayarlar";
    QTest::newRow("yaztsrm") << "yaztsrm"
                             << "Yazdırma Tasarımı";
    QTest::newRow("parame") << "parame"
                            << "Parametreler";
    QTest::newRow("aracyuk") << "aracyuk"
                             << "Araç Yükleme Raporu";
    QTest::newRow("oirsoniz") << "oirsoniz"
                              << "Önizleme";
    QTest::newRow("irsyaz") << "irsyaz"
                            << "Yazdır";
    QTest::newRow("lstexelkayit") << "lstexelkayit"
                                  << "Liste Exel Kaydet";
    QTest::newRow("karanaliz") << "karanaliz"
                               << "Karlılık Analizi";
    QTest::newRow("karyazdir dotless") << "karyazdir"
                                       << "Yazdır";
    QTest::newRow("karlilikyazdir plain i") << "karlilikyazdir"
                                            << "Yazdir";
    QTest::newRow("karexel") << "karexel"
                             << "Exel Kaydet";
}

void TestMainWindow::texts()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QCOMPARE(frame().objectName(), QStringLiteral("MDIForm1"));
    QCOMPARE(frame().windowTitle(), QStringLiteral("VELMOR TARVEL RAPORLAMA v2.30"));

    const QList<QAction *> actions = frame().findChildren<QAction *>(name);
    QVERIFY2(!actions.isEmpty(), qPrintable(name));
    for (const QAction *action : actions)
        QCOMPARE(action->text(), text);
    if (auto *menu = frame().findChild<QMenu *>(name))
        QCOMPARE(menu->title(), text);
}

void TestMainWindow::contextMenusStayOutOfMenuBar()
{
    QStringList inBar;
    for (const QAction *action : frame().menuBar()->actions())
        inBar << action->objectName();
    QCOMPARE(inBar, (QStringList{"islm", "ayaarlr"}));

    // Owned by the frame and reachable by name, but never a menu of the bar.
    for (ContextMenu which : {ContextMenu::Aracyuk, ContextMenu::Karanaliz}) {
        QMenu *menu = frame().contextMenu(which);
        QVERIFY(menu);
        QCOMPARE(frame().findChild<QMenu *>(menu->objectName()), menu);
        QVERIFY(!frame().menuBar()->actions().contains(menu->menuAction()));
    }
    // "Yazdır" opens a submenu whose one item is "Yazdir".
    auto *karyazdir = frame().findChild<QMenu *>("karyazdir");
    QCOMPARE(karyazdir->actions().size(), 1);
    QCOMPARE(karyazdir->actions().first()->objectName(), QStringLiteral("karlilikyazdir"));
}

void TestMainWindow::loadBringsLoadingReportToFront()
{
    QCOMPARE(m_erpconnects, 1);
    QTabBar *tabs = frame().tabStrip();
    QCOMPARE(tabs->count(), 4);
    QCOMPARE(tabs->currentIndex(), 0);
    QCOMPARE(m_created, QStringList{"tarvelfatura"});
    QVERIFY(frontWindow());
    QCOMPARE(frontWindow()->objectName(), QStringLiteral("tarvelfatura"));

    // The report fills the work area once the frame is on screen.
    QMdiSubWindow *sub = frame().mdiArea()->activeSubWindow();
    QCOMPARE(sub->geometry(), QRect(QPoint(0, 0), frame().mdiArea()->viewport()->size()));
    QVERIFY(sub->width() > 600);
}

void TestMainWindow::tabsBringTheirWindows_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("window");

    QTest::newRow("0") << 0 << "     ARAÇ YÜKLEME RAPORU     "
                       << "tarvelfatura";
    QTest::newRow("1") << 1 << "     FATURA KARLILIK ANALİZİ     "
                       << "karanalizform";
    QTest::newRow("2") << 2 << "     SİPARİŞ KARLILIK ANALİZİ     "
                       << "sipkaranalizform";
    QTest::newRow("3") << 3 << "     MALZEME KARLILIK ANALİZİ     "
                       << "malzemekaranalizform";
}

void TestMainWindow::tabsBringTheirWindows()
{
    QFETCH(int, tab);
    QFETCH(QString, caption);
    QFETCH(QString, window);

    QTabBar *tabs = frame().tabStrip();
    QCOMPARE(tabs->tabText(tab), caption);

    // Round trip: the tab's window comes to front, then after another tab
    // it comes back to front as the same window, made only once.
    const int other = tab == 0 ? 3 : 0;
    tabs->setCurrentIndex(tab);
    QCOMPARE(frontWindow()->objectName(), window);
    QWidget *first = frontWindow();
    tabs->setCurrentIndex(other);
    QVERIFY(frontWindow() != first);
    tabs->setCurrentIndex(tab);
    QCOMPARE(frontWindow(), first);
    QCOMPARE(m_created.count(window), 1);
    QCOMPARE(frame().mdiArea()->subWindowList().size(),
             QSet<QString>(m_created.begin(), m_created.end()).size());
}

void TestMainWindow::placeholdersCarryNamesAndCaptions_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("caption");

    QTest::newRow("loading") << 0 << "tarvelfatura"
                             << "ARAÇ YÜKLEME RAPORU";
    QTest::newRow("invoice") << 1 << "karanalizform"
                             << "SATIŞ KARLILIK ANALİZİ";
    QTest::newRow("order, two blanks") << 2 << "sipkaranalizform"
                                       << "SİPARİŞ  KARLILIK ANALİZİ";
    QTest::newRow("material, no caption") << 3 << "malzemekaranalizform"
                                          << "";
}

void TestMainWindow::placeholdersCarryNamesAndCaptions()
{
    QFETCH(int, tab);
    QFETCH(QString, window);
    QFETCH(QString, caption);

    // The frame as the program builds it, with the factory's own windows.
    QTemporaryDir dir;
    MainWindow plain(AppPaths{dir.path(), dir.path()}, WindowFactory(), [] {});
    QVERIFY(plain.load());
    plain.tabStrip()->setCurrentIndex(tab);
    QMdiSubWindow *sub = plain.mdiArea()->activeSubWindow();
    QVERIFY(sub);
    QCOMPARE(sub->widget()->objectName(), window);
    QCOMPARE(sub->widget()->windowTitle(), caption);
    QCOMPARE(sub->windowTitle(), caption);
}

void TestMainWindow::tabWithOtherCaptionOpensNothing()
{
    // Windows are chosen by the caption's text, so a tab whose caption lost
    // its blanks has no window.
    QTabBar *tabs = frame().tabStrip();
    tabs->setTabText(2, QStringLiteral("SİPARİŞ KARLILIK ANALİZİ"));
    tabs->setCurrentIndex(2);
    QVERIFY(!m_created.contains("sipkaranalizform"));
    QCOMPARE(frontWindow()->objectName(), QStringLiteral("tarvelfatura"));
}

void TestMainWindow::menuItemsKeepActiveTab_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("window");

    QTest::newRow("order analysis over tab 0") << 0 << "sipkaranalizmenu"
                                               << "sipkaranalizform";
    QTest::newRow("loading report over tab 2") << 2 << "arcyuk"
                                               << "tarvelfatura";
    QTest::newRow("Karlılık Analizi opens the invoice analysis") << 3 << "karanalizmenu"
                                                                 << "karanalizform";
}

void TestMainWindow::menuItemsKeepActiveTab()
{
    QFETCH(int, tab);
    QFETCH(QString, action);
    QFETCH(QString, window);

    frame().tabStrip()->setCurrentIndex(tab);
    trigger(action);
    QCOMPARE(frontWindow()->objectName(), window);
    QCOMPARE(frame().tabStrip()->currentIndex(), tab);

    trigger(action); // again: the same window, not a second one
    QCOMPARE(m_created.count(window), 1);
}

void TestMainWindow::contextMenusReachActiveWindow_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("call"); // empty: nothing may run

    QTest::newRow("Yazdir on tab 0") << 0 << "karlilikyazdir"
                                     << "";
    QTest::newRow("Exel Kaydet on tab 0") << 0 << "karexel"
                                          << "";
    QTest::newRow("Yazdir on tab 1") << 1 << "karlilikyazdir"
                                     << "karanalizform.listeyazdir(2)";
    QTest::newRow("Yazdir on tab 2") << 2 << "karlilikyazdir"
                                     << "sipkaranalizform.listeyazdir(2)";
    QTest::newRow("Yazdir on tab 3") << 3 << "karlilikyazdir"
                                     << "malzemekaranalizform.listeyazdir(2)";
    QTest::newRow("Exel Kaydet on tab 1") << 1 << "karexel"
                                          << "karanalizform.exelkaydet()";
    QTest::newRow("Exel Kaydet on tab 3") << 3 << "karexel"
                                          << "malzemekaranalizform.exelkaydet()";
    // The loading report's menu always works on the loading report.
    QTest::newRow("Önizleme") << 0 << "oirsoniz"
                              << "tarvelfatura.printloadinglist(1)";
    QTest::newRow("Yazdır on tab 2") << 2 << "irsyaz"
                                     << "tarvelfatura.printloadinglist(2)";
    QTest::newRow("Liste Exel Kaydet") << 0 << "lstexelkayit"
                                       << "tarvelfatura.listeexelkaydet()";
}

void TestMainWindow::contextMenusReachActiveWindow()
{
    QFETCH(int, tab);
    QFETCH(QString, action);
    QFETCH(QString, call);

    // Every window exists, so a wrong route would reach one of them.
    for (int i = 3; i >= 0; --i)
        frame().tabStrip()->setCurrentIndex(i);
    frame().tabStrip()->setCurrentIndex(tab);
    m_calls.clear();
    trigger(action);
    QCOMPARE(m_calls, call.isEmpty() ? QStringList() : QStringList{call});
}

void TestMainWindow::reportWindowPopsUpContextMenu_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("menu");

    QTest::newRow("loading") << 0 << "aracyuk";
    QTest::newRow("invoice") << 1 << "karanaliz";
    QTest::newRow("order") << 2 << "karanaliz";
    QTest::newRow("material") << 3 << "karanaliz";
}

void TestMainWindow::reportWindowPopsUpContextMenu()
{
    QFETCH(int, tab);
    QFETCH(QString, menu);

    // Each window pops up the menu the frame handed it, and no other.
    frame().tabStrip()->setCurrentIndex(tab);
    auto *report = qobject_cast<ReportWindow *>(frontWindow());
    QVERIFY(report);
    QMenu *expected = frame().findChild<QMenu *>(menu);
    QVERIFY(expected);
    QVERIFY(!expected->isVisible());
    report->popupContextMenu(report->mapToGlobal(QPoint(20, 20)));
    QTRY_VERIFY(expected->isVisible());
    for (ContextMenu which : {ContextMenu::Aracyuk, ContextMenu::Karanaliz})
        QCOMPARE(frame().contextMenu(which)->isVisible(), frame().contextMenu(which) == expected);
    expected->close();
}

void TestMainWindow::designerStartsDetached_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::newRow("VelmorEtiket.exe") << "VelmorEtiket.exe";
    QTest::newRow("VelmorEtiket") << "VelmorEtiket";
}

void TestMainWindow::designerStartsDetached()
{
    QFETCH(QString, fileName);

    // A designer that writes a mark into its working directory and then keeps
    // running: the menu item must return without waiting for it.
    const QString program = m_dir->filePath(fileName);
    QFile script(program);
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\necho $$ > started.txt\nexec sleep 30\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    SeenModal seen;
    ModalCloser closer(&seen);
    QElapsedTimer clock;
    clock.start();
    trigger(QStringLiteral("yaztsrm"));
    QVERIFY(clock.elapsed() < 5000);
    const auto designerPid = [this] {
        QFile mark(m_dir->filePath("started.txt"));
        return mark.open(QIODevice::ReadOnly) ? mark.readAll().trimmed().toLongLong() : 0;
    };
    QTRY_VERIFY(designerPid() > 0);
    ::kill(pid_t(designerPid()), SIGTERM);
    QCOMPARE(seen.objectName, QString()); // no message
}

void TestMainWindow::designerProblemsAreShown_data()
{
    QTest::addColumn<bool>("present");
    QTest::addColumn<QString>("expected");

    QTest::newRow("missing") << false << "bulunamadı";
    QTest::newRow("not a program") << true << "başlatılamadı";
}

void TestMainWindow::designerProblemsAreShown()
{
    QFETCH(bool, present);
    QFETCH(QString, expected);

    if (present) {
        QFile file(m_dir->filePath("VelmorEtiket.exe"));
        QVERIFY(file.open(QIODevice::WriteOnly)); // not executable
        file.write("MZ");
    }
    SeenModal seen;
    ModalCloser closer(&seen);
    trigger(QStringLiteral("yaztsrm"));
    QCOMPARE(seen.objectName, QStringLiteral("mesaj"));
    QCOMPARE(seen.caption, QStringLiteral("UYARI"));
    QVERIFY2(seen.text.contains(expected), qPrintable(seen.text));
    QVERIFY2(seen.text.contains("VelmorEtiket.exe"), qPrintable(seen.text));

    // The program carries on.
    QVERIFY(frame().isVisible());
    frame().tabStrip()->setCurrentIndex(1);
    QCOMPARE(frontWindow()->objectName(), QStringLiteral("karanalizform"));
}

void TestMainWindow::parametersOpenModally()
{
    SeenModal seen;
    ModalCloser closer(&seen);
    trigger(QStringLiteral("parame"));
    QCOMPARE(seen.objectName, QStringLiteral("parametre"));
    QCOMPARE(seen.caption, QStringLiteral("PARAMETRELER"));
    QVERIFY(!frame().findChild<QDialog *>("parametre")); // gone after closing
}

void TestMainWindow::closingEndsChildrenFirst()
{
    frame().tabStrip()->setCurrentIndex(2);
    QSignalSpy closed(&frame(), &MainWindow::closed);
    QVERIFY(frame().close());
    QCOMPARE(closed.size(), 1);
    QStringList unloads = m_calls.filter(".unload()");
    unloads.sort();
    QCOMPARE(unloads, (QStringList{"sipkaranalizform.unload()", "tarvelfatura.unload()"}));
}

void TestMainWindow::childClosedByItsBoxIsMadeAnew()
{
    frame().tabStrip()->setCurrentIndex(1);
    QMdiSubWindow *sub = frame().mdiArea()->activeSubWindow();
    QCOMPARE(sub->widget()->objectName(), QStringLiteral("karanalizform"));
    QVERIFY(sub->close());
    QCOMPARE(m_calls, QStringList{"karanalizform.unload()"});
    QVERIFY(!frame().report(ReportKind::InvoiceAnalysis));

    frame().tabStrip()->setCurrentIndex(0);
    frame().tabStrip()->setCurrentIndex(1);
    QCOMPARE(m_created.count("karanalizform"), 2);
    QVERIFY(frontWindow()->isVisible());

    // The frame's close does not save the first one again.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_calls.clear();
    QVERIFY(frame().close());
    QCOMPARE(m_calls.count("karanalizform.unload()"), 1);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
