// The loading report's model against the fixture ERP: irsaliyebul's
// statements and mapping, the merge (exact sums, item code as key),
// the totals kept as captions, the customer fields, deletion with
// renumbering, the appearance section and the caption and status texts.
#include "common/verifyok.h"
#include "common/waybillfixture.h"
#include "foundation/base/errors.h"
#include "foundation/base/notices.h"
#include "foundation/store/sidefiles.h"
#include "loading/loadingreport.h"

#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

using namespace tarvel;
using test::ErpFixture;

Q_DECLARE_METATYPE(tarvel::ReadMode)

namespace {

// Rows as "field=value|..." over the fields given.
QStringList rows(const DataGrid &grid, const QStringList &fields)
{
    QStringList out;
    const MemTable &t = grid.table();
    for (int r = 0; r < t.rowCount(); ++r) {
        QStringList cells;
        for (const QString &f : fields)
            cells << t.value(r, t.fieldIndex(f));
        out << cells.join(QLatin1Char('|'));
    }
    return out;
}

QStringList allFields(const DataGrid &grid)
{
    QStringList fields;
    for (int f = 0; f < grid.table().fieldCount(); ++f)
        fields << grid.table().fieldAt(f).name;
    return fields;
}

QString readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

class TestLoadingReport : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void oneWaybill();
    void statementsAsSent_data();
    void statementsAsSent();
    void merge_data();
    void merge();
    void eachWaybillOnce_data();
    void eachWaybillOnce();
    void totalsRoundPerWaybill();
    void customerOfLastFoundCard();
    void customersOfTheWaybills_data();
    void customersOfTheWaybills();
    void unknownWaybillStops();
    void missingItemStops();
    void numbersThatAreNoAmount_data();
    void numbersThatAreNoAmount();
    void deletion_data();
    void deletion();
    void appearanceBesidePickerSection();
    void statusText_data();
    void statusText();
    void caption();

private:
    Result<void> handOver(const QStringList &refs, Merge birlestir);

    QTemporaryDir m_dir;
    ErpFixture m_erp;
    std::unique_ptr<ErpConnection> m_connection;
    std::unique_ptr<LoadingReport> m_report;
    QString m_trace;
};

void TestLoadingReport::initTestCase()
{
    test::addWaybillFixture(m_erp);
    const QString error = m_erp.write(m_dir.filePath(QStringLiteral("erp.sqlite")));
    QVERIFY2(error.isEmpty(), qPrintable(error));
    m_trace = m_dir.filePath(QStringLiteral("trace.sql"));
}

void TestLoadingReport::init()
{
    m_connection = std::make_unique<ErpConnection>();
    QVERIFY(m_erp.open(*m_connection));
    m_report = std::make_unique<LoadingReport>(m_erp.context({m_dir.path(), m_dir.path()}, *m_connection));
}

void TestLoadingReport::cleanup()
{
    m_report.reset();
    m_connection.reset();
    for (const char *name : {"list.velmor", "trace.sql", "fytPar.velmor"})
        QFile::remove(m_dir.filePath(QString::fromLatin1(name)));
}

Result<void> TestLoadingReport::handOver(const QStringList &refs, Merge birlestir)
{
    PickedDocuments waybills;
    for (const QString &ref : refs)
        waybills.append({.ref = ref});
    return m_report->handOver(waybills, birlestir);
}

