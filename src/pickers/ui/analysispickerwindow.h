#pragma once

#include "pickers/ui/pickerwindow.h"

#include <functional>

class QCheckBox;

namespace tarvel {

class AnalysisPicker;
class SalesmanListWidget;

// The window of a picker that hands its documents to a profit analysis (the
// invoice and order pickers): besides the shared picker window it has the
// salesman list satel and the options Check2 "Kdv Dahil" and Check3 "Ek Vergi
// Hesaplansın", bound to the model; the picker window places them among its
// filters with addFilter().
class AnalysisPickerWindow : public PickerWindow {
    Q_OBJECT
public:
    // What the analysis does with the ticked documents.
    using HandOver = std::function<void(const PickedDocuments &documents, const AnalysisOptions &options)>;

protected:
    // Takes the model (it becomes the window's child).
    AnalysisPickerWindow(AnalysisPicker *model, const Design &design, HandOver handOver, QWidget *parent);

    SalesmanListWidget *salesmen() const { return m_satel; }
    QCheckBox *vatIncludedBox() const { return m_check2; }
    QCheckBox *extraTaxBox() const { return m_check3; }

    // Shows the salesmen the model read.
    void showOwnLists() override;
    Result<void> handOverPicked(const PickedDocuments &picked) override;

private:
    AnalysisPicker *m_model;
    HandOver m_handOver;
    SalesmanListWidget *m_satel = nullptr;
    QCheckBox *m_check2 = nullptr;
    QCheckBox *m_check3 = nullptr;
};

} // namespace tarvel
