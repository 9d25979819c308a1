// The invoice picker: which invoices each filter lists, what a row holds, and
// the statement it sends.
#include "analysisfixture.h"
#include "common/gridvalues.h"
#include "common/verifyok.h"
#include "pickers/invoicepicker.h"

#include <QFile>
#include <QTest>

using namespace tarvel;

class TestInvoicePicker : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void search_data();
    void search();
    void defaultStatement();
    void salesmen();
    void rowContents();
    void customerNameRestrictsOneSearch();
    void unknownCustomerCodeSearchesNothing();

private:
    // A picker opened on January 2024, as the invoice window opens it.
    std::unique_ptr<InvoicePicker> openPicker();
    static QStringList listed(const InvoicePicker &picker, const QString &field = QStringLiteral("ref"));
    QString trace() const;

    AnalysisErp m_erp;
    ReportContext m_context = m_erp.context();
};

void TestInvoicePicker::initTestCase()
{
    const QString error = m_erp.open();
    QVERIFY2(error.isEmpty(), qPrintable(error));
    m_context = m_erp.context();
}

std::unique_ptr<InvoicePicker> TestInvoicePicker::openPicker()
{
    auto picker = std::make_unique<InvoicePicker>(m_context);
    picker->open(QDate(2024, 1, 31));
    picker->setTr1(QDate(2024, 1, 1));
    QFile::remove(m_erp.filePath(QStringLiteral("trace.sql")));
    if (const Result<void> traced =
            m_erp.connection().setTraceFile(m_erp.filePath(QStringLiteral("trace.sql")));
        !traced)
        qFatal("%s", qPrintable(traced.errorText()));
    return picker;
}

QStringList TestInvoicePicker::listed(const InvoicePicker &picker, const QString &field)
{
    return test::fieldValues(picker.l1(), field);
}

