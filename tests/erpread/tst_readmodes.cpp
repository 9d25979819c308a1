// Both reading modes give the same reports: every report command of
// tarvel-report prints the same bytes in sets mode and with --verbatim-sql on
// a mid-size demo company (its showcase records included: promotion and
// service lines, items never bought, purchases after the sale, one item twice
// on a document, an inactive customer), and sets mode sends far fewer
// statements.
#include "common/printingfixture.h"
#include "common/programrun.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using namespace tarvel;
using tarvel::test::ProgramRun;

namespace {

const QString today = QStringLiteral("20240628");
const QString monthAgo = QStringLiteral("20240528");
const QString twoMonthsAgo = QStringLiteral("20240428");
const QString yearAgo = QStringLiteral("20230628");
const QString mehmet = QStringLiteral("MEHMET'İN GIDA PAZARLAMA LTD. ŞTİ.");

QStringList words(std::initializer_list<const char *> list)
{
    QStringList result;
    for (const char *word : list)
        result << QString::fromUtf8(word);
    return result;
}

} // namespace

class TestReadModes : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void sameReports_data();
    void sameReports();
    void samePrintedForms();

private:
    // tarvel-report in the demo folder, reading as mode says; the trace of its statements in *statements.
    ProgramRun report(const QStringList &args, bool verbatim, int *statements = nullptr) const;
    // The LOGICALREFs of a picker command's list, joined by commas.
    QString refsOf(const QStringList &pickerArgs) const;

    QTemporaryDir m_dir;
    QString m_folder;
    QString m_waybills, m_mehmetWaybills, m_invoices, m_orders;
};

ProgramRun TestReadModes::report(const QStringList &args, bool verbatim, int *statements) const
{
    const QString trace = m_dir.filePath(QStringLiteral("trace.sql"));
    QFile::remove(trace);
    QStringList options{QStringLiteral("--trace-sql"), trace};
    if (verbatim)
        options << QStringLiteral("--verbatim-sql");
    const ProgramRun run = test::runReport(m_folder, options + args);
    if (statements) {
        QFile file(trace);
        *statements = file.open(QIODevice::ReadOnly) ? int(file.readAll().count('\n')) : -1;
    }
    return run;
}

QString TestReadModes::refsOf(const QStringList &pickerArgs) const
{
    const ProgramRun run = report(pickerArgs, false);
    if (run.exitCode != 0)
        qWarning("%s", qPrintable(run.err));
    const QJsonArray rows = QJsonDocument::fromJson(run.out.toUtf8())["lists"]["l1"]["rows"].toArray();
    QStringList refs;
    for (const QJsonValue &row : rows)
        refs << row[QStringLiteral("ref")].toString();
    return refs.join(QLatin1Char(','));
}

void TestReadModes::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_folder = m_dir.filePath(QStringLiteral("demo"));
    const ProgramRun demo = test::runReport(
        m_dir.path(), {QStringLiteral("demo"), m_folder, QStringLiteral("--size"), QStringLiteral("8"),
                       QStringLiteral("--date"), QStringLiteral("2024-06-28")});
    QVERIFY2(demo.exitCode == 0, qPrintable(demo.err));
    m_waybills = refsOf(
        {QStringLiteral("waybills"), QStringLiteral("--from"), monthAgo, QStringLiteral("--to"), today});
    m_mehmetWaybills = refsOf({QStringLiteral("waybills"), QStringLiteral("--from"), twoMonthsAgo,
                               QStringLiteral("--to"), today, QStringLiteral("--customer"), mehmet});
    m_invoices = refsOf(
        {QStringLiteral("invoices"), QStringLiteral("--from"), twoMonthsAgo, QStringLiteral("--to"), today});
    m_orders = refsOf(
        {QStringLiteral("orders"), QStringLiteral("--from"), twoMonthsAgo, QStringLiteral("--to"), today});
    for (const QString *refs : {&m_waybills, &m_mehmetWaybills, &m_invoices, &m_orders})
        QVERIFY(refs->count(QLatin1Char(',')) >= 3);
}

