// Number texts, date keys and amounts in words as Turkish users read them.
#include "foundation/base/errors.h"
#include "foundation/base/numbers.h"

#include <QTest>
#include <cmath>
#include <limits>

using namespace tarvel;

class TestNumbers : public QObject {
    Q_OBJECT

private slots:
    void datekeyTexts_data();
    void datekeyTexts();
    void datekeyOverloads();

    void formats_data();
    void formats();
    void plain_data();
    void plain();
    void plainSingle();
    void formatIgnoresMachineLocale();

    void parse_data();
    void parse();
    void formatThenParseRoundTrip();

    void words_data();
    void words();
    void wordsLongerThan15DigitsThrow();

    void amounts_data();
    void amounts();
    void amountText_data();
    void amountText();
    void amountTooLargeThrows();
};

void TestNumbers::datekeyTexts_data()
{
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("key");
    QTest::newRow("end of year") << "2024"
                                 << "12"
                                 << "31"
                                 << "20241231";
    QTest::newRow("single digits") << "2024"
                                   << "3"
                                   << "7"
                                   << "20240307";
    QTest::newRow("already padded") << "2024"
                                    << "01"
                                    << "05"
                                    << "20240105";
    // Seven digits would compare after every later date.
    QTest::newRow("year before 1000") << "999"
                                      << "1"
                                      << "1"
                                      << "09990101";
}

void TestNumbers::datekeyTexts()
{
    QFETCH(QString, year);
    QFETCH(QString, month);
    QFETCH(QString, day);
    QFETCH(QString, key);
    QCOMPARE(datekey(year, month, day), key);
}

void TestNumbers::datekeyOverloads()
{
    QCOMPARE(datekey(2024, 1, 5), QStringLiteral("20240105"));
    QCOMPARE(datekey(QDate(2024, 12, 31)), QStringLiteral("20241231"));
    QCOMPARE(datekey(QDate(999, 1, 1)), QStringLiteral("09990101"));
    QCOMPARE(datekey(45, 6, 7), QStringLiteral("00450607"));
}

void TestNumbers::formats_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("fixed2");
    QTest::addColumn<QString>("upTo8");
    QTest::addColumn<QString>("grouped2");

    QTest::newRow("zero") << 0.0 << "0,00"
                          << "0,00"
                          << "0,00";
    QTest::newRow("integer") << 3.0 << "3,00"
                             << "3,00"
                             << "3,00";
    QTest::newRow("one decimal") << 12.5 << "12,50"
                                 << "12,50"
                                 << "12,50";
    QTest::newRow("below one") << 0.05 << "0,05"
                               << "0,05"
                               << "0,05";
    QTest::newRow("negative") << -3.0 << "-3,00"
                              << "-3,00"
                              << "-3,00";
    QTest::newRow("negative below one") << -0.25 << "-0,25"
                                        << "-0,25"
                                        << "-0,25";
    QTest::newRow("thousands") << 1234.5 << "1234,50"
                               << "1234,50"
                               << "1.234,50";
    QTest::newRow("millions") << -1234567.891 << "-1234567,89"
                              << "-1234567,891"
                              << "-1.234.567,89";
    QTest::newRow("exact thousand") << 1000.0 << "1000,00"
                                    << "1000,00"
                                    << "1.000,00";
    QTest::newRow("hundreds not grouped") << 999.999 << "1000,00"
                                          << "999,999"
                                          << "1.000,00";
    // Halves as written: the binary value of 1.005 lies just below the half.
    QTest::newRow("half 1.005") << 1.005 << "1,01"
                                << "1,005"
                                << "1,01";
    QTest::newRow("half 2.675") << 2.675 << "2,68"
                                << "2,675"
                                << "2,68";
    QTest::newRow("half 0.125") << 0.125 << "0,13"
                                << "0,125"
                                << "0,13";
    QTest::newRow("negative half away from zero") << -2.675 << "-2,68"
                                                  << "-2,675"
                                                  << "-2,68";
    QTest::newRow("carry through nines") << 99.995 << "100,00"
                                         << "99,995"
                                         << "100,00";
    QTest::newRow("eight decimals") << 0.12345678 << "0,12"
                                    << "0,12345678"
                                    << "0,12";
    QTest::newRow("ninth decimal rounds") << 0.123456785 << "0,12"
                                          << "0,12345679"
                                          << "0,12";
    QTest::newRow("sum noise hidden") << 0.1 + 0.2 << "0,30"
                                      << "0,30"
                                      << "0,30";
    QTest::newRow("tiny negative is zero") << -0.001 << "0,00"
                                           << "-0,001"
                                           << "0,00";
    QTest::newRow("negative zero") << -0.0 << "0,00"
                                   << "0,00"
                                   << "0,00";
    QTest::newRow("below eight decimals") << -0.000000001 << "0,00"
                                          << "0,00"
                                          << "0,00";
}

