#pragma once

#include "analysis/ui/analysiswindow.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace tarvel {

class MaterialAnalysis;
class SalesmanListWidget;

// malzemekaranalizform, "MALZEME KARLILIK ANALİZİ": the material run over the
// date range for the items named by Text1 "Malzeme Cinsi", ozkod "Malzeme
// Özel Kodu" and grp "Malzeme Grup Kodu", of the salesmen chosen in satel,
// with Check2 "Kdv Dahil" and Check3 "Ek Vergi Hesaplansın". "Bul" (or Enter
// in Text1) starts it and gives way to "Durdur" while it runs; a close during
// the run stops it first. Its rows name no invoice, so it has no grouping box.
class MaterialAnalysisWindow : public AnalysisWindow {
    Q_OBJECT
public:
    explicit MaterialAnalysisWindow(const AppPaths &paths, ErpConnection &connection,
                                    QWidget *parent = nullptr);

    MaterialAnalysis &analysis() const;

protected:
    // ozkod, grp and satel from the ERP; a failing salesman list is said in a plain message box.
    void loadAfterSettings() override;

private:
    void bul();
    void showRunning(bool running);

    QLineEdit *m_text1 = nullptr;
    QComboBox *m_ozkod = nullptr;
    QComboBox *m_grp = nullptr;
    SalesmanListWidget *m_satel = nullptr;
    QPushButton *m_bul = nullptr;
};

} // namespace tarvel
