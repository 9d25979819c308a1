#pragma once

#include "foundation/erp/reportcontext.h"
#include "pickers/ui/pickerwindow.h"

#include <functional>

class QCheckBox;
class QComboBox;

namespace tarvel {

class WaybillPicker;

// irsaliyeform: the waybill picker window over WaybillPicker. Its own filters
// are the waybill type irstip and the special code ozkod, its option Check1
// "Aynı Ürünleri Birleştir"; "İrsaliye Görüntüle" (button and menu item
// irsgornt) hands the ticked waybills to the loading report.
class WaybillPickerWindow : public PickerWindow {
    Q_OBJECT
public:
    // What the loading report does with the ticked waybills.
    using HandOver = std::function<Result<void>(const PickedDocuments &waybills, Merge birlestir)>;

    WaybillPickerWindow(const ReportContext &context, HandOver handOver, QWidget *parent = nullptr);

    WaybillPicker &waybills() const;

protected:
    void showOwnLists() override;
    Result<void> handOverPicked(const PickedDocuments &picked) override;

private:
    HandOver m_handOver;
    QComboBox *m_irstip = nullptr;
    QComboBox *m_ozkod = nullptr;
    QCheckBox *m_check1 = nullptr;
};

} // namespace tarvel
