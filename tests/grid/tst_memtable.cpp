// The in-memory table: what is written reads back, cut to the field length;
// navigation, deletion, close/reopen, and the signals views rely on.
#include "foundation/base/errors.h"
#include "grid/gridtestlist.h"
#include "grid/memtable.h"

#include <QSignalSpy>
#include <QTest>

using namespace tarvel;

class TestMemTable : public QObject {
    Q_OBJECT
private slots:
    void postedValueReadsBack_data();
    void postedValueReadsBack();
    void walkFirstToEof();
    void noCurrentRow();
    void unknownFieldIsProgrammingError();
    void deleteCurrent_data();
    void deleteCurrent();
    void closeAndReopenKeepFieldsAndColumns();
    void fieldAddedToFilledTable();
    void signalsWithoutSuspension();
    void suspendedChangesGiveOneReset();
    void currentRowChangedFollowsTheRow();
};

void TestMemTable::postedValueReadsBack_data()
{
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("read");

    QTest::newRow("plain") << 50 << "ABC-12"
                           << "ABC-12";
    QTest::newRow("turkish letters") << 50 << "ŞİĞÜÖÇ ığüşöç"
                                     << "ŞİĞÜÖÇ ığüşöç";
    QTest::newRow("blanks kept") << 50 << "  a  "
                                 << "  a  ";
    QTest::newRow("empty") << 50 << ""
                           << "";
    QTest::newRow("exactly the length") << 5 << "12345"
                                        << "12345";
    QTest::newRow("longer is cut") << 5 << "1234567"
                                   << "12345";
    QTest::newRow("cut counts letters, not bytes") << 3 << "ĞĞĞĞ"
                                                   << "ĞĞĞ";
    QTest::newRow("no limit") << 0 << QString(3000, QLatin1Char('x')) << QString(3000, QLatin1Char('x'));
}

void TestMemTable::postedValueReadsBack()
{
    QFETCH(int, maxLength);
    QFETCH(QString, written);
    QFETCH(QString, read);

    MemTable t;
    t.addField(QStringLiteral("sira"), 20);
    t.addField(QStringLiteral("ack"), maxLength);
    t.append();
    t.setField(QStringLiteral("sira"), QStringLiteral("1"));
    t.setField(QStringLiteral("ack"), written);
    QCOMPARE(t.field(QStringLiteral("ack")), read); // before post as well
    t.post();
    t.append();
    t.setField(QStringLiteral("ack"), QStringLiteral("other"));
    t.post();

    t.first();
    QCOMPARE(t.field(QStringLiteral("ack")), read);
    QCOMPARE(t.field(QStringLiteral("ACK")), read); // names without regard to case
    QCOMPARE(t.value(0, 1), read);
    QCOMPARE(t.rowCount(), 2);
}

void TestMemTable::walkFirstToEof()
{
    MemTable t;
    t.addField(QStringLiteral("sira"), 20);
    for (int i = 1; i <= 3; ++i) {
        t.append();
        t.setField(QStringLiteral("sira"), QString::number(i));
        t.post();
    }
    QCOMPARE(t.currentRow(), 2); // append leaves the new row current

    QStringList seen;
    for (t.first(); !t.eof(); t.next())
        seen << t.field(QStringLiteral("sira"));
    QCOMPARE(seen, QStringList({"1", "2", "3"}));
    QCOMPARE(t.currentRow(), -1);
    t.next(); // past the end stays there
    QVERIFY(t.eof());
}

void TestMemTable::noCurrentRow()
{
    MemTable t;
    t.addField(QStringLiteral("cari"), 50);
    t.first();
    QVERIFY(t.eof());
    QCOMPARE(t.field(QStringLiteral("cari")), QString());
    QVERIFY(!t.setField(QStringLiteral("cari"), QStringLiteral("x")));
    t.deleteCurrent(); // nothing to delete
    QCOMPARE(t.rowCount(), 0);
    QVERIFY(!t.setCurrentRow(0));
}

