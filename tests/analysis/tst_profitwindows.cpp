// sipkaranalizform and malzemekaranalizform on the fixture ERP, as a user
// works them: the order run through siparisform and cariform, the material
// run with "Bul" giving way to "Durdur", a stop, and a close of the window or
// of the whole program during a material run.
#include "analysis/materialanalysis.h"
#include "analysis/orderanalysis.h"
#include "analysis/ui/invoiceanalysiswindow.h"
#include "analysis/ui/materialanalysiswindow.h"
#include "analysis/ui/orderanalysiswindow.h"
#include "analysisfixture.h"
#include "dialogs/messagebox.h"
#include "dialogs/plainmessage.h"
#include "foundation/erp/erpsession.h"
#include "foundation/store/localstore.h"
#include "mainwindow/mainwindow.h"
#include "pickers/documentpicker.h"
#include "pickers/orderpicker.h"
#include "pickers/ui/customerpickerwindow.h"
#include "pickers/ui/orderpickerwindow.h"
#include "widgets/gridwidget.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace tarvel;

class TestProfitWindows : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void orderRunThroughPickers();
    void materialRunAndStop();
    void orderRunStops();
    void closeDuringMaterialRun();
    void programCloseDuringMaterialRun();
    void fitSmallScreen_data();
    void fitSmallScreen();

private:
    template <typename W> std::unique_ptr<W> openWindow()
    {
        auto window = std::make_unique<W>(AppPaths{m_folder, m_folder}, ErpSession::instance().primary());
        window->resize(1200, 700);
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            qFatal("the window did not show");
        return window;
    }
    template <typename T> static T *child(QObject *window, const char *name)
    {
        T *found = window->findChild<T *>(QString::fromUtf8(name));
        if (!found)
            qFatal("no %s", name);
        return found;
    }
    // January 2024 in the material window.
    static void setJanuary(QWidget *window);

    AnalysisErp m_erp;
    QString m_folder;
    QStringList m_messages;
};

void TestProfitWindows::initTestCase()
{
    const QString error = m_erp.open();
    QVERIFY2(error.isEmpty(), qPrintable(error));
    m_folder = m_erp.programFolder();
    QVERIFY(ErpSession::instance().connect(m_folder));
    const auto take = [this](const QString &text) { m_messages << text; };
    setPlainMessageSink(take);
    setMessageResponder([take](const QString &text, Caption, Icon, Buttons) {
        take(text);
        return 1;
    });
}

void TestProfitWindows::init()
{
    m_messages.clear();
}

void TestProfitWindows::cleanupTestCase()
{
    setPlainMessageSink({});
    setMessageResponder({});
}

void TestProfitWindows::setJanuary(QWidget *window)
{
    child<QDateEdit>(window, "tr1")->setDate(QDate(2024, 1, 1));
    child<QDateEdit>(window, "tr2")->setDate(QDate(2024, 1, 31));
}

void TestProfitWindows::orderRunThroughPickers()
{
    const auto window = openWindow<OrderAnalysisWindow>();
    QCOMPARE(window->objectName(), QStringLiteral("sipkaranalizform"));
    QCOMPARE(window->windowTitle(), QStringLiteral("SİPARİŞ  KARLILIK ANALİZİ"));
    QCOMPARE(child<QCheckBox>(window.get(), "Check1")->text(), QStringLiteral("Sipariş Başlıklarını Göster"));

    // What the picker showed and what "Cari Kartlar" put into cr and crref.
    QStringList seen;
    QTimer::singleShot(0, this, [&seen] {
        auto *picker = qobject_cast<OrderPickerWindow *>(QApplication::activeModalWidget());
        if (!picker)
            return;
        setJanuary(picker);
        seen << child<QComboBox>(picker, "siptip")->currentText()
             << QString::number(child<QListWidget>(picker, "satel")->count());
        // The second AYŞE TİCARET card, made the current row.
        QTimer::singleShot(0, picker, [] {
            auto *cariform = qobject_cast<CustomerPickerWindow *>(QApplication::activeModalWidget());
            if (!cariform)
                return;
            MemTable &cards = cariform->model().l1().table();
            for (int row = 0; row < cards.rowCount(); ++row) {
                if (cellOf(cariform->model().l1(), row, QStringLiteral("ref")) == QLatin1String("5"))
                    cards.setCurrentRow(row);
            }
            QTest::mouseClick(child<QPushButton>(cariform, "chameleonButton1"), Qt::LeftButton);
        });
        QTest::mouseClick(child<QPushButton>(picker, "chameleonButton5"), Qt::LeftButton);
        seen << child<QComboBox>(picker, "cr")->currentText() << child<QLineEdit>(picker, "crref")->text();
        QTest::mouseClick(child<QPushButton>(picker, "chameleonButton2"), Qt::LeftButton);
        picker->picker().setAllTicked(true);
        QTest::mouseClick(child<QPushButton>(picker, "chameleonButton1"), Qt::LeftButton);
    });
    QTest::mouseClick(child<QPushButton>(window.get(), "siparisler"), Qt::LeftButton);
    QCOMPARE(seen, (QStringList{"Tümü", "4", "AYŞE TİCARET", "5"}));

    // Order 33 alone: ÇAY bought for 0, so the overall profitability cannot be computed.
    const DataGrid &l1 = window->model().l1();
    QCOMPARE(l1.table().rowCount(), 1);
    QCOMPARE(l1.groupHeading(0), QStringLiteral("SİPARİŞ: 33 - 25.01.2024 - S-33 - AYŞE TİCARET - ()"));
    QCOMPARE(child<QLabel>(window.get(), "Label1")->text(), QStringLiteral("Kdv Hariç"));
    QTRY_COMPARE(m_messages.size(), 1);
    QVERIFY2(m_messages.constFirst().contains(QStringLiteral("Sıfıra bölme")),
             qPrintable(m_messages.constFirst()));
    QCOMPARE(l1.footerText(AnalysisColumn::toptutar + 1), QStringLiteral("%0,00"));
    QVERIFY(child<QPushButton>(window.get(), "siparisler")->isEnabled());
}

