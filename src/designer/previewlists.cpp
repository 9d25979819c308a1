#include "designer/previewlists.h"

#include "foundation/base/errors.h"
#include "foundation/base/numbers.h"
#include "foundation/base/sqlvalue.h"
#include "foundation/erp/erpsession.h"
#include "foundation/erp/openfailure.h"
#include "foundation/store/sharedsettings.h"
#include "loading/loadingreport.h"

#include <QDateTime>
#include <cmath>

namespace tarvel {

namespace {

struct SampleItem {
    const char *code, *name, *unit;
    double price;
    int vat;
};
// Goods of the demo company's trade, with long names among them.
constexpr SampleItem sampleItems[] = {
    {"BK.0101", "ŞENÇİFTLİK YEŞİL MERCİMEK 1 KG", "KOLİ", 1849.9, 1},
    {"BK.0102", "KIRMIZI MERCİMEK İRİ 2.5 KG", "KOLİ", 2418.75, 1},
    {"YG.0201", "AYÇİÇEK YAĞI 5 LT PET", "KOLİ", 8925.5, 10},
    {"IC.0301", "DOĞAL KAYNAK SUYU 0,5 LT x 24", "KOLİ", 96.4, 20},
    {"UN.0401", "BUĞDAY UNU TİP 550 50 KG", "ÇUVAL", 1125, 1},
    {"SK.0501", "TOZ ŞEKER 50 KG", "ÇUVAL", 2390, 1},
    {"MK.0601", "BURGU MAKARNA 500 GR", "KOLİ", 412.35, 1},
    {"CY.0701", "SİYAH ÇAY 1000 GR", "KOLİ", 5480, 1},
};

} // namespace

LoadingListInput sampleLoadingList(int rowsPerForm)
{
    LoadingListInput in;
    in.customer = {.unvn = QStringLiteral("MEHMET'İN GIDA PAZARLAMA LTD. ŞTİ."),
                   .vno = QStringLiteral("6130012345"),
                   .vd = QStringLiteral("KONAK"),
                   .tel = QStringLiteral("02324445566"),
                   .adr = QStringLiteral("ATATÜRK CAD. NO:125 KEMERALTI KONAK"),
                   .shr = QStringLiteral("İZMİR")};
    double gross = 0;
    double vat = 0;
    const int rows = std::max(1, rowsPerForm) + 3;
    for (int i = 0; i < rows; ++i) {
        const SampleItem &item = sampleItems[i % std::size(sampleItems)];
        const int quantity = 20 + (i * 37) % 130;
        const double amount = std::round(item.price * quantity * 100) / 100;
        in.rows << LoadingRow({{LoadingField::sira, QString::number(i + 1)},
                               {LoadingField::stokkod, QString::fromUtf8(item.code)},
                               {LoadingField::ack, QString::fromUtf8(item.name)},
                               {LoadingField::birim, QString::fromUtf8(item.unit)},
                               {LoadingField::birimfiyat, formatUpTo8(item.price)},
                               {LoadingField::kdv, QString::number(item.vat)},
                               {LoadingField::miktar, QString::number(quantity)},
                               {LoadingField::tutar, formatUpTo8(amount)}});
        gross += amount;
        vat += std::round(amount * item.vat) / 100;
    }
    in.totals = {.topl = formatFixed2(gross),
                 .topi = formatFixed2(0),
                 .topk = formatFixed2(vat),
                 .gtop = formatFixed2(gross + vat)};
    return in;
}

LoadingListInput waybillLoadingList(const ReportContext &context, const QStringList &numbers)
{
    // A waybill is loaded once, however often it is named.
    QStringList once = numbers;
    once.removeDuplicates();
    PickedDocuments waybills;
    for (const QString &number : std::as_const(once)) {
        // Sales waybills only, as the waybill picker lists them.
        const ErpRows found = context.query(
            QStringLiteral("select LOGICALREF from ") + context.periodTable(QStringLiteral("STFICHE")) +
            QStringLiteral(" where IOCODE='3' AND (TRCODE='8' OR TRCODE='7') AND FICHENO=") +
            sqlValue(number));
        if (found.eof())
            throw Error(QStringLiteral("Satış irsaliyesi bulunamadı: %1").arg(number));
        waybills.append({.ref = found.text(QStringLiteral("LOGICALREF"))});
    }
    // The hand-over the waybill picker makes.
    LoadingReport report(context);
    if (const Result<void> handed = report.handOver(waybills, Merge::None); !handed)
        throw handed.error();
    return loadingListInput(report);
}

Result<ReportContext> openErp(const AppPaths &paths)
{
    ErpSession &session = ErpSession::instance();
    const Result<void> connected = session.connect(paths.workDir, false);
    if (!connected) {
        const ErpServerSettings &settings = session.settings();
        const QString cause =
            session.storeError().isEmpty()
                ? describeOpenFailure(settings, connected.errorText(), session.primary().lastDiagnostics())
                      .text
                : settingsCheckMessage(session.storeError());
        return Error(
            QStringLiteral("ERP veritabanına bağlanılamadı (sunucu: \"%1\", veritabanı: \"%2\").\n%3")
                .arg(settings.server, settings.database, cause));
    }
    SharedSettings settings;
    if (const Result<void> read = oku(paths.workDir, settings); !read)
        return Error(settingsCheckMessage(read.errorText()));
    return ReportContext{paths, settings.fir, settings.don, session.primary()};
}

QList<WaybillReport> previewForms(const ReportLayout &layout, const LoadingListInput &input, int rowsPerForm)
{
    const LoadingListForms forms = loadingListForms(input, rowsPerForm, QDateTime::currentDateTime());
    if (!forms.error.isEmpty())
        throw Error(forms.error);
    QList<WaybillReport> reports;
    for (const PrintTable &form : forms.forms)
        reports << WaybillReport(layout, form);
    return reports;
}

} // namespace tarvel
