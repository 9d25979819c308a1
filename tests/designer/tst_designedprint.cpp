// Layouts as the designer saves them, printed by tarvel-report print-loading:
// a seven-digit carried total prints whole in the shipped layout, a field
// moved in the designer prints at its new place, and a background picture
// kept with the layout never reaches the paper.
#include "common/erpfixture.h"
#include "common/needs.h"
#include "common/printingfixture.h"
#include "common/programrun.h"
#include "common/verifyok.h"
#include "printing/device/printerdevice.h"
#include "printing/layoutdoc/layoutdocument.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace tarvel;
using test::ErpFixture;
using test::ProgramRun;

namespace {

struct Word {
    QString text;
    QRectF mm; // on the page
    int page;
};

// The words of a PDF with their boxes (pdftotext -bbox), in millimetres.
QList<Word> pdfWords(const QString &path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    if (!process.waitForFinished(30000))
        return {};
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    static const QRegularExpression pageOrWord(
        QStringLiteral("<page |<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                       "yMax=\"([\\d.]+)\">([^<]*)</word>"));
    QList<Word> words;
    int page = 0;
    const double mm = 25.4 / 72;
    for (QRegularExpressionMatchIterator it = pageOrWord.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (m.captured(0).startsWith(QLatin1String("<page"))) {
            ++page;
            continue;
        }
        const QPointF from(m.captured(1).toDouble() * mm, m.captured(2).toDouble() * mm);
        const QPointF to(m.captured(3).toDouble() * mm, m.captured(4).toDouble() * mm);
        words.append({m.captured(5), QRectF(from, to), page});
    }
    return words;
}

QList<Word> wordsOf(const QList<Word> &words, const QString &text)
{
    QList<Word> found;
    for (const Word &w : words) {
        if (w.text == text)
            found << w;
    }
    return found;
}

} // namespace

class TestDesignedPrint : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void carriedTotalPrintsWhole();
    void movedFieldPrintsThere();
    void backgroundNeverPrinted();

private:
    QString layoutPath() const { return m_folder + QStringLiteral("/Tsrm/Tsrm/irsaliye-a4"); }
    // The loading list of the one waybill as forms in a PDF.
    QString print(const QString &name);

    QTemporaryDir m_dir;
    QString m_folder;
};

void TestDesignedPrint::initTestCase()
{
    if (!printerexists(QStringLiteral("TARVEL-PDF")))
        NEEDS_OR_SKIP("The printer TARVEL-PDF is not installed (scripts/printer-setup.sh adds it, as root)");
    if (!printingtest::havePdftotext())
        QFAIL("pdftotext (poppler-utils) is missing: scripts/deps.sh installs it");
    QVERIFY(m_dir.isValid());
    // One waybill of four lines: the first three, one form of three rows,
    // carry 1.259.259,38 to the second form.
    ErpFixture erp;
    erp.card({.ref = 1, .code = QStringLiteral("120.01"), .name = QStringLiteral("BÜYÜK TOPTAN GIDA A.Ş.")});
    erp.unit({.ref = 1, .name = QStringLiteral("KOLİ")});
    const double amounts[] = {1000000, 200000, 59259.38, 10};
    for (int i = 0; i < 4; ++i) {
        erp.item({.ref = i + 1,
                  .code = QStringLiteral("KOD-%1").arg(i + 1),
                  .name = QStringLiteral("MAL %1").arg(i + 1)});
        erp.add(QStringLiteral("STLINE"), {{QStringLiteral("LOGICALREF"), i + 1},
                                           {QStringLiteral("STFICHEREF"), 500},
                                           {QStringLiteral("STOCKREF"), i + 1},
                                           {QStringLiteral("UOMREF"), 1},
                                           {QStringLiteral("IOCODE"), 4},
                                           {QStringLiteral("TRCODE"), 8},
                                           {QStringLiteral("AMOUNT"), 1},
                                           {QStringLiteral("PRICE"), amounts[i]},
                                           {QStringLiteral("TOTAL"), amounts[i]},
                                           {QStringLiteral("VAT"), 1}});
    }
    erp.add(QStringLiteral("STFICHE"), {{QStringLiteral("LOGICALREF"), 500},
                                        {QStringLiteral("IOCODE"), 3},
                                        {QStringLiteral("TRCODE"), 8},
                                        {QStringLiteral("FICHENO"), QStringLiteral("IRS-500")},
                                        {QStringLiteral("DATE_"), QStringLiteral("20240105")},
                                        {QStringLiteral("CLIENTREF"), 1},
                                        {QStringLiteral("GROSSTOTAL"), 1259269.38},
                                        {QStringLiteral("TOTALVAT"), 12592.69},
                                        {QStringLiteral("NETTOTAL"), 1271862.07}});
    const QString error = erp.write(m_dir.filePath(QStringLiteral("erp.sqlite")));
    QVERIFY2(error.isEmpty(), qPrintable(error));
    m_folder = m_dir.filePath(QStringLiteral("program"));
    QVERIFY(QDir().mkpath(m_folder));
    erp.writeStore(m_folder);
    // The program finds Tsrm/ beside itself.
    QVERIFY(QFile::copy(QStringLiteral(TARVEL_BIN_DIR "/tarvel-report"),
                        m_folder + QStringLiteral("/tarvel-report")));
}