void TestMemTable::unknownFieldIsProgrammingError()
{
#ifdef QT_NO_DEBUG
    // A programming error, asserted in a debug build; a release build goes on safely.
    MemTable t;
    t.addField(QStringLiteral("sira"), 20);
    t.append();
    QVERIFY(!t.setField(QStringLiteral("sirax"), QStringLiteral("1")));
    QCOMPARE(t.field(QStringLiteral("sirax")), QString());
    QCOMPARE(t.field(QStringLiteral("sira")), QString());
#else
    QSKIP("an unknown field asserts in a debug build");
#endif
}

void TestMemTable::deleteCurrent_data()
{
    QTest::addColumn<int>("current");
    QTest::addColumn<bool>("posted");
    QTest::addColumn<QStringList>("remaining");
    QTest::addColumn<int>("newCurrent");

    QTest::newRow("first") << 0 << true << QStringList{"b", "c"} << 0;
    QTest::newRow("middle: the next row takes its place") << 1 << true << QStringList{"a", "c"} << 1;
    QTest::newRow("last: the new last row") << 2 << true << QStringList{"a", "b"} << 1;
    QTest::newRow("appended, never posted") << 2 << false << QStringList{"a", "b"} << 1;
}

void TestMemTable::deleteCurrent()
{
    QFETCH(int, current);
    QFETCH(bool, posted);
    QFETCH(QStringList, remaining);
    QFETCH(int, newCurrent);

    MemTable t;
    t.addField(QStringLiteral("ack"), 10);
    for (const char *v : {"a", "b", "c"}) {
        t.append();
        t.setField(QStringLiteral("ack"), QString::fromLatin1(v));
        if (posted)
            t.post();
    }
    QSignalSpy removed(&t, &MemTable::rowRemoved);
    QVERIFY(t.setCurrentRow(current));
    t.deleteCurrent();

    QCOMPARE(t.currentRow(), newCurrent);
    QStringList rows;
    for (int r = 0; r < t.rowCount(); ++r)
        rows << t.value(r, 0);
    QCOMPARE(rows, remaining);
    QCOMPARE(removed.count(), 1);
    QCOMPARE(removed.first().at(0).toInt(), current);
}

void TestMemTable::closeAndReopenKeepFieldsAndColumns()
{
    DataGrid grid;
    gridtest::designList(grid);
    gridtest::fillThreeInvoices(grid);
    grid.setColumnWidth(gridtest::Code, 140);

    grid.table().close();
    QCOMPARE(grid.table().rowCount(), 0);
    QVERIFY(grid.table().eof());
    QCOMPARE(grid.displayedRowCount(), 0);
    QCOMPARE(grid.footerText(gridtest::Amount), QStringLiteral("0,00"));

    grid.table().open();
    QCOMPARE(grid.table().fieldCount(), gridtest::fieldNames.size());
    QCOMPARE(grid.columnCount(), 8);
    QCOMPARE(grid.column(gridtest::Code).width, 140);
    QCOMPARE(grid.column(gridtest::Type).caption, QStringLiteral("TİP"));

    gridtest::addRow(grid, {"True", "F9", "Z", "7", "1", "3,00"});
    QCOMPARE(grid.table().rowCount(), 1);
    grid.table().first();
    QCOMPARE(grid.table().field(QStringLiteral("kod")), QStringLiteral("Z"));
    QCOMPARE(grid.footerText(gridtest::Amount), QStringLiteral("3,00"));
}

void TestMemTable::fieldAddedToFilledTable()
{
    MemTable t;
    t.addField(QStringLiteral("a"), 10);
    t.addField(QStringLiteral("b"), 10);
    for (int r = 0; r < 3; ++r) {
        t.append();
        t.setField(0, QStringLiteral("a%1").arg(r));
        t.setField(1, QStringLiteral("b%1").arg(r));
        t.post();
    }
    const int c = t.addField(QStringLiteral("c"), 10);
    QCOMPARE(c, 2);
    for (int r = 0; r < 3; ++r) {
        QCOMPARE(t.value(r, 0), QStringLiteral("a%1").arg(r));
        QCOMPARE(t.value(r, 1), QStringLiteral("b%1").arg(r));
        QCOMPARE(t.value(r, 2), QString());
    }
}

