#include "printing/printfields.h"

#include <array>
#include <utility>

namespace tarvel::PrintField {

namespace {

using Entry = std::pair<const char *, int>;
constexpr std::array<Entry, 27> fields{{
    {"IRSALIYE NO", IrsaliyeNo},
    {"IRSALIYE TARIHI", IrsaliyeTarihi},
    {"IRSALIYE SAATI", IrsaliyeSaati},
    {"IRSALIYE TOP.TUTAR", TopTutar},
    {"IRSALIYE TOP.INDIRIM TUTARI", TopIndirim},
    {"IRSALIYE TOP.KDV TUTARI", TopKdv},
    {"IRSALIYE KDV TUTARLARI", KdvTutarlari},
    {"IRSALIYE GENEL TOPLAM", GenelToplam},
    {"IRSALIYE GENEL TOP.YAZI ILE", GenelToplamYazi},
    {"CARI UNVAN", CariUnvan},
    {"CARI YETKILI", CariYetkili},
    {"CARI VERGINO", CariVergiNo},
    {"CARI VERGIDAIRESI", CariVergiDairesi},
    {"CARI TELEFON", CariTelefon},
    {"CARI ADRES", CariAdres},
    {"CARI SEHIR", CariSehir},
    {"STOK LISTESIRANO", StokSira},
    {"STOK BARKOD", StokBarkod},
    {"STOK KODU", StokKodu},
    {"STOK CINSI", StokCinsi},
    {"STOK KDV", StokKdv},
    {"STOK BIRIM", StokBirim},
    {"STOK BIRIMFIYAT", StokBirimFiyat},
    {"STOK MIKTAR", StokMiktar},
    {"STOK TUTAR", StokTutar},
    {"STOK INDIRIM", StokIndirim},
    {"STOK TOPTUTAR", StokTopTutar},
}};

} // namespace

int number(const QString &tag)
{
    for (const auto &[fieldName, fieldNumber] : fields) {
        if (tag == QLatin1String(fieldName))
            return fieldNumber;
    }
    return -1;
}

QString name(int number)
{
    for (const auto &[fieldName, fieldNumber] : fields) {
        if (fieldNumber == number)
            return QString::fromLatin1(fieldName);
    }
    return {};
}

QStringList names()
{
    QStringList all;
    for (const auto &[fieldName, fieldNumber] : fields)
        all << QString::fromLatin1(fieldName);
    return all;
}

} // namespace tarvel::PrintField