void TestDesignedPrint::init()
{
    printingtest::programFolder(m_folder, QStringLiteral("TARVEL-PDF"), 3, 1);
}

QString TestDesignedPrint::print(const QString &name)
{
    const QString pdf = m_dir.filePath(name);
    const ProgramRun run = test::runProgram(m_folder + QStringLiteral("/tarvel-report"),
                                            {QStringLiteral("print-loading"), QStringLiteral("--refs"),
                                             QStringLiteral("500"), QStringLiteral("--pdf"), pdf},
                                            m_folder);
    if (run.exitCode != 0)
        qWarning("%s", qPrintable(run.err));
    return run.exitCode == 0 ? pdf : QString();
}

void TestDesignedPrint::carriedTotalPrintsWhole()
{
    const QString pdf = print(QStringLiteral("shipped.pdf"));
    QVERIFY(!pdf.isEmpty());
    const QStringList pages = printingtest::pdfPages(pdf);
    QCOMPARE(pages.size(), 2);
    // The carried-forward line: TUTAR and NET TUTAR both whole.
    QString carried;
    for (const QString &line : pages.at(1).split(QLatin1Char('\n'))) {
        if (line.contains(QStringLiteral("Nakli Yekün")))
            carried = line;
    }
    QVERIFY2(carried.count(QStringLiteral("1.259.259,38")) == 2, qPrintable(pages.at(1)));
    QVERIFY2(!pages.join(QString()).contains(QStringLiteral("…")), qPrintable(pages.join(QString())));
    // And it stays inside its column: TUTAR runs from 136 to 159 mm on the page.
    const QList<Word> totals = wordsOf(pdfWords(pdf), QStringLiteral("1.259.259,38"));
    QVERIFY(!totals.isEmpty());
    bool inTutar = false;
    for (const Word &w : totals)
        inTutar = inTutar || (w.page == 2 && w.mm.left() >= 136 && w.mm.right() <= 159);
    QVERIFY(inTutar);
}

void TestDesignedPrint::movedFieldPrintsThere()
{
    LayoutDocument document;
    QVERIFY_OK(document.open(layoutPath()));
    int code = -1;
    for (int id : document.allIds()) {
        if (document.control(id).tag == QLatin1String("STOK KODU"))
            code = id;
    }
    QVERIFY(code >= 0);
    const double before = document.pageRect(code).left();
    document.setSelection({code});
    QVERIFY(document.moveSelection(QPointF(60, 0)));
    for (int i = 0; i < 3; ++i)
        QVERIFY(document.nudgeSelection(Qt::Key_Right, Qt::NoModifier));
    QVERIFY_OK(document.save());
    const double left = document.pageRect(code).left();
    QCOMPARE(left, before + 61.5);

    const QString pdf = print(QStringLiteral("moved.pdf"));
    QVERIFY(!pdf.isEmpty());
    const QList<Word> codes = wordsOf(pdfWords(pdf), QStringLiteral("KOD-1"));
    QCOMPARE(codes.size(), 1);
    // Left aligned: the text starts a little inside the box (0.8 mm).
    QVERIFY2(std::abs(codes.first().mm.left() - (left + 0.8)) < 0.6,
             qPrintable(
                 QStringLiteral("KOD-1 at %1 mm, the box at %2 mm").arg(codes.first().mm.left()).arg(left)));
}

void TestDesignedPrint::backgroundNeverPrinted()
{
    const QString scan = m_dir.filePath(QStringLiteral("tarama.png"));
    QImage image(210, 297, QImage::Format_RGB32);
    image.fill(QColor(30, 30, 30));
    QVERIFY(image.save(scan));

    LayoutDocument document;
    QVERIFY_OK(document.open(layoutPath()));
    QVERIFY_OK(document.setBackgroundPicture(scan));
    QVERIFY_OK(document.save());
    QFile saved(layoutPath());
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QVERIFY(saved.readAll().contains("<background image=\"irsaliye-a4-zemin.png\"/>"));

    const QString pdf = print(QStringLiteral("background.pdf"));
    QVERIFY(!pdf.isEmpty());
    QProcess images;
    images.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf});
    QVERIFY(images.waitForFinished(30000));
    // Two heading lines and no image.
    const QStringList lines =
        QString::fromUtf8(images.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY2(lines.size() == 2, qPrintable(lines.join(QLatin1Char('\n'))));
    QVERIFY(printingtest::pdfPages(pdf).join(QString()).contains(QStringLiteral("KOD-4")));
}

QTEST_MAIN(TestDesignedPrint)
#include "tst_designedprint.moc"