void TestNumbers::formats()
{
    QFETCH(double, value);
    QFETCH(QString, fixed2);
    QFETCH(QString, upTo8);
    QFETCH(QString, grouped2);
    QCOMPARE(formatFixed2(value), fixed2);
    QCOMPARE(formatUpTo8(value), upTo8);
    QCOMPARE(formatGrouped2(value), grouped2);
}

void TestNumbers::plain_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("one decimal") << 12.5 << "12,5";
    QTest::newRow("integer") << 3.0 << "3";
    QTest::newRow("eighteen") << 18.0 << "18";
    QTest::newRow("negative below one") << -0.25 << "-0,25";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("no grouping") << 1234567.5 << "1234567,5";
    QTest::newRow("sum noise hidden") << 0.1 + 0.2 << "0,3";
    QTest::newRow("fifteen digits") << 123456789012.345 << "123456789012,345";
    QTest::newRow("small") << 0.0001 << "0,0001";
}

void TestNumbers::plain()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(formatPlain(value), text);
}

void TestNumbers::plainSingle()
{
    // A single-precision sum shows 7 significant digits, not its binary tail.
    QCOMPARE(formatPlainSingle(0.1f + 0.2f), QStringLiteral("0,3"));
    QCOMPARE(formatPlainSingle(12.5f), QStringLiteral("12,5"));
    QCOMPARE(formatPlainSingle(1234.567f), QStringLiteral("1234,567"));
    QCOMPARE(formatPlainSingle(-3.0f), QStringLiteral("-3"));
}

void TestNumbers::formatIgnoresMachineLocale()
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QCOMPARE(formatGrouped2(1234.5), QStringLiteral("1.234,50"));
    QCOMPARE(parseNumber(QStringLiteral("1.234,5")), std::optional<double>(1234.5));
    QLocale::setDefault(saved);
    QCOMPARE(turkishLocale().decimalPoint(), QStringLiteral(","));
}

void TestNumbers::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("value");
    QTest::newRow("decimal comma") << "1234,56" << true << 1234.56;
    QTest::newRow("negative integer") << "-3" << true << -3.0;
    QTest::newRow("grouped") << "1.234,50" << true << 1234.5;
    QTest::newRow("grouped millions") << "-1.234.567,89" << true << -1234567.89;
    QTest::newRow("blanks around") << " 12,5 " << true << 12.5;
    QTest::newRow("leading comma") << ",5" << true << 0.5;
    QTest::newRow("plus sign") << "+7" << true << 7.0;
    QTest::newRow("exponent") << "1E-05" << true << 0.00001;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("blanks only") << "   " << false << 0.0;
    QTest::newRow("word") << "abc" << false << 0.0;
    QTest::newRow("trailing text") << "12,5 TL" << false << 0.0;
    QTest::newRow("percent sign") << "%12,30" << false << 0.0;
    QTest::newRow("sign only") << "-" << false << 0.0;
    QTest::newRow("comma only") << "," << false << 0.0;
    QTest::newRow("two commas") << "1,2,3" << false << 0.0;
    // A dot is a thousands separator only; "1.5" must not silently read as 15.
    QTest::newRow("dot as decimal point") << "1.5" << false << 0.0;
    QTest::newRow("short group") << "1.23,4" << false << 0.0;
    QTest::newRow("leading dot") << ".123" << false << 0.0;
    QTest::newRow("dot in fraction") << "1,234.5" << false << 0.0;
}

void TestNumbers::parse()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(double, value);
    const std::optional<double> parsed = parseNumber(text);
    QCOMPARE(parsed.has_value(), valid);
    if (valid)
        QCOMPARE(*parsed, value);
    QCOMPARE(numberOrZero(text), valid ? value : 0.0);
}

void TestNumbers::formatThenParseRoundTrip()
{
    for (double v : {0.0, 1.5, -1234567.89, 1e12 + 0.25, 0.01}) {
        QCOMPARE(numberOrZero(formatFixed2(v)), v);
        QCOMPARE(numberOrZero(formatGrouped2(v)), v);
        QCOMPARE(numberOrZero(formatPlain(v)), v);
    }
}

