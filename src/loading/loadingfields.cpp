#include "loading/loadingfields.h"

#include "grid/datagrid.h"
#include "printing/printfields.h"

namespace tarvel {

using namespace PrintField;

const QList<LoadingColumn> &loadingColumns()
{
    static const QList<LoadingColumn> columns{
        {.field = LoadingField::sira,
         .caption = QStringLiteral("SIRA"),
         .printFields = {StokSira},
         .width = 40,
         .alignment = Qt::AlignCenter,
         .footer = GridTotal::rowCount()},
        {.field = LoadingField::stokkod,
         .caption = QStringLiteral("KODU"),
         .printFields = {StokKodu},
         .width = 150,
         .maxLength = 250},
        {.field = LoadingField::ack,
         .caption = QStringLiteral("AÇIKLAMA"),
         .printFields = {StokCinsi},
         .width = 350,
         .maxLength = 250},
        {.field = LoadingField::birim,
         .caption = QStringLiteral("BİRİM"),
         .printFields = {StokBirim},
         .width = 64,
         .alignment = Qt::AlignCenter},
        {.field = LoadingField::birimfiyat,
         .caption = QStringLiteral("BİRİM FİYAT"),
         .printFields = {StokBirimFiyat},
         .width = 100,
         .alignment = Qt::AlignRight},
        {.field = LoadingField::kdv,
         .caption = QStringLiteral("KDV"),
         .printFields = {StokKdv},
         .width = 40,
         .alignment = Qt::AlignCenter},
        {.field = LoadingField::miktar,
         .caption = QStringLiteral("MİKTAR"),
         .printFields = {StokMiktar},
         .width = 64,
         .alignment = Qt::AlignRight,
         .footer = GridTotal::sumOf(LoadingField::miktar)},
        {.field = LoadingField::tutar,
         .caption = QStringLiteral("TUTAR"),
         .printFields = {StokTutar, StokTopTutar},
         .width = 100,
         .alignment = Qt::AlignRight,
         .footer = GridTotal::sumOf(LoadingField::tutar, QStringLiteral("###,###0.00"))},
    };
    return columns;
}

int loadingColumnIndex(const QString &field)
{
    const QList<LoadingColumn> &columns = loadingColumns();
    int index = 0;
    while (index < columns.size() && columns.at(index).field != field)
        ++index;
    Q_ASSERT_X(index < columns.size(), "loadingColumnIndex", "no such field of the loading list");
    return index;
}

void buildLoadingList(DataGrid &grid)
{
    MemTable &t = grid.table();
    const QList<LoadingColumn> &columns = loadingColumns();
    for (const LoadingColumn &column : columns)
        t.addField(column.field, column.maxLength);
    t.setKeyField(LoadingField::sira);
    for (int c = 0; c < columns.size(); ++c) {
        const LoadingColumn &column = columns.at(c);
        grid.addColumn({.objectName = QStringLiteral("DBGridColumn%1").arg(c + 1),
                        .caption = column.caption,
                        .field = column.field,
                        .width = column.width,
                        .alignment = column.alignment,
                        .footer = column.footer,
                        .readOnly = true});
    }
}

LoadingRow::LoadingRow() : m_values(loadingColumns().size()) {}

LoadingRow::LoadingRow(std::initializer_list<QPair<QString, QString>> texts) : LoadingRow()
{
    for (const auto &[field, text] : texts)
        set(field, text);
}

const QList<LoadingBoxField<LoadingCustomer>> &customerFields()
{
    static const QList<LoadingBoxField<LoadingCustomer>> fields{
        {QStringLiteral("unvn"), QStringLiteral("Ünvanı"), CariUnvan, &LoadingCustomer::unvn},
        {QStringLiteral("vno"), QStringLiteral("Vergi No"), CariVergiNo, &LoadingCustomer::vno},
        {QStringLiteral("vd"), QStringLiteral("V.Dairesi"), CariVergiDairesi, &LoadingCustomer::vd},
        {QStringLiteral("tel"), QStringLiteral("Telefon"), CariTelefon, &LoadingCustomer::tel},
        {QStringLiteral("adr"), QStringLiteral("Adres"), CariAdres, &LoadingCustomer::adr},
        {QStringLiteral("shr"), QStringLiteral("Şehir"), CariSehir, &LoadingCustomer::shr},
    };
    return fields;
}

const QList<LoadingBoxField<LoadingTotals>> &totalFields()
{
    static const QList<LoadingBoxField<LoadingTotals>> fields{
        {QStringLiteral("topl"), QStringLiteral("Toplam"), TopTutar, &LoadingTotals::topl},
        {QStringLiteral("topi"), QStringLiteral("Toplam İndirim"), TopIndirim, &LoadingTotals::topi},
        {QStringLiteral("topk"), QStringLiteral("Toplam Kdv"), TopKdv, &LoadingTotals::topk},
        {QStringLiteral("gtop"), QStringLiteral("Net"), GenelToplam, &LoadingTotals::gtop},
    };
    return fields;
}

QList<QPair<QString, QString>> boxFieldValues(const LoadingCustomer &customer, const LoadingTotals &totals)
{
    QList<QPair<QString, QString>> values;
    for (const auto &field : customerFields())
        values.append({field.name, customer.*field.member});
    for (const auto &field : totalFields())
        values.append({field.name, totals.*field.member});
    return values;
}

} // namespace tarvel
