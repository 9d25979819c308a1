#include "reportcatalog.h"

namespace tarvel {

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
    const QList<ReportInfo> &catalog = reportCatalog();
    if (tabIndex < 0 || tabIndex >= catalog.size() ||
        catalog.at(tabIndex).contextMenu != ContextMenu::Karanaliz)
        return std::nullopt;
    return catalog.at(tabIndex).kind;
}

} // namespace tarvel