void TestLoadingReport::oneWaybill()
{
    QVERIFY_OK(handOver({QStringLiteral("101")}, Merge::None));
    const DataGrid &l1 = m_report->l1();
    QCOMPARE(allFields(l1),
             QStringList({"sira", "stokkod", "ack", "birim", "birimfiyat", "kdv", "miktar", "tutar"}));
    // Item lines only: the promotion line stays out; the same item twice
    // gives two rows when nothing is merged.
    QCOMPARE(rows(l1, allFields(l1)),
             QStringList({"1|A001|ELMA|ADET|10,00|18|2|20,00", "2|A001|ELMA|ADET|10,00|18|3|30,00",
                          "3|B002|ARMUT|ADET|7,50|8|1|7,50"}));
    QCOMPARE(l1.footerText(l1.columnOfField(QStringLiteral("sira"))), QStringLiteral("3"));
    QCOMPARE(l1.footerText(l1.columnOfField(QStringLiteral("miktar"))), QStringLiteral("6"));
    QCOMPARE(l1.footerText(l1.columnOfField(QStringLiteral("tutar"))), QStringLiteral("57,50"));
    QCOMPARE(rows(m_report->l2(), {QStringLiteral("tarih"), QStringLiteral("fisno")}),
             QStringList{QStringLiteral("05.01.2024|IRS-101")});

    const LoadingReport::Customer &c = m_report->customer();
    QCOMPARE(c.unvn, QStringLiteral("MEHMET'İN GIDA"));
    QCOMPARE(c.adr, QStringLiteral("ATATÜRK CAD. NO:5 KAT:2"));
    QCOMPARE(c.shr, QStringLiteral("İZMİR"));
    QCOMPARE(c.tel, QStringLiteral("02324445566"));
    QCOMPARE(c.vno, QStringLiteral("6130012345"));
    QCOMPARE(c.vd, QStringLiteral("KONAK"));
    const LoadingReport::Totals &t = m_report->totals();
    QCOMPARE(QStringList({t.topl, t.topi, t.topk, t.gtop}), QStringList({"1,00", "0,50", "0,10", "0,60"}));
}

void TestLoadingReport::statementsAsSent_data()
{
    QTest::addColumn<ReadMode>("mode");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("verbatim: one statement per row")
        << ReadMode::Verbatim
        << QStringList({"select * from LG_001_01_STFICHE WHERE LOGICALREF='104'",
                        "select * from LG_001_CLCARD where ACTIVE='0' and LOGICALREF='99'",
                        "select * from LG_001_01_STLINE WHERE STFICHEREF='104' AND LINETYPE='0'",
                        "select * from LG_001_ITEMS WHERE LOGICALREF='3'",
                        "select * from LG_001_UNITSETL WHERE  LOGICALREF='1'"});
    // The same rows read as sets: the conditions of each per-row statement stay.
    QTest::newRow("sets: one statement per kind")
        << ReadMode::Sets
        << QStringList({"select * from LG_001_01_STFICHE where LOGICALREF IN ('104')",
                        "select * from LG_001_CLCARD where LOGICALREF IN ('99') AND ACTIVE='0'",
                        "select * from LG_001_01_STLINE where STFICHEREF IN ('104') AND LINETYPE='0'",
                        "select * from LG_001_ITEMS where LOGICALREF IN ('3')",
                        "select * from LG_001_UNITSETL where LOGICALREF IN ('1')"});
}

void TestLoadingReport::statementsAsSent()
{
    QFETCH(ReadMode, mode);
    QFETCH(QStringList, expected);
    ReportContext context = m_erp.context({m_dir.path(), m_dir.path()}, *m_connection);
    context.readMode = mode;
    m_report = std::make_unique<LoadingReport>(context);
    QVERIFY_OK(m_connection->setTraceFile(m_trace));
    QVERIFY_OK(handOver({QStringLiteral("104")}, Merge::SameItems));
    QCOMPARE(readFile(m_trace).split(QLatin1Char('\n'), Qt::SkipEmptyParts), expected);
}

