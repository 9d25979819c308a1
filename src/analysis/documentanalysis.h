#pragma once

#include "analysis/profitanalysis.h"

namespace tarvel {

// The analysis of picked documents (invoices, orders): a picker empties the
// list, calls faturabulanalizyukle once per ticked document and finishes the
// run; every analysable line of a document becomes a row, the document's last
// row gets its totals, and the list ends grouped under one heading per
// document with the overall profitability in the footer. A subclass names the
// statements of its documents.
class DocumentAnalysis : public ProfitAnalysis {
    Q_OBJECT
public:
    // One picked document, with the picker row's texts.
    struct Document {
        QString ref;          // LOGICALREF
        QString fisno;        // FICHENO
        QString belgeno;      // DOCODE
        QString unvan;        // the customer's title
        QString indirim;      // the discount total (not used)
        QString topnettop;    // the total after discounts: nettutar of the document's last row
        QString tip;          // TRCODE: the type name in the heading
        int kdvdahilsec = 0;  // 1: VAT-inclusive mode
        int ekvergisec = 0;   // 1: additional-tax mode
        QString faturatarihi; // the document date as the picker shows it: cut-off of the costs
        QString satici;       // the salesman's code (invoices)
    };

    // The run frame the pickers drive. beginDocumentRun comes before the
    // picker empties the list and suspends its redrawing; false when a run is
    // already in progress (the picker then hands nothing over).
    // finishDocumentRun comes after the redrawing is resumed: groups by
    // document, shows TOP. TUTAR and İND.TOP., opens every group, makes the
    // first row current and computes the overall profitability (not when
    // the run stopped because the server is gone).
    bool beginDocumentRun();
    void finishDocumentRun();

    // Adds the rows of one document and writes its totals on its last row
    // (a document that adds no row writes none). Never throws: a failing
    // statement skips its step. Once the server is gone it adds nothing, and
    // the document it stopped in gets no totals.
    void faturabulanalizyukle(const Document &document);

protected:
    DocumentAnalysis(AnalysisKind kind, const ReportContext &context, QObject *parent);

    // The document's stock lines.
    virtual QString linesStatement(const QString &ref) const = 0;
    // The purchase lines a card's cost comes from (the last one returned counts).
    virtual QString purchaseStatement(const QString &cardRef, const QString &dateKey) const = 0;
    // The sales line read again by its key: miktar1, tutar1, EKVERGITUTAR,
    // linetip, DISTCOST and the VAT rate.
    virtual QString rereadStatement(const QString &lineRef) const = 0;

private:
    // The card of a line: a service card for LINETYPE 4, else an item card.
    ErpRows cardOf(const ErpRows &line);

    // Whether the headings name the document types (invoices do, orders not).
    bool m_namesTypes;
};

} // namespace tarvel
