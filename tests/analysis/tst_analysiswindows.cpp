// karanalizform on the fixture ERP: its load, the invoice run through
// faturaform as a user makes it, the item run with its buttons held while it
// runs, the "Karlılık Analizi" menu over the list, and the list appearance
// kept across a close.
#include "analysis/invoiceanalysis.h"
#include "analysis/ui/analysischartpanel.h"
#include "analysis/ui/invoiceanalysiswindow.h"
#include "analysisfixture.h"
#include "charts/profitchart.h"
#include "dialogs/messagebox.h"
#include "foundation/erp/erpsession.h"
#include "foundation/store/sidefiles.h"
#include "mainwindow/mainwindow.h"
#include "pickers/documentpicker.h"
#include "pickers/ui/invoicepickerwindow.h"
#include "widgets/gridview.h"
#include "widgets/gridwidget.h"

#include <QApplication>
#include <QBarCategoryAxis>
#include <QChart>
#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace tarvel;

class TestAnalysisWindows : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void loadShowsSettings();
    void unreadableSettingsAreSaid();
    void invoiceRunThroughPicker();
    void itemRunHoldsItsStarters();
    void chartBesideTheList();
    void typedNameTakesTheBoxLength();
    void contextMenuNeedsRows();
    void appearanceKeptAcrossClose();

private:
    std::unique_ptr<InvoiceAnalysisWindow> openWindow(const QString &folder);
    template <typename T> static T *child(QWidget *window, const char *name)
    {
        T *found = window->findChild<T *>(QString::fromUtf8(name));
        if (!found)
            qFatal("no %s", name);
        return found;
    }

    AnalysisErp m_erp;
    QString m_folder;
    QStringList m_messages;
};

void TestAnalysisWindows::initTestCase()
{
    const QString error = m_erp.open();
    QVERIFY2(error.isEmpty(), qPrintable(error));
    m_folder = m_erp.programFolder();
    QVERIFY(ErpSession::instance().connect(m_folder));
    setMessageResponder([this](const QString &text, Caption, Icon, Buttons) {
        m_messages << text;
        return 1;
    });
}

void TestAnalysisWindows::init()
{
    m_messages.clear();
}

void TestAnalysisWindows::cleanup()
{
    QFile::remove(QDir(m_folder).filePath(QStringLiteral("satkarlist.velmor")));
    QFile::remove(QDir(m_folder).filePath(QStringLiteral("list.velmor")));
}

std::unique_ptr<InvoiceAnalysisWindow> TestAnalysisWindows::openWindow(const QString &folder)
{
    auto window =
        std::make_unique<InvoiceAnalysisWindow>(AppPaths{folder, folder}, ErpSession::instance().primary());
    window->resize(1100, 700);
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        qFatal("the window did not show");
    return window;
}

void TestAnalysisWindows::loadShowsSettings()
{
    const auto window = openWindow(m_folder);
    QCOMPARE(window->objectName(), QStringLiteral("karanalizform"));
    QCOMPARE(window->windowTitle(), QStringLiteral("SATIŞ KARLILIK ANALİZİ"));
    QCOMPARE(child<QLabel>(window.get(), "sb1panel4")->text(),
             QStringLiteral(" FİKSTÜR GIDA A.Ş.  01  (01.01.2024)  (31.12.2024)"));
    const QDate today = QDate::currentDate();
    QCOMPARE(child<QDateEdit>(window.get(), "tr1")->date(), QDate(today.year(), 1, 1));
    QCOMPARE(child<QDateEdit>(window.get(), "tr2")->date(), today);
    QCOMPARE(child<QCheckBox>(window.get(), "Check1")->text(), QStringLiteral("Fatura Başlıklarını Göster"));
    QVERIFY(m_messages.isEmpty());
}

void TestAnalysisWindows::unreadableSettingsAreSaid()
{
    const QString empty = m_erp.filePath(QStringLiteral("empty"));
    QDir().mkpath(empty);
    const auto window = openWindow(empty);
    QCOMPARE(m_messages.size(), 1);
    const QStringList lines = m_messages.first().split(QLatin1Char('\n'));
    QCOMPARE(lines.first(), QStringLiteral("Ayarları Kontrol Ediniz..."));
    // The second line names why the settings could not be read.
    QVERIFY(lines.size() == 2 && lines.at(1).contains(QStringLiteral("data.dbs")));
    QVERIFY(window->isVisible());
}

