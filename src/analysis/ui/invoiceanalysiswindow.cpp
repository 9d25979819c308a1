#include "analysis/ui/invoiceanalysiswindow.h"

#include "analysis/invoiceanalysis.h"
#include "foundation/erp/filterlengths.h"
#include "pickers/ui/invoicepickerwindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <functional>

namespace tarvel {

InvoiceAnalysisWindow::InvoiceAnalysisWindow(const AppPaths &paths, ErpConnection &connection,
                                             QWidget *parent)
    : AnalysisWindow(ReportKind::InvoiceAnalysis,
                     std::make_unique<InvoiceAnalysis>(ReportContext{paths, {}, {}, connection}), paths,
                     parent)
{
    addDateRange([this](const AnalysisDates &dates) { analysis().setDates(dates); });

    QPushButton *invoices = addFilterButton(QStringLiteral("faturalar"), QStringLiteral("Faturalar"));
    QPushButton *allItems = addFilterButton(QStringLiteral("tumurunler"), QStringLiteral("Tüm Ürünler"));
    addFilterWidget(new QLabel(QStringLiteral("Malzeme Cinsi")), 1);
    m_text1 = new QLineEdit;
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setMinimumWidth(160);
    m_text1->setMaxLength(filterLength::itemName);
    addFilterWidget(m_text1, 1);
    QPushButton *find = addFilterButton(QStringLiteral("bul"), QStringLiteral("Bul"), 1);
    addStopButton(0);
    for (QWidget *starter : QList<QWidget *>{invoices, allItems, find, m_text1})
        disableWhileRunning(starter);

    connect(invoices, &QPushButton::clicked, this, &InvoiceAnalysisWindow::faturalar);
    connect(allItems, &QPushButton::clicked, this, [this] { analysis().analizyukle(); });
    const auto search = [this] { analysis().analizurunara(m_text1->text()); };
    connect(m_text1, &QLineEdit::returnPressed, this, search);
    connect(find, &QPushButton::clicked, this, search);
}

InvoiceAnalysis &InvoiceAnalysisWindow::analysis() const
{
    return static_cast<InvoiceAnalysis &>(model());
}

void InvoiceAnalysisWindow::faturalar()
{
    if (analysis().isRunning())
        return;
    InvoicePickerWindow picker(analysis().context(),
                               std::bind_front(&DocumentAnalysis::handOver, &analysis()), this);
    picker.exec();
}

} // namespace tarvel
