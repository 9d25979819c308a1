#pragma once

#include "pickers/analysispicker.h"

namespace tarvel {

// The invoice picker faturaform: sales invoices (INVOICE, types 7 and 8) by
// invoice date or entry date, type, customer name (for one search), customer
// code with a leading or trailing "*", special code and salesmen, handed to
// the invoice profit analysis with the two analysis options. Its own fields:
// ind, nettutar, satici, and scari and scarikod, which stay empty.
class InvoicePicker : public AnalysisPicker {
    Q_OBJECT
public:
    explicit InvoicePicker(const ReportContext &context, QObject *parent = nullptr);

    // carkod "Cari Kodu:".
    void setCarkod(const QString &code) { m_carkod = code; }
    // Check4 "Ekleme Tarihine Göre Bul": the range applies to the entry date.
    void setByEntryDate(bool on) { m_byEntryDate = on; }

protected:
    std::optional<QString> statement() override;
    void fillRow(MemTable &list, const ErpRows &row) override;
    QString documentTable() const override { return QStringLiteral("INVOICE"); }
    QString typeCondition() const override;
    QString salesmanStatement() const override;

private:
    // " AND (CLIENTREF='1' OR CLIENTREF='7')" for the cards matching carkod;
    // nothing when no card matches (then there is no search at all).
    std::optional<QString> customerCodeFragment();

    QString m_carkod;
    bool m_byEntryDate = false;
};

} // namespace tarvel
