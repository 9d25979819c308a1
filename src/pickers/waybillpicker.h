#pragma once

#include "pickers/documentpicker.h"

namespace tarvel {

class LoadingReport;

// The waybill picker irsaliyeform: sales waybills (STFICHE, IOCODE 3, types
// 7 and 8) by date, type, customer and special code, handed to the vehicle
// loading report one irsaliyebul per ticked waybill. Its own fields: scari
// (the ship-to card's name) and scarikod (the waybill's RECVREF).
class WaybillPicker : public DocumentPicker {
    Q_OBJECT
public:
    WaybillPicker(const ReportContext &context, LoadingReport &caller, QObject *parent = nullptr);

    // Check1 "Aynı Ürünleri Birleştir", passed with every waybill.
    void setMerge(bool merge) { m_merge = merge; }

protected:
    std::optional<QString> statement() override;
    void fillRow(MemTable &list, const ErpRows &row) override;
    QStringList cardColumns() const override;
    ProgressState &callerProgress() override;
    DataGrid &callerList() override;
    bool prepareCaller() override;
    void handRow(int row) override;
    void finishCaller() override;

private:
    LoadingReport &m_caller;
    bool m_merge = false;
};

} // namespace tarvel
