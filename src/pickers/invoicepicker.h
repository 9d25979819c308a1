#pragma once

#include "analysis/salesmanlist.h"
#include "pickers/documentpicker.h"

namespace tarvel {

class InvoiceAnalysis;

// The invoice picker faturaform: sales invoices (INVOICE, types 7 and 8) by
// invoice date or entry date, type, customer name (for one search), customer
// code with a leading or trailing "*", special code and salesmen, handed to
// the invoice profit analysis one faturabulanalizyukle per ticked invoice
// with the two analysis options. Its own fields: ind, nettutar, satici, and
// scari and scarikod, which stay empty.
class InvoicePicker : public DocumentPicker {
    Q_OBJECT
public:
    InvoicePicker(const ReportContext &context, InvoiceAnalysis &caller, QObject *parent = nullptr);

    // carkod "Cari Kodu:".
    const QString &carkod() const { return m_carkod; }
    void setCarkod(const QString &code) { m_carkod = code; }
    // satel "Satış Elemanı:", filled at opening (elemanekle).
    SalesmanList &satel() { return m_satel; }
    const SalesmanList &satel() const { return m_satel; }
    // Check4 "Ekleme Tarihine Göre Bul": the range applies to the entry date.
    bool byEntryDate() const { return m_byEntryDate; }
    void setByEntryDate(bool on) { m_byEntryDate = on; }
    // Check2 "Kdv Dahil" and Check3 "Ek Vergi Hesaplansın", passed with every invoice.
    bool vatIncluded() const { return m_vatIncluded; }
    void setVatIncluded(bool on) { m_vatIncluded = on; }
    bool extraTax() const { return m_extraTax; }
    void setExtraTax(bool on) { m_extraTax = on; }

    // tarvel-report's way to tick invoices by reference: each sales invoice
    // of refs, in that order, becomes a ticked row as a search would list it.
    // Returns the refs that name no sales invoice. Throws ErpError.
    QStringList listInvoices(const QStringList &refs);

protected:
    std::optional<QString> statement() override;
    void fillRow(MemTable &list, const ErpRows &row) override;
    void openOwnLists() override;
    ProgressState &callerProgress() override;
    DataGrid &callerList() override;
    void prepareCaller() override;
    void handRow(int row) override;
    void finishCaller() override;

private:
    // " AND (CLIENTREF='1' OR CLIENTREF='7')" for the cards matching carkod;
    // nothing when no card matches (then there is no search at all).
    std::optional<QString> customerCodeFragment();

    InvoiceAnalysis &m_caller;
    QString m_carkod;
    SalesmanList m_satel;
    bool m_byEntryDate = false;
    bool m_vatIncluded = false;
    bool m_extraTax = false;
};

} // namespace tarvel
