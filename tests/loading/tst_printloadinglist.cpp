// "Önizleme" and "Yazdır" of the loading report as the window program runs
// them, on a CUPS queue of the test's own that holds its jobs so they can be
// counted: one preview window per form, copies times one job per form, the
// preview's print button, and the messages.
#include "common/needs.h"
#include "common/printingfixture.h"
#include "common/programrun.h"
#include "dialogs/messagebox.h"
#include "loading/loadingreport.h"
#include "loading/ui/printloadinglist.h"
#include "printing/layoutfiles.h"
#include "printing/ui/onizleme.h"

#include <QApplication>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <functional>
#include <unistd.h>

using namespace tarvel;

namespace {

// A CUPS command's exit code (-1: it did not run to its end).
int runTool(const QString &program, const QStringList &args)
{
    return test::runProgram(program, args, QString()).exitCode;
}

void fill(LoadingReport &report, int rows)
{
    MemTable &t = report.l1().table();
    for (int i = 1; i <= rows; ++i) {
        t.append();
        t.setField(QStringLiteral("sira"), QString::number(i));
        t.setField(QStringLiteral("stokkod"), QStringLiteral("K%1").arg(i));
        t.setField(QStringLiteral("ack"), QStringLiteral("Ürün %1").arg(i));
        t.setField(QStringLiteral("birim"), QStringLiteral("ADET"));
        t.setField(QStringLiteral("birimfiyat"), QStringLiteral("2"));
        t.setField(QStringLiteral("kdv"), QStringLiteral("20"));
        t.setField(QStringLiteral("miktar"), QStringLiteral("1"));
        t.setField(QStringLiteral("tutar"), QStringLiteral("2"));
        t.post();
    }
}

// Calls act on each preview window as soon as it is the active modal window;
// printLoadingList waits until the window is closed.
class PreviewWatcher : public QObject {
public:
    explicit PreviewWatcher(std::function<void(Onizleme *)> act) : m_act(std::move(act))
    {
        m_timer.setInterval(20);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            if (auto *window = qobject_cast<Onizleme *>(QApplication::activeModalWidget()))
                m_act(window);
        });
        m_timer.start();
    }

private:
    std::function<void(Onizleme *)> m_act;
    QTimer m_timer;
};

struct Message {
    QString text;
    int caption = 0, icon = 0, buttons = 0;
};

} // namespace

class TestPrintLoadingList : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();
    void printSendsCopiesOfEachForm();
    void previewShowsEachFormInTurn();
    void previewButtonPrintsOneCopy();
    void messages_data();
    void messages();

private:
    int jobCount();
    // The lists are filled by hand: the connection is never opened.
    ReportContext context() { return ReportContext{m_paths, {}, {}, m_connection}; }
    void needQueue();

    QString m_queue;
    ErpConnection m_connection;
    bool m_haveQueue = false;
    std::unique_ptr<QTemporaryDir> m_dir;
    AppPaths m_paths;
    QList<Message> m_messages;
};

void TestPrintLoadingList::initTestCase()
{
    // A queue of our own that holds its jobs (stopped, still accepting), so
    // what was sent can be counted; it prints nowhere.
    m_queue = QStringLiteral("TARVEL-TEST-%1").arg(getpid());
    if (QStandardPaths::findExecutable(QStringLiteral("lpadmin")).isEmpty())
        return;
    const test::ProgramRun status =
        test::runProgram(QStringLiteral("lpstat"), {QStringLiteral("-r")}, QString());
    if (status.exitCode != 0 || !status.out.contains(QStringLiteral("scheduler is running")))
        return;
    m_haveQueue =
        runTool(QStringLiteral("lpadmin"), {QStringLiteral("-p"), m_queue, QStringLiteral("-E"),
                                            QStringLiteral("-v"), QStringLiteral("file:/dev/null")}) == 0 &&
        runTool(QStringLiteral("cupsdisable"), {m_queue}) == 0;
}

void TestPrintLoadingList::cleanupTestCase()
{
    if (m_haveQueue)
        runTool(QStringLiteral("lpadmin"), {QStringLiteral("-x"), m_queue});
}

void TestPrintLoadingList::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_paths = printingtest::programFolder(m_dir->path(), m_queue, 10, 2);
    m_messages.clear();
    setMessageResponder([this](const QString &text, Caption caption, Icon icon, Buttons buttons) {
        m_messages.append({text, int(caption), int(icon), int(buttons)});
        return 1;
    });
    if (m_haveQueue)
        runTool(QStringLiteral("cancel"), {QStringLiteral("-a"), m_queue});
}