void TestNumbers::words_data()
{
    QTest::addColumn<QString>("digits");
    QTest::addColumn<QString>("words");
    QTest::newRow("1") << "1"
                       << "Bir";
    QTest::newRow("2") << "2"
                       << "İki";
    QTest::newRow("10") << "10"
                        << "On";
    QTest::newRow("100") << "100"
                         << "Yüz";
    QTest::newRow("1000") << "1000"
                          << "Bin";
    QTest::newRow("1001") << "1001"
                          << "Binbir";
    QTest::newRow("2000") << "2000"
                          << "İkibin";
    QTest::newRow("21000") << "21000"
                           << "Yirmibirbin";
    QTest::newRow("101000") << "101000"
                            << "Yüzbirbin";
    QTest::newRow("1000000") << "1000000"
                             << "Birmilyon";
    QTest::newRow("1001000") << "1001000"
                             << "Birmilyonbin";
    QTest::newRow("305") << "305"
                         << "Üçyüzbeş";
    QTest::newRow("0") << "0"
                       << "Sıfır";
    QTest::newRow("empty") << ""
                           << "Sıfır";
    QTest::newRow("leading zeros") << "056"
                                   << "Ellialtı";
    QTest::newRow("15 digits")
        << "999999999999999"
        << "Dokuzyüzdoksandokuztrilyondokuzyüzdoksandokuzmilyardokuzyüzdoksandokuzmilyon"
           "dokuzyüzdoksandokuzbindokuzyüzdoksandokuz";
    QTest::newRow("trillion") << "1000000000000"
                              << "Birtrilyon";
    QTest::newRow("non-digit counts as zero") << "1x5"
                                              << "Yüzbeş";
}

void TestNumbers::words()
{
    QFETCH(QString, digits);
    QFETCH(QString, words);
    QCOMPARE(numberinwords(digits), words);
}

void TestNumbers::wordsLongerThan15DigitsThrow()
{
    QVERIFY_THROWS_EXCEPTION(Error, numberinwords(QStringLiteral("1000000000000000")));
}

void TestNumbers::amounts_data()
{
    QTest::addColumn<double>("amount");
    QTest::addColumn<QString>("words");
    QTest::newRow("lira and kurus") << 1234.56 << "Binikiyüzotuzdört TL. Ellialtı Kuruş ";
    QTest::newRow("whole lira") << 1000.0 << "Bin TL. ";
    QTest::newRow("negative") << -5.0 << "Eksi Beş TL. ";
    QTest::newRow("half lira") << 0.5 << "Sıfır TL. Elli Kuruş ";
    QTest::newRow("five kurus") << 0.05 << "Sıfır TL. Beş Kuruş ";
    QTest::newRow("zero") << 0.0 << "Sıfır TL. ";
    QTest::newRow("kurus rounded up") << 2.675 << "İki TL. Altmışsekiz Kuruş ";
    QTest::newRow("rounds into next lira") << 9.999 << "On TL. ";
    QTest::newRow("negative rounding to zero has no sign") << -0.001 << "Sıfır TL. ";
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << "GİRİLEN DEĞER SAYI DEĞİL!";
}

void TestNumbers::amounts()
{
    QFETCH(double, amount);
    QFETCH(QString, words);
    QCOMPARE(amountinwords(amount, QStringLiteral("TL."), QStringLiteral("Kuruş")), words);
}

void TestNumbers::amountText_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("words");
    QTest::newRow("decimal comma") << "1234,56"
                                   << "Binikiyüzotuzdört TL. Ellialtı Kuruş ";
    QTest::newRow("negative") << "-5"
                              << "Eksi Beş TL. ";
    QTest::newRow("blanks") << " 0,05 "
                            << "Sıfır TL. Beş Kuruş ";
    QTest::newRow("empty") << ""
                           << "GİRİLEN DEĞER SAYI DEĞİL!";
    QTest::newRow("text") << "on beş"
                          << "GİRİLEN DEĞER SAYI DEĞİL!";
}

void TestNumbers::amountText()
{
    QFETCH(QString, amount);
    QFETCH(QString, words);
    QCOMPARE(amountinwords(amount, QStringLiteral("TL."), QStringLiteral("Kuruş")), words);
}

void TestNumbers::amountTooLargeThrows()
{
    QCOMPARE(amountinwords(999999999999999.0, QStringLiteral("TL."), QStringLiteral("Kuruş")).left(9),
             QStringLiteral("Dokuzyüzd"));
    QVERIFY_THROWS_EXCEPTION(Error, amountinwords(1e16, QStringLiteral("TL."), QStringLiteral("Kuruş")));
}

QTEST_APPLESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
