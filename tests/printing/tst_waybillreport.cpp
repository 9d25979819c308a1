// The waybill report: the record feed writes each record into the bound
// controls of every section, and the engine pages the detail bands with the
// page header showing its page's first record and the footer its last.
#include "common/printingfixture.h"
#include "printing/layoutreader.h"
#include "printing/recordfeed.h"
#include "printing/waybillreport.h"

#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace tarvel;

namespace {

ReportControl control(const QString &tag)
{
    ReportControl c;
    c.tag = tag;
    c.caption = QStringLiteral("tasarım");
    c.rect = QRectF(0, 0, 60, 6);
    c.fontFamily = QStringLiteral("DejaVu Sans");
    return c;
}

// Records 1..n: title "UNVAN-i", net total "NET-i", item code "KOD-i".
PrintTable records(int n)
{
    PrintTable table(n);
    for (int r = 1; r <= n; ++r) {
        table.setCell(r, PrintField::CariUnvan, QStringLiteral("UNVAN-%1").arg(r));
        table.setCell(r, PrintField::GenelToplam, QStringLiteral("NET-%1").arg(r));
        table.setCell(r, PrintField::StokKodu, QStringLiteral("KOD-%1").arg(r));
    }
    return table;
}

// A small page: three detail rows fit between header and footer.
const QByteArray threeRowsPerPage = R"(<layout>
  <page size="100x100" margins="5"/>
  <pageheader height="20"><textbox tag="CARI UNVAN" x="0" y="0" width="80" height="8"/></pageheader>
  <detail height="15"><textbox tag="STOK KODU" x="0" y="0" width="80" height="8"/></detail>
  <pagefooter height="20"><textbox tag="IRSALIYE GENEL TOPLAM" x="0" y="0" width="80" height="8"/></pagefooter>
</layout>)";

} // namespace

class TestWaybillReport : public QObject {
    Q_OBJECT
private slots:
    void feedFillsEverySection();
    void feedEndsAfterRowCount_data();
    void feedEndsAfterRowCount();
    void pagesShowFirstAndLastRecord_data();
    void pagesShowFirstAndLastRecord();
};

void TestWaybillReport::feedFillsEverySection()
{
    ReportLayout layout;
    layout.section(ReportLayout::PageHeader).controls = {control(QStringLiteral("CARI UNVAN")),
                                                         control(QStringLiteral("cari unvan")),
                                                         control(QStringLiteral("AMBLEM"))};
    layout.section(ReportLayout::Detail).controls = {control(QStringLiteral("STOK KODU"))};
    layout.section(ReportLayout::PageFooter).controls = {control(QStringLiteral("IRSALIYE GENEL TOPLAM"))};
    const PrintTable table = records(2);
    RecordFeed feed(table);

    QVERIFY(feed.fetchNext(layout));
    QVERIFY(feed.fetchNext(layout));
    const QList<ReportControl> &header = layout.section(ReportLayout::PageHeader).controls;
    QCOMPARE(header.at(0).caption, QStringLiteral("UNVAN-2"));
    // A tag in other letter case, or naming no field, keeps the layout's caption.
    QCOMPARE(header.at(1).caption, QStringLiteral("tasarım"));
    QCOMPARE(header.at(2).caption, QStringLiteral("tasarım"));
    QCOMPARE(layout.section(ReportLayout::Detail).controls.at(0).caption, QStringLiteral("KOD-2"));
    QCOMPARE(layout.section(ReportLayout::PageFooter).controls.at(0).caption, QStringLiteral("NET-2"));
}

void TestWaybillReport::feedEndsAfterRowCount_data()
{
    QTest::addColumn<int>("rowCount");
    QTest::newRow("row count 0: no record") << 0;
    QTest::newRow("three rows") << 3;
}

void TestWaybillReport::feedEndsAfterRowCount()
{
    QFETCH(int, rowCount);
    ReportLayout layout;
    layout.section(ReportLayout::Detail).controls = {control(QStringLiteral("STOK KODU"))};
    const PrintTable table = records(rowCount);
    RecordFeed feed(table);
    int fed = 0;
    while (feed.fetchNext(layout))
        ++fed;
    QCOMPARE(fed, rowCount);
    QVERIFY(!feed.fetchNext(layout)); // the end stays the end
    QCOMPARE(layout.section(ReportLayout::Detail).controls.at(0).caption,
             rowCount ? QStringLiteral("KOD-%1").arg(rowCount) : QStringLiteral("tasarım"));
}

void TestWaybillReport::pagesShowFirstAndLastRecord_data()
{
    QTest::addColumn<int>("rowCount");
    QTest::addColumn<QStringList>("headers");
    QTest::addColumn<QStringList>("footers");

    QTest::newRow("one page") << 2 << QStringList{"UNVAN-1"} << QStringList{"NET-2"};
    QTest::newRow("a full page") << 3 << QStringList{"UNVAN-1"} << QStringList{"NET-3"};
    QTest::newRow("three pages") << 7 << QStringList{"UNVAN-1", "UNVAN-4", "UNVAN-7"}
                                 << QStringList{"NET-3", "NET-6", "NET-7"};
}

void TestWaybillReport::pagesShowFirstAndLastRecord()
{
    QFETCH(int, rowCount);
    QFETCH(QStringList, headers);
    QFETCH(QStringList, footers);
    if (!printingtest::havePdftotext())
        QFAIL("pdftotext (poppler-utils) is missing: scripts/deps.sh installs it");

    const WaybillReport report(LayoutReader::parse(threeRowsPerPage, QStringLiteral("test")),
                               records(rowCount));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("form.pdf"));
    {
        QPdfWriter writer(path);
        QCOMPARE(report.paint(&writer), headers.size());
    }
    const QStringList pages = printingtest::pdfPages(path);
    QCOMPARE(pages.size(), headers.size());
    // The report sets the layout's paper (100 mm square) on the writer itself.
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {path});
    QVERIFY(info.waitForFinished(30000));
    const QString infoText = QString::fromUtf8(info.readAllStandardOutput());
    QVERIFY2(infoText.contains(QRegularExpression(QStringLiteral("Page size:\\s+283(\\.\\d+)? x 283"))),
             qPrintable(infoText));
    int item = 1;
    for (int p = 0; p < pages.size(); ++p) {
        QVERIFY2(pages[p].contains(headers[p]), qPrintable(pages[p]));
        QVERIFY2(pages[p].contains(footers[p]), qPrintable(pages[p]));
        const int itemsHere = int(pages[p].count(QRegularExpression(QStringLiteral("KOD-\\d+"))));
        QCOMPARE(pages[p].count(QStringLiteral("UNVAN-")), 1);
        for (int i = 0; i < itemsHere; ++i, ++item)
            QVERIFY2(pages[p].contains(QStringLiteral("KOD-%1").arg(item)), qPrintable(pages[p]));
    }
    QCOMPARE(item - 1, rowCount);
}

QTEST_MAIN(TestWaybillReport)
#include "tst_waybillreport.moc"
