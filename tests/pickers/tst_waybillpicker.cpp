// The waybill picker's model against a small fixture ERP: the filters and the
// statement they make, the rows, "Göster" against "Listeye Ekle", selecting,
// and the hand-over to the loading report with its progress bar.
#include "common/gridvalues.h"
#include "common/verifyok.h"
#include "common/waybillfixture.h"
#include "foundation/base/errors.h"
#include "foundation/base/progressstate.h"
#include "foundation/store/sidefiles.h"
#include "loading/loadingreport.h"
#include "pickers/waybillpicker.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace tarvel;
using test::ErpFixture;

namespace {

QStringList lastLines(const QString &path, int count)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return lines.mid(qMax(0, int(lines.size()) - count));
}

} // namespace

class TestWaybillPicker : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void opening();
    void filters_data();
    void filters();
    void dateRange_data();
    void dateRange();
    void rowContents();
    void gosterReplacesEkleAppends();
    void selecting();
    void handOver();
    void secondHandOverReplacesFirst();
    void failingHandOverLeavesCallerUsable();

private:
    void search(const QDate &from = QDate(2024, 1, 1), const QDate &to = QDate(2024, 1, 8));
    void tick(const QStringList &fisnos);
    // "İrsaliye Görüntüle": the ticked waybills to the loading report.
    Result<void> handTicked() { return m_report->handOver(m_picker->picked(), m_picker->birlestir()); }

    QTemporaryDir m_dir;
    ErpFixture m_erp;
    std::unique_ptr<ErpConnection> m_connection;
    std::unique_ptr<LoadingReport> m_report;
    std::unique_ptr<WaybillPicker> m_picker;
    QString m_trace;
};

void TestWaybillPicker::initTestCase()
{
    test::addWaybillFixture(m_erp);
    const QString error = m_erp.write(m_dir.filePath(QStringLiteral("erp.sqlite")));
    QVERIFY2(error.isEmpty(), qPrintable(error));
    m_trace = m_dir.filePath(QStringLiteral("trace.sql"));
}

void TestWaybillPicker::init()
{
    m_connection = std::make_unique<ErpConnection>();
    QVERIFY_OK(m_erp.open(*m_connection));
    QVERIFY_OK(m_connection->setTraceFile(m_trace));
    const ReportContext context = m_erp.context({m_dir.path(), m_dir.path()}, *m_connection);
    m_report = std::make_unique<LoadingReport>(context);
    m_picker = std::make_unique<WaybillPicker>(context);
    m_picker->open(QDate(2024, 1, 8));
}

void TestWaybillPicker::cleanup()
{
    m_picker.reset();
    m_report.reset();
    m_connection.reset();
    QFile::remove(m_dir.filePath(QStringLiteral("list.velmor")));
}

void TestWaybillPicker::search(const QDate &from, const QDate &to)
{
    m_picker->setTr1(from);
    m_picker->setTr2(to);
    QVERIFY_OK(m_picker->gosterbul(SearchMode::NewList));
}

void TestWaybillPicker::tick(const QStringList &fisnos)
{
    MemTable &t = m_picker->l1().table();
    for (int r = 0; r < t.rowCount(); ++r) {
        if (fisnos.contains(t.value(r, t.fieldIndex(QStringLiteral("fisno")))))
            m_picker->toggle(r);
    }
}

void TestWaybillPicker::opening()
{
    // Seven days back from today; the lists as the ERP gives them.
    QCOMPARE(m_picker->tr1(), QDate(2024, 1, 1));
    QCOMPARE(m_picker->tr2(), QDate(2024, 1, 8));
    QCOMPARE(m_picker->startKey(), QStringLiteral("20240101"));
    QCOMPARE(m_picker->customerNames(),
             QStringList({QStringLiteral("MEHMET'İN GIDA"), QStringLiteral("AYŞE TİCARET"),
                          QStringLiteral("AYŞE TİCARET LTD"), QStringLiteral("SEVKİYAT DEPOSU"),
                          QStringLiteral("BAKKAL 12"), QStringLiteral("DEPO 12")}));
    QCOMPARE(m_picker->specialCodes(),
             QStringList({QStringLiteral("Tümü"), QStringLiteral("S1 --> SOĞUK ZİNCİR"),
                          QStringLiteral("S2 --> KURU GIDA")}));
    QCOMPARE(m_picker->documentTypes(),
             QStringList({QStringLiteral("Tümü"), QStringLiteral("(07)Parakende Satış İrsaliyesi"),
                          QStringLiteral("(08)Toptan Satış İrsaliyesi")}));
    QCOMPARE(m_picker->ozkod(), QStringLiteral("Tümü"));
    QCOMPARE(m_picker->irstip(), QStringLiteral("Tümü"));
    QCOMPARE(m_picker->l1().table().rowCount(), 0);
    // Only the check column can be edited.
    const DataGrid &grid = m_picker->l1();
    for (int c = 0; c < grid.columnCount(); ++c)
        QCOMPARE(grid.column(c).readOnly, grid.column(c).field != QLatin1String("sec"));
}

