#pragma once

#include <QString>

namespace tarvel {

class DataGrid;

// The analyses share one list and one window design; each analysis declares
// its differences in a design of its own, which its model hands to
// ProfitAnalysis.
struct AnalysisDesign {
    QString appearanceFile;  // list appearance side file in the program folder, section "Fl1"
    QString documentCaption; // caption of the heading column bound to fatbilgi
    QString groupTotalText;  // text of MALZEME CİNSİ on the group total rows
    QString groupingCaption; // Check1
    QString heading;         // the heading box of the window
    QString vatLabelName;    // the label that shows the VAT mode of the last document
    // The list has toptutar; without it (orders) TOP. TUTAR totals nettutar.
    bool grossAmounts = true;
    // The list has satici, shown in column 22 "Satış Elemanı" (invoices).
    bool salesman = false;
    // The rows belong to documents: column 1 shows their number fatsirano
    // (the material run's rows belong to none, their number would be a "1" in every row).
    bool documentNumbers = true;
    // The rows carry their sales date in the heading fatbilgi, so the chart
    // offers profit per day (the material run).
    bool datedRows = false;
    // The headings name the document types 7 and 8 (invoices).
    bool documentTypeNames = false;
};

// The analysis list l1: its fields (all text, key sira) and its 22 columns in
// collection order, the index the appearance file uses. A list without
// toptutar (orders) totals nettutar in TOP. TUTAR, and a list without satici
// keeps column 21 hidden and unbound, so the column indexes of every
// appearance file mean the same.
//
// KARLILIK totals geneltoporan in the footer and kartop per group: the first
// is written on one row of the list, the second on each document's last row,
// so the sums show the overall and the document's profitability.
void buildAnalysisList(DataGrid &grid, const AnalysisDesign &design);

// The fields of the analysis list, each name written once (toptutar and
// satici: only in the lists whose design says so).
namespace AnalysisField {
inline const QString sira = QStringLiteral("sira");
inline const QString kod = QStringLiteral("kod");
inline const QString ack = QStringLiteral("ack");
inline const QString birim = QStringLiteral("birim");
inline const QString miktar = QStringLiteral("miktar");
inline const QString tutar = QStringLiteral("tutar");
inline const QString maliyet = QStringLiteral("maliyet");
inline const QString kar = QStringLiteral("kar");
inline const QString fisno = QStringLiteral("fisno");
inline const QString belgeno = QStringLiteral("belgeno");
inline const QString unvan = QStringLiteral("unvan");
inline const QString fark = QStringLiteral("fark");
inline const QString kartop = QStringLiteral("kartop");
inline const QString nettutar = QStringLiteral("nettutar");
inline const QString fatrefno = QStringLiteral("fatrefno");
inline const QString fatbilgi = QStringLiteral("fatbilgi");
inline const QString geneltoporan = QStringLiteral("geneltoporan");
inline const QString genelnettuar = QStringLiteral("genelnettuar");
inline const QString indirimtop = QStringLiteral("indirimtop");
inline const QString fatsirano = QStringLiteral("fatsirano");
inline const QString toptutar = QStringLiteral("toptutar");
inline const QString satici = QStringLiteral("satici");
} // namespace AnalysisField

// The columns the runs show and hide by name.
namespace AnalysisColumn {
inline constexpr int fatbilgi = 14;   // FATURA / SİPARİŞ
inline constexpr int indirimtop = 18; // İND.TOP.
inline constexpr int toptutar = 19;   // TOP. TUTAR
} // namespace AnalysisColumn

} // namespace tarvel
