#pragma once

#include "pickers/analysispicker.h"

namespace tarvel {

// The order picker siparisform: sales orders (ORFICHE, TRCODE 1) of the date
// range, restricted by customer, salesmen and payment type, handed to the
// order profit analysis with the two analysis options. Its own fields: ind,
// nettutar, and scari and scarikod, which stay empty.
//
// The customer restriction (crref, set by cr or by "Cari Kartlar") holds for
// every search until cr changes. The list appearance lives in section "sip2"
// of list.velmor, read and written: its columns are not those of the invoice
// and waybill lists that share "l1".
class OrderPicker : public AnalysisPicker {
    Q_OBJECT
public:
    explicit OrderPicker(const ReportContext &context, QObject *parent = nullptr);

    // siptip "Tip:": "Tümü", "0-Ödemesiz", "1-Ödemeli"; "Tümü" after opening.
    static QStringList paymentTypes();
    const QString &siptip() const { return m_siptip; }
    void setSiptip(const QString &text) { m_siptip = text; }

protected:
    std::optional<QString> statement() override;
    void openOwnLists() override;
    QString documentTable() const override { return QStringLiteral("ORFICHE"); }
    QString typeCondition() const override;
    QString salesmanStatement() const override;

private:
    QString m_siptip;
};

} // namespace tarvel