void TestProfitWindows::materialRunAndStop()
{
    const auto window = openWindow<MaterialAnalysisWindow>();
    QCOMPARE(window->objectName(), QStringLiteral("malzemekaranalizform"));
    QCOMPARE(child<QComboBox>(window.get(), "ozkod")->count(), 3);
    QCOMPARE(child<QComboBox>(window.get(), "grp")->itemText(2), QStringLiteral("İÇECEK"));
    QCOMPARE(child<QListWidget>(window.get(), "satel")->item(0)->text(), QStringLiteral("1-ALİ YILMAZ"));
    setJanuary(window.get());
    QPushButton *bul = child<QPushButton>(window.get(), "bul");
    QPushButton *durdur = child<QPushButton>(window.get(), "durdur");
    QVERIFY(bul->isVisible() && !durdur->isVisible());
    // Its rows name no invoice: no grouping under empty invoice headings,
    // no document number column.
    QVERIFY(!child<QCheckBox>(window.get(), "Check1")->isVisible());
    QVERIFY(!window->model().l1().column(0).visible);

    // A whole run with a special code typed into the fifth field's code.
    child<QComboBox>(window.get(), "ozkod")->setEditText(QStringLiteral("KAMPANYA"));
    QTest::keyClick(child<QLineEdit>(window.get(), "Text1"), Qt::Key_Return);
    const DataGrid &l1 = window->model().l1();
    QCOMPARE(l1.table().rowCount(), 1);
    QCOMPARE(cellOf(l1, 0, QStringLiteral("kartop")), QStringLiteral("150,00"));
    QCOMPARE(child<QLabel>(window.get(), "Label3")->text(), QStringLiteral("Kdv Hariç"));

    // "Durdur" pressed at the third poll: the run stops there.
    child<QComboBox>(window.get(), "ozkod")->setEditText(QString());
    bool runningLook = false;
    int polls = 0;
    window->model().setBetweenItems([&] {
        if (++polls != 3)
            return;
        runningLook = !bul->isVisible() && durdur->isVisible();
        QTest::mouseClick(durdur, Qt::LeftButton);
    });
    QTest::mouseClick(bul, Qt::LeftButton);
    QVERIFY(runningLook);
    QVERIFY(window->analysis().wasStopped());
    QCOMPARE(l1.table().rowCount(), 1);
    QCOMPARE(cellOf(l1, 0, QStringLiteral("kartop")), QString());
    QVERIFY(bul->isVisible() && !durdur->isVisible());
    QVERIFY(m_messages.isEmpty());
    // Partial totals must not pass for the whole.
    auto *runStatus = child<QLabel>(window.get(), "sb1panel5");
    QCOMPARE(runStatus->text(), QStringLiteral("Durduruldu"));

    // A run that finds nothing says so; one that ends says nothing.
    window->model().setBetweenItems({});
    child<QLineEdit>(window.get(), "Text1")->setText(QStringLiteral("BÖYLE BİR MALZEME YOK"));
    QTest::mouseClick(bul, Qt::LeftButton);
    QCOMPARE(l1.table().rowCount(), 0);
    QCOMPARE(runStatus->text(), QStringLiteral("Kayıt bulunamadı"));
    child<QLineEdit>(window.get(), "Text1")->clear();
    QTest::mouseClick(bul, Qt::LeftButton);
    QVERIFY(l1.table().rowCount() > 0);
    QCOMPARE(runStatus->text(), QString());
}

