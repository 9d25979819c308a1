#include "loading/forms/loadinglistforms.h"

#include "foundation/base/errors.h"
#include "foundation/base/numbers.h"
#include "loading/loadingreport.h"

#include <algorithm>
#include <optional>

namespace tarvel {

namespace {

using namespace PrintField;

// The values taken once when printing starts.
struct FixedValues {
    QString date, time;
    LoadingTotals totals; // grouped
    QString words;
};

// A totals caption in the grouped pattern; a caption that is no number stays
// as it is, as the pattern leaves such a text.
QString grouped(const QString &caption)
{
    const std::optional<double> value = parseNumber(caption);
    return value ? formatGrouped2(*value) : caption;
}

void writeHeading(PrintTable &t, int row, const LoadingListInput &in, const FixedValues &v)
{
    t.setCell(row, IrsaliyeTarihi, v.date);
    t.setCell(row, IrsaliyeSaati, v.time);
    for (const auto &field : customerFields())
        t.setCell(row, field.printField, in.customer.*field.member);
}

void writeItem(PrintTable &t, int row, const LoadingListInput &in, const LoadingRow &r, const FixedValues &v)
{
    writeHeading(t, row, in, v);
    // The waybill number, contact and barcode are not known here, unless the
    // list has a column for them.
    for (int column : {IrsaliyeNo, CariYetkili, StokBarkod})
        t.setCell(row, column, QString());
    const QList<LoadingColumn> &columns = loadingColumns();
    for (int c = 0; c < columns.size(); ++c) {
        for (int column : columns.at(c).printFields)
            t.setCell(row, column, r.at(c));
    }
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
    for (const auto &field : totalFields())
        t.setCell(row, field.printField, v.totals.*field.member);
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
    LoadingListInput in{.rows = {}, .customer = report.customer(), .totals = report.totals()};
    const MemTable &t = report.l1().table();
    QList<int> fields;
    for (const LoadingColumn &column : loadingColumns())
        fields << t.fieldIndex(column.field);
    // A waybill holds every line in the list's own order (its SIRA numbers),
    // whatever the screen sorts, filters out or folds away.
    in.rows.reserve(t.rowCount());
    for (int r = 0; r < t.rowCount(); ++r) {
        LoadingRow row;
        for (int c = 0; c < fields.size(); ++c)
            row.setAt(c, t.value(r, fields.at(c)));
        in.rows.append(row);
    }
    return in;
}

LoadingListForms loadingListForms(const LoadingListInput &input, int rowsPerForm, const QDateTime &now)
{
    LoadingListForms result;
    rowsPerForm = std::max(1, rowsPerForm);

    FixedValues v;
    v.date = now.date().toString(QStringLiteral("dd.MM.yyyy"));
    v.time = now.time().toString(QStringLiteral("HH:mm"));
    for (const auto &field : totalFields())
        v.totals.*field.member = grouped(input.totals.*field.member);
    try {
        v.words = amountinwords(QString(input.totals.gtop).remove(QLatin1Char('.')), QStringLiteral("TL."),
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
                               .arg(input.rows.at(i).value(LoadingField::sira), table.cell(row, StokTutar));
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
