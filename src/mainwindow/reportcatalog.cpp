#include "reportcatalog.h"

namespace tarvel {

const QList<ReportInfo> &reportCatalog()
{
    static const QList<ReportInfo> catalog{
        {ReportKind::Loading, QStringLiteral("tarvelfatura"), QStringLiteral("     ARAÇ YÜKLEME RAPORU     "),
         QStringLiteral("ARAÇ YÜKLEME RAPORU")},
        {ReportKind::InvoiceAnalysis, QStringLiteral("karanalizform"),
         QStringLiteral("     FATURA KARLILIK ANALİZİ     "), QStringLiteral("SATIŞ KARLILIK ANALİZİ")},
        {ReportKind::OrderAnalysis, QStringLiteral("sipkaranalizform"),
         QStringLiteral("     SİPARİŞ KARLILIK ANALİZİ     "), QStringLiteral("SİPARİŞ  KARLILIK ANALİZİ")},
        {ReportKind::MaterialAnalysis, QStringLiteral("malzemekaranalizform"),
         QStringLiteral("     MALZEME KARLILIK ANALİZİ     "), QString()},
    };
    return catalog;
}

const ReportInfo &reportInfo(ReportKind kind)
{
    return reportCatalog().at(int(kind));
}

QList<ReportKind> reportsForTabCaption(const QString &caption)
{
    QList<ReportKind> kinds;
    for (const ReportInfo &info : reportCatalog()) {
        if (info.tabCaption == caption)
            kinds << info.kind;
    }
    return kinds;
}

std::optional<ReportKind> analysisForTab(int tabIndex)
{
    switch (tabIndex) {
    case 1:
        return ReportKind::InvoiceAnalysis;
    case 2:
        return ReportKind::OrderAnalysis;
    case 3:
        return ReportKind::MaterialAnalysis;
    default:
        return std::nullopt;
    }
}

} // namespace tarvel
