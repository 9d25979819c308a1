// The loading list cut into waybill forms: which items go on which form, the
// carried-forward line, the running total, the totals and the words on the
// last row, and where filling stops on a bad value.
#include "loading/forms/loadinglistforms.h"

#include <QTest>

using namespace tarvel;
using namespace tarvel::PrintField;

namespace {

const QDateTime printTime(QDate(2025, 3, 5), QTime(9, 7, 30));

// Item i costs i + 0,25: items 1 to 10 make 57,50.
QString amountOf(int item)
{
    return QStringLiteral("%1,25").arg(item);
}

QString runningTotal(int items)
{
    const int cents = items * (items + 1) * 50 + items * 25;
    return QStringLiteral("%1,%2").arg(cents / 100).arg(cents % 100, 2, 10, QLatin1Char('0'));
}

LoadingListInput list(int rows)
{
    LoadingListInput in;
    for (int i = 1; i <= rows; ++i)
        in.rows.append(LoadingRow({{LoadingField::sira, QString::number(i)},
                                   {LoadingField::stokkod, QStringLiteral("K%1").arg(i)},
                                   {LoadingField::ack, QStringLiteral("Ürün %1").arg(i)},
                                   {LoadingField::birim, QStringLiteral("ADET")},
                                   {LoadingField::birimfiyat, QStringLiteral("1,25")},
                                   {LoadingField::kdv, QStringLiteral("20")},
                                   {LoadingField::miktar, QString::number(i)},
                                   {LoadingField::tutar, amountOf(i)}}));
    in.customer = {.unvn = QStringLiteral("MEHMET'İN GIDA PAZARLAMA LTD. ŞTİ."),
                   .vno = QStringLiteral("1234567890"),
                   .vd = QStringLiteral("OSMANCIK"),
                   .tel = QStringLiteral("0364 1234567"),
                   .adr = QStringLiteral("İstasyon Cad. No:82"),
                   .shr = QStringLiteral("ÇORUM")};
    in.totals = {.topl = QStringLiteral("1234,5"),
                 .topi = QStringLiteral("0,00"),
                 .topk = QStringLiteral("20,10"),
                 .gtop = QStringLiteral("1.234,56")};
    return in;
}

struct FormShape {
    bool carried;
    int firstItem, lastItem;
};

// "1-10", "N 11-19": the items of a form, N when the carried-forward line
// comes first.
FormShape shapeOf(const QString &text)
{
    const bool carried = text.startsWith(QLatin1String("N "));
    const QStringList range = text.mid(carried ? 2 : 0).split(QLatin1Char('-'));
    return {carried, range.at(0).toInt(), range.value(1, range.at(0)).toInt()};
}

} // namespace

class TestLoadingListForms : public QObject {
    Q_OBJECT
private slots:
    void forms_data();
    void forms();
    void carriedToTheKurus_data();
    void carriedToTheKurus();
    void onceTakenValues();
    void stopsAtAmountThatIsNoNumber();
    void totalTooLongForWords();
};

void TestLoadingListForms::forms_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("rowsPerForm");
    QTest::addColumn<QStringList>("shapes");

    QTest::newRow("25 rows, 10 per form") << 25 << 10 << QStringList{"1-10", "N 11-19", "N 20-25"};
    QTest::newRow("one row per form") << 3 << 1 << QStringList{"1", "N 2", "N 3"};
    QTest::newRow("exactly one form") << 10 << 10 << QStringList{"1-10"};
    QTest::newRow("one row over") << 11 << 10 << QStringList{"1-10", "N 11"};
    QTest::newRow("a single row") << 1 << 10 << QStringList{"1"};
}