void TestLoadingReport::merge_data()
{
    QTest::addColumn<QStringList>("refs");
    QTest::addColumn<Merge>("birlestir");
    QTest::addColumn<QStringList>("expected"); // sira|stokkod|birim|birimfiyat|miktar|tutar

    QTest::newRow("off: one row per line")
        << QStringList{"101", "102"} << Merge::None
        << QStringList{"1|A001|ADET|10,00|2|20,00", "2|A001|ADET|10,00|3|30,00", "3|B002|ADET|7,50|1|7,50",
                       "4|A001|KOLİ|100,00|4|400,00"};
    QTest::newRow("on: two lines of one waybill, the first line's price")
        << QStringList{"101"} << Merge::SameItems
        << QStringList{"1|A001|ADET|10,00|5|50,00", "2|B002|ADET|7,50|1|7,50"};
    // The key is the item code: another unit is added into the same row.
    QTest::newRow("on: the same item in another unit on another waybill")
        << QStringList{"101", "102"} << Merge::SameItems
        << QStringList{"1|A001|ADET|10,00|9|450,00", "2|B002|ADET|7,50|1|7,50"};
    // Merged sums are exact to the kuruş: what the unmerged rows below add up to.
    QTest::newRow("on: sums to the kuruş")
        << QStringList{"109"} << Merge::SameItems << QStringList{"1|A001|ADET|12345678,90|0,3|1234567,90"};
    QTest::newRow("off: the same amounts stay exact")
        << QStringList{"109"} << Merge::None
        << QStringList{"1|A001|ADET|12345678,90|0,1|1234567,89", "2|A001|ADET|0,05|0,2|0,01"};
    QTest::newRow("on: rows of earlier waybills take later lines")
        << QStringList{"104", "101", "109"} << Merge::SameItems
        << QStringList{"1|C003|ADET|1,00|0,1|0,10", "2|A001|ADET|10,00|5,3|1234617,90",
                       "3|B002|ADET|7,50|1|7,50"};
}

void TestLoadingReport::merge()
{
    QFETCH(QStringList, refs);
    QFETCH(Merge, birlestir);
    QFETCH(QStringList, expected);
    QVERIFY_OK(handOver(refs, birlestir));
    QCOMPARE(rows(m_report->l1(), {"sira", "stokkod", "birim", "birimfiyat", "miktar", "tutar"}), expected);
}

void TestLoadingReport::eachWaybillOnce_data()
{
    QTest::addColumn<QStringList>("refs");
    QTest::addColumn<QStringList>("fisnos");
    QTest::addColumn<QString>("gtop");
    QTest::addColumn<QString>("tutar"); // footer of the loading list

    QTest::newRow("one waybill") << QStringList{"101"} << QStringList{"IRS-101"} << "0,60"
                                 << "57,50";
    QTest::newRow("the same waybill twice") << QStringList{"101", "101"} << QStringList{"IRS-101"} << "0,60"
                                            << "57,50";
    QTest::newRow("again after another: the first place counts")
        << QStringList{"104", "101", "104"} << QStringList{"IRS-104", "IRS-101"} << "0,70"
        << "57,60";
}

void TestLoadingReport::eachWaybillOnce()
{
    QFETCH(QStringList, refs);
    QFETCH(QStringList, fisnos);
    QFETCH(QString, gtop);
    QFETCH(QString, tutar);
    for (const Merge birlestir : {Merge::None, Merge::SameItems}) {
        QVERIFY_OK(handOver(refs, birlestir));
        QCOMPARE(rows(m_report->l2(), {QStringLiteral("fisno")}), fisnos);
        QCOMPARE(m_report->totals().gtop, gtop);
        const DataGrid &l1 = m_report->l1();
        QCOMPARE(l1.footerText(l1.columnOfField(QStringLiteral("tutar"))), tutar);
    }
}

void TestLoadingReport::totalsRoundPerWaybill()
{
    // The captions are the store: 1,004 shows as 1,00, and the second
    // waybill is added to that, giving 2,00 and not 2,01.
    m_report->beginHandOver();
    m_report->irsaliyebul(QStringLiteral("101"), Merge::None);
    QCOMPARE(m_report->totals().topl, QStringLiteral("1,00"));
    m_report->irsaliyebul(QStringLiteral("102"), Merge::None);
    QCOMPARE(m_report->totals().topl, QStringLiteral("2,00"));
    QCOMPARE(m_report->totals().gtop, QStringLiteral("1,60"));
    // A new hand-over starts from 0,00 again.
    QVERIFY_OK(handOver({QStringLiteral("104")}, Merge::None));
    QCOMPARE(m_report->totals().topl, QStringLiteral("0,10"));
    QCOMPARE(m_report->totals().topi, QStringLiteral("0,00"));
}