QString TestInvoicePicker::trace() const
{
    QFile file(m_erp.filePath(QStringLiteral("trace.sql")));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void TestInvoicePicker::search_data()
{
    QTest::addColumn<QString>("customer");     // cr, a whole name
    QTest::addColumn<QString>("customerCode"); // carkod
    QTest::addColumn<QStringList>("salesmen"); // ticked references
    QTest::addColumn<QString>("special");      // ozkod
    QTest::addColumn<int>("type");             // 0 Tümü, 1 (07), 2 (08)
    QTest::addColumn<bool>("byEntryDate");
    QTest::addColumn<QStringList>("refs");

    const QStringList none;
    QTest::newRow("default") << ""
                             << "" << none << "Tümü" << 0 << false << QStringList{"10", "11", "14"};
    QTest::newRow("retail") << ""
                            << "" << none << "Tümü" << 1 << false << QStringList{"11"};
    QTest::newRow("wholesale") << ""
                               << "" << none << "Tümü" << 2 << false << QStringList{"10", "14"};
    QTest::newRow("special code") << ""
                                  << "" << none << "A --> BAYİ" << 0 << false << QStringList{"10"};
    QTest::newRow("code 120*") << ""
                               << "120*" << none << "Tümü" << 0 << false << QStringList{"10", "11", "14"};
    QTest::newRow("code *01") << ""
                              << "*01" << none << "Tümü" << 0 << false << QStringList{"10"};
    QTest::newRow("code exact") << ""
                                << "120.02" << none << "Tümü" << 0 << false << QStringList{"11", "14"};
    // The trailing wildcard wins: the leading asterisk is a character.
    QTest::newRow("code *01*") << ""
                               << "*01*" << none << "Tümü" << 0 << false << QStringList{};
    QTest::newRow("name and code") << "MEHMET'İN GIDA LTD. ŞTİ."
                                   << "120*" << none << "Tümü" << 0 << false << QStringList{"10"};
    QTest::newRow("one salesman") << ""
                                  << "" << QStringList{"1"} << "Tümü" << 0 << false
                                  << QStringList{"10", "14"};
    QTest::newRow("two salesmen") << ""
                                  << "" << QStringList{"1", "2"} << "Tümü" << 0 << false
                                  << QStringList{"10", "11", "14"};
    // Invoice 12 is dated December but entered in January; 11 entered in March.
    QTest::newRow("entry date") << ""
                                << "" << none << "Tümü" << 0 << true << QStringList{"10", "12", "14"};
}

void TestInvoicePicker::search()
{
    QFETCH(QString, customer);
    QFETCH(QString, customerCode);
    QFETCH(QStringList, salesmen);
    QFETCH(QString, special);
    QFETCH(int, type);
    QFETCH(bool, byEntryDate);
    QFETCH(QStringList, refs);

    const auto picker = openPicker();
    if (!customer.isEmpty()) {
        picker->setCr(customer);
        QVERIFY(!picker->crref().isEmpty());
    }
    picker->setCarkod(customerCode);
    QCOMPARE(picker->satel().selectRefs(salesmen), QStringList());
    picker->setOzkod(special);
    picker->setIrstip(picker->documentTypes().at(type));
    picker->setByEntryDate(byEntryDate);
    QVERIFY_OK(picker->gosterbul(SearchMode::NewList));
    QCOMPARE(listed(*picker), refs);
}

void TestInvoicePicker::defaultStatement()
{
    const auto picker = openPicker();
    picker->setTr1(QDate(2024, 1, 1));
    picker->setTr2(QDate(2024, 3, 1));
    QVERIFY_OK(picker->gosterbul(SearchMode::NewList));
    QCOMPARE(
        trace().section(QLatin1Char('\n'), 0, 0),
        QStringLiteral("select * from LG_001_01_INVOICE where (DATE_>='20240101' AND DATE_<='20240301') AND "
                       "(TRCODE='8' OR TRCODE='7')"));

    picker->satel().selectRefs({QStringLiteral("1"), QStringLiteral("2")});
    picker->setByEntryDate(true);
    QVERIFY_OK(picker->gosterbul(SearchMode::NewList));
    QVERIFY2(
        trace().contains(QStringLiteral(
            "where (CAPIBLOCK_CREADEDDATE>='20240101' AND CAPIBLOCK_CREADEDDATE<='20240301') AND (TRCODE='8' "
            "OR TRCODE='7') AND (SALESMANREF='1' OR SALESMANREF='2')\n")),
        qPrintable(trace()));
}

void TestInvoicePicker::salesmen()
{
    // Active salesmen of the firm only; the code is what the list shows per invoice.
    const auto picker = openPicker();
    QCOMPARE(picker->satel().entries(), (QStringList{"1-S01-ALİ YILMAZ", "2-S02-VELİ KAYA"}));
    QCOMPARE(picker->satel().saticibul(QStringLiteral(" 2 ")), QStringLiteral("S02"));
    QCOMPARE(picker->satel().saticibul(QStringLiteral("4")), QString());
}

void TestInvoicePicker::rowContents()
{
    const auto picker = openPicker();
    picker->setByEntryDate(true);
    QVERIFY_OK(picker->gosterbul(SearchMode::NewList));
    QCOMPARE(listed(*picker, QStringLiteral("tarih")),
             (QStringList{"10.01.2024", "30.12.2023", "20.01.2024"}));
    QCOMPARE(listed(*picker, QStringLiteral("carikod")), (QStringList{"120.01", "120.01", "120.02"}));
    QCOMPARE(listed(*picker, QStringLiteral("tutar")), (QStringList{"290,00", "12,00", "0,00"}));
    QCOMPARE(listed(*picker, QStringLiteral("nettutar")), (QStringList{"320,50", "12,96", "0,00"}));
    QCOMPARE(listed(*picker, QStringLiteral("ind")), (QStringList{"5,00", "0,00", "0,00"}));
    // Invoice 12's salesman belongs to another firm.
    QCOMPARE(listed(*picker, QStringLiteral("satici")), (QStringList{"S01", "", "S01"}));
    QCOMPARE(picker->l1().footerText(picker->l1().columnOfField(QStringLiteral("tutar"))),
             QStringLiteral("302,00"));
    QCOMPARE(picker->l1().displayText(0, picker->l1().columnOfField(QStringLiteral("tip"))),
             QStringLiteral("TOPTAN"));
}

void TestInvoicePicker::customerNameRestrictsOneSearch()
{
    const auto picker = openPicker();
    picker->setCr(QStringLiteral("AYŞE TİCARET"));
    QVERIFY_OK(picker->gosterbul(SearchMode::NewList));
    QCOMPARE(listed(*picker), (QStringList{"11", "14"}));
    QVERIFY_OK(picker->gosterbul(SearchMode::NewList));
    QCOMPARE(listed(*picker), (QStringList{"10", "11", "14"}));
    QCOMPARE(picker->cr(), QStringLiteral("AYŞE TİCARET"));
}

void TestInvoicePicker::unknownCustomerCodeSearchesNothing()
{
    const auto picker = openPicker();
    QVERIFY_OK(picker->gosterbul(SearchMode::NewList));
    picker->setCarkod(QStringLiteral("999"));
    QVERIFY_OK(picker->gosterbul(SearchMode::AddToList));
    QCOMPARE(listed(*picker), (QStringList{"10", "11", "14"}));
    QVERIFY_OK(picker->gosterbul(SearchMode::NewList));
    QCOMPARE(listed(*picker), QStringList());
    QCOMPARE(trace().count(QStringLiteral("_INVOICE")), 1);
}

QTEST_GUILESS_MAIN(TestInvoicePicker)
#include "tst_invoicepicker.moc"
