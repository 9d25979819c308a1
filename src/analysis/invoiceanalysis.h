#pragma once

#include "analysis/analysisdates.h"
#include "analysis/documentanalysis.h"

namespace tarvel {

// The invoice profit analysis karanalizform without its window. Two fillings:
//  - the invoice run, driven by the invoice picker (faturabulanalizyukle per
//    picked sales invoice, costs from the item's last purchase up to the
//    invoice date);
//  - the item run over the date range: one row per item card that sold in the
//    range, its sales against the last purchase price in the range, over all
//    cards ("Tüm Ürünler") or the cards whose name contains a text (Enter in
//    the search box Text1). It ends ungrouped, without the document columns.
class InvoiceAnalysis : public DocumentAnalysis {
    Q_OBJECT
public:
    explicit InvoiceAnalysis(const ReportContext &context, QObject *parent = nullptr);

    const AnalysisDates &dates() const { return m_dates; }
    void setDates(const AnalysisDates &dates) { m_dates = dates; }

    // analizyukle ("Tüm Ürünler") and analizurunara (Enter in Text1); false
    // when a run is already in progress.
    bool analizyukle();
    bool analizurunara(const QString &text);

protected:
    ErpRead linesRead() const override;
    ErpRead purchasesRead(const QString &upToKey) const override;
    ErpReread lineReread() const override;

private:
    bool itemRun(const QString &itemsStatement);
    // The reads of an item run: its purchase lines and its sales sums, per item.
    struct ItemReads {
        ErpReader::Read prices;
        ErpReader::Read sold;
    };
    // range: the run's date condition on DATE_.
    void addItemRow(ErpReader &reader, const ItemReads &reads, const ErpRows &item);

    AnalysisDates m_dates;
};

} // namespace tarvel
