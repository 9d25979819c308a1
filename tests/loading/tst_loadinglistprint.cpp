// printloadinglist without its windows: the printer check, one preview per
// form, copies times one job per form, and the failures that stop the run
// with the forms already out staying out.
#include "common/printingfixture.h"
#include "foundation/store/sidefiles.h"
#include "loading/forms/loadinglistprint.h"
#include "printing/formoutput.h"
#include "printing/layoutfiles.h"
#include "printing/waybillreport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace tarvel;

namespace {

const QString printer = QStringLiteral("TEST-YAZICI");

// Records what a run hands on, in order: "preview 1", "print 2", ... with the
// number of records of the form.
class RecordingOutput : public FormOutput {
public:
    QStringList printers{printer};
    QStringList events;
    std::vector<WaybillReport> reports;

    bool printerExists(const QString &name) override { return printers.contains(name); }
    void preview(const WaybillReport &report) override { record(QStringLiteral("preview"), report); }
    void print(const WaybillReport &report) override { record(QStringLiteral("print"), report); }

private:
    void record(const QString &what, const WaybillReport &report)
    {
        events << QStringLiteral("%1 %2").arg(what).arg(report.rowCount());
        reports.push_back(report);
    }
};

LoadingListInput list(int rows)
{
    LoadingListInput in;
    for (int i = 1; i <= rows; ++i)
        in.rows.append(LoadingRow({{LoadingField::sira, QString::number(i)},
                                   {LoadingField::stokkod, QStringLiteral("K%1").arg(i)},
                                   {LoadingField::ack, QStringLiteral("Ürün")},
                                   {LoadingField::birim, QStringLiteral("ADET")},
                                   {LoadingField::birimfiyat, QStringLiteral("2")},
                                   {LoadingField::kdv, QStringLiteral("20")},
                                   {LoadingField::miktar, QStringLiteral("1")},
                                   {LoadingField::tutar, QStringLiteral("2")}}));
    in.totals.gtop = QStringLiteral("50,00");
    return in;
}

} // namespace

class TestLoadingListPrint : public QObject {
    Q_OBJECT
private slots:
    void init();
    void formsGoOut_data();
    void formsGoOut();
    void printerNotFound_data();
    void printerNotFound();
    void failures_data();
    void failures();
    void layoutNotFound_data();
    void layoutNotFound();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    AppPaths m_paths;
};

void TestLoadingListPrint::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_paths = printingtest::programFolder(m_dir->path(), printer, 10, 2);
}

void TestLoadingListPrint::formsGoOut_data()
{
    QTest::addColumn<PrintMode>("mode");
    QTest::addColumn<QStringList>("events");

    QTest::newRow("preview: each form once")
        << PrintMode::Preview << QStringList{"preview 10", "preview 10", "preview 7"};
    QTest::newRow("print: each form copies times")
        << PrintMode::Print
        << QStringList{"print 10", "print 10", "print 10", "print 10", "print 7", "print 7"};
}

void TestLoadingListPrint::formsGoOut()
{
    QFETCH(PrintMode, mode);
    QFETCH(QStringList, events);

    RecordingOutput output;
    const PrintOutcome outcome = runLoadingListPrint(list(25), mode, m_paths, output);
    QCOMPARE(outcome.kind, PrintOutcome::Done);
    QCOMPARE(outcome.message(), QString());
    QCOMPARE(output.events, events);
    for (const WaybillReport &report : output.reports) {
        QCOMPARE(report.printerName, printer);
        QCOMPARE(report.documentName, QStringLiteral("VELMOR-TARVEL-IRSALIYE"));
        QCOMPARE(report.printQuality, -4);
    }
}

void TestLoadingListPrint::printerNotFound_data()
{
    QTest::addColumn<QString>("installed");
    QTest::addColumn<bool>("pointerGone");
    QTest::newRow("other letter case") << "test-yazici" << false;
    QTest::newRow("no printer at all") << "" << false;
}

void TestLoadingListPrint::printerNotFound()
{
    QFETCH(QString, installed);
    QFETCH(bool, pointerGone);

    if (pointerGone)
        QVERIFY(QFile::remove(layoutPointerPath(m_paths.programDir)));
    RecordingOutput output;
    output.printers = installed.isEmpty() ? QStringList() : QStringList{installed};
    const PrintOutcome outcome = runLoadingListPrint(list(25), PrintMode::Preview, m_paths, output);
    QCOMPARE(outcome.kind, PrintOutcome::PrinterNotFound);
    QCOMPARE(outcome.message(), QStringLiteral("Yazıcı Bulunamadı"));
    QCOMPARE(output.events, QStringList());
}