void TestWaybillPicker::filters_data()
{
    QTest::addColumn<QString>("irstip");
    QTest::addColumn<QString>("cr");
    QTest::addColumn<QString>("ozkod");
    QTest::addColumn<QString>("crref");
    QTest::addColumn<QString>("statementTail");
    QTest::addColumn<QStringList>("fisnos");

    const QString all = QStringLiteral("Tümü");
    const QStringList everything{QStringLiteral("IRS-101"), QStringLiteral("IRS-102"),
                                 QStringLiteral("IRS-104"), QStringLiteral("IRS-108"),
                                 QStringLiteral("IRS-109")};
    const QString both = QStringLiteral(" AND (TRCODE='8' OR TRCODE='7')");
    QTest::newRow("nothing chosen: types 7 and 8")
        << all << QString() << all << QString() << both << everything;
    QTest::newRow("wholesale") << QStringLiteral("(08)Toptan Satış İrsaliyesi") << QString() << all
                               << QString() << QStringLiteral(" AND TRCODE='8'")
                               << QStringList{QStringLiteral("IRS-101"), QStringLiteral("IRS-104"),
                                              QStringLiteral("IRS-108"), QStringLiteral("IRS-109")};
    QTest::newRow("retail") << QStringLiteral("(07)Parakende Satış İrsaliyesi") << QString() << all
                            << QString() << QStringLiteral(" AND TRCODE='7'")
                            << QStringList{QStringLiteral("IRS-102")};
    QTest::newRow("partly typed name: nothing listed")
        << all << QStringLiteral("AYŞE") << all << QString() << QString() << QStringList();
    QTest::newRow("whole name") << all << QStringLiteral("AYŞE TİCARET") << all << QStringLiteral("3")
                                << both + QStringLiteral(" AND CLIENTREF='3'")
                                << QStringList{QStringLiteral("IRS-109")};
    QTest::newRow("name with an apostrophe")
        << all << QStringLiteral("MEHMET'İN GIDA") << all << QStringLiteral("1")
        << both + QStringLiteral(" AND CLIENTREF='1'") << QStringList{QStringLiteral("IRS-101")};
    QTest::newRow("inactive customer's name: nothing listed")
        << all << QStringLiteral("ESKİ ÇARŞI ŞEKERCİSİ") << all << QString() << QString() << QStringList();
    QTest::newRow("special code") << all << QString() << QStringLiteral("S1 --> SOĞUK ZİNCİR") << QString()
                                  << both + QStringLiteral(" AND SPECODE='S1'")
                                  << QStringList{QStringLiteral("IRS-101")};
    QTest::newRow("all three, in their order")
        << QStringLiteral("(08)Toptan Satış İrsaliyesi") << QStringLiteral("MEHMET'İN GIDA")
        << QStringLiteral("S2 --> KURU GIDA") << QStringLiteral("1")
        << QStringLiteral(" AND TRCODE='8' AND CLIENTREF='1' AND SPECODE='S2'") << QStringList();
}

void TestWaybillPicker::filters()
{
    QFETCH(QString, irstip);
    QFETCH(QString, cr);
    QFETCH(QString, ozkod);
    QFETCH(QString, crref);
    QFETCH(QString, statementTail);
    QFETCH(QStringList, fisnos);

    m_picker->setIrstip(irstip);
    m_picker->setOzkod(ozkod);
    m_picker->setCr(cr);
    QCOMPARE(m_picker->crref(), crref);
    search();
    QCOMPARE(test::fieldValues(m_picker->l1(), QStringLiteral("fisno")), fisnos);

    // A name of no card sends no search: the last statement is its lookup.
    QStringList sent = lastLines(m_trace, 200);
    if (statementTail.isEmpty()) {
        QVERIFY2(sent.last().contains(QLatin1String("CLCARD")), qPrintable(sent.last()));
        return;
    }
    // The search statement is the first one after the customer lookup.
    const QString expected = QStringLiteral("select * from LG_001_01_STFICHE where IOCODE='3' AND "
                                            "DATE_>='20240101' AND DATE_<='20240108'") +
                             statementTail;
    const auto found = std::find_if(sent.crbegin(), sent.crend(),
                                    [](const QString &s) { return s.contains(QLatin1String("STFICHE")); });
    QVERIFY(found != sent.crend());
    QCOMPARE(*found, expected);
}

