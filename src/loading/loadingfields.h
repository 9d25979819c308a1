#pragma once

#include "grid/gridcolumn.h"
#include "printing/printfields.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <initializer_list>

namespace tarvel {

class DataGrid;

// The fields of the loading list l1, each name written once: a misspelt field
// does not compile.
namespace LoadingField {
inline const QString sira = QStringLiteral("sira");
inline const QString stokkod = QStringLiteral("stokkod");
inline const QString ack = QStringLiteral("ack");
inline const QString birim = QStringLiteral("birim");
inline const QString birimfiyat = QStringLiteral("birimfiyat");
inline const QString kdv = QStringLiteral("kdv");
inline const QString miktar = QStringLiteral("miktar");
inline const QString tutar = QStringLiteral("tutar");
} // namespace LoadingField

// A column of the loading list: its field (tarvel-report's rows are keyed by
// it), the caption over it, the waybill form's fields that print it
// (PrintField), its width and alignment on the screen, the longest text it
// keeps and its footer. loadingColumns() is the list's field set: the list,
// its printing, tarvel-report and the designer's sample list follow it, so a
// column is added here (its LoadingField and its entry), where the waybill
// fills it (LoadingReport::irsaliyebul) and in the sample list.
struct LoadingColumn {
    QString field;
    QString caption;
    QList<int> printFields;
    int width = 64;
    Qt::Alignment alignment = Qt::AlignLeft;
    int maxLength = 50;
    GridTotal footer{};
};

// The loading list's columns, in the order the list shows them.
inline const QList<LoadingColumn> &loadingColumns()
{
    static const QList<LoadingColumn> columns{
        {.field = LoadingField::sira,
         .caption = QStringLiteral("SIRA"),
         .printFields = {PrintField::StokSira},
         .width = 40,
         .alignment = Qt::AlignCenter,
         .footer = GridTotal::rowCount()},
        {.field = LoadingField::stokkod,
         .caption = QStringLiteral("KODU"),
         .printFields = {PrintField::StokKodu},
         .width = 150,
         .maxLength = 250},
        {.field = LoadingField::ack,
         .caption = QStringLiteral("AÇIKLAMA"),
         .printFields = {PrintField::StokCinsi},
         .width = 350,
         .maxLength = 250},
        {.field = LoadingField::birim,
         .caption = QStringLiteral("BİRİM"),
         .printFields = {PrintField::StokBirim},
         .width = 64,
         .alignment = Qt::AlignCenter},
        {.field = LoadingField::birimfiyat,
         .caption = QStringLiteral("BİRİM FİYAT"),
         .printFields = {PrintField::StokBirimFiyat},
         .width = 100,
         .alignment = Qt::AlignRight},
        {.field = LoadingField::kdv,
         .caption = QStringLiteral("KDV"),
         .printFields = {PrintField::StokKdv},
         .width = 40,
         .alignment = Qt::AlignCenter},
        {.field = LoadingField::miktar,
         .caption = QStringLiteral("MİKTAR"),
         .printFields = {PrintField::StokMiktar},
         .width = 64,
         .alignment = Qt::AlignRight,
         .footer = GridTotal::sumOf(LoadingField::miktar)},
        {.field = LoadingField::tutar,
         .caption = QStringLiteral("TUTAR"),
         .printFields = {PrintField::StokTutar, PrintField::StokTopTutar},
         .width = 100,
         .alignment = Qt::AlignRight,
         .footer = GridTotal::sumOf(LoadingField::tutar, QStringLiteral("###,###0.00"))},
    };
    return columns;
}

// The position of a field in loadingColumns(); an unknown field is a
// programming error.
int loadingColumnIndex(const QString &field);
// The empty loading list: its fields and its read-only columns
// DBGridColumn1..n, keyed by sira.
void buildLoadingList(DataGrid &grid);

// A row of the loading list as its printing takes it: the text of each
// column, by field.
class LoadingRow {
public:
    LoadingRow();
    // The texts of the fields given; the others stay empty.
    explicit LoadingRow(std::initializer_list<QPair<QString, QString>> texts);
    const QString &value(const QString &field) const { return m_values.at(loadingColumnIndex(field)); }
    void set(const QString &field, const QString &text) { m_values[loadingColumnIndex(field)] = text; }
    // By position in loadingColumns().
    const QString &at(int column) const { return m_values.at(column); }
    void setAt(int column, const QString &text) { m_values[column] = text; }

private:
    QStringList m_values;
};

// The customer box "Cari Hesap Bilgileri".
struct LoadingCustomer {
    QString unvn, vno, vd, tel, adr, shr;
};
// The totals panel "Toplamlar". The captions are the store of the totals:
// each waybill adds to the number a caption shows and writes it back with
// two decimals.
struct LoadingTotals {
    QString topl = QStringLiteral("0,00"); // gross
    QString topi = QStringLiteral("0,00"); // discounts
    QString topk = QStringLiteral("0,00"); // VAT
    QString gtop = QStringLiteral("0,00"); // net
};

// A field of the customer box or of the totals panel: its name (the window's
// widget, tarvel-report's field), its caption in the window, the waybill
// form's field that prints it (PrintField; the totals on the last form only)
// and where the report keeps it.
template <typename Box> struct LoadingBoxField {
    QString name;
    QString caption;
    int printField;
    QString Box::*member;
};

// In the order tarvel-report writes them.
inline const QList<LoadingBoxField<LoadingCustomer>> &customerFields()
{
    static const QList<LoadingBoxField<LoadingCustomer>> fields{
        {QStringLiteral("unvn"), QStringLiteral("Ünvanı"), PrintField::CariUnvan, &LoadingCustomer::unvn},
        {QStringLiteral("vno"), QStringLiteral("Vergi No"), PrintField::CariVergiNo, &LoadingCustomer::vno},
        {QStringLiteral("vd"), QStringLiteral("V.Dairesi"), PrintField::CariVergiDairesi,
         &LoadingCustomer::vd},
        {QStringLiteral("tel"), QStringLiteral("Telefon"), PrintField::CariTelefon, &LoadingCustomer::tel},
        {QStringLiteral("adr"), QStringLiteral("Adres"), PrintField::CariAdres, &LoadingCustomer::adr},
        {QStringLiteral("shr"), QStringLiteral("Şehir"), PrintField::CariSehir, &LoadingCustomer::shr},
    };
    return fields;
}

inline const QList<LoadingBoxField<LoadingTotals>> &totalFields()
{
    static const QList<LoadingBoxField<LoadingTotals>> fields{
        {QStringLiteral("topl"), QStringLiteral("Toplam"), PrintField::TopTutar, &LoadingTotals::topl},
        {QStringLiteral("topi"), QStringLiteral("Toplam İndirim"), PrintField::TopIndirim,
         &LoadingTotals::topi},
        {QStringLiteral("topk"), QStringLiteral("Toplam Kdv"), PrintField::TopKdv, &LoadingTotals::topk},
        {QStringLiteral("gtop"), QStringLiteral("Net"), PrintField::GenelToplam, &LoadingTotals::gtop},
    };
    return fields;
}

// The customer fields, then the totals: name and text.
QList<QPair<QString, QString>> boxFieldValues(const LoadingCustomer &customer, const LoadingTotals &totals);

} // namespace tarvel
