#pragma once

#include <QString>

namespace tarvel {

class DataGrid;

// The three analysis windows share one list design; these are its differences.
enum class AnalysisKind { Invoice, Order, Material };

struct AnalysisDesign {
    QString appearanceFile;  // list appearance side file in the program folder, section "Fl1"
    QString documentCaption; // caption of the heading column bound to fatbilgi
    QString groupTotalText;  // text of MALZEME CİNSİ on the group total rows
    QString groupingCaption; // Check1
    QString heading;         // the heading box of the window
    QString vatLabelName;    // the label that shows the VAT mode of the last document
};
const AnalysisDesign &analysisDesign(AnalysisKind kind);

// The analysis list l1: its fields (all text, key sira) and its 22 columns in
// collection order, the index the appearance file uses. The order list has no
// toptutar field (its TOP. TUTAR column totals nettutar), and only the invoice
// list has satici: the other lists keep column 21 hidden and unbound, so the
// column indexes of the three appearance files mean the same.
//
// KARLILIK totals geneltoporan in the footer and kartop per group: the first
// is written on one row of the list, the second on each document's last row,
// so the sums show the overall and the document's profitability.
void buildAnalysisList(DataGrid &grid, AnalysisKind kind);

// The fields of the analysis list, each name written once (toptutar: not in
// the order list; satici: the invoice list's only).
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
