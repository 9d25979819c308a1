#pragma once

#include "foundation/erp/reportcontext.h"
#include "pickers/ui/pickerwindow.h"

class QCheckBox;
class QComboBox;

namespace tarvel {

class LoadingReport;
class WaybillPicker;

// irsaliyeform: the waybill picker window over WaybillPicker. Its own filters
// are the waybill type irstip and the special code ozkod, its option Check1
// "Aynı Ürünleri Birleştir"; "İrsaliye Görüntüle" (button and menu item
// irsgornt) hands the ticked waybills to the loading report.
class WaybillPickerWindow : public PickerWindow {
    Q_OBJECT
public:
    WaybillPickerWindow(const ReportContext &context, LoadingReport &caller, QWidget *parent = nullptr);

    WaybillPicker &waybills() const;

protected:
    void showOwnLists() override;

private:
    QComboBox *m_irstip = nullptr;
    QComboBox *m_ozkod = nullptr;
    QCheckBox *m_check1 = nullptr;
};

} // namespace tarvel
