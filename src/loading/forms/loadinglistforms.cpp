#include "loading/forms/loadinglistforms.h"

#include "foundation/base/errors.h"
#include "foundation/base/numbers.h"
#include "loading/loadingreport.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace tarvel {

namespace {

using namespace PrintField;

// The values taken once when printing starts.
struct FixedValues {
    QString date, time;
    QString topl, topi, topk, gtop, words;
};

// A totals caption in the grouped pattern; a caption that is no number stays
// as it is, as the pattern leaves such a text.
QString grouped(const QString &caption)
{
    const std::optional<double> value = parseNumber(caption);
    return value ? formatGrouped2(*value) : caption;
}

using Row = LoadingListInput::Row;
// The customer block and the list fields, by the column they go to.
constexpr std::pair<int, QString LoadingListInput::*> customerColumns[] = {
    {CariUnvan, &LoadingListInput::unvn},      {CariVergiNo, &LoadingListInput::vno},
    {CariVergiDairesi, &LoadingListInput::vd}, {CariTelefon, &LoadingListInput::tel},
    {CariAdres, &LoadingListInput::adr},       {CariSehir, &LoadingListInput::shr},
};
constexpr std::pair<int, QString Row::*> itemColumns[] = {
    {StokSira, &Row::sira},     {StokKodu, &Row::stokkod}, {StokCinsi, &Row::ack},
    {StokKdv, &Row::kdv},       {StokBirim, &Row::birim},  {StokBirimFiyat, &Row::birimfiyat},
    {StokMiktar, &Row::miktar}, {StokTutar, &Row::tutar},  {StokTopTutar, &Row::tutar},
};

void writeHeading(PrintTable &t, int row, const LoadingListInput &in, const FixedValues &v)
{
    t.setCell(row, IrsaliyeTarihi, v.date);
    t.setCell(row, IrsaliyeSaati, v.time);
    for (const auto &[column, field] : customerColumns)
        t.setCell(row, column, in.*field);
}

void writeItem(PrintTable &t, int row, const LoadingListInput &in, const Row &r, const FixedValues &v)
{
    writeHeading(t, row, in, v);
    for (const auto &[column, field] : itemColumns)
        t.setCell(row, column, r.*field);
    // The waybill number, contact and barcode are not known here.
    for (int column : {IrsaliyeNo, CariYetkili, StokBarkod})
        t.setCell(row, column, QString());
    t.setCell(row, StokIndirim, QStringLiteral("0"));
}

// The carried total in the list's grouped pattern. It is summed in double
// precision: single precision loses the kuruş from about 100.000 TL on.
QString carriedText(double carried)
{
    return formatGrouped2(carried);
}

void writeCarriedForward(PrintTable &t, const LoadingListInput &in, const FixedValues &v, double carried)
{
    const QString blank = QStringLiteral(" ");
    const QString amount = carriedText(carried);
    writeHeading(t, 1, in, v);
    t.setCell(1, StokCinsi, QStringLiteral("Nakli Yekün"));
    for (int column : {StokKdv, StokBirim, StokBirimFiyat, StokMiktar, StokIndirim})
        t.setCell(1, column, blank);
    for (int column : {StokTutar, StokTopTutar, TopTutar})
        t.setCell(1, column, amount);
}

void writeTotals(PrintTable &t, int row, const FixedValues &v)
{
    t.setCell(row, TopTutar, v.topl);
    t.setCell(row, TopIndirim, v.topi);
    t.setCell(row, TopKdv, v.topk);
    t.setCell(row, GenelToplam, v.gtop);
    t.setCell(row, KdvTutarlari, QString());
    t.setCell(row, GenelToplamYazi, v.words);
}

std::optional<double> amountOf(const PrintTable &t, int row, int column)
{
    return parseNumber(t.cell(row, column));
}

} // namespace

LoadingListInput loadingListInput(const LoadingReport &report)
{
    LoadingListInput in;
    const MemTable &t = report.l1().table();
    const int sira = t.fieldIndex(LoadingField::sira), stokkod = t.fieldIndex(LoadingField::stokkod),
              ack = t.fieldIndex(LoadingField::ack), birim = t.fieldIndex(LoadingField::birim),
              birimfiyat = t.fieldIndex(LoadingField::birimfiyat), kdv = t.fieldIndex(LoadingField::kdv),
              miktar = t.fieldIndex(LoadingField::miktar), tutar = t.fieldIndex(LoadingField::tutar);
    // A waybill holds every line in the list's own order (its SIRA numbers),
    // whatever the screen sorts, filters out or folds away.
    for (int r = 0; r < t.rowCount(); ++r) {
        in.rows.append({t.value(r, sira), t.value(r, stokkod), t.value(r, ack), t.value(r, birim),
                        t.value(r, birimfiyat), t.value(r, kdv), t.value(r, miktar), t.value(r, tutar)});
    }
    const LoadingReport::Customer &c = report.customer();
    in.unvn = c.unvn;
    in.vno = c.vno;
    in.vd = c.vd;
    in.tel = c.tel;
    in.adr = c.adr;
    in.shr = c.shr;
    const LoadingReport::Totals &totals = report.totals();
    in.topl = totals.topl;
    in.topi = totals.topi;
    in.topk = totals.topk;
    in.gtop = totals.gtop;
    return in;
}

LoadingListForms loadingListForms(const LoadingListInput &input, int rowsPerForm, const QDateTime &now)
{
    LoadingListForms result;
    rowsPerForm = std::max(1, rowsPerForm);

    FixedValues v;
    v.date = now.date().toString(QStringLiteral("dd.MM.yyyy"));
    v.time = now.time().toString(QStringLiteral("HH:mm"));
    v.topl = grouped(input.topl);
    v.topi = grouped(input.topi);
    v.topk = grouped(input.topk);
    v.gtop = grouped(input.gtop);
    try {
        v.words = amountinwords(QString(input.gtop).remove(QLatin1Char('.')), QStringLiteral("TL."),
                                QStringLiteral("Kuruş"));
    } catch (const Error &e) {
        result.error = e.description();
        return result;
    }

    const int n = int(input.rows.size());
    // Each form starts from a table of its own size: clearing one sized for
    // the whole list at every form made long lists quadratic.
    const int formRows = std::min(rowsPerForm, n);
    PrintTable table(formRows);
    int row = 0;
    double carried = 0;
    for (int i = 0; i < n; ++i) {
        ++row;
        if (row > rowsPerForm) {
            result.forms.append(table.firstRows(row - 1));
            table = PrintTable(formRows);
            writeCarriedForward(table, input, v, carried);
            row = 2;
        }
        writeItem(table, row, input, input.rows.at(i), v);
        const std::optional<double> amount = amountOf(table, row, StokTutar);
        const std::optional<double> discount = amountOf(table, row, StokIndirim);
        if (!amount) {
            result.error = QStringLiteral("%1. satırın tutarı sayı değil: \"%2\"")
                               .arg(input.rows.at(i).sira, table.cell(row, StokTutar));
            return result;
        }
        carried += *amount - discount.value_or(0);
        table.setCell(row, TopTutar, carriedText(carried));
    }
    writeTotals(table, row, v);
    result.forms.append(table.firstRows(row));
    return result;
}

} // namespace tarvel