void TestLoadingReport::customerOfLastFoundCard()
{
    // 102's customer card is inactive: the fields keep 101's customer.
    QVERIFY_OK(handOver({QStringLiteral("101"), QStringLiteral("102")}, Merge::None));
    QCOMPARE(m_report->customer().unvn, QStringLiteral("MEHMET'İN GIDA"));
    QCOMPARE(m_report->customer().shr, QStringLiteral("İZMİR"));
    QVERIFY_OK(handOver({QStringLiteral("109")}, Merge::None));
    QCOMPARE(m_report->customer().unvn, QStringLiteral("AYŞE TİCARET"));
    QCOMPARE(m_report->customer().vd, QStringLiteral("ÇANKAYA"));
    // Emptying the lists leaves the customer fields.
    m_report->beginHandOver();
    QCOMPARE(m_report->customer().unvn, QStringLiteral("AYŞE TİCARET"));
}

void TestLoadingReport::customersOfTheWaybills_data()
{
    QTest::addColumn<QStringList>("refs");
    QTest::addColumn<QStringList>("customers");
    QTest::addColumn<QString>("note");

    QTest::newRow("one customer") << QStringList{"103", "109"} << QStringList{"AYŞE TİCARET"} << QString();
    // Two cards of the same title are two customers all the same.
    QTest::newRow("two customers, each once")
        << QStringList{"101", "109", "103", "108"}
        << QStringList{"MEHMET'İN GIDA", "AYŞE TİCARET", "AYŞE TİCARET LTD"}
        << "Listede birden fazla carinin irsaliyesi var: MEHMET'İN GIDA, AYŞE TİCARET, AYŞE TİCARET LTD\n"
           "Formlar AYŞE TİCARET LTD adına basılacak.";
    // 102's card is inactive: a customer of its own, the fields keep 101's.
    QTest::newRow("a customer without an active card")
        << QStringList{"101", "102"}
        << QStringList{"MEHMET'İN GIDA", "etkin kartı olmayan cari (LOGICALREF=2)"}
        << "Listede birden fazla carinin irsaliyesi var: MEHMET'İN GIDA, etkin kartı olmayan cari "
           "(LOGICALREF=2)\nFormlar MEHMET'İN GIDA adına basılacak.";
}

void TestLoadingReport::customersOfTheWaybills()
{
    QFETCH(QStringList, refs);
    QFETCH(QStringList, customers);
    QFETCH(QString, note);
    // 108 stops at its missing item card, after its customer was read.
    (void)handOver(refs, Merge::None);
    QCOMPARE(m_report->waybillCustomers(), customers);
    QCOMPARE(m_report->mixedCustomersNote(), note);
    QVERIFY_OK(handOver({QStringLiteral("104")}, Merge::None));
    QCOMPARE(m_report->waybillCustomers().size(), 1);
    QCOMPARE(m_report->mixedCustomersNote(), QString());
}

void TestLoadingReport::unknownWaybillStops()
{
    m_report->beginHandOver();
    m_report->irsaliyebul(QStringLiteral("101"), Merge::None);
    try {
        m_report->irsaliyebul(QStringLiteral("5000"), Merge::None);
        QFAIL("no error");
    } catch (const Error &e) {
        QVERIFY2(e.description().contains(QLatin1String("5000")), qPrintable(e.description()));
    }
    QCOMPARE(m_report->l2().table().rowCount(), 1);
    QCOMPARE(m_report->totals().topl, QStringLiteral("1,00"));
    // A reference with an apostrophe is a waybill that does not exist, never a broken statement.
    QVERIFY_THROWS_EXCEPTION(Error, m_report->irsaliyebul(QStringLiteral("1' OR '1'='1"), Merge::None));
    QCOMPARE(m_report->l1().table().rowCount(), 3);
}