void TestPrintLoadingList::cleanup()
{
    setMessageResponder({});
}

int TestPrintLoadingList::jobCount()
{
    // The jobs reach the scheduler as the printer object ends; give it a moment.
    const QString jobs =
        test::runProgram(QStringLiteral("lpstat"), {QStringLiteral("-o"), m_queue}, QString()).out;
    return int(jobs.split(QLatin1Char('\n'), Qt::SkipEmptyParts).size());
}

void TestPrintLoadingList::needQueue()
{
    if (!m_haveQueue)
        NEEDS_OR_SKIP(
            "CUPS is not running or a queue cannot be added here (scripts/printer-setup.sh starts it, as "
            "root)");
}

void TestPrintLoadingList::printSendsCopiesOfEachForm()
{
    needQueue();
    LoadingReport report(context());
    fill(report, 25);
    printLoadingList(report, PrintMode::Print, nullptr);
    QCOMPARE(m_messages.size(), 0);
    // Three forms, two copies each, each copy a job of its own.
    QTRY_COMPARE(jobCount(), 6);
}

void TestPrintLoadingList::previewShowsEachFormInTurn()
{
    needQueue();
    LoadingReport report(context());
    fill(report, 25);

    // Each preview window is closed as soon as it shows; the next may only
    // open after that.
    QStringList seen;
    int open = 0;
    {
        const PreviewWatcher watcher([&](Onizleme *window) {
            seen << QStringLiteral("%1 %2").arg(window->windowTitle()).arg(window->pageCount());
            const QWidgetList windows = QApplication::topLevelWidgets();
            open = std::max<int>(open, std::count_if(windows.begin(), windows.end(), [](QWidget *w) {
                                     return w->isVisible() && qobject_cast<Onizleme *>(w);
                                 }));
            window->close();
        });
        printLoadingList(report, PrintMode::Preview, nullptr);
    }
    QCOMPARE(open, 1);
    QCOMPARE(seen, QStringList(3, QStringLiteral("Velmor Önizleme 1")));
    QCOMPARE(m_messages.size(), 0);
    QCOMPARE(jobCount(), 0);
}

void TestPrintLoadingList::previewButtonPrintsOneCopy()
{
    needQueue();
    LoadingReport report(context());
    fill(report, 5);
    {
        const PreviewWatcher watcher([](Onizleme *window) {
            window->findChild<QToolButton *>(QStringLiteral("yazdir"))->click();
            window->close();
        });
        printLoadingList(report, PrintMode::Preview, nullptr);
    }
    QTRY_COMPARE(jobCount(), 1);
}

void TestPrintLoadingList::messages_data()
{
    QTest::addColumn<QString>("printer");
    QTest::addColumn<bool>("layoutGone");
    QTest::addColumn<QString>("message");

    QTest::newRow("printer not installed") << "YOK-BOYLE-YAZICI" << false << "Yazıcı Bulunamadı";
    QTest::newRow("layout missing") << "" << true
                                    << "Hata Yeri:Fatura Yazdırma\nYazdırma tasarımı bulunamadı: ";
}

void TestPrintLoadingList::messages()
{
    QFETCH(QString, printer);
    QFETCH(bool, layoutGone);
    QFETCH(QString, message);
    if (printer.isEmpty()) {
        needQueue();
        printer = m_queue;
    }
    m_paths = printingtest::programFolder(m_dir->path(), printer, 10, 2);
    const LayoutChoice choice = findlayout(m_paths);
    if (layoutGone)
        QVERIFY(QFile::remove(choice.layoutPath));

    LoadingReport report(context());
    fill(report, 25);
    printLoadingList(report, PrintMode::Preview, nullptr);
    QCOMPARE(m_messages.size(), 1);
    QVERIFY2(m_messages[0].text.startsWith(message), qPrintable(m_messages[0].text));
    // DİKKAT, the check mark, TAMAM.
    QCOMPARE(m_messages[0].caption, 2);
    QCOMPARE(m_messages[0].icon, 1);
    QCOMPARE(m_messages[0].buttons, 1);
    QVERIFY(!QApplication::activeModalWidget());
}

QTEST_MAIN(TestPrintLoadingList)
#include "tst_printloadinglist.moc"
