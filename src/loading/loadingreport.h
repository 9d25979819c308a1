#pragma once

#include "foundation/progressstate.h"
#include "foundation/reportcontext.h"
#include "grid/datagrid.h"

#include <QHash>
#include <QObject>
#include <QString>

namespace tarvel {

// The vehicle loading report's screen without its window (tarvelfatura): the
// loading list l1, the waybill list l2, the customer fields, the totals panel
// and the progress bar. The waybill picker fills it through its hand-over, the
// printing reads it, tarvel-report prints it.
class LoadingReport : public QObject {
    Q_OBJECT
public:
    // The customer box "Cari Hesap Bilgileri".
    struct Customer {
        QString unvn, vno, vd, tel, adr, shr;
    };
    // The totals panel "Toplamlar". The captions are the store of the totals:
    // each waybill adds to the number a caption shows and writes it back with
    // two decimals.
    struct Totals {
        QString topl = QStringLiteral("0,00"); // gross
        QString topi = QStringLiteral("0,00"); // discounts
        QString topk = QStringLiteral("0,00"); // VAT
        QString gtop = QStringLiteral("0,00"); // net
    };

    explicit LoadingReport(const ReportContext &context, QObject *parent = nullptr);

    const ReportContext &context() const { return m_context; }
    DataGrid &l1() { return m_l1; }
    const DataGrid &l1() const { return m_l1; }
    DataGrid &l2() { return m_l2; }
    const DataGrid &l2() const { return m_l2; }
    const Customer &customer() const { return m_customer; }
    const Totals &totals() const { return m_totals; }
    ProgressState &pr1() { return m_pr1; }

    // What the waybill picker does before the first waybill of a hand-over:
    // empties both lists and sets the four totals to "0,00"; the customer
    // fields stay.
    void beginHandOver();
    // Adds one waybill (its LOGICALREF) to the lists; birlestir 1 merges lines
    // into the row of the same item code. Throws ErpError/Error: the hand-over
    // stops there, rows and totals written before stay.
    void irsaliyebul(const QString &ref, int birlestir);
    // Adds quantity and amount into the first row holding the item code; false
    // when there is none.
    bool listekontrol(const QString &kod, double miktar, const QString &tutar);

    // "Satır Sil": deletes the current row of l1 when confirmed, then numbers
    // the rows 1..n again whatever the answer.
    void deleteCurrentRow(bool confirmed);

signals:
    // The customer fields or the totals changed.
    void fieldsChanged();

private:
    ReportContext m_context;
    DataGrid m_l1;
    DataGrid m_l2;
    Customer m_customer;
    Totals m_totals;
    ProgressState m_pr1;
    QHash<QString, int> m_rowOfItem; // item code -> first row holding it (merge index)
};

} // namespace tarvel