void TestLoadingReport::missingItemStops()
{
    m_report->beginHandOver();
    QVERIFY_THROWS_EXCEPTION(Error, m_report->irsaliyebul(QStringLiteral("108"), Merge::SameItems));
    // The header and the lines before the failing one stay.
    QCOMPARE(m_report->l2().table().rowCount(), 1);
    QCOMPARE(rows(m_report->l1(), {"stokkod", "miktar"}), QStringList{"A001|1"});
    QCOMPARE(m_report->totals().gtop, QStringLiteral("11,80"));
}

// One waybill IRS-1 of two lines; one value of the header or of the second
// line is damaged.
void TestLoadingReport::numbersThatAreNoAmount_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("stored"); // a text in a FLOAT column; "9e999" is stored as a REAL infinity
    QTest::addColumn<QString>("row2");   // miktar|birimfiyat|kdv|tutar of the second row, "-" for none
    QTest::addColumn<QString>("gtop");
    QTest::addColumn<QString>("says"); // notice, or error when refused
    QTest::addColumn<bool>("refused");

    const QString line2 = QStringLiteral("İrsaliye IRS-1, 2. satır: ");
    QTest::newRow("NaN amount") << "STLINE"
                                << "TOTAL"
                                << "nan"
                                << "3|5,00|18|0,00"
                                << "25,00" << line2 + "TOTAL sayı değil" << false;
    QTest::newRow("infinite quantity") << "STLINE"
                                       << "AMOUNT"
                                       << "9e999"
                                       << "0|5,00|18|15,00"
                                       << "25,00" << line2 + "AMOUNT sayı değil" << false;
    QTest::newRow("infinity as text") << "STLINE"
                                      << "PRICE"
                                      << "-inf"
                                      << "3|0,00|18|15,00"
                                      << "25,00" << line2 + "PRICE sayı değil" << false;
    QTest::newRow("NaN VAT rate") << "STLINE"
                                  << "VAT"
                                  << "nan"
                                  << "3|5,00|0|15,00"
                                  << "25,00" << line2 + "VAT sayı değil" << false;
    QTest::newRow("NaN net total") << "STFICHE"
                                   << "NETTOTAL"
                                   << "nan"
                                   << "3|5,00|18|15,00"
                                   << "0,00"
                                   << "İrsaliye IRS-1 (LOGICALREF=1): NETTOTAL sayı değil" << false;
    QTest::newRow("the largest amount") << "STLINE"
                                        << "TOTAL"
                                        << "1e15"
                                        << "3|5,00|18|1000000000000000,00"
                                        << "25,00"
                                        << "" << false;
    QTest::newRow("amount beyond any") << "STLINE"
                                       << "TOTAL"
                                       << "1e300"
                                       << "-"
                                       << "25,00" << line2 + "TOTAL bir tutar olamayacak kadar büyük" << true;
    QTest::newRow("header beyond any")
        << "STFICHE"
        << "GROSSTOTAL"
        << "-1.5e16"
        << "-"
        << "0,00"
        << "İrsaliye IRS-1 (LOGICALREF=1): GROSSTOTAL bir tutar olamayacak" << true;
}