void TestMemTable::signalsWithoutSuspension()
{
    MemTable t;
    t.addField(QStringLiteral("sec"), 10);
    QSignalSpy appended(&t, &MemTable::rowAppended);
    QSignalSpy changed(&t, &MemTable::rowChanged);
    QSignalSpy reset(&t, &MemTable::tableReset);

    t.append();
    t.setField(0, QStringLiteral("False"));
    QCOMPARE(appended.count(), 0); // announced when posted
    t.append();                    // posts the first row
    QCOMPARE(appended.count(), 1);
    t.post();
    QCOMPARE(appended.count(), 2);
    QCOMPARE(appended.at(1).at(0).toInt(), 1);

    t.first();
    t.edit();
    t.setField(0, QStringLiteral("True"));
    t.post();
    t.setValue(1, 0, QStringLiteral("True"));
    QCOMPARE(changed.count(), 2);
    QCOMPARE(changed.at(0).at(0).toInt(), 0);
    QCOMPARE(changed.at(1).at(0).toInt(), 1);
    QCOMPARE(appended.count(), 2);
    QCOMPARE(reset.count(), 0);
}

void TestMemTable::suspendedChangesGiveOneReset()
{
    MemTable t;
    t.addField(QStringLiteral("sira"), 10);
    QSignalSpy appended(&t, &MemTable::rowAppended);
    QSignalSpy reset(&t, &MemTable::tableReset);
    QSignalSpy suspended(&t, &MemTable::redrawSuspendedChanged);

    t.suspendRedraw();
    t.suspendRedraw(); // nested, as a picker's hand-over inside a run
    for (int i = 0; i < 3; ++i) {
        t.append();
        t.setField(0, QString::number(i + 1));
        t.post();
    }
    t.resumeRedraw();
    QCOMPARE(reset.count(), 0);
    QVERIFY(t.isRedrawSuspended());
    t.resumeRedraw();
    QVERIFY(!t.isRedrawSuspended());
    QCOMPARE(appended.count(), 0);
    QCOMPARE(reset.count(), 1);
    QCOMPARE(suspended.count(), 2); // on at the first suspend, off at the last resume

    t.suspendRedraw(); // nothing changes: no reset
    t.first();
    t.resumeRedraw();
    QCOMPARE(reset.count(), 1);
    t.resumeRedraw(); // one resume too many does nothing
    QVERIFY(!t.isRedrawSuspended());
}

void TestMemTable::currentRowChangedFollowsTheRow()
{
    // Each step gives the current row (-1: none) whenever it differs from the
    // one given before, also when the position itself stays where it was.
    MemTable t;
    t.addField(QStringLiteral("sira"), 10);
    QSignalSpy current(&t, &MemTable::currentRowChanged);
    const auto last = [&] { return current.isEmpty() ? -2 : current.last().at(0).toInt(); };

    t.append(); // on an empty table: row 0
    QCOMPARE(last(), 0);
    t.append();
    QCOMPARE(last(), 1);
    t.next(); // past the end
    QCOMPARE(last(), -1);
    t.append(); // from past the end onto the new row
    QCOMPARE(last(), 2);
    t.first();
    QCOMPARE(last(), 0);
    const qsizetype before = current.count();
    t.close(); // the position stays 0, the table has no row left
    QCOMPARE(current.count(), before + 1);
    QCOMPARE(last(), -1);
    t.append();
    QCOMPARE(last(), 0);
    t.deleteCurrent();
    QCOMPARE(last(), -1);
}

QTEST_GUILESS_MAIN(TestMemTable)
#include "tst_memtable.moc"
