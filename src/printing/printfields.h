#pragma once

#include <QString>
#include <QStringList>

namespace tarvel {

// The waybill report's fields: a layout control whose tag is one of these
// names (exactly, case included) receives the print table's text in that
// field's column for each record.
namespace PrintField {
enum : int {
    IrsaliyeNo = 1,
    IrsaliyeTarihi = 2,
    TopTutar = 3,
    TopIndirim = 4,
    TopKdv = 5,
    GenelToplam = 6,
    GenelToplamYazi = 7,
    CariUnvan = 9,
    CariYetkili = 10,
    CariVergiNo = 11,
    CariVergiDairesi = 12,
    CariTelefon = 13,
    CariAdres = 14,
    CariSehir = 15,
    StokSira = 16,
    StokBarkod = 17,
    StokKodu = 18,
    StokCinsi = 19,
    StokKdv = 20,
    StokBirim = 21,
    StokBirimFiyat = 22,
    StokMiktar = 23,
    StokTutar = 24,
    StokIndirim = 25,
    StokTopTutar = 26,
    IrsaliyeSaati = 27,
    KdvTutarlari = 28,
};
// Columns 0 to 30 of the print table; 0, 8, 29 and 30 carry no field.
constexpr int columnCount = 31;

// The column of a tag, -1 when the tag names no field.
int number(const QString &tag);
// The field name of a column, empty for a column without a field.
QString name(int number);
// Every field name, in the order of the waybill: document, customer, item.
QStringList names();
} // namespace PrintField

} // namespace tarvel
