#pragma once

#include "documents/pickeddocument.h"
#include "erpread/erpreader.h"
#include "foundation/base/progressstate.h"
#include "foundation/base/result.h"
#include "foundation/erp/reportcontext.h"
#include "grid/datagrid.h"
#include "loading/loadingfields.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <memory>

namespace tarvel {

// The fields of the waybill list l2, each name written once (the loading
// list's are in loadingfields.h).
namespace WaybillField {
inline const QString fisno = QStringLiteral("fisno");
inline const QString tarih = QStringLiteral("tarih");
} // namespace WaybillField

// The vehicle loading report's screen without its window (tarvelfatura): the
// loading list l1, the waybill list l2, the customer fields, the totals panel
// and the progress bar. The waybills ticked in the picker are handed to it,
// the printing reads it, tarvel-report prints it.
class LoadingReport : public QObject {
    Q_OBJECT
public:
    using Customer = LoadingCustomer;
    using Totals = LoadingTotals;

    explicit LoadingReport(const ReportContext &context, QObject *parent = nullptr);
    ~LoadingReport() override;

    const ReportContext &context() const { return m_context; }
    // The window learns the firm and period only after its list appearance
    // is applied (start-up order); the next statement uses them.
    void setContext(const ReportContext &context) { m_context = context; }
    DataGrid &l1() { return m_l1; }
    const DataGrid &l1() const { return m_l1; }
    DataGrid &l2() { return m_l2; }
    const DataGrid &l2() const { return m_l2; }
    const Customer &customer() const { return m_customer; }
    // The user's own text in a customer field: printing takes the fields as
    // they stand. No fieldsChanged: the window already shows it.
    void setCustomer(const Customer &customer) { m_customer = customer; }
    const Totals &totals() const { return m_totals; }
    ProgressState &pr1() { return m_pr1; }

    // The waybills ticked in the picker, in that order: both lists emptied,
    // the totals back at "0,00" (the customer fields stay), pr1 counting
    // 1..n, one irsaliyebul per waybill (a reference given twice is loaded once), the first row current at
    // the end. Nothing at all for no waybill. Fails with what irsaliyebul throws: the waybills handed
    // before stay, and the list is shown again with pr1 back at 0 all the same.
    Result<void> handOver(const PickedDocuments &waybills, Merge birlestir);
    // The start of a hand-over: empties both lists and sets the four totals
    // to "0,00"; the customer fields stay. No waybill customer and no
    // deleted row are counted any more.
    void beginHandOver();
    // Adds one waybill (its LOGICALREF) to the lists; Merge::SameItems merges
    // lines into the row of the same item code. Throws ErpError/Error: the
    // hand-over stops there, rows and totals written before stay.
    void irsaliyebul(const QString &ref, Merge birlestir);
    // Adds quantity and amount into the first row holding the item code; false
    // when there is none.
    bool listekontrol(const QString &kod, double miktar, const QString &tutar);

    // "Satır Sil": deletes the current row of l1 when confirmed, then numbers
    // the rows 1..n again whatever the answer.
    void deleteCurrentRow(bool confirmed);
    // The rows deleted since the last hand-over: the totals still count them.
    int deletedRows() const { return m_deletedRows; }

    // The customers of the listed waybills, each once, in hand-over order: a
    // card's title, or its reference where the waybill's customer has no
    // active card.
    QStringList waybillCustomers() const;
    // What a printout must say first, each empty when it does not apply:
    // the waybills belong to several customers but the forms carry one
    // name; rows were deleted but the totals are the whole waybills'.
    QString mixedCustomersNote() const;
    QString deletedRowsNote() const;

    // The loading list's appearance: section "Fl1" of list.velmor in the
    // program directory (the waybill picker keeps section "l1" of the same
    // file). Failures are ignored.
    void listeyukle();
    void saveAppearance() const;

    // The window caption: "ARAÇ YÜKLEME RAPORU", three blanks and line 9 of
    // fytPar.velmor in the program directory (the firm name of the
    // settings). firmName is the name last read in this run, kept by the
    // caller: a file with a ninth line replaces it, a missing file or line
    // leaves it and the caption shows it.
    static QString caption(const QString &programDir, QString &firmName);
    // Status panel 4: firm name, the period number and the period's dates,
    // parts of the stored choices split at every "-" (blanks kept), joined by
    // two blanks; empty when a part is missing.
    static QString statusText(const QString &fir, const QString &don);

signals:
    // The customer fields or the totals changed.
    void fieldsChanged();

private:
    // The reads of a hand-over, declared with it.
    struct Reads;
    // The waybills the hand-over will add, before the first: in sets mode
    // their headers, lines, customer, item and unit cards are then read a
    // few hundred at a time.
    void expectWaybills(const PickedDocuments &waybills);
    // A read of the hand-over: its rows of a reference.
    ErpRows handOverRead(const ErpReader::Read Reads::*read, const QString &ref);
    void noteCustomer(const QString &clientRef, const QString &title);

    ReportContext m_context;
    std::unique_ptr<Reads> m_reads;
    DataGrid m_l1;
    DataGrid m_l2;
    Customer m_customer;
    Totals m_totals;
    ProgressState m_pr1;
    // CLIENTREF -> the customer's title, in hand-over order.
    QList<QPair<QString, QString>> m_waybillCustomers;
    int m_deletedRows = 0;
    // The merge index: item code -> the first row (in stored order) holding it,
    // valid for the list as it was at m_indexedAt.
    struct IndexStamp {
        quint64 structure = 0;
        quint64 codes = 0;
        bool operator==(const IndexStamp &) const = default;
    };
    IndexStamp indexStamp() const;
    void ensureItemIndex();
    QHash<QString, int> m_rowOfItem;
    IndexStamp m_indexedAt;
};

} // namespace tarvel
