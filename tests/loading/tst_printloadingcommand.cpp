// tarvel-report print-loading on the demo company: its loading list as the
// waybill forms of the default layout in one PDF, read back as text, and the
// messages and exit codes of a run that cannot print.
#include "common/needs.h"
#include "common/printingfixture.h"
#include "common/programrun.h"
#include "common/verifyok.h"
#include "foundation/base/numbers.h"
#include "foundation/store/sidefiles.h"
#include "printing/device/printerdevice.h"
#include "printing/layoutfiles.h"
#include "printing/layouts/defaultlayouts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <csignal>

#include <sys/resource.h>

using namespace tarvel;
using tarvel::test::ProgramRun;
using tarvel::test::runProgram;

class TestPrintLoadingCommand : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void demoListAsPdf();
    void failedPdfKeepsOldFile_data();
    void failedPdfKeepsOldFile();
    void cannotPrint_data();
    void cannotPrint();
    void badArguments_data();
    void badArguments();

private:
    ProgramRun report(const QStringList &args) const
    {
        return runProgram(m_folder + QStringLiteral("/tarvel-report"), args, m_folder);
    }
    void setPrinter(const QString &printer) const
    {
        QVERIFY_OK(writeLineFile(printerFilePath(findlayout({m_folder, m_folder}).layoutPath),
                                 {QStringLiteral("irsaliye-a4"), printer}));
    }

    QTemporaryDir m_dir;
    QString m_folder;
    QString m_refs;
};

void TestPrintLoadingCommand::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_folder = m_dir.filePath(QStringLiteral("demo"));
    const ProgramRun demo =
        runProgram(QStringLiteral(TARVEL_BIN_DIR "/tarvel-report"),
                   {QStringLiteral("demo"), m_folder, QStringLiteral("--date"), QStringLiteral("2025-03-15")},
                   m_dir.path());
    QVERIFY2(demo.exitCode == 0, qPrintable(demo.err));
    // The demo's loading list, as the README's run command picks it: the last
    // four waybills of one customer in the waybill picker's list, oldest first.
    const ProgramRun waybills =
        report({QStringLiteral("waybills"), QStringLiteral("--from"), QStringLiteral("20250101"),
                QStringLiteral("--to"), QStringLiteral("20251231"), QStringLiteral("--customer"),
                QStringLiteral("MEHMET'İN GIDA PAZARLAMA LTD. ŞTİ.")});
    QVERIFY2(waybills.exitCode == 0, qPrintable(waybills.err));
    const QJsonArray rows = QJsonDocument::fromJson(waybills.out.toUtf8())
                                .object()
                                .value(QStringLiteral("lists"))
                                .toObject()
                                .value(QStringLiteral("l1"))
                                .toObject()
                                .value(QStringLiteral("rows"))
                                .toArray();
    QList<QPair<QString, int>> found; // "yyyyMMdd HH:mm:ss" from "dd.MM.yyyy[ HH:mm:ss]", ref
    for (const QJsonValue &row : rows) {
        const QString tarih = row.toObject().value(QStringLiteral("tarih")).toString();
        found.append({tarih.mid(6, 4) + tarih.mid(3, 2) + tarih.left(2) + tarih.mid(10),
                      row.toObject().value(QStringLiteral("ref")).toString().toInt()});
    }
    std::sort(found.begin(), found.end());
    QStringList refs;
    for (qsizetype i = qMax<qsizetype>(0, found.size() - 4); i < found.size(); ++i)
        refs << QString::number(found.at(i).second);
    m_refs = refs.join(QLatin1Char(','));
    QVERIFY(!m_refs.isEmpty());
}

void TestPrintLoadingCommand::demoListAsPdf()
{
    if (!printerexists(defaultLayoutPrinter))
        NEEDS_OR_SKIP("The printer TARVEL-PDF is not installed (scripts/printer-setup.sh adds it, as root)");
    if (!printingtest::havePdftotext())
        QFAIL("pdftotext (poppler-utils) is missing: scripts/deps.sh installs it");
    setPrinter(defaultLayoutPrinter);

    // What the loading report holds for those waybills.
    const ProgramRun loading = report({QStringLiteral("loading"), QStringLiteral("--refs"), m_refs});
    QVERIFY2(loading.exitCode == 0, qPrintable(loading.err));
    const QJsonObject screen = QJsonDocument::fromJson(loading.out.toUtf8()).object();
    const QJsonObject fields = screen.value(QStringLiteral("fields")).toObject();
    const QJsonArray rows = screen.value(QStringLiteral("lists"))
                                .toObject()
                                .value(QStringLiteral("l1"))
                                .toObject()
                                .value(QStringLiteral("rows"))
                                .toArray();
    QVERIFY2(rows.size() > 10, "the demo list should need more than one form of ten rows");

    const QString pdf = m_dir.filePath(QStringLiteral("irsaliye.pdf"));
    const ProgramRun printed = report(
        {QStringLiteral("print-loading"), QStringLiteral("--refs"), m_refs, QStringLiteral("--pdf"), pdf});
    QVERIFY2(printed.exitCode == 0, qPrintable(printed.err));
    const QStringList pages = printingtest::pdfPages(pdf);
    QCOMPARE(pages.size(), int((rows.size() - 10 + 8) / 9) + 1);

    const QString title = fields.value(QStringLiteral("unvn")).toString();
    QVERIFY(!title.isEmpty());
    const QString all = pages.join(QLatin1Char('\n'));
    for (const QString &page : pages)
        QVERIFY2(page.contains(title), qPrintable(page));
    for (const QJsonValue &row : rows) {
        const QString code = row.toObject().value(QStringLiteral("stokkod")).toString();
        QVERIFY2(all.contains(code), qPrintable(code));
    }
    QVERIFY(!pages.first().contains(QStringLiteral("Nakli Yekün")));
    QVERIFY2(pages.at(1).contains(QStringLiteral("Nakli Yekün")), qPrintable(pages.at(1)));
    // The net total in words, on the last form only.
    const QString gtop = fields.value(QStringLiteral("gtop")).toString();
    const QString words =
        amountinwords(QString(gtop).remove(QLatin1Char('.')), QStringLiteral("TL."), QStringLiteral("Kuruş"))
            .trimmed();
    QVERIFY2(pages.last().simplified().contains(words), qPrintable(words + QLatin1Char('\n') + pages.last()));
    QVERIFY(!pages.first().contains(QStringLiteral("TL.")));
    QVERIFY(pages.last().contains(formatGrouped2(parseNumber(gtop).value_or(-1))));
}

