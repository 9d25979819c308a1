#pragma once

#include "pickers/documentpicker.h"

namespace tarvel {

// The waybill picker irsaliyeform: sales waybills (STFICHE, IOCODE 3, types
// 7 and 8) by date, type, customer and special code, handed to the vehicle
// loading report with the merge choice. Its own fields: scari (the ship-to
// card's name) and scarikod (the waybill's RECVREF).
class WaybillPicker : public DocumentPicker {
    Q_OBJECT
public:
    explicit WaybillPicker(const ReportContext &context, QObject *parent = nullptr);

    // Check1 "Aynı Ürünleri Birleştir", handed over with the waybills.
    void setMerge(bool merge) { m_birlestir = merge ? Merge::SameItems : Merge::None; }
    Merge birlestir() const { return m_birlestir; }

protected:
    std::optional<QString> statement() override;
    void fillRow(MemTable &list, const ErpRows &row) override;
    QStringList cardColumns() const override;

private:
    Merge m_birlestir = Merge::None;
};

} // namespace tarvel
