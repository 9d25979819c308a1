#pragma once

#include "analysis/analysisrow.h"
#include "analysis/profitanalysis.h"
#include "documents/pickeddocument.h"

#include <memory>

namespace tarvel {

// The analysis of picked documents (invoices, orders): the documents ticked
// in a picker are handed over at once; every analysable line of a document
// becomes a row, the document's last row gets its totals, and the list ends
// grouped under one heading per document with the overall profitability in
// the footer. A subclass names the statements of its documents.
class DocumentAnalysis : public ProfitAnalysis {
    Q_OBJECT
public:
    // The documents ticked in a picker, in that order, with the picker's
    // analysis options: a run that empties the list, counts pr1 1..n, adds
    // each document (faturabulanalizyukle), then groups by document, shows
    // TOP. TUTAR and İND.TOP., opens every group, makes the first row current
    // and computes the overall profitability. Nothing at all for no document
    // or while a run is in progress. A failing statement skips its step; once
    // "Durdur" is pressed or the server is gone the run adds nothing more, the
    // document it stopped in gets no totals and the run no overall
    // profitability.
    void handOver(const PickedDocuments &documents, const AnalysisOptions &options);

protected:
    DocumentAnalysis(AnalysisDesign design, const ReportContext &context, QObject *parent);

    // The document's stock lines.
    virtual QString linesStatement(const QString &ref) const = 0;
    // The purchase lines a card's cost comes from (the last one returned counts).
    virtual QString purchaseStatement(const QString &cardRef, const QString &dateKey) const = 0;
    // The sales line read again by its key: miktar1, tutar1, EKVERGITUTAR,
    // linetip, DISTCOST and the VAT rate.
    virtual QString rereadStatement(const QString &lineRef) const = 0;
    // The set twin of linesStatement: the line table and its document key.
    virtual KeyedRead linesRead() const = 0;

private:
    // The reads of a run: lines per document, item and service cards and
    // purchases per card.
    struct Reads {
        explicit Reads(ErpReader r) : reader(std::move(r)) {}
        ErpReader reader;
        ErpReader::Read lines = 0, items = 0, services = 0, purchases = 0;
    };
    // The documents the run will add, before the first: in sets mode their
    // lines, cards and purchases are then read a few hundred at a time.
    void expectDocuments(const PickedDocuments &documents);
    // Adds the rows of one document and writes its totals on its last row
    // (a document that adds no row writes none). Never throws: a failing
    // statement skips its step.
    void faturabulanalizyukle(const PickedDocument &document, const AnalysisModes &modes);
    // The card of a line: a service card for LINETYPE 4, else an item card.
    ErpRows cardOf(const ErpRows &line);

    std::unique_ptr<Reads> m_reads;
};

} // namespace tarvel