void TestLoadingListPrint::failures_data()
{
    QTest::addColumn<int>("badRow"); // 0: none
    QTest::addColumn<bool>("layoutGone");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<QString>("cause");

    QTest::newRow("layout missing") << 0 << true << QStringList{} << "Yazdırma tasarımı bulunamadı";
    QTest::newRow("amount no number on the second form")
        << 15 << false << QStringList{"print 10", "print 10"} << "15. satırın tutarı sayı değil";
}

void TestLoadingListPrint::failures()
{
    QFETCH(int, badRow);
    QFETCH(bool, layoutGone);
    QFETCH(QStringList, events);
    QFETCH(QString, cause);

    const LayoutChoice choice = findlayout(m_paths);
    if (layoutGone)
        QVERIFY(QFile::remove(choice.layoutPath));
    LoadingListInput in = list(25);
    if (badRow > 0)
        in.rows[badRow - 1].set(LoadingField::tutar, QStringLiteral("iki"));

    RecordingOutput output;
    const PrintOutcome outcome = runLoadingListPrint(in, PrintMode::Print, m_paths, output);
    QCOMPARE(outcome.kind, PrintOutcome::Failed);
    QVERIFY2(outcome.message().startsWith(QStringLiteral("Hata Yeri:Fatura Yazdırma\n") + cause),
             qPrintable(outcome.message()));
    QCOMPARE(output.events, events);
}

void TestLoadingListPrint::layoutNotFound_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("says"); // after "Hata Yeri:Fatura Yazdırma\n"
    QTest::newRow("no pointer") << "<no pointer>"
                                << "Yazdırma tasarımı bulunamadı: ";
    QTest::newRow("empty pointer") << "<empty>"
                                   << "Yazdırma tasarımı bulunamadı: ";
    QTest::newRow("binary pointer") << "<binary>"
                                    << "Yazdırma tasarımı bulunamadı: ";
    QTest::newRow("pointer is a folder") << "<folder>"
                                         << "Yazdırma tasarımı bulunamadı: ";
    QTest::newRow("no Tsrm") << "<no Tsrm>"
                             << "Yazdırma tasarımı bulunamadı: ";
    QTest::newRow("layout missing") << "<no layout>"
                                    << "Yazdırma tasarımı bulunamadı: ";
    QTest::newRow("pointer leads outside") << "../../disarida"
                                           << "Yazdırma tasarımı reddedildi: ";
    QTest::newRow("absolute pointer") << "<absolute>"
                                      << "Yazdırma tasarımı reddedildi: ";
}

// A layout that is not there is named as such, never blamed on the printer;
// a pointer leading outside Tsrm/Tsrm/ is refused, though a layout with its
// printer file waits there.
void TestLoadingListPrint::layoutNotFound()
{
    QFETCH(QString, damage);
    QFETCH(QString, says);
    const QString pointer = layoutPointerPath(m_paths.programDir);
    const QString layout = findlayout(m_paths).layoutPath;
    const QString outside = m_dir->filePath(QStringLiteral("disarida"));
    QVERIFY(QFile::copy(layout, outside));
    QVERIFY(QFile::copy(printerFilePath(layout), printerFilePath(outside)));
    if (damage == QLatin1String("<no pointer>")) {
        QVERIFY(QFile::remove(pointer));
    } else if (damage == QLatin1String("<empty>")) {
        QVERIFY(writeLineFile(pointer, {}));
    } else if (damage == QLatin1String("<binary>")) {
        QFile file(pointer);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QByteArray("\x00\x01\x1b[2J\xff\xfe", 8));
    } else if (damage == QLatin1String("<folder>")) {
        QVERIFY(QFile::remove(pointer) && QDir().mkdir(pointer));
    } else if (damage == QLatin1String("<no Tsrm>")) {
        QVERIFY(QDir(m_dir->filePath(QStringLiteral("Tsrm"))).removeRecursively());
    } else if (damage == QLatin1String("<no layout>")) {
        QVERIFY(QFile::remove(layout));
    } else if (damage == QLatin1String("<absolute>")) {
        QVERIFY(writeLineFile(pointer, {outside}));
    } else {
        QVERIFY(writeLineFile(pointer, {damage}));
    }

    RecordingOutput output;
    const PrintOutcome outcome = runLoadingListPrint(list(5), PrintMode::Print, m_paths, output);
    QCOMPARE(outcome.kind, PrintOutcome::Failed);
    QVERIFY2(outcome.message().startsWith(QStringLiteral("Hata Yeri:Fatura Yazdırma\n") + says),
             qPrintable(outcome.message()));
    QVERIFY2(!outcome.message().contains(QLatin1Char('\x1b')), qPrintable(outcome.message()));
    QCOMPARE(output.events, QStringList());
}

QTEST_MAIN(TestLoadingListPrint)
#include "tst_loadinglistprint.moc"
