#include "demowords.h"

#include "foundation/base/numbers.h"

namespace tarvel::demo::words {

namespace {

// "NAME|variety,variety|size:factor,size:factor|unit set|vat|cost|special code|group|additional tax"
QVector<ProductKind> productKinds(const QStringList &rows)
{
    QVector<ProductKind> kinds;
    for (const QString &row : rows) {
        const QStringList f = row.split(QLatin1Char('|'));
        Q_ASSERT(f.size() == 9);
        ProductKind kind;
        kind.name = f.at(0);
        kind.varieties = f.at(1).split(QLatin1Char(','));
        kind.sizes = f.at(2).split(QLatin1Char(','));
        kind.unitSet = f.at(3).toInt();
        kind.vat = f.at(4).toDouble();
        kind.cost = f.at(5).toDouble();
        kind.specode = f.at(6);
        kind.group = f.at(7);
        kind.addTax = f.at(8).toDouble();
        kinds.push_back(kind);
    }
    return kinds;
}

bool isBackVowel(QChar c)
{
    return QStringLiteral("AIOU").contains(c);
}

bool isVowel(QChar c)
{
    return QStringLiteral("AIOUEİÖÜ").contains(c);
}

} // namespace

const QVector<City> &cities()
{
    static const QVector<City> list{
        {QStringLiteral("İSTANBUL"),
         QStringLiteral("0216"),
         {QStringLiteral("KADIKÖY"), QStringLiteral("ÜSKÜDAR"), QStringLiteral("ÜMRANİYE"),
          QStringLiteral("ATAŞEHİR")}},
        {QStringLiteral("İSTANBUL"),
         QStringLiteral("0212"),
         {QStringLiteral("BEŞİKTAŞ"), QStringLiteral("ŞİŞLİ"), QStringLiteral("BAĞCILAR"),
          QStringLiteral("GÜNGÖREN"), QStringLiteral("KÜÇÜKÇEKMECE")}},
        {QStringLiteral("ANKARA"),
         QStringLiteral("0312"),
         {QStringLiteral("ÇANKAYA"), QStringLiteral("KEÇİÖREN"), QStringLiteral("YENİMAHALLE"),
          QStringLiteral("ETİMESGUT")}},
        {QStringLiteral("İZMİR"),
         QStringLiteral("0232"),
         {QStringLiteral("KARŞIYAKA"), QStringLiteral("BORNOVA"), QStringLiteral("KONAK"),
          QStringLiteral("BUCA")}},
        {QStringLiteral("BURSA"),
         QStringLiteral("0224"),
         {QStringLiteral("NİLÜFER"), QStringLiteral("OSMANGAZİ"), QStringLiteral("İNEGÖL")}},
        {QStringLiteral("KONYA"),
         QStringLiteral("0332"),
         {QStringLiteral("SELÇUKLU"), QStringLiteral("MERAM"), QStringLiteral("KARATAY")}},
        {QStringLiteral("ESKİŞEHİR"),
         QStringLiteral("0222"),
         {QStringLiteral("ODUNPAZARI"), QStringLiteral("TEPEBAŞI")}},
        {QStringLiteral("GAZİANTEP"),
         QStringLiteral("0342"),
         {QStringLiteral("ŞAHİNBEY"), QStringLiteral("ŞEHİTKAMİL"), QStringLiteral("NİZİP")}},
        {QStringLiteral("ŞANLIURFA"),
         QStringLiteral("0414"),
         {QStringLiteral("HALİLİYE"), QStringLiteral("EYYÜBİYE"), QStringLiteral("SİVEREK")}},
        {QStringLiteral("MUĞLA"),
         QStringLiteral("0252"),
         {QStringLiteral("BODRUM"), QStringLiteral("FETHİYE"), QStringLiteral("MENTEŞE")}},
        {QStringLiteral("ÇORUM"),
         QStringLiteral("0364"),
         {QStringLiteral("OSMANCIK"), QStringLiteral("SUNGURLU")}},
        {QStringLiteral("AĞRI"),
         QStringLiteral("0472"),
         {QStringLiteral("DOĞUBAYAZIT"), QStringLiteral("PATNOS")}},
        {QStringLiteral("DÜZCE"),
         QStringLiteral("0380"),
         {QStringLiteral("AKÇAKOCA"), QStringLiteral("GÖLYAKA")}},
        {QStringLiteral("IĞDIR"),
         QStringLiteral("0476"),
         {QStringLiteral("ARALIK"), QStringLiteral("TUZLUCA")}},
        {QStringLiteral("GÜMÜŞHANE"),
         QStringLiteral("0456"),
         {QStringLiteral("KELKİT"), QStringLiteral("ŞİRAN")}},
        {QStringLiteral("KIRŞEHİR"),
         QStringLiteral("0386"),
         {QStringLiteral("KAMAN"), QStringLiteral("MUCUR")}},
        {QStringLiteral("ÇANAKKALE"),
         QStringLiteral("0286"),
         {QStringLiteral("GELİBOLU"), QStringLiteral("BİGA")}},
        {QStringLiteral("TRABZON"),
         QStringLiteral("0462"),
         {QStringLiteral("ORTAHİSAR"), QStringLiteral("AKÇAABAT")}},
    };
    return list;
}

const QStringList &firstNames()
{
    static const QStringList list{
        QStringLiteral("AHMET"),   QStringLiteral("MEHMET"), QStringLiteral("MUSTAFA"),
        QStringLiteral("AYŞE"),    QStringLiteral("FATMA"),  QStringLiteral("EMİNE"),
        QStringLiteral("HÜSEYİN"), QStringLiteral("HASAN"),  QStringLiteral("İBRAHİM"),
        QStringLiteral("İSMAİL"),  QStringLiteral("ÖMER"),   QStringLiteral("ZEYNEP"),
        QStringLiteral("ELİF"),    QStringLiteral("ŞÜKRÜ"),  QStringLiteral("GÜLŞEN"),
        QStringLiteral("ÇAĞRI"),   QStringLiteral("ÖZGÜR"),  QStringLiteral("ÜMİT"),
        QStringLiteral("İLKNUR"),  QStringLiteral("SİBEL"),  QStringLiteral("DİLEK"),
        QStringLiteral("CEMİL"),   QStringLiteral("RÜŞTÜ"),  QStringLiteral("NURGÜL"),
        QStringLiteral("YUSUF"),   QStringLiteral("BÜŞRA"),  QStringLiteral("KÜBRA"),
        QStringLiteral("TUĞBA"),   QStringLiteral("OĞUZ"),   QStringLiteral("IŞIL"),
    };
    return list;
}

const QStringList &surnames()
{
    static const QStringList list{
        QStringLiteral("YILMAZ"),   QStringLiteral("KAYA"),   QStringLiteral("DEMİR"),
        QStringLiteral("ŞAHİN"),    QStringLiteral("ÇELİK"),  QStringLiteral("YILDIZ"),
        QStringLiteral("YILDIRIM"), QStringLiteral("ÖZTÜRK"), QStringLiteral("AYDIN"),
        QStringLiteral("ÖZDEMİR"),  QStringLiteral("ARSLAN"), QStringLiteral("DAĞLI"),
        QStringLiteral("KILIÇ"),    QStringLiteral("ÇETİN"),  QStringLiteral("KARA"),
        QStringLiteral("ÖZCAN"),    QStringLiteral("KURT"),   QStringLiteral("ÖZKAN"),
        QStringLiteral("ŞİMŞEK"),   QStringLiteral("POLAT"),  QStringLiteral("ÖZER"),
        QStringLiteral("GÜNEŞ"),    QStringLiteral("AKTAŞ"),  QStringLiteral("BULUT"),
        QStringLiteral("KESKİN"),   QStringLiteral("ÜNAL"),   QStringLiteral("ÇAKIR"),
        QStringLiteral("GÜLER"),    QStringLiteral("TEKİN"),  QStringLiteral("ERDEM"),
        QStringLiteral("KORKMAZ"),  QStringLiteral("KAPLAN"), QStringLiteral("AVCI"),
        QStringLiteral("SARI"),     QStringLiteral("ACAR"),   QStringLiteral("TUNÇ"),
        QStringLiteral("GÖKÇE"),    QStringLiteral("SÖNMEZ"), QStringLiteral("UYSAL"),
        QStringLiteral("ÇİFTÇİ"),   QStringLiteral("IŞIK"),   QStringLiteral("DURMUŞ"),
        QStringLiteral("ÖZBEY"),    QStringLiteral("AKGÜL"),
    };
    return list;
}

const QStringList &legalForms()
{
    static const QStringList list{QStringLiteral("LTD. ŞTİ."), QStringLiteral("A.Ş."),
                                  QStringLiteral("SAN. VE TİC. LTD. ŞTİ."), QStringLiteral("TİC. LTD. ŞTİ."),
                                  QString()};
    return list;
}

const QStringList &supplierLegalForms()
{
    static const QStringList list{QStringLiteral("A.Ş."), QStringLiteral("SAN. VE TİC. A.Ş."),
                                  QStringLiteral("SAN. VE TİC. LTD. ŞTİ.")};
    return list;
}

const QStringList &neighbourhoods()
{
    static const QStringList list{
        QStringLiteral("Yeşilyurt Mah."),   QStringLiteral("Çamlık Mah."),
        QStringLiteral("Güzelyalı Mah."),   QStringLiteral("Gülbahçe Mah."),
        QStringLiteral("Şirinevler Mah."),  QStringLiteral("Ilıca Mah."),
        QStringLiteral("Kültür Mah."),      QStringLiteral("Esentepe Mah."),
        QStringLiteral("Bağlarbaşı Mah."),  QStringLiteral("Sağlık Mah."),
        QStringLiteral("Üniversite Mah."),  QStringLiteral("Köprübaşı Mah."),
        QStringLiteral("Değirmenönü Mah."), QStringLiteral("Çiçekli Mah."),
    };
    return list;
}

const QStringList &streets()
{
    static const QStringList list{
        QStringLiteral("Atatürk Cad."),      QStringLiteral("Cumhuriyet Cad."),
        QStringLiteral("İnönü Bulvarı"),     QStringLiteral("Gül Sk."),
        QStringLiteral("Çınar Sk."),         QStringLiteral("Öğretmenler Cad."),
        QStringLiteral("Değirmen Sk."),      QStringLiteral("Üzüm Sk."),
        QStringLiteral("Hürriyet Cad."),     QStringLiteral("Işıklar Cad."),
        QStringLiteral("İstasyon Cad."),     QStringLiteral("Şehitler Cad."),
        QStringLiteral("Fevzi Çakmak Cad."), QStringLiteral("Söğütlü Çeşme Sk."),
    };
    return list;
}

const QVector<UnitSetDefinition> &unitSets()
{
    static const QVector<UnitSetDefinition> list{
        {QStringLiteral("01"),
         QStringLiteral("ADET"),
         {{QStringLiteral("ADET"), QStringLiteral("ADET")},
          {QStringLiteral("DÜZ"), QStringLiteral("DÜZİNE"), 1, 12}}},
        {QStringLiteral("02"),
         QStringLiteral("ADET-KOLİ (12'Lİ)"),
         {{QStringLiteral("ADET"), QStringLiteral("ADET")},
          {QStringLiteral("KOLİ"), QStringLiteral("KOLİ"), 1, 12}}},
        {QStringLiteral("03"),
         QStringLiteral("ADET-KOLİ (24'LÜ)"),
         {{QStringLiteral("ADET"), QStringLiteral("ADET")},
          {QStringLiteral("KOLİ"), QStringLiteral("KOLİ"), 1, 24}}},
        {QStringLiteral("04"),
         QStringLiteral("KİLOGRAM"),
         {{QStringLiteral("KG"), QStringLiteral("KG")},
          {QStringLiteral("GR"), QStringLiteral("GRAM"), 1000, 1},
          {QStringLiteral("ÇUVAL"), QStringLiteral("ÇUVAL (50 KG)"), 1, 50}}},
        {QStringLiteral("05"),
         QStringLiteral("LİTRE"),
         {{QStringLiteral("LT"), QStringLiteral("LİTRE")},
          {QStringLiteral("BİDON"), QStringLiteral("BİDON (5 LT)"), 1, 5}}},
        {QStringLiteral("06"),
         QStringLiteral("PAKET"),
         {{QStringLiteral("PK"), QStringLiteral("PAKET")},
          {QStringLiteral("KOLİ"), QStringLiteral("KOLİ"), 1, 20}}},
        {QStringLiteral("07"), QStringLiteral("KOLİ"), {{QStringLiteral("KOLİ"), QStringLiteral("KOLİ")}}},
    };
    return list;
}

const TradeProfile &foodTrade()
{
    static const TradeProfile profile{
        QStringLiteral("KARAÇAM GIDA DAĞITIM SAN. VE TİC. LTD. ŞTİ."),
        {{QStringLiteral("GIDA"), QStringLiteral("Gıda Ürünleri")},
         {QStringLiteral("ŞARKÜTERİ"), QStringLiteral("Şarküteri Ürünleri")},
         {QStringLiteral("KURUYEMİŞ"), QStringLiteral("Kuruyemiş")},
         {QStringLiteral("ŞEKERLEME"), QStringLiteral("Şekerleme ve Tatlılar")},
         {QStringLiteral("İÇECEK"), QStringLiteral("İçecekler")},
         {QStringLiteral("TEMİZLİK"), QStringLiteral("Temizlik Ürünleri")},
         {QStringLiteral("KİŞ.BAKIM"), QStringLiteral("Kişisel Bakım Ürünleri")},
         {QStringLiteral("TARIM"), QStringLiteral("Tarım ve Hayvancılık")},
         {QStringLiteral("DONDURULMUŞ"), QStringLiteral("Dondurulmuş Ürünler")}},
        productKinds({
            QStringLiteral(
                "TOZ ŞEKER|KRİSTAL,KÜP|1 KG:1,3 KG:2.9,5 KG:4.8|1|1|38|GIDA|ŞEKER VE TATLANDIRICI|0"),
            QStringLiteral(
                "AYÇİÇEK YAĞI|RAFİNE,KIZARTMALIK|1 LT:1,2 LT:1.95,5 LT:4.7|1|1|62|GIDA|SIVI YAĞLAR|0"),
            QStringLiteral(
                "ZEYTİNYAĞI|NATÜREL SIZMA,RİVİERA,ERKEN HASAT|500 ML:1,1 LT:1.9,5 LT:9|1|1|180|GIDA|"
                "SIVI YAĞLAR|0"),
            QStringLiteral(
                "MAKARNA|SPAGETTİ,BURGU,KALEM,FİYONK,ŞEHRİYE,İNCE ERİŞTE|500 GR:1,1 KG:1.9|2|1|14|GIDA|"
                "MAKARNA VE UN|0"),
            QStringLiteral("PİRİNÇ|BALDO,OSMANCIK,JASMİN|1 KG:1,2.5 KG:2.4,5 KG:4.7|1|1|55|GIDA|BAKLİYAT|0"),
            QStringLiteral("KIRMIZI MERCİMEK|,İRİ|1 KG:1,2.5 KG:2.4|1|1|42|GIDA|BAKLİYAT|0"),
            QStringLiteral("NOHUT|KOÇBAŞI,|1 KG:1,5 KG:4.7|1|1|48|GIDA|BAKLİYAT|0"),
            QStringLiteral("KURU FASULYE|ŞEKER,DERMASON|1 KG:1,5 KG:4.7|1|1|70|GIDA|BAKLİYAT|0"),
            QStringLiteral("BULGUR|PİLAVLIK,KÖFTELİK|1 KG:1,2.5 KG:2.4|1|1|24|GIDA|BAKLİYAT|0"),
            QStringLiteral(
                "BUĞDAY UNU|TİP 1,TİP 2,ÇÖREKLİK|1 KG:1,5 KG:4.6,50 KG:42|1|1|16|GIDA|MAKARNA VE UN|0"),
            QStringLiteral(
                "SİYAH ÇAY|TOMURCUK,FİLİZ,BERGAMOTLU,DEMLİK POŞET|500 GR:1,1 KG:1.9,3 KG:5.5|1|1|120|"
                "GIDA|ÇAY VE KAHVE|0"),
            QStringLiteral("TÜRK KAHVESİ|ORTA KAVRULMUŞ,DAMLA SAKIZLI|100 GR:1,250 GR:2.3|2|1|45|GIDA|"
                           "ÇAY VE KAHVE|0"),
            QStringLiteral("DOMATES SALÇASI||830 GR:1,1650 GR:1.9,4300 GR:4.8|1|1|38|GIDA|KONSERVE|0"),
            QStringLiteral("BİBER SALÇASI|TATLI,ACI|830 GR:1,1650 GR:1.9|1|1|52|GIDA|KONSERVE|0"),
            QStringLiteral("TON BALIĞI|ZEYTİNYAĞLI,LİMONLU|80 GR:1,160 GR:1.9|2|8|25|GIDA|KONSERVE|0"),
            QStringLiteral("ZEYTİN (DÖKME)|SİYAH GEMLİK,YEŞİL ÇİZİK,KURU SELE|:1|3|1|140|GIDA|KAHVALTILIK|0"),
            QStringLiteral("BEYAZ PEYNİR|İNEK,KEÇİ,TAM YAĞLI|:1|3|1|210|ŞARKÜTERİ|KAHVALTILIK|0"),
            QStringLiteral("KAŞAR PEYNİRİ|TAZE,ESKİ|:1|3|1|300|ŞARKÜTERİ|KAHVALTILIK|0"),
            QStringLiteral("SUCUK|KANGAL,BALIK|:1|3|1|420|ŞARKÜTERİ|ET ÜRÜNLERİ|0"),
            QStringLiteral("TEREYAĞI||250 GR:1,500 GR:1.95,1 KG:3.8|1|1|95|ŞARKÜTERİ|KAHVALTILIK|0"),
            QStringLiteral("SÜZME BAL|ÇİÇEK,ÇAM,KESTANE|450 GR:1,850 GR:1.85|1|1|140|GIDA|KAHVALTILIK|0"),
            QStringLiteral("ÜZÜM PEKMEZİ|,KEÇİBOYNUZU|700 GR:1|1|1|60|GIDA|KAHVALTILIK|0"),
            QStringLiteral("TAHİN|BOZ,|300 GR:1,600 GR:1.9|1|1|65|GIDA|KAHVALTILIK|0"),
            QStringLiteral("FINDIK İÇİ|KAVRULMUŞ,ÇİĞ|:1|3|1|380|KURUYEMİŞ|KURUYEMİŞ|0"),
            QStringLiteral("ANTEP FISTIĞI|KAVRULMUŞ TUZLU,ÇİĞ|:1|3|1|720|KURUYEMİŞ|KURUYEMİŞ|0"),
            QStringLiteral("LEBLEBİ|SARI,BEYAZ,ŞEKERLİ|:1|3|1|95|KURUYEMİŞ|KURUYEMİŞ|0"),
            QStringLiteral("BİSKÜVİ|KAKAOLU,SÜTLÜ,TAHILLI|100 GR:1,300 GR:2.7|2|10|9|ŞEKERLEME|"
                           "BİSKÜVİ VE ŞEKERLEME|0"),
            QStringLiteral("LOKUM|GÜLLÜ,NARLI,FINDIKLI,ÇİFTE KAVRULMUŞ|250 GR:1,500 GR:1.9|2|10|40|ŞEKERLEME|"
                           "BİSKÜVİ VE ŞEKERLEME|0"),
            QStringLiteral(
                "HELVA|TAHİN,KAKAOLU,FISTIKLI|500 GR:1,1 KG:1.9|2|10|55|ŞEKERLEME|BİSKÜVİ VE ŞEKERLEME|0"),
            QStringLiteral("ÇİKOLATA|SÜTLÜ,BİTTER,FINDIKLI|80 GR:1,200 GR:2.3|2|10|18|ŞEKERLEME|"
                           "BİSKÜVİ VE ŞEKERLEME|0"),
            QStringLiteral("MADEN SUYU|SADE,LİMONLU,ELMALI|200 ML:1|2|20|4|İÇECEK|İÇECEKLER|0"),
            QStringLiteral("GAZLI İÇECEK|KOLA,GAZOZ,PORTAKALLI|330 ML:1,1 LT:2.4,2.5 LT:4.8|2|20|9|İÇECEK|"
                           "İÇECEKLER|2.5"),
            QStringLiteral(
                "MEYVE SUYU|VİŞNE,ŞEFTALİ,KAYISI,KARIŞIK|200 ML:1,1 LT:3.5|2|20|6|İÇECEK|İÇECEKLER|0"),
            QStringLiteral("AYRAN||200 ML:1,1 LT:3.8|2|1|5|İÇECEK|İÇECEKLER|0"),
            QStringLiteral("İÇME SUYU||500 ML:1,1.5 LT:1.8,19 LT DAMACANA:9|2|1|3|İÇECEK|İÇECEKLER|0"),
            QStringLiteral("ŞALGAM SUYU|ACILI,ACISIZ|1 LT:1|2|20|22|İÇECEK|İÇECEKLER|0"),
            QStringLiteral("SIVI BULAŞIK DETERJANI|LİMONLU,ELMALI|750 ML:1,1500 ML:1.9|1|20|35|TEMİZLİK|"
                           "TEMİZLİK ÜRÜNLERİ|0"),
            QStringLiteral("TOZ ÇAMAŞIR DETERJANI|RENKLİLER,BEYAZLAR|1.5 KG:1,4.5 KG:2.8,9 KG:5.3|1|20|90|"
                           "TEMİZLİK|TEMİZLİK ÜRÜNLERİ|0"),
            QStringLiteral(
                "ÇAMAŞIR SUYU|ÇAM KOKULU,ULTRA|1 LT:1,3.5 LT:3.2|1|20|18|TEMİZLİK|TEMİZLİK ÜRÜNLERİ|0"),
            QStringLiteral(
                "YUMUŞATICI|BAHAR ESİNTİSİ,LAVANTA|1 LT:1,3 LT:2.8|1|20|40|TEMİZLİK|TEMİZLİK ÜRÜNLERİ|0"),
            QStringLiteral("YÜZEY TEMİZLEYİCİ|,ÇAM|1 LT:1,2.5 LT:2.3|1|20|30|TEMİZLİK|TEMİZLİK ÜRÜNLERİ|0"),
            QStringLiteral("KAĞIT HAVLU|3 KATLI,2 KATLI|6'LI:1,12'Lİ:1.9|5|20|60|TEMİZLİK|KAĞIT ÜRÜNLERİ|0"),
            QStringLiteral("TUVALET KAĞIDI|3 KATLI|16'LI:1,32'Lİ:1.9|5|20|110|TEMİZLİK|KAĞIT ÜRÜNLERİ|0"),
            QStringLiteral("ÇÖP POŞETİ|BÜYÜK BOY,ORTA BOY,JUMBO|10'LU:1|5|20|15|TEMİZLİK|KAĞIT ÜRÜNLERİ|0"),
            QStringLiteral("SIVI SABUN|ZEYTİNYAĞLI,GÜL,LİMON|500 ML:1,1.5 LT:2.7|1|20|28|KİŞ.BAKIM|"
                           "KİŞİSEL BAKIM|0"),
            QStringLiteral("ŞAMPUAN|KEPEĞE KARŞI,ISIRGANLI,BEBEK|400 ML:1,700 ML:1.6|1|20|45|KİŞ.BAKIM|"
                           "KİŞİSEL BAKIM|0"),
            QStringLiteral(
                "DİŞ MACUNU|NANE,BEYAZLATICI|75 ML:1,125 ML:1.5|2|18|30|KİŞ.BAKIM|KİŞİSEL BAKIM|0"),
            QStringLiteral(
                "KOLONYA|LİMON,LAVANTA,FINDIK ÇİÇEĞİ|250 ML:1,400 ML:1.5,1 LT:3.4|1|20|40|KİŞ.BAKIM|"
                "KİŞİSEL BAKIM|1.5"),
            QStringLiteral("ISLAK MENDİL|,ANTİBAKTERİYEL|90'LI:1|2|20|22|KİŞ.BAKIM|KİŞİSEL BAKIM|0"),
            QStringLiteral(
                "ÇOCUK BEZİ|MİDİ,MAXİ,JUNİOR|30'LU:1,60'LI:1.9|5|20|180|KİŞ.BAKIM|KİŞİSEL BAKIM|0"),
            QStringLiteral("EKİMLİK TOHUM|BUĞDAY,ARPA|25 KG:1,50 KG:1.95|1|0|300|TARIM|TARIM ÜRÜNLERİ|0"),
            QStringLiteral("TAVUK YEMİ|YUMURTA,BESİ|25 KG:1,50 KG:1.95|1|8|260|TARIM|TARIM ÜRÜNLERİ|0"),
            QStringLiteral("DONDURULMUŞ SEBZE|GARNİTÜR,BEZELYE,ISPANAK|450 GR:1,2.5 KG:5|2|10|30|DONDURULMUŞ|"
                           "DONDURULMUŞ GIDALAR|0"),
            QStringLiteral("PATATES|KIZARTMALIK,BAHARATLI|1 KG:1,2.5 KG:2.4|2|10|40|DONDURULMUŞ|"
                           "DONDURULMUŞ GIDALAR|0"),
        }),
        {QStringLiteral("GÜNEYKAYA"), QStringLiteral("ÖZBAĞLAR"), QStringLiteral("AKÇAKÖY"),
         QStringLiteral("KIRLANGIÇ"), QStringLiteral("YAYLADERE"), QStringLiteral("ÇİNİTEPE"),
         QStringLiteral("GÖKSÖĞÜT"), QStringLiteral("ŞENÇİFTLİK"), QStringLiteral("İNCEBEL"),
         QStringLiteral("ILGINKÖY"), QStringLiteral("SARIYAPRAK"), QStringLiteral("ÇAMKÖŞE"),
         QStringLiteral("KARAAĞAÇ"), QStringLiteral("DEDEBAĞ"), QStringLiteral("ÜÇTEPE"),
         QStringLiteral("BEREKETOVA")},
        {QStringLiteral("GIDA"), QStringLiteral("MARKET"), QStringLiteral("BAKKALİYESİ"),
         QStringLiteral("ŞARKÜTERİ"), QStringLiteral("TOPTAN GIDA"), QStringLiteral("KURUYEMİŞ"),
         QStringLiteral("UNLU MAMULLERİ"), QStringLiteral("SÜPERMARKET"), QStringLiteral("GIDA PAZARLAMA"),
         QStringLiteral("TİCARET"), QStringLiteral("BÜFE"), QStringLiteral("KASAP VE ŞARKÜTERİ"),
         QStringLiteral("RESTORAN"), QStringLiteral("OTELCİLİK"), QStringLiteral("PASTANESİ"),
         QStringLiteral("ÇAY OCAĞI")},
        {QStringLiteral("UN SANAYİ"), QStringLiteral("YAĞ SANAYİ"), QStringLiteral("GIDA SANAYİ"),
         QStringLiteral("DAĞITIM VE PAZARLAMA"), QStringLiteral("İTHALAT İHRACAT"),
         QStringLiteral("KİMYA SANAYİ"), QStringLiteral("İÇECEK SANAYİ")},
        {QStringLiteral("Nakliye Hizmeti (Şehir İçi)"), QStringLiteral("Nakliye Hizmeti (Şehir Dışı)"),
         QStringLiteral("Palet Ücreti"), QStringLiteral("Depolama Hizmeti"),
         QStringLiteral("Raf Düzenleme Hizmeti"), QStringLiteral("Soğuk Zincir Taşıma Ücreti"),
         QStringLiteral("Etiketleme Hizmeti"), QStringLiteral("Eski Hizmet Kartı (Kullanılmıyor)")},
        QStringLiteral("ZİNCİR MARKETLER GRUBU"),
    };
    return profile;
}

const TradeProfile &stationeryTrade()
{
    static const TradeProfile profile{
        QStringLiteral("ÇINARLI KIRTASİYE VE OFİS ÜRÜNLERİ A.Ş."),
        {{QStringLiteral("KAĞIT"), QStringLiteral("Kağıt Ürünleri")},
         {QStringLiteral("KALEM"), QStringLiteral("Kalem ve Yazı Gereçleri")},
         {QStringLiteral("DOSYA"), QStringLiteral("Dosyalama")},
         {QStringLiteral("BOYA"), QStringLiteral("Boya ve Resim Malzemesi")},
         {QStringLiteral("KİTAP"), QStringLiteral("Kitap")},
         {QStringLiteral("ÇANTA"), QStringLiteral("Çanta")}},
        productKinds({
            QStringLiteral("A4 FOTOKOPİ KAĞIDI|80 GR,70 GR|500'LÜ TOP:1|5|20|110|KAĞIT|KAĞIT ÜRÜNLERİ|0"),
            QStringLiteral("TÜKENMEZ KALEM|MAVİ,SİYAH,KIRMIZI|TEKLİ:1,50'Lİ KUTU:45|0|20|6|KALEM|"
                           "YAZI GEREÇLERİ|0"),
            QStringLiteral("KURŞUN KALEM|HB,2B|12'Lİ:1|0|20|30|KALEM|YAZI GEREÇLERİ|0"),
            QStringLiteral("SİLGİ|BEYAZ,ÇİFT RENKLİ|:1|0|20|5|KALEM|YAZI GEREÇLERİ|0"),
            QStringLiteral("DEFTER|KARELİ,ÇİZGİLİ,DÜZ|60 YP:1,100 YP:1.5|2|20|20|KAĞIT|DEFTER|0"),
            QStringLiteral("KLASÖR|GENİŞ,DAR|:1|2|20|30|DOSYA|DOSYALAMA|0"),
            QStringLiteral("ŞEFFAF DOSYA||100'LÜ:1|5|20|70|DOSYA|DOSYALAMA|0"),
            QStringLiteral("ZIMBA TELİ|NO:10,24/6|1000'Lİ:1|5|20|12|DOSYA|DOSYALAMA|0"),
            QStringLiteral("YAPIŞKANLI NOT KAĞIDI|SARI,NEON|75X75:1|5|20|15|KAĞIT|KAĞIT ÜRÜNLERİ|0"),
            QStringLiteral("PASTEL BOYA||12'Lİ:1,24'LÜ:1.8|2|20|40|BOYA|SANAT MALZEMESİ|0"),
            QStringLiteral("SULU BOYA||12 RENK:1|2|20|35|BOYA|SANAT MALZEMESİ|0"),
            QStringLiteral("MAKAS|OKUL TİPİ,OFİS|:1|0|20|25|KALEM|YAZI GEREÇLERİ|0"),
            QStringLiteral("HİKÂYE KİTABI|ÇOCUK,GENÇLİK|:1|0|0|60|KİTAP|KİTAP|0"),
            QStringLiteral("SÖZLÜK|İNGİLİZCE-TÜRKÇE,TÜRKÇE|:1|0|0|150|KİTAP|KİTAP|0"),
            QStringLiteral("OKUL ÇANTASI|İLKOKUL,ORTAOKUL|:1|0|20|400|ÇANTA|ÇANTA|0"),
        }),
        {QStringLiteral("YAZGAN"), QStringLiteral("ÇİZGİ"), QStringLiteral("DEFNE"),
         QStringLiteral("ÖZKAĞIT")},
        {QStringLiteral("KIRTASİYE"), QStringLiteral("KİTABEVİ"), QStringLiteral("OFİS MALZEMELERİ"),
         QStringLiteral("FOTOKOPİ")},
        {QStringLiteral("KAĞIT SANAYİ"), QStringLiteral("DAĞITIM")},
        {QStringLiteral("Kargo Ücreti"), QStringLiteral("Baskı Hizmeti"), QStringLiteral("Ciltleme")},
        QStringLiteral("OKUL KANTİNLERİ VE KIRTASİYELER GRUBU"),
    };
    return profile;
}

const QVector<CodeDefinition> &waybillSpecialCodes()
{
    static const QVector<CodeDefinition> list{
        {QStringLiteral("ŞEHİRİÇİ"), QStringLiteral("Şehir İçi Sevkiyat")},
        {QStringLiteral("ŞEHİRDIŞI"), QStringLiteral("Şehir Dışı Sevkiyat")},
        {QStringLiteral("ARAÇ-1"), QStringLiteral("Kamyonet 1 - Merkez Depo")},
        {QStringLiteral("ARAÇ-2"), QStringLiteral("Kamyon 2 - Bölge Dağıtım")},
        {QStringLiteral("MÜŞTERİ'DE"), QStringLiteral("Müşteri'de Teslim")},
        {QStringLiteral("İADE-DÖNÜŞ"), QStringLiteral("İade Dönüşü Sevkiyat")},
    };
    return list;
}

const QVector<CodeDefinition> &accountSpecialCodes()
{
    static const QVector<CodeDefinition> list{
        {QStringLiteral("BAYİ"), QStringLiteral("Bayi")},
        {QStringLiteral("MARKET"), QStringLiteral("Market ve Bakkal")},
        {QStringLiteral("TOPTANCI"), QStringLiteral("Toptancı")},
        {QStringLiteral("HORECA"), QStringLiteral("Otel, Restoran, Kafe")},
        {QStringLiteral("ZİNCİR"), QStringLiteral("Zincir Mağaza")},
        {QStringLiteral("KAMU"), QStringLiteral("Kamu Kurumu")},
        {QStringLiteral("TEDARİKÇİ"), QStringLiteral("Tedarikçi")},
    };
    return list;
}

const QVector<CodeDefinition> &accountGroupCodes()
{
    static const QVector<CodeDefinition> list{
        {QStringLiteral("MARMARA"), QStringLiteral("Marmara Bölgesi")},
        {QStringLiteral("İÇ ANADOLU"), QStringLiteral("İç Anadolu Bölgesi")},
        {QStringLiteral("EGE"), QStringLiteral("Ege Bölgesi")},
        {QStringLiteral("KARADENİZ"), QStringLiteral("Karadeniz Bölgesi")},
        {QStringLiteral("DOĞU"), QStringLiteral("Doğu ve Güneydoğu Anadolu")},
    };
    return list;
}

const QVector<CodeDefinition> &itemSpecialCodes()
{
    static const QVector<CodeDefinition> list{
        {QStringLiteral("YERLİ"), QStringLiteral("Yerli Üretim")},
        {QStringLiteral("İTHAL"), QStringLiteral("İthal Ürün")},
        {QStringLiteral("SOĞUKZİNCİR"), QStringLiteral("Soğuk Zincir Gerektirir")},
        {QStringLiteral("KAMPANYA"), QStringLiteral("Kampanyalı Ürün")},
        {QStringLiteral("%50 İNDİRİM"), QStringLiteral("%50 İndirimli Raf")},
    };
    return list;
}

QString sentenceCase(const QString &upper)
{
    if (upper.isEmpty())
        return upper;
    const QLocale &tr = turkishLocale();
    return upper.left(1) + tr.toLower(upper.mid(1));
}

QString titleCase(const QString &upper)
{
    QStringList parts = upper.split(QLatin1Char(' '));
    for (QString &part : parts)
        part = sentenceCase(part);
    return parts.join(QLatin1Char(' '));
}

QString plural(const QString &upper)
{
    for (int i = int(upper.size()) - 1; i >= 0; --i) {
        if (isVowel(upper.at(i)))
            return upper + (isBackVowel(upper.at(i)) ? QStringLiteral("LAR") : QStringLiteral("LER"));
    }
    return upper + QStringLiteral("LER");
}

} // namespace tarvel::demo::words
