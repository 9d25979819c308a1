#pragma once

#include "foundation/erp/reportcontext.h"
#include "pickers/ui/analysispickerwindow.h"

class QComboBox;

namespace tarvel {

class OrderPicker;

// siparisform: the order picker window over OrderPicker. Its own filters: the
// salesmen satel and the payment type siptip "Tip:"; its options Check2 "Kdv
// Dahil" and Check3 "Ek Vergi Hesaplansın" go with every order. "Cari
// Kartlar" (chameleonButton5) opens cariform and takes back the chosen
// card's name and reference. "Tamam" hands the ticked orders to the order
// profit analysis.
class OrderPickerWindow : public AnalysisPickerWindow {
    Q_OBJECT
public:
    OrderPickerWindow(const ReportContext &context, HandOver handOver, QWidget *parent = nullptr);

    OrderPicker &orders() const;

    // "Cari Kartlar": the customer picker, modal; its choice goes into cr and crref.
    void cariKartlar();

protected:
    void showOwnLists() override;

private:
    QComboBox *m_siptip = nullptr;
};

} // namespace tarvel
