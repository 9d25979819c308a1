#pragma once

#include <QList>
#include <QString>

namespace tarvel {

// One document ticked in a picker, as the report it is handed to reads it:
// its reference and the texts of its row as the picker's list shows them.
// A picker hands every ticked row at once, in display order, so the report
// knows the whole run before it reads the first document.
struct PickedDocument {
    QString ref{};    // LOGICALREF
    QString tarih{};  // the date as the list shows it (dd.MM.yyyy, with the time when not midnight)
    QString fisno{};  // FICHENO
    QString belno{};  // DOCODE
    QString unvani{}; // the customer's title
    QString tutar{};  // the total after discounts
    QString tip{};    // TRCODE
    QString satici{}; // the salesman's code; empty where the list has no salesman (orders, waybills)
};
using PickedDocuments = QList<PickedDocument>;

// Check1 "Aynı Ürünleri Birleştir" of the waybill picker, irsaliyebul's birlestir.
enum class Merge {
    None,     // every waybill line becomes a row
    SameItems // a line joins the row that already holds its item code
};

// Check2 "Kdv Dahil" and Check3 "Ek Vergi Hesaplansın" of the analysis
// pickers, the analysis' kdvdahilsec and ekvergisec.
enum class VatMode { Excluded, Included };
enum class ExtraTax { NotCounted, Counted };
struct AnalysisOptions {
    VatMode kdvdahilsec = VatMode::Excluded;
    ExtraTax ekvergisec = ExtraTax::NotCounted;
};

} // namespace tarvel