void TestPrintLoadingCommand::failedPdfKeepsOldFile_data()
{
    QTest::addColumn<QString>("target"); // "<full disk>": the folder's file with a 4 KB limit on writes
    QTest::addColumn<QString>("cause");
    QTest::newRow("full disk") << "<full disk>"
                               << "PDF dosyası yazılamadı: ";
    QTest::newRow("a device") << "/dev/full"
                              << "normal bir dosya değil";
}

// The forms that cannot be written whole leave the PDF there as it was, no
// temporary file, and an exit code that says so.
void TestPrintLoadingCommand::failedPdfKeepsOldFile()
{
    QFETCH(QString, target);
    QFETCH(QString, cause);
    if (!printerexists(defaultLayoutPrinter))
        NEEDS_OR_SKIP("The printer TARVEL-PDF is not installed (scripts/printer-setup.sh adds it, as root)");
    setPrinter(defaultLayoutPrinter);
    QTemporaryDir dir;
    const QString good = dir.filePath(QStringLiteral("irsaliye.pdf"));
    const QStringList args{QStringLiteral("print-loading"), QStringLiteral("--refs"), m_refs,
                           QStringLiteral("--pdf")};
    QVERIFY(report(args + QStringList{good}).exitCode == 0);
    QFile file(good);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();

    const bool fullDisk = target == QLatin1String("<full disk>");
    const ProgramRun printed = runProgram(m_folder + QStringLiteral("/tarvel-report"),
                                          args + QStringList{fullDisk ? good : target}, m_folder, [fullDisk] {
                                              if (!fullDisk)
                                                  return;
                                              ::signal(SIGXFSZ, SIG_IGN);
                                              const rlimit small{4096, 4096};
                                              ::setrlimit(RLIMIT_FSIZE, &small);
                                          });
    QCOMPARE(printed.exitCode, 1);
    QVERIFY2(printed.err.contains(cause), qPrintable(printed.err));
    QVERIFY2(!printed.out.contains(QStringLiteral(" form, ")), qPrintable(printed.out));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll() == before);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"irsaliye.pdf"});
}

void TestPrintLoadingCommand::cannotPrint_data()
{
    QTest::addColumn<QString>("printer");
    QTest::addColumn<bool>("layoutGone");
    QTest::addColumn<QString>("message");

    QTest::newRow("printer not installed") << "YOK-BOYLE-YAZICI" << false << "Yazıcı Bulunamadı\n";
    QTest::newRow("name in other letter case") << "tarvel-pdf" << false << "Yazıcı Bulunamadı\n";
    QTest::newRow("layout missing") << defaultLayoutPrinter << true
                                    << "Hata Yeri:Fatura Yazdırma\nYazdırma tasarımı bulunamadı: ";
}

void TestPrintLoadingCommand::cannotPrint()
{
    QFETCH(QString, printer);
    QFETCH(bool, layoutGone);
    QFETCH(QString, message);
    if (layoutGone && !printerexists(printer))
        NEEDS_OR_SKIP("The printer TARVEL-PDF is not installed (scripts/printer-setup.sh adds it, as root)");

    setPrinter(printer);
    const QString layout = findlayout({m_folder, m_folder}).layoutPath;
    if (layoutGone)
        QVERIFY(QFile::rename(layout, layout + QStringLiteral(".saklı")));
    const QString pdf = m_dir.filePath(QStringLiteral("none.pdf"));
    const ProgramRun printed = report(
        {QStringLiteral("print-loading"), QStringLiteral("--refs"), m_refs, QStringLiteral("--pdf"), pdf});
    if (layoutGone)
        QVERIFY(QFile::rename(layout + QStringLiteral(".saklı"), layout));
    QCOMPARE(printed.exitCode, 1);
    QVERIFY2(printed.err.startsWith(message), qPrintable(printed.err));
    QVERIFY(!QFileInfo::exists(pdf));
}

void TestPrintLoadingCommand::badArguments_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("neither --pdf nor --print") << QStringList{"--refs", "1"};
    QTest::newRow("both --pdf and --print") << QStringList{"--refs", "1", "--pdf", "x.pdf", "--print"};
    QTest::newRow("no --refs") << QStringList{"--pdf", "x.pdf"};
}

void TestPrintLoadingCommand::badArguments()
{
    QFETCH(QStringList, args);
    const ProgramRun printed = report(QStringList{QStringLiteral("print-loading")} + args);
    QCOMPARE(printed.exitCode, 2);
    QVERIFY2(printed.err.contains(QStringLiteral("usage: tarvel-report print-loading")),
             qPrintable(printed.err));
}

QTEST_MAIN(TestPrintLoadingCommand)
#include "tst_printloadingcommand.moc"