void TestAnalysisWindows::invoiceRunThroughPicker()
{
    const auto window = openWindow(m_folder);
    bool pickerSeen = false;
    QTimer::singleShot(0, this, [&pickerSeen] {
        auto *picker = qobject_cast<InvoicePickerWindow *>(QApplication::activeModalWidget());
        if (!picker)
            return;
        pickerSeen = true;
        child<QDateEdit>(picker, "tr1")->setDate(QDate(2024, 1, 1));
        child<QDateEdit>(picker, "tr2")->setDate(QDate(2024, 1, 31));
        child<QLineEdit>(picker, "carkod")->setText(QStringLiteral("120*"));
        child<QCheckBox>(picker, "Check2")->setChecked(true);
        QTest::mouseClick(child<QPushButton>(picker, "chameleonButton2"), Qt::LeftButton);
        picker->picker().setAllTicked(true);
        QTest::mouseClick(child<QPushButton>(picker, "chameleonButton1"), Qt::LeftButton);
    });
    QTest::mouseClick(child<QPushButton>(window.get(), "faturalar"), Qt::LeftButton);
    QVERIFY(pickerSeen);

    const DataGrid &l1 = window->model().l1();
    QCOMPARE(l1.table().rowCount(), 9); // invoices 10 and 11; 14 has no lines
    QVERIFY(l1.isGrouped());
    QCOMPARE(l1.groupCount(), 2);
    QCOMPARE(child<QLabel>(window.get(), "Label3")->text(), QStringLiteral("Kdv Dahil"));
    QCOMPARE(l1.table().value(0, l1.table().fieldIndex(QStringLiteral("tutar"))), QStringLiteral("102,60"));
    QVERIFY(l1.footerText(AnalysisColumn::toptutar + 1).startsWith(QLatin1Char('%')));
    QVERIFY(child<QPushButton>(window.get(), "faturalar")->isEnabled());
}

void TestAnalysisWindows::itemRunHoldsItsStarters()
{
    const auto window = openWindow(m_folder);
    child<QDateEdit>(window.get(), "tr1")->setDate(QDate(2024, 1, 1));
    child<QDateEdit>(window.get(), "tr2")->setDate(QDate(2024, 1, 31));
    QStringList enabledDuringRun;
    bool closed = true;
    window->model().setBetweenItems([&] {
        for (const char *name : {"faturalar", "tumurunler", "bul", "temizle"}) {
            if (child<QPushButton>(window.get(), name)->isEnabled())
                enabledDuringRun << QString::fromLatin1(name);
        }
        closed = window->close();
    });
    QLineEdit *text1 = child<QLineEdit>(window.get(), "Text1");
    text1->setText(QStringLiteral("E"));
    QTest::keyClick(text1, Qt::Key_Return);
    QCOMPARE(enabledDuringRun, QStringList());
    QVERIFY(!closed);
    QVERIFY(window->isVisible());
    // The close asked for at the first item stopped the run there; the close
    // is made once the run has returned.
    QVERIFY(window->model().wasStopped());
    QCOMPARE(window->model().l1().table().rowCount(), 0);
    QVERIFY(child<QPushButton>(window.get(), "tumurunler")->isEnabled());
    QTRY_VERIFY(!window->isVisible());

    // Run to its end: ELMA, ŞEKER and ANNE'NİN REÇELİ sold in January; PEYNİR did not.
    window->model().setBetweenItems({});
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QTest::keyClick(text1, Qt::Key_Return);
    QCOMPARE(window->model().l1().table().rowCount(), 3);

    QTest::mouseClick(child<QPushButton>(window.get(), "temizle"), Qt::LeftButton);
    QCOMPARE(window->model().l1().table().rowCount(), 0);
}

