#pragma once

#include "foundation/erp/reportcontext.h"
#include "pickers/ui/analysispickerwindow.h"

class QComboBox;
class QLineEdit;

namespace tarvel {

class InvoicePicker;

// faturaform: the invoice picker window over InvoicePicker. Its own filters:
// the customer code carkod, the salesmen satel, the special code ozkod, the
// invoice type irstip and Check4 "Ekleme Tarihine Göre Bul"; its options
// Check2 "Kdv Dahil" and Check3 "Ek Vergi Hesaplansın" go with every invoice.
// "Tamam" hands the ticked invoices to the invoice profit analysis.
class InvoicePickerWindow : public AnalysisPickerWindow {
    Q_OBJECT
public:
    InvoicePickerWindow(const ReportContext &context, HandOver handOver, QWidget *parent = nullptr);

    InvoicePicker &invoices() const;

protected:
    void showOwnLists() override;

private:
    QLineEdit *m_carkod = nullptr;
    QComboBox *m_ozkod = nullptr;
    QComboBox *m_irstip = nullptr;
};

} // namespace tarvel