void TestLoadingListForms::forms()
{
    QFETCH(int, rows);
    QFETCH(int, rowsPerForm);
    QFETCH(QStringList, shapes);

    const LoadingListInput in = list(rows);
    const LoadingListForms result = loadingListForms(in, rowsPerForm, printTime);
    QCOMPARE(result.error, QString());
    QCOMPARE(result.forms.size(), shapes.size());

    for (int f = 0; f < shapes.size(); ++f) {
        const FormShape shape = shapeOf(shapes[f]);
        const PrintTable &t = result.forms[f];
        const bool last = f + 1 == shapes.size();
        const int items = shape.lastItem - shape.firstItem + 1;
        QCOMPARE(t.lastRow(), items + (shape.carried ? 1 : 0));
        // Rows per form counts the carried-forward line, which with one row
        // per form still leaves room for one item.
        QVERIFY(t.lastRow() <= std::max(rowsPerForm, 2));

        int row = 1;
        if (shape.carried) {
            // The carried-forward line: the amounts of the forms before.
            QCOMPARE(t.cell(1, StokCinsi), QStringLiteral("Nakli Yekün"));
            for (int column : {StokTutar, StokTopTutar, TopTutar})
                QCOMPARE(t.cell(1, column), runningTotal(shape.firstItem - 1));
            for (int column : {StokKdv, StokBirim, StokBirimFiyat, StokMiktar, StokIndirim})
                QCOMPARE(t.cell(1, column), QStringLiteral(" "));
            for (int column : {IrsaliyeNo, CariYetkili, StokSira, StokBarkod, StokKodu})
                QCOMPARE(t.cell(1, column), QString());
            QCOMPARE(t.cell(1, CariUnvan), in.customer.unvn);
            row = 2;
        }
        for (int item = shape.firstItem; item <= shape.lastItem; ++item, ++row) {
            QCOMPARE(t.cell(row, StokKodu), QStringLiteral("K%1").arg(item));
            QCOMPARE(t.cell(row, StokSira), QString::number(item));
            QCOMPARE(t.cell(row, StokTutar), amountOf(item));
            QCOMPARE(t.cell(row, StokTopTutar), amountOf(item));
            QCOMPARE(t.cell(row, StokIndirim), QStringLiteral("0"));
            QCOMPARE(t.cell(row, CariSehir), in.customer.shr);
            if (!(last && item == shape.lastItem))
                QCOMPARE(t.cell(row, TopTutar), runningTotal(item));
        }
        // Totals and words only on the last row of the last form; before it
        // the footer's IRSALIYE TOP.TUTAR shows the amount carried on.
        for (int r = 1; r <= t.lastRow(); ++r) {
            const bool totalsRow = last && r == t.lastRow();
            QCOMPARE(t.cell(r, GenelToplam), totalsRow ? QStringLiteral("1.234,56") : QString());
            QCOMPARE(t.cell(r, GenelToplamYazi),
                     totalsRow ? QStringLiteral("Binikiyüzotuzdört TL. Ellialtı Kuruş ") : QString());
        }
        if (last) {
            QCOMPARE(t.cell(t.lastRow(), TopTutar), QStringLiteral("1.234,50"));
            QCOMPARE(t.cell(t.lastRow(), TopIndirim), QStringLiteral("0,00"));
            QCOMPARE(t.cell(t.lastRow(), TopKdv), QStringLiteral("20,10"));
        }
    }
}

void TestLoadingListForms::carriedToTheKurus_data()
{
    QTest::addColumn<QStringList>("amounts");
    QTest::addColumn<int>("rowsPerForm");
    QTest::addColumn<QString>("carried"); // on the second form

    QTest::newRow("a line over a million")
        << QStringList{"1234567,891", "24691,459", "0,01"} << 2 << "1.259.259,35";
    QTest::newRow("a thousand lines")
        << QStringList(1001, QStringLiteral("12345,67")) << 1000 << "12.345.670,00";
}

void TestLoadingListForms::carriedToTheKurus()
{
    QFETCH(QStringList, amounts);
    QFETCH(int, rowsPerForm);
    QFETCH(QString, carried);

    LoadingListInput in = list(int(amounts.size()));
    for (int i = 0; i < amounts.size(); ++i)
        in.rows[i].set(LoadingField::tutar, amounts[i]);
    const LoadingListForms result = loadingListForms(in, rowsPerForm, printTime);
    QCOMPARE(result.error, QString());
    QVERIFY(result.forms.size() >= 2);
    // The last row of the first form carries the same total on.
    QCOMPARE(result.forms[0].cell(rowsPerForm, TopTutar), carried);
    for (int column : {StokTutar, StokTopTutar, TopTutar})
        QCOMPARE(result.forms[1].cell(1, column), carried);
}

void TestLoadingListForms::onceTakenValues()
{
    const LoadingListForms result = loadingListForms(list(12), 10, printTime);
    for (const PrintTable &t : result.forms) {
        for (int r = 1; r <= t.lastRow(); ++r) {
            QCOMPARE(t.cell(r, IrsaliyeTarihi), QStringLiteral("05.03.2025"));
            QCOMPARE(t.cell(r, IrsaliyeSaati), QStringLiteral("09:07"));
        }
    }
}

void TestLoadingListForms::stopsAtAmountThatIsNoNumber()
{
    LoadingListInput in = list(25);
    in.rows[14].set(LoadingField::tutar, QStringLiteral("12a"));
    const LoadingListForms result = loadingListForms(in, 10, printTime);
    // The first form was complete before row 15 and still goes out.
    QCOMPARE(result.forms.size(), 1);
    QCOMPARE(result.forms[0].lastRow(), 10);
    QVERIFY2(result.error.contains(QStringLiteral("15")) && result.error.contains(QStringLiteral("12a")),
             qPrintable(result.error));
}

void TestLoadingListForms::totalTooLongForWords()
{
    LoadingListInput in = list(3);
    in.totals.gtop = QStringLiteral("1.234.567.890.123.456,00");
    const LoadingListForms result = loadingListForms(in, 10, printTime);
    QCOMPARE(result.forms.size(), 0);
    QVERIFY(!result.error.isEmpty());
}

QTEST_GUILESS_MAIN(TestLoadingListForms)
#include "tst_loadinglistforms.moc"
