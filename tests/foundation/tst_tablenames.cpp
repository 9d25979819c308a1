// ERP table names from the stored firm and period choices.
#include "foundation/erp/tablenames.h"

#include <QTest>

using namespace tarvel;

class TestTableNames : public QObject {
    Q_OBJECT
private slots:
    void names_data();
    void names();
};

void TestTableNames::names_data()
{
    QTest::addColumn<QString>("firm");
    QTest::addColumn<QString>("period");
    QTest::addColumn<QString>("firmTable");   // of CLCARD
    QTest::addColumn<QString>("periodTable"); // of STLINE
    QTest::addColumn<QString>("rawFirm");

    QTest::newRow("1 and 2") << "1- ÖRNEK GIDA A.Ş."
                             << "2- 1-(01.01.2024)  (31.12.2024)"
                             << "LG_001_CLCARD"
                             << "LG_001_02_STLINE"
                             << "1";
    QTest::newRow("two digits") << "12- MEHMET'İN GIDA"
                                << "1- 12-(..)"
                                << "LG_012_CLCARD"
                                << "LG_012_01_STLINE"
                                << "12";
    QTest::newRow("four digits stay whole") << "1234- BÜYÜK FİRMA"
                                            << "123- x"
                                            << "LG_1234_CLCARD"
                                            << "LG_1234_123_STLINE"
                                            << "1234";
    QTest::newRow("number alone") << "7"
                                  << "3"
                                  << "LG_007_CLCARD"
                                  << "LG_007_03_STLINE"
                                  << "7";
    QTest::newRow("blanks around the number") << " 5 - ÖRNEK"
                                              << " 4 - x"
                                              << "LG_005_CLCARD"
                                              << "LG_005_04_STLINE"
                                              << "5";
    QTest::newRow("zeros read as a number") << "0012- X"
                                            << "002- x"
                                            << "LG_012_CLCARD"
                                            << "LG_012_02_STLINE"
                                            << "0012";
    // What no firm number is stays as it is: the statement then fails at the
    // server (invalid object name) instead of reading another firm.
    QTest::newRow("not a number") << "ÖRNEK"
                                  << "x"
                                  << "LG_ÖRNEK_CLCARD"
                                  << "LG_ÖRNEK_x_STLINE"
                                  << "ÖRNEK";
    QTest::newRow("empty") << ""
                           << ""
                           << "LG__CLCARD"
                           << "LG___STLINE"
                           << "";
}

void TestTableNames::names()
{
    QFETCH(QString, firm);
    QFETCH(QString, period);
    QFETCH(QString, firmTable);
    QFETCH(QString, periodTable);
    QFETCH(QString, rawFirm);
    QCOMPARE(tarvel::firmTable(firm, QStringLiteral("CLCARD")), firmTable);
    QCOMPARE(tarvel::periodTable(firm, period, QStringLiteral("STLINE")), periodTable);
    QCOMPARE(rawFirmNumber(firm), rawFirm);
}

QTEST_GUILESS_MAIN(TestTableNames)
#include "tst_tablenames.moc"
