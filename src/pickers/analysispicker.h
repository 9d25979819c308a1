#pragma once

#include "documents/salesmanlist.h"
#include "pickers/documentpicker.h"

namespace tarvel {

// What the invoice and order pickers share: they filter by salesmen (satel),
// carry the analysis options Check2 "Kdv Dahil" and Check3 "Ek Vergi
// Hesaplansın", handed over with the ticked documents to a document analysis,
// and show the same first twelve columns (up to the hidden ship-to card) with
// the amounts ind, tutar and nettutar.
class AnalysisPicker : public DocumentPicker {
    Q_OBJECT
public:
    // satel "Satış Elemanı:", filled at opening (elemanekle).
    SalesmanList &satel() { return m_satel; }
    const SalesmanList &satel() const { return m_satel; }
    void setVatIncluded(bool on) { m_options.kdvdahilsec = on ? VatMode::Included : VatMode::Excluded; }
    void setExtraTax(bool on) { m_options.ekvergisec = on ? ExtraTax::Counted : ExtraTax::NotCounted; }
    const AnalysisOptions &options() const { return m_options; }

    // tarvel-report's way to tick documents by reference: each document of
    // refs that the picker could list (its types), in that order, becomes a
    // ticked row as a search would list it. Returns the refs that name no
    // such document. Throws ErpError.
    QStringList listDocuments(const QStringList &refs);

protected:
    AnalysisPicker(const ReportContext &context, const Design &design, QObject *parent);

    // The columns at collection positions 0 to 11; the picker adds the rest.
    void addSharedColumns();
    GridColumn nettutarColumn(const char *name) const;

    // The period table of the documents (INVOICE, ORFICHE) and the condition
    // on its types the search always makes (" AND (TRCODE='8' OR TRCODE='7')").
    virtual QString documentTable() const = 0;
    virtual QString typeCondition() const = 0;
    // The salesman list's statement.
    virtual QString salesmanStatement() const = 0;

    // ind, tutar and nettutar of a result row.
    void fillRow(MemTable &list, const ErpRows &row) override;
    void openOwnLists() override;

private:
    SalesmanList m_satel;
    AnalysisOptions m_options;
};

} // namespace tarvel
