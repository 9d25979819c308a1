// The files that choose the waybill layout and its printer: which line of
// which file counts, and what a missing one gives.
#include "foundation/store/sidefiles.h"
#include "printing/layoutfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace tarvel;

class TestLayoutFiles : public QObject {
    Q_OBJECT
private slots:
    void findlayout_data();
    void findlayout();
};

void TestLayoutFiles::findlayout_data()
{
    QTest::addColumn<QStringList>("pointer"); // empty: no pointer file
    QTest::addColumn<QStringList>("printerFile");
    QTest::addColumn<QString>("layoutName");
    QTest::addColumn<QString>("printer");

    QTest::newRow("four lines: the fourth")
        << QStringList{"IRS2"} << QStringList{"a", "OLD", "b", "YENI"} << "IRS2"
        << "YENI";
    QTest::newRow("three lines: the second") << QStringList{"IRS2"} << QStringList{"a", "OLD", "b"} << "IRS2"
                                             << "OLD";
    QTest::newRow("one line: none") << QStringList{"IRS2"} << QStringList{"a"} << "IRS2"
                                    << "";
    QTest::newRow("pointer: only its last line counts")
        << QStringList{"IRS1", "", "IRS2"} << QStringList{"a", "P"} << "IRS2"
        << "P";
    QTest::newRow("no pointer: no layout, no printer") << QStringList{} << QStringList{"a", "P"} << ""
                                                       << "";
}

void TestLayoutFiles::findlayout()
{
    QFETCH(QStringList, pointer);
    QFETCH(QStringList, printerFile);
    QFETCH(QString, layoutName);
    QFETCH(QString, printer);

    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("Tsrm/default")));
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("Tsrm/Tsrm")));
    if (!pointer.isEmpty())
        QVERIFY(writeLineFile(layoutPointerPath(dir.path()), pointer));
    // The printer file of the layout the pointer names; without a pointer, of
    // the layout that is there all the same.
    const QString named =
        layoutPathFor(dir.path(), pointer.isEmpty() ? QStringLiteral("IRS2") : pointer.last());
    QVERIFY(writeLineFile(printerFilePath(named), printerFile));

    const LayoutChoice choice = tarvel::findlayout({dir.path(), QStringLiteral("/nonexistent")});
    QCOMPARE(choice.layoutPath,
             QDir::toNativeSeparators(dir.filePath(QStringLiteral("Tsrm/Tsrm/")) + layoutName));
    QCOMPARE(choice.printerName, printer);
}

QTEST_GUILESS_MAIN(TestLayoutFiles)
#include "tst_layoutfiles.moc"