void TestWaybillPicker::dateRange_data()
{
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<QStringList>("fisnos");
    // DATE_ is compared with the day's key: a waybill stamped later than
    // midnight on the last day is after it.
    QTest::newRow("last day at midnight only")
        << QDate(2024, 1, 8) << QDate(2024, 1, 8) << QStringList{QStringLiteral("IRS-102")};
    QTest::newRow("a day more takes the 10 o'clock waybill")
        << QDate(2024, 1, 7) << QDate(2024, 1, 9)
        << QStringList{QStringLiteral("IRS-102"), QStringLiteral("IRS-103"), QStringLiteral("IRS-109")};
    QTest::newRow("year boundary") << QDate(2023, 12, 31) << QDate(2024, 1, 3)
                                   << QStringList{QStringLiteral("IRS-104"), QStringLiteral("IRS-107")};
    QTest::newRow("start after end") << QDate(2024, 1, 8) << QDate(2024, 1, 1) << QStringList();
}

void TestWaybillPicker::dateRange()
{
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QFETCH(QStringList, fisnos);
    search(from, to);
    QCOMPARE(test::fieldValues(m_picker->l1(), QStringLiteral("fisno")), fisnos);
}

void TestWaybillPicker::rowContents()
{
    search(QDate(2024, 1, 1), QDate(2024, 1, 9));
    const DataGrid &grid = m_picker->l1();
    const MemTable &t = grid.table();
    const auto row = [&t](int r) {
        QStringList values;
        for (const char *f : {"sec", "sira", "tarih", "fisno", "belno", "carikod", "unvani", "tutar", "ref",
                              "tip", "scari", "scarikod"})
            values << t.value(r, t.fieldIndex(QString::fromLatin1(f)));
        return values.join(QLatin1Char('|'));
    };
    QCOMPARE(t.rowCount(), 6);
    QCOMPARE(row(0), QStringLiteral(
                         "|1|05.01.2024|IRS-101|BLG-101|120.01|MEHMET'İN GIDA|0,60|101|8|SEVKİYAT DEPOSU|6"));
    // Inactive customer and ship-to card: both stay empty.
    QCOMPARE(row(1), QStringLiteral("|2|08.01.2024|IRS-102|BLG-102|||1,00|102|7||"));
    // The time of day only when it is not midnight.
    QCOMPARE(row(2),
             QStringLiteral("|3|08.01.2024 10:00:00|IRS-103|BLG-103|120.03|AYŞE TİCARET|5,40|103|8||"));
    // Missing customer card; the ship-to card is a customer's own card.
    QCOMPARE(row(3), QStringLiteral("|4|03.01.2024|IRS-104|BLG-104|||0,10|104|8|MEHMET'İN GIDA|1"));

    // The type column shows words, the footer the sum of the net totals.
    const int tip = grid.columnOfField(QStringLiteral("tip"));
    QCOMPARE(grid.displayText(0, tip), QStringLiteral("TOPTAN"));
    QCOMPARE(grid.displayText(1, tip), QStringLiteral("PARAKENDE"));
    QCOMPARE(grid.footerText(grid.columnOfField(QStringLiteral("tutar"))), QStringLiteral("1234586,80"));
}

void TestWaybillPicker::gosterReplacesEkleAppends()
{
    search();
    search();
    QCOMPARE(test::fieldValues(m_picker->l1(), QStringLiteral("sira")),
             QStringList({"1", "2", "3", "4", "5"}));
    m_picker->setIrstip(QStringLiteral("(07)Parakende Satış İrsaliyesi"));
    search();
    QCOMPARE(test::fieldValues(m_picker->l1(), QStringLiteral("fisno")), QStringList{"IRS-102"});
    m_picker->setIrstip(QStringLiteral("Tümü"));
    QVERIFY_OK(m_picker->gosterbul(SearchMode::AddToList));
    // Appended rows count from 1 again; the waybill already listed is not
    // listed twice, so it cannot be ticked and loaded twice.
    QCOMPARE(test::fieldValues(m_picker->l1(), QStringLiteral("fisno")),
             QStringList({"IRS-102", "IRS-101", "IRS-104", "IRS-108", "IRS-109"}));
    QCOMPARE(test::fieldValues(m_picker->l1(), QStringLiteral("sira")),
             QStringList({"1", "1", "2", "3", "4"}));
    QVERIFY_OK(m_picker->gosterbul(SearchMode::AddToList));
    QCOMPARE(m_picker->l1().table().rowCount(), 5);
    QCOMPARE(m_picker->l1().table().currentRow(), 0);
    m_picker->clearList();
    QCOMPARE(m_picker->l1().table().rowCount(), 0);
}

