#include "pickers/ui/analysispickerwindow.h"

#include "pickers/analysispicker.h"
#include "pickers/ui/pickerwidgets.h"
#include "pickers/ui/salesmanlistwidget.h"

#include <QCheckBox>

namespace tarvel {

AnalysisPickerWindow::AnalysisPickerWindow(AnalysisPicker *model, const Design &design, HandOver handOver,
                                           QWidget *parent)
    : PickerWindow(model, design, parent), m_model(model), m_handOver(std::move(handOver))
{
    m_satel = new SalesmanListWidget(model->satel(), this);
    m_check2 = pickerCheckBox("Check2", QStringLiteral("Kdv Dahil"), this);
    m_check3 = pickerCheckBox("Check3", QStringLiteral("Ek Vergi Hesaplansın"), this);
    connect(m_check2, &QCheckBox::toggled, model, &AnalysisPicker::setVatIncluded);
    connect(m_check3, &QCheckBox::toggled, model, &AnalysisPicker::setExtraTax);
}

void AnalysisPickerWindow::showOwnLists()
{
    m_satel->showEntries();
}

Result<void> AnalysisPickerWindow::handOverPicked(const PickedDocuments &picked)
{
    // An analysis run carries on past its failing steps and says them itself.
    m_handOver(picked, m_model->options());
    return {};
}

} // namespace tarvel