void TestReadModes::sameReports_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("fewer"); // sets mode sends at least this many times fewer statements; 0: any

    const QStringList from{QStringLiteral("--from"), twoMonthsAgo, QStringLiteral("--to"), today};
    const QStringList year{QStringLiteral("--from"), yearAgo, QStringLiteral("--to"), today};
    const QStringList material = QStringList{QStringLiteral("material-analysis")} + year;
    QTest::newRow("waybills") << QStringList{QStringLiteral("waybills")} + from << 0;
    QTest::newRow("waybills of a customer")
        << QStringList{QStringLiteral("waybills")} + from + QStringList{QStringLiteral("--customer"), mehmet}
        << 0;
    QTest::newRow("loading") << QStringList{QStringLiteral("loading"), QStringLiteral("--refs"), m_waybills}
                             << 20;
    QTest::newRow("loading merged") << QStringList{QStringLiteral("loading"), QStringLiteral("--merge"),
                                                   QStringLiteral("--refs"), m_waybills}
                                    << 20;
    QTest::newRow("invoices") << QStringList{QStringLiteral("invoices")} + from << 0;
    QTest::newRow("invoice analysis")
        << QStringList{QStringLiteral("invoice-analysis"), QStringLiteral("--refs"), m_invoices} << 20;
    QTest::newRow("invoice analysis with VAT and additional tax")
        << QStringList{QStringLiteral("invoice-analysis"), QStringLiteral("--vat-included"),
                       QStringLiteral("--extra-tax"), QStringLiteral("--refs"), m_invoices}
        << 20;
    QTest::newRow("item analysis") << QStringList{QStringLiteral("item-analysis")} + year << 20;
    QTest::newRow("item analysis of a name")
        << QStringList{QStringLiteral("item-analysis")} + year +
               QStringList{QStringLiteral("--name"), QStringLiteral("MERCİMEK")}
        << 0;
    QTest::newRow("orders") << QStringList{QStringLiteral("orders")} + from << 0;
    QTest::newRow("order analysis") << QStringList{QStringLiteral("order-analysis"),
                                                   QStringLiteral("--vat-included"), QStringLiteral("--refs"),
                                                   m_orders}
                                    << 20;
    QTest::newRow("material analysis") << material << 50;
    QTest::newRow("material analysis with filters")
        << material + words({"--name", "A", "--special-code", "", "--group-code", "", "--vat-included",
                             "--extra-tax", "--grouped"})
        << 0;
    QTest::newRow("material analysis of a name and salesmen")
        << material + words({"--name", "MERCİMEK", "--salesman", "1", "--salesman", "2"}) << 0;
}

void TestReadModes::sameReports()
{
    QFETCH(QStringList, args);
    QFETCH(int, fewer);

    int sets = 0;
    int verbatim = 0;
    const ProgramRun inSets = report(args, false, &sets);
    const ProgramRun perRow = report(args, true, &verbatim);
    QVERIFY2(inSets.exitCode == 0, qPrintable(inSets.err));
    QVERIFY2(perRow.exitCode == 0, qPrintable(perRow.err));
    QVERIFY(inSets.out.contains(QLatin1String("\"rows\"")));
    QVERIFY(inSets.out == perRow.out);
    QCOMPARE(inSets.err, perRow.err);
    if (fewer > 0)
        QVERIFY2(sets * fewer <= verbatim,
                 qPrintable(QStringLiteral("%1 against %2").arg(sets).arg(verbatim)));
}

void TestReadModes::samePrintedForms()
{
    if (!printingtest::havePdftotext())
        QFAIL("pdftotext (poppler-utils) is missing: scripts/deps.sh installs it");
    QStringList pages[2];
    QString errors[2];
    for (const bool verbatim : {false, true}) {
        const QString pdf =
            m_dir.filePath(verbatim ? QStringLiteral("verbatim.pdf") : QStringLiteral("sets.pdf"));
        const ProgramRun run =
            report({QStringLiteral("print-loading"), QStringLiteral("--merge"), QStringLiteral("--refs"),
                    m_mehmetWaybills, QStringLiteral("--pdf"), pdf},
                   verbatim);
        errors[int(verbatim)] = QString::number(run.exitCode) + run.err;
        pages[int(verbatim)] = printingtest::pdfPages(pdf);
    }
    QCOMPARE(errors[0], errors[1]);
    QCOMPARE(pages[0], pages[1]);
}

QTEST_GUILESS_MAIN(TestReadModes)
#include "tst_readmodes.moc"
