#pragma once

#include <QList>
#include <QString>
#include <optional>

namespace tarvel {

// The four report windows of the main window, in tab order.
enum class ReportKind { Loading = 0, InvoiceAnalysis = 1, OrderAnalysis = 2, MaterialAnalysis = 3 };

struct ReportInfo {
    ReportKind kind;
    QString objectName;    // tarvelfatura, karanalizform, ...
    QString tabCaption;    // exactly as the tab shows it, five blanks each side
    QString windowCaption; // the child window's own caption (the material window has none)
};

// The four windows in tab order: index i of the list is tab i.
const QList<ReportInfo> &reportCatalog();
const ReportInfo &reportInfo(ReportKind kind);

// tabdanformyukle picks windows by the tab's caption text, not by its index:
// every window whose tab caption equals the text exactly (none for any other text).
QList<ReportKind> reportsForTabCaption(const QString &caption);

// The analysis window that the "Karlılık Analizi" context menu works on for the
// active tab; the loading report's tab (0) and unknown indexes have none.
std::optional<ReportKind> analysisForTab(int tabIndex);

} // namespace tarvel
