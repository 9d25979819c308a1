// Every report of the report catalog has its tarvel-report command: listed in
// the usage under the catalog's name and taken as a command, so a report
// added to the catalog but not to tarvel-report's list does not go unseen.
#include "common/programrun.h"
#include "mainwindow/reportcatalog.h"

#include <QTemporaryDir>
#include <QTest>

using namespace tarvel;

class TestReportCommands : public QObject {
    Q_OBJECT
private slots:
    void listedAndTaken_data();
    void listedAndTaken();

private:
    QTemporaryDir m_dir;
};

void TestReportCommands::listedAndTaken_data()
{
    QTest::addColumn<QString>("name");
    for (const ReportInfo &info : reportCatalog())
        QTest::newRow(qPrintable(info.objectName)) << info.cliCommand.name;
}

void TestReportCommands::listedAndTaken()
{
    QFETCH(QString, name);
    QVERIFY(!name.isEmpty());

    const test::ProgramRun usage = test::runReport(m_dir.path(), {});
    QCOMPARE(usage.exitCode, 2);
    QVERIFY2(usage.out.contains(QStringLiteral("\n  ") + name + QLatin1Char(' ')), qPrintable(usage.out));

    // Refused by the command itself, for its argument, before it reads anything.
    const test::ProgramRun run = test::runReport(m_dir.path(), {name, QStringLiteral("--no-such-option")});
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.contains(QStringLiteral("usage: tarvel-report ") + name), qPrintable(run.err));
}

QTEST_MAIN(TestReportCommands)
#include "tst_reportcommands.moc"