void TestLoadingReport::numbersThatAreNoAmount()
{
    QFETCH(QString, table);
    QFETCH(QString, column);
    QFETCH(QString, stored);
    QFETCH(QString, row2);
    QFETCH(QString, gtop);
    QFETCH(QString, says);
    QFETCH(bool, refused);

    ErpFixture erp;
    erp.item({.ref = 1, .code = QStringLiteral("A001"), .name = QStringLiteral("ELMA")});
    erp.unit({.ref = 1, .name = QStringLiteral("ADET")});
    ErpFixture::Row header{
        {QStringLiteral("LOGICALREF"), 1},  {QStringLiteral("IOCODE"), 3},
        {QStringLiteral("TRCODE"), 8},      {QStringLiteral("FICHENO"), QStringLiteral("IRS-1")},
        {QStringLiteral("GROSSTOTAL"), 25}, {QStringLiteral("NETTOTAL"), 25}};
    ErpFixture::Row line{{QStringLiteral("LOGICALREF"), 2}, {QStringLiteral("STFICHEREF"), 1},
                         {QStringLiteral("STOCKREF"), 1},   {QStringLiteral("UOMREF"), 1},
                         {QStringLiteral("AMOUNT"), 3},     {QStringLiteral("PRICE"), 5},
                         {QStringLiteral("TOTAL"), 15},     {QStringLiteral("VAT"), 18}};
    ErpFixture::Row &damaged = table == QLatin1String("STFICHE") ? header : line;
    for (auto &[name, value] : damaged) {
        if (name == column)
            value = stored;
    }
    erp.add(QStringLiteral("STFICHE"), header);
    erp.add(QStringLiteral("STLINE"), {{QStringLiteral("LOGICALREF"), 1},
                                       {QStringLiteral("STFICHEREF"), 1},
                                       {QStringLiteral("STOCKREF"), 1},
                                       {QStringLiteral("UOMREF"), 1},
                                       {QStringLiteral("AMOUNT"), 1},
                                       {QStringLiteral("PRICE"), 10},
                                       {QStringLiteral("TOTAL"), 10},
                                       {QStringLiteral("VAT"), 18}});
    erp.add(QStringLiteral("STLINE"), line);
    const QString file = m_dir.filePath(QStringLiteral("damaged.sqlite"));
    QFile::remove(file);
    QVERIFY2(erp.write(file).isEmpty(), "fixture");
    ErpConnection connection;
    QVERIFY(erp.open(connection));
    LoadingReport report(erp.context({m_dir.path(), m_dir.path()}, connection));

    QStringList notices;
    setNoticeSink([&notices](const QString &text) { notices << text; });
    const auto noSink = qScopeGuard([] { setNoticeSink({}); });
    report.beginHandOver();
    QString error;
    try {
        report.irsaliyebul(QStringLiteral("1"), Merge::None);
    } catch (const Error &e) {
        error = e.description();
    }

    const QStringList expected = row2 == QLatin1String("-") ? QStringList{} : QStringList{row2};
    const QStringList all = rows(report.l1(), {"miktar", "birimfiyat", "kdv", "tutar"});
    QCOMPARE(all.mid(1), expected);
    QCOMPARE(report.totals().gtop, gtop);
    if (refused) {
        QVERIFY2(error.startsWith(says), qPrintable(error));
        QVERIFY(notices.isEmpty());
    } else {
        QCOMPARE(error, QString());
        QCOMPARE(notices.size(), says.isEmpty() ? 0 : 1);
        if (!says.isEmpty())
            QVERIFY2(notices.first().startsWith(says), qPrintable(notices.first()));
    }
}

void TestLoadingReport::deletion_data()
{
    QTest::addColumn<int>("current");
    QTest::addColumn<bool>("confirmed");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("EVET deletes the current row and renumbers")
        << 1 << true << QStringList{"1|A001|2", "2|B002|1"};
    QTest::newRow("HAYIR keeps the rows and their order")
        << 1 << false << QStringList{"1|A001|2", "2|A001|3", "3|B002|1"};
    QTest::newRow("the last row") << 2 << true << QStringList{"1|A001|2", "2|A001|3"};
}

void TestLoadingReport::deletion()
{
    QFETCH(int, current);
    QFETCH(bool, confirmed);
    QFETCH(QStringList, expected);
    QVERIFY_OK(handOver({QStringLiteral("101")}, Merge::None));
    m_report->l1().table().setCurrentRow(current);
    m_report->deleteCurrentRow(confirmed);
    QCOMPARE(rows(m_report->l1(), {"sira", "stokkod", "miktar"}), expected);
    // The totals stay the waybills': what a printout must say first.
    QCOMPARE(m_report->deletedRows(), confirmed ? 1 : 0);
    QCOMPARE(m_report->deletedRowsNote().isEmpty(), !confirmed);
    QCOMPARE(m_report->l1().table().currentRow(), 0);
    QVERIFY(!m_report->l1().table().isRedrawSuspended());
    // Neither the totals nor the waybill list change.
    QCOMPARE(m_report->totals().topl, QStringLiteral("1,00"));
    QCOMPARE(m_report->l2().table().rowCount(), 1);
    QVERIFY_OK(handOver({QStringLiteral("101")}, Merge::None));
    QCOMPARE(m_report->deletedRows(), 0);
}