void TestProfitWindows::orderRunStops()
{
    const auto window = openWindow<OrderAnalysisWindow>();
    auto *durdur = child<QPushButton>(window.get(), "durdur");
    auto *siparisler = child<QPushButton>(window.get(), "siparisler");
    QVERIFY(!durdur->isVisible());
    OrderPicker picker(window->model().context());
    picker.open(QDate(2024, 1, 31));
    QCOMPARE(picker.listDocuments({QStringLiteral("30"), QStringLiteral("31")}), QStringList());

    bool runningLook = false;
    int polls = 0;
    window->model().setBetweenItems([&] {
        QCoreApplication::processEvents();
        if (++polls != 3)
            return;
        runningLook = durdur->isVisible() && !siparisler->isEnabled();
        QTest::mouseClick(durdur, Qt::LeftButton);
    });
    window->analysis().handOver(picker.picked(), picker.options());
    QVERIFY(runningLook);
    QVERIFY(window->analysis().wasStopped());
    QCOMPARE(window->model().l1().table().rowCount(), 2); // order 30 done, 31 not begun
    QVERIFY(!durdur->isVisible());
    QVERIFY(siparisler->isEnabled());
    QCOMPARE(child<QLabel>(window.get(), "sb1panel5")->text(), QStringLiteral("Durduruldu"));
    QVERIFY(m_messages.isEmpty()); // no overall profitability, so no division to fail
}

void TestProfitWindows::closeDuringMaterialRun()
{
    const auto window = openWindow<MaterialAnalysisWindow>();
    setJanuary(window.get());
    bool closed = true;
    int polls = 0;
    window->model().setBetweenItems([&] {
        if (++polls == 2)
            closed = window->close();
    });
    QTest::mouseClick(child<QPushButton>(window.get(), "bul"), Qt::LeftButton);
    // Refused while the run ran, which it then stopped; made again once it returned.
    QVERIFY(!closed);
    QVERIFY(window->analysis().wasStopped());
    QCOMPARE(window->model().l1().table().rowCount(), 0);
    QTRY_VERIFY(!window->isVisible());
    QVERIFY(QFile::exists(QDir(m_folder).filePath(QStringLiteral("malzemekarlist.velmor"))));
}

void TestProfitWindows::programCloseDuringMaterialRun()
{
    WindowFactory factory;
    factory.setReportCreator(ReportKind::MaterialAnalysis, [](const AppPaths &paths) -> ReportWindow * {
        return new MaterialAnalysisWindow(paths, ErpSession::instance().primary());
    });
    MainWindow main(AppPaths{m_folder, m_folder}, factory, [] {});
    QVERIFY(main.load());
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    main.tabStrip()->setCurrentIndex(3);
    QPointer<MaterialAnalysisWindow> window =
        qobject_cast<MaterialAnalysisWindow *>(main.report(ReportKind::MaterialAnalysis));
    QVERIFY(window);
    setJanuary(window);
    QSignalSpy closedSpy(&main, &MainWindow::closed);
    bool stopped = false;
    connect(&window->model(), &ProfitAnalysis::runningChanged, this,
            [&](bool running) { stopped = !running && window->analysis().wasStopped(); });
    int polls = 0;
    window->model().setBetweenItems([&] {
        if (++polls == 2)
            QVERIFY(!main.close());
    });
    QTest::mouseClick(child<QPushButton>(window, "bul"), Qt::LeftButton);
    QVERIFY(stopped);
    // The program's close comes back once the run has returned; the window goes with it.
    QTRY_COMPARE(closedSpy.count(), 1);
    QVERIFY(!main.isVisible());
    QTRY_VERIFY(!window);
}

void TestProfitWindows::fitSmallScreen_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("invoices") << int(ReportKind::InvoiceAnalysis);
    QTest::newRow("orders") << int(ReportKind::OrderAnalysis);
    QTest::newRow("material") << int(ReportKind::MaterialAnalysis);
}

// On a 1024x768 screen the main window's work area is about 1010 by 650
// pixels: a report window that needs more cuts its fields and buttons off.
void TestProfitWindows::fitSmallScreen()
{
    QFETCH(int, kind);
    std::unique_ptr<AnalysisWindow> window;
    switch (ReportKind(kind)) {
    case ReportKind::InvoiceAnalysis:
        window = std::make_unique<InvoiceAnalysisWindow>(AppPaths{m_folder, m_folder},
                                                         ErpSession::instance().primary());
        break;
    case ReportKind::OrderAnalysis:
        window = std::make_unique<OrderAnalysisWindow>(AppPaths{m_folder, m_folder},
                                                       ErpSession::instance().primary());
        break;
    default:
        window = std::make_unique<MaterialAnalysisWindow>(AppPaths{m_folder, m_folder},
                                                          ErpSession::instance().primary());
        break;
    }
    window->load();
    const QSize needed = window->minimumSizeHint();
    QVERIFY2(needed.width() <= 1000 && needed.height() <= 600,
             qPrintable(QStringLiteral("%1x%2").arg(needed.width()).arg(needed.height())));
}

QTEST_MAIN(TestProfitWindows)
#include "tst_profitwindows.moc"
