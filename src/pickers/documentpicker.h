#pragma once

#include "documents/pickeddocument.h"
#include "erpread/erpreader.h"
#include "foundation/base/result.h"
#include "foundation/erp/reportcontext.h"
#include "grid/datagrid.h"

#include <QDate>
#include <QObject>
#include <QStringList>
#include <optional>

namespace tarvel {

// The fields of the document pickers' lists, each name written once: the
// shared ones every list has, then those some pickers add.
namespace PickerField {
inline const QString sec = QStringLiteral("sec");
inline const QString sira = QStringLiteral("sira");
inline const QString tarih = QStringLiteral("tarih");
inline const QString fisno = QStringLiteral("fisno");
inline const QString belno = QStringLiteral("belno");
inline const QString carikod = QStringLiteral("carikod");
inline const QString unvani = QStringLiteral("unvani");
inline const QString tutar = QStringLiteral("tutar");
inline const QString ref = QStringLiteral("ref");
inline const QString tip = QStringLiteral("tip");
inline const QString scari = QStringLiteral("scari");
inline const QString scarikod = QStringLiteral("scarikod");
inline const QString ind = QStringLiteral("ind");
inline const QString nettutar = QStringLiteral("nettutar");
inline const QString satici = QStringLiteral("satici");
} // namespace PickerField

// gosterbul's two searches: "Göster" lists anew, "Listeye Ekle" adds the
// documents found to the list.
enum class SearchMode { NewList, AddToList };

// The screen of a document picker without its window: the date range, the
// customer name and its reference, the special-code and document-type choices,
// the result list l1 with its check column, the search every picker shares
// (gosterbul) and the ticked documents it hands over. A picker is this class
// plus its filters, its statement and its row contents; it knows no report:
// the one that opened it takes picked() and the picker's options.
//
// Fields every picker's list has: sec sira tarih fisno belno carikod unvani
// tutar ref tip; a picker adds its own (addField) before its columns.
class DocumentPicker : public QObject {
    Q_OBJECT
public:
    ~DocumentPicker() override;

    const ReportContext &context() const { return m_context; }
    DataGrid &l1() { return m_l1; }
    const DataGrid &l1() const { return m_l1; }

    // ---- Dates: tr1, tr2 and their date keys (yyyymmdd) -------------------------
    QDate tr1() const { return m_tr1; }
    QDate tr2() const { return m_tr2; }
    void setTr1(const QDate &date);
    void setTr2(const QDate &date);
    QString startKey() const;
    QString endKey() const;

    // ---- Customer name cr and its reference crref ---------------------------------
    // cariyukle: the names of the active customer cards, in the order returned.
    QStringList customerNames() const { return m_customerNames; }
    const QString &cr() const { return m_cr; }
    const QString &crref() const { return m_crref; }
    // A change of cr (typed, chosen or set by the program): carirefbul with it;
    // the name cr already holds looks nothing up. Completion offers whole
    // names; a text that is none makes the search say so and list nothing.
    void setCr(const QString &name);
    // cr holds a text that is no active card's whole name.
    bool crNamesNoCard() const { return m_customerLookup == CustomerLookup::Unknown; }
    // The reference of a card chosen elsewhere ("Cari Kartlar"): wins over a
    // card of the same name.
    void setCrref(const QString &ref);

    // ---- Special code ozkod and document type irstip (waybill and invoice pickers) --
    const QStringList &specialCodes() const { return m_specialCodes; } // "Tümü", "CODE --> NAME", ...
    const QStringList &documentTypes() const { return m_documentTypes; }
    const QString &ozkod() const { return m_ozkod; }
    const QString &irstip() const { return m_irstip; }
    void setOzkod(const QString &text) { m_ozkod = text; }
    void setIrstip(const QString &text) { m_irstip = text; }

    // ---- Opening ---------------------------------------------------------------------
    // Dates to today minus the picker's span, the list appearance, the
    // customer names and the picker's own lists; every column but the check
    // column read-only. The list fills throw ErpError (shown in a plain message
    // box by the window); lists filled before the failure keep their entries.
    void open(const QDate &today);
    void listeyukle();
    void saveAppearance() const;

