#pragma once

#include "analysis/ui/analysiswindow.h"

namespace tarvel {

class OrderAnalysis;

// sipkaranalizform, "SİPARİŞ  KARLILIK ANALİZİ": the order run through the
// order picker ("Siparişler"). An overall profitability that cannot be
// computed (no cost) is said in a plain message box once the run is over.
class OrderAnalysisWindow : public AnalysisWindow {
    Q_OBJECT
public:
    explicit OrderAnalysisWindow(const AppPaths &paths, ErpConnection &connection, QWidget *parent = nullptr);

    OrderAnalysis &analysis() const;

    // "Siparişler": siparisform, modal; it fills the list when confirmed.
    void siparisler();
};

} // namespace tarvel