// "Grafik" shows the chart beside the list and hides it again; the bars are
// the items the list shows, and follow what is typed into "Ara". The window
// still fits a 1024x768 screen with the chart shown.
void TestAnalysisWindows::chartBesideTheList()
{
    const auto window = openWindow(m_folder);
    child<QDateEdit>(window.get(), "tr1")->setDate(QDate(2024, 1, 1));
    child<QDateEdit>(window.get(), "tr2")->setDate(QDate(2024, 1, 31));
    QTest::mouseClick(child<QPushButton>(window.get(), "tumurunler"), Qt::LeftButton);
    QVERIFY(window->model().l1().table().rowCount() > 1);

    QPushButton *toggle = child<QPushButton>(window.get(), "grafikgoster");
    AnalysisChartPanel *panel = window->chartPanel();
    QVERIFY(!toggle->isChecked());
    QVERIFY(!panel->isVisible());
    const auto bars = [panel] {
        QStringList names;
        for (QAbstractAxis *axis : panel->chart()->chart()->axes(Qt::Vertical)) {
            if (auto *labels = qobject_cast<QBarCategoryAxis *>(axis)) {
                for (const QString &label : labels->categories())
                    names << label.section(QStringLiteral("  "), 1);
            }
        }
        names.sort();
        return names;
    };

    QTest::mouseClick(toggle, Qt::LeftButton);
    QVERIFY(panel->isVisible());
    QVERIFY(panel->chart()->width() > 300);
    QVERIFY2(window->minimumSizeHint().width() <= 1024 && window->minimumSizeHint().height() <= 768,
             qPrintable(QStringLiteral("%1x%2")
                            .arg(window->minimumSizeHint().width())
                            .arg(window->minimumSizeHint().height())));
    QCOMPARE(bars(), (QStringList{"ANNE'NİN REÇELİ", "ARMUT", "ELMA", "KİRAZ", "SÜT", "ÇAY", "ŞEKER"}));

    window->list()->searchBox()->setFocus();
    QTest::keyClicks(window->list()->searchBox(), QStringLiteral("kiraz"));
    QTRY_COMPARE(bars(), QStringList{"KİRAZ"});

    QTest::mouseClick(toggle, Qt::LeftButton);
    QVERIFY(!panel->isVisible());
}

// However much is typed or pasted into "Malzeme Cinsi", the box keeps what an
// item name can hold and the run's statement never fails on it.
void TestAnalysisWindows::typedNameTakesTheBoxLength()
{
    const auto window = openWindow(m_folder);
    QLineEdit *text1 = child<QLineEdit>(window.get(), "Text1");
    text1->insert(QString(100000, u'E'));
    QCOMPARE(text1->text().size(), 51);
    QTest::keyClick(text1, Qt::Key_Return);
    QCOMPARE(window->model().l1().table().rowCount(), 0);
    QCOMPARE(window->model().failures().count, 0);
}

void TestAnalysisWindows::contextMenuNeedsRows()
{
    WindowFactory factory;
    factory.setReportCreator(ReportKind::InvoiceAnalysis, [](const AppPaths &paths) -> ReportWindow * {
        return new InvoiceAnalysisWindow(paths, ErpSession::instance().primary());
    });
    MainWindow main(AppPaths{m_folder, m_folder}, factory, [] {});
    QVERIFY(main.load());
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    main.tabStrip()->setCurrentIndex(1);
    auto *window = qobject_cast<InvoiceAnalysisWindow *>(main.report(ReportKind::InvoiceAnalysis));
    QVERIFY(window);
    QMenu *menu = main.contextMenu(ContextMenu::Karanaliz);
    GridView *view = window->list()->view();
    const QPoint inside = view->viewport()->rect().center();

    QTest::mouseClick(view->viewport(), Qt::RightButton, {}, inside);
    QVERIFY(!menu->isVisible());

    window->analysis().setDates({QDate(2024, 1, 1), QDate(2024, 1, 31)});
    window->analysis().analizyukle();
    QTest::mouseClick(view->viewport(), Qt::RightButton, {}, inside);
    QTRY_VERIFY(menu->isVisible());
    menu->hide();
}

void TestAnalysisWindows::appearanceKeptAcrossClose()
{
    {
        const auto window = openWindow(m_folder);
        DataGrid &l1 = window->model().l1();
        l1.setColumnWidth(6, 321);
        QFont font = l1.font();
        font.setBold(true);
        l1.setFont(font);
        window->close();
    }
    const QString file = QDir(m_folder).filePath(QStringLiteral("satkarlist.velmor"));
    QCOMPARE(iniread(QStringLiteral("Fl1"), QStringLiteral("l1-6"), file), QStringLiteral("321"));
    const auto again = openWindow(m_folder);
    QCOMPARE(again->model().l1().columnWidth(6), 321);
    QVERIFY(again->model().l1().font().bold());
    QCOMPARE(again->model().l1().columnWidth(5), 100);
}

QTEST_MAIN(TestAnalysisWindows)
#include "tst_analysiswindows.moc"