    // ---- The list ------------------------------------------------------------------------
    // "Göster" (NewList: the list is emptied first) and "Listeye Ekle"
    // (AddToList: appended). Returns what the status bar says of it: empty
    // when rows came; "Kayıt bulunamadı" when none did; "Cari bulunamadı:
    // NAME", and no search at all, when cr is a text that is no active
    // card's whole name. On a failing statement the list keeps the rows read
    // so far, its redrawing is resumed, and the error is returned.
    Result<QString> gosterbul(SearchMode mode);
    // What a search or a list that found nothing says.
    static QString noRecords();
    void clearList();
    void setAllTicked(bool ticked);
    // Double-click: flips the tick of a row ("True" <-> "False"; empty counts as "False").
    void toggle(int row);
    int tickedCount() const;

    // ---- Hand-over -------------------------------------------------------------------------
    // The ticked rows, in display order: what the report that opened the
    // picker takes, all at once.
    PickedDocuments picked() const;

signals:
    // The customer reference changed (crref follows cr).
    void crrefChanged(const QString &crref);

protected:
    struct Design {
        int spanDays = 7;            // tr1 = today - spanDays
        QString appearanceSection{}; // section of list.velmor
        bool specialCodesAndTypes = false;
    };
    DocumentPicker(const ReportContext &context, const Design &design, QObject *parent);

    // The fields and columns: the common fields come first (in this order:
    // sec sira tarih fisno belno carikod unvani tutar ref tip), then addField.
    void addField(const QString &name, int maxLength);
    // A plain column of l1 (left-aligned, no total).
    void addColumn(const char *name, const char *caption, const QString &field, int width,
                   bool visible = true);
    // The columns every picker's list starts with, at collection positions 0
    // to 7: the check column bound to sec, sira (hidden), tarih, fisno,
    // belno, carikod, unvani and ref (hidden).
    void addLeadingColumns();
    // The ship-to card's columns at positions 10 and 11: scarikod (hidden)
    // and scari "SEVKİYAT CARİSİ".
    void addShipToColumns(bool visible);
    // A tip column shows 7 as PARAKENDE and 8 as TOPTAN.
    static QHash<QString, QString> typeNames();

    // The statement of one search, built from the filters; none means no
    // search at all (a customer code that matches no card).
    virtual std::optional<QString> statement() = 0;
    // The picker's own fields of a result row (amounts, ship-to card,
    // salesman); sira, tarih, fisno, belno, tip, carikod, unvani and ref are
    // already written.
    virtual void fillRow(MemTable &list, const ErpRows &row) = 0;
    // The picker's own lists at opening (salesmen, payment types).
    virtual void openOwnLists() {}

    // Appends a row per document of a result as the search does (sira from
    // 1, the common fields, the customer card, then fillRow); a document the
    // list already holds is skipped. Returns the rows appended.
    int appendFound(ErpRows &documents);

    // Field of a list row as the list holds it; empty for a field the list lacks.
    QString rowField(int row, const QString &field) const;
    // ozkod's code (the text before " --> "), empty for "Tümü".
    QString specialCode() const;
    // irstip's TRCODE (its third character), empty for "Tümü".
    QString documentType() const;
    // "select * from <CLCARD> where ACTIVE='0' and LOGICALREF='<ref>'"; nothing when inactive or missing.
    // Within a search (openReads), the cards of its rows are read once for them all.
    ErpRows activeCard(const QString &ref);
    // The reads of one search, in the context's mode: its rows' customer cards
    // (wantCards). appendFound opens them when no search has; closeReads ends them.
    ErpReader &openReads();
    void closeReads();
    void wantCards(const ErpRows &rows);
    // The columns of a result row naming the cards its row shows (CLIENTREF; RECVREF too).
    virtual QStringList cardColumns() const { return {QStringLiteral("CLIENTREF")}; }

private:
    // What the lookup of cr found; a failed lookup is made again by the
    // search, which then reports the failure.
    enum class CustomerLookup { NoName, Found, Unknown, Failed };

    // gosterbul's search; throws ErpError.
    QString search(SearchMode mode);
    void carirefbul(const QString &name);
    CustomerLookup lookUpCustomer(const QString &name);
    void cariyukle();
    void ozelkodyukle();
    void irsaliyetipiyukle();
    QString appearanceFile() const;

    ReportContext m_context;
    Design m_design;
    DataGrid m_l1;
    QDate m_tr1;
    QDate m_tr2;
    QStringList m_customerNames;
    QString m_cr;
    QString m_crref;
    CustomerLookup m_customerLookup = CustomerLookup::NoName;
    QStringList m_specialCodes;
    QStringList m_documentTypes;
    QString m_ozkod;
    QString m_irstip;
    std::optional<ErpReader> m_reads;
    ErpReader::Read m_cardRead = 0;
};

} // namespace tarvel
