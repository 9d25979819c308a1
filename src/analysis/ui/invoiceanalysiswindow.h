#pragma once

#include "analysis/ui/analysiswindow.h"

class QLineEdit;

namespace tarvel {

class InvoiceAnalysis;

// karanalizform, "SATIŞ KARLILIK ANALİZİ": the invoice run through the invoice
// picker ("Faturalar") and the item run over the date range ("Tüm Ürünler",
// or Enter in Text1 / "Bul" for the items whose name contains its text).
class InvoiceAnalysisWindow : public AnalysisWindow {
    Q_OBJECT
public:
    explicit InvoiceAnalysisWindow(const AppPaths &paths, ErpConnection &connection,
                                   QWidget *parent = nullptr);

    InvoiceAnalysis &analysis() const;

private:
    void faturalar();

    QLineEdit *m_text1 = nullptr;
};

} // namespace tarvel
