// The files that choose the waybill layout and its printer, and the print
// counts: which line of which file counts, and what a missing one gives.
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
    void readprintcounts_data();
    void readprintcounts();
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

void TestLayoutFiles::readprintcounts_data()
{
    QTest::addColumn<QByteArray>("file"); // null: no file
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("copies");

    QTest::newRow("both lines") << QByteArray("12\r\n3\r\n") << 12 << 3;
    QTest::newRow("empty first line") << QByteArray("\r\n2\r\n") << 1 << 2;
    QTest::newRow("one line") << QByteArray("8\r\n") << 8 << 1;
    QTest::newRow("no file") << QByteArray() << 1 << 1;
    QTest::newRow("zero and not a number") << QByteArray("0\r\nabc\r\n") << 1 << 1;
}

void TestLayoutFiles::readprintcounts()
{
    QFETCH(QByteArray, file);
    QFETCH(int, rows);
    QFETCH(int, copies);

    QTemporaryDir dir;
    if (!file.isNull()) {
        QFile f(dir.filePath(QStringLiteral("irssatir.velmor")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(file);
    }
    // The counts live in the working directory, not beside the program.
    const PrintCounts counts = tarvel::readprintcounts({QStringLiteral("/nonexistent"), dir.path()});
    QCOMPARE(counts.rowsPerForm, rows);
    QCOMPARE(counts.copies, copies);
}

QTEST_GUILESS_MAIN(TestLayoutFiles)
#include "tst_layoutfiles.moc"
