#pragma once

#include "analysis/documentanalysis.h"
#include "foundation/base/result.h"

namespace tarvel {

// The order profit analysis sipkaranalizform without its window: the document
// analysis of the invoice run applied to sales orders, driven by the order
// picker. The lines and their re-read come from the order lines, the costs
// from the item's last purchase up to the order date. The list has no
// toptutar and no satici, and its headings name no type ("... - ()").
//
// The overall profitability needs a cost: when the cost total is 0 (or the
// list is empty) nothing is written and overall() says why, for the
// window to show in a plain message box.
class OrderAnalysis : public DocumentAnalysis {
    Q_OBJECT
public:
    explicit OrderAnalysis(const ReportContext &context, QObject *parent = nullptr);

    void faturagenelmaliyethesapla() override;
    // The last overall profitability: a success, or why it could not be computed.
    const Result<void> &overall() const { return m_overall; }

signals:
    void overallProfitabilityFailed(const QString &description);

protected:
    ErpRead linesRead() const override;
    ErpRead purchasesRead(const QString &upToKey) const override;
    ErpReread lineReread() const override;

private:
    QString orderLineTable() const { return context().periodTable(QStringLiteral("ORFLINE")); }

    Result<void> m_overall;
};

} // namespace tarvel
