#pragma once

#include <QList>
#include <QString>
#include <optional>

namespace tarvel {

// The report catalog: every report window of the main window, each declared
// once below with its tab, its item in "İşlemler", its context menu and its
// tarvel-report command. The frame builds its tabs and menus from it and
// tarvel-report its command map and usage. What the catalog may not name,
// being below them, is handed in by the layers above: the window (app/main.cpp
// gives WindowFactory a creator per kind) and the command's function
// (cli/cli.h lists it beside the others).

// The report windows, in tab order.
enum class ReportKind { Loading, InvoiceAnalysis, OrderAnalysis, MaterialAnalysis };

// The frame's two context menus for its report windows; the frame hands each
// window the one of its kind.
enum class ContextMenu {
    Aracyuk,   // "Araç Yükleme Raporu": Önizleme, Yazdır, Liste Exel Kaydet, on the loading report
    Karanaliz, // "Karlılık Analizi": Yazdır > Yazdir, Exel Kaydet, on the active tab's analysis
};

// An item of the frame's menu "İşlemler" (islm) that brings the report to the front.
struct MenuItem {
    QString objectName; // empty: the report has no item
    QString text;
};

// A tarvel-report command as its usage lists it.
struct CliCommand {
    QString name;
    QString arguments;   // after the name; a line break goes on with the indentation written here
    QString description; // beside short arguments, else under them; one line each
};

struct ReportInfo {
    ReportKind kind;
    QString objectName;    // tarvelfatura, karanalizform, ...
    QString tabCaption;    // exactly as the tab shows it, five blanks each side
    QString windowCaption; // the child window's own caption (the material window has none)
    MenuItem menuItem;
    ContextMenu contextMenu;
    CliCommand cliCommand; // the command that prints the report's list as JSON
};

// The reports in tab order: index i of the list is tab i and ReportKind i.
inline const QList<ReportInfo> &reportCatalog()
{
    static const QList<ReportInfo> catalog{
        {.kind = ReportKind::Loading,
         .objectName = QStringLiteral("tarvelfatura"),
         .tabCaption = QStringLiteral("     ARAÇ YÜKLEME RAPORU     "),
         .windowCaption = QStringLiteral("ARAÇ YÜKLEME RAPORU"),
         .menuItem = {QStringLiteral("arcyuk"), QStringLiteral("Araç Yükleme Raporu")},
         .contextMenu = ContextMenu::Aracyuk,
         .cliCommand = {QStringLiteral("loading"), QStringLiteral("--refs R1,... [--merge] [--xls FILE]"),
                        QStringLiteral("the loading report of those waybills (JSON)")}},
        // "Karlılık Analizi" never had an action of its own; it opens the
        // invoice analysis, the first of the profit analyses.
        {.kind = ReportKind::InvoiceAnalysis,
         .objectName = QStringLiteral("karanalizform"),
         .tabCaption = QStringLiteral("     FATURA KARLILIK ANALİZİ     "),
         .windowCaption = QStringLiteral("SATIŞ KARLILIK ANALİZİ"),
         .menuItem = {QStringLiteral("karanalizmenu"), QStringLiteral("Karlılık Analizi")},
         .contextMenu = ContextMenu::Karanaliz,
         .cliCommand = {QStringLiteral("invoice-analysis"),
                        QStringLiteral("--refs R1,... [--vat-included] [--extra-tax]"),
                        QStringLiteral("the invoice profit analysis of those invoices (JSON)")}},
        {.kind = ReportKind::OrderAnalysis,
         .objectName = QStringLiteral("sipkaranalizform"),
         .tabCaption = QStringLiteral("     SİPARİŞ KARLILIK ANALİZİ     "),
         .windowCaption = QStringLiteral("SİPARİŞ  KARLILIK ANALİZİ"),
         .menuItem = {QStringLiteral("sipkaranalizmenu"), QStringLiteral("Sipariş Karlılık Analizi")},
         .contextMenu = ContextMenu::Karanaliz,
         .cliCommand = {QStringLiteral("order-analysis"),
                        QStringLiteral("--refs R1,... [--vat-included] [--extra-tax]"),
                        QStringLiteral("the order profit analysis of those orders (JSON)")}},
        {.kind = ReportKind::MaterialAnalysis,
         .objectName = QStringLiteral("malzemekaranalizform"),
         .tabCaption = QStringLiteral("     MALZEME KARLILIK ANALİZİ     "),
         .windowCaption = QString(),
         .menuItem = {},
         .contextMenu = ContextMenu::Karanaliz,
         .cliCommand = {QStringLiteral("material-analysis"),
                        QStringLiteral("--from yyyyMMdd --to yyyyMMdd [--name TEXT] [--special-code TEXT]\n"
                                       "         [--group-code TEXT] [--salesman REF ...] [--vat-included] "
                                       "[--extra-tax] [--grouped]"),
                        QStringLiteral("the material profit analysis run (JSON)")}},
    };
    return catalog;
}

inline const ReportInfo &reportInfo(ReportKind kind)
{
    const ReportInfo &info = reportCatalog().at(int(kind));
    Q_ASSERT(info.kind == kind);
    return info;
}

// tabdanformyukle picks windows by the tab's caption text, not by its index:
// every window whose tab caption equals the text exactly (none for any other text).
QList<ReportKind> reportsForTabCaption(const QString &caption);

// The analysis window that the "Karlılık Analizi" context menu works on for the
// active tab: the tab's report when it uses that menu; the loading report's tab
// and unknown indexes have none.
std::optional<ReportKind> analysisForTab(int tabIndex);

} // namespace tarvel