void TestLoadingReport::appearanceBesidePickerSection()
{
    const QString file = m_dir.filePath(QStringLiteral("list.velmor"));
    // The waybill picker's section is there already and stays as it is.
    iniwrite(QStringLiteral("l1"), QStringLiteral("l1-2"), QStringLiteral("77"), file);
    m_report->l1().setColumnWidth(2, 420);
    m_report->saveAppearance();
    for (int i = 0; i < 8; ++i)
        QVERIFY(!iniread(QStringLiteral("Fl1"), QStringLiteral("l1-%1").arg(i), file).isEmpty());
    QVERIFY(iniread(QStringLiteral("Fl1"), QStringLiteral("l1-8"), file).isEmpty());
    QCOMPARE(iniread(QStringLiteral("Fl1"), QStringLiteral("l1-2"), file), QStringLiteral("420"));
    QVERIFY(!iniread(QStringLiteral("Fl1"), QStringLiteral("Font"), file).isEmpty());
    QVERIFY(!iniread(QStringLiteral("Fl1"), QStringLiteral("FontSize"), file).isEmpty());
    QCOMPARE(iniread(QStringLiteral("Fl1"), QStringLiteral("FontBold"), file), QStringLiteral("False"));
    QCOMPARE(iniread(QStringLiteral("l1"), QStringLiteral("l1-2"), file), QStringLiteral("77"));

    // A new screen reads its own section back; a bad value keeps the design width.
    iniwrite(QStringLiteral("Fl1"), QStringLiteral("l1-3"), QStringLiteral("geniş"), file);
    LoadingReport again(m_report->context());
    again.listeyukle();
    QCOMPARE(again.l1().columnWidth(2), 420);
    QCOMPARE(again.l1().columnWidth(3), 64);
}

void TestLoadingReport::statusText_data()
{
    QTest::addColumn<QString>("fir");
    QTest::addColumn<QString>("don");
    QTest::addColumn<QString>("text");
    QTest::newRow("parts as they are") << "1-ÖRNEK"
                                       << "2-x-y"
                                       << "ÖRNEK  2  y";
    QTest::newRow("as the settings store them") << "1- ÖRNEK GIDA A.Ş."
                                                << "02- 1-(01.01.2024)  (31.12.2024)"
                                                << " ÖRNEK GIDA A.Ş.  02  (01.01.2024)  (31.12.2024)";
    QTest::newRow("period without dates") << "1- ÖRNEK"
                                          << "02- 1"
                                          << "";
    QTest::newRow("nothing stored") << ""
                                    << ""
                                    << "";
}

void TestLoadingReport::statusText()
{
    QFETCH(QString, fir);
    QFETCH(QString, don);
    QFETCH(QString, text);
    QCOMPARE(LoadingReport::statusText(fir, don), text);
}

void TestLoadingReport::caption()
{
    const QString file = m_dir.filePath(QStringLiteral("fytPar.velmor"));
    QStringList lines(8, QStringLiteral("x"));
    QVERIFY(writeLineFile(file, lines + QStringList{QStringLiteral("ÖRNEK GIDA")}));
    QString firmName;
    QCOMPARE(LoadingReport::caption(m_dir.path(), firmName),
             QStringLiteral("ARAÇ YÜKLEME RAPORU   ÖRNEK GIDA"));
    // A file without a ninth line keeps what was read last in this run.
    QVERIFY(writeLineFile(file, lines));
    QCOMPARE(LoadingReport::caption(m_dir.path(), firmName),
             QStringLiteral("ARAÇ YÜKLEME RAPORU   ÖRNEK GIDA"));
    // Nothing read before: the blanks only.
    QString none;
    QCOMPARE(LoadingReport::caption(m_dir.path(), none), QStringLiteral("ARAÇ YÜKLEME RAPORU   "));
}

QTEST_GUILESS_MAIN(TestLoadingReport)
#include "tst_loadingreport.moc"