void TestWaybillPicker::selecting()
{
    search();
    QCOMPARE(m_picker->tickedCount(), 0);
    m_picker->toggle(1); // empty counts as unticked
    QCOMPARE(test::fieldValues(m_picker->l1(), QStringLiteral("sec")), QStringList({"", "True", "", "", ""}));
    m_picker->toggle(1);
    QCOMPARE(m_picker->tickedCount(), 0);
    m_picker->setAllTicked(true);
    QCOMPARE(m_picker->tickedCount(), 5);
    m_picker->toggle(4);
    QCOMPARE(m_picker->tickedCount(), 4);
    m_picker->setAllTicked(false);
    QCOMPARE(test::fieldValues(m_picker->l1(), QStringLiteral("sec")),
             QStringList(5, QStringLiteral("False")));
}

void TestWaybillPicker::handOver()
{
    search();
    tick({QStringLiteral("IRS-109"), QStringLiteral("IRS-101"), QStringLiteral("IRS-104")});
    m_picker->setMerge(true);

    ProgressState &pr1 = m_report->pr1();
    QList<QPair<int, int>> seen; // value, max of every step shown
    connect(&pr1, &ProgressState::changed, this, [&] {
        if (pr1.showText() && pr1.value() > 0)
            seen.append({pr1.value(), pr1.max()});
    });
    int rowSignals = 0;
    connect(&m_report->l1().table(), &MemTable::rowAppended, this, [&] { ++rowSignals; });
    connect(&m_report->l1().table(), &MemTable::rowChanged, this, [&] { ++rowSignals; });
    QVERIFY_OK(handTicked());

    // Display order, whatever unticked rows lie between; 1..n on pr1.
    QCOMPARE(test::fieldValues(m_report->l2(), QStringLiteral("fisno")),
             QStringList({"IRS-101", "IRS-104", "IRS-109"}));
    QCOMPARE(seen, (QList<QPair<int, int>>{{1, 3}, {2, 3}, {3, 3}}));
    QCOMPARE(pr1.value(), 0);
    QVERIFY(!pr1.showText());
    QVERIFY(!m_report->l1().table().isRedrawSuspended());
    QCOMPARE(rowSignals, 0); // redrawing suspended throughout: no redraw per row
    QCOMPARE(m_report->l1().table().currentRow(), 0);
    // Merged: A of 101 and 109 in one row.
    QCOMPARE(test::fieldValues(m_report->l1(), QStringLiteral("stokkod")),
             QStringList({"A001", "B002", "C003"}));
}

void TestWaybillPicker::secondHandOverReplacesFirst()
{
    search();
    tick({QStringLiteral("IRS-101")});
    QVERIFY_OK(handTicked());
    QCOMPARE(m_report->l1().table().rowCount(), 3);
    QCOMPARE(m_report->totals().topl, QStringLiteral("1,00"));

    m_picker->setAllTicked(false);
    tick({QStringLiteral("IRS-104")});
    QVERIFY_OK(handTicked());
    QCOMPARE(test::fieldValues(m_report->l1(), QStringLiteral("stokkod")), QStringList({"C003"}));
    QCOMPARE(test::fieldValues(m_report->l1(), QStringLiteral("sira")), QStringList({"1"}));
    QCOMPARE(test::fieldValues(m_report->l2(), QStringLiteral("fisno")), QStringList({"IRS-104"}));
    QCOMPARE(m_report->totals().topl, QStringLiteral("0,10"));
    QCOMPARE(m_report->totals().gtop, QStringLiteral("0,10"));
    // 104's customer card is missing: the customer of the first hand-over stays.
    QCOMPARE(m_report->customer().unvn, QStringLiteral("MEHMET'İN GIDA"));
}

void TestWaybillPicker::failingHandOverLeavesCallerUsable()
{
    search();
    tick({QStringLiteral("IRS-101"), QStringLiteral("IRS-108"), QStringLiteral("IRS-109")});
    QVERIFY(!handTicked());
    // What was handed over before the failure stays; the list shows again
    // and the bar is back at 0.
    QCOMPARE(test::fieldValues(m_report->l2(), QStringLiteral("fisno")), QStringList({"IRS-101", "IRS-108"}));
    QCOMPARE(test::fieldValues(m_report->l1(), QStringLiteral("stokkod")),
             QStringList({"A001", "A001", "B002", "A001"}));
    QCOMPARE(m_report->pr1().value(), 0);
    QVERIFY(!m_report->pr1().showText());
    QVERIFY(!m_report->l1().table().isRedrawSuspended());
}

QTEST_GUILESS_MAIN(TestWaybillPicker)
#include "tst_waybillpicker.moc"
